#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;

namespace varku::dolmix {

// Die Bilder des Fallspiels malt das Programm selbst: sechs farbige Steine, den Blankstein und
// das leere Feld. Jede Größe wird einmal gemalt und dann aus dem Zwischenspeicher genommen.

struct Steinfarbe {
    QColor stein;
    QColor buchstabe; // gut lesbar auf dem Stein
};

// die Farbe eines Buchstabensteins 1 bis 6; jede andere Zahl ist der graue Blankstein
Steinfarbe steinFarbe(int farbe);

// das leere Feld: 14 x 11 Zellen mit seinem Rand, die Zelle zellePixel groß
QPixmap spielfeldBild(int zellePixel);
// seine Größe, ohne es zu malen
QSize spielfeldGroesse(int zellePixel);
// die Zelle (Spalte 1 bis 14, Zeile 1 bis 11 von unten) im Bild des Feldes
QRect zellenRechteck(int spalte, int zeile, int zellePixel);

// die Schrift der Buchstaben auf einem Stein dieser Größe
QFont steinSchrift(int zellePixel);

// ein Stein in das Rechteck: farbe 0 ist der Blankstein, der keinen Buchstaben trägt; ein leerer
// Buchstabe lässt den Stein ohne Schrift (ein gewischter Buchstabe)
void maleStein(QPainter& p, const QRect& rechteck, int farbe, const QString& buchstabe,
               int drehung);

// Schreibt den Text in der Mitte des quadratischen Kastens, um winkel Grad gegen den
// Uhrzeigersinn um die Mitte gedreht. Nur 0, 90, 180 und 270 werden gemalt; bei jedem anderen
// Winkel bleibt der Kasten, wie er ist, und das Ergebnis ist false.
bool schreibeGedrehtenText(QPainter& p, const QString& text, const QFont& schrift,
                           const QColor& farbe, int winkel, const QRectF& kasten);

} // namespace varku::dolmix
