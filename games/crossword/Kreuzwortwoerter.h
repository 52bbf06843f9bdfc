#pragma once

#include "gamekit/Spielwoerter.h"

namespace varku::wendomar {

// Was die Lösungshilfe zum Wort liest, auf dem der Datensatz der Wörter steht (das zuletzt
// gefundene oder gewählte).

// die Umschreibung; leer, wenn das Wort keine Zeile in SemSynt hat
QString leseParaphrase(Spielwoerter& w);
// der Beispielsatz mit immer 8 "_" an der Stelle des "@"; leer ohne Zeile oder ohne "@"
QString bildeSatzKontext(Spielwoerter& w);

} // namespace varku::wendomar
