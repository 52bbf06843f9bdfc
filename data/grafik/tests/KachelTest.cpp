#include "data/grafik/Kachel.h"
#include "data/grafik/Bausteine.h"
#include "data/grafik/Kachelfarben.h"

#include <gtest/gtest.h>

using namespace varku;

TEST(Kachel, TextPasstUndStehtMittig) {
    ASSERT_TRUE(ladeKachelSchrift());
    QStringList texte{"?", "i", "W", "ß", "Bär", "tion", "chs", "qu", "Äpfel", "WWWWWW", "jg"};
    for (const Baustein& b : leseBausteinDatei(VARKU_BAUSTEINE).bausteine)
        texte.append(b.text);
    const QRectF rahmen[] = {QRectF(0, 0, 96, 96), QRectF(-43, -43, 86, 86),
                             QRectF(102, 103, 48, 48)};
    for (const QRectF& r : rahmen) {
        const QRectF feld = kachelTextFeld(r);
        ASSERT_TRUE(kachelOberseite(r).contains(feld));
        for (const QString& text : texte) {
            const QRectF umriss = kachelTextPfad(text, r).boundingRect();
            const QString fall = text + " in " + QString::number(r.width());
            EXPECT_TRUE(feld.adjusted(-0.5, -0.5, 0.5, 0.5).contains(umriss)) << qPrintable(fall);
            EXPECT_NEAR(umriss.center().x(), feld.center().x(), 0.5) << qPrintable(fall);
            EXPECT_NEAR(umriss.center().y(), feld.center().y(), 0.5) << qPrintable(fall);
        }
    }
}

// Lesbarkeit: kurze Texte schrumpfen nicht mehr als nötig, Einzelbuchstaben nicht riesig
TEST(Kachel, SchriftGroesse) {
    ASSERT_TRUE(ladeKachelSchrift());
    struct Fall {
        const char* text;
        int mindestens;
        int hoechstens;
    };
    const Fall faelle[] = {
        {"i", 64, 64},    {"?", 64, 64},   {"sch", 34, 50},
        {"tion", 30, 48}, {"Oma", 26, 44}, {"WWWWWWWWWW", 6, 14},
    };
    const QRectF feld = kachelTextFeld(QRectF(0, 0, 96, 96));
    for (const Fall& f : faelle) {
        const int pixel = kachelSchriftPixel(f.text, feld.size(), 64);
        EXPECT_GE(pixel, f.mindestens) << f.text;
        EXPECT_LE(pixel, f.hoechstens) << f.text;
        // eine Stufe größer passt nicht mehr, sonst wäre zu früh aufgehört worden
        if (pixel < 64) {
            QPainterPath groesser;
            groesser.addText(0, 0, kachelSchrift(pixel + 1), f.text);
            const QRectF u = groesser.boundingRect();
            EXPECT_TRUE(u.width() > feld.width() || u.height() > feld.height()) << f.text;
        }
    }
}

TEST(Kachelfarben, Nachbarn) {
    struct Fall {
        const char* name;
        QStringList dateien;
    };
    const Fall faelle[] = {
        {"immer derselbe Name", {"A.gif", "A.gif", "A.gif", "A.gif", "A.gif"}},
        {"Namen der Liste",
         {"BST_SCH.gif", "BST_CH_.gif", "BST_EU_.gif", "BST_SZ_.gif", "BST_Z__.gif", "BST_NG_.gif",
          "BST_J__.gif", "BST_V__.gif"}},
        {"mit leerer Kachel dazwischen",
         {"B.gif", "BST_NULL.gif", "B.gif", "bst_null.GIF", "B.gif"}},
        {"viele ähnliche Namen",
         {"K1.gif", "K2.gif", "K3.gif", "K4.gif", "K5.gif", "K6.gif", "K7.gif", "K8.gif", "K9.gif",
          "K10.gif", "K11.gif", "K12.gif"}},
    };
    for (const Fall& f : faelle) {
        const QList<QColor> farben = kachelFarben(f.dateien);
        ASSERT_EQ(farben.size(), f.dateien.size()) << f.name;
        for (int i = 0; i < farben.size(); ++i) {
            const bool leer = istLeereKachel(f.dateien[i]);
            EXPECT_EQ(farben[i] == leereKachelFarbe(), leer) << f.name << " " << i;
            if (!leer) {
                EXPECT_TRUE(kachelPalette().contains(farben[i])) << f.name << " " << i;
            }
            if (i > 0) {
                EXPECT_NE(farben[i], farben[i - 1]) << f.name << " " << i;
            }
        }
        // eine Kachel allein hat ihre eigene Farbe, egal wo sie steht
        EXPECT_EQ(kachelFarben({f.dateien[0]}).constFirst(), farben[0]) << f.name;
    }
}
