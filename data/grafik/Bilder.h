#pragma once

#include <QImage>

namespace varku {

// Die festen Bilder des Programms, jeweils in ihrer Programmgröße

QImage varkuLogo();        // 480 x 300, "VARKU" aus Bausteinen
QImage varkuHintergrund(); // 1600 x 1000, ruhiger Himmel hinter allen Fenstern
QImage willkommenBild();   // 320 x 240, die Eule mit Buch
QImage infoBild();         // 160 x 160, Eulenkopf für das Info-Fenster
// das Bild des Info-Fensters als Symbol von VARKU im Menü des Schreibtischs, kante x kante
QImage programmSymbol(int kante);

// Für den Druck, mit ihrer Auflösung: daraus nimmt der Drucker die Größe auf dem Blatt
QImage druckLogo();  // 928 x 500, das Logo auf 3,7 x 2 cm, links oben auf jedem Blatt
QImage verlagLogo(); // 720 x 360, das Verlagszeichen auf 3 x 1,5 cm, rechts unten

} // namespace varku
