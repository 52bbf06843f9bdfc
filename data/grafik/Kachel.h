#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace varku {

// Andika aus der Schriftenliste, sonst direkt aus fonts-sil-andika nachladen.
bool ladeKachelSchrift();

QFont kachelSchrift(int pixel);

// Oberseite der Kachel (ohne die dunkle Kante unten) und das Feld für die Buchstaben
QRectF kachelOberseite(const QRectF& rahmen);
QRectF kachelTextFeld(const QRectF& rahmen);

// Größte Pixelgröße, bei der die Umrisse des Textes in den Platz passen, höchstens
// groesste; nie unter 6.
int kachelSchriftPixel(const QString& text, const QSizeF& platz, int groesste);

// Umrisse des Textes, im Textfeld der Kachel mittig gesetzt
QPainterPath kachelTextPfad(const QString& text, const QRectF& rahmen);

// Spielzeugbaustein mit Kante, Glanz und eingelassener Rille, Text groß in der Mitte
void zeichneKachel(QPainter& p, const QRectF& rahmen, const QString& text, const QColor& farbe);

QImage kachelBild(const QString& text, const QColor& farbe, int kante = 96);

} // namespace varku
