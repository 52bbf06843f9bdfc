#include "foundation/Zeiger.h"

#include "foundation/Routinen.h"
#include "foundation/Zahlenwert.h"

#include <cmath>

namespace varku {

QPointF polarPunkt(int wert, double r) {
    const double winkel = wert / 1000.0 * 264.0 - 42.0;
    double bogen = 0;
    winkelInBogenmass(winkel, bogen);
    return {rundeGerade(r * std::cos(bogen)), rundeGerade(r * std::sin(bogen))};
}

Nadel berechneNadel(int wert, const QRectF& z, double endeAnteil) {
    const double h = z.width() / 2.0;
    const QPointF achse(z.left() + h, z.top() + h);
    return {achse, achse - polarPunkt(wert, 0.6 * h), achse + polarPunkt(wert, endeAnteil * h)};
}

} // namespace varku
