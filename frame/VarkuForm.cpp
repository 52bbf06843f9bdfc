#include "frame/VarkuForm.h"

#include "foundation/DateiInfoFrm.h"
#include "foundation/Dateisuche.h"
#include "foundation/EndeFrm.h"
#include "foundation/Global.h"
#include "foundation/Hilfe.h"
#include "foundation/HilfeKontext.h"
#include "foundation/InfoFrm.h"
#include "foundation/Menueeintrag.h"
#include "foundation/MldFenster.h"
#include "foundation/Routinen.h"
#include "foundation/Sound.h"
#include "foundation/Spielzeit.h"
#include "foundation/Texte.h"
#include "foundation/Twips.h"
#include "frame/Anzeigeregeln.h"
#include "frame/DruckFrm.h"
#include "frame/EinstellFrm.h"
#include "frame/FehlerMldFrm.h"
#include "frame/RsSpieleFrm.h"
#include "frame/Spieleliste.h"
#include "frame/SpielerListeFrm.h"
#include "frame/SprAusgEinstFrm.h"
#include "frame/UebschwForm.h"
#include "frame/Version.h"
#include "platform/Bildschirm.h"
#include "platform/Dienste.h"
#include "platform/HilfeEngine.h"
#include "platform/Rand.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace varku {

namespace {
const QString rot = QStringLiteral("color: rgb(255, 0, 0);");
} // namespace

VarkuForm::VarkuForm() : VarkuForm(OhneLaden{}) {
    Form_Load();
}

VarkuForm::VarkuForm(OhneLaden) : QMainWindow(), VarkuAnzeige(new QWidget(this)) {
    setObjectName(QStringLiteral("VarkuForm"));
    setWindowTitle(QStringLiteral("VARKU"));
    baueMenues();
    // Die Fläche behält ihr Maß; ein größeres Fenster zeigt sie in der Mitte.
    auto* mitte = new QWidget(this);
    mitte->setObjectName(QStringLiteral("Mitte"));
    auto* lage = new QGridLayout(mitte);
    lage->setContentsMargins(0, 0, 0, 0);
    lage->addWidget(Uebungsflaeche, 0, 0, Qt::AlignCenter);
    setCentralWidget(mitte);

    verbinde(zeigenTaste, &QPushButton::clicked, this, &VarkuForm::zeigenTaste_Click);
    verbinde(diktierTaste, &QPushButton::clicked, this, &VarkuForm::diktierTaste_Click);
    verbinde(WortendeTaste, &QPushButton::clicked, this, &VarkuForm::WortendeTaste_Click);
    verbinde(loeschTaste, &QPushButton::clicked, this, &VarkuForm::loeschTaste_Click);
    SchreibenTextfeld->beiTaste = [this](int code) { return SchreibenTextfeld_KeyPress(code); };
}

VarkuForm::~VarkuForm() = default;

