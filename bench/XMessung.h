#pragma once
// Was die beiden Messwerkzeuge unter X teilen: die Uhr und das Übergehen von X-Fehlern.

#include <X11/Xlib.h>

#include <ctime>

namespace varku::messung {

// Millisekunden einer Uhr, die nicht springt
inline double jetztMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// Fenster ohne Inhalt (InputOnly) lehnen DAMAGE ab, Fenster verschwinden, während sie angemeldet
// werden; das ist kein Fehler der Messung
inline int ueberseheFehler(Display*, XErrorEvent*) {
    return 0;
}

} // namespace varku::messung
