#include "frame/UebschwForm.h"

#include "platform/Fensterablage.h"

#include "foundation/Bilder.h"
#include "foundation/Dateisuche.h"
#include "foundation/Global.h"
#include "foundation/MldFenster.h"
#include "foundation/Sound.h"
#include "frame/GlobModul.h"
#include "frame/Spieler.h"
#include "frame/rdbManager.h"

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
#include <memory>

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

std::unique_ptr<UebschwForm>& ablage() {
    static std::unique_ptr<UebschwForm> f;
    return f;
}

} // namespace

UebschwForm& UebschwForm::instanz() {
    if (!ablage()) {
        // erst nach dem Laden gültig: ein Lesefehler hinterlässt keinen halben Dialog
        std::unique_ptr<UebschwForm> f(new UebschwForm);
        f->Form_Load();
        ablage() = std::move(f);
        merkeFenster(&UebschwForm::entlade);
    }
    return *ablage();
}

void UebschwForm::entlade() {
    ablage().reset();
}

UebschwForm::UebschwForm() {
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
        connect(liste, &QListWidget::itemSelectionChanged, this, [this, i] { RuvoList_Click(i); });
    }
    connect(UebSchwTabStr, &QTabWidget::currentChanged, this, [this](int neu) {
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
    connect(okButton, &QPushButton::clicked, this, &UebschwForm::okButton_Click);
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
    const SchwerpunktDatei liste =
        leseSchwerpunktDatei(imProgrammordner(QStringLiteral("Varku.tsp")));
    for (int i = 0; i < schwerpunktSeiten; ++i) {
        RuvoList[size_t(i)]->clear();
        RuvoList[size_t(i)]->addItems(liste.titel[size_t(i)]);
    }
    setzeRuvoCodes(liste.codes);
    zeigeBaustein(QStringLiteral("BST_NULL.gif"));
}

void UebschwForm::zeigeBaustein(const QString& datei) {
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
    UebNr = n + 1;
    RuvoFeldName = RuvoCodes[size_t(n)];
    UebSchwStatPanel1->setText(gewaehlterTitel);
    zeigeBaustein(bausteinDateiName(RuvoFeldName));
}

void UebschwForm::UebSchwTabStr_Click(int verlasseneSeite) {
    if (verlasseneSeite >= 0 && verlasseneSeite < schwerpunktSeiten)
        RuvoList[size_t(verlasseneSeite)]->clearSelection();
    UebSchwStatPanel1->setText(keinSchwerpunkt);
    zeigeBaustein(QStringLiteral("BST_NULL.gif"));
    // RuvoFeldName bleibt: OK fragt über UebNr
    UebNr = 0;
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
    uebungGewaehlt = true;
    hide();
    setzeWortFilter(nurGws->isChecked());
    for (int p = 0; p < nSpieler; ++p)
        leereWiederholListe(p);
}

void UebschwForm::zeigeUebSchwerpunkt() {
    emit zeigeSchwerpunkt(
        titelOhneZusatz(gewaehlterTitel),
        findeDatei(imProgrammordner(QStringLiteral("Grafik")), bausteinDateiName(RuvoFeldName)));
}

void UebschwForm::closeEvent(QCloseEvent* e) {
    // das Schließfeld tut nichts: nur OK verlässt den Dialog
    e->ignore();
}

} // namespace varku
