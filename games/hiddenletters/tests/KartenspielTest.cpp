// Die Regeln des Kartenspiels ohne Fenster: Legen, Aufdecken, Wertung, Risiko, Markierung und die
// Kartenwahl des Computers, mit gestelltem Zufall.
#include "games/hiddenletters/Kartenspiel.h"
#include "foundation/Texte.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <vector>

using namespace varku;
using namespace varku::kartomin;

namespace {

struct Regeln : ::testing::Test {
    Spielrunde runde;
    // ohne Vorgabe ist jede Zahl die kleinste: die Buchstaben liegen dann von Karte 0 an
    std::deque<int> zahlen;
    std::vector<std::pair<int, int>> gefragt;
    Kartenspiel spiel{runde, [this](int von, int bis) {
                          gefragt.emplace_back(von, bis);
                          if (zahlen.empty())
                              return von;
                          const int z = zahlen.front();
                          zahlen.pop_front();
                          EXPECT_TRUE(z >= von && z <= bis) << z << " in " << von << ".." << bis;
                          return z;
                      }};

    Regeln() {
        runde.nSpieler = 2;
        runde.SpielerName = {"Anna", "Ben"};
    }
    long punkte() const { return runde.SpielerPunkte[size_t(runde.aktSpieler)]; }

    // die Zahlen, mit denen die Buchstaben auf genau diesen Karten liegen, der Joker auf joker
    void lege(const QString& wort, const std::vector<int>& karten, int joker = -1) {
        std::vector<bool> belegt(feldKarten, false);
        const auto rang = [&](int karte) {
            int r = 0;
            for (int i = 0; i < karte; ++i)
                r += belegt[size_t(i)] ? 0 : 1;
            belegt[size_t(karte)] = true;
            return r;
        };
        zahlen.insert(zahlen.end(), feldKarten, 0); // die Rücken
        for (const int k : karten)
            zahlen.push_back(rang(k));
        zahlen.push_back(joker < 0 ? 4 : 5);
        if (joker >= 0)
            zahlen.push_back(rang(joker));
        spiel.neuesWort(wort);
        ASSERT_TRUE(zahlen.empty());
    }
    // eine Karte ganz: aufdecken, werten, warten, abschließen (ohne "Achtung", wenn nicht gesagt)
    Wertung nimm(int feld, int achtungsZahl = 1) {
        EXPECT_TRUE(spiel.deckeFeldAuf(feld)) << feld;
        const Wertung w = spiel.werteAus();
        spiel.beendeWartezeit();
        zahlen.push_back(achtungsZahl);
        spiel.schliesseWertungAb();
        return w;
    }
};

} // namespace

TEST_F(Regeln, LegtBuchstabenUndJokerAufZufaelligeKarten) {
    struct Fall {
        int jokerZahl;
        bool joker;
    };
    // 16 von 21 Zahlen geben einen Joker: 5 bis 20
    for (const Fall f : {Fall{0, false}, Fall{4, false}, Fall{5, true}, Fall{20, true}}) {
        SCOPED_TRACE(f.jokerZahl);
        zahlen.assign(feldKarten, 3);
        // die erste Ziehung mit ihrer größten Zahl trifft die letzte Karte unten rechts
        zahlen.insert(zahlen.end(), {24, 0, 0, 0, 0, f.jokerZahl});
        if (f.joker)
            zahlen.push_back(24 - 5); // die letzte der freien Karten
        spiel.neuesWort("Hallo");
        EXPECT_TRUE(zahlen.empty());
        ASSERT_GE(gefragt.size(), 30u);
        EXPECT_EQ(gefragt[25], std::make_pair(0, 24));
        EXPECT_EQ(gefragt[29], std::make_pair(0, 20));
        EXPECT_EQ(spiel.karte(24).inhalt, "H");
        EXPECT_EQ(spiel.karte(0).inhalt, "A");
        EXPECT_EQ(spiel.karte(2).inhalt, "L") << "ein doppelter Buchstabe liegt auf zwei Karten";
        EXPECT_EQ(spiel.karte(3).inhalt, "O");
        EXPECT_EQ(spiel.karte(23).istJoker(), f.joker);
        int leer = 0;
        for (int i = 0; i < feldKarten; ++i) {
            leer += spiel.karte(i).inhalt.isEmpty() ? 1 : 0;
            EXPECT_EQ(spiel.karte(i).farbe, 3);
            EXPECT_FALSE(spiel.karte(i).aufgedeckt || spiel.karte(i).offen);
        }
        EXPECT_EQ(leer, f.joker ? 19 : 20);
        EXPECT_EQ(spiel.naechsterBuchstabe(), 1);
        gefragt.clear();
    }
    EXPECT_EQ(spiel.sucheLeeresFeld(18), 22);
    EXPECT_EQ(spiel.sucheLeeresFeld(19), 0) << "weniger leere Karten: Karte 0";
}

