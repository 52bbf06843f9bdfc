#include "foundation/DateiInfoFrm.h"
#include "platform/Rand.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace varku {

DateiInfoFrm::DateiInfoFrm() {
    setObjectName(QStringLiteral("DateiInfoFrm"));
    setWindowTitle(QStringLiteral("Information"));
    setModal(true);

    auto* aussen = new QVBoxLayout(this);
    auto* woerter = new QGroupBox(QStringLiteral("Wortauswahl"), this);
    auto* raster = new QGridLayout(woerter);
    raster->addWidget(new QLabel(QStringLiteral("Anzahl der Wörter:"), woerter), 0, 0);
    raster->addWidget(new QLabel(QStringLiteral("nur Grundwortschatz:"), woerter), 1, 0);
    for (int i = 0; i < 2; ++i) {
        DatInfLbl[size_t(i)] = new QLabel(woerter);
        DatInfLbl[size_t(i)]->setObjectName(QStringLiteral("DatInfLbl%1").arg(i));
        DatInfLbl[size_t(i)]->setMinimumWidth(80);
        raster->addWidget(DatInfLbl[size_t(i)], i, 1);
    }
    DatInfLbl[0]->setText(QStringLiteral("0"));
    DatInfLbl[1]->setText(QStringLiteral("nein"));
    aussen->addWidget(woerter);

    SpielerFrame = new QGroupBox(QStringLiteral("Spieler und Punkte"), this);
    auto* spieler = new QGridLayout(SpielerFrame);
    for (int i = 0; i < 5; ++i) {
        SpName[size_t(i)] = new QLabel(SpielerFrame);
        SpName[size_t(i)]->setObjectName(QStringLiteral("SpName%1").arg(i));
        SpPunkte[size_t(i)] = new QLabel(SpielerFrame);
        SpPunkte[size_t(i)]->setObjectName(QStringLiteral("SpPunkte%1").arg(i));
        SpPunkte[size_t(i)]->setAlignment(Qt::AlignRight);
        spieler->addWidget(SpName[size_t(i)], i, 0);
        spieler->addWidget(SpPunkte[size_t(i)], i, 1);
        SpName[size_t(i)]->setVisible(false);
        SpPunkte[size_t(i)]->setVisible(false);
    }
    SpielerFrame->setVisible(false);
    aussen->addWidget(SpielerFrame);

    Command1 = new QPushButton(QStringLiteral("&OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    aussen->addWidget(Command1, 0, Qt::AlignHCenter);
    verbinde(Command1, &QPushButton::clicked, this, &DateiInfoFrm::Command1_Click);
}

void DateiInfoFrm::Command1_Click() {
    hide();
}

void DateiInfoFrm::zeigeSpieler(int i, bool sichtbar) {
    if (i < 0 || i >= 5)
        return;
    SpName[size_t(i)]->setVisible(sichtbar);
    SpPunkte[size_t(i)]->setVisible(sichtbar);
    bool einer = false;
    for (QLabel* l : SpName)
        einer = einer || !l->isHidden();
    SpielerFrame->setVisible(einer);
}

} // namespace varku
