#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace varku {

// Bild als GIF89a. Indexbilder werden mit ihrer Farbtafel geschrieben, alle anderen
// vorher auf höchstens 256 Farben gebracht. Farben mit Alpha < 128 werden durchsichtig.
// Leer bei leerem Bild oder mehr als 65535 Punkten Kantenlänge.
QByteArray alsGif(const QImage& bild);

bool schreibeGif(const QImage& bild, const QString& pfad);

} // namespace varku
