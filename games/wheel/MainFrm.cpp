#include "games/wheel/MainFrm.h"

#include "foundation/Anzeigen.h"
#include "foundation/Bilder.h"
#include "foundation/Dateisuche.h"
#include "foundation/Global.h"
#include "foundation/Routinen.h"
#include "foundation/Sound.h"
#include "foundation/Twips.h"
#include "games/wheel/CompZugFrm.h"
#include "games/wheel/EinstellFrm.h"
#include "platform/Dienste.h"
#include "platform/Laufzeitfehler.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varku::zirkomat {

namespace {

// Maße der Kästen in Twips
constexpr double kastenBreite = 660, kastenHoehe = 840, kastenOben = 420;

QPushButton* knopf(const QString& text, const QString& name, QWidget* eltern) {
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QString css(const Farbe& f) {
    return QColor(f.rot, f.gruen, f.blau).name();
}

QString radBildName(int stellung) {
    return QStringLiteral("ZIRK%1.png").arg(stellung);
}

} // namespace

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
    pruefeRadBilder();
    zirkTimer = ablauf.neuerTimer();
    zirkTimer->setzeIntervall(30);
    zirkTimer->beiTick = [this] { zirkTimer_Timer(); };
    setzeSpielbrett(baueBrett());
    ablauf.bindeEinstellungen(Einstellungsbindung(zirkomatAbschnitt(), einst));
    lade();
}

MainFrm::~MainFrm() = default;

void MainFrm::pruefeRadBilder() const {
    const QString ordner = imProgrammordner(QStringLiteral("Grafik"));
    for (int i = 0; i < 10; ++i) {
        const QString pfad = findeDatei(ordner, radBildName(i));
        if (!QFileInfo::exists(pfad))
            throw Laufzeitfehler(Laufzeitfehler::DateiNichtGefunden,
                                 QStringLiteral("Ein Bild des Rades fehlt"), pfad);
        if (!QImageReader(pfad).canRead())
            throw Laufzeitfehler(Laufzeitfehler::DateiZugriff,
                                 QStringLiteral("Ein Bild des Rades lässt sich nicht lesen"), pfad);
    }
}

EinstellFrm& MainFrm::einstellungen() {
    auto* f = findChild<EinstellFrm*>(QStringLiteral("EinstellFrm"), Qt::FindDirectChildrenOnly);
    return f ? *f : *new EinstellFrm(this);
}

CompZugFrm& MainFrm::compZug() {
    auto* f = findChild<CompZugFrm*>(QStringLiteral("CompZugFrm"), Qt::FindDirectChildrenOnly);
    if (f)
        return *f;
    f = new CompZugFrm(this, ablauf.neuerTimer());
    ablauf.setzeComputerfenster(f);
    connect(f, &CompZugFrm::anhalten, this, &MainFrm::computerHaeltAn);
    connect(f, &CompZugFrm::ziehen, this, &MainFrm::computerZieht);
    return *f;
}