void VarkuForm::baueMenues() {
    mnuDatei = menuBar()->addMenu(QStringLiteral("&Datei"));
    mnuDatei->setObjectName(QStringLiteral("mnuDatei"));
    mnuNeu =
        menueEintrag(mnuDatei, "mnuNeu", QStringLiteral("&Neu"), this, &VarkuForm::mnuNeu_Click);
    mnuUebung = menueEintrag(mnuDatei, "mnuUebung", QStringLiteral("Ü&bungsschwerpunkt ..."), this,
                             &VarkuForm::mnuUebung_Click);
    mnuDatei->addSeparator();
    mnuDateiInfo = menueEintrag(mnuDatei, "mnuDateiInfo", QStringLiteral("&Info ..."), this,
                                &VarkuForm::mnuDateiInfo_Click);
    mnuDrucken = menueEintrag(mnuDatei, "mnuDrucken", QStringLiteral("&Drucken ..."), this,
                              &VarkuForm::mnuDrucken_Click);
    mnuDatei->addSeparator();
    mnuSpiele = menueEintrag(mnuDatei, "mnuSpiele", QStringLiteral("&Spiel starten ..."), this,
                             &VarkuForm::mnuSpiele_Click);
    mnuDatei->addSeparator();
    mnuEnde = menueEintrag(mnuDatei, "mnuEnde", QStringLiteral("&Ende ..."), this,
                           &VarkuForm::mnuEnde_Click);

    mnuBearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    mnuBearbeiten->setObjectName(QStringLiteral("mnuBearbeiten"));
    mnuSpielerliste =
        menueEintrag(mnuBearbeiten, "mnuSpielerliste", QStringLiteral("&Spielerliste ..."), this,
                     &VarkuForm::mnuSpielerliste_Click);
    mnuBearbeiten->addSeparator();
    mnuEinstellungen =
        menueEintrag(mnuBearbeiten, "mnuEinstellungen", QStringLiteral("&Einstellungen ..."), this,
                     &VarkuForm::mnuEinstellungen_Click);
    mnuSprachAusgEinst =
        menueEintrag(mnuBearbeiten, "mnuSprachAusgEinst", QStringLiteral("S&prachausgabe ..."),
                     this, &VarkuForm::mnuSprachAusgEinst_Click);

    mnuHilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    mnuHilfe->setObjectName(QStringLiteral("mnuHilfe"));
    mnuInfo = menueEintrag(mnuHilfe, "mnuInfo", QStringLiteral("&Info über ..."), this,
                           &VarkuForm::mnuInfo_Click);
    mnuHilfe->addSeparator();
    mnuBedienung = menueEintrag(mnuHilfe, "mnuBedienung", QStringLiteral("&Bedienungshinweise ..."),
                                this, &VarkuForm::mnuBedienung_Click);
    mnuRechtschreibregeln =
        menueEintrag(mnuHilfe, "mnuRechtschreibregeln", QStringLiteral("&Rechtschreibregeln ..."),
                     this, &VarkuForm::mnuRechtschreibregeln_Click);
    mnuHilfeAktKat =
        menueEintrag(mnuHilfe, "mnuHilfeAktKat", QStringLiteral("Übungs&schwerpunkt ..."), this,
                     &VarkuForm::mnuHilfeAktKat_Click);

    // Drucken erst mit Schwerpunkt und Spielern, Spiele ab 1000 Punkten, die Hilfe zum
    // Schwerpunkt, sobald der Dialog benutzt wurde
    mnuDrucken->setEnabled(false);
    mnuSpiele->setEnabled(false);
    mnuHilfeAktKat->setEnabled(false);
}

void VarkuForm::passeGroesseAn() {
    // nie kleiner als der Entwurf; die Mindestgröße folgt der Fläche, wenn die Schrift wächst
    setMinimumSize(minimumSizeHint().expandedTo(sizeHint()));
    if (width() < minimumWidth() || height() < minimumHeight())
        resize(size().expandedTo(minimumSize()));
}

void VarkuForm::Form_Load() {
    // 1. alte Texte weg
    LesenLabel->clear();
    LesenKontLabel->clear();
    SchreibenKontLabel->clear();
    SchreibenTextfeld->clear();
    // 3., 4. Startwerte und Einstellungen
    glob.setzePfade();
    uebung.lade(dienste::uhr().jetzt());
    setzeSprachAusgabe();
    // 5. Klänge: sie fragen die Einstellung, die der Dialog mit OK setzt; der Dialog lebt von
    // hier an (gebaut vielleicht schon während des Logos), jedes Laden des Hauptfensters lädt
    // ihn neu
    EinstellFrm::lade(glob);
    setzeTonSchalter([this] { return glob.einst.TonEinschalten; });
    ladeSoundIni();
    spieleSound(QStringLiteral("ProgrammStart"));
    // 7. die Wortdatenbank
    uebung.wortDb.oeffneWortDatenbank(imProgrammordner(QStringLiteral("Varku-D.sqlite")));
    // 8. Tasten aus, Schrift, Anordnung, Punktemesser
    setSFModus(false);
    uebung.lesezeitAktiv = false;
    wendeTextFontAn(glob.einst, QString());
    uebung.schreibenBegonnen = false;
    SchreibenTextfeld->setEnabled(false);
    NameLabel->setText(QStringLiteral("[kein Name]"));
    vuPunkteImage->setzeZeigerSichtbar(true);
    drawVuZeiger(0);
    // 2. die Größe des Entwurfs, in der Mitte des Bildschirms
    passeGroesseAn();
    resize(minimumSize());
    if (QScreen* s = QGuiApplication::primaryScreen())
        setzeLage(*this, s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    // 9. Der Zufall ist beim Start einmal gesät.
}

void VarkuForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!m_aktiviert) {
        m_aktiviert = true;
        QTimer::singleShot(0, this, [this] { amRand([this] { Form_Activate(); }); });
    }
}

