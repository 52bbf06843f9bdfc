#include "frame/UebschwForm.h"

#include "foundation/Bilder.h"
#include "foundation/DateiInfoFrm.h"
#include "foundation/Dateisuche.h"
#include "foundation/Global.h"
#include "foundation/MldFenster.h"
#include "foundation/Sound.h"
#include "frame/Uebung.h"
#include "platform/Laufzeitfehler.h"
#include "platform/Rand.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <functional>

namespace varku {

const std::array<QString, schwerpunktSeiten> UebschwForm::seitenTitel = {
    QStringLiteral("Lauttreue Wörter"),
    QStringLiteral("Häufige spez. Grapheme"),
    QStringLiteral("Seltene spez. Grapheme"),
    QStringLiteral("Häufige spez. Verbindungen"),
    QStringLiteral("Seltene spez. Verbindungen"),
    QStringLiteral("Langes „i“"),
    QStringLiteral("Lange Vokale ohne langes „i“"),
    QStringLiteral("Kurzvokale"),
    QStringLiteral("Wortbausteine"),
    QStringLiteral("Konsonant. Ableitung"),
    QStringLiteral("Vokalische Ableitung"),
    QStringLiteral("Großschreibung"),
};

namespace {

const QString keinSchwerpunkt = QStringLiteral("kein Übungsschwerpunkt");

} // namespace

UebschwForm& UebschwForm::instanz(Uebung& uebung) {
    UebschwForm& f = vorbauen(uebung);
    if (!f.m_geladen)
        f.Form_Load();
    return f;
}

UebschwForm& UebschwForm::vorbauen(Uebung& uebung) {
    UebschwForm& f = Einzelfenster<UebschwForm>::instanz(uebung);
    f.m_uebung = &uebung;
    return f;
}

UebschwForm::UebschwForm(Uebung& uebung) : m_uebung(&uebung) {
    setObjectName(QStringLiteral("UebschwForm"));
    setWindowTitle(QStringLiteral("VARKU - Übungsschwerpunkt"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(12, 12, 12, 0);
    aussen->setSpacing(10);

    UebSchwFrame = new QGroupBox(QStringLiteral("Übungsschwerpunkt"), this);
    UebSchwFrame->setObjectName(QStringLiteral("UebSchwFrame"));
    auto* rahmen = new QVBoxLayout(UebSchwFrame);
    UebSchwTabStr = new QTabWidget(UebSchwFrame);
    UebSchwTabStr->setObjectName(QStringLiteral("UebSchwTabStr"));
    UebSchwTabStr->setUsesScrollButtons(true);
    UebSchwTabStr->setElideMode(Qt::ElideNone);
    for (int i = 0; i < schwerpunktSeiten; ++i) {
        auto* liste = new QListWidget(UebSchwTabStr);
        liste->setObjectName(QStringLiteral("RuvoList%1").arg(i));
        liste->setSelectionMode(QAbstractItemView::SingleSelection);
        liste->setSpacing(2);
        liste->setAlternatingRowColors(true);
        RuvoList[size_t(i)] = liste;
        UebSchwTabStr->addTab(liste, seitenTitel[size_t(i)]);
        verbinde(liste, &QListWidget::itemSelectionChanged, this, [this, i] { RuvoList_Click(i); });
    }
    verbinde(UebSchwTabStr, &QTabWidget::currentChanged, this, [this](int neu) {
        const int verlassen = m_seite;
        m_seite = neu;
        UebSchwTabStr_Click(verlassen);
    });
    rahmen->addWidget(UebSchwTabStr);
    aussen->addWidget(UebSchwFrame, 1);

    auto* unten = new QHBoxLayout;
    unten->setSpacing(16);
    GwsFrame = new QGroupBox(QStringLiteral("Wortauswahl"), this);
    GwsFrame->setObjectName(QStringLiteral("GwsFrame"));
    auto* wahl = new QVBoxLayout(GwsFrame);
    nurGws = new QRadioButton(QStringLiteral("&Grundwortschatz"), GwsFrame);
    nurGws->setObjectName(QStringLiteral("nurGws"));
    ohneGws = new QRadioButton(QStringLiteral("&alle Wörter"), GwsFrame);
    ohneGws->setObjectName(QStringLiteral("ohneGws"));
    ohneGws->setChecked(true);
    wahl->addWidget(nurGws);
    wahl->addWidget(ohneGws);
    unten->addWidget(GwsFrame);
    unten->addStretch(1);

    BausteinVorschau = new QLabel(this);
    BausteinVorschau->setObjectName(QStringLiteral("BausteinVorschau"));
    BausteinVorschau->setFixedSize(104, 104);
    BausteinVorschau->setAlignment(Qt::AlignCenter);
    BausteinVorschau->setFrameShape(QFrame::StyledPanel);
    unten->addWidget(BausteinVorschau, 0, Qt::AlignVCenter);
    unten->addStretch(1);

    okButton = new QPushButton(QStringLiteral("&OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setMinimumSize(120, 40);
    okButton->setDefault(true);
    verbinde(okButton, &QPushButton::clicked, this, &UebschwForm::okButton_Click);
    unten->addWidget(okButton, 0, Qt::AlignBottom);
    aussen->addLayout(unten);

    UebSchwStatBar = new QStatusBar(this);
    UebSchwStatBar->setObjectName(QStringLiteral("UebSchwStatBar"));
    UebSchwStatBar->setSizeGripEnabled(false);
    UebSchwStatPanel1 = new QLabel(keinSchwerpunkt, UebSchwStatBar);
    UebSchwStatPanel1->setObjectName(QStringLiteral("UebSchwStatPanel1"));
    UebSchwStatBar->addWidget(UebSchwStatPanel1, 1);
    aussen->addWidget(UebSchwStatBar);

    resize(960, 580);
}

void UebschwForm::Form_Load() {
    // eine Spalte, die es in der Wortdatenbank nicht gibt, meldet schon das Lesen
    rdbManager& db = m_uebung->wortDb;
    const SchwerpunktDatei liste = leseSchwerpunktDatei(
        imProgrammordner(QStringLiteral("Varku.tsp")),
        db.istOffen() ? std::function<bool(const QString&)>(
                            [&db](const QString& spalte) { return db.hatKategorie(spalte); })
                      : std::function<bool(const QString&)>());
    fuelleListen(liste.titel);
    m_uebung->setzeRuvoCodes(liste.codes);
    zeigeBaustein(QStringLiteral("BST_NULL.gif"));
    m_geladen = true;
}

void UebschwForm::fuelleVorab() {
    try {
        fuelleListen(leseSchwerpunktDatei(imProgrammordner(QStringLiteral("Varku.tsp"))).titel);
    } catch (const Laufzeitfehler&) {
        // meldet das Laden
    }
    zeigeBaustein(QStringLiteral("BST_NULL.gif"));
}

void UebschwForm::fuelleListen(const std::array<QStringList, schwerpunktSeiten>& titel) {
    for (size_t i = 0; i < titel.size(); ++i) {
        QListWidget& liste = *RuvoList[i];
        bool gleich = liste.count() == titel[i].size();
        for (int z = 0; gleich && z < liste.count(); ++z)
            gleich = liste.item(z)->text() == titel[i][z];
        if (gleich)
            continue;
        liste.clear();
        liste.addItems(titel[i]);
    }
}

void UebschwForm::zeigeBaustein(const QString& datei) {
    if (datei == m_baustein)
        return;
    m_baustein = datei;
    // ein fehlendes Bild lässt die Vorschau leer, das Programm läuft weiter
    BausteinVorschau->setPixmap(ladeBild(datei));
}

void UebschwForm::RuvoList_Click(int index) {
    if (index < 0 || index >= schwerpunktSeiten)
        return;
    int n = 0;
    for (int i = 0; i < index; ++i)
        n += RuvoList[size_t(i)]->count();
    const QList<QListWidgetItem*> gewaehlt = RuvoList[size_t(index)]->selectedItems();
    if (gewaehlt.isEmpty())
        return;
    n += RuvoList[size_t(index)]->row(gewaehlt.first());
    if (n >= maxKategorien)
        return;
    gewaehlterTitel = gewaehlt.first()->text();
    m_uebung->waehleSchwerpunkt(n);
    UebSchwStatPanel1->setText(gewaehlterTitel);
    zeigeBaustein(bausteinDateiName(m_uebung->RuvoFeldName));
}

void UebschwForm::UebSchwTabStr_Click(int verlasseneSeite) {
    if (verlasseneSeite >= 0 && verlasseneSeite < schwerpunktSeiten)
        RuvoList[size_t(verlasseneSeite)]->clearSelection();
    UebSchwStatPanel1->setText(keinSchwerpunkt);
    zeigeBaustein(QStringLiteral("BST_NULL.gif"));
    // RuvoFeldName bleibt: OK fragt über UebNr
    m_uebung->waehleSchwerpunkt(-1);
}

void UebschwForm::okButton_Click() {
    if (UebNr < 1) {
        spieleSound(QStringLiteral("ProgrammMeldung"));
        zeigeMeldung(
            QStringLiteral("Du musst aus der Liste noch einen\rÜbungsschwerpunkt auswählen."),
            QStringLiteral("&OK"), QString(), QStringLiteral("Übungsschwerpunkt fehlt"));
        return;
    }
    zeigeUebSchwerpunkt();
    hide();
    const int anzahl = m_uebung->nimmSchwerpunktAn(nurGws->isChecked());
    DateiInfoFrm& info = DateiInfoFrm::instanz();
    info.DatInfLbl[1]->setText(nurGws->isChecked() ? QStringLiteral("ja") : QStringLiteral("nein"));
    info.DatInfLbl[0]->setText(QString::number(anzahl));
}

void UebschwForm::zeigeUebSchwerpunkt() {
    emit zeigeSchwerpunkt(titelOhneZusatz(gewaehlterTitel),
                          findeDatei(imProgrammordner(QStringLiteral("Grafik")),
                                     bausteinDateiName(m_uebung->RuvoFeldName)));
}

void UebschwForm::closeEvent(QCloseEvent* e) {
    // das Schließfeld tut nichts: nur OK verlässt den Dialog
    e->ignore();
}

} // namespace varku