QWidget* MainFrm::baueBrett() {
    auto* brett = new QWidget(this);
    brett->setObjectName(QStringLiteral("Brett"));
    auto* lage = new QVBoxLayout(brett);
    lage->setContentsMargins(0, 0, 0, 0);
    lage->setSpacing(6);
    QFont gross = font();
    gross.setPointSize(13);

    // der Satz, an der Stelle des Schwerpunkts, wenn er gekauft ist
    SatzFrm = new QGroupBox(QStringLiteral("Satz"), brett);
    auto* satz = new QVBoxLayout(SatzFrm);
    satz->setContentsMargins(9, 4, 9, 4);
    SatzBspLbl = new QLabel(SatzFrm);
    SatzBspLbl->setObjectName(QStringLiteral("SatzBspLbl"));
    SatzBspLbl->setMinimumHeight(px(480));
    SatzBspLbl->setStyleSheet(QStringLiteral("color: #1f4f8a;"));
    // verborgen behält der Satz seinen Platz, damit das Brett nicht springt
    QSizePolicy platz = SatzBspLbl->sizePolicy();
    platz.setRetainSizeWhenHidden(true);
    SatzBspLbl->setSizePolicy(platz);
    satz->addWidget(SatzBspLbl);
    lage->addWidget(SatzFrm);

    // die Kästen der Lösung
    LoesungFrm = new QGroupBox(QStringLiteral("Lösung"), brett);
    LoesungFrm->setFixedHeight(px(kastenOben + kastenHoehe + 120));
    KontextLbl = new QLabel(LoesungFrm);
    KontextLbl->setObjectName(QStringLiteral("KontextLbl"));
    KontextLbl->setFont(gross);
    for (int i = 0; i < maxBuchstaben; ++i) {
        auto* l = new QLabel(LoesungFrm);
        l->setObjectName(QStringLiteral("BstLbl%1").arg(i));
        l->setAlignment(Qt::AlignCenter);
        QFont f = font();
        f.setPointSize(22);
        f.setBold(true);
        l->setFont(f);
        l->setVisible(false);
        BstLbl[size_t(i)] = l;
    }
    LoesungFrm->setMinimumWidth(px(135 + 2000 + maxBuchstaben * kastenBreite));
    lage->addWidget(LoesungFrm);

    auto* unten = new QHBoxLayout;
    // das Rad mit seiner Marke, die Knöpfe zum Drehen und Anhalten links und rechts der Marke
    auto* rad = new QVBoxLayout;
    auto* radKnoepfe = new QHBoxLayout;
    drehenBtn = knopf(QStringLiteral("&drehen"), QStringLiteral("drehenBtn"), brett);
    anhaltenBtn = knopf(QStringLiteral("&anhalten"), QStringLiteral("anhaltenBtn"), brett);
    RadStopMarke = new QLabel(brett);
    RadStopMarke->setObjectName(QStringLiteral("RadStopMarke"));
    RadStopMarke->setPixmap(ladeBild(QStringLiteral("ZIRKMARKE.png")));
    for (QPushButton* b : {drehenBtn, anhaltenBtn}) {
        b->setFont(gross);
        b->setMinimumSize(130, 44);
    }
    radKnoepfe->addWidget(drehenBtn, 0, Qt::AlignBottom);
    radKnoepfe->addWidget(RadStopMarke, 1, Qt::AlignHCenter | Qt::AlignBottom);
    radKnoepfe->addWidget(anhaltenBtn, 0, Qt::AlignBottom);
    rad->addLayout(radKnoepfe);
    auto* radPlatz = new QWidget(brett);
    radPlatz->setFixedSize(360, 360);
    auto* stapel = new QGridLayout(radPlatz);
    stapel->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 10; ++i) {
        auto* l = new QLabel(radPlatz);
        l->setObjectName(QStringLiteral("RadImg%1").arg(i));
        l->setAlignment(Qt::AlignCenter);
        stapel->addWidget(l, 0, 0);
        RadImg[size_t(i)] = l;
    }
    rad->addWidget(radPlatz, 0, Qt::AlignHCenter);
    rad->addStretch();
    unten->addLayout(rad);

    auto* rechts = new QVBoxLayout;
    ParaphrFrm = new QGroupBox(QStringLiteral("Umschreibung"), brett);
    ParaphrFrm->setFixedHeight(px(1500));
    ParaphrLbl = new QLabel(ParaphrFrm);
    ParaphrLbl->setObjectName(QStringLiteral("ParaphrLbl"));
    ParaphrLbl->setWordWrap(true);
    ParaphrLbl->setFont(gross);
    ParaphrLbl->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // senkrecht in der Mitte des Rahmens, 50 Twips darunter: oben 100 Twips mehr Rand als unten
    auto* umschreibung = new QVBoxLayout(ParaphrFrm);
    umschreibung->setContentsMargins(12, px(100), 12, 0);
    umschreibung->addWidget(ParaphrLbl);
    rechts->addWidget(ParaphrFrm);

    auto* tasten = new QGridLayout;
    tasten->setSpacing(4);
    QFont tastenFont = font();
    tastenFont.setPointSize(14);
    tastenFont.setBold(true);
    for (int i = 0; i < anzahlTasten; ++i) {
        auto* b = knopf(QString(buchstabeDerTaste(i)), QStringLiteral("bstBtn%1").arg(i), brett);
        b->setFont(tastenFont);
        b->setFixedSize(44, 40);
        connect(b, &QPushButton::clicked, this, [this, i] { bstBtn_Click(i); });
        tasten->addWidget(b, i / 10, i % 10);
        bstBtn[size_t(i)] = b;
    }
    rechts->addLayout(tasten);

    auto* zuege = new QHBoxLayout;
    WortRatenLampe = new Lampe(brett, 28);
    WortRatenLampe->setObjectName(QStringLiteral("WortRatenLampe"));
    KaufenLampe = new Lampe(brett, 28);
    KaufenLampe->setObjectName(QStringLiteral("KaufenLampe"));
    WortRatenBtn = knopf(QStringLiteral("Wort &raten"), QStringLiteral("WortRatenBtn"), brett);
    BstKaufBtn = knopf(QStringLiteral("&kaufen"), QStringLiteral("BstKaufBtn"), brett);
    showSatzBtn = knopf(QStringLiteral("Satz &zeigen"), QStringLiteral("showSatzBtn"), brett);
    for (QPushButton* b : {WortRatenBtn, BstKaufBtn, showSatzBtn})
        b->setMinimumSize(130, 40);
    zuege->addWidget(WortRatenLampe);
    zuege->addWidget(WortRatenBtn);
    zuege->addSpacing(12);
    zuege->addWidget(KaufenLampe);
    zuege->addWidget(BstKaufBtn);
    zuege->addWidget(showSatzBtn);
    zuege->addStretch();
    rechts->addLayout(zuege);
    rechts->addStretch();
    unten->addLayout(rechts, 1);
    lage->addLayout(unten);

    connect(drehenBtn, &QPushButton::clicked, this, &MainFrm::drehenBtn_Click);
    connect(anhaltenBtn, &QPushButton::clicked, this, &MainFrm::anhaltenBtn_Click);
    connect(WortRatenBtn, &QPushButton::clicked, this, &MainFrm::WortRatenBtn_Click);
    connect(BstKaufBtn, &QPushButton::clicked, this, &MainFrm::BstKaufBtn_Click);
    connect(showSatzBtn, &QPushButton::clicked, this, &MainFrm::showSatzBtn_Click);
    return brett;
}