void VarkuForm::Form_Activate() {
    if (!uebung.uebungGewaehlt && glob.einst.AutoDialog) {
        mnuUebung_Click();
        mnuSpielerliste_Click();
    }
}

void VarkuForm::meldung(const QString& text, const QString& titel) {
    Meldungstext = text;
    zeigeMeldung(Meldungstext, QStringLiteral("&OK"), QString(), titel);
}

void VarkuForm::zeigeUebSchwerpunkt(const QString& titel, const QString& bildPfad) {
    UebTitelLabel->setText(titel);
    QPixmap bild;
    bild.load(bildPfad);
    UebBausteinImage->setPixmap(bild);
}

void VarkuForm::zeigeWortwahl(const Uebung::Wortwahl& wahl) {
    if (wahl.keineAufnahme)
        meldung(QStringLiteral("Für das ausgewählte Übungswort liegt\rkeine Sprachaufnahme vor."),
                QStringLiteral("Fehler"));
}

void VarkuForm::zeigeSpielerZaehler(const Statistik& s) {
    zeigeZaehler(0, formatiereAnzahl(s.woerter));
    zeigeZaehler(1, formatiereAnzahl(s.richtig));
    zeigeZaehler(2, formatiereZeit(0));
    zeigeZaehler(3, formatiereZeit(s.lesezeitSchnitt()));
}

void VarkuForm::zeigeSpieler() {
    NameLabel->setText(uebung.spielerName());
    zeigeSpielerZaehler(uebung.statistik());
}

void VarkuForm::beginneUebung() {
    const Uebung::Beginn b = uebung.beginneUebung();
    if (b.keineWoerter) {
        // Eine leere Kategorie bietet nichts zu wählen: die Tasten bleiben aus.
        setSFModus(false);
        spieleSound(QStringLiteral("ProgrammMeldung"));
        meldung(QStringLiteral("Zu diesem Übungsschwerpunkt gibt es\r") +
                    (uebung.nurGws ? QStringLiteral("im Grundwortschatz keine Wörter.\r")
                                   : QStringLiteral("keine Wörter.\r")) +
                    QStringLiteral("Wähle bitte einen anderen aus."),
                QStringLiteral("Keine Wörter"));
        return;
    }
    // das neue Wort wird frisch vorgelegt, auch wenn das alte halb geschrieben war
    zeigeFrischesWort(glob.einst.BeispielSatz, glob.einst.Nachschreiben);
    zeigeWortwahl(b.wahl);
    wendeTextFontAn(glob.einst, uebung.wortDb.Kontext);
}

void VarkuForm::mnuUebung_Click() {
    UebschwForm& f = UebschwForm::instanz(uebung);
    connect(&f, &UebschwForm::zeigeSchwerpunkt, this, &VarkuForm::zeigeUebSchwerpunkt,
            Qt::UniqueConnection);
    dienste::anzeige().zeigeModal(f);
    if (uebung.uebungGewaehlt) {
        if (uebung.nSpieler() >= 1)
            beginneUebung();
        UebTitelLabel->setStyleSheet(rot);
        mnuHilfeAktKat->setEnabled(true);
    }
    setzeSprachAusgabe();
    setzeHilfeKontext();
    mnuHilfeAktKat->setEnabled(true);
}

