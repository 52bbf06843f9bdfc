// Wortende, Punkte und Bonusfelder des Kreuzworträtsels ohne Fenster.
#include "games/crossword/Wertung.h"
#include "platform/testing/Worttabelle.h"

#include <gtest/gtest.h>

using namespace varku;
using namespace varku::wendomar;

namespace {

struct Wertung : ::testing::Test {
    db::Recordset woerter;
    Wuerfel wuerfel = [](int von, int) { return von; };
    std::unique_ptr<Kreuzwortgitter> g;
    std::unique_ptr<Steinlage> s;
    std::unique_ptr<Wortwertung> w;

    void mit(const QStringList& liste) {
        woerter = test::worttabelle(liste);
        g = std::make_unique<Kreuzwortgitter>(woerter, wuerfel);
        s = std::make_unique<Steinlage>(*g, wuerfel);
        w = std::make_unique<Wortwertung>(*g, *s);
    }
    void naechstes(const QString& wort, int spalte, int zeile, int richtung) {
        g->Wort = wort;
        g->WortLaenge = int(wort.size());
        g->StartSpalte = spalte;
        g->StartZeile = zeile;
        g->Richtung = richtung;
        s->legeSteineAus();
    }
    // die Steine der Reihe nach auf die freien Zellen des Wortes
    void legeAlle() {
        int n = 1;
        for (int k = 0; k < g->WortLaenge; ++k) {
            const Zelle z = g->Richtung == waagrecht ? Zelle{g->StartSpalte + k, g->StartZeile}
                                                     : Zelle{g->StartSpalte, g->StartZeile + k};
            if (g->buchstabe(z.spalte, z.zeile).isEmpty())
                s->legeAufFeld(n++, z);
        }
    }
};

} // namespace

TEST(Bonusfelder, AchtzehnPunktsymmetrisch) {
    int anzahl = 0;
    for (int c = 1; c <= gitterSpalten; ++c)
        for (int r = 1; r <= gitterZeilen; ++r) {
            anzahl += !bonusFeld(c, r).isEmpty();
            EXPECT_EQ(bonusFeld(c, r), bonusFeld(15 - c, 12 - r)) << c << "," << r;
        }
    EXPECT_EQ(anzahl, 18);
    EXPECT_EQ(bonusFeld(8, 1), "+25");
    EXPECT_EQ(bonusFeld(7, 11), "+25");
    EXPECT_EQ(bonusFeld(14, 6), "+10");
    EXPECT_EQ(bonusFeld(0, 6), "");
}

TEST_F(Wertung, Bonus) {
    mit({});
    struct Fall {
        const char* name;
        const char* wort;
        int spalte, zeile, richtung;
        int bonus;
    };
    const Fall faelle[] = {
        {"keiner", "Ast", 2, 3, waagrecht, 0},
        {"+10 und *3 auf 5 Buchstaben", "Vogel", 5, 4, senkrecht, (50 + 10) * 3 - 50},
        {"nur *3", "Vogel", 1, 4, waagrecht, 100},
        {"+50 allein", "Hut", 6, 5, waagrecht, 50},
        {"*2 und +10 in Zeile 2", "Schulaufgabe", 2, 2, waagrecht, (120 + 10) * 2 - 120},
        {"am rechten Rand +10", "Ei", 13, 6, waagrecht, 10},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        naechstes(QString::fromUtf8(f.wort), f.spalte, f.zeile, f.richtung);
        EXPECT_EQ(berechneBonus(*g), f.bonus);
    }
    // Auf dem Brett liegen nie zwei Faktoren oder zwei Punktfelder in einer Linie; mit anderen
    // Feldern: ein späterer Faktor ersetzt den früheren, Punkte addieren sich
    const auto felder = [](int c, int r) {
        if (r != 1)
            return QString();
        return QStringList{"", "*2", "", "*3", "+25", "", "+10"}.value(c - 1);
    };
    naechstes("Tomate", 1, 1, waagrecht); // *2, *3, +25
    EXPECT_EQ(berechneBonus(*g, felder), (60 + 25) * 3 - 60);
    naechstes("Ohr", 5, 1, waagrecht); // +25 und +10
    EXPECT_EQ(berechneBonus(*g, felder), 35);
}

