#include "foundation/InfoFrm.h"

#include "foundation/Bilder.h"
#include "platform/Rand.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varku {

InfoFrm::InfoFrm(const Programmangaben& angaben) : m_angaben(angaben) {
    setObjectName(QStringLiteral("InfoFrm"));
    setWindowTitle(QStringLiteral("Info über ..."));
    setModal(true);

    auto* aussen = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    Bild = new QLabel(this);
    Bild->setObjectName(QStringLiteral("Bild"));
    Bild->setPixmap(ladeBild(angaben.bild));
    oben->addWidget(Bild, 0, Qt::AlignTop);

    Rahmen = new QGroupBox(angaben.rahmen, this);
    auto* raster = new QGridLayout(Rahmen);
    auto* name = new QLabel(angaben.name, Rahmen);
    QFont f = name->font();
    f.setPointSizeF(f.pointSizeF() * 1.8);
    f.setBold(true);
    name->setFont(f);
    raster->addWidget(name, 0, 0, 1, 2);
    raster->addWidget(new QLabel(angaben.beschreibung, Rahmen), 1, 0, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Version:"), Rahmen), 2, 0);
    RelLbl = new QLabel(Rahmen);
    RelLbl->setObjectName(QStringLiteral("RelLbl"));
    raster->addWidget(RelLbl, 2, 1);
    oben->addWidget(Rahmen, 1);
    aussen->addLayout(oben);

    okBtn = new QPushButton(QStringLiteral("&OK"), this);
    okBtn->setObjectName(QStringLiteral("okBtn"));
    okBtn->setDefault(true);
    okBtn->setMinimumSize(100, 34);
    aussen->addWidget(okBtn, 0, Qt::AlignHCenter);
    verbinde(okBtn, &QPushButton::clicked, this, &InfoFrm::okBtn_Click);
    Form_Load();
}

void InfoFrm::Form_Load() {
    RelLbl->setText(m_angaben.version);
}

void InfoFrm::okBtn_Click() {
    hide();
}

} // namespace varku
