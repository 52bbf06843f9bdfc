#pragma once

#include "foundation/Einstellungen.h"

namespace varku::zirkomat {

// Der Abschnitt [Zirkomat]: neun Schlüssel in dieser Reihenfolge. Ohne Abschnitt ist alles 0.
struct Einstellungen {
    int GegenComputer = 0;
    int ComputerSpielStaerke = 0; // 0 stark, 1 mittelmäßig, 2 schwach
    int TastaturEingabeSperren = 0;
    int TonEinschalten = 0;
    int BuchstabenRahmen = 0;
    bool LoesWortFarbig = false;
    int RatezeitBegrenzen = 0;
    int FehlversucheMaximum = 0;
    int EinstellungenSpeichern = 0;
};

// Werte außerhalb der Bereiche der Steuerelemente werden auf sie begrenzt
constexpr int hoechstensFehlversuche = 10;

const Einstellungsabschnitt<Einstellungen>& zirkomatAbschnitt();

} // namespace varku::zirkomat