void VarkuForm::mnuSpielerliste_Click() {
    dienste::anzeige().zeigeModal(SpielerListeFrm::instanz(uebung));
    if (uebung.nSpieler() == 0) {
        NameLabel->setText(QStringLiteral("[kein Name]"));
        drawVuZeiger(0);
        setSFModus(false);
    } else {
        NameLabel->setStyleSheet(rot);
        uebung.aktSpieler = 0;
        zeigeSpieler();
    }
    if (uebung.bereit())
        beginneUebung();
    setzeSprachAusgabe();
}

void VarkuForm::mnuEinstellungen_Click() {
    EinstellFrm& f = EinstellFrm::instanz(glob);
    // OK übernimmt Übungsform und Sprachausgabe, noch bevor der Dialog zurückkehrt
    connect(&f, &EinstellFrm::einstellungenUebernommen, this, &VarkuForm::setzeSprachAusgabe,
            Qt::UniqueConnection);
    dienste::anzeige().zeigeModal(f);
    if (textFontGeaendert(glob.einst)) {
        wendeTextFontAn(glob.einst, uebung.wortDb.Kontext);
        passeGroesseAn();
    }
    if (glob.einst.Nachschreiben)
        return;
    if (glob.einst.TextToSpeech) {
        dienste::sprache().setzeSichtbar(true);
        DirSp->setVisible(true);
    } else if (uebung.bereit() && uebung.AnzahlWoerter() > 0 && uebung.wortDb.stehtAufWort() &&
               !uebung.wortDb.ladeAufnahme()) {
        zeigeWortwahl(Uebung::Wortwahl{true, true});
    }
}

void VarkuForm::mnuNeu_Click() {
    mnuUebung->setEnabled(true);
    drawVuZeiger(uebung.SitzungsPunkte);
    if (!uebung.neueRunde(sekundenJetzt(), leseMaxSpielDauer(GlobModul::iniDatei())))
        return;
    // die Spiele gibt es wieder ab 1000 Punkten
    mnuSpiele->setEnabled(uebung.SitzungsPunkte >= 1000);
    drawVuZeiger(uebung.SitzungsPunkte);
    initTasten(glob.einst.Nachschreiben);
    if (uebung.nSpieler() >= 1)
        zeigeSpieler();
    zeigeFrischesWort(glob.einst.BeispielSatz, glob.einst.Nachschreiben);
    mnuNeu->setText(QStringLiteral("&Neu"));
}

void VarkuForm::mnuDateiInfo_Click() {
    dienste::anzeige().zeigeModal(DateiInfoFrm::instanz());
}

void VarkuForm::mnuDrucken_Click() {
    DruckFrm& f = DruckFrm::instanz(uebung);
    f.schwerpunkt = UebTitelLabel->text();
    dienste::anzeige().zeigeModal(f);
    // Wie der Dialog auch verschwand: die Protokolldatei ist wieder offen, sonst scheiterte
    // das nächste Wortende.
    if (uebung.bereit() && !uebung.protokoll.offen() && uebung.aktSpieler < uebung.nSpieler())
        uebung.oeffneProtokoll();
}

void VarkuForm::mnuSpiele_Click() {
    RsSpieleFrm& f = RsSpieleFrm::instanz();
    connect(&f, &RsSpieleFrm::starteSpiel, this, &VarkuForm::starteSpiel, Qt::UniqueConnection);
    dienste::anzeige().zeigeModal(f);
}

