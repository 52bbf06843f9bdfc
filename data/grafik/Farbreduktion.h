#pragma once

#include <QColor>
#include <QImage>

namespace varku {

// Indexbild mit höchstens 256 Farben. Passen alle Farben hinein, bleiben sie genau
// erhalten, sonst teilt ein Median-Schnitt den Farbraum auf. Punkte mit Alpha < 128
// teilen sich einen durchsichtigen Eintrag, alle anderen werden deckend.
// (Qt selbst nimmt für Bilder mit Alphakanal immer einen festen 6x6x6-Würfel.)
QImage alsIndexBild(const QImage& bild);

// Halbdurchsichtige Kanten auf den Hintergrund mischen: unter der Schwelle ganz weg,
// darüber deckend. So bleiben Ränder glatt, obwohl GIF nur an oder aus kennt.
QImage mitHarterKante(const QImage& bild, const QColor& hintergrund, int schwelle = 96);

} // namespace varku
