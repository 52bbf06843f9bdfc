#include "platform/Zeichenspeicher.h"

#include <QBackingStore>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

using varku::Zeichenspeicher;

// Ein Fenster mit Fläche hat danach seinen Speicher in seiner Größe, bereitgestellt; ein leeres
// Fenster und ein Kind in einem Fenster bleiben, wie sie sind. Gemalt wird danach wie sonst.
TEST(Zeichenspeicher, StelltDenSpeicherEinesFenstersBereit) {
    struct Fall {
        QSize groesse;
        bool kind;
        bool bereit;
    };
    const Fall faelle[] = {
        {{1600, 1000}, false, true}, {{640, 480}, false, true}, {{1, 1}, false, true},
        {{0, 0}, false, false},      {{300, 0}, false, false},  {{200, 100}, true, false},
    };
    for (const Fall& f : faelle) {
        QWidget eltern;
        eltern.resize(400, 300);
        QWidget fenster(f.kind ? &eltern : nullptr);
        fenster.resize(f.groesse);
        Zeichenspeicher speicher(fenster);
        EXPECT_EQ(speicher.warte(), f.bereit) << f.groesse.width() << "x" << f.groesse.height();
        EXPECT_EQ(speicher.warte(), f.bereit) << "ein zweites Warten ändert nichts";
        if (!f.bereit)
            continue;
        ASSERT_NE(fenster.backingStore(), nullptr);
        EXPECT_EQ(fenster.backingStore()->size(), f.groesse);
        // der Speicher nimmt jedes Bild an, bis in die letzte Zeile
        fenster.backingStore()->beginPaint(QRect(QPoint(), f.groesse));
        {
            QPainter maler(fenster.backingStore()->paintDevice());
            maler.fillRect(QRect(QPoint(), f.groesse), Qt::red);
        }
        fenster.backingStore()->endPaint();
        const QImage bild = fenster.grab().toImage();
        EXPECT_EQ(bild.size(), f.groesse);
    }
}
