#include "games/fallingletters/MainFrm.h"

#include "foundation/Anzeigen.h"
#include "foundation/Routinen.h"
#include "foundation/Sound.h"
#include "foundation/Texte.h"
#include "games/fallingletters/EinstellFrm.h"
#include "platform/Dienste.h"
#include "platform/Rand.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace varku::dolmix {

Spielkonfiguration MainFrm::konfiguration() {
    Spielkonfiguration k;
    k.name = QStringLiteral("Dolmix");
    k.hintergrundBild = QStringLiteral("VarkuHintergrund.png");
    k.versionInLetzterZeile = true;
    // die Ratezeituhr geht jede Sekunde; ihr Schritt folgt den Minuten je Zug
    k.ratezeitTaktMs = 1000;
    k.endeWarteSekunden = 2;
    k.spielzeitTitel = QStringLiteral("Ende des Spiels");
    k.spielzeitKlang = true;
    k.endeFragtImmer = true;
    k.neuStartenFrage = false;
    k.neinZuerst = true;
    k.wortTabellen = WortTabellen{true, true, false};
    k.maxWortLaenge = hoechstensBuchstaben;
    return k;
}

MainFrm::MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s)
    : Spielfenster(k, s), spiel(runde, einst, systemWuerfel()) {
    SteinTimer = ablauf.neuerTimer();
    SteinTimer->beiTick = [this] { SteinTimer_Timer(); };
    brett = new Fallbrett(spiel, this);
    verbinde(brett->StartBtn, &QPushButton::clicked, this, &MainFrm::StartBtn_Click);
    verbinde(brett->PauseBtn, &QPushButton::clicked, this, &MainFrm::PauseBtn_Click);
    setzeSpielbrett(brett);
    ablauf.bindeEinstellungen(Einstellungsbindung(dolmixAbschnitt(), einst));
    lade();
}

MainFrm::~MainFrm() = default;

EinstellFrm& MainFrm::einstellungen() {
    return behaltenerDialog<EinstellFrm>(QStringLiteral("EinstellFrm"));
}

void MainFrm::ladeSpiel() {
    setzeFallTimer();
    setzeZugdauer();
    naechstesWort();
    zeigeLauf();
}

void MainFrm::setzeFallTimer() {
    SteinTimer->setzeIntervall(fallSchrittMs(einst.FallGeschwindigkeit));
}

void MainFrm::setzeZugdauer() {
    const Zugdauer d = zugdauer(einst.SpielerWechselNachZeit);
    ablauf.ratezeit.setzeDauer(d.schritt, d.sekunden);
}

bool MainFrm::ratezeitGewuenscht(const Spieleinstellungen& /*e*/) const {
    return einst.SpielerWechselNachZeit > 0;
}

long MainFrm::punkteDesPlatzes(const Spielrunde& /*runde*/, int platz) const {
    return spiel.SpielerStand[size_t(platz)].punkte;
}

bool MainFrm::menueGesperrt(Menue m) const {
    // die Einstellungen nur in der Pause
    return m == Menue::Einstellungen && spiel.laeuft();
}

// --- das Wort ---

bool MainFrm::naechstesWort() {
    const Startparameter& p = ablauf.start.parameter;
    // ein Wort, das in eine freie Folge des Feldes passt; gibt es keines, jedes
    if (woerter.setzeWortFilter(p.RuvoFeldName, p.GwsFlag, spiel.maxFreieLaenge()) <= 0)
        woerter.setzeWortFilter(p.RuvoFeldName, p.GwsFlag, hoechstensBuchstaben);
    Spielwoerter::Wahl wahl;
    wahl.fehlerSchwelle = 70;
    wahl.benutztLeeren = true;
    wahl.mitParaphrase = false;
    wahl.lupeFuerUebNr = ablauf.start.UebNr;
    if (!woerter.naechstesSpielWort(wahl)) {
        ablauf.ohneWoerterEnde();
        return false;
    }
    spiel.neuesWort(woerter.Wort);
    zeigeUebWort();
    spiel.neuerStein();
    brett->SpFld->update();
    return true;
}

void MainFrm::zeigeUebWort() {
    brett->zeigeWort(spiel.Wort());
    brett->markiereLupenStelle(spiel.Wort(), woerter.vonPos, woerter.bisPos,
                               lupeAn(ablauf.start.parameter));
}

void MainFrm::zeigeZiffern() {
    const Stand& s = spiel.stand();
    zeigePunkte();
    brett->zeigeZaehler(s.woerter, s.zeilen);
}

// --- Start und Pause ---

void MainFrm::StartBtn_Click() {
    if (beendet() || spiel.laeuft())
        return;
    spiel.starte();
    zeigeLauf();
}

void MainFrm::PauseBtn_Click() {
    if (!spiel.laeuft())
        return;
    spiel.pausiere();
    zeigeLauf();
}

