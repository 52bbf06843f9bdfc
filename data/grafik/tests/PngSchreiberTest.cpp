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

// Bildpunkte, in denen das gelesene PNG vom Bild (ohne Alpha) abweicht
int abweichungen(const QImage& gelesen, const QImage& bild) {
    const QImage soll = bild.convertToFormat(QImage::Format_RGB32);
    const QImage ist = gelesen.convertToFormat(QImage::Format_RGB32);
    if (ist.size() != soll.size())
        return -1;
    int n = 0;
    for (int y = 0; y < soll.height(); ++y)
        for (int x = 0; x < soll.width(); ++x)
            n += ist.pixel(x, y) != soll.pixel(x, y);
    return n;
}

} // namespace

// Was geschrieben wird, liest Qt zurück, Punkt für Punkt gleich: kleine, schmale, breite und
// verrauschte Bilder (Rauschen lässt sich kaum packen), aus verschiedenen Formaten.
TEST(SchnellesPng, LiestSichGleichZurueck) {
    QRandomGenerator zufall(7);
    struct Fall {
        const char* name;
        QImage bild;
    };
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
    };
    for (const Fall& f : faelle) {
        QByteArray png = alsSchnellesPng(f.bild);
        ASSERT_FALSE(png.isEmpty()) << f.name;
        QBuffer puffer(&png);
        QImageReader leser(&puffer, "png");
        const QImage gelesen = leser.read();
        ASSERT_FALSE(gelesen.isNull()) << f.name << ": " << leser.errorString().toStdString();
        EXPECT_FALSE(gelesen.hasAlphaChannel()) << f.name;
        EXPECT_EQ(abweichungen(gelesen, f.bild), 0) << f.name;
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
