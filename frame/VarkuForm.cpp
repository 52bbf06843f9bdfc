#include "frame/VarkuForm.h"

#include "foundation/DateiInfoFrm.h"
#include "foundation/EndeFrm.h"
#include "foundation/Global.h"
#include "foundation/Hilfe.h"
#include "foundation/HilfeKontext.h"
#include "foundation/MldFenster.h"
#include "foundation/Routinen.h"
#include "foundation/Sound.h"
#include "foundation/Twips.h"
#include "foundation/Zahlenwert.h"
#include "frame/Anzeigeelemente.h"
#include "frame/GlobModul.h"
#include "frame/InfoFrm.h"
#include "frame/Protokoll.h"
#include "frame/Punkte.h"
#include "frame/Spieler.h"
#include "frame/SpielerListeFrm.h"
#include "frame/UebschwForm.h"
#include "frame/VarkuIni.h"
#include "frame/Wortwahl.h"
#include "frame/rdbManager.h"
#include "platform/Dienste.h"
#include "platform/HilfeEngine.h"

#include <QCloseEvent>
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
VarkuForm* g_hauptfenster = nullptr;

// Entwurfsmaße der Übungsfläche in Twips
constexpr double flaecheBreite = 15300, flaecheHoehe = 8400;
constexpr double linksSpalte = 960, spaltenBreite = 9600;
constexpr double rahmenHoehe = 1800;
} // namespace

VarkuForm* VarkuForm::hauptfenster() {
    return g_hauptfenster;
}

VarkuForm::VarkuForm() {
    g_hauptfenster = this;
    setObjectName(QStringLiteral("VarkuForm"));
    setWindowTitle(QStringLiteral("VARKU"));
    baueMenues();
    baueUebungsflaeche();
    connect(&UebschwForm::instanz(), &UebschwForm::zeigeSchwerpunkt, this,
            &VarkuForm::zeigeUebSchwerpunkt);
    Form_Load();
}

VarkuForm::~VarkuForm() {
    if (g_hauptfenster == this)
        g_hauptfenster = nullptr;
}

