#pragma once

#include "gamekit/Spieleinstellungen.h"

namespace varku::zelko {

// Der Abschnitt [Zelko]: die fünf gemeinsamen Schlüssel der Spiele in seiner Reihenfolge
using Einstellungen = Spieleinstellungen;

const Einstellungsabschnitt<Einstellungen>& zelkoAbschnitt();

} // namespace varku::zelko