void MainFrm::zeigeLauf() {
    SteinTimer->setzeAktiv(spiel.laeuft());
    brett->zeigeLauf(spiel.laeuft());
    ablauf.menuesGeaendert();
}

// --- der Fall ---

void MainFrm::SteinTimer_Timer() {
    const Ereignis e = spiel.fallSchritt();
    zeige(e);
    if (e.blockiert) {
        rundenEnde();
        return;
    }
    if (!e.wortFertig)
        return;
    if (!e.wortRichtig)
        fehlerSpielerwechsel();
    if (!beendet())
        naechstesWort();
}

bool MainFrm::taste(QKeyEvent* e) {
    Taste t;
    switch (e->key()) {
    case Qt::Key_Left:
        t = Taste::Links;
        break;
    case Qt::Key_Right:
        t = Taste::Rechts;
        break;
    case Qt::Key_Up:
        t = Taste::Hoch;
        break;
    case Qt::Key_Down:
        t = Taste::Runter;
        break;
    case Qt::Key_Space:
        t = Taste::Fallen;
        break;
    default:
        return false;
    }
    // Pfeile und Leertaste gehören immer dem Stein: die Leertaste drückt nie Start oder Pause
    zeige(spiel.taste(t));
    return true;
}

void MainFrm::zeige(const Ereignis& e) {
    for (const QString& k : e.klaenge)
        spieleSound(k);
    if (e.ganzesFeld)
        brett->SpFld->update();
    else
        brett->SpFld->zeigeZellen(e.zellen);
    if (e.warnungEin)
        brett->zeigeWarnung(true);
    else if (!spiel.warnt() && brett->warnt())
        brett->zeigeWarnung(false);
    if (e.punkte || e.entfernteZeilen > 0)
        zeigeZiffern();
}

void MainFrm::rundenEnde() {
    zeigeLauf();
    brett->zeigeWarnung(false);
    meldung(QStringLiteral("Dolmix ist beim Einfügen eines neuen\r"
                           "Steins auf einen Widerstand gestoßen.\r"
                           "Alle Steine werden deshalb jetzt vom\r"
                           "Spielfeld entfernt. Klicke auf OK, um\r"
                           "eine neue Spielrunde zu beginnen."),
            QStringLiteral("Ende der Spielrunde"));
    if (beendet())
        return;
    spiel.loescheSpielfeld();
    woerter.BenutztListe.clear();
    brett->SpFld->update();
    naechstesWort();
}

// --- die Spieler ---

void MainFrm::meldeSpielerwechsel() {
    const int naechster = (runde.aktSpieler + 1) % std::max(1, runde.nSpieler);
    meldung(holeVorname(runde.name()) + QStringLiteral(", du darfst dich ein wenig\r") +
                QStringLiteral("ausruhen. Jetzt ist erst mal ") +
                holeVorname(runde.SpielerName[size_t(naechster)]) +
                QStringLiteral("\ran der Reihe."),
            QStringLiteral("Spielerwechsel"));
}

void MainFrm::fehlerSpielerwechsel() {
    // wer allein spielt, behält den Zug ohne Meldung
    if (einst.SpielerWechselBeiFehler == 0 || runde.nSpieler < 2)
        return;
    spieleSound(QStringLiteral("AllgemeinerFehler"));
    meldeSpielerwechsel();
    if (!beendet())
        ablauf.naechsterSpieler();
}

void MainFrm::ratezeitAbgelaufen(Spielablauf& /*a*/) {
    if (runde.nSpieler < 2)
        return;
    spieleSound(QStringLiteral("ProgrammMeldung"));
    meldeSpielerwechsel();
}

// --- der Rahmen ---

void MainFrm::neuesSpiel() {
    spiel.neuesSpiel();
    woerter.BenutztListe.clear();
    brett->zeigeWarnung(false);
    zeigeLauf();
    brett->SpFld->update();
    naechstesWort();
}

bool MainFrm::zeigeEinstellungen() {
    const Einstellungen alt = einst;
    if (!zeigeEinstellungsdialog(einstellungen(), einst,
                                 [this](EinstellFrm& f) { f.ladeSteuerelemente(einst); }))
        return false;
    setzeFallTimer();
    setzeZugdauer();
    if (alt.BuchstabenGross == einst.BuchstabenGross &&
        alt.SteinZufallsFolge == einst.SteinZufallsFolge)
        return true;
    // vor dem Start gilt die neue Art der Steine gleich, danach erst beim nächsten Wort
    if (!spiel.spielGestartet()) {
        naechstesWort();
    } else {
        meldung(
            duOderIhr(runde.menschen(), QStringLiteral("Du hast "), QStringLiteral("Ihr habt ")) +
                QStringLiteral("die Einstellung der\rBuchstabensteine geändert.\r"
                               "Die Änderungen werden aber\rerst beim nächsten Wort\r"
                               "berücksichtigt."),
            QStringLiteral("Warnung"));
    }
    return true;
}

} // namespace varku::dolmix
