#pragma once

#include "gamekit/Spieleinstellungen.h"

namespace varku::dolmix {

// Der Abschnitt [Dolmix]: acht Schlüssel in dieser Reihenfolge, zwei davon die gemeinsamen der
// Spiele. Ohne Abschnitt sind die Schalter aus und die Zahlen 0.
struct Einstellungen : Spieleinstellungen {
    int BuchstabenGross = 0;
    int SteinZufallsFolge = 0;
    int FallGeschwindigkeit = 0;
    int WarnungEinschalten = 0;
    int SpielerWechselBeiFehler = 0;
    int SpielerWechselNachZeit = 0; // Minuten je Zug, 0: kein Wechsel nach der Zeit
};

// die Bereiche der Steuerelemente
constexpr int langsamsterFall = 100, schnellsterFall = 500, fallRaster = 10;
constexpr int hoechstensMinuten = 60;

const Einstellungsabschnitt<Einstellungen>& dolmixAbschnitt();

// Millisekunden je Fallschritt: 1000 / (Geschwindigkeit / 250). Eine Geschwindigkeit außerhalb
// des Bereichs (0, wenn der Schlüssel fehlt) gilt als die langsamste.
int fallSchrittMs(int geschwindigkeit);

} // namespace varku::dolmix
