#pragma once

#include "platform/Uhr.h"

#include <QDialog>
#include <memory>

class QLabel;

namespace varku::zirkomat {

// Das kleine Fenster, während der Computer dreht und rät. Sein Zeitgeber zählt die Takte einer
// Drehung: drei Takte vor dem Zug sagt er "anhalten", dann "ziehen". Was dabei geschieht,
// entscheidet das Spiel; das Fenster beginnt nichts von selbst, auch nicht, wenn es wieder
// gezeigt wird.
class CompZugFrm : public QDialog {
    Q_OBJECT
public:
    CompZugFrm(QWidget* eltern, std::unique_ptr<Timer> zeitgeber);
    ~CompZugFrm() override;

    QLabel* WarteLbl;
    QLabel* TextLbl;
    std::unique_ptr<Timer> CompZugTimer;
    int zielTicks = 0;
    int tickZaehler = 0;

    // eine Drehung mit so vielen Takten zu je 100 ms beginnt
    void beginne(int ziel);
    // der Zug ist vorbei: der Zeitgeber steht, das Fenster geht
    void beende();
    void CompZugTimer_Timer();
    void reject() override {} // der Computer beendet seinen Zug selbst

signals:
    void anhalten();
    void ziehen();
};

} // namespace varku::zirkomat
