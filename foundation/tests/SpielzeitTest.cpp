#include "foundation/Spielzeit.h"
#include "foundation/testing/TestOrdner.h"

#include <gtest/gtest.h>

using namespace varku;
using varku::test::TestOrdner;

TEST(Spielzeit, SekundenAuchUeberMitternacht) {
    EXPECT_EQ(sekundenZwischen(100, 160), 60);
    EXPECT_EQ(sekundenZwischen(86390, 10), 20);
    EXPECT_EQ(sekundenZwischen(500, 500), 0);
}

// Das Rahmenprogramm nimmt den Wert, wie er steht, bis zum nächsten Abschnitt.
TEST(Spielzeit, HoechsteSpieldauerDesRahmenprogramms) {
    struct Fall {
        const char* ini;
        int minuten;
    };
    const Fall faelle[] = {
        {"[Spiele]\nMaximaleSpielDauer=20\nMaximaleSpielDauer=25\n[X]\n", 25},
        {"[Spiele]\nSpiel1=Zirkomat\n[X]\nMaximaleSpielDauer=9\n", 0},
        {"[Spiele]\nMaximaleSpielDauer=3\n", 3},
        {"[Spiele]\nMaximaleSpielDauer=abc\n", 0},
        {"[Spiele]\nMaximaleSpielDauer=99999\n", 32767}, // begrenzt, kein Überlauf
        {"[Varku]\n", 0},
    };
    for (const Fall& f : faelle) {
        TestOrdner o;
        o.schreibe("Varku.ini", f.ini);
        EXPECT_EQ(leseMaxSpielDauer(o.pfad("Varku.ini")), f.minuten) << f.ini;
    }
}

// Die Spiele suchen bis zum Dateiende, nehmen die erste Zeile und mindestens 5 Minuten.
TEST(Spielzeit, SchrittDesSpielzeitbalkens) {
    struct Fall {
        const char* ini;
        int schritt;
    };
    const Fall faelle[] = {
        {"[Spiele]\nMaximaleSpielDauer=5\n", 15},
        {"[Spiele]\nMaximaleSpielDauer=10\n", 7},
        {"[Spiele]\nMaximaleSpielDauer=20\n", 3},
        {"[Spiele]\nMaximaleSpielDauer=75\n", 1},
        {"[Spiele]\nMaximaleSpielDauer=500\n", 1},
        {"[Spiele]\nMaximaleSpielDauer=3\n", 15},   // wie 5 Minuten
        {"[Spiele]\nMaximaleSpielDauer=abc\n", 15}, // keine Zahl: 5 Minuten
        {"[Spiele]\nMaximaleSpielDauer= 1 0\n", 7}, // Leerzeichen fallen weg
        {"[Spiele]\n;MaximaleSpielDauer=20\n[X]\nMaximaleSpielDauer=10\n", 7},
        {"[Spiele]\nMaximaleSpielDauer=10\nMaximaleSpielDauer=20\n", 7},
        {"[Spiele]\nSpiel1=Zirkomat\n", 0}, // ohne Grenze
        {"", 0},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(energieSchrittAusText(QString::fromUtf8(f.ini)), f.schritt) << f.ini;
}