void VarkuForm::baueMenues() {
    const auto eintrag = [this](QMenu* menue, const char* name, const QString& text,
                                void (VarkuForm::*slot)()) {
        QAction* a = menue->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    mnuDatei = menuBar()->addMenu(QStringLiteral("&Datei"));
    mnuDatei->setObjectName(QStringLiteral("mnuDatei"));
    mnuNeu = eintrag(mnuDatei, "mnuNeu", QStringLiteral("&Neu"), &VarkuForm::mnuNeu_Click);
    mnuUebung = eintrag(mnuDatei, "mnuUebung", QStringLiteral("Ü&bungsschwerpunkt ..."),
                        &VarkuForm::mnuUebung_Click);
    mnuDatei->addSeparator();
    mnuDateiInfo = eintrag(mnuDatei, "mnuDateiInfo", QStringLiteral("&Info ..."),
                           &VarkuForm::mnuDateiInfo_Click);
    mnuDrucken = eintrag(mnuDatei, "mnuDrucken", QStringLiteral("&Drucken ..."),
                         &VarkuForm::mnuDrucken_Click);
    mnuDatei->addSeparator();
    mnuSpiele = eintrag(mnuDatei, "mnuSpiele", QStringLiteral("&Spiel starten ..."),
                        &VarkuForm::mnuSpiele_Click);
    mnuDatei->addSeparator();
    mnuEnde = eintrag(mnuDatei, "mnuEnde", QStringLiteral("&Ende ..."), &VarkuForm::mnuEnde_Click);

    mnuBearbeiten = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    mnuBearbeiten->setObjectName(QStringLiteral("mnuBearbeiten"));
    mnuSpielerliste = eintrag(mnuBearbeiten, "mnuSpielerliste", QStringLiteral("&Spielerliste ..."),
                              &VarkuForm::mnuSpielerliste_Click);
    mnuBearbeiten->addSeparator();
    mnuEinstellungen =
        eintrag(mnuBearbeiten, "mnuEinstellungen", QStringLiteral("&Einstellungen ..."),
                &VarkuForm::mnuEinstellungen_Click);
    mnuSprachAusgEinst =
        eintrag(mnuBearbeiten, "mnuSprachAusgEinst", QStringLiteral("S&prachausgabe ..."),
                &VarkuForm::mnuSprachAusgEinst_Click);

    mnuHilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    mnuHilfe->setObjectName(QStringLiteral("mnuHilfe"));
    mnuInfo =
        eintrag(mnuHilfe, "mnuInfo", QStringLiteral("&Info über ..."), &VarkuForm::mnuInfo_Click);
    mnuHilfe->addSeparator();
    mnuBedienung = eintrag(mnuHilfe, "mnuBedienung", QStringLiteral("&Bedienungshinweise ..."),
                           &VarkuForm::mnuBedienung_Click);
    mnuRechtschreibregeln =
        eintrag(mnuHilfe, "mnuRechtschreibregeln", QStringLiteral("&Rechtschreibregeln ..."),
                &VarkuForm::mnuRechtschreibregeln_Click);
    mnuHilfeAktKat = eintrag(mnuHilfe, "mnuHilfeAktKat", QStringLiteral("Übungs&schwerpunkt ..."),
                             &VarkuForm::mnuHilfeAktKat_Click);

    // Drucken erst mit Schwerpunkt und Spielern, Spiele ab 1000 Punkten, die Hilfe zum
    // Schwerpunkt, sobald der Dialog benutzt wurde
    mnuDrucken->setEnabled(false);
    mnuSpiele->setEnabled(false);
    mnuHilfeAktKat->setEnabled(false);
}

void VarkuForm::baueUebungsflaeche() {
    auto* flaeche = new QWidget(this);
    flaeche->setObjectName(QStringLiteral("Uebungsflaeche"));
    flaeche->setAutoFillBackground(true);
    QPalette pal = flaeche->palette();
    pal.setColor(QPalette::Window, QColor(236, 244, 252));
    flaeche->setPalette(pal);
    flaeche->setFixedSize(px(flaecheBreite), px(flaecheHoehe));
    setCentralWidget(flaeche);

    const auto beschriftung = [](QLabel* l, const char* name) {
        l->setObjectName(QString::fromLatin1(name));
        l->setTextFormat(Qt::PlainText);
        return l;
    };

    // Übungsschwerpunkt mit seinem Bild; an seiner Stelle steht der Beispielsatz
    UebRahmen = new QFrame(flaeche);
    UebRahmen->setObjectName(QStringLiteral("UebRahmen"));
    UebRahmen->setStyleSheet(QStringLiteral(
        "#UebRahmen { background: white; border: 2px solid #9cc3e6; border-radius: 10px; }"));
    setzeTwips(*UebRahmen, linksSpalte, 180, spaltenBreite, 1560);
    UebBausteinImage = beschriftung(new QLabel(UebRahmen), "UebBausteinImage");
    setzeTwips(*UebBausteinImage, 60, 60, 1440, 1440);
    UebBausteinImage->setScaledContents(true);
    UebTitelLabel = beschriftung(new QLabel(UebRahmen), "UebTitelLabel");
    setzeTwips(*UebTitelLabel, 1680, 60, spaltenBreite - 1800, 1440);
    UebTitelLabel->setWordWrap(true);
    QFont titel = font();
    titel.setPointSize(18);
    titel.setBold(true);
    UebTitelLabel->setFont(titel);
    UebTitelLabel->setText(QStringLiteral("Wähle einen Übungsschwerpunkt."));
    SatzBspLbl = beschriftung(new QLabel(UebRahmen), "SatzBspLbl");
    setzeTwips(*SatzBspLbl, 1680, 60, spaltenBreite - 1800, 1440);
    m_satzFont = font();
    m_satzFont.setPointSize(18);
    SatzBspLbl->setFont(m_satzFont);
    SatzBspLbl->setStyleSheet(QStringLiteral("color: #1f4f8a;"));
    SatzBspLbl->setVisible(false);

    // Lesen und Schreiben
    const auto rahmen = [&](const char* name, const QString& titelText, double oben) {
        auto* g = new QGroupBox(titelText, flaeche);
        g->setObjectName(QString::fromLatin1(name));
        setzeTwips(*g, linksSpalte, oben, spaltenBreite, rahmenHoehe);
        QFont f = g->font();
        f.setPointSize(12);
        f.setBold(true);
        g->setFont(f);
        return g;
    };
    LesenFrame = rahmen("LesenFrame", QStringLiteral("lesen"), 1920);
    SchreibenFrame = rahmen("SchreibenFrame", QStringLiteral("schreiben"), 3960);
    LesenKontLabel = beschriftung(new QLabel(LesenFrame), "LesenKontLabel");
    LesenLabel = beschriftung(new QLabel(LesenFrame), "LesenLabel");
    LeseLupe = new QFrame(LesenFrame);
    LeseLupe->setObjectName(QStringLiteral("LeseLupe"));
    LeseLupe->setStyleSheet(QStringLiteral("#LeseLupe { background: rgba(255, 220, 60, 90); "
                                           "border: 3px solid #e0a000; border-radius: 6px; }"));
    LeseLupe->setAttribute(Qt::WA_TransparentForMouseEvents);
    LeseLupe->setVisible(false);
    SchreibenKontLabel = beschriftung(new QLabel(SchreibenFrame), "SchreibenKontLabel");
    SchreibenTextfeld = new Schreibfeld(SchreibenFrame);
    SchreibenTextfeld->beiTaste = [this](int code) { return SchreibenTextfeld_KeyPress(code); };
    SchreibenTextfeld->setStyleSheet(QStringLiteral(
        "QLineEdit { background: white; border: 2px solid #7aa7d6; border-radius: 6px; }"
        "QLineEdit:disabled { background: #eef2f6; border-color: #c8d2dc; }"));
    for (QLabel* l : {LesenKontLabel, SchreibenKontLabel})
        l->setStyleSheet(QStringLiteral("color: #555;"));

    // die vier Tasten
    const auto taste = [&](const char* name, const QString& text, int i,
                           void (VarkuForm::*slot)()) {
        auto* b = new QPushButton(text, flaeche);
        b->setObjectName(QString::fromLatin1(name));
        setzeTwips(*b, linksSpalte + i * 2460, 6000, 2250, 720);
        QFont f = b->font();
        f.setPointSize(14);
        f.setBold(true);
        b->setFont(f);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    zeigenTaste = taste("zeigenTaste", QStringLiteral("&zeigen"), 0, &VarkuForm::zeigenTaste_Click);
    diktierTaste =
        taste("diktierTaste", QStringLiteral("&diktieren"), 1, &VarkuForm::diktierTaste_Click);
    WortendeTaste =
        taste("WortendeTaste", QStringLiteral("&Wortende"), 2, &VarkuForm::WortendeTaste_Click);
    loeschTaste =
        taste("loeschTaste", QStringLiteral("&löschen"), 3, &VarkuForm::loeschTaste_Click);

    // Lampen links neben Satz, Lesen und Schreiben
    LampeAusImg = lampenBild(0, 36);
    LampeRotImg = lampenBild(1, 36);
    LampeGruenImg = lampenBild(2, 36);
    const double lampenOben[3] = {690, 2520, 4560};
    for (int i = 0; i < 3; ++i) {
        LampeImg[size_t(i)] = new QLabel(flaeche);
        LampeImg[size_t(i)]->setObjectName(QStringLiteral("LampeImg%1").arg(i));
        setzeTwips(*LampeImg[size_t(i)], 240, lampenOben[i], 540, 540);
        LampeImg[size_t(i)]->setPixmap(LampeAusImg);
    }

    // Punktemesser, Name und Zähler rechts
    vuPunkteImage = new Punktemesser(flaeche);
    setzeTwips(*vuPunkteImage, 11040, 180, 4020, 4020);
    auto* nameTitel = new QLabel(QStringLiteral("Name:"), flaeche);
    setzeTwips(*nameTitel, 11040, 4380, 900, 420);
    NameLabel = beschriftung(new QLabel(flaeche), "NameLabel");
    setzeTwips(*NameLabel, 11940, 4320, 2500, 480);
    QFont nameFont = font();
    nameFont.setPointSize(14);
    nameFont.setBold(true);
    NameLabel->setFont(nameFont);
    DirSp = beschriftung(new QLabel(flaeche), "DirSp");
    DirSp->setPixmap(lautsprecherBild(30));
    DirSp->setToolTip(QStringLiteral("Die Wörter werden vorgesprochen."));
    setzeTwips(*DirSp, 14520, 4320, 480, 480);
    DirSp->setVisible(false);

    const QString zaehlerTitel[4] = {QStringLiteral("Wörter:"), QStringLiteral("davon richtig:"),
                                     QStringLiteral("Lesezeit:"), QStringLiteral("Durchschnitt:")};
    const char* zaehlerName[4] = {"nWoerLbl", "nRichLbl", "aLzLbl", "dLzLbl"};
    std::array<QLabel*, 4>* zaehler[4] = {&nWoerLbl, &nRichLbl, &aLzLbl, &dLzLbl};
    QFont ziffer(QStringLiteral("Liberation Mono"));
    ziffer.setPointSize(18);
    ziffer.setBold(true);
    for (int z = 0; z < 4; ++z) {
        const double oben = 4980 + z * 840;
        auto* t = new QLabel(zaehlerTitel[z], flaeche);
        setzeTwips(*t, 11040, oben + 120, 1950, 420);
        for (int k = 0; k < 4; ++k) {
            auto* l = new QLabel(flaeche);
            l->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(zaehlerName[z])).arg(k));
            l->setAlignment(Qt::AlignCenter);
            l->setFont(ziffer);
            l->setAutoFillBackground(true);
            // zwischen zweiter und dritter Ziffer der Zeiten steht das Komma
            const double links = 13020 + k * 480 + ((z >= 2 && k >= 2) ? 120 : 0);
            setzeTwips(*l, links, oben, 420, 660);
            (*zaehler[z])[size_t(k)] = l;
        }
        if (z >= 2) {
            auto* komma = new QLabel(QStringLiteral(","), flaeche);
            komma->setFont(ziffer);
            setzeTwips(*komma, 13980, oben + 60, 150, 600);
        }
    }
    for (auto* reihe : zaehler)
        for (QLabel* l : *reihe) {
            l->setText(QStringLiteral("0"));
            l->setStyleSheet(
                QStringLiteral("background: #1d2530; color: #6b7480; border-radius: 4px;"));
        }
}

