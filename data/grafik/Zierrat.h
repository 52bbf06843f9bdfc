#pragma once

#include <QColor>
#include <QPointF>

class QPainter;

namespace varku {

// Kleine Beigaben für die Programmbilder

// fünfzackiger Stern mit runden Spitzen
void zeichneStern(QPainter& p, const QPointF& mitte, qreal radius, qreal drehungGrad = 0);

// Bleistift: spitze ist die Minenspitze, der Stift liegt in Richtung winkelGrad davon weg
void zeichneBleistift(QPainter& p, const QPointF& spitze, qreal winkelGrad, qreal laenge,
                      qreal dicke);

// Haufenwolke aus Kreisen, unten flach
void zeichneWolke(QPainter& p, const QPointF& mitte, qreal breite, const QColor& farbe);

} // namespace varku
