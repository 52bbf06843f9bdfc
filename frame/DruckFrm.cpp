#include "frame/DruckFrm.h"

#include "foundation/Global.h"
#include "foundation/MldFenster.h"
#include "foundation/Sound.h"
#include "frame/Druck.h"
#include "frame/GlobModul.h"
#include "frame/SpielerListeFrm.h"
#include "frame/Uebung.h"
#include "platform/Dienste.h"
#include "platform/Rand.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QVBoxLayout>

namespace varku {

DruckFrm& DruckFrm::instanz(Uebung& uebung) {
    DruckFrm& f = Einzelfenster<DruckFrm>::instanz(uebung);
    f.m_uebung = &uebung;
    // jedes Ein- und Austragen gilt sofort auch hier
    connect(&SpielerListeFrm::instanz(uebung), &SpielerListeFrm::spielerlisteGeaendert, &f,
            &DruckFrm::uebernimmSpieler, Qt::UniqueConnection);
    f.uebernimmSpieler();
    return f;
}

DruckFrm::DruckFrm(Uebung& uebung) : m_uebung(&uebung) {
    setObjectName(QStringLiteral("DruckFrm"));
    setWindowTitle(QStringLiteral("Drucken"));
    setModal(true);

    DokumentFrame = new QGroupBox(QStringLiteral("Dokument"), this);
    DokumentFrame->setObjectName(QStringLiteral("DokumentFrame"));
    auto* dokumente = new QVBoxLayout(DokumentFrame);
    const QString texte[] = {QStringLiteral("&Zeugnis"), QStringLiteral("&Protokoll")};
    for (int i = 0; i < 2; ++i) {
        DruckOpt[size_t(i)] = new QRadioButton(texte[i], DokumentFrame);
        DruckOpt[size_t(i)]->setObjectName(QStringLiteral("DruckOpt%1").arg(i));
        dokumente->addWidget(DruckOpt[size_t(i)]);
    }
    dokumente->addStretch();
    DruckOpt[0]->setChecked(true);

    SpielerFrame = new QGroupBox(QStringLiteral("Spielername"), this);
    SpielerFrame->setObjectName(QStringLiteral("SpielerFrame"));
    auto* spieler = new QVBoxLayout(SpielerFrame);
    SpielerLst = new QListWidget(SpielerFrame);
    SpielerLst->setObjectName(QStringLiteral("SpielerLst"));
    SpielerLst->setSelectionMode(QAbstractItemView::SingleSelection);
    SpielerLst->setMinimumSize(200, 120);
    spieler->addWidget(SpielerLst);

    okBtn = new QPushButton(QStringLiteral("&OK"), this);
    okBtn->setObjectName(QStringLiteral("okBtn"));
    abbrBtn = new QPushButton(QStringLiteral("&abbrechen"), this);
    abbrBtn->setObjectName(QStringLiteral("abbrBtn"));
    for (QPushButton* b : {okBtn, abbrBtn}) {
        b->setMinimumSize(110, 34);
        b->setAutoDefault(false);
    }
    okBtn->setDefault(true);

    StatBar = new QStatusBar(this);
    StatBar->setObjectName(QStringLiteral("StatBar"));
    StatBar->setSizeGripEnabled(false);
    StatText = new QLabel(StatBar);
    StatText->setObjectName(QStringLiteral("StatText"));
    StatText->setWordWrap(true);
    // den Pfad einer PDF-Datei kann man abschreiben oder kopieren
    StatText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    StatBar->addWidget(StatText, 1);

    // links das Dokument, in der Mitte der Spieler, rechts die Knöpfe, unten der Stand
    auto* aussen = new QVBoxLayout(this);
    auto* raster = new QGridLayout;
    raster->setHorizontalSpacing(12);
    raster->addWidget(DokumentFrame, 0, 0, 3, 1);
    raster->addWidget(SpielerFrame, 0, 1, 3, 1);
    raster->addWidget(okBtn, 0, 2);
    raster->addWidget(abbrBtn, 1, 2);
    raster->setRowStretch(2, 1);
    raster->setColumnStretch(1, 1);
    aussen->addLayout(raster);
    aussen->addWidget(StatBar);
    setMinimumWidth(620);

    verbinde(okBtn, &QPushButton::clicked, this, &DruckFrm::okBtn_Click);
    verbinde(abbrBtn, &QPushButton::clicked, this, &DruckFrm::abbrBtn_Click);
    uebernimmSpieler();
}

void DruckFrm::uebernimmSpieler() {
    const QStringList namen = m_uebung->gruppe.namen();
    QStringList jetzt;
    for (int i = 0; i < SpielerLst->count(); ++i)
        jetzt << SpielerLst->item(i)->text();
    if (jetzt == namen)
        return;
    // der gewählte Spieler bleibt gewählt, wenn es ihn noch gibt
    const QList<QListWidgetItem*> gewaehlt = SpielerLst->selectedItems();
    const QString war = gewaehlt.isEmpty() ? QString() : gewaehlt.first()->text();
    SpielerLst->clear();
    SpielerLst->addItems(namen);
    const int i = war.isEmpty() ? -1 : int(namen.indexOf(war));
    if (i >= 0)
        SpielerLst->setCurrentRow(i);
}

void DruckFrm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    Form_Activate();
}

void DruckFrm::Form_Activate() {
    StatText->clear();
    uebernimmSpieler();
    if (SpielerLst->count() > 0 && SpielerLst->selectedItems().isEmpty())
        SpielerLst->setCurrentRow(0);
    // die Dateien werden gelesen: die des Spielers am Zug ist zu
    m_uebung->schliesseProtokoll();
}

void DruckFrm::okBtn_Click() {
    const QList<QListWidgetItem*> gewaehlt = SpielerLst->selectedItems();
    if (gewaehlt.isEmpty())
        return;
    const int p = SpielerLst->row(gewaehlt.first());
    const QString name = gewaehlt.first()->text();
    const bool zeugnis = DruckOpt[0]->isChecked();
    Druckangaben a =
        druckangaben(*m_uebung, p, schwerpunkt, dienste::uhr().jetzt(),
                     imProgrammordner(QStringLiteral("Varku-D.sqlite")), GlobModul::iniDatei());
    a.name = name;

    StatText->clear();
    Druck druck(dienste::drucker());
    Druckergebnis e;
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const auto zurueck = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
        e = zeugnis ? druck.druckeZeugnis(a) : druck.druckeProtokoll(a);
    }
    if (!e.gedruckt) {
        spieleSound(QStringLiteral("ProgrammMeldung"));
        zeigeMeldung(e.fehler, QStringLiteral("&OK"), QString(), QStringLiteral("Drucken"));
        return;
    }
    // erst nach dem Druck, und mit dem Ziel
    const QString dokument = zeugnis ? QStringLiteral("Zeugnis") : QStringLiteral("Protokoll");
    const QString text =
        istDateiziel(e.ziel)
            ? dokument + QStringLiteral(" für ") + name + QStringLiteral(" gespeichert: ") + e.ziel
            : dokument + QStringLiteral(" für ") + name +
                  QStringLiteral(" zum Drucker geschickt: ") + e.ziel;
    StatText->setText(text);
}

void DruckFrm::abbrBtn_Click() {
    hide();
    Uebung& u = *m_uebung;
    if (u.aktSpieler >= 0 && u.aktSpieler < u.nSpieler())
        u.oeffneProtokoll();
}

void DruckFrm::closeEvent(QCloseEvent* e) {
    e->ignore();
    abbrBtn_Click();
}

} // namespace varku
