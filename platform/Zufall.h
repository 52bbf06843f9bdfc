#pragma once

namespace varku {

// Die Zufallsquelle: gleichverteilte Zahlen 0 <= r < 1 (einfache Genauigkeit).
class Zufall {
public:
    virtual ~Zufall() = default;
    virtual float naechste() = 0;
};

} // namespace varku
