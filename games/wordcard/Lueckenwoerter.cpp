#include "games/wordcard/Lueckenwoerter.h"

#include "foundation/Texte.h"
#include "platform/Kriterium.h"

namespace varku::zelko {

namespace {

const QString& seite(const Ersatzpaar& p, Vorrat v) {
    return v == Vorrat::A ? p.erst : p.zweit;
}
const QString& andereSeite(const Ersatzpaar& p, Vorrat v) {
    return v == Vorrat::A ? p.zweit : p.erst;
}

// steht der Text an der Stelle (ab 1) des Wortes, ohne Rücksicht auf Groß- und Kleinschreibung?
bool stehtAn(const QString& wort, int pos, const QString& text) {
    if (pos < 1 || pos - 1 + text.size() > wort.size())
        return false;
    return QStringView(wort).mid(pos - 1, text.size()).compare(text, Qt::CaseInsensitive) == 0;
}

// das erste Paar, dessen Seite an der Stelle steht; -1 ohne
int paarAn(const Kategoriesatz& k, Vorrat v, const QString& wort, int pos) {
    for (size_t i = 0; i < k.ErsatzPaare.size(); ++i)
        if (stehtAn(wort, pos, seite(k.ErsatzPaare[i], v)))
            return int(i);
    return -1;
}

bool istGrossKleinKategorie(const QString& schluessel) {
    return schluessel == u"GK1M" || schluessel == u"GK2M" || schluessel == u"GK3M";
}

} // namespace

QString Luecke::gefuellt(const QString& fuellung) const {
    return Wort.left(vonPos - 1) + fuellung + Wort.mid(vonPos - 1 + Laenge);
}

std::optional<Lueckenstelle>
findeLueckenstelle(const Kategoriesatz& k, Vorrat v, const QString& wort,
                   const std::vector<LupenZeile>& lupen,
                   const std::function<int(const QString&)>& kategorieIndex) {
    const int pos = v == Vorrat::A ? k.PosA : k.PosB;
    const bool fest = v == Vorrat::A ? k.festA : k.festB;
    auto istKategorie = [&](int ruvo) {
        if (v == Vorrat::A)
            return kategorieIndex(k.KatSchluessel) == ruvo;
        for (const QString& s : k.KatListe)
            if (kategorieIndex(s) == ruvo)
                return true;
        return false;
    };
    // die erste Lupenstelle der Kategorie, an der ein Paar steht, entscheidet
    for (const LupenZeile& z : lupen) {
        if (z.ruvo < 1 || !istKategorie(z.ruvo))
            continue;
        const int p = fest ? pos : z.vonPos + pos;
        const int paar = paarAn(k, v, wort, p);
        if (paar >= 0)
            return Lueckenstelle{p, paar};
    }
    if (fest) {
        const int paar = paarAn(k, v, wort, pos);
        if (paar < 0)
            return std::nullopt;
        return Lueckenstelle{pos, paar};
    }
    for (size_t i = 0; i < k.ErsatzPaare.size(); ++i) {
        const qsizetype bei = wort.indexOf(seite(k.ErsatzPaare[i], v));
        if (bei >= 0)
            return Lueckenstelle{int(bei) + 1, int(i)};
    }
    return std::nullopt;
}

QStringList bildeLueckenAuswahl(const Kategoriesatz& k, Vorrat v, const QString& wort, int vonPos,
                                int paar) {
    if (paar < 0 || paar >= int(k.ErsatzPaare.size()))
        return {};
    const bool gross = !istGrossKleinKategorie(k.KatSchluessel) && vonPos == 1 && !wort.isEmpty() &&
                       istGrossbuchstabe(wort.at(0));
    auto form = [gross](QString s) {
        if (gross)
            s[0] = grossbuchstabe(s.at(0));
        return s;
    };
    QStringList liste;
    auto nimm = [&liste, &form](const QString& s) {
        const QString f = form(s);
        if (!liste.contains(f))
            liste << f;
    };
    const Ersatzpaar& p = k.ErsatzPaare[size_t(paar)];
    nimm(p.erst);
    nimm(p.zweit);
    const QString& richtig = seite(p, v);
    for (const Ersatzpaar& q : k.ErsatzPaare)
        if (seite(q, v) == richtig)
            nimm(andereSeite(q, v));
    return liste;
}

Lueckenwoerter::Lueckenwoerter(Kategoriesatz k, QStringList kategorien, db::Recordset dbWort,
                               db::Recordset dbLup, db::Recordset dbPhras, Wuerfel zufall)
    : m_kat(std::move(k)), m_kategorien(std::move(kategorien)), m_wort(std::move(dbWort)),
      m_phras(std::move(dbPhras)), m_zufall(std::move(zufall)) {
    // die Lupenstellen einmal nach Wörtern geordnet, in der Reihenfolge der Tabelle
    if (dbLup.istOffen() && dbLup.RecordCount() > 0) {
        for (dbLup.MoveFirst(); !dbLup.Eof(); dbLup.MoveNext())
            m_lupen[long(dbLup.feld(QStringLiteral("RefNr")).alsGanzzahl())].push_back(
                {int(dbLup.feld(QStringLiteral("ruvo")).alsGanzzahl()),
                 int(dbLup.feld(QStringLiteral("vonPos")).alsGanzzahl())});
    }
    zaehle(Vorrat::B);
    zaehle(Vorrat::A);
}

int Lueckenwoerter::kategorieIndex(const QString& schluessel) const {
    const qsizetype i = m_kategorien.indexOf(schluessel);
    return i < 0 ? -1 : int(i) + 1;
}

void Lueckenwoerter::zaehle(Vorrat v) {
    std::vector<Kandidat>& vorrat = m_vorrat[v == Vorrat::A ? 0 : 1];
    vorrat.clear();
    const QString& kriterium = v == Vorrat::A ? m_kat.KriteriumA : m_kat.KriteriumB;
    if (kriterium.trimmed().isEmpty() || !m_wort.istOffen() || m_wort.RecordCount() == 0)
        return;
    static const std::vector<LupenZeile> keine;
    const auto index = [this](const QString& s) { return kategorieIndex(s); };
    for (bool gefunden = finde(kriterium, v, true); gefunden;
         gefunden = finde(kriterium, v, false)) {
        const QString wort = m_wort.feld(QStringLiteral("Wort")).alsText();
        const auto lupen = m_lupen.find(long(m_wort.feld(QStringLiteral("RefNr")).alsGanzzahl()));
        const auto stelle = findeLueckenstelle(
            m_kat, v, wort, lupen == m_lupen.end() ? keine : lupen->second, index);
        if (!stelle)
            continue;
        // die richtige Füllung muss unter den angebotenen stehen
        const int laenge = int(seite(m_kat.ErsatzPaare[size_t(stelle->paar)], v).size());
        const QString richtig = wort.mid(stelle->pos - 1, laenge);
        if (!bildeLueckenAuswahl(m_kat, v, wort, stelle->pos, stelle->paar).contains(richtig))
            continue;
        vorrat.push_back({m_wort.AbsolutePosition(), *stelle});
    }
}

bool Lueckenwoerter::finde(const QString& kriterium, Vorrat v, bool erstes) {
    try {
        return erstes ? m_wort.FindFirst(kriterium) : m_wort.FindNext(kriterium);
    } catch (const Laufzeitfehler& f) {
        // Das Kriterium steht in Varku.kmp, nicht in der Wortdatenbank: die Meldung nennt die
        // Datei und den Datensatz. Ein Fehler der Datenbank selbst bleibt, wie er ist.
        if (!f.betrifft().startsWith(db::gekuerzt(kriterium)))
            throw;
        const QString wo = m_kat.zeile > 0 ? QStringLiteral("in Zeile %1 (Datensatz %2)")
                                                 .arg(m_kat.zeile)
                                                 .arg(m_kat.KatSchluessel)
                                           : QStringLiteral("im Datensatz ") + m_kat.KatSchluessel;
        throw kategorieDateiFehler(
            kategorieDatei,
            QStringLiteral("%1 ist das Kriterium für Vorrat %2 fehlerhaft: %3: %4")
                .arg(wo, v == Vorrat::A ? QStringLiteral("A") : QStringLiteral("B"), f.text(),
                     db::gekuerzt(kriterium)),
            f.nummer());
    }
}

QString Lueckenwoerter::naechsteLuecke() {
    Vorrat v = m_zufall(1, 100) >= 51 ? Vorrat::B : Vorrat::A;
    if (m_vorrat[v == Vorrat::A ? 0 : 1].empty())
        v = v == Vorrat::A ? Vorrat::B : Vorrat::A;
    const int anzahl = int(m_vorrat[v == Vorrat::A ? 0 : 1].size());
    if (anzahl == 0)
        return {};
    const int k = m_zufall(1, anzahl);
    if (v != m_letzterVorrat) {
        m_kandidatNr = -1;
        m_letzterVorrat = v;
    }
    geheZuKandidat(k, v);
    return LueckAuswahl();
}

bool Lueckenwoerter::geheZuKandidat(int k, Vorrat v) {
    const std::vector<Kandidat>& vorrat = m_vorrat[v == Vorrat::A ? 0 : 1];
    if (k < 1 || k > int(vorrat.size()))
        return false;
    if (k == m_kandidatNr && v == m_letzterVorrat)
        return true;
    lade(vorrat[size_t(k - 1)], v);
    m_kandidatNr = k;
    m_letzterVorrat = v;
    return true;
}

void Lueckenwoerter::lade(const Kandidat& kandidat, Vorrat v) {
    m_wort.MoveFirst();
    m_wort.Move(kandidat.zeile);
    Luecke l;
    l.RefNr = long(m_wort.feld(QStringLiteral("RefNr")).alsGanzzahl());
    l.Wort = m_wort.feld(QStringLiteral("Wort")).alsText();
    l.Kontext = m_wort.feld(QStringLiteral("Kontext")).alsText();
    l.KomplexInd = int(m_wort.feld(QStringLiteral("KomplexInd")).alsGanzzahl());
    l.gws = m_wort.feld(QStringLiteral("GWS")).wahr();
    // ein Wort ohne Satz zeigt keinen fremden
    if (m_phras.istOffen() && m_phras.RecordCount() > 0 &&
        m_phras.FindFirst(QStringLiteral("RefNr=") + QString::number(l.RefNr))) {
        l.Paraphr = m_phras.feld(QStringLiteral("Paraphr")).alsText();
        l.SatzKontext = m_phras.feld(QStringLiteral("SatzKontext")).alsText();
    }
    l.PaarNr = kandidat.stelle.paar;
    l.vonPos = kandidat.stelle.pos;
    l.Laenge = int(seite(m_kat.ErsatzPaare[size_t(l.PaarNr)], v).size());
    l.LueckWort =
        l.Wort.left(l.vonPos - 1) + QLatin1Char('_') + l.Wort.mid(l.vonPos - 1 + l.Laenge);
    m_auswahl = bildeLueckenAuswahl(m_kat, v, l.Wort, l.vonPos, l.PaarNr);
    m_luecke = std::move(l);
}

} // namespace varku::zelko
