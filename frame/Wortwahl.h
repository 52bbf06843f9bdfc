#pragma once

namespace varku {

// Die Wahl des nächsten Wortes: aus der Wiederholliste des Spielers (bei einer Ziehung über 70,
// nie zweimal hintereinander) oder zufällig, an schon richtig geschriebenen Wörtern vorbei.

extern bool letzteWahlWiederholung;
extern bool fehlerBeiWort; // das aktuelle Wort wurde schon einmal falsch geschrieben
extern int wortPosition;   // Stelle des aktuellen Wortes unter den gefilterten Wörtern, ab 1

// wählt und lädt das nächste Wort für aktSpieler; verlangt AnzahlWoerter > 0
void naechstesWort();
// Index (1 bis n) des Eintrags der Wiederholliste von aktSpieler mit dieser Wortstelle; -1 ohne
int sucheFehlerwort(int position);
// das aktuelle Wort war falsch geschrieben
void merkeFehlerwort();
void loescheFehlerwort(int index);
bool istWortErledigt(int position, int spieler);
void merkeWortErledigt();
// das aktuelle Wort war richtig: sein Eintrag zählt weiter und geht nach drei Mal
void zaehleRichtigenVersuch();
// Wahlzustand zurücksetzen (Programmstart, Tests)
void setzeWortwahlZurueck();

} // namespace varku
