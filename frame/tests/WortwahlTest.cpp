#include "frame/Wortwahl.h"
#include "foundation/Global.h"
#include "foundation/MldFenster.h"
#include "foundation/testing/TestOrdner.h"
#include "frame/GlobModul.h"
#include "frame/Spieler.h"
#include "frame/rdbManager.h"
#include "frame/tests/TestWortDb.h"
#include "platform/Laufzeitfehler.h"
#include "platform/testing/TestDienste.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::test;

namespace {

// fünf Wörter der Kategorie KAT1; Wort 4 ohne Aufnahme
struct Wahl : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    static constexpr int n = 5;
    Wahl() {
        setzeStartwerte();
        setzeSpielerZurueck();
        setzeWortwahlZurueck();
        leereWortangaben();
        legeWortDbAn(ordner.pfad("w.sqlite"),
                     {{11, "Ast", "der", 1, true, true, false, "Der @ bricht.", "Ast"},
                      {12, "Bus", "der", 2, true, true, false, "Der @ fährt.", "Bus"},
                      {13, "Eis", "das", 3, true, true, false, "Das @ schmilzt.", "Eis"},
                      {14, "Ofen", "der", 4, true, true, false, "Der @ ist heiß.", ""},
                      {15, "rot", "", 5, true, true, false, "Das Auto ist @.", "rot"}},
                     {{11, 1, 1, 1}, {13, 2, 1, 2}, {13, 1, 2, 3}});
        oeffneWortDatenbank(ordner.pfad("w.sqlite"));
        RuvoFeldName = "KAT1";
        setzeWortFilter(false);
        nSpieler = 1;
        aktSpieler = 0;
        UebNr = 1;
        Nachschreiben = true; // Abschreiben: keine Aufnahme nötig
    }
    ~Wahl() override {
        MldFenster::entlade();
        setzeStartwerte();
        setzeSpielerZurueck();
        leereWortangaben();
    }
    // Wiederholliste von Spieler 0 mit diesen Wortstellen füllen
    void liste(std::initializer_list<int> stellen) {
        for (int s : stellen) {
            wortPosition = s;
            merkeFehlerwort();
        }
    }
    int anzahlListe() const { return WiederholListe[0][0][0]; }
};

} // namespace

TEST_F(Wahl, LeereWiederhollisteZiehtImmerZufaellig) {
    for (int ziel : {3, 1, 5}) {
        d.zufall.gibZahlen(1, n, {ziel});
        const int vorher = d.zufall.gezogen;
        naechstesWort();
        EXPECT_EQ(wortPosition, ziel);
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
        naechstesWort();
        EXPECT_EQ(wortPosition, s.position) << "r=" << s.r;
        EXPECT_EQ(letzteWahlWiederholung, s.letzte) << "r=" << s.r;
    }
}

TEST_F(Wahl, HoechstensZwanzigFehlerwoerter) {
    for (int s = 1; s <= 21; ++s) {
        wortPosition = s;
        merkeFehlerwort();
    }
    EXPECT_EQ(anzahlListe(), 20);
    EXPECT_EQ(sucheFehlerwort(20), 20);
    EXPECT_EQ(sucheFehlerwort(21), -1) << "das 21. Wort kommt nicht hinein";
}

TEST_F(Wahl, DreimalRichtigInFolgeVerlaesstDieListe) {
    liste({2, 7, 9});
    wortPosition = 7;
    zaehleRichtigenVersuch();
    zaehleRichtigenVersuch();
    EXPECT_EQ(WiederholListe[2][1][0], 2);
    merkeFehlerwort(); // ein Fehler dazwischen
    EXPECT_EQ(WiederholListe[2][1][0], 0);
    EXPECT_EQ(sucheFehlerwort(7), 2) << "das Wort bleibt an seinem Platz";
    zaehleRichtigenVersuch();
    zaehleRichtigenVersuch();
    EXPECT_EQ(anzahlListe(), 3);
    zaehleRichtigenVersuch();
    EXPECT_EQ(anzahlListe(), 2);
    EXPECT_EQ(sucheFehlerwort(7), -1);
    EXPECT_EQ(WiederholListe[1][0][0], 2);
    EXPECT_EQ(WiederholListe[2][0][0], 9) << "die Lücke schließt sich";
    EXPECT_EQ(WiederholListe[3][0][0], -1);
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
        ErledigtListe.clear();
        for (int s : f.erledigt)
            ErledigtListe.emplace_back(s, 0);
        ErledigtListe.emplace_back(1, 1); // anderer Spieler zählt nicht
        SpielerStatistik[0].richtig = int16_t(f.richtigBeimErsten);
        d.zufall.gibZahlen(1, n, {f.gezogen});
        naechstesWort();
        EXPECT_EQ(wortPosition, f.erwartet) << f.name;
    }
}

TEST_F(Wahl, WortangabenWerdenGeladen) {
    BeispielSatz = true;
    d.zufall.gibZahlen(1, n, {3});
    naechstesWort();
    EXPECT_EQ(Wort, "Eis");
    EXPECT_EQ(Kontext, "das");
    EXPECT_EQ(KomplexInd, 3);
    EXPECT_EQ(Beispielsatz, "Das ___ schmilzt.");
    EXPECT_EQ(vonPos, 2) << "die Lupe der Kategorie 1, nicht der 2";
    EXPECT_EQ(bisPos, 3);
    EXPECT_EQ(SpielerStatistik[0].woerter, 1);
    EXPECT_FALSE(fehlerBeiWort);
    d.zufall.gibZahlen(1, n, {5});
    naechstesWort();
    EXPECT_EQ(Kontext, "") << "Null gibt den leeren Kontext";
    EXPECT_EQ(vonPos + bisPos, 0);
    EXPECT_EQ(SpielerStatistik[0].woerter, 2);
}

TEST_F(Wahl, DiktatOhneAufnahmeMeldetEs) {
    Nachschreiben = false;
    TextToSpeech = false;
    d.anzeige.dannKlicke("Btn1");
    d.zufall.gibZahlen(1, n, {4});
    naechstesWort();
    EXPECT_EQ(d.anzeige.protokoll, QStringList{"modal:MldFenster"});
    EXPECT_EQ(MldFenster::instanz().Meldung->text(),
              "Für das ausgewählte Übungswort liegt\nkeine Sprachaufnahme vor.");
    EXPECT_EQ(Wort, "Ofen") << "das Wort bleibt gewählt";
    EXPECT_EQ(WaveDat, "");
    d.zufall.gibZahlen(1, n, {2});
    naechstesWort();
    EXPECT_EQ(WaveDat, "Bus");
    EXPECT_EQ(d.anzeige.protokoll.size(), 1);
}

TEST_F(Wahl, LeereKategorieWirdNieGewaehlt) {
    AnzahlWoerter = 0;
    EXPECT_THROW(naechstesWort(), Laufzeitfehler);
}
