#include "games/hiddenletters/MainFrm.h"

#include "foundation/Anzeigen.h"
#include "foundation/Global.h"
#include "foundation/Routinen.h"
#include "gamekit/Computerfenster.h"
#include "games/hiddenletters/EinstellFrm.h"
#include "platform/Dienste.h"
#include "platform/Rand.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace varku::kartomin {

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
    : Spielfenster(k, s), spiel(runde, systemWuerfel()),
      zug(ablauf, spiel, einst, *this, ablauf.neuerTimer(), ablauf.neuerTimer()) {
    brett = new Kartenbrett(spiel, this);
    RisikoBlinker = std::make_unique<Blinklampe>(*brett->RisikoEinImg, 500);
    verbinde(brett->FldFrame, &Kartenfeld::karteGedrueckt, this, &MainFrm::FldPic_MouseDown);
    verbinde(brett->RisikoBtn, &QPushButton::clicked, this, &MainFrm::RisikoBtn_Click);
    setzeSpielbrett(brett);
    ablauf.setzeRegeln(zug);
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
        Kartenzug::computerTaktMs);
}

void MainFrm::ladeSpiel() {
    // der Dialog zeigt, was in der Datei stand; was fehlte, zeigt er, wie er entworfen ist
    einstellungen().zeige(mitGelesenen(EinstellFrm::entwurf(), einst, ablauf.gelesenSchluessel()));
    brett->FldFrame->zeigeMarke(einst.FeldMarkierung == 1);
    setzeRisikoLampe(0);
    schalteRisiko(false);
}

void MainFrm::zeigeWort(const QString& kontext, int vonPos, int bisPos, bool lupe) {
    brett->zeigeWort(spiel.Wort(), kontext, vonPos, bisPos, lupe);
    brett->FldFrame->update();
}

// --- Aufdecken ---

void MainFrm::FldPic_MouseDown(int index, Qt::MouseButton knopf) {
    // nur die linke Taste
    if (knopf == Qt::LeftButton)
        deckeFeldAuf(index);
}

bool MainFrm::taste(QKeyEvent* e) {
    static const std::pair<int, Richtung> pfeile[] = {{Qt::Key_Left, Richtung::Links},
                                                      {Qt::Key_Right, Richtung::Rechts},
                                                      {Qt::Key_Up, Richtung::Hoch},
                                                      {Qt::Key_Down, Richtung::Runter}};
    const auto* pfeil = std::find_if(std::begin(pfeile), std::end(pfeile),
                                     [e](const auto& p) { return p.first == e->key(); });
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if ((!enter && pfeil == std::end(pfeile)) || !brett->FldFrame->markeSichtbar())
        return false;
    // mit der Markierung gehören Pfeile und Enter dem Feld, kein Knopf bekommt sie; während einer
    // Wertung und im Zug des Computers fallen sie weg
    if (enter)
        deckeFeldAuf(spiel.markiertesFeld());
    else if (zug.bewegeMarke(pfeil->second))
        brett->FldFrame->update();
    return true;
}

void MainFrm::deckeFeldAuf(int feld) {
    // die Karte steht offen auf dem Schirm, bevor sie gewertet wird
    if (zug.deckeAuf(feld))
        brett->FldFrame->zeichneKarteSofort(feld);
}

void MainFrm::zeigeWertung(const Wertung& w) {
    schalteRisiko(false);
    if (w.ergebnis == Feldergebnis::Joker) {
        const int nr = spiel.karte(spiel.aktFeld()).jokerBild;
        brett->FldFrame->setzeJokerBild(nr, ladeJokerBild(nr));
    }
    zeigePunkte();
    if (!w.gefundenDazu.isEmpty())
        brett->zeigeGefunden(spiel.gefunden());
    brett->FldFrame->zeigeKarte(spiel.aktFeld());
}

void MainFrm::zeigeWartezeitVorbei() {
    brett->FldFrame->zeigeKarte(spiel.aktFeld());
}

// --- Risiko ---

void MainFrm::RisikoBtn_Click() {
    if (zug.nimmRisiko() == 0)
        return;
    brett->zeigeEinsatz(spiel.einsatz());
    brett->RisikoBtn->setEnabled(false);
}

void MainFrm::zeigeRisiko(bool achtung) {
    if (achtung)
        schalteRisiko(true);
    brett->zeigeEinsatz(spiel.einsatz());
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
    f.warteTakte(Kartenzug::takteBisZumErstenGriff, [this] { computerZieht(); });
    dienste::anzeige().zeigeModal(f);
    f.CompZugTimer->setzeAktiv(false);
}

void MainFrm::computerZieht() {
    const Kartenzug::Computerschritt s = zug.computerSchritt();
    if (!s.weiter)
        compZug().beende();
    else if (s.feld >= 0)
        brett->FldFrame->zeichneKarteSofort(s.feld);
}

void MainFrm::computerGreiftWieder() {
    if (auto* c = behaltenesFenster<Computerfenster>(QStringLiteral("CompZugFrm"));
        c && c->isVisible())
        c->warteTakte(Kartenzug::takteBisZumNaechstenGriff, [this] { computerZieht(); });
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