void VarkuForm::starteSpiel(int i) {
    const QString name = RsSpieleFrm::instanz().spielDatei(i);
    if (name.trimmed().isEmpty()) {
        meldung(QStringLiteral("Fehler in der Datei <Varku.ini>.\rAngabe der Datei <") +
                    QString::number(i) + QStringLiteral("> fehlt."),
                QStringLiteral("Fehler"));
        return;
    }
    // ein Eintrag, der aus dem Programmordner hinaus zeigt, startet nichts
    if (!istSpielname(name)) {
        meldung(QStringLiteral("Fehler in der Datei <Varku.ini>.\rDas Spiel <") + name +
                    QStringLiteral("> lässt sich nicht starten:\rein Spiel steht im "
                                   "Programmordner, ohne Pfad."),
                QStringLiteral("Fehler"));
        return;
    }
    mnuSpiele->setEnabled(false);
    const Tastenstand tasten = tastenStand();
    setSFModus(false);
    const Uebung::VorDemSpiel vorher = uebung.starteSpiel(sekundenJetzt());
    drawVuZeiger(0);
    mnuNeu->setText(QStringLiteral("&Fortsetzen"));
    const QString parameter = bildeStartParameter(uebung.startParameter(glob.einst.LeseLupe));
    m_spielLaeuft = true;
    const bool gestartet =
        dienste::prozess().starteUndWarte(imProgrammordner(name), QStringList{parameter});
    m_spielLaeuft = false;
    if (gestartet)
        return;
    // Das Spiel kam nicht zustande: die Übung geht weiter wie vor dem Start.
    uebung.spielNichtGestartet(vorher);
    setzeTastenStand(tasten);
    drawVuZeiger(uebung.SitzungsPunkte);
    mnuNeu->setText(QStringLiteral("&Neu"));
    mnuSpiele->setEnabled(true);
    spieleSound(QStringLiteral("ProgrammMeldung"));
    meldung(QStringLiteral("Das Spiel ") + name +
                QStringLiteral(" lässt sich nicht starten.\rDie Übung geht weiter."),
            QStringLiteral("Fehler"));
}

void VarkuForm::mnuEnde_Click() {
    bool ende = false;
    beendeProgramm(ende);
}

void VarkuForm::mnuSprachAusgEinst_Click() {
    dienste::anzeige().zeigeModal(SprAusgEinstFrm::instanz(glob));
}

void VarkuForm::mnuInfo_Click() {
    InfoFrm info({QStringLiteral("Rahmenprogramm"), QStringLiteral("VARKU"),
                  QStringLiteral("Rechtschreiben üben für Kinder"), versionsText(),
                  QStringLiteral("InfoBild.png")});
    dienste::anzeige().zeigeModal(info);
}

void VarkuForm::mnuBedienung_Click() {
    oeffneHilfe(QStringLiteral("Varku.chm"), HilfeEngine::Standardthema);
}

void VarkuForm::mnuRechtschreibregeln_Click() {
    oeffneHilfe(QStringLiteral("Ruvo.chm"), HilfeEngine::Standardthema);
}

void VarkuForm::mnuHilfeAktKat_Click() {
    zeigeHilfeZumSchwerpunkt();
}

QString VarkuForm::holeVorname(int spieler) const {
    return varku::holeVorname(uebung.gruppe.name(spieler));
}

void VarkuForm::zeigenTaste_Click() {
    LesenFrame->setTitle(QStringLiteral("lesen"));
    if (mnuUebung->isEnabled())
        mnuUebung->setEnabled(false);
    mnuEinstellungen->setEnabled(false);
    uebung.zeigen(sekundenJetzt());
    SwitchLampe(1, Lampenzustand::Gruen);
    SwitchLampe(2, Lampenzustand::Gruen);
    const rdbManager& w = uebung.wortDb;
    zeigeWort(w.Kontext, w.Wort);
    if (glob.einst.LeseLupe)
        setzeLupe(w.Wort, w.lupe());
    zeigeZaehler(0, formatiereAnzahl(uebung.statistik().woerter));
    zeigenTaste->setEnabled(false);
    bereiteSchreibfeld(w.Kontext);
    if (glob.einst.BeispielSatz) {
        zeigeBeispielSatz(w.Beispielsatz);
        SwitchLampe(0, Lampenzustand::Gruen);
    }
}

void VarkuForm::diktierTaste_Click() {
    if (mnuUebung->isEnabled())
        mnuUebung->setEnabled(false);
    LesenFrame->setTitle(QStringLiteral("hören"));
    SwitchLampe(1, Lampenzustand::Gruen);
    SwitchLampe(2, Lampenzustand::Gruen);
    const QString text = uebung.diktieren();
    const rdbManager& w = uebung.wortDb;
    if (glob.einst.BeispielSatz) {
        zeigeBeispielSatz(w.Beispielsatz);
        SwitchLampe(0, Lampenzustand::Gruen);
    }
    if (!uebung.schreibenBegonnen)
        bereiteSchreibfeld(w.Kontext);
    SchreibenTextfeld->setReadOnly(false);
    SchreibenTextfeld->setEnabled(true);
    if (glob.einst.TextToSpeech)
        dienste::sprache().sprich(text);
    else
        spieleWortDatei(w.WaveDat);
    zeigeZaehler(0, formatiereAnzahl(uebung.statistik().woerter));
    zeigenTaste->setEnabled(false);
    if (!uebung.schreibenBegonnen)
        SchreibenTextfeld->setFocus();
}

