#include "gamekit/Spielfenster.h"

#include "foundation/Anzeigen.h"
#include "foundation/Bilder.h"
#include "foundation/DateiInfoFrm.h"
#include "foundation/EndeFrm.h"
#include "foundation/Global.h"
#include "foundation/Hilfe.h"
#include "foundation/InfoFrm.h"
#include "foundation/MldFenster.h"
#include "foundation/Routinen.h"
#include "foundation/Schwerpunktliste.h"
#include "foundation/Sound.h"
#include "foundation/Twips.h"
#include "foundation/Zeigerinstrument.h"
#include "gamekit/MeisterFrm.h"
#include "gamekit/Meisterliste.h"
#include "platform/Dienste.h"
#include "platform/HilfeEngine.h"
#include "platform/Laufzeitfehler.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>

namespace varku {

namespace {
// Maße des Rahmens in Twips
constexpr double balkenBreite = 300;
constexpr double uhrGroesse = 1500;
} // namespace

Spielfenster::Spielfenster(Spielkonfiguration k, Spielstartdaten s)
    : konfig(std::move(k)), start(std::move(s)), runde(start.parameter),
      ratezeit(konfig.ratezeitSchritt), spielzeit(start.energieSchritt) {
    setObjectName(QStringLiteral("MainFrm"));
    setWindowTitle(QStringLiteral("Varku - ") + konfig.name);
    baueMenues();
    RestZeitTimer = dienste::uhr().neuerTimer();
    RestZeitTimer->setzeIntervall(konfig.ratezeitTaktMs);
    RestZeitTimer->beiTick = [this] { RestZeitTimer_Timer(); };
    EnergTimer = dienste::uhr().neuerTimer();
    EnergTimer->setzeIntervall(konfig.spielzeitTaktMs);
    EnergTimer->beiTick = [this] { EnergTimer_Timer(); };
    setzeTonSchalter([this] { return tonEin(); });
    // Tasten gehen an das Spiel, bevor ein Knopf des Fensters sie nimmt
    qApp->installEventFilter(this);

    // die Spieler im Infofenster, mit 0 Punkten
    DateiInfoFrm& info = DateiInfoFrm::instanz();
    for (int i = 0; i < runde.nSpieler; ++i) {
        info.SpName[size_t(i)]->setText(runde.SpielerName[size_t(i)]);
        info.SpPunkte[size_t(i)]->setText(QStringLiteral("0"));
        info.zeigeSpieler(i, true);
    }
    info.DatInfLbl[1]->setText(start.parameter.GwsFlag ? QStringLiteral("ja")
                                                       : QStringLiteral("nein"));
}

Spielfenster::~Spielfenster() {
    qApp->removeEventFilter(this);
    setzeTonSchalter({});
}

bool Spielfenster::eventFilter(QObject* ziel, QEvent* e) {
    if (e->type() != QEvent::KeyPress || m_beendet)
        return false;
    auto* w = qobject_cast<QWidget*>(ziel);
    if (!w || (w != this && !isAncestorOf(w)))
        return false;
    auto* k = static_cast<QKeyEvent*>(e);
    // Alt und Strg gehören den Menüs und Zugriffstasten
    if (k->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
        return false;
    return taste(k);
}

void Spielfenster::baueMenues() {
    const auto eintrag = [this](QMenu* menue, const char* name, const QString& text,
                                void (Spielfenster::*slot)()) {
        QAction* a = menue->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    mnuDatei = menuBar()->addMenu(QStringLiteral("&Datei"));
    mnuDatei->setObjectName(QStringLiteral("mnuDatei"));
    mnuDateiNeu = eintrag(mnuDatei, "mnuDateiNeu", QStringLiteral("&Neu ..."),
                          &Spielfenster::mnuDateiNeu_Click);
    mnuDatei->addSeparator();
    mnuDateiInfo = eintrag(mnuDatei, "mnuDateiInfo", QStringLiteral("&Info ..."),
                           &Spielfenster::mnuDateiInfo_Click);
    mnuDateiMeisterliste =
        eintrag(mnuDatei, "mnuDateiMeisterliste", QStringLiteral("&Meisterliste ..."),
                &Spielfenster::mnuDateiMeisterliste_Click);
    mnuDatei->addSeparator();
    mnuDateiEnde = eintrag(mnuDatei, "mnuDateiEnde", QStringLiteral("&Ende ..."),
                           &Spielfenster::mnuDateiEnde_Click);
    mnuBearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    mnuBearbeiten->setObjectName(QStringLiteral("mnuBearbeiten"));
    mnuBearbEinstell =
        eintrag(mnuBearbeiten, "mnuBearbEinstell", QStringLiteral("&Einstellungen ..."),
                &Spielfenster::mnuBearbEinstell_Click);
    mnuHilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    mnuHilfe->setObjectName(QStringLiteral("mnuHilfe"));
    mnuHilfeInfo = eintrag(mnuHilfe, "mnuHilfeInfo", QStringLiteral("&Info über ..."),
                           &Spielfenster::mnuHilfeInfo_Click);
    mnuHilfe->addSeparator();
    mnuHilfeBedienung =
        eintrag(mnuHilfe, "mnuHilfeBedienung", QStringLiteral("&Bedienungshinweise ..."),
                &Spielfenster::mnuHilfeBedienung_Click);
    mnuHilfeSpielregeln =
        eintrag(mnuHilfe, "mnuHilfeSpielregeln", QStringLiteral("&Spielregeln ..."),
                &Spielfenster::mnuHilfeSpielregeln_Click);
    mnuHilfeAktKat = eintrag(mnuHilfe, "mnuHilfeAktKat", QStringLiteral("Üb&ungsschwerpunkt ..."),
                             &Spielfenster::mnuHilfeAktKat_Click);
}

QWidget* Spielfenster::baueRahmen() {
    auto* rahmen = new QWidget(this);
    rahmen->setObjectName(QStringLiteral("Rahmen"));
    auto* spalte = new QVBoxLayout(rahmen);
    spalte->setContentsMargins(8, 8, 8, 8);
    spalte->setSpacing(10);
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
    UebTitelLabel->setFixedWidth(px(2400));
    s->addWidget(UebBausteinImage);
    s->addWidget(UebTitelLabel, 1);
    spalte->addWidget(schwerpunkt);

    auto* spieler = new QGroupBox(QStringLiteral("Spieler"), rahmen);
    auto* g = new QGridLayout(spieler);
    g->addWidget(new QLabel(QStringLiteral("Name"), spieler), 0, 0);
    SpNameLbl = new QLabel(spieler);
    SpNameLbl->setObjectName(QStringLiteral("SpNameLbl"));
    SpNameLbl->setFont(gross);
    SpNameLbl->setStyleSheet(QStringLiteral("color: #c0392b;"));
    g->addWidget(SpNameLbl, 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Punkte"), spieler), 1, 0);
    punkZiff = new Ziffernanzeige(QStringLiteral("punkZiff"), konfig.punktZiffern, false, spieler);
    punkZiff->setzeFarbe(QColor(255, 255, 0));
    punkZiff->setMinimumSize(punkZiff->size());
    g->addWidget(punkZiff, 1, 1);
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
    setzeBalken();
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

void Spielfenster::setzeBalken() {
    // die Unterkante bleibt; der Balken wird von oben kürzer
    const double h = spielzeit.hoehe();
    setzeTwips(*RestZeitStand, 60, 60 + Spielzeitbalken::startHoehe - h, balkenBreite, h);
    RestZeitStand->setVisible(h > 0);
}

void Spielfenster::ladeSchwerpunkt() {
    UebBausteinImage->setPixmap(
        ladeBild(bausteinDateiName(start.parameter.RuvoFeldName, QStringLiteral(".GIF"))));
    UebTitelLabel->setText(start.UebTitel);
    SpNameLbl->setText(runde.SpielerName[0]);
}

void Spielfenster::ladeFehlerwoerter() {
    woerter.FehlerListe.clear();
    woerter.leseFehlerWoerter(start.UserPfad, start.parameter.SpielerDatei);
}

bool Spielfenster::ladeWoerter(WortTabellen tabellen) {
    woerter.oeffneWortDatenbank(imProgrammordner(QStringLiteral("Varku-D.sqlite")), tabellen);
    const int anzahl = woerter.setzeWortFilter(start.parameter.RuvoFeldName,
                                               start.parameter.GwsFlag, konfig.maxWortLaenge);
    DateiInfoFrm::instanz().DatInfLbl[0]->setText(QString::number(anzahl));
    if (anzahl > 0)
        return true;
    m_ohneWoerter = true;
    spieleSound(QStringLiteral("ProgrammMeldung"));
    meldung(QStringLiteral("Zu diesem Übungsschwerpunkt gibt es\r") +
                (start.parameter.GwsFlag ? QStringLiteral("im Grundwortschatz ") : QString()) +
                QStringLiteral("keine Wörter für ") + konfig.name +
                QStringLiteral(".\rWählt in VARKU einen anderen aus."),
            QStringLiteral("Keine Wörter"));
    return false;
}

void Spielfenster::starteSpielzeit() {
    spielzeit.start(sekundenJetzt());
    EnergTimer->setzeAktiv(true);
}

void Spielfenster::initVuZeiger() {
    vuRestZeitImage->setzeBlatt(Zeigerinstrument::Blatt::RatezeitAus);
    drawVuZeiger(0);
}

void Spielfenster::drawVuZeiger(int wert) {
    vuRestZeitImage->setzeWert(wert);
}

void Spielfenster::resetVuZeiger() {
    ratezeit.reset();
    drawVuZeiger(0);
}

void Spielfenster::switchVuRestZeit(bool ein) {
    RestZeitTimer->setzeAktiv(ein && m_halt == 0);
    m_ratezeitLief = ein;
    vuRestZeitImage->setzeBlatt(ein ? Zeigerinstrument::Blatt::RatezeitAn
                                    : Zeigerinstrument::Blatt::RatezeitAus);
    resetVuZeiger();
}

bool Spielfenster::ratezeitAn() const {
    return m_halt > 0 ? m_ratezeitLief : RestZeitTimer->aktiv();
}

void Spielfenster::zeigePunkte() {
    punkZiff->zeige(
        QStringLiteral("%1").arg(runde.punkte(), konfig.punktZiffern, 10, QLatin1Char('0')));
}

void Spielfenster::zeigeSpielstand() {
    DateiInfoFrm::instanz().SpPunkte[size_t(runde.aktSpieler)]->setText(
        QString::number(runde.punkte()));
}

void Spielfenster::zeigeSpieler() {
    SpNameLbl->setText(runde.name());
    zeigePunkte();
}

void Spielfenster::naechsterSpieler() {
    runde.naechsterSpieler();
    zeigeSpieler();
    if (!runde.computerAmZug()) {
        schalteMenues(true);
        computerAmZug = false;
        return;
    }
    schalteMenues(false);
    if (konfig.ratezeitNeuFuerComputer)
        resetVuZeiger();
    computerAmZug = true;
    computerZug();
}

void Spielfenster::schalteMenues(bool ein) {
    for (QAction* a : {mnuDateiNeu, mnuDateiInfo, mnuDateiMeisterliste, mnuDateiEnde,
                       mnuBearbEinstell, mnuHilfeInfo, mnuHilfeSpielregeln, mnuHilfeAktKat})
        a->setEnabled(ein);
}

Spielrunde::Sitz Spielfenster::setzeComputer(bool mitspielen) {
    const Spielrunde::Sitz s = runde.setzeComputer(mitspielen, konfig.hoechstensSpielerMitComputer);
    DateiInfoFrm& info = DateiInfoFrm::instanz();
    if (s == Spielrunde::Sitz::Gesetzt) {
        const int i = runde.nSpieler - 1;
        info.SpName[size_t(i)]->setText(Spielrunde::computerName);
        info.SpPunkte[size_t(i)]->setText(QStringLiteral("0"));
        info.zeigeSpieler(i, true);
    } else if (s == Spielrunde::Sitz::Entfernt) {
        info.zeigeSpieler(runde.nSpieler, false);
    }
    return s;
}

void Spielfenster::halteUhren(bool halt) {
    if (halt) {
        if (m_halt++ > 0)
            return;
        m_ratezeitLief = RestZeitTimer->aktiv();
        m_energieLief = EnergTimer->aktiv();
        RestZeitTimer->setzeAktiv(false);
        EnergTimer->setzeAktiv(false);
        halteAnimationen(true);
        return;
    }
    if (m_halt == 0 || --m_halt > 0 || m_beendet)
        return;
    RestZeitTimer->setzeAktiv(m_ratezeitLief);
    EnergTimer->setzeAktiv(m_energieLief);
    halteAnimationen(false);
}

QString Spielfenster::meldung(const QString& text, const QString& titel, const QString& knopf1,
                              const QString& knopf2) {
    halteUhren(true);
    Meldungstext = text;
    zeigeMeldung(Meldungstext, knopf1, knopf2, titel);
    halteUhren(false);
    return MldFenster::instanz().Antwort;
}

void Spielfenster::RestZeitTimer_Timer() {
    if (m_beendet || !ratezeit.tick()) {
        drawVuZeiger(ratezeit.RateZeitZaehler);
        return;
    }
    drawVuZeiger(ratezeit.RateZeitZaehler);
    RestZeitTimer->setzeAktiv(false);
    ratezeitZugBeenden();
    spieleSound(QStringLiteral("ProgrammMeldung"));
    meldung(ratezeitMeldung(runde.name()), QStringLiteral("Ende der Ratezeit"));
    if (m_beendet)
        return;
    resetVuZeiger();
    naechsterSpieler();
    if (!m_beendet && m_halt == 0)
        RestZeitTimer->setzeAktiv(true);
    m_ratezeitLief = true;
}

void Spielfenster::EnergTimer_Timer() {
    if (m_beendet)
        return;
    const bool aus = spielzeit.tick(sekundenJetzt());
    setzeBalken();
    if (!aus)
        return;
    RestZeitTimer->setzeAktiv(false);
    EnergTimer->setzeAktiv(false);
    halteAnimationen(true);
    if (konfig.spielzeitKlang)
        spieleSound(QStringLiteral("ProgrammMeldung"));
    Meldungstext = spielzeitMeldung(konfig.name);
    zeigeMeldung(Meldungstext, QStringLiteral("&OK"), QString(), konfig.spielzeitTitel);
    programmEnde();
}

void Spielfenster::spieleWavWarten(const QString& datei) {
    repaint();
    varku::spieleWavWarten(datei);
}

bool Spielfenster::setzeEndeFrage() {
    halteUhren(true);
    const bool ja = EndeFrm::instanz().frage(endeFrage(konfig.name, runde.menschen())) !=
                    QStringLiteral("nein");
    halteUhren(false);
    return ja;
}

void Spielfenster::trageMeisterEin() {
    QStringList namen;
    std::vector<qint32> punkte;
    for (const auto& [name, p] : meisterStand()) {
        namen << name;
        punkte.push_back(qint32(std::clamp<long>(p, 0, INT32_MAX)));
    }
    Meisterliste(Meisterliste::meisterDatei(start.UserPfad), konfig.name)
        .updateMeister(int(namen.size()), namen, punkte, dienste::uhr().jetzt().date());
}

void Spielfenster::programmEnde() {
    // nur einmal, was auch immer es auslöst: zwei Zeitgeber, das Menü, das Schließfeld
    if (m_beendet)
        return;
    m_beendet = true;
    RestZeitTimer->setzeAktiv(false);
    EnergTimer->setzeAktiv(false);
    halteAnimationen(true);
    spieleSound(QStringLiteral("ProgrammEnde"));
    repaint();
    if (konfig.endeWarteSekunden > 0)
        warte(konfig.endeWarteSekunden);
    try {
        trageMeisterEin();
    } catch (const Laufzeitfehler& f) {
        zeigeMeldung(QStringLiteral("Die Punkte konnten nicht in die\rMeisterliste eingetragen "
                                    "werden.\r") +
                         f.betrifft(),
                     QStringLiteral("&OK"), QString(), QStringLiteral("Meisterliste"));
    }
    speichereEinstellungen();
    schliesseHilfe(QStringLiteral("Ruvo.chm"));
    schliesseHilfe(konfig.hilfeDatei());
    schliesseSound();
    vorDemEnde();
    // alle Fenster zu: jede modale Anzeige kehrt zurück, danach endet das Programm
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->hide();
    hide();
}

void Spielfenster::closeEvent(QCloseEvent* e) {
    if (m_beendet) {
        e->accept();
        return;
    }
    if (!spielzeit.abgelaufen() && !setzeEndeFrage()) {
        e->ignore();
        return;
    }
    programmEnde();
    e->accept();
}

void Spielfenster::mnuDateiEnde_Click() {
    if ((konfig.endeFragtImmer || !spielzeit.abgelaufen()) && !setzeEndeFrage())
        return;
    programmEnde();
}

void Spielfenster::mnuDateiNeu_Click() {
    const Frage f = neuesSpielFrage(konfig.name, konfig.radspielFrage, konfig.neinZuerst,
                                    konfig.radspielFrage ? runde.nSpieler : runde.menschen());
    if (meldung(f.text, QStringLiteral("Neues Spiel"), f.knopf1, f.knopf2) ==
            QStringLiteral("nein") ||
        m_beendet)
        return;
    for (int i = 0; i < runde.nSpieler; ++i) {
        runde.aktSpieler = i;
        runde.setzePunkte(0);
        zeigeSpielstand();
    }
    runde.aktSpieler = 0;
    zeigeSpieler();
    neuesSpiel();
}

void Spielfenster::mnuDateiInfo_Click() {
    DateiInfoFrm& info = DateiInfoFrm::instanz();
    for (int i = 0; i < runde.nSpieler; ++i)
        info.SpPunkte[size_t(i)]->setText(QString::number(runde.SpielerPunkte[size_t(i)]));
    halteUhren(true);
    dienste::anzeige().zeigeModal(info);
    halteUhren(false);
}

void Spielfenster::mnuDateiMeisterliste_Click() {
    halteUhren(true);
    MeisterFrm::zeige(Meisterliste(Meisterliste::meisterDatei(start.UserPfad), konfig.name), this);
    halteUhren(false);
}

void Spielfenster::mnuBearbEinstell_Click() {
    halteUhren(true);
    zeigeEinstellungen();
    halteUhren(false);
}

void Spielfenster::mnuHilfeInfo_Click() {
    InfoFrm info({konfig.name, konfig.name, QStringLiteral("Ein Rechtschreibspiel zu VARKU"),
                  konfig.version, QStringLiteral("InfoBild.png")});
    halteUhren(true);
    dienste::anzeige().zeigeModal(info);
    halteUhren(false);
}

void Spielfenster::mnuHilfeBedienung_Click() {
    halteUhren(true);
    oeffneHilfe(konfig.hilfeDatei(), HilfeEngine::Standardthema);
    halteUhren(false);
}

void Spielfenster::mnuHilfeSpielregeln_Click() {
    halteUhren(true);
    oeffneHilfe(konfig.hilfeDatei(), HilfeEngine::Kontext, 2000);
    halteUhren(false);
}

void Spielfenster::mnuHilfeAktKat_Click() {
    halteUhren(true);
    zeigeHilfeZumSchwerpunkt();
    halteUhren(false);
}

} // namespace varku
