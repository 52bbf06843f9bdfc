// Das Gitter und der Generator des Kreuzworträtsels ohne Fenster, auf Wortlisten im Speicher.
#include "games/crossword/Kreuzwortgitter.h"
#include "platform/testing/Worttabelle.h"

#include <QSet>
#include <deque>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::wendomar;

namespace {

struct Gitter : ::testing::Test {
    db::Recordset woerter;
    std::deque<int> zahlen; // was der Würfel als Nächstes gibt; leer: die kleinste Zahl
    std::unique_ptr<Kreuzwortgitter> g;

    void mit(const QStringList& liste) {
        woerter = test::worttabelle(liste);
        g = std::make_unique<Kreuzwortgitter>(woerter, [this](int von, int bis) {
            if (zahlen.empty())
                return von;
            const int z = zahlen.front();
            zahlen.pop_front();
            EXPECT_TRUE(z >= von && z <= bis) << z << " nicht in " << von << ".." << bis;
            return std::clamp(z, von, bis);
        });
    }
    // ein Wort an seinen Platz, in beide Gitter
    void lege(const QString& wort, int spalte, int zeile, int richtung) {
        g->Wort = wort;
        g->WortLaenge = int(wort.size());
        g->StartSpalte = spalte;
        g->StartZeile = zeile;
        g->Richtung = richtung;
        g->setzeWortInsGitter();
        g->merkeWort();
    }
    std::string zeile(int r) const { return g->alsText().at(r - 1).toStdString(); }
};

} // namespace

TEST_F(Gitter, ErstesWortLiegtMittigInZeile6) {
    struct Fall {
        const char* wort;
        int spalte;
        const char* zeile6;
    };
    const Fall faelle[] = {
        {"a", 7, ".....@A@......"},
        {"Schulaufgabe", 2, "@SCHULAUFGABE@"},
        {"Igel ", 6, "....@IGEL@...."},
        {"Straße", 5, "...@STRAßE@..."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wort);
        mit({f.wort});
        ASSERT_TRUE(g->ersterWort());
        EXPECT_EQ(g->StartSpalte, f.spalte);
        EXPECT_EQ(g->StartZeile, 6);
        EXPECT_EQ(g->Richtung, waagrecht);
        g->setzeWortInsGitter();
        EXPECT_EQ(zeile(6), f.zeile6);
    }
    // ein Wort mit Leerzeichen am Rand zählt ohne sie
    mit({" Ball "});
    ASSERT_TRUE(g->ersterWort());
    EXPECT_EQ(g->Wort, "Ball");
    EXPECT_EQ(g->WortLaenge, 4);
    // ohne Wörter kein erstes Wort
    mit({});
    EXPECT_FALSE(g->ersterWort());
}

// Jeder Stein des neuen Wortes ist vom Brett, auch Stein 12
TEST_F(Gitter, ErstesWortNimmtAlleSteineVomBrett) {
    mit({"Haus"});
    g->SteinSpalte.fill(5);
    g->SteinZeile.fill(3);
    ASSERT_TRUE(g->ersterWort());
    for (int i = 0; i < steinAnzahl; ++i) {
        EXPECT_EQ(g->SteinSpalte[size_t(i)], 0) << i;
        EXPECT_EQ(g->SteinZeile[size_t(i)], 0) << i;
    }
}

TEST_F(Gitter, FehlerwortMitEinemFuenftel) {
    mit({"Haus", "Maus", "Baum", "Schulaufgaben"});
    struct Fall {
        std::vector<int> fehler;
        std::deque<int> wuerfel;
        const char* wort;
    };
    const Fall faelle[] = {
        {{3}, {81, 0}, "Baum"},     // über 80: das Fehlerwort
        {{3}, {80, 2}, "Maus"},     // 80: das Los
        {{-1}, {99, 0, 1}, "Haus"}, // keine Nummer: das Los
        {{4}, {99, 0, 3}, "Baum"},  // zu lang: das Los
        {{42}, {99, 0, 1}, "Haus"}, // nicht in der Kategorie: das Los
        {{}, {2}, "Maus"},          // ohne Fehlerwörter keine Ziehung dafür
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wort);
        zahlen = f.wuerfel;
        ASSERT_TRUE(g->ersterWort(f.fehler));
        EXPECT_EQ(g->Wort, f.wort);
        EXPECT_TRUE(zahlen.empty());
    }
}

TEST_F(Gitter, RaenderOhneKlammeraffen) {
    mit({});
    lege("Ei", 1, 1, waagrecht);    // oben links: nichts davor
    lege("Ohr", 12, 11, waagrecht); // unten rechts: nichts dahinter
    lege("Tag", 14, 1, senkrecht);  // rechts oben senkrecht: nichts darüber
    EXPECT_EQ(zeile(1), "EI@..........T");
    EXPECT_EQ(zeile(4), ".............@");
    EXPECT_EQ(zeile(11), "..........@OHR");
    EXPECT_EQ(g->zustand(3, 1), zsGesperrt);
    EXPECT_EQ(g->zustand(1, 2), zsNebenWaagrecht);
    EXPECT_EQ(g->zustand(13, 2), zsNebenSenkrecht);
}