void VarkuForm::Form_Load() {
    // 1. alte Texte weg
    LesenLabel->clear();
    LesenKontLabel->clear();
    SchreibenKontLabel->clear();
    SchreibenTextfeld->clear();
    // 2. die Mindesthöhe des Fensters; der Rest folgt aus der Übungsfläche
    setMinimumHeight(px(6630));
    // adjustSize begrenzte auf zwei Drittel des Bildschirms; die Fläche braucht ihre ganze Größe
    resize(sizeHint());
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect frei = s->availableGeometry();
        move(frei.center() - QPoint(width() / 2, height() / 2));
    }
    // 3.
    sitzungsBeginn = dienste::uhr().jetzt();
    Zielpunkte = 1000;
    nSpieler = 0;
    SitzungsPunkte = 0;
    // 4. Einstellungen
    loadVarkuIni();
    loadTextToSpeechIni();
    setzeSprachAusgabe();
    // 5. Klänge
    setzeTonSchalter([] { return TonEinschalten; });
    ladeSoundIni();
    spieleSound(QStringLiteral("ProgrammStart"));
    // 6., 7. Schwerpunkt und Wortdatenbank
    UebNr = -1;
    oeffneWortDatenbank(imProgrammordner(QStringLiteral("Varku-D.sqlite")));
    // 8. Tasten aus, Schrift, Anordnung, Punktemesser
    setSFModus(false);
    wendeTextFontAn();
    ordneSenkrechtAn();
    schreibenBegonnen = false;
    SchreibenTextfeld->setEnabled(false);
    NameLabel->setText(QStringLiteral("[kein Name]"));
    vuPunkteImage->zeigerSichtbar = true;
    drawVuZeiger(0);
    // 9. Der Zufall ist beim Start einmal gesät.
    protokollDateiNr = 0;
}

void VarkuForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!m_aktiviert) {
        m_aktiviert = true;
        QTimer::singleShot(0, this, &VarkuForm::Form_Activate);
    }
}

void VarkuForm::Form_Activate() {
    if (!uebungGewaehlt && AutoDialog) {
        mnuUebung_Click();
        mnuSpielerliste_Click();
    }
}

void VarkuForm::zeigeUebSchwerpunkt(const QString& titel, const QString& bildPfad) {
    UebTitelLabel->setText(titel);
    QPixmap bild;
    bild.load(bildPfad);
    UebBausteinImage->setPixmap(bild);
}

void VarkuForm::beginneUebung() {
    if (AnzahlWoerter <= 0) {
        // Eine leere Kategorie bietet nichts zu wählen: die Tasten bleiben aus.
        setSFModus(false);
        spieleSound(QStringLiteral("ProgrammMeldung"));
        Meldungstext = QStringLiteral("Zu diesem Übungsschwerpunkt gibt es\r") +
                       (DateiInfoFrm::instanz().DatInfLbl[1]->text() == QStringLiteral("ja")
                            ? QStringLiteral("im Grundwortschatz keine Wörter.\r")
                            : QStringLiteral("keine Wörter.\r")) +
                       QStringLiteral("Wähle bitte einen anderen aus.");
        zeigeMeldung(Meldungstext, QStringLiteral("&OK"), QString(),
                     QStringLiteral("Keine Wörter"));
        return;
    }
    oeffneProtokoll();
    naechstesWort();
    wendeTextFontAn();
}