void MainFrm::ladeSpiel() {
    // Die Bilder des Rades, einmal geladen: ein Schritt schaltet nur um. Das gezeigte gleich,
    // die anderen in einem eigenen Faden; das Fenster wartet nicht auf sie
    for (int i = 0; i < 10; ++i) {
        if (i == spiel.radPos()) {
            RadImg[size_t(i)]->setPixmap(ladeBild(radBildName(i)));
            m_radBilder[size_t(i)] = {};
        } else {
            m_radBilder[size_t(i)] = ladeBildImHintergrund(radBildName(i));
        }
        RadImg[size_t(i)]->setVisible(i == spiel.radPos());
    }
    naechstesWort();
    zeigeRaetsel();
    zeigeKnoepfe();
}

void MainFrm::naechstesWort() {
    Spielwoerter::Wahl wahl;
    // nur Wörter aus den 30 Buchstaben der Tasten lassen sich lösen
    wahl.taugt = istSpielbar;
    if (!woerter.naechstesSpielWort(wahl))
        woerter.Wort.clear();
    spiel.neuesWort(woerter.Wort, zufallszahl(0, 9));
}

void MainFrm::zeigeKnoepfe() {
    const Radspiel::Knoepfe k = spiel.knoepfe(ablauf.computerAmZug());
    drehenBtn->setEnabled(k.drehen);
    anhaltenBtn->setEnabled(k.anhalten);
    for (QPushButton* b : bstBtn)
        b->setEnabled(k.buchstaben);
    WortRatenBtn->setEnabled(k.wortRaten);
    BstKaufBtn->setEnabled(k.kaufen);
    showSatzBtn->setEnabled(k.satz);
    KaufenLampe->setzeZustand(k.kaufenLampe ? Lampenzustand::Gruen : Lampenzustand::Rot);
    WortRatenLampe->setzeZustand(k.wortRatenLampe ? Lampenzustand::Gruen : Lampenzustand::Rot);
}

// --- das Rad ---

void MainFrm::holeRadBild(int stellung) {
    std::shared_future<QImage>& bild = m_radBilder[size_t(stellung)];
    if (!bild.valid())
        return;
    RadImg[size_t(stellung)]->setPixmap(QPixmap::fromImage(bild.get()));
    bild = {};
}

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
    if (SatzBspLbl->isVisible() && !SatzBspLbl->text().isEmpty())
        versteckeSatz();
    zeigeKnoepfe();
    spieleSound(QStringLiteral("BewegungStart"));
}

