#include "foundation/Zeiger.h"
#include "foundation/Zeigerinstrument.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace varku;

TEST(Zeiger, NadelNachDerRegel) {
    const QRectF blatt(1000, 500, 3000, 3000); // Achse bei (2500, 2000), halbe Breite 1500
    const Nadel null = berechneNadel(0, blatt);
    const Nadel tausend = berechneNadel(1000, blatt);
    const Nadel mitte = berechneNadel(500, blatt);
    EXPECT_EQ(null.achse, QPointF(2500, 2000));
    // 0 links unten, 1000 rechts unten, gespiegelt an der Senkrechten
    EXPECT_LT(null.spitze.x(), 2500);
    EXPECT_GT(null.spitze.y(), 2000);
    EXPECT_DOUBLE_EQ(null.spitze.x() - 2500, -(tausend.spitze.x() - 2500));
    EXPECT_DOUBLE_EQ(null.spitze.y(), tausend.spitze.y());
    EXPECT_DOUBLE_EQ(null.ende.x() - 2500, -(tausend.ende.x() - 2500));
    // 500 senkrecht nach oben, 0,6 der halben Breite lang, das Ende 0,2 nach unten
    EXPECT_EQ(mitte.spitze, QPointF(2500, 2000 - 900));
    EXPECT_EQ(mitte.ende, QPointF(2500, 2000 + 300));
    // ganze Twips
    EXPECT_DOUBLE_EQ(null.spitze.x(), std::round(null.spitze.x()));
    // die Ratezeituhr der Spiele hat kein Ende
    EXPECT_EQ(berechneNadel(500, blatt, 0).ende, QPointF(2500, 2000));
    EXPECT_EQ(polarPunkt(500, 100), QPointF(0, 100));
}

namespace {
// Hat die Nadel den Bildpunkt verändert?
bool nadelDa(const QImage& mit, const QImage& ohne, QPointF p) {
    const QColor a = mit.pixelColor(p.toPoint()), b = ohne.pixelColor(p.toPoint());
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) >
           60;
}
} // namespace

// Beide Blätter mit der Nadel bei 0, 500 und 1000, ohne Bildschirm gezeichnet: die Nadel liegt
// dort, wohin die Regel zeigt, und nicht auf der Gegenseite.
TEST(Zeiger, InstrumentMitBeidenBlaettern) {
    const int g = 300;
    for (const auto blatt : {Zeigerinstrument::Blatt::Punkte, Zeigerinstrument::Blatt::RatezeitAn,
                             Zeigerinstrument::Blatt::RatezeitAus}) {
        Zeigerinstrument z(blatt, nullptr);
        for (int wert : {0, 500, 1000}) {
            z.setzeWert(wert);
            z.setzeZeigerSichtbar(false);
            const QImage ohne = z.alsBild(g);
            z.setzeZeigerSichtbar(true);
            const QImage mit = z.alsBild(g);
            const QPointF mitte(g / 2.0, g / 2.0);
            // auf halber Länge der Nadel, und dort, wo sie nicht hinzeigt
            const QPointF auf = mitte - polarPunkt(wert, 0.3 * g / 2.0);
            const QPointF gegenueber = mitte + polarPunkt(wert, 0.45 * g / 2.0);
            EXPECT_TRUE(nadelDa(mit, ohne, auf)) << int(blatt) << " bei " << wert;
            EXPECT_FALSE(nadelDa(mit, ohne, gegenueber)) << int(blatt) << " bei " << wert;
        }
    }
    // die beiden Blätter der Ratezeituhr sehen verschieden aus
    Zeigerinstrument an(Zeigerinstrument::Blatt::RatezeitAn, nullptr);
    Zeigerinstrument aus(Zeigerinstrument::Blatt::RatezeitAus, nullptr);
    EXPECT_NE(an.alsBild(100), aus.alsBild(100));
}

// Auf dem Schirm wird das Blatt einmal gezeichnet und dann kopiert: nach jedem Wechsel von Blatt,
// Größe, Wert oder Nadel zeigt das Instrument genau, was ein frisch gebautes zeigt.
TEST(Zeiger, InstrumentZeigtNachJedemWechselDasRichtigeBlatt) {
    using B = Zeigerinstrument::Blatt;
    struct Schritt {
        const char* name;
        B blatt;
        int groesse;
        int wert;
        bool nadel;
    };
    const Schritt schritte[] = {
        {"Anfang", B::Punkte, 120, 0, true},
        {"Wert", B::Punkte, 120, 700, true},
        {"ohne Nadel", B::Punkte, 120, 700, false},
        {"größer", B::Punkte, 160, 700, true},
        {"Ratezeit an", B::RatezeitAn, 160, 300, true},
        {"Ratezeit aus", B::RatezeitAus, 160, 300, true},
        {"kleiner", B::RatezeitAus, 90, 1000, true},
        {"zurück zu Punkten", B::Punkte, 90, 1000, true},
    };
    const auto stelle = [](Zeigerinstrument& z, const Schritt& s) {
        z.setzeBlatt(s.blatt);
        z.resize(s.groesse, s.groesse);
        z.setzeWert(s.wert);
        z.setzeZeigerSichtbar(s.nadel);
        return z.grab().toImage();
    };
    Zeigerinstrument laufend(B::Punkte, nullptr);
    for (const Schritt& s : schritte) {
        Zeigerinstrument frisch(s.blatt, nullptr);
        EXPECT_EQ(stelle(laufend, s), stelle(frisch, s)) << s.name;
    }
}
