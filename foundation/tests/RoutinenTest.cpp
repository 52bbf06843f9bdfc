#include "foundation/Routinen.h"

#include "platform/Dienste.h"
#include "platform/EchterZufall.h"
#include "platform/Laufzeitfehler.h"
#include "platform/testing/TestDienste.h"

#include <gtest/gtest.h>
#include <set>

using namespace varku;
using varku::test::FakeZufall;
using varku::test::TestDienste;

TEST(Zufallszahl, BereichUndGrenzen) {
    struct Fall {
        const char* name;
        int von, bis;
        float r;
        int ergebnis;
    };
    const Fall faelle[] = {
        {"kleinstes r gibt von", 1, 100, 0.0f, 1},
        {"größtes r gibt bis", 1, 100, 0.99999994f, 100},
        {"Mitte", 1, 100, 0.5f, 51},
        {"ein Wert", 1, 1, 0.7f, 1},
        {"Buchstaben", 65, 90, 0.99999994f, 90},
        {"Null bis Neun", 0, 9, 0.95f, 9},
        {"leerer Bereich: bis, dann von", 1, 0, 0.5f, 1},
        {"negativer Bereich", -5, -1, 0.0f, -5},
    };
    for (const Fall& f : faelle) {
        TestDienste d;
        d.zufall.gib({f.r});
        EXPECT_EQ(zufallszahl(f.von, f.bis), f.ergebnis) << f.name;
    }
}

TEST(Zufallszahl, ZuGrosserBereichIstUeberlauf) {
    TestDienste d;
    EXPECT_THROW(zufallszahl(-20000, 20000), Laufzeitfehler);
    EXPECT_THROW(zufallszahl(0, 40000), Laufzeitfehler);
    EXPECT_NO_THROW(zufallszahl(0, 32766));
}

TEST(Zufallszahl, EchterGeneratorGibtNurGrossbuchstabenUndWechselt) {
    TestDienste d;
    dienste::setze(std::unique_ptr<Zufall>(new EchterZufall));
    std::set<int> gesehen;
    for (int i = 0; i < 2000; ++i) {
        const int z = zufallszahl(65, 90);
        ASSERT_GE(z, 65);
        ASSERT_LE(z, 90);
        gesehen.insert(z);
    }
    EXPECT_EQ(gesehen.size(), 26u);
    // acht Buchstaben unmittelbar hintereinander sind nicht alle gleich
    std::set<int> acht;
    for (int i = 0; i < 8; ++i)
        acht.insert(zufallszahl(65, 90));
    EXPECT_GT(acht.size(), 1u);
}

TEST(Warte, GanzeSekundenNachDerUhr) {
    struct Fall {
        const char* name;
        double start;
        int sekunden;
        double mindestens, hoechstens;
    };
    const Fall faelle[] = {
        {"volle Sekunde", 100.0, 3, 2.5, 3.0},
        {"kurz vor der Hälfte", 100.4, 3, 2.0, 3.0},
        {"kurz nach der Hälfte", 100.6, 3, 2.0, 3.0},
        {"über Mitternacht", 86399.0, 3, 2.0, 3.0},
        {"kurz vor Mitternacht gerundet", 86399.6, 3, 2.0, 3.0},
        {"null Sekunden", 50.0, 0, 0.0, 0.0},
        {"negative Sekunden", 50.0, -2, 0.0, 0.0},
    };
    for (const Fall& f : faelle) {
        TestDienste d;
        d.uhr.stelle(f.start);
        warte(f.sekunden);
        const double geschlafen = d.uhr.geschlafenMs / 1000.0;
        EXPECT_GE(geschlafen, f.mindestens) << f.name;
        EXPECT_LE(geschlafen, f.hoechstens) << f.name;
    }
}

TEST(WinkelInBogenmass, ZehnstelligesPi) {
    double b = 0;
    winkelInBogenmass(180, b);
    EXPECT_DOUBLE_EQ(b, 3.1415926535);
    winkelInBogenmass(-42, b);
    EXPECT_DOUBLE_EQ(b, -42 * (3.1415926535 / 180));
    winkelInBogenmass(0, b);
    EXPECT_DOUBLE_EQ(b, 0.0);
}
