#include "gamekit/Spielstart.h"
#include "foundation/testing/TestOrdner.h"

#include <gtest/gtest.h>

using namespace varku;
using namespace varku::test;

namespace {
Spielkonfiguration zirkomat() {
    Spielkonfiguration k;
    k.name = "Zirkomat";
    return k;
}
} // namespace

TEST(Spielstart, AngenommenMitSchwerpunktUndSpielzeit) {
    TestOrdner o;
    o.schreibe("Varku.ini", "[Spiele]\nMaximaleSpielDauer=10\n");
    o.schreibe("Varku.tsp", ">>> Seite,-\nA,KA\nB,KB\n");
    const Startpruefung p = pruefeStart(
        "\"Version=4;RuvoFeldName=KB;GwsFlag=1;nSpieler=2;Anna;Ben;ABCDEFGH;IJKLMNOP;\"",
        zirkomat());
    ASSERT_TRUE(p.angenommen) << p.meldung.toStdString();
    EXPECT_EQ(p.daten.UebNr, 2);
    EXPECT_EQ(p.daten.UebTitel, "B");
    EXPECT_EQ(p.daten.energieSchritt, 7);
    EXPECT_EQ(p.daten.UserPfad, o.pfad("User"));
    EXPECT_TRUE(p.daten.parameter.GwsFlag);
}

// Jede Abweisung endet mit einer Meldung "Laufzeitfehler", bevor eine Datei berührt wird.
TEST(Spielstart, Abweisungen) {
    TestOrdner o;
    o.schreibe("Varku.ini", "[Spiele]\n");
    o.schreibe("Varku.tsp", ">>> Seite,-\nA,KA\n");
    struct Fall {
        const char* name;
        const char* zeile;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"ohne Zeichenkette", "", "Dieses Spiel lässt sich nur aus\rder Spieleliste von VARKU"},
        {"Leerzeichen vor Version", "\" Version=4;nSpieler=1;A;ABCDEFGH;\"",
         "Dieses Spiel lässt sich nur aus"},
        {"andere Version", "\"Version=5;RuvoFeldName=KA;nSpieler=1;A;ABCDEFGH;\"",
         "Diese Version von Zirkomat ist nicht\rkompatibel mit der installierten Version\r"
         "von VARKU."},
        {"fünf Spieler", "\"Version=4;RuvoFeldName=KA;nSpieler=5;\"", "(5 Spieler)"},
        {"keine Spieler", "\"Version=4;RuvoFeldName=KA;nSpieler=0;\"", "(0 Spieler)"},
        {"zu wenige Stämme", "\"Version=4;RuvoFeldName=KA;nSpieler=2;A;B;ABCDEFGH;\"",
         "zu wenige Namen"},
        {"Stamm mit Pfad", "\"Version=4;RuvoFeldName=KA;nSpieler=1;A;../../x;\"", "(../../x)"},
        {"unbekannte Spalte", "\"Version=4;RuvoFeldName=XX;nSpieler=1;A;ABCDEFGH;\"",
         "Den Übungsschwerpunkt <XX>\rgibt es in der Datei Varku.tsp nicht."},
    };
    for (const Fall& f : faelle) {
        const Startpruefung p = pruefeStart(QString::fromUtf8(f.zeile), zirkomat());
        EXPECT_FALSE(p.angenommen) << f.name;
        EXPECT_TRUE(p.meldung.contains(QString::fromUtf8(f.meldung)))
            << f.name << ": " << p.meldung.toStdString();
    }
    EXPECT_EQ(nurAusVarkuMeldung().count('\r'), 3) << "vier Zeilen";
}
