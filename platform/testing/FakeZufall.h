#pragma once

#include "platform/Zufall.h"

#include <deque>
#include <initializer_list>

namespace varku::test {

// Liefert vorgegebene Zahlen; ohne Vorgabe 0.
class FakeZufall : public Zufall {
public:
    float naechste() override;

    void gib(std::initializer_list<float> werte);
    // die Zahl r, mit der zufallszahl(von, bis) genau k ergibt
    static float fuer(int von, int bis, int k);
    // nacheinander diese Ergebnisse von zufallszahl(von, bis)
    void gibZahlen(int von, int bis, std::initializer_list<int> ergebnisse);

    int gezogen = 0;

private:
    std::deque<float> m_werte;
};

} // namespace varku::test