// Mit echtem Zufall bekommt jede Karte einmal einen Buchstaben und einmal den Joker
TEST_F(Regeln, JedeKarteKannEtwasBekommen) {
    std::mt19937 mt(11);
    Kartenspiel echt(runde, [&mt](int von, int bis) {
        return std::uniform_int_distribution<int>(von, bis)(mt);
    });
    std::vector<int> buchstaben(feldKarten, 0), joker(feldKarten, 0);
    int mitJoker = 0;
    const int laeufe = 4000;
    for (int n = 0; n < laeufe; ++n) {
        echt.neuesWort("Esel");
        int sterne = 0;
        for (int i = 0; i < feldKarten; ++i) {
            buchstaben[size_t(i)] +=
                echt.karte(i).istJoker() || echt.karte(i).inhalt.isEmpty() ? 0 : 1;
            joker[size_t(i)] += echt.karte(i).istJoker() ? 1 : 0;
            sterne += echt.karte(i).istJoker() ? 1 : 0;
        }
        ASSERT_LE(sterne, 1);
        mitJoker += sterne;
    }
    for (int i = 0; i < feldKarten; ++i) {
        EXPECT_NEAR(buchstaben[size_t(i)], laeufe * 4 / 25, laeufe * 4 / 25 / 4) << i;
        EXPECT_GT(joker[size_t(i)], 0) << i;
    }
    EXPECT_NEAR(double(mitJoker) / laeufe, 16.0 / 21, 0.03);
}

// Groß je Zeichen: "ß" bleibt ein Zeichen; Leerzeichen fallen weg, mehr als 24 Buchstaben auch
TEST_F(Regeln, WortWirdGetrimmtUndPasstAufsFeld) {
    struct Fall {
        QString wort, gelegt;
    };
    for (const Fall& f : {Fall{"Straße", "Straße"}, Fall{"  Igel ", "Igel"},
                          Fall{"Donaudampfschifffahrtskapitän", "Donaudampfschifffahrtska"}}) {
        SCOPED_TRACE(f.wort.toStdString());
        zahlen.clear();
        spiel.neuesWort(f.wort);
        EXPECT_EQ(spiel.Wort(), f.gelegt);
        QString karten;
        for (int i = 0; i < spiel.WortLaenge(); ++i)
            karten += spiel.karte(i).inhalt;
        EXPECT_EQ(karten, grossJeZeichen(f.gelegt));
    }
    // 24 Buchstaben und der Joker auf der letzten Karte; das Wort lässt sich zu Ende finden
    zahlen.assign(feldKarten, 0);
    zahlen.insert(zahlen.end(), 24, 0);
    zahlen.insert(zahlen.end(), {5, 0});
    spiel.neuesWort("Donaudampfschifffahrtskapitänsmütze");
    EXPECT_TRUE(spiel.karte(24).istJoker());
    for (int i = 0; i < 23; ++i)
        EXPECT_EQ(nimm(i).ergebnis, Feldergebnis::Richtig) << i;
    EXPECT_EQ(nimm(23).ergebnis, Feldergebnis::WortFertig);
}

