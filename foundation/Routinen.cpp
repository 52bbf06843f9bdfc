#include "foundation/Routinen.h"

#include "foundation/Zahlenwert.h"
#include "platform/Dienste.h"
#include "platform/Laufzeitfehler.h"

#include <cmath>

namespace varku {

int16_t zufallszahl(int von, int bis) {
    const auto passt = [](long v) { return v >= -32768 && v <= 32767; };
    const long spanne = long(bis) - long(von) + 1;
    if (!passt(von) || !passt(bis) || !passt(spanne))
        throw Laufzeitfehler(Laufzeitfehler::Ueberlauf, QStringLiteral("Überlauf"),
                             QStringLiteral("zufallszahl(%1, %2)").arg(von).arg(bis));
    const float r = dienste::zufall().naechste();
    double x = std::floor(double(spanne) * double(r) + double(von));
    if (x > bis)
        x = bis;
    if (x < von)
        x = von;
    return static_cast<int16_t>(x);
}

long sekundenJetzt() {
    return long(rundeGerade(dienste::uhr().sekundenSeitMitternacht()));
}

void warte(int sekunden) {
    Uhr& uhr = dienste::uhr();
    const long t0 = sekundenJetzt();
    for (;;) {
        long vergangen = sekundenJetzt() - t0;
        if (vergangen < 0) // über Mitternacht
            vergangen += 86400;
        if (vergangen >= sekunden)
            return;
        uhr.schlafe(50);
    }
}

void winkelInBogenmass(double winkel, double& bogen) {
    const double faktor = 3.1415926535 / 180.0;
    bogen = winkel * faktor;
}

} // namespace varku
