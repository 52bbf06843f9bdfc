#pragma once

#include "gamekit/Spieleinstellungen.h"

namespace varku::wendomar {

// Der Abschnitt [Wendomar]: vier Schlüssel in dieser Reihenfolge, alle die gemeinsamen der
// Spiele. Fehlt ein Schlüssel im Abschnitt, gilt, was der Dialog von sich aus zeigt: Ton und
// Speichern an; fehlt der ganze Abschnitt, beginnt es wie jedes Spiel mit allem aus.
struct Einstellungen : Spieleinstellungen {
    Einstellungen() {
        TonEinschalten = 1;
        EinstellungenSpeichern = 1;
    }
};

const Einstellungsabschnitt<Einstellungen>& wendomarAbschnitt();

} // namespace varku::wendomar