bool VarkuForm::SchreibenTextfeld_KeyPress(int keyAscii) {
    if (uebung.ersteTaste(sekundenJetzt())) {
        SwitchLampe(1, Lampenzustand::Rot);
        leereWort();
        WortendeTaste->setEnabled(true);
        return true; // die Taste geht ins Feld; ein Enter beginnt nur das Schreiben
    }
    if (keyAscii == 13) {
        WortendeTaste->setEnabled(true);
        WortendeTaste->setFocus();
        WortendeTaste_Click();
        return false;
    }
    return true;
}

void VarkuForm::WortendeTaste_Click() {
    SwitchLampe(2, Lampenzustand::Aus);
    SwitchLampe(1, Lampenzustand::Aus);
    const Uebung::Wortende e = uebung.wortende(SchreibenTextfeld->text());
    if (e.lesezeitGemessen) {
        zeigeZaehler(2, formatiereZeit(e.lesezeit));
        zeigeZaehler(3, formatiereZeit(e.lesezeitSchnitt));
    }
    if (e.richtig)
        zeigeRichtigesWort(e);
    else
        zeigeFalschesWort(e);
}

void VarkuForm::zeigeRichtigesWort(const Uebung::Wortende& e) {
    mnuEinstellungen->setEnabled(true);
    SchreibenTextfeld->clear();
    SchreibenKontLabel->clear();
    versteckeBeispielSatz();
    if (glob.einst.BeispielSatz)
        SwitchLampe(0, Lampenzustand::Rot);
    spieleSound(QStringLiteral("Annahme1"));
    initTasten(glob.einst.Nachschreiben);
    loeschTaste->setEnabled(false);
    WortendeTaste->setEnabled(false);
    SchreibenTextfeld->setEnabled(false);

    if (e.ersterVersuch)
        zeigeZaehler(1, formatiereAnzahl(e.richtigeWoerter));
    if (mnuUebung->isEnabled() && uebung.SitzungsPunkte >= 1)
        mnuUebung->setEnabled(false);
    drawVuZeiger(uebung.SitzungsPunkte);
    if (e.glueckwunsch) {
        zeigenTaste->setEnabled(false);
        diktierTaste->setEnabled(false);
        spieleSound(QStringLiteral("Gratulation1"));
        meldung(QStringLiteral("Herzlichen Glückwunsch!\r\r") +
                    duOderIhr(uebung.nSpieler(), QStringLiteral("Du hast"),
                              QStringLiteral("Ihr habt")) +
                    QStringLiteral(" die erforderlichen 1000 Punkte\r"
                                   "erreicht. Der Zugang zu den Spielen\r"
                                   "wird nun von VARKU freigeschaltet ..."),
                QStringLiteral("Glückwunsch"));
        mnuSpiele->setEnabled(true);
        mnuDrucken->setEnabled(true);
    }
    if (e.uebergabe) {
        spieleSound(QStringLiteral("Gratulation2"));
        meldung(QStringLiteral("Geschafft, ") + e.abgebender +
                    QStringLiteral("!\rDu darfst dich ein wenig ausruhen."),
                QStringLiteral("Spielerwechsel"));
        NameLabel->setText(uebung.spielerName());
        zeigeSpielerZaehler(e.neuerSpieler);
    }
    zeigeWortwahl(e.naechstes);
}

