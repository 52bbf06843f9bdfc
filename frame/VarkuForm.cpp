#include "VarkuForm.h"

#include "DateiInfoFrm.h"
#include "Dienste.h"
#include "EndeFrm.h"
#include "GlobModul.h"
#include "Global.h"
#include "HilfeEngine.h"
#include "HilfeKontext.h"
#include "InfoFrm.h"
#include "Routinen.h"
#include "Sound.h"
#include "Twips.h"
#include "VarkuIni.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace varku {

VarkuForm::VarkuForm() {
    setObjectName(QStringLiteral("VarkuForm"));
    setWindowTitle(QStringLiteral("VARKU"));
    baueMenues();
    auto* mitte = new QWidget(this);
    mitte->setObjectName(QStringLiteral("Uebungsflaeche"));
    mitte->setAutoFillBackground(true);
    QPalette pal = mitte->palette();
    pal.setColor(QPalette::Window, QColor(236, 244, 252));
    mitte->setPalette(pal);
    setCentralWidget(mitte);
    Form_Load();
}

VarkuForm::~VarkuForm() = default;

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

void VarkuForm::Form_Load() {
    // Die Fensterhöhe; Breite und Rest richten sich nach dem Inhalt
    resize(px(9600), px(6630));
    sitzungsBeginn = dienste::uhr().jetzt();
    Zielpunkte = 1000;
    nSpieler = 0;
    SitzungsPunkte = 0;
    loadVarkuIni();
    loadTextToSpeechIni();
    setzeTonSchalter([] { return TonEinschalten; });
    ladeSoundIni();
    spieleSound(QStringLiteral("ProgrammStart"));
    UebNr = -1;
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

void VarkuForm::mnuNeu_Click() {
    mnuUebung->setEnabled(true);
}

void VarkuForm::mnuUebung_Click() {}

void VarkuForm::mnuDateiInfo_Click() {
    dienste::anzeige().zeigeModal(DateiInfoFrm::instanz());
}

void VarkuForm::mnuDrucken_Click() {}

void VarkuForm::mnuSpiele_Click() {}

void VarkuForm::mnuEnde_Click() {
    bool ende = false;
    beendeProgramm(ende);
}

void VarkuForm::mnuSpielerliste_Click() {}

void VarkuForm::mnuEinstellungen_Click() {}

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
        if (varkuIniGeaendert) saveVarkuIni();
        if (sprachIniGeaendert) saveTextToSpeechIni();
    }
    schliesseHilfe(QStringLiteral("Ruvo.chm"));
    schliesseHilfe(QStringLiteral("Varku.chm"));
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
