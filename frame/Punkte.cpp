#include "frame/Punkte.h"

#include "foundation/Spielzeit.h"
#include "foundation/Zahlenwert.h"
#include "platform/Laufzeitfehler.h"

#include <algorithm>
#include <cmath>

namespace varku {

int16_t berechnePunkte(bool nachschreiben, long leseStart, long leseEnde, int komplexInd,
                       int schwierigkeitsgrad) {
    if (nachschreiben) {
        long t = sekundenZwischen(leseStart, leseEnde);
        if (t > 3)
            t = 3;
        const double p = double(3 - t) * komplexInd * (3 - schwierigkeitsgrad) / 2.0;
        return alsInteger(p, QStringLiteral("Punkte"));
    }
    return alsInteger(double(3 - schwierigkeitsgrad) * komplexInd * 3, QStringLiteral("Punkte"));
}

double lesezeitMitStreuung(long sekunden, int j, int s) {
    double t = double(sekunden);
    if (s < 6) {
        t -= j / 100.0;
        if (t < 0)
            t = j / 100.0;
    } else {
        t += j / 100.0;
    }
    return t;
}

bool uebergabeFaellig(int punkte, int ziel, int n, int akt) {
    if (n <= 1 || punkte >= ziel)
        return false;
    return punkte >= (akt + 1) * (ziel / n);
}

int16_t restPunkte(long spielStart, long jetzt, int m) {
    if (spielStart <= 0)
        return 0;
    if (m <= 0)
        m = 5;
    const double d = double(sekundenZwischen(spielStart, jetzt));
    double punkte = rundeGerade(1000.0 - std::floor(d / (m * 60.0) * 1000.0));
    punkte = std::clamp(punkte, 0.0, 1000.0);
    return int16_t(punkte);
}

} // namespace varku
