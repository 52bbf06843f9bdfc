#pragma once

#include "platform/Uhr.h"

#include <QDialog>
#include <memory>

class QLabel;

namespace varku::zirkomat {

class MainFrm;

// Das kleine Fenster, während der Computer dreht und rät. Sein Zeitgeber dreht das Rad, hält es
// drei Takte vor seinem Zug an und lässt dann den Computer wählen.
class CompZugFrm : public QDialog {
    Q_OBJECT
public:
    explicit CompZugFrm(MainFrm& haupt);
    ~CompZugFrm() override;

    QLabel* WarteLbl;
    QLabel* TextLbl;
    std::unique_ptr<Timer> CompZugTimer;
    int zielTicks = 0;
    int tickZaehler = 0;

    void Form_Activate();
    void CompZugTimer_Timer();
    void reject() override {} // der Computer beendet seinen Zug selbst

protected:
    void showEvent(QShowEvent* e) override;

private:
    MainFrm& m_haupt;
};

} // namespace varku::zirkomat
