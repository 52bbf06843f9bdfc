#include "gamekit/Spielfenster.h"

#include "foundation/Anzeigen.h"
#include "foundation/Bilder.h"
#include "foundation/DateiInfoFrm.h"
#include "foundation/EndeFrm.h"
#include "foundation/Global.h"
#include "foundation/Hilfe.h"
#include "foundation/InfoFrm.h"
#include "foundation/Menueeintrag.h"
#include "foundation/MldFenster.h"
#include "foundation/Schwerpunktliste.h"
#include "foundation/Sound.h"
#include "foundation/Twips.h"
#include "foundation/Zeigerinstrument.h"
#include "gamekit/Computerfenster.h"
#include "gamekit/MeisterFrm.h"
#include "gamekit/Meisterliste.h"
#include "platform/Dienste.h"
#include "platform/HilfeEngine.h"
#include "platform/Rand.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>

namespace varku {

namespace {
// Maße des Rahmens in Twips
constexpr double balkenBreite = 300;
constexpr double uhrGroesse = 1500;
constexpr double rahmenBreite = 4200; // die Spalte rechts, gleich welcher Name darin steht
} // namespace

Spielfenster::Spielfenster(Spielkonfiguration k, Spielstartdaten s)
    : ablauf(std::move(k), std::move(s), *this, *this), runde(ablauf.runde),
      woerter(ablauf.woerter) {
    setObjectName(QStringLiteral("MainFrm"));
    setWindowTitle(QStringLiteral("Varku - ") + konfig().name);
    baueMenues();
    // das Spielfenster selbst hält die Uhren nicht, es ist ja das Spiel
    ablauf.zeigtOhneHalt(this);
    // Tasten gehen an das Spiel, bevor ein Knopf des Fensters sie nimmt
    qApp->installEventFilter(this);
}

Spielfenster::~Spielfenster() {
    qApp->removeEventFilter(this);
}

bool Spielfenster::eventFilter(QObject* ziel, QEvent* e) {
    if (ziel == UebTitelLabel && e->type() == QEvent::Resize)
        passeTitelAn();
    if (e->type() != QEvent::KeyPress || beendet())
        return false;
    auto* w = qobject_cast<QWidget*>(ziel);
    if (!w || (w != this && !isAncestorOf(w)))
        return false;
    // ein offenes Menü oder eine aufgeklappte Liste und die Menüleiste, die die Tasten hat (nach
    // Alt oder Esc aus ihrem Menü), nehmen Pfeile und Enter selbst; ein Menü reicht links und
    // rechts an seine Leiste weiter
    if (QApplication::activePopupWidget() || qobject_cast<QMenuBar*>(w))
        return false;
    auto* k = static_cast<QKeyEvent*>(e);
    // Alt und Strg gehören den Menüs und Zugriffstasten
    if (k->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
        return false;
    // eine Taste ist ein Zug: der Rand des Spiels
    return amRandOder(false, [&] { return taste(k); });
}

void Spielfenster::baueMenues() {
    mnuDatei = menuBar()->addMenu(QStringLiteral("&Datei"));
    mnuDatei->setObjectName(QStringLiteral("mnuDatei"));
    mnuDateiNeu = menueEintrag(mnuDatei, "mnuDateiNeu", QStringLiteral("&Neu ..."), this,
                               &Spielfenster::mnuDateiNeu_Click);
    mnuDatei->addSeparator();
    mnuDateiInfo = menueEintrag(mnuDatei, "mnuDateiInfo", QStringLiteral("&Info ..."), this,
                                &Spielfenster::mnuDateiInfo_Click);
    mnuDateiMeisterliste =
        menueEintrag(mnuDatei, "mnuDateiMeisterliste", QStringLiteral("&Meisterliste ..."), this,
                     &Spielfenster::mnuDateiMeisterliste_Click);
    mnuDatei->addSeparator();
    mnuDateiEnde = menueEintrag(mnuDatei, "mnuDateiEnde", QStringLiteral("&Ende ..."), this,
                                &Spielfenster::mnuDateiEnde_Click);
    mnuBearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    mnuBearbeiten->setObjectName(QStringLiteral("mnuBearbeiten"));
    mnuBearbEinstell =
        menueEintrag(mnuBearbeiten, "mnuBearbEinstell", QStringLiteral("&Einstellungen ..."), this,
                     &Spielfenster::mnuBearbEinstell_Click);
    mnuHilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    mnuHilfe->setObjectName(QStringLiteral("mnuHilfe"));
    mnuHilfeInfo = menueEintrag(mnuHilfe, "mnuHilfeInfo", QStringLiteral("&Info über ..."), this,
                                &Spielfenster::mnuHilfeInfo_Click);
    mnuHilfe->addSeparator();
    mnuHilfeBedienung =
        menueEintrag(mnuHilfe, "mnuHilfeBedienung", QStringLiteral("&Bedienungshinweise ..."), this,
                     &Spielfenster::mnuHilfeBedienung_Click);
    mnuHilfeSpielregeln =
        menueEintrag(mnuHilfe, "mnuHilfeSpielregeln", QStringLiteral("&Spielregeln ..."), this,
                     &Spielfenster::mnuHilfeSpielregeln_Click);
    mnuHilfeAktKat =
        menueEintrag(mnuHilfe, "mnuHilfeAktKat", QStringLiteral("Üb&ungsschwerpunkt ..."), this,
                     &Spielfenster::mnuHilfeAktKat_Click);
}

QWidget* Spielfenster::baueRahmen() {
    auto* rahmen = new QWidget(this);
    rahmen->setObjectName(QStringLiteral("Rahmen"));
    rahmen->setFixedWidth(px(rahmenBreite));
    auto* spalte = new QVBoxLayout(rahmen);
    spalte->setContentsMargins(8, 8, 8, 8);
    spalte->setSpacing(8);
    QFont gross = font();
    gross.setPointSizeF(gross.pointSizeF() * 1.25);
    gross.setBold(true);

    auto* schwerpunkt = new QGroupBox(QStringLiteral("Übungsschwerpunkt"), rahmen);
    auto* s = new QHBoxLayout(schwerpunkt);
    UebBausteinImage = new QLabel(schwerpunkt);
    UebBausteinImage->setObjectName(QStringLiteral("UebBausteinImage"));
    UebBausteinImage->setFixedSize(px(960), px(960));
    UebBausteinImage->setScaledContents(true);
    UebTitelLabel = new QLabel(QStringLiteral("[kein Übungsschwerpunkt]"), schwerpunkt);
    UebTitelLabel->setObjectName(QStringLiteral("UebTitelLabel"));
    UebTitelLabel->setWordWrap(true);
    // Der Titel steht neben dem Bild und ist so hoch wie es; ein langer wird kleiner statt höher,
    // sonst schöbe er den Spielzeitbalken aus dem Fenster
    UebTitelLabel->setFixedHeight(UebBausteinImage->height());
    UebTitelLabel->installEventFilter(this);
    s->addWidget(UebBausteinImage);
    s->addWidget(UebTitelLabel, 1);
    // was ein Spiel sonst in diesen Rahmen stellt, bekommt den Platz des Titels, nicht mehr
    schwerpunkt->setFixedHeight(schwerpunkt->sizeHint().height());
    spalte->addWidget(schwerpunkt);

    auto* spieler = new QGroupBox(QStringLiteral("Spieler"), rahmen);
    auto* g = new QGridLayout(spieler);
    g->addWidget(new QLabel(QStringLiteral("Name"), spieler), 0, 0);
    SpNameLbl = new QLabel(spieler);
    SpNameLbl->setObjectName(QStringLiteral("SpNameLbl"));
    SpNameLbl->setFont(gross);
    SpNameLbl->setStyleSheet(QStringLiteral("color: #c0392b;"));
    // ein langer Name wird gekürzt gezeigt, die Spalte bleibt so breit, wie sie ist
    SpNameLbl->setFixedWidth(px(rahmenBreite) - 120);
    g->addWidget(SpNameLbl, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Punkte"), spieler), 1, 0);
    punkZiff =
        new Ziffernanzeige(QStringLiteral("punkZiff"), konfig().punktZiffern, false, spieler);
    punkZiff->setzeFarbe(QColor(255, 255, 0));
    punkZiff->setMinimumSize(punkZiff->size());
    g->addWidget(punkZiff, 1, 1);
    g->setColumnStretch(1, 1);
    spalte->addWidget(spieler);

    auto* uhren = new QWidget(rahmen);
    auto* u = new QGridLayout(uhren);
    u->setContentsMargins(0, 0, 0, 0);
    vuRestZeitImage = new Zeigerinstrument(Zeigerinstrument::Blatt::RatezeitAus, uhren);
    vuRestZeitImage->setObjectName(QStringLiteral("vuRestZeitImage"));
    vuRestZeitImage->setFixedSize(px(uhrGroesse), px(uhrGroesse));
    u->addWidget(new QLabel(QStringLiteral("Ratezeit"), uhren), 0, 0, Qt::AlignHCenter);
    u->addWidget(vuRestZeitImage, 1, 0, Qt::AlignTop | Qt::AlignHCenter);
    auto* balkenPlatz = new QWidget(uhren);
    balkenPlatz->setObjectName(QStringLiteral("Spielzeit"));
    balkenPlatz->setFixedSize(px(balkenBreite + 120), px(Spielzeitbalken::startHoehe + 120));
    balkenPlatz->setStyleSheet(
        QStringLiteral("#Spielzeit { background: #e8eef4; border: 2px solid #9aa8b6; }"));
    RestZeitStand = new QFrame(balkenPlatz);
    RestZeitStand->setObjectName(QStringLiteral("RestZeitStand"));
    RestZeitStand->setStyleSheet(QStringLiteral(
        "#RestZeitStand { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4caf50,"
        " stop:1 #2e7d32); border-radius: 4px; }"));
    u->addWidget(new QLabel(QStringLiteral("Spielzeit"), uhren), 0, 1, Qt::AlignHCenter);
    u->addWidget(balkenPlatz, 1, 1, Qt::AlignHCenter);
    spalte->addWidget(uhren);
    spalte->addStretch(1);
    zeigeSpielzeit();
    zeigeRatezeit();
    return rahmen;
}

void Spielfenster::setzeSpielbrett(QWidget* brett) {
    auto* mitte = new QWidget(this);
    mitte->setObjectName(QStringLiteral("Mitte"));
    auto* lage = new QHBoxLayout(mitte);
    lage->setContentsMargins(6, 6, 6, 6);
    lage->addWidget(brett, 1);
    lage->addWidget(baueRahmen(), 0, Qt::AlignTop);
    setCentralWidget(mitte);
    // nie kleiner als der Entwurf
    setMinimumSize(sizeHint());
}

// --- was der Ablauf zeigt ---

void Spielfenster::zeigeSchwerpunkt() {
    UebBausteinImage->setPixmap(
        ladeBild(bausteinDateiName(ablauf.start.parameter.RuvoFeldName, QStringLiteral(".GIF"))));
    UebTitelLabel->setText(ablauf.start.UebTitel);
    passeTitelAn();
}

void Spielfenster::passeTitelAn() {
    // von der Schrift des Fensters an Punkt um Punkt kleiner, bis der umbrochene Titel in sein
    // Feld passt
    QFont f = font();
    const QRect raum(0, 0, std::max(1, UebTitelLabel->width()), 100000);
    const QString& text = UebTitelLabel->text();
    while (f.pointSize() > 6 &&
           QFontMetrics(f).boundingRect(raum, Qt::TextWordWrap, text).height() >
               UebTitelLabel->height())
        f.setPointSize(f.pointSize() - 1);
    UebTitelLabel->setFont(f);
}

void Spielfenster::zeigeSpieler() {
    const QString& name = runde.name();
    SpNameLbl->setToolTip(name);
    SpNameLbl->setText(QFontMetrics(SpNameLbl->font())
                           .elidedText(name, Qt::ElideRight, std::max(1, SpNameLbl->width())));
    zeigePunkte();
}

void Spielfenster::zeigePunkte() {
    punkZiff->zeige(QStringLiteral("%1").arg(ablauf.punkteDesPlatzes(runde.aktSpieler),
                                             konfig().punktZiffern, 10, QLatin1Char('0')));
}

void Spielfenster::drawVuZeiger(int wert) {
    vuRestZeitImage->setzeWert(wert);
}

void Spielfenster::zeigeRatezeit() {
    vuRestZeitImage->setzeBlatt(ablauf.ratezeitAn() ? Zeigerinstrument::Blatt::RatezeitAn
                                                    : Zeigerinstrument::Blatt::RatezeitAus);
    drawVuZeiger(ablauf.ratezeit.RateZeitZaehler);
}

void Spielfenster::zeigeSpielzeit() {
    // die Unterkante bleibt; der Balken wird von oben kürzer
    const double h = ablauf.spielzeit.hoehe();
    setzeTwips(*RestZeitStand, 60, 60 + Spielzeitbalken::startHoehe - h, balkenBreite, h);
    RestZeitStand->setVisible(h > 0);
}

void Spielfenster::zeigeMenues() {
    const std::pair<QAction*, Menue> eintraege[] = {
        {mnuDateiNeu, Menue::Neu},
        {mnuDateiInfo, Menue::Info},
        {mnuDateiMeisterliste, Menue::Meisterliste},
        {mnuDateiEnde, Menue::Ende},
        {mnuBearbEinstell, Menue::Einstellungen},
        {mnuHilfeInfo, Menue::HilfeInfo},
        {mnuHilfeSpielregeln, Menue::Spielregeln},
        {mnuHilfeAktKat, Menue::Schwerpunkt},
    };
    for (const auto& [a, m] : eintraege)
        a->setEnabled(ablauf.menueAn(m));
}

void Spielfenster::zeigeSitze() {
    DateiInfoFrm& info = DateiInfoFrm::instanz();
    for (int i = 0; i < spielerPlaetze; ++i) {
        const bool sitzt = i < runde.nSpieler;
        if (sitzt) {
            info.SpName[size_t(i)]->setText(runde.SpielerName[size_t(i)]);
            info.SpPunkte[size_t(i)]->setText(QString::number(ablauf.punkteDesPlatzes(i)));
        }
        info.zeigeSpieler(i, sitzt);
    }
    info.DatInfLbl[0]->setText(QString::number(woerter.AnzahlWoerter()));
    info.DatInfLbl[1]->setText(ablauf.start.parameter.GwsFlag ? QStringLiteral("ja")
                                                              : QStringLiteral("nein"));
}

QString Spielfenster::zeigeMeldungsfenster(const QString& text, const QString& titel,
                                           const QString& knopf1, const QString& knopf2) {
    Meldungstext = text;
    zeigeMeldung(Meldungstext, knopf1, knopf2, titel);
    return MldFenster::instanz().Antwort;
}

bool Spielfenster::endeBestaetigt(const QString& frage) {
    return EndeFrm::instanz().frage(frage) == QStringLiteral("ja");
}

void Spielfenster::zeichneSofort() {
    repaint();
}

void Spielfenster::schliesseFenster() {
    schliesseHilfe(QStringLiteral("Ruvo.chm"));
    schliesseHilfe(konfig().hilfeDatei());
    // alle Fenster zu: jede modale Anzeige kehrt zurück, danach endet das Programm
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->hide();
    hide();
}

void Spielfenster::spieleWavWarten(const QString& datei) {
    repaint();
    varku::spieleWavWarten(datei);
}

// --- Fenster und Menüs ---

void Spielfenster::closeEvent(QCloseEvent* e) {
    // das Schließfeld ist ein Rand: das Ende schreibt Dateien, ein Fehler endet nicht in Qt
    if (amRandOder(false, [this] { return ablauf.schliessenErlaubt(); }))
        e->accept();
    else
        e->ignore();
}

void Spielfenster::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    // Wer das Spiel aus der Verkleinerung holt, während ein Fenster über ihm offen ist, findet
    // dieses Fenster oben, mit der Tastatur
    if (e->type() == QEvent::WindowStateChange && !(windowState() & Qt::WindowMinimized))
        if (QWidget* oben = QApplication::activeModalWidget(); oben && oben != this) {
            oben->raise();
            oben->activateWindow();
        }
}

void Spielfenster::mnuDateiEnde_Click() {
    ablauf.beendenAusMenue();
}

void Spielfenster::mnuDateiNeu_Click() {
    ablauf.neuesSpielGefragt();
}

void Spielfenster::mnuDateiInfo_Click() {
    zeigeSitze();
    dienste::anzeige().zeigeModal(DateiInfoFrm::instanz());
}

void Spielfenster::mnuDateiMeisterliste_Click() {
    MeisterFrm::zeige(
        Meisterliste(Meisterliste::meisterDatei(ablauf.start.UserPfad), konfig().name), this);
}

void Spielfenster::mnuBearbEinstell_Click() {
    ablauf.einstellungenGefragt();
}

void Spielfenster::mnuHilfeInfo_Click() {
    InfoFrm info({konfig().name, konfig().name, QStringLiteral("Ein Rechtschreibspiel zu VARKU"),
                  konfig().version, QStringLiteral("InfoBild.png")});
    dienste::anzeige().zeigeModal(info);
}

void Spielfenster::mnuHilfeBedienung_Click() {
    oeffneHilfe(konfig().hilfeDatei(), HilfeEngine::Standardthema);
}

void Spielfenster::mnuHilfeSpielregeln_Click() {
    oeffneHilfe(konfig().hilfeDatei(), HilfeEngine::Kontext, 2000);
}

void Spielfenster::mnuHilfeAktKat_Click() {
    zeigeHilfeZumSchwerpunkt();
}

void Spielfenster::zeigeModal(QWidget& fenster) {
    dienste::anzeige().zeigeModal(fenster);
}

Computerfenster& Spielfenster::computerfenster(const QString& text, int taktMs, bool mitBild) {
    if (auto* f = behaltenesFenster<Computerfenster>(QStringLiteral("CompZugFrm")))
        return *f;
    auto* f = new Computerfenster(this, konfig().name, text, ablauf.neuerTimer(), mitBild);
    f->CompZugTimer->setzeIntervall(taktMs);
    ablauf.setzeComputerfenster(f);
    return *f;
}

double textBreite(const QString& text, const QFont& schrift) {
    return twips(QFontMetricsF(schrift).horizontalAdvance(text));
}

void passeSchriftAn(QLabel& feld, const QString& text, int startPunkte, int kleinstePunkte,
                    int zeilen) {
    QFont f = feld.font();
    f.setPointSize(startPunkte);
    while (f.pointSize() > kleinstePunkte &&
           textBreite(text, f) > twips(feld.width()) * std::max(1, zeilen))
        f.setPointSize(f.pointSize() - 1);
    feld.setFont(f);
}

void passeSchriftAn(QLabel& vorspann, int vorspannPunkte, QLabel& feld, const QString& text,
                    int startPunkte, int kleinstePunkte) {
    QFont v = vorspann.font();
    QFont f = feld.font();
    v.setPointSize(std::max(1, vorspannPunkte));
    f.setPointSize(startPunkte);
    const double breite = twips(vorspann.width() + feld.width());
    while (f.pointSize() > kleinstePunkte &&
           textBreite(vorspann.text(), v) + textBreite(text, f) > breite) {
        f.setPointSize(f.pointSize() - 1);
        v.setPointSize(std::max(1, v.pointSize() - 1));
    }
    vorspann.setFont(v);
    feld.setFont(f);
}

} // namespace varku