// ESEL: jedes E zuerst; dann ist das andere E falsch, bis das S gefunden ist
TEST_F(Regeln, DoppelteBuchstabenInDerFolgeDesWortes) {
    struct Schritt {
        int karte;
        Feldergebnis ergebnis;
    };
    using E = Feldergebnis;
    const std::vector<std::vector<Schritt>> folgen = {
        {{0, E::Richtig}, {2, E::Falsch}, {1, E::Richtig}, {2, E::Richtig}, {3, E::WortFertig}},
        {{2, E::Richtig}, {0, E::Falsch}, {1, E::Richtig}, {0, E::Richtig}, {3, E::WortFertig}},
        {{5, E::Leer}, {1, E::Falsch}, {2, E::Richtig}, {2, E::Richtig}, {1, E::Richtig}},
    };
    for (const auto& folge : folgen) {
        lege("Esel", {0, 1, 2, 3});
        for (const Schritt& s : folge) {
            SCOPED_TRACE(s.karte);
            if (spiel.karte(s.karte).gefunden) {
                EXPECT_FALSE(spiel.deckeFeldAuf(s.karte)) << "eine gewonnene Karte bleibt";
                continue;
            }
            EXPECT_EQ(nimm(s.karte).ergebnis, s.ergebnis);
        }
    }
}

