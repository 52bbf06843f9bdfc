#include "data/grafik/PngSchreiber.h"

#include <QSaveFile>
#include <QtEndian>
#include <array>

namespace varku {

namespace {

// CRC-32 wie in PNG und zlib (Polynom 0xEDB88320)
quint32 crc32(const QByteArray& daten) {
    static const std::array<quint32, 256> tafel = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    for (const char b : daten)
        c = tafel[(c ^ quint8(b)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void haengeAn(QByteArray& png, const char* art, const QByteArray& inhalt) {
    char laenge[4];
    qToBigEndian(quint32(inhalt.size()), laenge);
    png.append(laenge, 4);
    const QByteArray teil = QByteArray(art, 4) + inhalt;
    png.append(teil);
    char pruef[4];
    qToBigEndian(crc32(teil), pruef);
    png.append(pruef, 4);
}

} // namespace

QByteArray alsSchnellesPng(const QImage& bild) {
    if (bild.isNull())
        return {};
    // mit Alphakanal als RGBA (nicht vormultipliziert, wie PNG es will), sonst als RGB
    const bool alpha = bild.hasAlphaChannel();
    const QImage punkte =
        bild.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const qsizetype zeile = qsizetype(punkte.width()) * (alpha ? 4 : 3);
    QByteArray roh;
    roh.reserve((zeile + 1) * punkte.height());
    for (int y = 0; y < punkte.height(); ++y) {
        roh.append('\0'); // Filter "keiner"
        roh.append(reinterpret_cast<const char*>(punkte.constScanLine(y)), zeile);
    }
    QByteArray kopf(13, '\0');
    qToBigEndian(quint32(punkte.width()), kopf.data());
    qToBigEndian(quint32(punkte.height()), kopf.data() + 4);
    kopf[8] = 8;             // Bit je Farbe
    kopf[9] = alpha ? 6 : 2; // RGBA oder RGB
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    haengeAn(png, "IHDR", kopf);
    // die Auflösung: nach ihr richtet sich die Größe gedruckter Bilder
    if (punkte.dotsPerMeterX() > 0 && punkte.dotsPerMeterY() > 0) {
        QByteArray aufloesung(9, '\0');
        qToBigEndian(quint32(punkte.dotsPerMeterX()), aufloesung.data());
        qToBigEndian(quint32(punkte.dotsPerMeterY()), aufloesung.data() + 4);
        aufloesung[8] = 1; // Punkte je Meter
        haengeAn(png, "pHYs", aufloesung);
    }
    // qCompress setzt die Länge vor den zlib-Strom; PNG will nur den Strom
    haengeAn(png, "IDAT", qCompress(roh, 1).mid(4));
    haengeAn(png, "IEND", {});
    return png;
}

bool schreibeSchnellesPng(const QImage& bild, const QString& pfad) {
    const QByteArray png = alsSchnellesPng(bild);
    QSaveFile f(pfad);
    return !png.isEmpty() && f.open(QIODevice::WriteOnly) && f.write(png) == png.size() &&
           f.commit();
}

} // namespace varku
