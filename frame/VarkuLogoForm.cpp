#include "frame/VarkuLogoForm.h"

#include "foundation/Bilder.h"
#include "frame/Version.h"
#include "platform/Dienste.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace varku {

VarkuLogoForm::VarkuLogoForm() : VarkuLogoForm(ladeBild(QStringLiteral("VarkuLogo.png"))) {}

VarkuLogoForm::VarkuLogoForm(const QPixmap& logo) {
    setObjectName(QStringLiteral("VarkuLogoForm"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    setStyleSheet(
        QStringLiteral("#VarkuLogoForm { background: #fffdf5; border: 3px solid #f0b030; }"));

    auto* lage = new QVBoxLayout(this);
    lage->setContentsMargins(24, 20, 24, 20);
    LogoImg = new QLabel(this);
    LogoImg->setObjectName(QStringLiteral("LogoImg"));
    LogoImg->setAlignment(Qt::AlignCenter);
    LogoImg->setPixmap(logo);
    lage->addWidget(LogoImg);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    VersionLbl = new QLabel(QStringLiteral("Version 4.x.x"), this);
    VersionLbl->setObjectName(QStringLiteral("VersionLbl"));
    for (QLabel* l : {Label1, Label2, VersionLbl}) {
        l->setAlignment(Qt::AlignCenter);
        lage->addWidget(l);
    }
    QFont gross = Label1->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.6);
    gross.setBold(true);
    Label1->setFont(gross);
    Label1->setStyleSheet(QStringLiteral("color: #1f5fa8;"));
    VersionLbl->setStyleSheet(QStringLiteral("color: #666;"));

    IntroTimer = dienste::uhr().neuerTimer();
    IntroTimer->setzeIntervall(3500);
    IntroTimer->beiTick = [this] { IntroTimer_Timer(); };
    Form_Load();
}

VarkuLogoForm::~VarkuLogoForm() = default;

void VarkuLogoForm::Form_Load() {
    VersionLbl->setText(QStringLiteral("Version ") + versionsText());
    Label1->setText(QStringLiteral("Rechtschreiben üben mit VARKU"));
    Label2->setText(QStringLiteral("Lesen, hören, schreiben – allein oder in der Gruppe"));
    IntroTimer->setzeAktiv(true);
}

void VarkuLogoForm::IntroTimer_Timer() {
    IntroTimer->setzeAktiv(false);
    hide();
}

} // namespace varku
