#pragma once

#include "gamekit/Computerfenster.h"

namespace varku::kartomin {

// Das Fenster des Baukastens, solange der Computer am Zug ist: es steht, bis sein Zug mit einem
// Fehlgriff endet. Sein Zeitgeber zählt Takte zu 200 ms: zehn vor dem ersten Griff, fünf nach
// einem Treffer; dann sagt er "ziehen". Während eine Karte gewertet wird, steht er.
class CompZugFrm : public Computerfenster {
    Q_OBJECT
public:
    CompZugFrm(QWidget* eltern, std::unique_ptr<Timer> zeitgeber);

    static constexpr int taktMs = 200, ersteGrenze = 10, trefferGrenze = 5;
    int tickZaehler = 0;
    int tickGrenze = ersteGrenze;

    // der Zug beginnt: zehn Takte bis zum ersten Griff
    void beginne();
    // nach einem Treffer, wenn die Wertung vorbei ist: fünf Takte bis zum nächsten
    void weiterNachTreffer();
    void CompZugTimer_Timer();

signals:
    void ziehen();
};

} // namespace varku::kartomin
