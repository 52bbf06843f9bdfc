#include "games/wheel/MainFrm.h"

#include "foundation/Routinen.h"
#include "foundation/Sound.h"
#include "gamekit/Computerfenster.h"
#include "games/wheel/EinstellFrm.h"
#include "platform/Dienste.h"
#include "platform/Rand.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace varku::zirkomat {

Spielkonfiguration MainFrm::konfiguration() {
    Spielkonfiguration k;
    k.name = QStringLiteral("Zirkomat");
    k.hintergrundBild = QStringLiteral("VarkuHintergrund.png");
    k.neuStartenFrage = true;
    // nur Wörter, die in die 15 Kästen passen
    k.maxWortLaenge = maxBuchstaben;
    return k;
}

MainFrm::MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s) : Spielfenster(k, s) {
    // ohne die Bilder des Rades sähe niemand, worum es geht
    Radbrett::pruefeRadBilder();
    zirkTimer = ablauf.neuerTimer();
    zirkTimer->setzeIntervall(30);
    zirkTimer->beiTick = [this] { zirkTimer_Timer(); };
    WarteTimer = ablauf.neuerTimer();
    WarteTimer->beiTick = [this] { WarteTimer_Timer(); };
    brett = new Radbrett(spiel, this);
    verbinde(brett, &Radbrett::buchstabe, this, &MainFrm::bstBtn_Click);
    verbinde(brett->drehenBtn, &QPushButton::clicked, this, &MainFrm::drehenBtn_Click);
    verbinde(brett->anhaltenBtn, &QPushButton::clicked, this, &MainFrm::anhaltenBtn_Click);
    verbinde(brett->WortRatenBtn, &QPushButton::clicked, this, &MainFrm::WortRatenBtn_Click);
    verbinde(brett->BstKaufBtn, &QPushButton::clicked, this, &MainFrm::BstKaufBtn_Click);
    verbinde(brett->showSatzBtn, &QPushButton::clicked, this, &MainFrm::showSatzBtn_Click);
    setzeSpielbrett(brett);
    ablauf.bindeEinstellungen(Einstellungsbindung(zirkomatAbschnitt(), einst));
    lade();
}

MainFrm::~MainFrm() = default;

EinstellFrm& MainFrm::einstellungen() {
    return behaltenerDialog<EinstellFrm>(QStringLiteral("EinstellFrm"));
}

Computerfenster& MainFrm::compZug() {
    // das Fenster des Radspiels hat nur seine beiden Texte, kein Bild; es zählt die Takte einer
    // Drehung zu je 100 ms
    return computerfenster(
        QStringLiteral("Ich darf jetzt das Zirkomat drehen und einen Buchstaben raten."), 100, {},
        false);
}

void MainFrm::ladeSpiel() {
    brett->ladeRadBilder();
    neuesRaetsel();
    zeigeKnoepfe();
}

void MainFrm::neuesRaetsel() {
    versteckeSatz();
    Spielwoerter::Wahl wahl;
    // nur Wörter aus den 30 Buchstaben der Tasten lassen sich lösen
    wahl.taugt = istSpielbar;
    if (!woerter.naechstesSpielWort(wahl))
        woerter.Wort.clear();
    spiel.neuesWort(woerter.Wort, zufallszahl(0, 9));
    zeigeRaetsel();
}

void MainFrm::zeigeKnoepfe() {
    brett->zeigeKnoepfe(spiel.knoepfe(ablauf.computerAmZug()));
}

// --- das Rad ---

void MainFrm::drehenBtn_Click() {
    if (!ablauf.computerAmZug() && spiel.phase() == Radspiel::Phase::Drehen)
        RadDrehen();
}

void MainFrm::anhaltenBtn_Click() {
    // anhalten ist nur für Menschen; der Computer hält das Rad selbst an
    if (!ablauf.computerAmZug() && spiel.phase() == Radspiel::Phase::Dreht)
        RadStoppen();
}

void MainFrm::RadDrehen() {
    spiel.RadDrehen(sekundenJetzt());
    zirkTimer->setzeAktiv(true);
    versteckeSatz();
    zeigeKnoepfe();
    spieleSound(QStringLiteral("BewegungStart"));
}

void MainFrm::zirkTimer_Timer() {
    const bool genug = spiel.radSchritt(sekundenJetzt());
    brett->zeigeRad();
    if (genug)
        RadStoppen();
}

