#include "data/grafik/PngSchreiber.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using namespace varku;

namespace {

QImage bild(int breite, int hoehe, QImage::Format format,
            const std::function<QRgb(int, int)>& punkt) {
    QImage b(breite, hoehe, format);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            b.setPixel(x, y, punkt(x, y));
    return b;
}

// Bildpunkte, in denen das gelesene PNG vom Bild abweicht (Farbe und Deckkraft)
int abweichungen(const QImage& gelesen, const QImage& bild) {
    const QImage soll = bild.convertToFormat(QImage::Format_ARGB32);
    const QImage ist = gelesen.convertToFormat(QImage::Format_ARGB32);
    if (ist.size() != soll.size())
        return -1;
    int n = 0;
    for (int y = 0; y < soll.height(); ++y)
        for (int x = 0; x < soll.width(); ++x)
            n += ist.pixel(x, y) != soll.pixel(x, y);
    return n;
}

} // namespace

// Was geschrieben wird, liest Qt zurück, Punkt für Punkt gleich, mit Alphakanal nur, wenn das
// Bild einen hat: kleine, schmale, breite und verrauschte Bilder (Rauschen lässt sich kaum
// packen), aus verschiedenen Formaten, durchsichtig und halb durchsichtig.
TEST(SchnellesPng, LiestSichGleichZurueck) {
    QRandomGenerator zufall(7);
    struct Fall {
        const char* name;
        QImage bild;
    };
    const auto rauschenMitAlpha = [&zufall](int, int) { return QRgb(zufall.generate()); };
    // ein Logo in 250 Punkten je Zentimeter, breiter als hoch aufgelöst
    QImage logo =
        bild(30, 20, QImage::Format_ARGB32, [](int x, int) { return qRgba(x, 0, 0, 200); });
    logo.setDotsPerMeterX(25000);
    logo.setDotsPerMeterY(12000);
    const Fall faelle[] = {
        {"ein Punkt", bild(1, 1, QImage::Format_RGB32, [](int, int) { return qRgb(200, 10, 30); })},
        {"Zeile mit ungerader Breite",
         bild(333, 1, QImage::Format_RGB32,
              [](int x, int) { return qRgb(x & 255, 0, 255 - (x & 255)); })},
        {"Spalte",
         bild(1, 257, QImage::Format_RGB888, [](int, int y) { return qRgb(0, y & 255, 7); })},
        {"Verlauf", bild(640, 400, QImage::Format_RGB32,
                         [](int x, int y) { return qRgb(x * 255 / 639, y * 255 / 399, 128); })},
        {"Rauschen", bild(300, 200, QImage::Format_RGB32,
                          [&](int, int) { return QRgb(zufall.generate()) | 0xff000000u; })},
        {"undurchsichtig mit Alphakanal",
         bild(50, 40, QImage::Format_ARGB32,
              [](int x, int y) { return qRgba(x * 5, y * 6, 9, 255); })},
        {"Deckkraft von 0 bis 255", bild(256, 3, QImage::Format_ARGB32,
                                         [](int x, int y) { return qRgba(y * 90, 200, 7, x); })},
        {"Rauschen mit Alpha", bild(120, 90, QImage::Format_ARGB32, rauschenMitAlpha)},
        {"Logo mit eigener Auflösung", logo},
        {"vormultipliziert, rund ausgeschnitten",
         bild(64, 64, QImage::Format_ARGB32_Premultiplied,
              [](int x, int y) {
                  const bool innen = (x - 32) * (x - 32) + (y - 32) * (y - 32) < 900;
                  return innen ? qRgba(250, 120, 0, 255) : qRgba(0, 0, 0, 0);
              })},
    };
    for (const Fall& f : faelle) {
        QByteArray png = alsSchnellesPng(f.bild);
        ASSERT_FALSE(png.isEmpty()) << f.name;
        QBuffer puffer(&png);
        QImageReader leser(&puffer, "png");
        const QImage gelesen = leser.read();
        ASSERT_FALSE(gelesen.isNull()) << f.name << ": " << leser.errorString().toStdString();
        EXPECT_EQ(gelesen.hasAlphaChannel(), f.bild.hasAlphaChannel()) << f.name;
        EXPECT_EQ(abweichungen(gelesen, f.bild), 0) << f.name;
        // nach der Auflösung richtet sich die Größe gedruckter Bilder
        EXPECT_EQ(gelesen.dotsPerMeterX(), f.bild.dotsPerMeterX()) << f.name;
        EXPECT_EQ(gelesen.dotsPerMeterY(), f.bild.dotsPerMeterY()) << f.name;
    }
}

TEST(SchnellesPng, LeeresBildUndUnschreibbarerOrt) {
    EXPECT_TRUE(alsSchnellesPng(QImage()).isEmpty());
    QTemporaryDir dir;
    const QImage punkt = bild(2, 2, QImage::Format_RGB32, [](int, int) { return qRgb(1, 2, 3); });
    EXPECT_FALSE(schreibeSchnellesPng(QImage(), dir.filePath("leer.png")));
    EXPECT_FALSE(schreibeSchnellesPng(punkt, dir.filePath("fehlt/bild.png")));
    ASSERT_TRUE(schreibeSchnellesPng(punkt, dir.filePath("bild.png")));
    EXPECT_EQ(abweichungen(QImage(dir.filePath("bild.png")), punkt), 0);
}
