#pragma once

#include <QPointF>
#include <QRectF>

namespace varku {

// Die Nadel der Zeigerinstrumente, in Twips: der Punktemesser des Rahmenprogramms und die
// Ratezeituhr der Spiele. 0 zeigt nach links unten, 500 senkrecht nach oben, 1000 nach rechts
// unten; die Nadel dreht sich im Uhrzeigersinn über 264 Grad.

// Versatz eines Punktes im Abstand r in der Richtung des Wertes, auf ganze Twips gerundet
QPointF polarPunkt(int wert, double r);

struct Nadel {
    QPointF achse;
    QPointF spitze;
    QPointF ende; // das kurze Ende hinter der Achse; gleich der Achse ohne Ende
};

// Die Nadel auf einem Zifferblatt: die Achse in seiner Mitte (links + halbe Breite,
// oben + halbe Breite), die Spitze 0,6 der halben Breite lang, das Ende endeAnteil.
Nadel berechneNadel(int wert, const QRectF& zifferblatt, double endeAnteil = 0.2);

} // namespace varku
