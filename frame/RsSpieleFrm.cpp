#include "frame/RsSpieleFrm.h"

#include "foundation/Textkodierung.h"
#include "frame/GlobModul.h"
#include "frame/Spieleliste.h"
#include "platform/Rand.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace varku {

RsSpieleFrm::RsSpieleFrm() {
    setObjectName(QStringLiteral("RsSpieleFrm"));
    setWindowTitle(QStringLiteral("Rechtschreibspiele"));
    setModal(true);
    auto* aussen = new QVBoxLayout(this);
    SpieleFrame = new QGroupBox(QStringLiteral("Spieleliste"), this);
    auto* rahmen = new QVBoxLayout(SpieleFrame);
    RsSpListe = new QListWidget(SpieleFrame);
    RsSpListe->setObjectName(QStringLiteral("RsSpListe"));
    QFont f = RsSpListe->font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    RsSpListe->setFont(f);
    RsSpListe->setSpacing(4);
    RsSpListe->setMinimumSize(320, 220);
    rahmen->addWidget(RsSpListe);
    aussen->addWidget(SpieleFrame, 1);

    auto* knoepfe = new QHBoxLayout;
    startRsSpielBtn = new QPushButton(QStringLiteral("&starten"), this);
    startRsSpielBtn->setObjectName(QStringLiteral("startRsSpielBtn"));
    abbrBtn = new QPushButton(QStringLiteral("&abbrechen"), this);
    abbrBtn->setObjectName(QStringLiteral("abbrBtn"));
    for (QPushButton* b : {startRsSpielBtn, abbrBtn})
        b->setMinimumSize(120, 38);
    startRsSpielBtn->setDefault(true);
    knoepfe->addStretch();
    knoepfe->addWidget(startRsSpielBtn);
    knoepfe->addWidget(abbrBtn);
    aussen->addLayout(knoepfe);

    verbinde(startRsSpielBtn, &QPushButton::clicked, this, &RsSpieleFrm::startRsSpielBtn_Click);
    verbinde(abbrBtn, &QPushButton::clicked, this, &RsSpieleFrm::abbrBtn_Click);
    verbinde(RsSpListe, &QListWidget::itemDoubleClicked, this, &RsSpieleFrm::RsSpListe_DblClick);
    Form_Load();
}

void RsSpieleFrm::Form_Load() {
    RsSpListe->clear();
    RsSpListe->addItems(leseSpieleListe(leseTextdatei(GlobModul::iniDatei()).text));
    if (RsSpListe->count() > 0)
        RsSpListe->setCurrentRow(0);
}

int RsSpieleFrm::gewaehlt() const {
    return RsSpListe->selectedItems().isEmpty() ? -1 : RsSpListe->currentRow();
}

QString RsSpieleFrm::spielDatei(int i) const {
    const QListWidgetItem* e = RsSpListe->item(i);
    // die Programme dieses Systems haben keine Endung
    return e ? e->text() : QString();
}

void RsSpieleFrm::startRsSpielBtn_Click() {
    hide();
    emit starteSpiel(gewaehlt());
}

void RsSpieleFrm::RsSpListe_DblClick() {
    startRsSpielBtn_Click();
}

void RsSpieleFrm::abbrBtn_Click() {
    hide();
}

} // namespace varku
