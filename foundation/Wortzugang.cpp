#include "foundation/Wortzugang.h"

#include "platform/Laufzeitfehler.h"

#include <utility>

namespace varku {

namespace {
QString refNrKriterium(long refNr) {
    return QStringLiteral("RefNr=") + QString::number(refNr);
}

QStringList tabellenNamen(WortTabellen tabellen) {
    QStringList namen{QStringLiteral("WortListe")};
    if (tabellen.lupenStellen)
        namen << QStringLiteral("LupenStellen");
    if (tabellen.semSynt)
        namen << QStringLiteral("SemSynt");
    if (tabellen.transkripte)
        namen << QStringLiteral("Transkripte");
    return namen;
}

} // namespace

void Wortzugang::oeffneVorab(const QString& pfad, WortTabellen tabellen) {
    m_vorab.reset();
    const Dateistand stand = Dateistand::von(pfad);
    try {
        m_vorab =
            Vorab{pfad, tabellen, stand, db::Recordset::oeffne(pfad, tabellenNamen(tabellen))};
    } catch (const Laufzeitfehler&) {
        // meldet das Öffnen
    }
}

void Wortzugang::oeffneWortDatenbank(const QString& pfad, WortTabellen tabellen) {
    std::optional<Vorab> vorab = std::exchange(m_vorab, std::nullopt);
    std::vector<db::Recordset> saetze;
    if (vorab && vorab->pfad == pfad && vorab->tabellen == tabellen &&
        vorab->stand == Dateistand::von(pfad))
        saetze = std::move(vorab->saetze);
    else
        saetze = db::Recordset::oeffne(pfad, tabellenNamen(tabellen));
    auto naechster = saetze.begin();
    m_alle = std::move(*naechster++);
    m_rdb = m_alle;
    m_ruv = tabellen.lupenStellen ? std::move(*naechster++) : db::Recordset();
    m_phr = tabellen.semSynt ? std::move(*naechster++) : db::Recordset();
    m_tts = tabellen.transkripte ? std::move(*naechster++) : db::Recordset();
    m_anzahl = 0;
}

QString Wortzugang::wortFilter(const QString& ruvoFeldName, bool nurGws, int maxLaenge) {
    QString filter = ruvoFeldName + QStringLiteral("=TRUE");
    if (nurGws)
        filter = QStringLiteral("GWS=TRUE AND ") + filter;
    if (maxLaenge > 0)
        filter += QStringLiteral(" AND Len(Trim(Wort))<= ") + QString::number(maxLaenge);
    return filter;
}

int Wortzugang::setzeWortFilter(const QString& ruvoFeldName, bool nurGws, int maxLaenge) {
    m_rdb = m_alle.gefiltert(wortFilter(ruvoFeldName, nurGws, maxLaenge));
    if (m_rdb.RecordCount() > 0) {
        m_rdb.MoveLast();
        m_anzahl = m_rdb.RecordCount();
        m_rdb.MoveFirst();
    } else {
        m_anzahl = 0;
    }
    return m_anzahl;
}

void Wortzugang::positioniereWort(int position) {
    if (m_rdb.Eof() || m_rdb.Bof())
        m_rdb.MoveFirst();
    m_rdb.Move(position - 1 - m_rdb.AbsolutePosition());
}

long Wortzugang::refNr() const {
    return long(m_rdb.feld(QStringLiteral("RefNr")).alsGanzzahl());
}

bool Wortzugang::findeWort(long refNr) {
    return suche(m_rdb, refNr);
}

bool Wortzugang::hatKategorie(const QString& feld) const {
    return m_alle.istOffen() && m_alle.hatFeld(feld);
}

bool Wortzugang::suche(db::Recordset& r, long refNr) {
    return r.istOffen() && r.RecordCount() > 0 && r.FindFirst(refNrKriterium(refNr));
}

std::optional<Lupenstelle> Wortzugang::sucheLupenStelle(long refNr, int uebNr) {
    if (!suche(m_ruv, refNr))
        return std::nullopt;
    while (!m_ruv.Eof() && m_ruv.feld(QStringLiteral("RefNr")).alsGanzzahl() == refNr) {
        if (m_ruv.feld(QStringLiteral("ruvo")).alsGanzzahl() == uebNr)
            return Lupenstelle{int(m_ruv.feld(QStringLiteral("vonPos")).alsGanzzahl()),
                               int(m_ruv.feld(QStringLiteral("bisPos")).alsGanzzahl())};
        m_ruv.MoveNext();
    }
    return std::nullopt;
}

std::optional<QString> Wortzugang::satzKontext(long refNr) {
    if (!suche(m_phr, refNr))
        return std::nullopt;
    return m_phr.feld(QStringLiteral("SatzKontext")).alsText();
}

QString Wortzugang::paraphrase(long refNr) {
    if (!suche(m_phr, refNr))
        return {};
    return m_phr.feld(QStringLiteral("Paraphr")).alsText();
}

Transkript Wortzugang::transkript(long refNr) {
    if (!suche(m_tts, refNr))
        return {};
    return {m_tts.feld(QStringLiteral("WortTranskr")).alsText(),
            m_tts.feld(QStringLiteral("SatzTranskr")).alsText()};
}

QString luecke(const QString& wort, int maxStriche) {
    return QString(qMin(wort.size(), qsizetype(maxStriche)), u'_');
}

QString satzMitEinsatz(const QString& satz, const QString& einsatz) {
    const qsizetype p = satz.indexOf(u'@');
    return p < 0 ? einsatz + satz : satz.left(p) + einsatz + satz.mid(p + 1);
}

} // namespace varku
