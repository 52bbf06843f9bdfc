// Die gemalten Steine und gedrehten Buchstaben, auf Bildern im Speicher nachgemessen.
#include "games/fallingletters/Steinbilder.h"
#include "games/fallingletters/Fallspiel.h"

#include <QImage>
#include <QPainter>
#include <QTransform>
#include <cmath>
#include <gtest/gtest.h>

using namespace varku::dolmix;

namespace {

constexpr int kasten = 64;

QImage leer() {
    QImage b(kasten, kasten, QImage::Format_ARGB32);
    b.fill(Qt::white);
    return b;
}

QFont schrift(bool fett) {
    QFont f = steinSchrift(kasten);
    f.setBold(fett);
    // ohne Kantenglättung: gedrehte Bilder lassen sich Pixel für Pixel vergleichen
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QImage gedreht(const QString& text, int winkel, bool fett = true) {
    QImage b = leer();
    QPainter p(&b);
    schreibeGedrehtenText(p, text, schrift(fett), Qt::black, winkel, QRectF(0, 0, kasten, kasten));
    return b;
}

int tinte(const QImage& b) {
    int n = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            n += qGray(b.pixel(x, y)) < 128;
    return n;
}

bool tintig(const QImage& b, int x, int y) {
    return x >= 0 && y >= 0 && x < b.width() && y < b.height() && qGray(b.pixel(x, y)) < 128;
}

// Anteil der Tinte des einen Bildes, die im anderen auch ein Pixel daneben keine findet, in
// beide Richtungen: die Rundung einer Drehung darf um ein Pixel verschieben
double abweichung(const QImage& a, const QImage& b) {
    const auto fremd = [](const QImage& von, const QImage& in) {
        int n = 0;
        for (int y = 0; y < von.height(); ++y)
            for (int x = 0; x < von.width(); ++x) {
                if (!tintig(von, x, y))
                    continue;
                bool nah = false;
                for (int dy = -1; dy <= 1 && !nah; ++dy)
                    for (int dx = -1; dx <= 1 && !nah; ++dx)
                        nah = tintig(in, x + dx, y + dy);
                n += !nah;
            }
        return n;
    };
    return double(fremd(a, b) + fremd(b, a)) / std::max(1, tinte(a) + tinte(b));
}

double helligkeit(const QColor& c) {
    const auto kanal = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * kanal(c.red()) + 0.7152 * kanal(c.green()) + 0.0722 * kanal(c.blue());
}

double kontrast(const QColor& a, const QColor& b) {
    const double ha = helligkeit(a), hb = helligkeit(b);
    return (std::max(ha, hb) + 0.05) / (std::min(ha, hb) + 0.05);
}

} // namespace

// Ein "F" hat keine Symmetrie: jede Drehung muss genau das aufrechte Bild um die Mitte gedreht
// sein, gegen den Uhrzeigersinn
TEST(GedrehterText, GleichtDemGedrehtenAufrechtenBild) {
    const QImage aufrecht = gedreht(QStringLiteral("F"), 0);
    ASSERT_GT(tinte(aufrecht), 40);
    for (const int winkel : {90, 180, 270}) {
        SCOPED_TRACE(winkel);
        // QTransform dreht auf dem Bildschirm im Uhrzeigersinn
        const QImage erwartet = aufrecht.transformed(QTransform().rotate(-winkel));
        const QImage bild = gedreht(QStringLiteral("F"), winkel);
        ASSERT_EQ(erwartet.size(), bild.size());
        EXPECT_LT(abweichung(erwartet, bild), 0.03);
        // und kein anderes: gegen die falsche Richtung weicht es deutlich ab
        if (winkel != 180) {
            EXPECT_GT(abweichung(aufrecht.transformed(QTransform().rotate(winkel)), bild), 0.2);
        }
    }
}

TEST(GedrehterText, AndereWinkelMalenNichts) {
    for (const int winkel : {45, -90, 360, 1}) {
        SCOPED_TRACE(winkel);
        QImage b = leer();
        QPainter p(&b);
        EXPECT_FALSE(schreibeGedrehtenText(p, QStringLiteral("F"), schrift(true), Qt::black, winkel,
                                           QRectF(0, 0, kasten, kasten)));
        p.end();
        EXPECT_EQ(tinte(b), 0);
    }
}

TEST(GedrehterText, MittigUndFettMitMehrTinte) {
    const QImage b = gedreht(QStringLiteral("O"), 0);
    // die Mitte der Tinte liegt nahe der Mitte des Kastens
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < kasten; ++y)
        for (int x = 0; x < kasten; ++x)
            if (qGray(b.pixel(x, y)) < 128) {
                sx += x;
                sy += y;
                ++n;
            }
    ASSERT_GT(n, 0);
    EXPECT_NEAR(sx / n, kasten / 2.0, kasten / 8.0);
    EXPECT_NEAR(sy / n, kasten / 2.0, kasten / 8.0);
    EXPECT_GT(tinte(gedreht(QStringLiteral("W"), 90, true)),
              tinte(gedreht(QStringLiteral("W"), 90, false)));
}

TEST(Steine, BuchstabeHebtSichVomSteinAb) {
    for (int farbe = 1; farbe <= steinFarben; ++farbe) {
        SCOPED_TRACE(farbe);
        const Steinfarbe f = steinFarbe(farbe);
        EXPECT_GE(kontrast(f.stein, f.buchstabe), 4.5);
        // die Farben unterscheiden sich voneinander
        for (int andere = 1; andere < farbe; ++andere)
            EXPECT_NE(steinFarbe(andere).stein, f.stein);
    }
    EXPECT_EQ(steinFarbe(0).stein, steinFarbe(7).stein);
}

TEST(Steine, BlanksteinUndGewischterBuchstabeOhneSchrift) {
    const auto male = [](int farbe, const QString& bst) {
        // ein Grund in keiner Farbe der Steine oder Schriften
        QImage b(kasten, kasten, QImage::Format_ARGB32);
        b.fill(QColor(12, 34, 56));
        QPainter p(&b);
        maleStein(p, QRect(0, 0, kasten, kasten), farbe, bst, 0);
        p.end();
        // Tinte ist, was die Farbe der Schrift hat
        const QColor schrift = steinFarbe(farbe).buchstabe;
        int n = 0;
        for (int y = 0; y < kasten; ++y)
            for (int x = 0; x < kasten; ++x)
                n += QColor(b.pixel(x, y)) == schrift;
        return n;
    };
    EXPECT_GT(male(2, QStringLiteral("A")), 20);
    EXPECT_EQ(male(2, QString()), 0);
    EXPECT_EQ(male(0, QStringLiteral("*")), 0);
}

TEST(Spielfeldbild, ZellenLiegenImBildVonUntenGezaehlt) {
    for (const int z : {30, 42, 96}) {
        SCOPED_TRACE(z);
        const QRect bild(QPoint(0, 0), spielfeldBild(z).size());
        const QRect unten = zellenRechteck(1, 1, z),
                    oben = zellenRechteck(feldSpalten, feldZeilen, z);
        EXPECT_TRUE(bild.contains(unten));
        EXPECT_TRUE(bild.contains(oben));
        EXPECT_GT(unten.top(), oben.top());
        EXPECT_EQ(oben.left() - unten.left(), (feldSpalten - 1) * z);
        // unten bleibt ein Rand, breiter als links
        EXPECT_GE(bild.bottom() - unten.bottom(), unten.left());
    }
}
