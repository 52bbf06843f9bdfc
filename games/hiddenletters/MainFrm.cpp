#include "games/hiddenletters/MainFrm.h"

#include "foundation/Anzeigen.h"
#include "foundation/Global.h"
#include "foundation/Routinen.h"
#include "foundation/Sound.h"
#include "gamekit/Computerfenster.h"
#include "games/hiddenletters/EinstellFrm.h"
#include "platform/Dienste.h"
#include "platform/Rand.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace varku::kartomin {

namespace {
// Der Computer greift im Takt von 200 ms: zehn Takte vor dem ersten Griff, fünf nach einem
// Treffer, gegriffen wird im Takt danach. Während eine Karte gewertet wird, steht der Takt.
constexpr int computerTaktMs = 200, vorDemErstenGriff = 10, nachEinemTreffer = 5;
} // namespace

Spielkonfiguration MainFrm::konfiguration() {
    Spielkonfiguration k;
    k.name = QStringLiteral("Kartomin");
    k.hintergrundBild = QStringLiteral("VarkuHintergrund.png");
    // die Ratezeituhr geht jede Sekunde: 20 Sekunden je Karte, denn jede Karte stellt sie zurück,
    // ein Wechsel des Spielers nicht
    k.ratezeitTaktMs = 1000;
    k.ratezeitSchritt = 50;
    k.ratezeitNeuFuerComputer = false;
    k.endeWarteSekunden = 2;
    k.spielzeitTitel = QStringLiteral("Ende des Spiels");
    k.endeFragtImmer = true;
    k.punktZiffern = 5;
    k.wortTabellen = WortTabellen{true, false, false};
    k.maxWortLaenge = hoechstensBuchstaben;
    // setzt sich der Computer oder geht er, beginnt die Runde beim ersten Spieler
    k.ersterSpielerNachSitzwechsel = true;
    return k;
}

MainFrm::MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s)
    : Spielfenster(k, s), spiel(runde, systemWuerfel()) {
    FldAnzTimer = ablauf.neuerTimer();
    FldAnzTimer->setzeIntervall(1);
    FldAnzTimer->beiTick = [this] { FldAnzTimer_Timer(); };
    WarteTimer = ablauf.neuerTimer();
    WarteTimer->setzeIntervall(warteMs);
    WarteTimer->beiTick = [this] { WarteTimer_Timer(); };
    brett = new Kartenbrett(spiel, this);
    RisikoBlinker = std::make_unique<Blinklampe>(*brett->RisikoEinImg, 500);
    verbinde(brett->FldFrame, &Kartenfeld::karteGedrueckt, this, &MainFrm::FldPic_MouseDown);
    verbinde(brett->RisikoBtn, &QPushButton::clicked, this, &MainFrm::RisikoBtn_Click);
    setzeSpielbrett(brett);
    ablauf.bindeEinstellungen(Einstellungsbindung(kartominAbschnitt(), einst));
    lade();
}

MainFrm::~MainFrm() = default;

EinstellFrm& MainFrm::einstellungen() {
    return behaltenerDialog<EinstellFrm>(QStringLiteral("EinstellFrm"));
}

Computerfenster& MainFrm::compZug() {
    return computerfenster(
        QStringLiteral("Jetzt darf ich raten, wo sich der nächste Buchstabe versteckt hat."),
        computerTaktMs);
}

void MainFrm::ladeSpiel() {
    // der Dialog zeigt, was in der Datei stand; was fehlte (-1), zeigt er, wie er entworfen ist
    Einstellungen gelesen = einst;
    using E = Einstellungen;
    // die Felder in der Reihenfolge der Schlüssel des Abschnitts
    int E::*const felder[] = {&E::TonEinschalten,       &E::RatezeitBegrenzen,
                              &E::FeldMarkierung,       &E::GegenComputer,
                              &E::ComputerSpielStaerke, &E::EinstellungenSpeichern};
    const QStringList namen = kartominAbschnitt().namen();
    for (size_t i = 0; i < std::size(felder); ++i)
        if (!ablauf.gelesenSchluessel().contains(namen.value(qsizetype(i))))
            gelesen.*felder[i] = -1;
    einstellungen().ladeGelesene(gelesen);
    brett->FldFrame->zeigeMarke(einst.FeldMarkierung == 1);
    setzeRisikoLampe(0);
    schalteRisiko(false);
    naechstesWort();
}

