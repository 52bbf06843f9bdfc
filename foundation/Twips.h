#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace varku {

// Maße der Fenster stehen in Twips (1440 je Zoll); ein Fenster rechnet mit 15 Twips je Pixel.
constexpr int twipsJePixel = 15;

inline int px(double twips) {
    return int(twips / twipsJePixel + (twips >= 0 ? 0.5 : -0.5));
}
inline double twips(int pixel) {
    return double(pixel) * twipsJePixel;
}

// setzt Lage und Größe eines Steuerelements in Twips
void setzeTwips(QWidget& w, double links, double oben, double breite, double hoehe);
QRectF rechteckTwips(const QWidget& w);

// Breite eines Textes in einer Schrift, in Twips
double textBreite(const QFont& schrift, const QString& text);
// Höhe einer Textzeile in einer Schrift, in Twips
double textHoehe(const QFont& schrift);

// "\r" trennt im System die Zeilen eines Meldungstextes; Qt braucht "\n"
QString alsAnzeigeText(const QString& text);

} // namespace varku
