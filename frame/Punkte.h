#pragma once

#include <cstdint>

namespace varku {

// Punkte, Lesezeit, Spielerwechsel und die Punkte nach einem Spiel, als Rechenregeln.

// Punkte eines richtigen Wortes. Abschreiben: (3 - t) * Schwierigkeit * (3 - Grad) / 2 mit der
// Lesezeit t in ganzen Sekunden, höchstens 3, gerundet; Diktat: (3 - Grad) * Schwierigkeit * 3.
int16_t berechnePunkte(bool nachschreiben, long leseStart, long leseEnde, int komplexInd,
                       int schwierigkeitsgrad);

// Lesezeit in Sekunden mit Streuung in Hundertsteln: j = 1..50, s = 1..10
double lesezeitMitStreuung(long sekunden, int j, int s);

// Ist der Spieler an der Reihe, abzugeben? (k + 1) * floor(Ziel / n) Punkte erreicht
bool uebergabeFaellig(int sitzungsPunkte, int zielpunkte, int nSpieler, int aktSpieler);

// Punkte, die der Gruppe nach einem Spiel bleiben, aus der vergangenen Zeit und der höchsten
// Spieldauer in Minuten; ohne gültige Spieldauer gelten wie in den Spielen 5 Minuten.
int16_t restPunkte(long spielStart, long jetzt, int maxSpielDauerMinuten);

} // namespace varku