void MainFrm::zirkTimer_Timer() {
    RadImg[size_t(spiel.radPos())]->setVisible(false);
    const bool genug = spiel.radSchritt(sekundenJetzt());
    holeRadBild(spiel.radPos());
    RadImg[size_t(spiel.radPos())]->setVisible(true);
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
    if (bstBtn[0]->isEnabled())
        bstBtn[0]->setFocus();
    if (s.naechsterSpieler)
        ablauf.naechsterSpieler();
}

// --- das Rätsel ---

void MainFrm::zeichneKasten(int i) {
    if (i < 0 || i >= maxBuchstaben)
        return;
    const Radspiel::Kasten k = spiel.kasten(i);
    BstLbl[size_t(i)]->setStyleSheet(
        QStringLiteral("background: %1; color: %2; border: %3; border-radius: 6px;")
            .arg(css(k.grund), css(k.schrift),
                 k.rahmen ? QStringLiteral("2px solid #555") : QStringLiteral("none")));
}

void MainFrm::ordneKaestenAn() {
    double x = woerter.Kontext.isEmpty() ? 135 : twips(KontextLbl->width()) + 215;
    for (int i = 0; i < maxBuchstaben; ++i) {
        setzeTwips(*BstLbl[size_t(i)], x, kastenOben, kastenBreite - 60, kastenHoehe);
        if (i < spiel.Wort().size())
            zeichneKasten(i);
        x += kastenBreite;
    }
}

void MainFrm::zeigeRaetsel() {
    for (QLabel* l : BstLbl)
        l->setVisible(false);
    ParaphrLbl->setText(woerter.Paraphrase);
    KontextLbl->setText(woerter.Kontext);
    KontextLbl->adjustSize();
    setzeTwips(*KontextLbl, 135, kastenOben + 200, twips(KontextLbl->width()), 480);
    for (int i = 0; i < spiel.Wort().size() && i < maxBuchstaben; ++i) {
        BstLbl[size_t(i)]->setText(QString(spiel.Wort().at(i)));
        BstLbl[size_t(i)]->setVisible(true);
    }
    ordneKaestenAn();
}

void MainFrm::EinstellAenderungUebernehmen() {
    // die Kästen neu gefärbt, das Aufgedeckte bleibt aufgedeckt
    spiel.faerbeNeu(zufallszahl(0, 9));
    ordneKaestenAn();
}

