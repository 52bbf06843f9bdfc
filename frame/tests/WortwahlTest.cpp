#include "foundation/Global.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "frame/Uebung.h"
#include "platform/Laufzeitfehler.h"
#include "platform/testing/TestDienste.h"

#include <gtest/gtest.h>

using namespace varku;
using namespace varku::test;

namespace {

// fünf Wörter der Kategorie KAT1; Wort 4 ohne Aufnahme
struct Wahl : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    GlobModul glob;
    Uebung u{glob};
    static constexpr int n = 5;
    Wahl() {
        legeWortDbAn(ordner.pfad("w.sqlite"),
                     {{11, "Ast", "der", 1, true, true, false, "Der @ bricht.", "Ast"},
                      {12, "Bus", "der", 2, true, true, false, "Der @ fährt.", "Bus"},
                      {13, "Eis", "das", 3, true, true, false, "Das @ schmilzt.", "Eis"},
                      {14, "Ofen", "der", 4, true, true, false, "Der @ ist heiß.", ""},
                      {15, "rot", "", 5, true, true, false, "Das Auto ist @.", "rot"}},
                     {{11, 1, 1, 1}, {13, 2, 1, 2}, {13, 1, 2, 3}});
        u.wortDb.oeffneWortDatenbank(ordner.pfad("w.sqlite"));
        u.RuvoFeldName = "KAT1";
        u.wortDb.setzeWortFilter("KAT1", false);
        u.aktSpieler = 0;
        UebNr = 1;
        glob.einst.Nachschreiben = true; // Abschreiben: keine Aufnahme nötig
    }
    ~Wahl() override { UebNr = 0; }
    // Wiederholliste von Spieler 0 mit diesen Wortstellen füllen
    void liste(std::initializer_list<int> stellen) {
        for (int s : stellen) {
            u.wortPosition = s;
            u.merkeFehlerwort();
        }
    }
    int anzahlListe() const { return u.gruppe.wiederholAnzahl(0); }
    auto& wiederhol() { return u.gruppe.WiederholListe; }
};

} // namespace

TEST_F(Wahl, LeereWiederhollisteZiehtImmerZufaellig) {
    for (int ziel : {3, 1, 5}) {
        d.zufall.gibZahlen(1, n, {ziel});
        const int vorher = d.zufall.gezogen;
        u.naechstesWort();
        EXPECT_EQ(u.wortPosition, ziel);
        EXPECT_EQ(d.zufall.gezogen - vorher, 1) << "keine Ziehung 1 bis 100";
    }
}

TEST_F(Wahl, ZweiChancenHintereinanderWiederholenNieBeide) {
    liste({4});
    struct Schritt {
        int r;         // Ziehung 1 bis 100
        int weiter;    // zweite Ziehung: Eintrag der Liste oder Wortstelle
        bool ausListe; // erwartet aus der Liste
        int position;  // erwartete Stelle
        bool letzte;   // letzteWahlWiederholung danach
    };
    const Schritt folge[] = {
        {80, 1, true, 4, true}, {95, 2, false, 2, false}, {50, 3, false, 3, false},
        {71, 1, true, 4, true}, {70, 5, false, 5, true},  {100, 1, false, 1, false},
        {72, 1, true, 4, true},
    };
    for (const Schritt& s : folge) {
        d.zufall.gibZahlen(1, 100, {s.r});
        d.zufall.gibZahlen(1, s.ausListe ? anzahlListe() : n, {s.weiter});
        u.naechstesWort();
        EXPECT_EQ(u.wortPosition, s.position) << "r=" << s.r;
        EXPECT_EQ(u.letzteWahlWiederholung, s.letzte) << "r=" << s.r;
    }
}

TEST_F(Wahl, HoechstensZwanzigFehlerwoerter) {
    for (int s = 1; s <= 21; ++s) {
        u.wortPosition = s;
        u.merkeFehlerwort();
    }
    EXPECT_EQ(anzahlListe(), 20);
    EXPECT_EQ(u.sucheFehlerwort(20), 20);
    EXPECT_EQ(u.sucheFehlerwort(21), -1) << "das 21. Wort kommt nicht hinein";
}