void VarkuForm::zeigeFalschesWort(const Uebung::Wortende& e) {
    LesenFrame->setTitle(QStringLiteral("lesen"));
    SwitchLampe(1, Lampenzustand::Gruen);
    SwitchLampe(2, Lampenzustand::Rot);
    mnuEinstellungen->setEnabled(false);
    const rdbManager& w = uebung.wortDb;
    zeigeWort(w.Kontext, w.Wort);
    // die Lupe zeigt sich hier, was die Einstellung auch sagt
    setzeLupe(w.Wort, w.lupe());
    fehlerMeldung(e.lupenFehler, e.eingabe);
    SchreibenTextfeld->setReadOnly(true);
    loeschTaste->setEnabled(true);
    WortendeTaste->setEnabled(false);
    diktierTaste->setEnabled(false);
    loeschTaste->setFocus();
}

void VarkuForm::loeschTaste_Click() {
    uebung.loeschen();
    leereWort();
    SchreibenTextfeld->clear();
    SchreibenKontLabel->clear();
    SchreibenTextfeld->setEnabled(false);
    loeschTaste->setEnabled(false);
    WortendeTaste->setEnabled(false);
    QPushButton* taste = glob.einst.Nachschreiben ? zeigenTaste : diktierTaste;
    taste->setEnabled(true);
    taste->setFocus();
    LesenFrame->setTitle(glob.einst.Nachschreiben ? QStringLiteral("lesen")
                                                  : QStringLiteral("hören"));
    mnuEinstellungen->setEnabled(true);
    versteckeBeispielSatz();
    SwitchLampe(1, Lampenzustand::Rot);
    if (glob.einst.BeispielSatz)
        SwitchLampe(0, Lampenzustand::Rot);
}

void VarkuForm::fehlerMeldung(bool lupenFehlerDa, const QString& eingabe) {
    FehlerMldFrm& f = FehlerMldFrm::instanz();
    const QString text =
        lupenFehlerDa ? QStringLiteral("Da stimmt aber etwas nicht.\rAchte beim Schreiben bitte\r"
                                       "immer auf die Lupenstelle! \rProbiere es noch einmal.")
                      : QStringLiteral("Da stimmt aber etwas nicht! \rDrücke die Löschen-Taste\r"
                                       "und probiere es dann noch\reinmal.");
    const bool sprechen = !glob.einst.Nachschreiben && glob.einst.TextToSpeech;
    f.WortSprBtn->setEnabled(sprechen);
    f.FehlerSprBtn->setEnabled(sprechen);
    const rdbManager& w = uebung.wortDb;
    f.wortText = w.Kontext + QLatin1Char(' ') + w.Wort;
    f.eingabeText = w.Kontext + QLatin1Char(' ') + eingabe;
    spieleSound(QStringLiteral("LeichterFehler"));
    f.FehlerNameLbl->setText(QStringLiteral("Hoppla, ") + holeVorname(uebung.aktSpieler) +
                             QStringLiteral("!"));
    f.FehlerHinweisLbl->setText(alsAnzeigeText(text));
    f.adjustSize();

    // neben das Getippte, unter den Schreibrahmen; zu weit rechts: in die Ecke des Fensters
    const QRectF fenster(twips(x()), twips(y()), twips(frameGeometry().width()),
                         twips(frameGeometry().height()));
    const QPoint flaeche = Uebungsflaeche->mapTo(this, QPoint(0, 0));
    const QRectF rahmen = rechteckTwips(*SchreibenFrame);
    const QRectF feld = rechteckTwips(*SchreibenTextfeld);
    const double breite = twips(f.width()), hoehe = twips(f.height());
    double links = fenster.left() + twips(flaeche.x()) + rahmen.left() + feld.left() +
                   textBreite(wortSchrift(), eingabe) + 200;
    double oben = fenster.top() + twips(flaeche.y()) + rahmen.top() + rahmen.height() + 300;
    if (links + breite > fenster.left() + fenster.width()) {
        links = fenster.left() + fenster.width() - breite;
        oben = fenster.top() + fenster.height() - hoehe;
    }
    f.move(px(links), px(oben));
    dienste::anzeige().zeigeModal(f);
}