TEST_F(Wertung, BedeckteBonuszelleZaehltNicht) {
    mit({"Banane", "Baum"});
    naechstes("Banane", 5, 4, waagrecht);
    legeAlle();
    g->setzeWortInsGitter();
    // ein senkrechtes Wort durch das B in (5, 4): die *3 darunter ist bedeckt
    naechstes("Baum", 5, 4, senkrecht);
    EXPECT_EQ(berechneBonus(*g), 0);
}

TEST_F(Wertung, RichtigesUndFalschesWort) {
    mit({"Haus", "Hund", "Sahne"});
    ASSERT_TRUE(w->neueSpielrunde());
    int64_t punkte = 15;
    // falsche Reihenfolge: erst nur das Wort, die Kosten danach, 10 je Buchstabe
    for (int n = s->anzahl(); n >= 1; --n)
        s->legeAufFeld(n, {6 + (s->anzahl() - n), 6});
    ASSERT_FALSE(pruefeWortLage(*g));
    Wortende e = w->beendeWort(punkte);
    EXPECT_FALSE(e.richtig);
    EXPECT_EQ(e.klaenge, QStringList{"LeichterFehler"});
    EXPECT_EQ(punkte, 15);
    EXPECT_EQ(s->steineInAblage(), 0) << "die Steine liegen noch";
    EXPECT_EQ(w->fehlerKosten(), 40);
    EXPECT_EQ(g->Wort, "Haus") << "das Wort bleibt für den nächsten";

    s->alleZurueck();
    punkte = 7;
    legeAlle();
    e = w->beendeWort(punkte);
    ASSERT_TRUE(e.richtig);
    EXPECT_EQ(punkte, 7 + 40);
    EXPECT_EQ(e.klaenge, QStringList{"BewegungStart"});
    EXPECT_FALSE(e.rundeZuEnde);
    EXPECT_EQ(g->Wort, "Hund") << "das nächste Wort kreuzt";
    EXPECT_EQ(s->anzahl(), 3) << "das H liegt schon";
    EXPECT_EQ(s->festeSteine().size(), 4u);
}

// Der Bonus gehört dem ausgelegten Wort: sein Wortende bringt ihn, Stein und Hilfe kosten nach
// ihm, und das Wort danach hat seinen eigenen
TEST_F(Wertung, BonusDesAusgelegtenWortes) {
    mit({"Igel", "Kiwi"});
    ASSERT_TRUE(w->neueSpielrunde());
    EXPECT_EQ(w->BonusPunkte(), 0);
    legeAlle();
    int64_t punkte = 0;
    ASSERT_TRUE(w->beendeWort(punkte).richtig);
    ASSERT_EQ(g->Wort, "Kiwi");
    ASSERT_EQ(g->StartZeile, 3) << "das W liegt auf +50";
    EXPECT_EQ(w->BonusPunkte(), 50);
    EXPECT_EQ(w->steinKosten(), 50 * 2 * 4 + 20);
    EXPECT_EQ(w->hilfeKosten(), 50 / 4 + 10);
    legeAlle();
    punkte = 0;
    ASSERT_TRUE(w->beendeWort(punkte).richtig);
    EXPECT_EQ(punkte, 40 + 50);
    EXPECT_EQ(w->BonusPunkte(), 0) << "kein Wort passt mehr";
}

// Passt kein Wort mehr, bleibt das fertige Brett stehen, bis die neue Runde beginnt: ein neues
// Brett mit dem ersten Wort; die Punkte bleiben
TEST_F(Wertung, EndeDerSpielrunde) {
    mit({"Ei"});
    ASSERT_TRUE(w->neueSpielrunde());
    legeAlle();
    int64_t punkte = 100;
    const Wortende e = w->beendeWort(punkte);
    ASSERT_TRUE(e.richtig);
    EXPECT_TRUE(e.rundeZuEnde);
    EXPECT_EQ(punkte, 120);
    EXPECT_EQ(g->alsText().at(5), ".....@EI@.....") << "das Brett steht noch";
    EXPECT_EQ(s->festeSteine().size(), 2u);
    EXPECT_EQ(s->anzahl(), 0);
    ASSERT_TRUE(w->neueSpielrunde());
    EXPECT_EQ(g->Wort, "Ei");
    EXPECT_EQ(g->StartSpalte, 7);
    EXPECT_EQ(g->StartZeile, 6);
    EXPECT_EQ(g->alsText().at(5), "..............") << "das Brett ist neu";
    EXPECT_TRUE(s->festeSteine().empty());
    EXPECT_EQ(s->anzahl(), 2);
}