void MainFrm::RadStoppen() {
    zirkTimer->setzeAktiv(false);
    const Radspiel::Stopp s = spiel.RadStoppen();
    zeigePunkte();
    spieleSound(s.klang);
    if (s.ratezeitNeu)
        resetVuZeiger();
    zeigeKnoepfe();
    if (brett->bstBtn[0]->isEnabled())
        brett->bstBtn[0]->setFocus();
    if (s.naechsterSpieler)
        ablauf.naechsterSpieler();
}

// --- das Rätsel ---

void MainFrm::EinstellAenderungUebernehmen() {
    // die Kästen neu gefärbt, das Aufgedeckte bleibt aufgedeckt
    spiel.faerbeNeu(zufallszahl(0, 9));
    brett->ordneKaestenAn();
}

void MainFrm::versteckeSatz() {
    brett->versteckeSatz();
    UebTitelLabel->setVisible(true);
}

void MainFrm::bstBtn_Click(int taste) {
    if (!ablauf.computerAmZug())
        pruefeBstWahl(taste);
}

bool MainFrm::taste(QKeyEvent* e) {
    const QString text = e->text();
    if (text.size() != 1 || einst.TastaturEingabeSperren == 1 || ablauf.computerAmZug())
        return false;
    const int t = tasteFuer(text.at(0));
    if (t < 0)
        return false;
    pruefeBstWahl(t);
    return true;
}

bool MainFrm::pruefeBstWahl(int t) {
    const Radspiel::Zug z = spiel.pruefeBstWahl(t);
    if (!z.angenommen)
        return false;
    spieleSound(z.klang);
    brett->zeichneKasten(z.aufgedeckt);
    if (z.richtig && !z.nochmal)
        versteckeSatz();
    zeigePunkte();
    zeigeKnoepfe(); // auch solange das Wort stehen bleibt: dann geht nichts
    if (z.restWortZeigen) {
        spiel.deckeRestAuf();
        for (int i = 0; i < spiel.Wort().size(); ++i)
            brett->zeichneKasten(i);
    }
    // das ganze Wort bleibt stehen, dann kommt das nächste
    if (z.wortFertig || z.restWortZeigen) {
        warteDann(z.wortFertig ? 3 : 8, z);
        return true;
    }
    if (z.hilfe) {
        if (ablauf.computerAmZug()) {
            warteDann(2, z);
            return true;
        }
        meldung(spiel.hilfeText(runde.name(), zufallszahl(0, 100)), QStringLiteral("Hilfe"));
    }
    beendeZug(z);
    return true;
}

void MainFrm::warteDann(int sekunden, const Radspiel::Zug& z) {
    m_gewartet = z;
    // Das Fenster zeichnet sich weiter. Die Ratezeit steht, denn nach dem Warten beginnt sie
    // ohnehin neu; ein neues Spiel und die Einstellungen warten mit.
    ablauf.RestZeitTimer().setzeAktiv(false);
    WarteTimer->setzeIntervall(sekunden * 1000);
    WarteTimer->setzeAktiv(true);
    ablauf.menuesGeaendert();
}

void MainFrm::WarteTimer_Timer() {
    WarteTimer->setzeAktiv(false);
    ablauf.RestZeitTimer().setzeAktiv(ablauf.ratezeitAn());
    ablauf.menuesGeaendert();
    if (beendet())
        return;
    const Radspiel::Zug z = m_gewartet;
    if (z.wortFertig || z.restWortZeigen)
        neuesRaetsel();
    beendeZug(z);
}

bool MainFrm::menueGesperrt(Menue m) const {
    return WarteTimer->aktiv() && (m == Menue::Neu || m == Menue::Einstellungen);
}

void MainFrm::beendeZug(const Radspiel::Zug& z) {
    const bool computer = ablauf.computerAmZug();
    if (beendet())
        return;
    if (z.nochmal) {
        // im Wortraten nennt der Computer gleich den nächsten Buchstaben
        if (computer)
            computerWaehlt();
        return;
    }
    if (z.weiter)
        ablauf.naechsterSpieler();
    if (beendet())
        return;
    // wer jetzt dran ist, dreht mit frischer Ratezeit
    resetVuZeiger();
    zeigeKnoepfe();
    if (computer)
        computerWeiter(m_computerFehlgriff);
}

