#include "games/crossword/MainFrm.h"

#include "foundation/Anzeigen.h"
#include "foundation/Routinen.h"
#include "foundation/Sound.h"
#include "foundation/Texte.h"
#include "games/crossword/EinstellFrm.h"
#include "games/crossword/Kreuzwortwoerter.h"
#include "games/crossword/UmschrFrm.h"
#include "games/crossword/Wertung.h"
#include "platform/Dienste.h"
#include "platform/Rand.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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
    : Spielfenster(k, s), gitter(woerter.rdb(), systemWuerfel()), steine(gitter, systemWuerfel()),
      wertung(gitter, steine) {
    auto* flaeche = new QWidget(this);
    auto* lage = new QVBoxLayout(flaeche);
    lage->setContentsMargins(0, 0, 0, 0);
    brett = new Kreuzwortbrett(gitter, steine, flaeche);
    lage->addWidget(brett, 0, Qt::AlignLeft | Qt::AlignTop);

    auto* unten = new QHBoxLayout;
    const auto knopf = [&](const QString& text, const char* name) {
        auto* b = new QPushButton(text, flaeche);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setMinimumSize(130, 40);
        unten->addWidget(b);
        return b;
    };
    WortEndeBtn = knopf(QStringLiteral("&Wortende"), "WortEndeBtn");
    zurueckBtn = knopf(QStringLiteral("&zurück"), "zurueckBtn");
    naechstenSteinSetzenBtn = knopf(QStringLiteral("&erster Stein"), "naechstenSteinSetzenBtn");
    HilfeZeigenBtn = knopf(QStringLiteral("Hil&fe"), "HilfeZeigenBtn");
    unten->addSpacing(24);
    BonusMeldeLampe = new Lampe(flaeche, 28);
    BonusMeldeLampe->setObjectName(QStringLiteral("BonusMeldeLampe"));
    BonusMeldeLbl = new QLabel(QStringLiteral("Bonus"), flaeche);
    BonusMeldeLbl->setObjectName(QStringLiteral("BonusMeldeLbl"));
    BonusPunkteLbl = new QLabel(QStringLiteral("0"), flaeche);
    BonusPunkteLbl->setObjectName(QStringLiteral("BonusPunkteLbl"));
    QFont fett = BonusPunkteLbl->font();
    fett.setPointSize(14);
    fett.setBold(true);
    BonusMeldeLbl->setFont(fett);
    BonusPunkteLbl->setFont(fett);
    unten->addWidget(BonusMeldeLampe);
    unten->addWidget(BonusMeldeLbl);
    unten->addWidget(BonusPunkteLbl);
    unten->addStretch();
    lage->addLayout(unten);
    lage->addStretch();

    BonusBlinker = std::make_unique<Blinklampe>(*BonusMeldeLampe, 500, false);
    verbinde(WortEndeBtn, &QPushButton::clicked, this, &MainFrm::WortEndeBtn_Click);
    verbinde(zurueckBtn, &QPushButton::clicked, this, &MainFrm::zurueckBtn_Click);
    verbinde(naechstenSteinSetzenBtn, &QPushButton::clicked, this,
             &MainFrm::naechstenSteinSetzenBtn_Click);
    verbinde(HilfeZeigenBtn, &QPushButton::clicked, this, &MainFrm::HilfeZeigenBtn_Click);
    connect(brett, &Kreuzwortbrett::gelegt, this, [this] { zeigeKnoepfe(); });
    setzeSpielbrett(flaeche);
    // der Beispielsatz teilt sich den Rahmen mit dem Titel des Übungsschwerpunkts
    SatzBspLbl = new QLabel(UebTitelLabel->parentWidget());
    SatzBspLbl->setObjectName(QStringLiteral("SatzBspLbl"));
    SatzBspLbl->setWordWrap(true);
    if (auto* l = qobject_cast<QBoxLayout*>(UebTitelLabel->parentWidget()->layout()))
        l->addWidget(SatzBspLbl, 1);
    SatzBspLbl->hide();
    ablauf.bindeEinstellungen(Einstellungsbindung(wendomarAbschnitt(), einst));
    resetBonus();
    lade();
}

MainFrm::~MainFrm() = default;

void MainFrm::ladeSpiel() {
    // das erste Wort hat keinen Bonus: es liegt in Zeile 6, wo keine Bonusfelder sind
    neuesSpielfeld();
    zeigeKnoepfe();
}

void MainFrm::neuesSpiel() {
    resetBonus();
    neuesSpielfeld();
    // das neue Spiel beginnt mit der ganzen Ratezeit
    resetVuZeiger();
    zeigeKnoepfe();
}

bool MainFrm::neuesSpielfeld() {
    const bool erstesWort = wertung.neueSpielrunde(woerter.FehlerListe);
    brett->update();
    if (!erstesWort)
        ablauf.ohneWoerterEnde();
    return erstesWort;
}

void MainFrm::zeigeKnoepfe() {
    WortEndeBtn->setEnabled(steine.wortEndeAn);
    zurueckBtn->setEnabled(steine.zurueckAn);
    naechstenSteinSetzenBtn->setEnabled(steine.naechsterSteinAn && steine.steineInAblage() > 0);
    naechstenSteinSetzenBtn->setText(steine.naechsterSteinText);
}

void MainFrm::belaste(int kosten) {
    runde.setzePunkte(std::max(0L, runde.punkte() - long(kosten)));
    zeigePunkte();
}

void MainFrm::setzePunkte(int64_t punkte) {
    runde.setzePunkte(long(std::min<int64_t>(punkte, std::numeric_limits<long>::max())));
    zeigePunkte();
}

