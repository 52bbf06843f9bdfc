#include "games/hiddenletters/Kartenzug.h"

#include "foundation/Sound.h"

namespace varku::kartomin {

Kartenzug::Kartenzug(Spielablauf& ablauf, Kartenspiel& spiel, const Einstellungen& einst,
                     Kartensicht& sicht, std::unique_ptr<Timer> anzeige,
                     std::unique_ptr<Timer> warte)
    : m_ablauf(ablauf), m_spiel(spiel), m_einst(einst), m_sicht(sicht),
      m_anzeige(std::move(anzeige)), m_warte(std::move(warte)) {
    m_anzeige->setzeIntervall(1);
    m_anzeige->beiTick = [this] { FldAnzTimer_Timer(); };
    m_warte->setzeIntervall(warteMs);
    m_warte->beiTick = [this] { WarteTimer_Timer(); };
}

bool Kartenzug::naechstesWort() {
    Spielwoerter::Wahl wahl;
    wahl.mitParaphrase = false;
    wahl.lupeFuerUebNr = m_ablauf.start.UebNr;
    Spielwoerter& w = m_ablauf.woerter;
    if (!w.naechstesSpielWort(wahl)) {
        m_ablauf.ohneWoerterEnde();
        return false;
    }
    m_spiel.neuesWort(w.Wort);
    m_sicht.zeigeWort(w.Kontext, w.vonPos, w.bisPos, lupeAn(m_ablauf.start.parameter));
    return true;
}

bool Kartenzug::menschDarf() const {
    return !m_ablauf.computerAmZug() && !m_ablauf.beendet();
}

bool Kartenzug::deckeAuf(int feld) {
    if (!menschDarf() || !m_spiel.deckeFeldAuf(feld))
        return false;
    wirdGewertet();
    m_ablauf.menuesGeaendert();
    return true;
}

bool Kartenzug::bewegeMarke(Richtung r) {
    // während einer Wertung steht die Markierung
    return menschDarf() && m_spiel.bereit() && m_spiel.bewegeMarke(r);
}

int Kartenzug::nimmRisiko() {
    if (!menschDarf())
        return 0;
    const int einsatz = m_spiel.nimmRisiko();
    if (einsatz != 0)
        spieleSound(QStringLiteral("BewegungEnde"));
    return einsatz;
}

Computerzug Kartenzug::computerGreift() {
    if (!m_spiel.bereit())
        return {};
    const Computerzug z = m_spiel.simuliereComputerZug(m_einst.ComputerSpielStaerke);
    if (z.feld < 0) {
        // keine Karte mehr zu nehmen: der Zug ist vorbei
        m_ablauf.naechsterSpieler();
        return z;
    }
    wirdGewertet();
    return z;
}

Kartenzug::Computerschritt Kartenzug::computerSchritt() {
    if (m_ablauf.beendet() || !m_ablauf.computerAmZug())
        return {-1, false};
    return {computerGreift().feld, true};
}

void Kartenzug::wirdGewertet() {
    m_anzeige->setzeAktiv(true);
    // jede Karte gibt die volle Ratezeit zurück
    if (m_einst.RatezeitBegrenzen == 1)
        m_ablauf.resetVuZeiger();
}

void Kartenzug::FldAnzTimer_Timer() {
    m_anzeige->setzeAktiv(false);
    const Wertung w = m_spiel.werteAus();
    spieleSound(w.klang);
    m_sicht.zeigeWertung(w);
    // die Karte bleibt zwei Sekunden liegen; was währenddessen kommt, fällt weg
    m_warte->setzeAktiv(true);
}

void Kartenzug::WarteTimer_Timer() {
    m_warte->setzeAktiv(false);
    const Fortgang f = m_spiel.beendeWartezeit();
    m_sicht.zeigeWartezeitVorbei();
    if (f.neuesWort)
        naechstesWort();
    if (m_ablauf.beendet())
        return;
    // die Wertung ist ganz vorbei, bevor der nächste Spieler an die Reihe kommt
    const bool achtung = m_spiel.schliesseWertungAb();
    if (achtung)
        spieleSound(QStringLiteral("Achtung"));
    m_sicht.zeigeRisiko(achtung);
    m_ablauf.menuesGeaendert();
    if (f.spielerwechsel)
        m_ablauf.naechsterSpieler();
    else if (m_ablauf.computerAmZug())
        m_sicht.computerGreiftWieder();
}

} // namespace varku::kartomin