void MainFrm::BstKaufBtn_Click() {
    if (ablauf.computerAmZug())
        return;
    const Radspiel::Zug z = spiel.kaufeBuchstaben();
    if (!z.angenommen)
        return;
    spieleSound(z.klang);
    zeigePunkte();
    brett->zeichneKasten(z.aufgedeckt);
    // fertig gekauft: gleich das nächste Wort, ohne Punkte und ohne Glückwunsch
    if (z.wortFertig)
        neuesRaetsel();
    zeigeKnoepfe();
}

void MainFrm::showSatzBtn_Click() {
    if (ablauf.computerAmZug() || !spiel.kaufenMoeglich())
        return;
    woerter.bildeSatzKontext();
    UebTitelLabel->setVisible(false);
    brett->zeigeSatz(woerter.LueckenSatz);
    spiel.kaufeSatz();
    zeigePunkte();
    zeigeKnoepfe();
}

void MainFrm::WortRatenBtn_Click() {
    if (ablauf.computerAmZug() || spiel.phase() != Radspiel::Phase::Einsatz)
        return;
    spiel.wortRaten();
    zeigeKnoepfe();
    spieleSound(QStringLiteral("Achtung"));
    brett->bstBtn[0]->setFocus();
}

// --- der Computer ---

void MainFrm::computerZug() {
    // sein Zug beginnt hier einmal, nicht mit jedem Zeigen seines Fensters
    Computerfenster& f = compZug();
    // eine Drehung von 20 bis 80 Takten; drei Takte vor dem Zug hält er das Rad an
    f.warteTakte(zufallszahl(20, 80) - 3, [this] { computerHaeltAn(); });
    RadDrehen();
    dienste::anzeige().zeigeModal(f);
    f.CompZugTimer->setzeAktiv(false);
}

void MainFrm::computerHaeltAn() {
    compZug().warteTakte(3, [this] { computerZieht(); });
    if (spiel.phase() == Radspiel::Phase::Dreht)
        RadStoppen();
}

void MainFrm::computerZieht() {
    if (beendet()) {
        compZug().beende();
        return;
    }
    if (spiel.phase() == Radspiel::Phase::Dreht)
        RadStoppen();
    switch (spiel.computerNachStopp()) {
    case Radspiel::Computerschritt::NochmalDrehen:
        computerWeiter(true);
        break;
    case Radspiel::Computerschritt::Fertig:
        computerWeiter(false);
        break;
    case Radspiel::Computerschritt::Buchstabe:
        computerWaehlt();
        break;
    }
}

void MainFrm::computerWaehlt() {
    const int staerke = einst.ComputerSpielStaerke;
    const Radspiel::Computerwahl w =
        spiel.computerWahl(staerke, staerke == 2 ? zufallszahl(0, 100) : 0);
    if (w.wortRaten)
        spiel.wortRaten();
    if (!w.klangVorher.isEmpty())
        spieleWavWarten(w.klangVorher);
    m_computerFehlgriff = w.fehlgriff;
    // gilt der Buchstabe nicht mehr (die Ratezeit lief ab), ist sein Zug vorbei
    if (!pruefeBstWahl(w.taste))
        computerWeiter(false);
}

void MainFrm::computerWeiter(bool nochmalDrehen) {
    Computerfenster& f = compZug();
    if (beendet() || !nochmalDrehen || !ablauf.computerAmZug()) {
        f.beende();
        return;
    }
    f.warteTakte(zufallszahl(20, 80) - 3, [this] { computerHaeltAn(); });
    RadDrehen();
}

// --- der Rahmen ---

void MainFrm::neuesSpiel() {
    zirkTimer->setzeAktiv(false);
    spiel.zugBeenden();
    neuesRaetsel();
    zeigeKnoepfe();
}

void MainFrm::ratezeitAbgelaufen(Spielablauf& a) {
    // der nächste Spieler bekommt keinen halben Zug: Rad steht, Wortraten aus, er dreht selbst;
    // zog der Computer, ist sein Zug vorbei
    zirkTimer->setzeAktiv(false);
    spiel.zugBeenden();
    versteckeSatz();
    if (auto* f = behaltenesFenster<Computerfenster>(QStringLiteral("CompZugFrm")))
        if (f->isVisible())
            f->beende();
    zeigeKnoepfe();
    Spielfenster::ratezeitAbgelaufen(a);
}

bool MainFrm::zeigeEinstellungen() {
    if (!zeigeEinstellungsdialog(einstellungen(), einst, [this](EinstellFrm& f) {
            f.ladeSteuerelemente(einst, runde.computerSitzt());
        }))
        return false;
    EinstellAenderungUebernehmen();
    return true;
}

} // namespace varku::zirkomat
