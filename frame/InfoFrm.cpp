#include "frame/InfoFrm.h"

#include "foundation/Bilder.h"
#include "frame/Version.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varku {

InfoFrm::InfoFrm() {
    setObjectName(QStringLiteral("InfoFrm"));
    setWindowTitle(QStringLiteral("Info über ..."));
    setModal(true);

    auto* aussen = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    Bild = new QLabel(this);
    Bild->setObjectName(QStringLiteral("Bild"));
    Bild->setPixmap(ladeBild(QStringLiteral("InfoBild.png")));
    oben->addWidget(Bild, 0, Qt::AlignTop);

    auto* rahmen = new QGroupBox(QStringLiteral("Rahmenprogramm"), this);
    auto* raster = new QGridLayout(rahmen);
    auto* name = new QLabel(QStringLiteral("VARKU"), rahmen);
    QFont f = name->font();
    f.setPointSizeF(f.pointSizeF() * 1.8);
    f.setBold(true);
    name->setFont(f);
    raster->addWidget(name, 0, 0, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Rechtschreiben üben für Kinder"), rahmen), 1, 0, 1,
                      2);
    raster->addWidget(new QLabel(QStringLiteral("Version:"), rahmen), 2, 0);
    RelLbl = new QLabel(rahmen);
    RelLbl->setObjectName(QStringLiteral("RelLbl"));
    raster->addWidget(RelLbl, 2, 1);
    oben->addWidget(rahmen, 1);
    aussen->addLayout(oben);

    okBtn = new QPushButton(QStringLiteral("&OK"), this);
    okBtn->setObjectName(QStringLiteral("okBtn"));
    okBtn->setDefault(true);
    okBtn->setMinimumSize(100, 34);
    aussen->addWidget(okBtn, 0, Qt::AlignHCenter);
    connect(okBtn, &QPushButton::clicked, this, &InfoFrm::okBtn_Click);
    Form_Load();
}

void InfoFrm::Form_Load() {
    RelLbl->setText(versionsText());
}

void InfoFrm::okBtn_Click() {
    hide();
}

} // namespace varku