void MainFrm::versteckeSatz() {
    SatzBspLbl->clear();
    SatzBspLbl->setVisible(false);
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

void MainFrm::pruefeBstWahl(int t) {
    const Radspiel::Zug z = spiel.pruefeBstWahl(t);
    if (!z.angenommen)
        return;
    spieleSound(z.klang);
    zeichneKasten(z.aufgedeckt);
    if (z.richtig && !z.nochmal)
        versteckeSatz();
    zeigePunkte();
    zeigeKnoepfe();
    if (z.wortFertig || z.restWortZeigen) {
        // das ganze Wort steht da, bevor das Programm wartet; dann das nächste
        if (z.restWortZeigen) {
            spiel.deckeRestAuf();
            for (int i = 0; i < spiel.Wort().size(); ++i)
                zeichneKasten(i);
        }
        warteSichtbar(z.wortFertig ? 3 : 8);
        versteckeSatz();
        naechstesWort();
        zeigeRaetsel();
    } else if (z.hilfe) {
        if (ablauf.computerAmZug())
            warteSichtbar(2);
        else
            meldung(spiel.hilfeText(runde.name(), zufallszahl(0, 100)), QStringLiteral("Hilfe"));
    }
    if (beendet())
        return;
    if (z.nochmal) {
        // im Wortraten nennt der Computer gleich den nächsten Buchstaben
        if (ablauf.computerAmZug())
            computerWaehlt();
        return;
    }
    zeigeKnoepfe();
    if (z.weiter)
        ablauf.naechsterSpieler();
    if (beendet())
        return;
    // wer jetzt dran ist, dreht mit frischer Ratezeit
    resetVuZeiger();
    zeigeKnoepfe();
}

void MainFrm::BstKaufBtn_Click() {
    if (ablauf.computerAmZug())
        return;
    const Radspiel::Zug z = spiel.kaufeBuchstaben();
    if (!z.angenommen)
        return;
    spieleSound(z.klang);
    zeigePunkte();
    zeichneKasten(z.aufgedeckt);
    // fertig gekauft: gleich das nächste Wort, ohne Punkte und ohne Glückwunsch
    if (z.wortFertig) {
        versteckeSatz();
        naechstesWort();
        zeigeRaetsel();
    }
    zeigeKnoepfe();
}

void MainFrm::showSatzBtn_Click() {
    if (ablauf.computerAmZug() || !spiel.kaufenMoeglich())
        return;
    woerter.bildeSatzKontext();
    UebTitelLabel->setVisible(false);
    // von 12 Punkten an kleiner, bis der Satz in die Zeile passt
    passeSchriftAn(*SatzBspLbl, woerter.LueckenSatz, 12);
    SatzBspLbl->setText(woerter.LueckenSatz);
    SatzBspLbl->setVisible(true);
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
    bstBtn[0]->setFocus();
}

// --- der Computer ---

void MainFrm::computerZug() {
    // sein Zug beginnt hier einmal, nicht mit jedem Zeigen seines Fensters
    CompZugFrm& f = compZug();
    f.beginne(zufallszahl(20, 80));
    RadDrehen();
    dienste::anzeige().zeigeModal(f);
    f.CompZugTimer->setzeAktiv(false);
}

void MainFrm::computerHaeltAn() {
    if (spiel.phase() == Radspiel::Phase::Dreht)
        RadStoppen();
}

void MainFrm::computerZieht() {
    CompZugFrm& f = compZug();
    if (beendet()) {
        f.beende();
        return;
    }
    if (spiel.phase() == Radspiel::Phase::Dreht)
        RadStoppen();
    bool fertig = true;
    switch (spiel.computerNachStopp()) {
    case Radspiel::Computerschritt::NochmalDrehen:
        fertig = false;
        break;
    case Radspiel::Computerschritt::Fertig:
        break;
    case Radspiel::Computerschritt::Buchstabe:
        fertig = computerWaehlt();
        break;
    }
    if (beendet() || fertig || !ablauf.computerAmZug()) {
        f.beende();
        return;
    }
    f.beginne(zufallszahl(20, 80));
    RadDrehen();
}

bool MainFrm::computerWaehlt() {
    const int staerke = einst.ComputerSpielStaerke;
    const Radspiel::Computerwahl w =
        spiel.computerWahl(staerke, staerke == 2 ? zufallszahl(0, 100) : 0);
    if (w.wortRaten) {
        spiel.wortRaten();
        zeigeKnoepfe();
    }
    if (!w.klangVorher.isEmpty())
        spieleWavWarten(w.klangVorher);
    pruefeBstWahl(w.taste);
    return !w.fehlgriff;
}

// --- der Rahmen ---

void MainFrm::neuesSpiel() {
    zirkTimer->setzeAktiv(false);
    spiel.zugBeenden();
    versteckeSatz();
    naechstesWort();
    zeigeRaetsel();
    zeigeKnoepfe();
}

void MainFrm::ratezeitAbgelaufen(Spielablauf& a) {
    // der nächste Spieler bekommt keinen halben Zug: Rad steht, Wortraten aus, er dreht selbst;
    // zog der Computer, ist sein Zug vorbei
    zirkTimer->setzeAktiv(false);
    spiel.zugBeenden();
    versteckeSatz();
    if (auto* f = findChild<CompZugFrm*>(QStringLiteral("CompZugFrm"), Qt::FindDirectChildrenOnly))
        if (f->isVisible())
            f->beende();
    zeigeKnoepfe();
    Spielfenster::ratezeitAbgelaufen(a);
}

bool MainFrm::zeigeEinstellungen() {
    EinstellFrm& f = einstellungen();
    f.ladeSteuerelemente(einst, runde.computerSitzt());
    dienste::anzeige().zeigeModal(f);
    if (!f.bestaetigt())
        return false;
    einst = f.werte();
    EinstellAenderungUebernehmen();
    return true;
}

} // namespace varku::zirkomat
