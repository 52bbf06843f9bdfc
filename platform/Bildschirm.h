#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

namespace varku {

// Die Fläche, die ein Fenster auf dem Bildschirm einnehmen darf (ohne die Leisten des Desktops):
// der Bildschirm des Fensters, wenn es zu sehen ist, sonst der des aktiven Fensters.
QRect verfuegbareFlaeche(const QWidget& fenster);

// Der Rand, den der Fenstermanager um ein Fenster legt (Titelleiste, Kanten). Solange das Fenster
// nie zu sehen war, der eines anderen sichtbaren Fensters, sonst geschätzt.
QMargins fensterRand(const QWidget& fenster);

// Verschiebt ein Fenster samt Rand in die verfügbare Fläche; ist es größer, bleibt die linke
// obere Ecke mit Titelleiste zu sehen.
void haltImBildschirm(QWidget& fenster);

// Setzt die Lage eines Fensters samt Rand. Das tut move() nur, solange das Fenster noch nicht
// angelegt ist; ein schon angelegtes, nie gezeigtes (etwa vorgezeichnetes) käme sonst um die
// Titelleiste verschoben auf den Schirm.
void setzeLage(QWidget& fenster, const QPoint& lage);

} // namespace varku