void MainFrm::naechstenSteinSetzenBtn_Click() {
    if (beendet())
        return;
    if (steine.setzeNaechstenStein() == 0) {
        meldung(QStringLiteral("Die Reihenfolge der Buchstaben-\rsteine stimmt nicht. Deshalb "
                               "kann\rich den nächsten Stein leider\rnicht setzen."),
                QStringLiteral("Stein setzen"));
        return;
    }
    spieleSound(QStringLiteral("Annahme2"));
    brett->update();
    zeigeKnoepfe();
    belaste(wertung.steinKosten());
}

// --- Wortende ---

void MainFrm::WortEndeBtn_Click() {
    if (beendet() || !steine.wortEndeAn)
        return;
    int64_t punkte = runde.punkte();
    const Wortende e = wertung.beendeWort(punkte);
    for (const QString& k : e.klaenge)
        spieleSound(k);
    if (!e.richtig) {
        // die Meldung steht über den gelegten Steinen; danach kostet es, und sie gehen zurück
        meldung(QStringLiteral("Die Reihenfolge der Buchstaben-\rsteine stimmt leider nicht, ") +
                    holeVorname(runde.name()) + QStringLiteral("."),
                QStringLiteral("Fehler"));
        if (beendet())
            return;
        punkte = runde.punkte();
        wertung.falschesWort(punkte);
        setzePunkte(punkte);
        zurueckBtn_Click();
        ablauf.naechsterSpieler();
        resetVuZeiger();
        return;
    }
    setzePunkte(punkte);
    resetBonus();
    zeigeKnoepfe();
    brett->update();
    if (e.rundeZuEnde) {
        // das fertige Rätsel steht unter der Meldung; das neue Brett kommt erst danach
        switchVuRestZeit(false);
        spieleSound(QStringLiteral("Gratulation1"));
        meldung(QStringLiteral("Es passen keine Wörter mehr auf\rdas Spielfeld. Diese "
                               "Spielrunde\rwird deshalb beendet."),
                QStringLiteral("Ende der Spielrunde"));
        if (beendet() || !neuesSpielfeld())
            return;
        switchVuRestZeit(einst.RatezeitBegrenzen != 0);
    }
    resetVuZeiger();
    zeigeBonus();
    zeigeKnoepfe();
    brett->update();
    ablauf.naechsterSpieler();
}

void MainFrm::zurueckBtn_Click() {
    if (beendet())
        return;
    spieleSound(QStringLiteral("BewegungEnde"));
    steine.alleZurueck();
    zeigeKnoepfe();
    brett->update();
}

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
    if (beendet())
        return;
    // zahlen muss, wer gefragt hat, und was das Wort jetzt kostet
    const int platz = runde.aktSpieler;
    const int kosten = wertung.hilfeKosten();
    UmschrFrm& f = loesungshilfe();
    f.zeigeUmschreibung(leseParaphrase(woerter));
    dienste::anzeige().zeigeModal(f);
    if (beendet())
        return;
    long& punkte = runde.SpielerPunkte[size_t(platz)];
    punkte = std::max(0L, punkte - long(kosten));
    zeigePunkte();
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
                           1000, [this] { CompZugTimer_Timer(); });
}

void MainFrm::computerZug() {
    // was ein Mensch nach einer abgelaufenen Ratezeit liegen ließ, geht erst zurück: der
    // Computer legt jeden Stein selbst
    steine.alleZurueck();
    brett->setzeGesperrt(true);
    brett->update();
    zeigeKnoepfe();
    Computerfenster& f = compZug();
    m_computerSchritt = 1;
    f.CompZugTimer->setzeAktiv(true);
    dienste::anzeige().zeigeModal(f);
    f.CompZugTimer->setzeAktiv(false);
    brett->setzeGesperrt(false);
    if (beendet())
        return;
    if (!steine.wortEndeAn) {
        // er fand nicht jeden Stein: der Zug geht weiter, ohne Wertung
        steine.alleZurueck();
        zeigeKnoepfe();
        brett->update();
        ablauf.naechsterSpieler();
        return;
    }
    WortEndeBtn_Click();
}

void MainFrm::CompZugTimer_Timer() {
    Computerfenster& f = compZug();
    if (beendet()) {
        f.beende();
        return;
    }
    if (m_computerSchritt <= gitter.WortLaenge && steine.legeComputerStein(m_computerSchritt) > 0) {
        spieleSound(QStringLiteral("Annahme2"));
        brett->update();
        zeigeKnoepfe();
    }
    // der Takt nach dem letzten Buchstaben schließt das Fenster
    if (++m_computerSchritt > gitter.WortLaenge + 1)
        f.beende();
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

// --- Bonus ---

void MainFrm::zeigeBonus() {
    const int bonus = wertung.BonusPunkte();
    if (bonus <= 0)
        return;
    BonusPunkteLbl->setText(QString::number(bonus));
    BonusPunkteLbl->setEnabled(true);
    BonusMeldeLbl->setEnabled(true);
    // rot und gelb im Wechsel, sechsmal rot, dann bleibt sie rot
    BonusBlinker->blinke(Lampenzustand::Rot, Lampenzustand::Gelb, 11, Lampenzustand::Rot);
}

void MainFrm::resetBonus() {
    BonusBlinker->halte(Lampenzustand::Aus);
    BonusPunkteLbl->setText(QStringLiteral("0"));
    BonusPunkteLbl->setEnabled(false);
    BonusMeldeLbl->setEnabled(false);
}

} // namespace varku::wendomar
