#include "games/wheel/Radzug.h"

#include "foundation/Routinen.h"
#include "foundation/Sound.h"
#include "gamekit/Spielablauf.h"

namespace varku::zirkomat {

Radzug::Radzug(Spielablauf& ablauf, Radsicht& sicht, Wuerfel wuerfel)
    : m_ablauf(ablauf), m_sicht(sicht), m_wuerfel(std::move(wuerfel)),
      m_spiel(ablauf.runde, m_einst), m_zirkTimer(ablauf.neuerTimer()),
      m_warteTimer(ablauf.neuerTimer()) {
    m_zirkTimer->setzeIntervall(30);
    m_zirkTimer->beiTick = [this] { zirkTimer_Timer(); };
    m_warteTimer->beiTick = [this] { WarteTimer_Timer(); };
}

Radzug::~Radzug() = default;

void Radzug::lade() {
    neuesRaetsel();
    m_sicht.zeigeKnoepfe();
}

void Radzug::neuesRaetsel() {
    m_sicht.versteckeSatz();
    Spielwoerter& woerter = m_ablauf.woerter;
    Spielwoerter::Wahl wahl;
    // nur Wörter aus den 30 Buchstaben der Tasten lassen sich lösen
    wahl.taugt = istSpielbar;
    if (!woerter.naechstesSpielWort(wahl))
        woerter.Wort.clear();
    m_spiel.neuesWort(woerter.Wort, m_wuerfel(0, 9));
    m_sicht.zeigeRaetsel();
}

void Radzug::faerbeNeu() {
    m_spiel.faerbeNeu(m_wuerfel(0, 9));
}

bool Radzug::menueGesperrt(Menue m) const {
    return m_warteTimer->aktiv() && (m == Menue::Neu || m == Menue::Einstellungen);
}

// --- was die Menschen drücken ---

void Radzug::drehen() {
    if (!m_ablauf.computerAmZug() && m_spiel.phase() == Radspiel::Phase::Drehen)
        RadDrehen();
}

void Radzug::anhalten() {
    // anhalten ist nur für Menschen; der Computer hält das Rad selbst an
    if (!m_ablauf.computerAmZug() && m_spiel.phase() == Radspiel::Phase::Dreht)
        RadStoppen();
}

void Radzug::bstWahl(int taste) {
    if (!m_ablauf.computerAmZug())
        pruefeBstWahl(taste);
}

bool Radzug::tippe(QChar c) {
    if (m_einst.TastaturEingabeSperren == 1 || m_ablauf.computerAmZug())
        return false;
    const int t = tasteFuer(c);
    if (t < 0)
        return false;
    pruefeBstWahl(t);
    return true;
}

void Radzug::kaufeBuchstaben() {
    if (m_ablauf.computerAmZug())
        return;
    const Radspiel::Zug z = m_spiel.kaufeBuchstaben();
    if (!z.angenommen)
        return;
    spieleSound(z.klang);
    m_sicht.zeigeStand();
    m_sicht.zeichneKasten(z.aufgedeckt);
    // fertig gekauft: gleich das nächste Wort, ohne Punkte und ohne Glückwunsch
    if (z.wortFertig)
        neuesRaetsel();
    m_sicht.zeigeKnoepfe();
}

void Radzug::kaufeSatz() {
    if (m_ablauf.computerAmZug() || !m_spiel.kaufenMoeglich())
        return;
    m_ablauf.woerter.bildeSatzKontext();
    m_sicht.zeigeSatz();
    m_spiel.kaufeSatz();
    m_sicht.zeigeStand();
    m_sicht.zeigeKnoepfe();
}

void Radzug::wortRaten() {
    if (m_ablauf.computerAmZug() || m_spiel.phase() != Radspiel::Phase::Einsatz)
        return;
    m_spiel.wortRaten();
    m_sicht.zeigeKnoepfe();
    spieleSound(QStringLiteral("Achtung"));
    m_sicht.fokusAufBuchstaben();
}

// --- das Rad ---

void Radzug::RadDrehen() {
    m_spiel.RadDrehen(sekundenJetzt());
    m_zirkTimer->setzeAktiv(true);
    m_sicht.versteckeSatz();
    m_sicht.zeigeKnoepfe();
    spieleSound(QStringLiteral("BewegungStart"));
}

void Radzug::zirkTimer_Timer() {
    const bool genug = m_spiel.radSchritt(sekundenJetzt());
    m_sicht.zeigeRad();
    if (genug)
        RadStoppen();
}

void Radzug::RadStoppen() {
    m_zirkTimer->setzeAktiv(false);
    const Radspiel::Stopp s = m_spiel.RadStoppen();
    m_sicht.zeigeStand();
    spieleSound(s.klang);
    if (s.ratezeitNeu)
        m_ablauf.resetVuZeiger();
    m_sicht.zeigeKnoepfe();
    m_sicht.fokusAufBuchstaben();
    if (s.naechsterSpieler)
        m_ablauf.naechsterSpieler();
}

// --- der Computer ---

Radzug::Computerschritt Radzug::computerDreht() {
    const int takte = m_wuerfel(20, 80) - takteNachDemAnhalten;
    RadDrehen();
    return {Computerschritt::Art::Dreht, takte};
}

void Radzug::computerHaeltAn() {
    if (m_spiel.phase() == Radspiel::Phase::Dreht)
        RadStoppen();
}

Radzug::Computerschritt Radzug::computerZieht() {
    if (m_ablauf.beendet())
        return {};
    computerHaeltAn();
    switch (m_spiel.computerNachStopp()) {
    case Radspiel::Computerschritt::NochmalDrehen:
        return computerWeiter(true);
    case Radspiel::Computerschritt::Fertig:
        return computerWeiter(false);
    case Radspiel::Computerschritt::Buchstabe:
        break;
    }
    return computerWaehlt();
}

Radzug::Computerschritt Radzug::computerWaehlt() {
    const int staerke = m_einst.ComputerSpielStaerke;
    const Radspiel::Computerwahl w =
        m_spiel.computerWahl(staerke, staerke == 2 ? m_wuerfel(0, 100) : 0);
    if (w.wortRaten)
        m_spiel.wortRaten();
    if (!w.klangVorher.isEmpty())
        spieleWavWarten(w.klangVorher);
    m_computerFehlgriff = w.fehlgriff;
    // gilt der Buchstabe nicht mehr (die Ratezeit lief ab), ist sein Zug vorbei
    if (!pruefeBstWahl(w.taste))
        return computerWeiter(false);
    return {Computerschritt::Art::Wartet};
}

Radzug::Computerschritt Radzug::computerWeiter(bool nochmalDrehen) {
    if (m_ablauf.beendet() || !nochmalDrehen || !m_ablauf.computerAmZug())
        return {};
    return computerDreht();
}

// --- der Buchstabe und was danach kommt ---

bool Radzug::pruefeBstWahl(int t) {
    const Radspiel::Zug z = m_spiel.pruefeBstWahl(t);
    if (!z.angenommen)
        return false;
    spieleSound(z.klang);
    m_sicht.zeichneKasten(z.aufgedeckt);
    if (z.richtig && !z.nochmal)
        m_sicht.versteckeSatz();
    m_sicht.zeigeStand();
    m_sicht.zeigeKnoepfe(); // auch solange das Wort stehen bleibt: dann geht nichts
    if (z.restWortZeigen) {
        m_spiel.deckeRestAuf();
        for (int i = 0; i < m_spiel.Wort().size(); ++i)
            m_sicht.zeichneKasten(i);
    }
    // das ganze Wort bleibt stehen, dann kommt das nächste
    if (z.wortFertig || z.restWortZeigen) {
        warteDann(z.wortFertig ? 3 : 8, z);
        return true;
    }
    if (z.hilfe) {
        if (m_ablauf.computerAmZug()) {
            warteDann(2, z);
            return true;
        }
        m_ablauf.meldung(m_spiel.hilfeText(m_ablauf.runde.name(), m_wuerfel(0, 100)),
                         QStringLiteral("Hilfe"));
    }
    beendeZug(z);
    return true;
}

void Radzug::warteDann(int sekunden, const Radspiel::Zug& z) {
    m_gewartet = z;
    // Das Fenster zeichnet sich weiter. Die Ratezeit steht, denn nach dem Warten beginnt sie
    // ohnehin neu; ein neues Spiel und die Einstellungen warten mit.
    m_ablauf.RestZeitTimer().setzeAktiv(false);
    m_warteTimer->setzeIntervall(sekunden * 1000);
    m_warteTimer->setzeAktiv(true);
    m_ablauf.menuesGeaendert();
}

void Radzug::WarteTimer_Timer() {
    m_warteTimer->setzeAktiv(false);
    m_ablauf.RestZeitTimer().setzeAktiv(m_ablauf.ratezeitAn());
    m_ablauf.menuesGeaendert();
    if (m_ablauf.beendet())
        return;
    const Radspiel::Zug z = m_gewartet;
    if (z.wortFertig || z.restWortZeigen)
        neuesRaetsel();
    beendeZug(z);
}

void Radzug::beendeZug(const Radspiel::Zug& z) {
    const bool computer = m_ablauf.computerAmZug();
    if (m_ablauf.beendet())
        return;
    if (z.nochmal) {
        // im Wortraten nennt der Computer gleich den nächsten Buchstaben
        if (computer)
            m_sicht.computerWaehlt();
        return;
    }
    if (z.weiter)
        m_ablauf.naechsterSpieler();
    if (m_ablauf.beendet())
        return;
    // wer jetzt dran ist, dreht mit frischer Ratezeit
    m_ablauf.resetVuZeiger();
    m_sicht.zeigeKnoepfe();
    if (computer)
        m_sicht.computerZugEnde();
}

// --- der Rahmen ---

void Radzug::ratezeitAbgelaufen() {
    // der nächste Spieler bekommt keinen halben Zug: Rad steht, Wortraten aus, er dreht selbst
    m_zirkTimer->setzeAktiv(false);
    m_spiel.zugBeenden();
    m_sicht.versteckeSatz();
}

void Radzug::neuesSpiel() {
    m_zirkTimer->setzeAktiv(false);
    m_spiel.zugBeenden();
    neuesRaetsel();
    m_sicht.zeigeKnoepfe();
}

} // namespace varku::zirkomat
