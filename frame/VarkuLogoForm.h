#pragma once

#include "platform/Uhr.h"

#include <QDialog>
#include <QPixmap>
#include <memory>

class QLabel;

namespace varku {

// Das Logo beim Start; es verschwindet nach 3,5 Sekunden von selbst.
class VarkuLogoForm : public QDialog {
    Q_OBJECT
public:
    VarkuLogoForm();
    // mit dem Logo, schon geladen
    explicit VarkuLogoForm(const QPixmap& logo);
    ~VarkuLogoForm() override;

    QLabel* VersionLbl;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* LogoImg;
    std::unique_ptr<Timer> IntroTimer;

    void Form_Load();
    void IntroTimer_Timer();
    void reject() override {} // kein Knopf, keine Taste: es geht von selbst
};

} // namespace varku
