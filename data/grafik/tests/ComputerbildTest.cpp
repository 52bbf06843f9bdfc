// Das Bild des Computers, wie der Bau es in den Grafikordner gelegt hat: ein buntes Bild in seiner
// Größe, durchsichtig um die Figur herum, damit der Grund seines Fensters durchscheint.
#include "data/grafik/Computerbild.h"

#include <QDir>
#include <QImageReader>
#include <QSet>
#include <gtest/gtest.h>

using namespace varku;

TEST(Computerbild, BunteFigurAufDurchsichtigemGrund) {
    const QString pfad = QDir(QStringLiteral(VARKU_GRAFIKORDNER)).filePath(computerBildName());
    ASSERT_TRUE(QImageReader(pfad).canRead()) << pfad.toStdString();
    const QImage bild = QImage(pfad).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(bild.size(), QSize(computerBildKante, computerBildKante));
    const int k = computerBildKante;
    for (const QPoint& ecke : {QPoint(0, 0), QPoint(k - 1, 0), QPoint(0, k - 1)})
        EXPECT_EQ(qAlpha(bild.pixel(ecke)), 0) << ecke.x() << "," << ecke.y();
    EXPECT_EQ(qAlpha(bild.pixel(k / 2, k * 2 / 5)), 255) << "das Gesicht deckt";
    QSet<QRgb> farben;
    int deckend = 0;
    for (int y = 0; y < k; ++y)
        for (int x = 0; x < k; ++x) {
            const QRgb px = bild.pixel(x, y);
            if (qAlpha(px) == 255) {
                ++deckend;
                farben.insert(px & 0xf0f0f0);
            }
        }
    EXPECT_GT(deckend, k * k / 3) << "die Figur füllt ihr Bild";
    EXPECT_GT(farben.size(), 40) << "ein buntes Bild, keine Fläche";
}
