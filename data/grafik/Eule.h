#pragma once

#include <QRectF>

class QPainter;

namespace varku {

// Die Varku-Eule, lächelnd. Beide Figuren füllen den Rahmen so groß wie möglich
// und bleiben dabei unverzerrt.

// ganze Eule mit aufgeschlagenem Buch in den Flügeln
void zeichneEule(QPainter& p, const QRectF& rahmen);

// nur der Kopf mit Federohren
void zeichneEulenKopf(QPainter& p, const QRectF& rahmen);

} // namespace varku
