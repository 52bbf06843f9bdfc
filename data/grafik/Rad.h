#pragma once

#include <QImage>
#include <QString>

namespace varku {

// Das Glücksrad des Zirkomat: zehn Felder, immer dasselbe Rad, nur gedreht.
// Bild i zeigt Feld i oben unter der festen Marke. Das Spiel schaltet 0, 1, 2, ... weiter,
// darum ist Bild i+1 das Bild i um 36 Grad im Uhrzeigersinn gedreht.

constexpr int radFelder = 10;
constexpr int radKante = 360;  // Bildgröße, das Rad füllt den Kreis darin
constexpr int radRadius = 178; // außerhalb durchsichtig

QString radBildName(int feld); // "ZIRK0.png" ... "ZIRK9.png"
QString radMarkeName();        // "ZIRKMARKE.png"

// feldOben wird auf 0 bis 9 gebracht, auch negative Werte
QImage radBild(int feldOben);

// 60 x 50, Zeiger nach unten, steht über dem Rad
QImage radMarke();

} // namespace varku
