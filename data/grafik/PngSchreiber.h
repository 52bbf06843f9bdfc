#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace varku {

// Bild als PNG (8 Bit je Farbe, mit Alphakanal, wenn das Bild einen hat), jede Zeile ungefiltert
// und schwach gepackt: größer als Qts PNG, aber in einem Drittel der Zeit gelesen. Für Bilder,
// die beim Start gelesen werden. Leer bei leerem Bild.
QByteArray alsSchnellesPng(const QImage& bild);

bool schreibeSchnellesPng(const QImage& bild, const QString& pfad);

} // namespace varku
