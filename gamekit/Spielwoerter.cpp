#include "gamekit/Spielwoerter.h"

#include "foundation/Protokolldatei.h"
#include "foundation/Routinen.h"
#include "foundation/Texte.h"
#include "foundation/Zahlenwert.h"

#include <QSet>
#include <algorithm>

namespace varku {

void Spielwoerter::oeffneWortDatenbank(const QString& pfad, WortTabellen tabellen) {
    m_zugang.oeffneWortDatenbank(pfad, tabellen);
}

int Spielwoerter::setzeWortFilter(const QString& ruvoFeldName, bool gwsFlag, int maxLaenge) {
    return m_zugang.setzeWortFilter(ruvoFeldName, gwsFlag, maxLaenge);
}

void Spielwoerter::leseFehlerWoerter(const QString& userPfad, const QStringList& staemme) {
    // schon gesehen: nachgeschlagen in einer Menge, nicht Zeile für Zeile in der ganzen Liste
    QSet<int> schon(FehlerListe.begin(), FehlerListe.end());
    for (const QString& stamm : staemme) {
        // der Computer hat keine Datei; eine fehlende Datei ist leer
        if (stamm.isEmpty())
            continue;
        // Zeile für Zeile: auch eine riesige Datei hält nur die Liste im Speicher
        leseProtokollNummern(protokollPfad(userPfad, stamm), [&](int nr, bool richtig) {
            if (!richtig && !schon.contains(nr)) {
                schon.insert(nr);
                FehlerListe.push_back(nr);
            }
        });
    }
}

bool Spielwoerter::istWortBenutzt(int nr) const {
    return std::find(BenutztListe.begin(), BenutztListe.end(), nr) != BenutztListe.end();
}

void Spielwoerter::merkeWortBenutzt(int nr) {
    BenutztListe.push_back(nr);
}

namespace {

// das Wort eines Datensatzes, wie die Spiele es legen: ohne Leerzeichen außen, in Normalform C
QString spielwort(const db::Recordset& r) {
    return r.feld(QStringLiteral("Wort"))
        .alsText()
        .trimmed()
        .normalized(QString::NormalizationForm_C);
}

} // namespace

bool Spielwoerter::taugt(const Wahl& wahl) {
    const QString wort = spielwort(m_zugang.rdb());
    return istSpielwort(wort) && (!wahl.taugt || wahl.taugt(wort));
}

bool Spielwoerter::waehleFehlerwort(const Wahl& wahl) {
    if (FehlerListe.empty() || zufallszahl(1, 100) <= wahl.fehlerSchwelle)
        return false;
    const int nr = FehlerListe[size_t(zufallszahl(0, FehlerAnz()))];
    // schon gespielt, in einer anderen Kategorie oder untauglich: dann der Zufall
    if (istWortBenutzt(nr) || !m_zugang.findeWort(nr))
        return false;
    return taugt(wahl);
}

bool Spielwoerter::waehleZufaellig(const Wahl& wahl) {
    db::Recordset& r = m_zugang.rdb();
    const int anzahl = AnzahlWoerter();
    const auto frei = [&] { return !istWortBenutzt(int(m_zugang.refNr())) && taugt(wahl); };
    const int gezogen = zufallszahl(1, anzahl);
    m_zugang.positioniereWort(gezogen);
    if (frei())
        return true;
    if (int(BenutztListe.size()) >= anzahl && wahl.benutztLeeren) {
        BenutztListe.clear();
        if (taugt(wahl))
            return true;
    }
    // vorwärts, vom letzten zum ersten, bis ein freies Wort kommt; höchstens eine Runde
    for (int schritt = 1; schritt < anzahl; ++schritt) {
        r.MoveNext();
        if (r.Eof())
            r.MoveFirst();
        if (frei())
            return true;
    }
    // alle gespielt: das gezogene Wort noch einmal, wenn es taugt; sonst irgendeines, das taugt
    m_zugang.positioniereWort(gezogen);
    for (int schritt = 0; schritt < anzahl; ++schritt) {
        if (taugt(wahl))
            return true;
        r.MoveNext();
        if (r.Eof())
            r.MoveFirst();
    }
    return false;
}

bool Spielwoerter::naechstesSpielWort(const Wahl& wahl) {
    if (AnzahlWoerter() <= 0)
        return false;
    db::Recordset& r = m_zugang.rdb();
    if (r.Eof())
        r.MoveFirst();
    if (!waehleFehlerwort(wahl) && !waehleZufaellig(wahl))
        return false;
    lade(wahl);
    return true;
}

void Spielwoerter::lade(const Wahl& wahl) {
    const db::Recordset& r = m_zugang.rdb();
    const long nr = m_zugang.refNr();
    // Wörter werden getrimmt gelesen: ein Leerzeichen am Ende ließe sich nie lösen
    Wort = spielwort(r);
    Kontext = r.feld(QStringLiteral("Kontext")).alsText();
    Paraphrase.clear();
    if (wahl.mitParaphrase)
        Paraphrase = m_zugang.paraphrase(nr);
    vonPos = bisPos = 0;
    if (wahl.lupeFuerUebNr > 0)
        if (const auto stelle = m_zugang.sucheLupenStelle(nr, wahl.lupeFuerUebNr)) {
            vonPos = stelle->vonPos;
            bisPos = stelle->bisPos;
        }
    merkeWortBenutzt(int(nr));
}

void Spielwoerter::bildeSatzKontext(int maxStriche, bool fest, bool nurMitStelle) {
    LueckenSatz.clear();
    const auto satz = m_zugang.satzKontext(m_zugang.refNr());
    if (!satz || (nurMitStelle && !satz->contains(u'@')))
        return;
    LueckenSatz =
        satzMitEinsatz(*satz, fest ? QString(maxStriche, u'_') : luecke(Wort, maxStriche));
}

} // namespace varku