void MainFrm::naechstesWort() {
    Spielwoerter::Wahl wahl;
    wahl.mitParaphrase = false;
    wahl.lupeFuerUebNr = ablauf.start.UebNr;
    if (!woerter.naechstesSpielWort(wahl)) {
        ablauf.ohneWoerterEnde();
        return;
    }
    spiel.neuesWort(woerter.Wort);
    // die Lupe nur um eine Stelle, die im gelegten Wort liegt
    brett->zeigeWort(spiel.Wort(), woerter.Kontext, woerter.vonPos, woerter.bisPos,
                     lupeAn(ablauf.start.parameter));
    brett->FldFrame->update();
}

// --- Aufdecken ---

void MainFrm::FldPic_MouseDown(int index, Qt::MouseButton knopf) {
    // nur die linke Taste, nur ein Mensch am Zug
    if (knopf != Qt::LeftButton || ablauf.computerAmZug() || beendet())
        return;
    deckeFeldAuf(index);
}

bool MainFrm::taste(QKeyEvent* e) {
    Richtung r = Richtung::Links;
    bool enter = false;
    switch (e->key()) {
    case Qt::Key_Left:
        r = Richtung::Links;
        break;
    case Qt::Key_Right:
        r = Richtung::Rechts;
        break;
    case Qt::Key_Up:
        r = Richtung::Hoch;
        break;
    case Qt::Key_Down:
        r = Richtung::Runter;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enter = true;
        break;
    default:
        return false;
    }
    if (!brett->FldFrame->markeSichtbar())
        return false;
    // mit der Markierung gehören Pfeile und Enter dem Feld, kein Knopf bekommt sie; während einer
    // Wertung und im Zug des Computers fallen sie weg
    if (ablauf.computerAmZug() || !spiel.bereit() || beendet())
        return true;
    if (enter)
        deckeFeldAuf(spiel.markiertesFeld());
    else if (spiel.bewegeMarke(r))
        brett->FldFrame->update();
    return true;
}

void MainFrm::deckeFeldAuf(int feld) {
    if (!spiel.deckeFeldAuf(feld))
        return;
    // die Karte steht offen auf dem Schirm, bevor sie gewertet wird
    brett->FldFrame->zeichneKarteSofort(feld);
    FldAnzTimer->setzeAktiv(true);
    ablauf.menuesGeaendert();
    // jede Karte gibt die volle Ratezeit zurück
    if (einst.RatezeitBegrenzen == 1)
        resetVuZeiger();
}

void MainFrm::FldAnzTimer_Timer() {
    FldAnzTimer->setzeAktiv(false);
    const Wertung w = spiel.werteAus();
    schalteRisiko(false);
    spieleSound(w.klang);
    if (w.ergebnis == Feldergebnis::Joker)
        zeigeJoker(spiel.aktFeld());
    zeigePunkte();
    if (!w.gefundenDazu.isEmpty())
        brett->zeigeGefunden(spiel.gefunden());
    brett->FldFrame->zeigeKarte(spiel.aktFeld());
    // die Karte bleibt zwei Sekunden liegen; was währenddessen kommt, fällt weg
    WarteTimer->setzeAktiv(true);
}

void MainFrm::zeigeJoker(int feld) {
    const int nr = spiel.karte(feld).jokerBild;
    brett->FldFrame->setzeJokerBild(nr, ladeJokerBild(nr));
}

void MainFrm::WarteTimer_Timer() {
    WarteTimer->setzeAktiv(false);
    const Fortgang f = spiel.beendeWartezeit();
    brett->FldFrame->zeigeKarte(spiel.aktFeld());
    if (f.neuesWort)
        naechstesWort();
    if (beendet())
        return;
    // die Wertung ist ganz vorbei, bevor der nächste Spieler an die Reihe kommt
    if (spiel.schliesseWertungAb()) {
        spieleSound(QStringLiteral("Achtung"));
        schalteRisiko(true);
    }
    brett->zeigeEinsatz(spiel.einsatz());
    ablauf.menuesGeaendert();
    if (f.spielerwechsel) {
        ablauf.naechsterSpieler();
        return;
    }
    // ein Treffer des Computers: er greift wieder
    if (ablauf.computerAmZug())
        if (auto* c = behaltenesFenster<Computerfenster>(QStringLiteral("CompZugFrm"));
            c && c->isVisible())
            c->warteTakte(nachEinemTreffer + 1, [this] { computerZieht(); });
}

