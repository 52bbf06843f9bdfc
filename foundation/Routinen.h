#pragma once

#include <cstdint>

namespace varku {

// Eine Zufallszahl von "von" bis "bis", beide eingeschlossen (16 Bit). Es gibt einen Generator,
// der beim Start einmal gesät wird; so kommen auch schnell hintereinander verschiedene Zahlen.
int16_t zufallszahl(int von, int bis);

// Kehrt nach der Zahl ganzer Sekunden zurück; das Programm schläft und nimmt solange keine
// Eingaben an. Eine Wartezeit über Mitternacht endet ebenso.
void warte(int sekunden);

// Grad in Bogenmaß, mit dem zehnstelligen Wert von Pi
void winkelInBogenmass(double winkel, double& bogen);

// Sekunden seit Mitternacht, gerundet
long sekundenJetzt();

} // namespace varku
