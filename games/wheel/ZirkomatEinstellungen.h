#pragma once

#include "gamekit/Spieleinstellungen.h"

namespace varku::zirkomat {

// Der Abschnitt [Zirkomat]: neun Schlüssel in dieser Reihenfolge, fünf davon die gemeinsamen der
// Spiele. Ohne Abschnitt ist alles 0.
struct Einstellungen : Spieleinstellungen {
    int TastaturEingabeSperren = 0;
    int BuchstabenRahmen = 0;
    bool LoesWortFarbig = false;
    int FehlversucheMaximum = 0;
};

// Werte außerhalb der Bereiche der Steuerelemente werden auf sie begrenzt
constexpr int hoechstensFehlversuche = 10;

const Einstellungsabschnitt<Einstellungen>& zirkomatAbschnitt();

} // namespace varku::zirkomat