// --- Risiko ---

void MainFrm::RisikoBtn_Click() {
    if (ablauf.computerAmZug() || beendet())
        return;
    if (spiel.nimmRisiko() == 0)
        return;
    spieleSound(QStringLiteral("BewegungEnde"));
    brett->zeigeEinsatz(spiel.einsatz());
    brett->RisikoBtn->setEnabled(false);
}

void MainFrm::schalteRisiko(bool ein) {
    setzeRisikoLampe(ein ? 1 : 2);
    brett->RisikoZiff->setEnabled(ein);
    brett->RisikoBtn->setEnabled(ein && spiel.risikoKnopfAn());
}

void MainFrm::setzeRisikoLampe(int zustand) {
    switch (zustand) {
    case 0:
        RisikoBlinker->halte(Lampenzustand::Aus);
        brett->RisikoAusImg->setzeZustand(Lampenzustand::Aus);
        break;
    case 1:
        // sechsmal in sechs Sekunden, dann bleibt die grüne Lampe an
        brett->RisikoAusImg->setzeZustand(Lampenzustand::Aus);
        RisikoBlinker->blinke(Lampenzustand::Gruen, Lampenzustand::Aus, 12, Lampenzustand::Gruen);
        break;
    default:
        RisikoBlinker->halte(Lampenzustand::Aus);
        brett->RisikoAusImg->setzeZustand(Lampenzustand::Rot);
        break;
    }
}

// --- der Computer ---

void MainFrm::computerZug() {
    // das Fenster steht für den ganzen Zug, und solange nimmt das Feld keinen Klick eines Menschen
    Computerfenster& f = compZug();
    f.warteTakte(vorDemErstenGriff + 1, [this] { computerZieht(); });
    dienste::anzeige().zeigeModal(f);
    f.CompZugTimer->setzeAktiv(false);
}

void MainFrm::computerZieht() {
    Computerfenster& f = compZug();
    if (beendet() || !ablauf.computerAmZug()) {
        f.beende();
        return;
    }
    if (!spiel.bereit())
        return;
    const Computerzug z = spiel.simuliereComputerZug(einst.ComputerSpielStaerke);
    if (z.feld < 0) {
        // keine Karte mehr zu nehmen: der Zug ist vorbei
        ablauf.naechsterSpieler();
        return;
    }
    brett->FldFrame->zeichneKarteSofort(z.feld);
    FldAnzTimer->setzeAktiv(true);
    if (einst.RatezeitBegrenzen == 1)
        resetVuZeiger();
}

void MainFrm::nachSpielerwechsel() {
    // verlässt der Zug den Computer, steht auch sein Zeitgeber, und sein Fenster geht
    if (ablauf.computerAmZug())
        return;
    if (auto* f = behaltenesFenster<Computerfenster>(QStringLiteral("CompZugFrm")))
        f->beende();
}

// --- der Rahmen ---

bool MainFrm::menueGesperrt(Menue m) const {
    // ein neues Spiel oder ein neuer Platz erst, wenn die Karte gewertet ist
    return !spiel.bereit() && (m == Menue::Neu || m == Menue::Einstellungen);
}

void MainFrm::neuesSpiel() {
    // die Liste der gespielten Wörter, die Spielzeit und das Risiko gehen weiter
    naechstesWort();
}

bool MainFrm::zeigeEinstellungen() {
    // der Dialog behält, was er zeigt; er merkt sich nur die Werte für "abbrechen"
    if (!zeigeEinstellungsdialog(einstellungen(), einst, [this](EinstellFrm& f) {
            f.merke(einst);
            f.zeigeSitz(runde.computerSitzt(), ablauf.computerPlatzFrei());
        }))
        return false;
    brett->FldFrame->zeigeMarke(einst.FeldMarkierung == 1);
    return true;
}

} // namespace varku::kartomin
