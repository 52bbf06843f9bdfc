#pragma once

#include <QImage>
#include <QString>

namespace varku {

// Die drei Joker des Kartomin: ein lachender Narr mit Schellenkappe, jeder in seinen Farben und
// mit seinem Gesicht. Jedes Bild füllt eine Karte ganz aus; das Spiel zeichnet es in die Karte.

constexpr int jokerAnzahl = 3;
constexpr int jokerKante = 220; // Bildgröße; die Karte hat 825 Twips, bis zu zweimal vergrößert

QString jokerBildName(int nr); // "JOKER1.png" ... "JOKER3.png"
// nr von 1 bis 3
QImage jokerBild(int nr);

} // namespace varku
