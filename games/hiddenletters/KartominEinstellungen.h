#pragma once

#include "gamekit/Spieleinstellungen.h"

namespace varku::kartomin {

// Der Abschnitt [Kartomin]: sechs Schlüssel in dieser Reihenfolge, fünf davon die gemeinsamen der
// Spiele. Ohne Abschnitt ist alles 0. Die Stärke 0 heißt "&stark", 1 "sch&wach".
struct Einstellungen : Spieleinstellungen {
    int FeldMarkierung = 0;
};

constexpr int staerkeStark = 0, staerkeSchwach = 1;

const Einstellungsabschnitt<Einstellungen>& kartominAbschnitt();

// entwurf mit den Werten der Schlüssel, die beim Lesen dastanden, durch die Tabelle übernommen:
// was der Dialog nach dem Laden zeigt; ein fehlender Schlüssel lässt ihm seinen Entwurf
Einstellungen mitGelesenen(Einstellungen entwurf, const Einstellungen& werte,
                           const QStringList& gelesen);

} // namespace varku::kartomin
