// Die Jokerbilder, wie der Bau sie in den Grafikordner gelegt hat: drei, jedes füllt seine Karte,
// und keines gleicht einem anderen.
#include "data/grafik/Joker.h"

#include <QDir>
#include <QImageReader>
#include <gtest/gtest.h>

using namespace varku;

TEST(Joker, DreiBilderFuellenIhreKarte) {
    const QDir grafik(QStringLiteral(VARKU_GRAFIKORDNER));
    QImage vorige;
    for (int nr = 1; nr <= jokerAnzahl; ++nr) {
        SCOPED_TRACE(nr);
        const QString pfad = grafik.filePath(jokerBildName(nr));
        ASSERT_TRUE(QImageReader(pfad).canRead()) << pfad.toStdString();
        const QImage bild = QImage(pfad).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(bild.size(), QSize(jokerKante, jokerKante)) << "quadratisch wie die Karte";
        // deckend bis an den Rand (nur die runden Ecken nicht), bunt in der Mitte
        int deckend = 0;
        QSet<QRgb> farben;
        for (int y = 0; y < bild.height(); y += 2)
            for (int x = 0; x < bild.width(); x += 2) {
                deckend += qAlpha(bild.pixel(x, y)) == 255 ? 1 : 0;
                farben.insert(bild.pixel(x, y) & 0xf0f0f0);
            }
        EXPECT_GT(deckend, bild.width() * bild.height() / 4 * 97 / 100);
        EXPECT_GT(farben.size(), 40) << "ein buntes Bild, keine Fläche";
        for (const QPoint& rand : {QPoint(jokerKante / 2, 1), QPoint(1, jokerKante / 2),
                                   QPoint(jokerKante - 2, jokerKante / 2)})
            EXPECT_EQ(qAlpha(bild.pixel(rand)), 255);
        EXPECT_NE(bild, vorige);
        vorige = bild;
    }
}