void VarkuForm::mnuUebung_Click() {
    dienste::anzeige().zeigeModal(UebschwForm::instanz());
    if (uebungGewaehlt) {
        if (nSpieler >= 1)
            beginneUebung();
        UebTitelLabel->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
        mnuHilfeAktKat->setEnabled(true);
    }
    setzeSprachAusgabe();
    setzeHilfeKontext();
    mnuHilfeAktKat->setEnabled(true);
}

void VarkuForm::mnuSpielerliste_Click() {
    dienste::anzeige().zeigeModal(SpielerListeFrm::instanz());
    if (nSpieler == 0) {
        NameLabel->setText(QStringLiteral("[kein Name]"));
        drawVuZeiger(0);
    } else {
        NameLabel->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
        aktSpieler = 0;
        NameLabel->setText(holeSpielerName(aktSpieler));
        zeigeSpielerZaehler();
    }
    if (uebungGewaehlt && nSpieler >= 1)
        beginneUebung();
    setzeSprachAusgabe();
}

void VarkuForm::mnuEinstellungen_Click() {
    // Der Einstellungsdialog gehört nicht zu diesem Stand; was danach geschieht, schon.
    if (textFontGeaendert())
        wendeTextFontAn();
    if (!Nachschreiben) {
        if (TextToSpeech) {
            if (!DirSp->isVisible())
                DirSp->setVisible(true);
        } else if (uebungGewaehlt && nSpieler >= 1 && AnzahlWoerter > 0 && !rdb.Eof() &&
                   !rdb.Bof()) {
            const db::Wert w = rdb.feld(QStringLiteral("WaveDat"));
            if (w.istNull()) {
                Meldungstext = QStringLiteral(
                    "Für das ausgewählte Übungswort liegt\rkeine Sprachaufnahme vor.");
                zeigeMeldung(Meldungstext, QStringLiteral("&OK"), QString(),
                             QStringLiteral("Fehler"));
            } else {
                WaveDat = trimme(w.alsText());
            }
        }
    }
}

void VarkuForm::mnuNeu_Click() {
    mnuUebung->setEnabled(true);
    if (SitzungsPunkte == 0 && mnuNeu->text() == QStringLiteral("&Neu"))
        return;
    drawVuZeiger(SitzungsPunkte);
    SitzungsPunkte = restPunkteNachSpiel();
    Zielpunkte = 1000 - SitzungsPunkte;
    drawVuZeiger(SitzungsPunkte);
    initTasten();
    // die Runde beginnt wieder bei Spieler 0
    if (nSpieler >= 1) {
        aktSpieler = nSpieler;
        spielerWechsel();
        oeffneProtokoll();
    }
    mnuNeu->setText(QStringLiteral("&Neu"));
}

void VarkuForm::mnuDateiInfo_Click() {
    dienste::anzeige().zeigeModal(DateiInfoFrm::instanz());
}

void VarkuForm::mnuDrucken_Click() {}

void VarkuForm::mnuSpiele_Click() {}

void VarkuForm::mnuEnde_Click() {
    bool ende = false;
    beendeProgramm(ende);
}

void VarkuForm::mnuSprachAusgEinst_Click() {}

void VarkuForm::mnuInfo_Click() {
    InfoFrm info;
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

void VarkuForm::beendeProgramm(bool& ende) {
    const QString frage =
        nSpieler < 2 ? QStringLiteral("Bist du wirklich sicher, dass du VARKU beenden willst?")
                     : QStringLiteral("Seid ihr wirklich sicher, dass ihr VARKU beenden wollt?");
    if (EndeFrm::instanz().frage(frage) == QStringLiteral("nein")) {
        ende = false;
        return;
    }
    ende = true;
    spieleSound(QStringLiteral("ProgrammEnde"));
    warte(3);
    if (EinstellungenSpeichern) {
        if (varkuIniGeaendert)
            saveVarkuIni();
        if (sprachIniGeaendert)
            saveTextToSpeechIni();
    }
    schliesseHilfe(QStringLiteral("Ruvo.chm"));
    schliesseHilfe(QStringLiteral("Varku.chm"));
    schliesseProtokoll();
    for (int i = 0; i < nSpieler; ++i)
        loescheProtokoll(SpielerDatei[size_t(i)]);
    schliesseSound();
    // Das Verbergen beendet die modale Anzeige; danach endet das Programm.
    m_beendet = true;
    hide();
}

void VarkuForm::closeEvent(QCloseEvent* e) {
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
}

} // namespace varku