// Über einem waagrechten Wort und neben einem senkrechten: beides; die Zelle beendet dann
// Plätze beider Richtungen
TEST_F(Gitter, NebenBeidenWoertern) {
    mit({});
    lege("HAUS", 6, 6, waagrecht);
    EXPECT_EQ(g->zustand(7, 5), zsNebenWaagrecht);
    lege("BAD", 8, 3, senkrecht); // Spalte 8, Zeilen 3 bis 5, "@" in 2 und 6? 6 ist ein Buchstabe
    EXPECT_EQ(g->zustand(7, 5), zsNebenBeiden);
    EXPECT_EQ(g->zustand(9, 5), zsNebenBeiden);
    EXPECT_EQ(g->zustand(7, 4), zsNebenSenkrecht);
    g->sammleWortplaetze();
    for (const Wortplatz& p : g->WaagPlaetze)
        EXPECT_FALSE(p.linie == 5 && p.von <= 7 && p.bis >= 7) << p.von << ".." << p.bis;
    for (const Wortplatz& p : g->SenkPlaetze)
        EXPECT_FALSE((p.linie == 7 || p.linie == 9) && p.von <= 5 && p.bis >= 5) << p.linie;
}

// Ein Brett mit nur dem ersten Wort aus vier Buchstaben
TEST_F(Gitter, VierBuchstabenGebenVierSenkrechtePlaetze) {
    mit({"Haus", "Hund", "Bach", "Hahn"});
    ASSERT_TRUE(g->ersterWort());
    ASSERT_EQ(g->Wort, "Haus");
    g->setzeWortInsGitter();
    g->merkeWort();
    g->sammleWortplaetze();
    EXPECT_TRUE(g->WaagPlaetze.empty());
    ASSERT_EQ(g->SenkPlaetze.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(g->SenkPlaetze[size_t(i)], (Wortplatz{6 + i, 1, 11}));
    EXPECT_EQ(g->bildeSuchmuster(0, senkrecht), "*H*");
    EXPECT_EQ(g->bildeSuchmuster(3, senkrecht), "*S*");

    // die höchste Lage, in der die Buchstaben passen
    struct Fall {
        const char* wort;
        Lage lage;
    };
    for (const Fall& f : {Fall{"Hund", {6, 9}}, Fall{"Bach", {3, 6}}, Fall{"Hahn", {4, 7}},
                          Fall{"Ast", {}}, Fall{"Schulhofhaus", {}}}) {
        SCOPED_TRACE(f.wort);
        g->Wort = f.wort;
        g->WortLaenge = int(g->Wort.size());
        EXPECT_EQ(g->passtWortInPlatz(0, senkrecht), f.lage);
    }

    // gesucht ab einer zufälligen Stelle: ab "Haus" weiter ist "Hund" das erste mit H
    ASSERT_TRUE(g->naechstesWortSuchen());
    EXPECT_EQ(g->Wort, "Hund");
    EXPECT_EQ(g->Richtung, senkrecht);
    EXPECT_EQ(g->StartSpalte, 6);
    EXPECT_EQ(g->StartZeile, 6);
}

TEST_F(Gitter, LageNichtNebenEinemBuchstaben) {
    mit({});
    lege("OHR", 6, 6, waagrecht);
    lege("ROT", 8, 6, senkrecht); // R in Zeile 6, darunter O und T, "@" in Zeile 9
    g->sammleWortplaetze();
    // Spalte 6 von oben bis unten: O in Zeile 6
    const auto platz = std::find(g->SenkPlaetze.begin(), g->SenkPlaetze.end(), Wortplatz{6, 1, 11});
    ASSERT_NE(platz, g->SenkPlaetze.end());
    const int i = int(platz - g->SenkPlaetze.begin());
    g->Wort = "Zoo";
    g->WortLaenge = 3;
    EXPECT_EQ(g->passtWortInPlatz(i, senkrecht), (Lage{4, 6}))
        << "die höchste Lage: das zweite O auf Zeile 6";
    // neben einem senkrechten Wort gibt es keinen senkrechten Platz
    for (const Wortplatz& p : g->SenkPlaetze)
        EXPECT_NE(p.linie, 9) << "neben einem senkrechten Wort";
}

TEST_F(Gitter, LangerPlatzWirdGeteilt) {
    mit({});
    // Zeile 2: A in Spalte 1, B in Spalte 7, dazwischen frei
    lege("AC", 1, 2, senkrecht);
    lege("BD", 7, 2, senkrecht);
    g->loescheWortplaetze();
    g->kuerzeWortplatz(1, 7, 2, waagrecht);
    ASSERT_EQ(g->WaagPlaetze.size(), 2u);
    EXPECT_EQ(g->WaagPlaetze[0], (Wortplatz{2, 1, 3}));
    EXPECT_EQ(g->WaagPlaetze[1], (Wortplatz{2, 5, 7})) << "die 4. Zelle gehört keiner Hälfte";
    // ein Platz von 6 Zellen wird nicht geteilt
    g->loescheWortplaetze();
    g->kuerzeWortplatz(2, 7, 2, waagrecht);
    EXPECT_TRUE(g->WaagPlaetze.empty());
}

TEST_F(Gitter, EntfernenUndTeilen) {
    mit({});
    lege("AC", 1, 2, senkrecht);
    lege("BD", 7, 2, senkrecht);
    struct Fall {
        const char* name;
        std::vector<Wortplatz> vorher;
        int index;
        std::vector<Wortplatz> nachher;
    };
    const Fall faelle[] = {
        // zwei Buchstaben, 7 Zellen: die Hälften kommen hinten an
        {"geteilt", {{3, 1, 5}, {2, 1, 7}}, 1, {{3, 1, 5}, {2, 1, 3}, {2, 5, 7}}},
        // ein Buchstabe: ganz fort
        {"ein Buchstabe", {{2, 1, 6}, {3, 1, 14}}, 0, {{3, 1, 14}}},
        // Platz 0 von dreien: die hinteren rücken auf
        {"vorn", {{4, 2, 9}, {5, 1, 3}, {6, 4, 8}}, 0, {{5, 1, 3}, {6, 4, 8}}},
        {"außerhalb", {{4, 2, 9}}, 3, {{4, 2, 9}}},
        {"negativ", {{4, 2, 9}}, -1, {{4, 2, 9}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        g->WaagPlaetze = f.vorher;
        g->entferneWortplatz(f.index, waagrecht);
        EXPECT_EQ(g->WaagPlaetze, f.nachher);
    }
}

TEST_F(Gitter, HoechstensSechsundzwanzigPlaetze) {
    mit({});
    for (int i = 0; i < 30; ++i)
        g->speichereWortplatz(senkrecht, 1, 11, 1 + i % gitterSpalten);
    EXPECT_EQ(int(g->SenkPlaetze.size()), hoechstensWortplaetze) << "der 27. fällt weg";
    // ein Platz neben einem parallelen Wort kommt nicht hinein
    lege("HUT", 3, 2, senkrecht);
    g->loescheWortplaetze();
    g->speichereWortplatz(senkrecht, 1, 11, 4);
    EXPECT_TRUE(g->SenkPlaetze.empty());
}

TEST_F(Gitter, Suchmuster) {
    mit({});
    lege("AC", 1, 2, senkrecht);
    lege("BD", 7, 2, senkrecht);
    g->WaagPlaetze = {{2, 1, 7}, {2, 6, 7}, {2, 1, 2}, {3, 1, 14}};
    EXPECT_EQ(g->bildeSuchmuster(0, waagrecht), "*A*B*");
    EXPECT_EQ(g->bildeSuchmuster(1, waagrecht), "*B*");
    EXPECT_EQ(g->bildeSuchmuster(2, waagrecht), "*A*");
    EXPECT_EQ(g->bildeSuchmuster(3, waagrecht), "*C*D*");
}

TEST_F(Gitter, OhnePlaetzeKeinWort) {
    mit({"Haus"});
    EXPECT_FALSE(g->naechstesWortSuchen());
    EXPECT_TRUE(zahlen.empty());
}

// Kein Wort zweimal auf einem Brett; auf dem nächsten darf es wiederkommen
TEST_F(Gitter, KeinWortZweimalAufEinemBrett) {
    mit({"Haus", "Hase", "Sahne"});
    QStringList eins;
    for (const GelegtesWort& w : legeGanzesBrett(*g))
        eins << w.wort;
    ASSERT_EQ(eins.size(), 3) << eins.join(",").toStdString();
    EXPECT_EQ(eins.size(), QSet<QString>(eins.begin(), eins.end()).size());
    EXPECT_EQ(eins.first(), "Haus");
    EXPECT_EQ(legeGanzesBrett(*g).front().wort, "Haus") << "ein neues Brett ohne gelegte Wörter";
}

TEST(Feldposition, ZellenIn448Twips) {
    EXPECT_EQ(Kreuzwortgitter::feldPosition(1, 1), QPoint(30, 30));
    EXPECT_EQ(Kreuzwortgitter::feldPosition(14, 11), QPoint(13 * 448 + 30, 10 * 448 + 30));
}
