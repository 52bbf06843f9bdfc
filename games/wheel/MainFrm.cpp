#include "games/wheel/MainFrm.h"

#include "foundation/Anzeigen.h"
#include "foundation/Bilder.h"
#include "foundation/MldFenster.h"
#include "foundation/Routinen.h"
#include "foundation/Sound.h"
#include "foundation/Texte.h"
#include "foundation/Twips.h"
#include "games/wheel/CompZugFrm.h"
#include "games/wheel/EinstellFrm.h"
#include "platform/Dienste.h"

#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varku::zirkomat {

const std::array<QColor, 10> KastenGrund = {
    QColor(242, 185, 46),  QColor(228, 105, 55), QColor(221, 54, 90),   QColor(132, 37, 102),
    QColor(48, 44, 113),   QColor(46, 105, 167), QColor(113, 194, 192), QColor(142, 203, 158),
    QColor(189, 216, 140), QColor(242, 238, 106)};
const std::array<QColor, 10> KastenBuchstabe = {
    QColor(44, 153, 57),   QColor(245, 198, 0),   QColor(242, 237, 82), QColor(154, 198, 232),
    QColor(255, 255, 255), QColor(244, 198, 101), QColor(132, 37, 102), QColor(19, 21, 22),
    QColor(50, 73, 143),   QColor(222, 67, 46)};

int sucheFarbIndex(const QColor& grund) {
    for (size_t i = 0; i < KastenGrund.size(); ++i)
        if (KastenGrund[i] == grund)
            return int(i);
    return 0;
}

