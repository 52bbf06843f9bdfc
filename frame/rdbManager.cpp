#include "frame/rdbManager.h"

#include "foundation/Zahlenwert.h"

namespace varku {

void rdbManager::oeffneVorab(const QString& pfad) {
    m_zugang.oeffneVorab(pfad, WortTabellen{true, true, true});
}

void rdbManager::oeffneWortDatenbank(const QString& pfad) {
    m_zugang.oeffneWortDatenbank(pfad, WortTabellen{true, true, true});
}

int rdbManager::setzeWortFilter(const QString& ruvoFeldName, bool nurGws) {
    return m_zugang.setzeWortFilter(ruvoFeldName, nurGws);
}

void rdbManager::positioniereWort(int position) {
    m_zugang.positioniereWort(position);
}

bool rdbManager::stehtAufWort() const {
    const db::Recordset& r = m_zugang.rdb();
    return r.istOffen() && !r.Eof() && !r.Bof();
}

bool rdbManager::sucheLupenStelle(int uebNr) {
    vonPos = 0;
    bisPos = 0;
    const auto stelle = m_zugang.sucheLupenStelle(refNr(), uebNr);
    if (!stelle)
        return false;
    vonPos = stelle->vonPos;
    bisPos = stelle->bisPos;
    return true;
}

void rdbManager::bildeSatzKontext(bool mitWort) {
    Beispielsatz.clear();
    const auto satz = m_zugang.satzKontext(refNr());
    if (!satz)
        return;
    // Ein Satz ohne "@" bekommt die Lücke vorn, wie in den Spielen.
    Beispielsatz = satzMitEinsatz(*satz, mitWort ? Wort : luecke(Wort));
}

void rdbManager::ladeTranskripte(bool woerter, bool saetze) {
    WortTranskr.clear();
    SatzTranskr.clear();
    const Transkript t = m_zugang.transkript(refNr());
    if (woerter && !t.wort.isEmpty())
        WortTranskr = t.wort;
    if (saetze && !t.satz.isEmpty())
        SatzTranskr = t.satz;
}

void rdbManager::ladeWort(bool mitAufnahme) {
    const db::Recordset& r = m_zugang.rdb();
    const auto lies = [&](const char* feld, QString& ziel, bool getrimmt = false) {
        const db::Wert w = r.feld(QString::fromLatin1(feld));
        if (!w.istNull())
            ziel = getrimmt ? trimme(w.alsText()) : w.alsText();
    };
    Kontext.clear();
    WaveDat.clear();
    lies("Wort", Wort);
    lies("Kontext", Kontext);
    if (mitAufnahme)
        lies("WaveDat", WaveDat, true);
    KomplexInd = alsInteger(double(r.feld(QStringLiteral("KomplexInd")).alsGanzzahl()),
                            QStringLiteral("KomplexInd"));
}

bool rdbManager::ladeAufnahme() {
    const db::Wert w = m_zugang.rdb().feld(QStringLiteral("WaveDat"));
    if (w.istNull())
        return false;
    WaveDat = trimme(w.alsText());
    return true;
}

} // namespace varku
