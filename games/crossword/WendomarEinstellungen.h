#pragma once

#include "gamekit/Spieleinstellungen.h"

namespace varku::wendomar {

// Der Abschnitt [Wendomar]: vier Schlüssel in dieser Reihenfolge, alle die gemeinsamen der
// Spiele. Fehlt ein Schlüssel, gilt, was der Dialog von sich aus zeigt: Ton und Speichern an.
struct Einstellungen : Spieleinstellungen {
    Einstellungen() {
        TonEinschalten = 1;
        EinstellungenSpeichern = 1;
    }
};

const Einstellungsabschnitt<Einstellungen>& wendomarAbschnitt();

} // namespace varku::wendomar
