#pragma once

#include "gamekit/Computerfenster.h"

namespace varku::zirkomat {

// Das Fenster des Baukastens, während der Computer dreht und rät. Sein Zeitgeber zählt die Takte
// einer Drehung: drei Takte vor dem Zug sagt er "anhalten", dann "ziehen". Was dabei geschieht,
// entscheidet das Spiel; das Fenster beginnt nichts von selbst, auch nicht, wenn es wieder
// gezeigt wird.
class CompZugFrm : public Computerfenster {
    Q_OBJECT
public:
    CompZugFrm(QWidget* eltern, std::unique_ptr<Timer> zeitgeber);

    int zielTicks = 0;
    int tickZaehler = 0;

    // eine Drehung mit so vielen Takten zu je 100 ms beginnt
    void beginne(int ziel);
    void CompZugTimer_Timer();

signals:
    void anhalten();
    void ziehen();
};

} // namespace varku::zirkomat