namespace {

// Maße der Kästen in Twips
constexpr double kastenBreite = 660, kastenHoehe = 840, kastenOben = 420;
const QColor weiss(255, 255, 255), blau(0, 0, 255);

QPushButton* knopf(const QString& text, const QString& name, QWidget* eltern) {
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

Spielkonfiguration MainFrm::konfiguration() {
    Spielkonfiguration k;
    k.name = QStringLiteral("Zirkomat");
    k.abschnitt = QStringLiteral("Zirkomat");
    k.hintergrundBild = QStringLiteral("VarkuHintergrund.png");
    k.radspielFrage = true;
    // nur Wörter, die in die 15 Kästen passen
    k.maxWortLaenge = maxBuchstaben;
    return k;
}

MainFrm::MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s) : Spielfenster(k, s) {
    zirkTimer = dienste::uhr().neuerTimer();
    zirkTimer->setzeIntervall(30);
    zirkTimer->beiTick = [this] { zirkTimer_Timer(); };
    setzeSpielbrett(baueBrett());
    Form_Load();
}

MainFrm::~MainFrm() = default;

EinstellFrm& MainFrm::einstellungen() {
    auto* f = findChild<EinstellFrm*>(QStringLiteral("EinstellFrm"), Qt::FindDirectChildrenOnly);
    return f ? *f : *new EinstellFrm(*this);
}

CompZugFrm& MainFrm::compZug() {
    auto* f = findChild<CompZugFrm*>(QStringLiteral("CompZugFrm"), Qt::FindDirectChildrenOnly);
    return f ? *f : *new CompZugFrm(*this);
}

QWidget* MainFrm::baueBrett() {
    auto* brett = new QWidget(this);
    brett->setObjectName(QStringLiteral("Brett"));
    auto* lage = new QVBoxLayout(brett);
    lage->setSpacing(10);
    QFont gross = font();
    gross.setPointSize(13);

    // der Satz, an der Stelle des Schwerpunkts, wenn er gekauft ist
    SatzFrm = new QGroupBox(QStringLiteral("Satz"), brett);
    auto* satz = new QVBoxLayout(SatzFrm);
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
    LoesungFrm->setFixedHeight(px(kastenOben + kastenHoehe + 240));
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
    // das Rad mit seiner Marke
    auto* rad = new QVBoxLayout;
    RadStopMarke = new QLabel(brett);
    RadStopMarke->setObjectName(QStringLiteral("RadStopMarke"));
    RadStopMarke->setPixmap(ladeBild(QStringLiteral("ZIRKMARKE.png")));
    rad->addWidget(RadStopMarke, 0, Qt::AlignHCenter);
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
    auto* radKnoepfe = new QHBoxLayout;
    drehenBtn = knopf(QStringLiteral("&drehen"), QStringLiteral("drehenBtn"), brett);
    anhaltenBtn = knopf(QStringLiteral("&anhalten"), QStringLiteral("anhaltenBtn"), brett);
    for (QPushButton* b : {drehenBtn, anhaltenBtn}) {
        b->setFont(gross);
        b->setMinimumSize(140, 44);
        radKnoepfe->addWidget(b);
    }
    rad->addLayout(radKnoepfe);
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
        // die Zugriffstaste stünde sonst auf dem Buchstaben selbst
        b->setText(QString(buchstabeDerTaste(i)).replace(QLatin1Char('&'), QStringLiteral("&&")));
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

void MainFrm::Form_Load() {
    // 1., 2. die Einstellungen
    einstellungen().loadVarkuIni();
    // 3., 4.
    spieleSound(QStringLiteral("ProgrammStart"));
    // 5., 6., 10.
    ladeSchwerpunkt();
    // 7. die Bilder des Rades, einmal geladen: ein Schritt schaltet nur um. Das gezeigte gleich,
    // die anderen in einem eigenen Faden; das Fenster wartet nicht auf sie
    for (int i = 0; i < 10; ++i) {
        const QString name = QStringLiteral("ZIRK%1.png").arg(i);
        if (i == spiel.radPos) {
            RadImg[size_t(i)]->setPixmap(ladeBild(name));
            m_radBilder[size_t(i)] = {};
        } else {
            m_radBilder[size_t(i)] = ladeBildImHintergrund(name);
        }
        RadImg[size_t(i)]->setVisible(i == spiel.radPos);
    }
    // 8.
    if (!ladeWoerter(WortTabellen{false, true, false}))
        return;
    // 11.
    ladeFehlerwoerter();
    woerter.BenutztListe.clear();
    naechstesWort();
    zeigeRaetsel();
    // 12., 13.
    starteSpielzeit();
    setzeLampe(0, false);
    setzeLampe(1, false);
    initVuZeiger();
    switchVuRestZeit(einst.RatezeitBegrenzen != 0);
    schalteMenues(true);
    schalteBstTasten(false);
    for (QPushButton* b : {anhaltenBtn, WortRatenBtn, BstKaufBtn, showSatzBtn})
        b->setEnabled(false);
    drehenBtn->setEnabled(true);
}

void MainFrm::naechstesWort() {
    Spielwoerter::Wahl wahl;
    // nur Wörter aus den 30 Buchstaben der Tasten lassen sich lösen
    wahl.taugt = istSpielbar;
    if (!woerter.naechstesSpielWort(wahl))
        woerter.Wort.clear();
    spiel.neuesWort(woerter.Wort);
    spiel.Fehlversuche = 0;
}

void MainFrm::setzeLampe(int nr, bool gruen) {
    (nr == 0 ? WortRatenLampe : KaufenLampe)
        ->setzeZustand(gruen ? Lampenzustand::Gruen : Lampenzustand::Rot);
}

void MainFrm::schalteBstTasten(bool ein) {
    for (QPushButton* b : bstBtn)
        b->setEnabled(ein);
}

void MainFrm::zeigePunkteUndStand() {
    zeigePunkte();
    zeigeSpielstand();
}

// --- das Rad ---

void MainFrm::zeigeRad() {
    holeRadBild(spiel.radPos);
    for (int i = 0; i < 10; ++i)
        RadImg[size_t(i)]->setVisible(i == spiel.radPos);
}

void MainFrm::holeRadBild(int stellung) {
    std::shared_future<QImage>& bild = m_radBilder[size_t(stellung)];
    if (!bild.valid())
        return;
    RadImg[size_t(stellung)]->setPixmap(QPixmap::fromImage(bild.get()));
    bild = {};
}

void MainFrm::drehenBtn_Click() {
    if (!computerAmZug)
        RadDrehen();
}

void MainFrm::anhaltenBtn_Click() {
    // anhalten ist nur für Menschen; der Computer hält das Rad selbst an
    if (!computerAmZug && spiel.phase == Radspiel::Phase::Dreht)
        RadStoppen();
}

void MainFrm::RadDrehen() {
    spiel.RadDrehen(sekundenJetzt());
    zirkTimer->setzeAktiv(true);
    for (QPushButton* b : {drehenBtn, WortRatenBtn, BstKaufBtn, showSatzBtn})
        b->setEnabled(false);
    setzeLampe(1, false);
    if (!computerAmZug)
        anhaltenBtn->setEnabled(true);
    if (SatzBspLbl->isVisible() && !SatzBspLbl->text().isEmpty())
        versteckeSatz();
    spieleSound(QStringLiteral("BewegungStart"));
}

void MainFrm::zirkTimer_Timer() {
    RadImg[size_t(spiel.radPos)]->setVisible(false);
    const bool genug = spiel.radSchritt(sekundenJetzt());
    holeRadBild(spiel.radPos);
    RadImg[size_t(spiel.radPos)]->setVisible(true);
    if (genug)
        RadStoppen();
}

void MainFrm::RadStoppen() {
    zirkTimer->setzeAktiv(false);
    const Radspiel::Stopp s = spiel.RadStoppen();
    if (s.einsatz) {
        setzeLampe(1, true);
        drehenBtn->setEnabled(false);
        WortRatenBtn->setEnabled(true);
        schalteBstTasten(true);
    } else {
        drehenBtn->setEnabled(true);
    }
    BstKaufBtn->setEnabled(s.kaufen);
    showSatzBtn->setEnabled(s.kaufen);
    if (s.einsatz && !s.kaufen)
        setzeLampe(1, false);
    if (s.wert == -1 || s.wert == 300)
        zeigePunkteUndStand();
    spieleSound(s.klang);
    if (s.ratezeitNeu)
        resetVuZeiger();
    anhaltenBtn->setEnabled(false);
    if (bstBtn[0]->isEnabled() && !computerAmZug)
        bstBtn[0]->setFocus();
    if (s.naechsterSpieler)
        naechsterSpieler();
}

// --- das Rätsel ---

bool MainFrm::kastenAufgedeckt(int i) const {
    return m_aufgedeckt[size_t(i)];
}

void MainFrm::farbeKasten(int i, bool aufgedeckt) {
    QLabel* l = BstLbl[size_t(i)];
    m_aufgedeckt[size_t(i)] = aufgedeckt;
    QColor grund = weiss, schrift = aufgedeckt ? blau : weiss;
    if (einst.LoesWortFarbig) {
        grund = KastenGrund[size_t(m_farbIndex[size_t(i)])];
        schrift = aufgedeckt ? KastenBuchstabe[size_t(sucheFarbIndex(grund))] : grund;
    }
    const QString rahmen =
        einst.BuchstabenRahmen != 0 ? QStringLiteral("2px solid #555") : QStringLiteral("none");
    l->setStyleSheet(QStringLiteral("background: %1; color: %2; border: %3; border-radius: 6px;")
                         .arg(grund.name(), schrift.name(), rahmen));
}

void MainFrm::zeigeRaetsel() {
    for (QLabel* l : BstLbl)
        l->setVisible(false);
    m_farbe = zufallszahl(0, 9);
    ParaphrLbl->setText(woerter.Paraphrase);
    KontextLbl->setText(woerter.Kontext);
    KontextLbl->adjustSize();
    setzeTwips(*KontextLbl, 135, kastenOben + 200, twips(KontextLbl->width()), 480);
    double x = woerter.Kontext.isEmpty() ? 135 : twips(KontextLbl->width()) + 215;
    int f = m_farbe;
    for (int i = 0; i < spiel.Wort.size() && i < maxBuchstaben; ++i) {
        f = (f + 1) % 10;
        m_farbIndex[size_t(i)] = f;
        QLabel* l = BstLbl[size_t(i)];
        l->setText(QString(spiel.Wort.at(i)));
        setzeTwips(*l, x, kastenOben, kastenBreite - 60, kastenHoehe);
        farbeKasten(i, false);
        l->setVisible(true);
        x += kastenBreite;
    }
}

void MainFrm::EinstellAenderungUebernehmen() {
    einst = einstellungen().werte();
    spiel.FehlversucheMaximum = einst.FehlversucheMaximum;
    // die Kästen neu, das Aufgedeckte bleibt aufgedeckt
    int f = zufallszahl(0, 9);
    double x = woerter.Kontext.isEmpty() ? 135 : twips(KontextLbl->width()) + 215;
    for (int i = 0; i < maxBuchstaben; ++i) {
        f = (f + 1) % 10;
        m_farbIndex[size_t(i)] = f;
        setzeTwips(*BstLbl[size_t(i)], x, kastenOben, kastenBreite - 60, kastenHoehe);
        if (i < spiel.Wort.size())
            farbeKasten(i, i < spiel.naechsterBst);
        x += kastenBreite;
    }
}

void MainFrm::deckeAuf(int i) {
    if (i < 0 || i >= maxBuchstaben)
        return;
    farbeKasten(i, true);
    BstLbl[size_t(i)]->setVisible(true);
    BstLbl[size_t(i)]->repaint();
}

void MainFrm::versteckeSatz() {
    SatzBspLbl->clear();
    SatzBspLbl->setVisible(false);
    UebTitelLabel->setVisible(true);
}

void MainFrm::bstBtn_Click(int taste) {
    if (!computerAmZug)
        pruefeBstWahl(taste);
}

bool MainFrm::taste(QKeyEvent* e) {
    const QString text = e->text();
    if (text.size() != 1 || einst.TastaturEingabeSperren == 1 || computerAmZug)
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
    setzeLampe(1, false);
    for (QPushButton* b : {WortRatenBtn, BstKaufBtn, showSatzBtn})
        b->setEnabled(false);
    if (z.richtig) {
        deckeAuf(z.aufgedeckt);
        if (z.wortFertig) {
            spieleSound(z.klang);
            versteckeSatz();
            // das ganze Wort steht da, bevor das Programm wartet
            repaint();
            warte(3);
            naechstesWort();
            zeigeRaetsel();
            setzeLampe(0, false);
        } else {
            spieleSound(z.klang);
            if (!z.nochmal)
                versteckeSatz();
        }
        zeigePunkteUndStand();
        if (z.weiter) {
            naechsterSpieler();
        } else if (z.nochmal && computerAmZug) {
            simuliereComputerZug();
            return;
        }
    } else if (z.wortRatenFehler) {
        spieleSound(z.klang);
        setzeLampe(0, false);
        zeigePunkteUndStand();
    } else {
        spieleSound(z.klang);
        if (z.restWortZeigen) {
            zeigeRestWort();
        } else if (z.hilfe) {
            if (computerAmZug) {
                repaint();
                warte(2);
            } else {
                hilfeGeben();
            }
        }
        zeigePunkteUndStand();
    }
    if (beendet())
        return;
    zugEnde();
}

void MainFrm::zugEnde() {
    if (spiel.phase == Radspiel::Phase::WortRaten) {
        drehenBtn->setEnabled(false);
        return;
    }
    drehenBtn->setEnabled(true);
    schalteBstTasten(false);
    resetVuZeiger();
}

void MainFrm::hilfeGeben() {
    QString text = QStringLiteral("Ich glaube, ich muss dir helfen, ") + holeVorname(runde.name()) +
                   QStringLiteral(".\r");
    const int r = zufallszahl(0, 100);
    if (r < 51) {
        if (spiel.naechsterBst == 0)
            text += QStringLiteral("Das gesuchte Wort beginnt mit einem <") + spiel.Wort.at(0) +
                    QStringLiteral(">.");
        else
            text += QStringLiteral("Als nächster Buchstabe kommt ein <") +
                    spiel.Wort.at(spiel.naechsterBst) + QStringLiteral(">.");
    } else {
        text += QStringLiteral("Das gesuchte Wort heißt: <") + spiel.Wort + QStringLiteral(">.");
    }
    meldung(text, QStringLiteral("Hilfe"));
}

void MainFrm::zeigeRestWort() {
    for (int i = spiel.naechsterBst; i < spiel.Wort.size() && i < maxBuchstaben; ++i)
        deckeAuf(i);
    repaint();
    warte(8);
    versteckeSatz();
    naechstesWort();
    zeigeRaetsel();
    setzeLampe(0, false);
}

void MainFrm::BstKaufBtn_Click() {
    if (computerAmZug)
        return;
    const Radspiel::Zug z = spiel.kaufeBuchstaben();
    if (!z.angenommen)
        return;
    spieleSound(z.klang);
    zeigePunkteUndStand();
    deckeAuf(z.aufgedeckt);
    // fertig gekauft: gleich das nächste Wort, ohne Punkte und ohne Glückwunsch
    if (z.wortFertig) {
        versteckeSatz();
        naechstesWort();
        zeigeRaetsel();
    }
    setzeLampe(1, false);
    for (QPushButton* b : {WortRatenBtn, BstKaufBtn, showSatzBtn})
        b->setEnabled(false);
    drehenBtn->setEnabled(true);
    schalteBstTasten(false);
}

void MainFrm::showSatzBtn_Click() {
    if (computerAmZug || !spiel.kaufenMoeglich())
        return;
    woerter.bildeSatzKontext();
    UebTitelLabel->setVisible(false);
    // von 12 Punkten an kleiner, bis der Satz in die Zeile passt
    QFont f = SatzBspLbl->font();
    f.setPointSize(12);
    while (f.pointSize() > 6 &&
           QFontMetricsF(f).horizontalAdvance(woerter.LueckenSatz) > SatzBspLbl->width())
        f.setPointSize(f.pointSize() - 1);
    SatzBspLbl->setFont(f);
    SatzBspLbl->setText(woerter.LueckenSatz);
    SatzBspLbl->setVisible(true);
    spiel.kaufeSatz();
    zeigePunkteUndStand();
    setzeLampe(1, false);
    for (QPushButton* b : {WortRatenBtn, BstKaufBtn, showSatzBtn})
        b->setEnabled(false);
    drehenBtn->setEnabled(true);
    schalteBstTasten(false);
}

void MainFrm::WortRatenBtn_Click() {
    if (computerAmZug || spiel.phase != Radspiel::Phase::Einsatz)
        return;
    spiel.wortRaten();
    setzeLampe(1, false);
    setzeLampe(0, true);
    for (QPushButton* b : {BstKaufBtn, WortRatenBtn, showSatzBtn})
        b->setEnabled(false);
    spieleSound(QStringLiteral("Achtung"));
    bstBtn[0]->setFocus();
}

// --- der Computer ---

bool MainFrm::simuliereComputerZug() {
    if (beendet())
        return true;
    switch (spiel.einsatz()) {
    case -1:
    case 300:
        return false; // er dreht noch einmal
    case 0:
        return true; // die Reihe ist schon weiter
    default:
        break;
    }
    const int staerke = einst.ComputerSpielStaerke;
    const Radspiel::Computerwahl w =
        spiel.computerWahl(staerke, staerke == 2 ? zufallszahl(0, 100) : 0);
    if (w.wortRaten) {
        spiel.wortRaten();
        setzeLampe(0, true);
    }
    if (!w.klangVorher.isEmpty())
        spieleWavWarten(w.klangVorher);
    pruefeBstWahl(w.taste);
    return !w.fehlgriff;
}

void MainFrm::computerZug() {
    CompZugFrm& f = compZug();
    f.CompZugTimer->setzeIntervall(100);
    f.zielTicks = zufallszahl(20, 80);
    f.CompZugTimer->setzeAktiv(true);
    dienste::anzeige().zeigeModal(f);
    f.CompZugTimer->setzeAktiv(false);
}

// --- der Rahmen ---

void MainFrm::neuesSpiel() {
    zirkTimer->setzeAktiv(false);
    spiel.zugBeenden();
    versteckeSatz();
    naechstesWort();
    zeigeRaetsel();
    setzeLampe(0, false);
    setzeLampe(1, false);
    schalteBstTasten(false);
    for (QPushButton* b : {anhaltenBtn, WortRatenBtn, BstKaufBtn, showSatzBtn})
        b->setEnabled(false);
    drehenBtn->setEnabled(true);
}

void MainFrm::ratezeitZugBeenden() {
    // der nächste Spieler bekommt keinen halben Zug: Rad steht, Wortraten aus, er dreht selbst
    zirkTimer->setzeAktiv(false);
    spiel.zugBeenden();
    schalteBstTasten(false);
    for (QPushButton* b : {anhaltenBtn, WortRatenBtn, BstKaufBtn, showSatzBtn})
        b->setEnabled(false);
    setzeLampe(0, false);
    setzeLampe(1, false);
    versteckeSatz();
    drehenBtn->setEnabled(true);
}

void MainFrm::halteAnimationen(bool halt) {
    if (spiel.phase == Radspiel::Phase::Dreht)
        zirkTimer->setzeAktiv(!halt);
}

void MainFrm::zeigeEinstellungen() {
    EinstellFrm& f = einstellungen();
    f.ladeSteuerelemente();
    dienste::anzeige().zeigeModal(f);
}

void MainFrm::speichereEinstellungen() {
    einstellungen().saveVarkuIni();
}

} // namespace varku::zirkomat