TEST_F(Wahl, DreimalRichtigInFolgeVerlaesstDieListe) {
    liste({2, 7, 9});
    u.wortPosition = 7;
    u.zaehleRichtigenVersuch();
    u.zaehleRichtigenVersuch();
    EXPECT_EQ(wiederhol()[2][1][0], 2);
    u.merkeFehlerwort(); // ein Fehler dazwischen
    EXPECT_EQ(wiederhol()[2][1][0], 0);
    EXPECT_EQ(u.sucheFehlerwort(7), 2) << "das Wort bleibt an seinem Platz";
    u.zaehleRichtigenVersuch();
    u.zaehleRichtigenVersuch();
    EXPECT_EQ(anzahlListe(), 3);
    u.zaehleRichtigenVersuch();
    EXPECT_EQ(anzahlListe(), 2);
    EXPECT_EQ(u.sucheFehlerwort(7), -1);
    EXPECT_EQ(wiederhol()[1][0][0], 2);
    EXPECT_EQ(wiederhol()[2][0][0], 9) << "die Lücke schließt sich";
    EXPECT_EQ(wiederhol()[3][0][0], -1);
}

TEST_F(Wahl, ErledigteWoerterWerdenUebersprungen) {
    struct Fall {
        const char* name;
        std::vector<int> erledigt; // Stellen, die Spieler 0 schon richtig hat
        int richtigBeimErsten;
        int gezogen;
        int erwartet;
    };
    const Fall faelle[] = {
        {"nicht erledigt", {2}, 1, 3, 3},
        {"weiter zum nächsten", {3}, 1, 3, 4},
        {"vom letzten zum ersten", {5, 1}, 1, 5, 2},
        {"Zahl beim ersten Versuch so groß wie die Wörter", {3}, 5, 3, 3},
        {"alle erledigt: nach einer Runde das gezogene", {1, 2, 3, 4, 5}, 2, 4, 4},
    };
    for (const Fall& f : faelle) {
        auto& erledigt = u.gruppe.ErledigtListe;
        erledigt.clear();
        for (int s : f.erledigt)
            erledigt.emplace_back(s, 0);
        erledigt.emplace_back(1, 1); // anderer Spieler zählt nicht
        u.gruppe.SpielerStatistik[0].richtig = int16_t(f.richtigBeimErsten);
        d.zufall.gibZahlen(1, n, {f.gezogen});
        u.naechstesWort();
        EXPECT_EQ(u.wortPosition, f.erwartet) << f.name;
    }
}

TEST_F(Wahl, WortangabenWerdenGeladen) {
    glob.einst.BeispielSatz = true;
    const rdbManager& w = u.wortDb;
    d.zufall.gibZahlen(1, n, {3});
    u.naechstesWort();
    EXPECT_EQ(w.Wort, "Eis");
    EXPECT_EQ(w.Kontext, "das");
    EXPECT_EQ(w.KomplexInd, 3);
    EXPECT_EQ(w.Beispielsatz, "Das ___ schmilzt.");
    EXPECT_EQ(w.vonPos, 2) << "die Lupe der Kategorie 1, nicht der 2";
    EXPECT_EQ(w.bisPos, 3);
    EXPECT_EQ(u.statistik().woerter, 1);
    EXPECT_FALSE(u.fehlerBeiWort);
    d.zufall.gibZahlen(1, n, {5});
    u.naechstesWort();
    EXPECT_EQ(w.Kontext, "") << "Null gibt den leeren Kontext";
    EXPECT_EQ(w.vonPos + w.bisPos, 0);
    EXPECT_EQ(u.statistik().woerter, 2);
}

TEST_F(Wahl, DiktatOhneAufnahmeMeldetEs) {
    glob.einst.Nachschreiben = false;
    glob.einst.TextToSpeech = false;
    d.zufall.gibZahlen(1, n, {4});
    EXPECT_TRUE(u.naechstesWort().keineAufnahme);
    EXPECT_EQ(u.wortDb.Wort, "Ofen") << "das Wort bleibt gewählt";
    EXPECT_EQ(u.wortDb.WaveDat, "");
    d.zufall.gibZahlen(1, n, {2});
    EXPECT_FALSE(u.naechstesWort().keineAufnahme);
    EXPECT_EQ(u.wortDb.WaveDat, "Bus");
    // mit Sprachausgabe braucht es keine Aufnahme
    glob.einst.TextToSpeech = true;
    d.zufall.gibZahlen(1, n, {4});
    EXPECT_FALSE(u.naechstesWort().keineAufnahme);
}

TEST_F(Wahl, LeereKategorieWirdNieGewaehlt) {
    u.wortDb.setzeWortFilter("KAT2", false);
    EXPECT_EQ(u.AnzahlWoerter(), 0);
    EXPECT_THROW(u.naechstesWort(), Laufzeitfehler);
    EXPECT_TRUE(u.beginneUebung().keineWoerter);
}
