#include "data/grafik/Farbreduktion.h"

#include <QSet>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace varku;

namespace {

QImage argbBild(int breite, int hoehe, const std::function<QRgb(int, int)>& punkt) {
    QImage bild(breite, hoehe, QImage::Format_ARGB32);
    for (int y = 0; y < hoehe; ++y)
        for (int x = 0; x < breite; ++x)
            bild.setPixel(x, y, punkt(x, y));
    return bild;
}

int groessterFehler(const QImage& quelle, const QImage& index) {
    int fehler = 0;
    for (int y = 0; y < quelle.height(); ++y) {
        for (int x = 0; x < quelle.width(); ++x) {
            const QRgb s = quelle.pixel(x, y), i = index.pixel(x, y);
            if (qAlpha(s) < 128) {
                fehler = qMax(fehler, qAlpha(i) == 0 ? 0 : 255);
                continue;
            }
            if (qAlpha(i) != 255)
                return 255;
            fehler = std::max({fehler, qAbs(qRed(s) - qRed(i)), qAbs(qGreen(s) - qGreen(i)),
                               qAbs(qBlue(s) - qBlue(i))});
        }
    }
    return fehler;
}

int durchsichtigeEintraege(const QImage& index) {
    int n = 0;
    for (const QRgb f : index.colorTable())
        n += qAlpha(f) == 0 ? 1 : 0;
    return n;
}

} // namespace

TEST(Farbreduktion, TafelUndFehler) {
    struct Fall {
        const char* name;
        QImage bild;
        int hoechstensFarben; // Einträge der Tafel
        int erlaubterFehler;  // je Farbkanal
    };
    const Fall faelle[] = {
        {"zwei Farben mit Alpha bleiben genau",
         argbBild(30, 30,
                  [](int x, int) { return x < 15 ? qRgb(200, 130, 70) : qRgb(90, 160, 210); }),
         2, 0},
        {"genau 256 Farben bleiben genau",
         argbBild(16, 16, [](int x, int y) { return qRgb(x * 16, y * 16, 255 - x - y); }), 256, 0},
        {"255 Farben und Loch bleiben genau",
         argbBild(
             16, 16,
             [](int x, int y) { return x + y == 0 ? qRgba(0, 0, 0, 0) : qRgb(x * 16, y * 16, 7); }),
         256, 0},
        {"256 Farben und Loch: ein Platz zu wenig",
         argbBild(
             17, 16,
             [](int x, int y) { return x == 16 ? qRgba(9, 9, 9, 0) : qRgb(x * 16, y * 16, 7); }),
         256, 16},
        {"Verlauf mit 4096 Farben",
         argbBild(64, 64, [](int x, int y) { return qRgb(x * 4, y * 4, 128 + (x - y)); }), 256, 12},
        {"halbdurchsichtig über der Grenze wird deckend",
         argbBild(4, 4, [](int, int) { return qRgba(10, 200, 30, 128); }), 1, 0},
        {"unter der Grenze wird Loch",
         argbBild(4, 4,
                  [](int x, int) { return x == 0 ? qRgba(10, 200, 30, 127) : qRgb(1, 2, 3); }),
         2, 0},
    };
    for (const Fall& f : faelle) {
        const QImage index = alsIndexBild(f.bild);
        ASSERT_EQ(index.format(), QImage::Format_Indexed8) << f.name;
        EXPECT_LE(index.colorCount(), f.hoechstensFarben) << f.name;
        EXPECT_LE(durchsichtigeEintraege(index), 1) << f.name;
        EXPECT_LE(groessterFehler(f.bild, index), f.erlaubterFehler) << f.name;
    }
}

TEST(Farbreduktion, GleichesBildGleicheTafel) {
    const QImage bild =
        argbBild(64, 64, [](int x, int y) { return qRgb(x * 4, y * 4, (x * y) & 0xff); });
    const QImage a = alsIndexBild(bild);
    const QImage b = alsIndexBild(bild.copy());
    EXPECT_EQ(a.colorTable(), b.colorTable());
    EXPECT_EQ(a, b);
}

TEST(Farbreduktion, HarteKante) {
    struct Fall {
        const char* name;
        QRgb punkt;
        QRgb erwartet;
    };
    const QColor grund(200, 100, 0);
    const Fall faelle[] = {
        {"deckend bleibt", qRgb(10, 20, 30), qRgb(10, 20, 30)},
        {"ganz durchsichtig bleibt weg", qRgba(10, 20, 30, 0), qRgba(0, 0, 0, 0)},
        {"knapp unter der Schwelle fällt weg", qRgba(10, 20, 30, 95), qRgba(0, 0, 0, 0)},
        {"an der Schwelle wird gemischt", qRgba(0, 0, 0, 96), qRgb(125, 62, 0)},
        {"halb wird zur Hälfte gemischt", qRgba(100, 200, 0, 128), qRgb(150, 150, 0)},
    };
    for (const Fall& f : faelle) {
        QImage bild(1, 1, QImage::Format_ARGB32);
        bild.setPixel(0, 0, f.punkt);
        EXPECT_EQ(mitHarterKante(bild, grund).pixel(0, 0), f.erwartet) << f.name;
    }
}