// Die Wertung einer Karte: Klang, Punkte und was danach kommt. "Esel" liegt auf 0 bis 3, der
// Joker auf 4; die Karten davor nimmt derselbe Spieler, die letzte mit "Achtung", wenn es einen
// Einsatz gibt
TEST_F(Regeln, WertungMitUndOhneEinsatz) {
    struct Fall {
        const char* name;
        std::vector<int> vorher;
        int einsatz;
        long punkteVorher;
        int karte;
        Feldergebnis ergebnis;
        const char* klang;
        long punkteNachher;
        bool wechsel;
    };
    using E = Feldergebnis;
    const Fall faelle[] = {
        {"leer mit 2 Punkten", {}, 0, 2, 9, E::Leer, "Annahme1", 0, true},
        {"leer", {}, 0, 10, 9, E::Leer, "Annahme1", 7, true},
        {"falsch", {}, 0, 10, 1, E::Falsch, "Annahme2", 7, true},
        {"richtig zum ersten Mal", {}, 0, 10, 0, E::Richtig, "BewegungStart", 30, false},
        {"richtig, schon gesehen", {1, 0}, 0, 10, 1, E::Richtig, "BewegungStart", 60, false},
        {"Joker", {}, 0, 10, 4, E::Joker, "Glückstreffer", 110, false},
        {"letzter Buchstabe", {0, 1, 2}, 0, 10, 3, E::WortFertig, "Gratulation1", 30, false},
        {"falsch mit 120", {1, 0}, 120, 500, 3, E::Falsch, "AllgemeinerFehler", 380, true},
        {"leer mit 120", {1, 0}, 120, 100, 9, E::Leer, "AllgemeinerFehler", 0, true},
        {"gesehen mit 120", {1, 0}, 120, 500, 1, E::Richtig, "BewegungStart", 670, false},
        {"Joker mit 120", {1, 0}, 120, 500, 4, E::Joker, "Glückstreffer", 600, false},
        {"letzter mit 120", {3, 0, 1, 2}, 120, 500, 3, E::WortFertig, "Gratulation1", 640, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        lege("Esel", {0, 1, 2, 3}, 4);
        for (size_t i = 0; i < f.vorher.size(); ++i)
            nimm(f.vorher[i], i + 1 == f.vorher.size() && f.einsatz > 0 ? 76 : 1);
        if (f.einsatz > 0) {
            ASSERT_TRUE(spiel.risikoKnopfAn());
            zahlen.push_back(f.einsatz);
            ASSERT_EQ(spiel.nimmRisiko(), f.einsatz);
            EXPECT_FALSE(spiel.risikoKnopfAn()) << "ein Einsatz je Warnung";
        }
        runde.SpielerPunkte[0] = f.punkteVorher;
        ASSERT_TRUE(spiel.deckeFeldAuf(f.karte));
        const Wertung w = spiel.werteAus();
        EXPECT_EQ(w.ergebnis, f.ergebnis);
        EXPECT_EQ(w.klang, f.klang);
        EXPECT_EQ(runde.SpielerPunkte[0], f.punkteNachher);
        EXPECT_FALSE(spiel.risikoAngeboten()) << "jede Wertung schaltet das Risiko aus";
        const Fortgang g = spiel.beendeWartezeit();
        EXPECT_EQ(g.spielerwechsel, f.wechsel);
        EXPECT_EQ(g.neuesWort, f.ergebnis == E::WortFertig);
        EXPECT_EQ(spiel.karte(f.karte).offen, !f.wechsel) << "ein Fehlgriff liegt wieder verdeckt";
        spiel.schliesseWertungAb();
        EXPECT_EQ(spiel.einsatz(), 0) << "der Einsatz gilt nur für eine Karte";
    }
}

// Gewonnene Karten bleiben, falsche kosten jedes Mal; solange eine Karte gewertet wird, nimmt
// das Spiel keine andere
TEST_F(Regeln, GewonneneKarteUndWartezeit) {
    lege("Igel", {0, 1, 2, 3}, 4);
    runde.SpielerPunkte[0] = 100;
    nimm(0);
    EXPECT_FALSE(spiel.deckeFeldAuf(0)) << "gewonnen";
    EXPECT_EQ(nimm(2).ergebnis, Feldergebnis::Falsch);
    EXPECT_EQ(nimm(2).ergebnis, Feldergebnis::Falsch) << "kostet noch einmal";
    EXPECT_EQ(runde.SpielerPunkte[0], 100 + 20 - 3 - 3);
    nimm(4);
    EXPECT_FALSE(spiel.deckeFeldAuf(4)) << "ein gezeigter Joker ist gewonnen";
    EXPECT_EQ(spiel.karte(4).jokerBild, 1);

    ASSERT_TRUE(spiel.deckeFeldAuf(1));
    EXPECT_FALSE(spiel.deckeFeldAuf(5)) << "vor der Wertung";
    spiel.werteAus();
    EXPECT_FALSE(spiel.deckeFeldAuf(5)) << "in den zwei Sekunden";
    zahlen.push_back(76);
    EXPECT_EQ(spiel.nimmRisiko(), 0);
    spiel.beendeWartezeit();
    EXPECT_FALSE(spiel.deckeFeldAuf(5));
    spiel.schliesseWertungAb();
    EXPECT_TRUE(spiel.deckeFeldAuf(5));
    EXPECT_FALSE(spiel.deckeFeldAuf(-1));
}

// "&Risiko" nur nach "Achtung", und nach der nächsten Karte ist es wieder aus
TEST_F(Regeln, RisikoNurNachAchtung) {
    lege("Igel", {0, 1, 2, 3});
    EXPECT_FALSE(spiel.risikoKnopfAn());
    EXPECT_EQ(spiel.nimmRisiko(), 0);
    EXPECT_EQ(nimm(1, 100).ergebnis, Feldergebnis::Falsch);
    EXPECT_FALSE(spiel.risikoAngeboten()) << "das I ist noch nicht gesehen";
    nimm(0);
    // jetzt ist G gesucht und liegt auf der gesehenen Karte 1
    struct Fall {
        int zahl;
        bool achtung;
    };
    for (const Fall f : {Fall{75, false}, Fall{76, true}, Fall{1, false}, Fall{100, true}}) {
        SCOPED_TRACE(f.zahl);
        zahlen = {f.zahl};
        EXPECT_EQ(spiel.pruefeAchtung(), f.achtung);
    }
    EXPECT_EQ(nimm(7, 76).ergebnis, Feldergebnis::Leer);
    EXPECT_TRUE(spiel.risikoAngeboten());
    ASSERT_TRUE(spiel.risikoKnopfAn());
    zahlen = {300};
    EXPECT_EQ(spiel.nimmRisiko(), 300);
    EXPECT_EQ(gefragt.back(), std::make_pair(50, 300));
    EXPECT_TRUE(spiel.risikoAngeboten()) << "die Lampe bleibt bis zur nächsten Karte";
    nimm(8);
    EXPECT_FALSE(spiel.risikoAngeboten());
}

TEST_F(Regeln, MarkierungBleibtAufDemFeld) {
    struct Fall {
        std::vector<Richtung> wege;
        int feld;
    };
    using R = Richtung;
    const Fall faelle[] = {
        {{}, 0},
        {{R::Links, R::Hoch}, 0},
        {{R::Rechts, R::Rechts, R::Runter}, 7},
        {std::vector<R>(9, R::Rechts), 4},
        {std::vector<R>(9, R::Runter), 20},
        {{R::Rechts, R::Rechts, R::Rechts, R::Rechts, R::Runter, R::Runter, R::Runter, R::Runter,
          R::Runter},
         24},
    };
    for (const Fall& f : faelle) {
        Kartenspiel s(runde, [](int von, int) { return von; });
        for (const R r : f.wege)
            s.bewegeMarke(r);
        EXPECT_EQ(s.markiertesFeld(), f.feld);
    }
}

// Der Computer erinnert sich an jede aufgedeckte Karte
TEST_F(Regeln, ComputerWaehltSeineKarte) {
    struct Fall {
        const char* name;
        int staerke;
        std::vector<int> vorher; // Karten, die schon jemand aufgedeckt hat
        std::vector<int> zahlen; // Zufall der Züge: Zufallsfeld, dann die Wahl des Schwachen
        int feld;
        bool fehl;
    };
    // "Igel" auf 10, 11, 12, 13, der Joker auf 20; G auf 11 wird gesehen, bevor es gesucht ist
    const Fall faelle[] = {
        {"stark nimmt die bekannte Karte", staerkeStark, {11, 10}, {0}, 11, false},
        {"stark ohne bekannte: die erste ungesehene", staerkeStark, {0, 1}, {0}, 2, true},
        {"stark nie eine Zufallskarte", staerkeStark, {11, 10}, {24}, 11, false},
        {"schwach mit 51: die bekannte", staerkeSchwach, {11, 10}, {24, 51}, 11, false},
        {"schwach mit 50: irgendeine", staerkeSchwach, {11, 10}, {24, 50}, 24, true},
        {"schwach greift auch eine bekannte falsche", staerkeSchwach, {12}, {12, 0}, 12, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        lege("Igel", {10, 11, 12, 13}, 20);
        for (const int k : f.vorher) {
            spiel.deckeFeldAuf(k);
            spiel.werteAus();
            spiel.beendeWartezeit();
            spiel.schliesseWertungAb();
        }
        zahlen.assign(f.zahlen.begin(), f.zahlen.end());
        const Computerzug z = spiel.simuliereComputerZug(f.staerke);
        EXPECT_EQ(z.feld, f.feld);
        EXPECT_EQ(z.fehl, f.fehl);
        EXPECT_EQ(spiel.phase(), Kartenspiel::Phase::Offen) << "die Karte ist aufgedeckt";
        spiel.werteAus();
        spiel.beendeWartezeit();
        spiel.schliesseWertungAb();
    }
    lege("Igel", {10, 11, 12, 13}, 0);
    zahlen = {0};
    const Computerzug j = spiel.simuliereComputerZug(staerkeStark);
    EXPECT_EQ(j.feld, 0);
    EXPECT_FALSE(j.fehl) << "der Joker ist ein Treffer";
}

TEST_F(Regeln, ZufallsfeldSuchtVorwaertsDannRueckwaerts) {
    // gewonnen sind I, G, E auf 20 bis 22 und der Joker auf 24; das L auf 23 fehlt noch
    lege("Igel", {20, 21, 22, 23}, 24);
    for (const int k : {20, 21, 22, 24})
        nimm(k);
    struct Fall {
        int start, feld;
    };
    for (const Fall f : {Fall{24, 23}, Fall{21, 23}, Fall{23, 23}, Fall{5, 5}, Fall{0, 0}}) {
        zahlen = {f.start};
        EXPECT_EQ(spiel.sucheZufallsFeld(), f.feld) << f.start;
    }
    EXPECT_EQ(spiel.sucheUnbekanntesFeld(), 0);
    EXPECT_EQ(spiel.sucheBekanntesFeld(), -1);
}
