#pragma once

#include <QString>

namespace varku {

// Rechenregeln der Anzeige im Hauptfenster, alle Maße in Twips.

// Zähler: Anzahl "0000" (über 9999 "9999"), Zeit "00,00" (über 99,99 "99,99")
QString formatiereAnzahl(long anzahl);
QString formatiereZeit(double sekunden);
// die höchstens vier Zeichen für die vier Ziffernfelder: ohne Komma
QString zaehlerZiffern(const QString& text);

// Kontextschrift: Größe der Wortschrift durch 2,5, abgerundet
int kontextGroesse(double wortGroesse);

// Lage von Wort und Schreibfeld neben dem Kontext
struct WortAnordnung {
    double wortLinks = 0;  // Wort und Schreibfeld beginnen hier
    double wortBreite = 0; // Breite des Wortes im Lesen-Rahmen
    double feldBreite = 0; // Breite des Schreibfelds
};
WortAnordnung ordneWortAn(double kontextLinks, double kontextBreite, bool mitKontext,
                          double lesenRahmenBreite, double schreibenRahmenBreite);
// der Kontext steht auf der Grundlinie des Wortes
double kontextOben(double wortOben, double wortHoehe, double kontextHoehe);

// Die Lupe über den Buchstaben von bis bis (ab 1) aus den Textbreiten
struct Lupenrechteck {
    double links = 0;
    double breite = 0;
};
Lupenrechteck berechneLupe(double wortLinks, double breiteDavor, double breiteDerStelle);

} // namespace varku
