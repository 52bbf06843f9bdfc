#include "frame/Anzeigeregeln.h"

#include <gtest/gtest.h>

using namespace varku;

TEST(Anzeige, Zaehler) {
    struct Fall {
        QString text;
        QString ziffern;
    };
    const Fall faelle[] = {
        {formatiereAnzahl(0), "0000"},    {formatiereAnzahl(42), "0042"},
        {formatiereAnzahl(9999), "9999"}, {formatiereAnzahl(12000), "9999"},
        {formatiereZeit(0), "0000"},      {formatiereZeit(1.7), "0170"},
        {formatiereZeit(12.34), "1234"},  {formatiereZeit(99.99), "9999"},
        {formatiereZeit(123.4), "9999"},  {formatiereZeit(-1.5), "0000"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(zaehlerZiffern(f.text), f.ziffern) << f.text.toStdString();
    EXPECT_EQ(formatiereZeit(123.4), "99,99");
    EXPECT_EQ(formatiereZeit(3.5), "03,50");
}

TEST(Anzeige, KontextSchriftUndAnordnung) {
    EXPECT_EQ(kontextGroesse(25), 10);
    EXPECT_EQ(kontextGroesse(28), 11);
    EXPECT_EQ(kontextGroesse(12.4), 4);
    // mit Kontext: 150 rechts davon; ohne: 400 vom Rand, Schreibfeld 250 schmaler
    const WortAnordnung mit = ordneWortAn(240, 600, true, 9600, 9600);
    EXPECT_EQ(mit.wortLinks, 240 + 600 + 150);
    EXPECT_EQ(mit.wortBreite, 9600 - 600 - 400);
    EXPECT_EQ(mit.feldBreite, 9600 - 600 - 450);
    const WortAnordnung ohne = ordneWortAn(240, 0, false, 9600, 9000);
    EXPECT_EQ(ohne.wortLinks, 640);
    EXPECT_EQ(ohne.feldBreite, 9000 - 450 - 250);
    EXPECT_EQ(kontextOben(500, 700, 300), 500 + 700 - 300 - 20);
    const Lupenrechteck l = berechneLupe(1000, 300, 450);
    EXPECT_EQ(l.links, 1280);
    EXPECT_EQ(l.breite, 490);
}