void VarkuForm::spieleWortDatei(const QString& name) {
    if (name.isEmpty()) {
        meldung(QStringLiteral("Für dieses Wort ist keine\rSprachausgabe verfügbar."),
                QStringLiteral("Info"));
        return;
    }
    // die Aufnahmen werden genau verglichen: ".wav" ist nicht ".WAV"
    const QString datei = name + QStringLiteral(".WAV");
    if (dateiGenauVorhanden(glob.SprachPfad, datei)) {
        dienste::sound().spiele(glob.SprachPfad + QLatin1Char('/') + datei);
        return;
    }
    meldung(QStringLiteral("Datei ") + datei + QStringLiteral(" nicht gefunden."),
            QStringLiteral("Info"));
}

void VarkuForm::setzeSprachAusgabe() {
    Sprachausgabe& sprache = dienste::sprache();
    // was [TextToSpeech] nicht nennt, nimmt die Ausgabe, wie sie von sich aus steht
    ergaenzeSprachStandard(glob.sprache, sprache.lautstaerke(), sprache.geschwindigkeit(),
                           sprache.stimmlage());
    const SprachEinstellungen& s = glob.sprache;
    sprache.setzeStimme(s.Modus);
    sprache.setzeLautstaerke(s.Lautstaerke);
    sprache.setzeStimmlage(s.Stimmlage);
    sprache.setzeGeschwindigkeit(s.Geschwindigkeit);
    const VarkuEinstellungen& e = glob.einst;
    if (e.BeispielSatz)
        SwitchLampe(0, Lampenzustand::Rot);
    if (!uebung.bereit())
        return;
    SwitchDigAnzOn();
    const auto zeigeSprache = [&](bool ein) {
        sprache.setzeSichtbar(ein);
        DirSp->setVisible(ein);
    };
    if (!e.Nachschreiben) {
        zeigeSprache(e.TextToSpeech);
        SwitchUebModus(0);
    } else {
        SwitchUebModus(1);
        zeigeSprache(false);
    }
    mnuDrucken->setEnabled(true);
    // ohne Wörter gibt es nichts zu zeigen oder zu diktieren; nach einem Spiel geht es erst mit
    // "Fortsetzen" weiter, denn bis dahin ist keine Protokolldatei offen
    if (uebung.SitzungsPunkte < 1000 && uebung.AnzahlWoerter() > 0 && !uebung.spielLief)
        initTasten(e.Nachschreiben);
}

void VarkuForm::beendeProgramm(bool& ende) {
    const QString frage = duOderIhr(
        uebung.nSpieler(), QStringLiteral("Bist du wirklich sicher, dass du VARKU beenden willst?"),
        QStringLiteral("Seid ihr wirklich sicher, dass ihr VARKU beenden wollt?"));
    if (EndeFrm::instanz().frage(frage) == QStringLiteral("nein")) {
        ende = false;
        return;
    }
    ende = true;
    spieleSound(QStringLiteral("ProgrammEnde"));
    // Die Frage ist fort und das Fenster neu gezeichnet, bevor das Programm wartet.
    repaint();
    warte(3);
    if (glob.einst.EinstellungenSpeichern) {
        if (glob.varkuIniGeaendert)
            saveVarkuIni(GlobModul::iniDatei(), glob.einst);
        if (glob.sprachIniGeaendert)
            saveTextToSpeechIni(GlobModul::iniDatei(), glob.sprache);
    }
    schliesseHilfe(QStringLiteral("Ruvo.chm"));
    schliesseHilfe(QStringLiteral("Varku.chm"));
    uebung.schliesseProtokoll();
    uebung.gruppe.loescheAlleProtokolle();
    schliesseSound();
    // Das Verbergen beendet die modale Anzeige; danach endet das Programm.
    m_beendet = true;
    hide();
}

void VarkuForm::closeEvent(QCloseEvent* e) {
    // das Schließfeld ist ein Rand: was dort scheitert, endet nicht in Qt
    e->ignore();
    amRand([&] {
        // während eines Spiels liest es die Protokolldateien: das Schließfeld bleibt ohne Wirkung
        if (m_spielLaeuft) {
            e->ignore();
            return;
        }
        if (m_beendet) {
            e->accept();
            return;
        }
        bool ende = false;
        beendeProgramm(ende);
        if (ende)
            e->accept();
        else
            e->ignore();
    });
}

} // namespace varku
