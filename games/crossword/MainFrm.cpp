#include "games/crossword/MainFrm.h"

#include "foundation/Routinen.h"
#include "foundation/Sound.h"
#include "games/crossword/EinstellFrm.h"
#include "games/crossword/Kreuzwortwoerter.h"
#include "games/crossword/UmschrFrm.h"
#include "platform/Dienste.h"
#include "platform/Rand.h"

#include <QBoxLayout>
#include <QLabel>

namespace varku::wendomar {

Spielkonfiguration MainFrm::konfiguration() {
    Spielkonfiguration k;
    k.name = QStringLiteral("Wendomar");
    k.hintergrundBild = QStringLiteral("VarkuHintergrund.png");
    // die Ratezeit: 10 je Sekunde, 100 Sekunden je Zug
    k.ratezeitTaktMs = 1000;
    k.ratezeitSchritt = 10;
    k.spielzeitTitel = QStringLiteral("Ende des Spiels");
    k.spielzeitKlang = true;
    k.endeWarteSekunden = 0;
    k.endeFragtImmer = true;
    k.menuesBeimComputer = true;
    // während der Computer legt, stehen Ratezeit und Spielzeit: sonst legte er für den Nächsten
    k.uhrenBeimComputerHalten = true;
    // "ProgrammStart" spielt der Start, bevor das Fenster kommt
    k.startKlangBeimStart = true;
    // die Umschreibung und der Beispielsatz der Lösungshilfe
    k.wortTabellen = WortTabellen{false, true, false};
    k.maxWortLaenge = hoechstensBuchstaben;
    return k;
}

MainFrm::MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s)
    : Spielfenster(k, s), m_spiel(ablauf, systemWuerfel()) {
    m_brett = new Wendomarbrett(m_spiel, this);
    verbinde(m_brett, &Wendomarbrett::hilfeGewuenscht, this, &MainFrm::HilfeZeigenBtn_Click);
    connect(&m_spiel, &Wendomarspiel::geaendert, this, &MainFrm::zeigePunkte);
    setzeSpielbrett(m_brett);
    // der Beispielsatz teilt sich den Rahmen mit dem Titel des Übungsschwerpunkts
    SatzBspLbl = new QLabel(UebTitelLabel->parentWidget());
    SatzBspLbl->setObjectName(QStringLiteral("SatzBspLbl"));
    SatzBspLbl->setWordWrap(true);
    if (auto* l = qobject_cast<QBoxLayout*>(UebTitelLabel->parentWidget()->layout()))
        l->addWidget(SatzBspLbl, 1);
    SatzBspLbl->hide();
    ablauf.setzeRegeln(m_spiel);
    ablauf.bindeEinstellungen(Einstellungsbindung(wendomarAbschnitt(), einst));
    lade();
}

MainFrm::~MainFrm() = default;

// --- Lösungshilfe ---

UmschrFrm& MainFrm::loesungshilfe() {
    if (auto* f = behaltenesFenster<UmschrFrm>(QStringLiteral("UmschrFrm")))
        return *f;
    auto* f = new UmschrFrm(this);
    connect(f, &UmschrFrm::beispielsatzGewuenscht, this, &MainFrm::zeigeBeispielsatz);
    connect(f, &UmschrFrm::geschlossen, this, &MainFrm::verbergeBeispielsatz);
    return *f;
}

void MainFrm::HilfeZeigenBtn_Click() {
    m_spiel.loesungshilfe([this](const QString& umschreibung) {
        UmschrFrm& f = loesungshilfe();
        f.zeigeUmschreibung(umschreibung);
        dienste::anzeige().zeigeModal(f);
    });
}

void MainFrm::zeigeBeispielsatz() {
    const QString satz = bildeSatzKontext(woerter);
    UebTitelLabel->hide();
    SatzBspLbl->setText(satz);
    SatzBspLbl->show();
    // ein langer Satz bricht um, auf höchstens drei Zeilen, und wird dafür kleiner, Punkt um
    // Punkt, aber nie unter 6 Punkte
    SatzBspLbl->setMinimumWidth(UebTitelLabel->width());
    passeSchriftAn(*SatzBspLbl, satz, 12, 6, 3);
}

void MainFrm::verbergeBeispielsatz() {
    SatzBspLbl->clear();
    SatzBspLbl->hide();
    UebTitelLabel->show();
}

// --- der Computer ---

Computerfenster& MainFrm::compZug() {
    return computerfenster(QStringLiteral("Die Buchstaben des nächsten Wortes darf ich legen."),
                           Wendomarspiel::computerTaktMs);
}

void MainFrm::computerZug() {
    // die Regeln haben zurückgenommen, was ein Mensch liegen ließ
    m_brett->setzeGesperrt(true);
    m_brett->zeige();
    Computerfenster& f = compZug();
    legeComputerStein();
    dienste::anzeige().zeigeModal(f);
    f.CompZugTimer->setzeAktiv(false);
    m_brett->setzeGesperrt(false);
    m_spiel.computerFertig();
}

void MainFrm::legeComputerStein() {
    // der Takt nach der letzten Stelle schließt das Fenster, das Ende des Spiels auch
    compZug().warteTakte(
        1,
        [this] {
            if (m_spiel.computerSchritt())
                legeComputerStein();
            else
                compZug().beende();
        },
        [this] { return !beendet(); });
}

// --- Einstellungen ---

EinstellFrm& MainFrm::einstellungen() {
    return behaltenerDialog<EinstellFrm>(QStringLiteral("EinstellFrm"));
}

bool MainFrm::zeigeEinstellungen() {
    return zeigeEinstellungsdialog(einstellungen(), einst, [this](EinstellFrm& f) {
        f.ladeSteuerelemente(einst, runde.computerSitzt());
    });
}

} // namespace varku::wendomar
