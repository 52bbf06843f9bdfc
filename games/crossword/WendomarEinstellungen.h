#pragma once

#include "gamekit/Spieleinstellungen.h"

namespace varku::wendomar {

// Der Abschnitt [Wendomar]: vier Schlüssel in dieser Reihenfolge, alle die gemeinsamen der
// Spiele. Ohne Abschnitt ist alles 0.
struct Einstellungen : Spieleinstellungen {};

const Einstellungsabschnitt<Einstellungen>& wendomarAbschnitt();

} // namespace varku::wendomar
