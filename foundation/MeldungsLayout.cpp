#include "foundation/MeldungsLayout.h"

#include "foundation/Zahlenwert.h"

#include <algorithm>
#include <cmath>

namespace varku {

MeldungsLayout ordneMeldungAn(const MeldungsEntwurf& e, double textBreite, double textHoehe,
                              bool knopf1, bool knopf2) {
    MeldungsLayout l;
    l.rahmenBreite = rundeGerade(e.meldungLinks + textBreite) + 200;
    // Bei sehr kurzen Texten dürfen sich die Knöpfe nicht überdecken.
    const double mindestens = (knopf1 && knopf2) ? 2 * e.knopfBreite + 360 : e.knopfBreite + 200;
    if (l.rahmenBreite < mindestens)
        l.rahmenBreite = mindestens;
    l.fensterBreite = e.rahmenLinks + l.rahmenBreite + 200;
    l.rahmenHoehe = rundeGerade(e.meldungOben + textHoehe) + 100;
    // Bei einer Zeile wäre das Bild sonst halb abgeschnitten.
    l.rahmenHoehe = std::max(l.rahmenHoehe, e.bildOben + e.bildGroesse + 100);
    l.knopfOben = rundeGerade(e.rahmenOben + l.rahmenHoehe) + 100;
    l.knopf1Sichtbar = knopf1;
    l.knopf2Sichtbar = knopf2;
    l.knopf1Links = e.knopf1Links;
    l.knopf2Links = e.rahmenLinks + l.rahmenBreite - e.knopfBreite;
    if (knopf1 != knopf2)
        l.knopf1Links = (l.fensterBreite - e.knopfBreite) / 2;
    l.fensterHoehe = l.knopfOben + e.knopfHoehe + 500;
    return l;
}

// Die Umkehrung der Regel; ein Twip Abstand fängt das Runden zur geraden Zahl ab.
double hoechsteTextBreite(const MeldungsEntwurf& e, double fensterBreite) {
    return std::floor(fensterBreite - e.rahmenLinks - 200 - 200 - e.meldungLinks - 1);
}

double hoechsteTextHoehe(const MeldungsEntwurf& e, double fensterHoehe) {
    return std::floor(fensterHoehe - e.knopfHoehe - 500 - 100 - e.rahmenOben - 100 - e.meldungOben -
                      1);
}

} // namespace varku
