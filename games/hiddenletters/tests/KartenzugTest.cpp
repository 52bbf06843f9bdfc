// Der Zug des Kartenspiels ohne Fenster: Aufdecken, die Wertung einen Takt später, die zwei
// Sekunden, dann der nächste Spieler oder das nächste Wort, und die Griffe des Computers, auf der
// gestellten Uhr. Die Buchstaben liegen, wo der gestellte Zufall sie hinlegt.
#include "games/hiddenletters/Kartenzug.h"
#include "foundation/Sound.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "gamekit/tests/MerkendeSicht.h"
#include "platform/testing/TestDienste.h"

#include <QDir>
#include <algorithm>
#include <deque>
#include <gtest/gtest.h>
#include <map>

using namespace varku;
using namespace varku::kartomin;
using namespace varku::test;

namespace {

using StilleSicht = MerkendeSicht;

// was der Zug zeigen lässt, als Zeilen
struct Protokoll : Kartensicht {
    QStringList zeilen;
    void zeigeWertung(const Wertung& w) override {
        zeilen << QStringLiteral("Wertung %1").arg(int(w.ergebnis));
    }
    void zeigeWartezeitVorbei() override { zeilen << QStringLiteral("vorbei"); }
    void zeigeWort(const QString& kontext, int von, int bis, bool lupe) override {
        zeilen << QStringLiteral("Wort %1 %2-%3 %4").arg(kontext).arg(von).arg(bis).arg(int(lupe));
    }
    void zeigeRisiko(bool achtung) override {
        zeilen << (achtung ? QStringLiteral("Achtung") : QStringLiteral("Risiko aus"));
    }
    void computerGreiftWieder() override { zeilen << QStringLiteral("weiter"); }
};

struct Zug : ::testing::Test, Spielhaken {
    TestDienste d;
    TestOrdner ordner;
    StilleSicht sicht;
    Protokoll protokoll;
    Einstellungen einst;
    // gestellte Zahlen je Bereich; ohne Vorgabe die kleinste
    std::map<std::pair<int, int>, std::deque<int>> zahlen;
    std::unique_ptr<Spielablauf> ablauf;
    std::unique_ptr<Kartenspiel> spiel;
    std::unique_ptr<Kartenzug> zug;
    int computerZuege = 0;
    QStringList beimLaden; // was der Zug beim Laden zeigen ließ

    Zug() {
        ordner.schreibe("Varku.ini", "[Kartomin]\nTonEinschalten=1\n[Sound]\nAnnahme1=Leer\n"
                                     "Annahme2=Falsch\nBewegungStart=Richtig\nGlückstreffer=Joker\n"
                                     "Gratulation1=Fertig\nAchtung=Achtung\n");
        ladeSoundIni();
        // die Lupe von "Igel" gilt für KAT1, die von "Esel" nicht
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{1, "Igel", "der", 1, false, true, true, "", ""},
                      {2, "Esel", "", 1, false, true, true, "", ""}},
                     {{1, 1, 2, 3}, {2, 2, 1, 1}});
        QDir().mkpath(ordner.pfad("User"));
    }
    ~Zug() override {
        zug.reset();
        ablauf.reset();
        initSoundTabelle();
    }

    void ladeSpiel() override { zug->naechstesWort(); }
    void computerZug() override { ++computerZuege; }

    void gib(int von, int bis, int z) { zahlen[{von, bis}].push_back(z); }
    // die Zahlen, mit denen das nächste Wort auf diesen steigenden Karten liegt: die wievielte
    // leere Karte jede ist
    void legeAuf(const std::vector<int>& karten, int joker = -1) {
        int i = 0;
        for (const int k : karten) {
            gib(0, feldKarten - 1 - i, k - i);
            ++i;
        }
        gib(0, 20, joker < 0 ? 0 : 5);
        if (joker >= 0)
            gib(0, feldKarten - 1 - i,
                joker - int(std::count_if(karten.begin(), karten.end(),
                                          [joker](int k) { return k < joker; })));
    }
    void starte(bool mitComputer = false) {
        protokoll.zeilen.clear();
        Spielkonfiguration k;
        k.name = QStringLiteral("Kartomin");
        k.wortTabellen = WortTabellen{true, false, false};
        Spielstartdaten s;
        s.parameter.SpielerName = {"Anna", "Ben"};
        s.parameter.SpielerDatei = {"ABCDEFGH", "IJKLMNOP"};
        s.parameter.RuvoFeldName = "KAT1";
        s.parameter.LupenFlag = "1";
        s.UserPfad = ordner.pfad("User");
        s.UebNr = 1;
        ablauf = std::make_unique<Spielablauf>(k, s, sicht, *this);
        spiel = std::make_unique<Kartenspiel>(ablauf->runde, [this](int von, int bis) {
            std::deque<int>& q = zahlen[{von, bis}];
            if (q.empty())
                return von;
            const int z = q.front();
            q.pop_front();
            EXPECT_TRUE(z >= von && z <= bis) << z << " in " << von << ".." << bis;
            return z;
        });
        zug = std::make_unique<Kartenzug>(*ablauf, *spiel, einst, protokoll, ablauf->neuerTimer(),
                                          ablauf->neuerTimer());
        ablauf->bindeEinstellungen(Einstellungsbindung(kartominAbschnitt(), einst));
        ASSERT_TRUE(ablauf->lade());
        if (mitComputer)
            ablauf->setzeComputer(true);
        beimLaden = protokoll.zeilen;
        protokoll.zeilen.clear();
    }
    // eine Karte ganz: aufdecken, werten, die zwei Sekunden
    void nimm(int feld) {
        ASSERT_TRUE(zug->deckeAuf(feld)) << feld;
        d.uhr.vorstellen(1 + Kartenzug::warteMs);
    }
    QString letzterKlang() const {
        return d.sound.befehle.isEmpty() ? QString() : d.sound.befehle.last();
    }
};

} // namespace

// Jede Karte: gewertet einen Takt nach dem Aufdecken, mit Klang und Punkten; zwei Sekunden liegt
// sie, und erst dann kommt der nächste Spieler oder das nächste Wort. "Igel" auf 10 bis 13, der
// Joker auf 24
TEST_F(Zug, AufdeckenWertenWartenWeiter) {
    using E = Feldergebnis;
    struct Fall {
        const char* name;
        std::vector<int> vorher; // nimmt Anna ganz
        int karte;
        E ergebnis;
        const char* klang;
        long punkte; // Annas danach
        bool offenDanach;
        const char* amZug;
        QStringList nachDerWartezeit;
    };
    const Fall faelle[] = {
        {"leer", {}, 0, E::Leer, "Leer", 0, false, "Ben", {"vorbei", "Risiko aus"}},
        {"falsch", {10}, 12, E::Falsch, "Falsch", 17, false, "Ben", {"vorbei", "Risiko aus"}},
        {"richtig", {}, 10, E::Richtig, "Richtig", 20, true, "Anna", {"vorbei", "Risiko aus"}},
        {"Joker", {}, 24, E::Joker, "Joker", 100, true, "Anna", {"vorbei", "Risiko aus"}},
        {"fertig",
         {10, 11, 12},
         13,
         E::WortFertig,
         "Fertig",
         80,
         false,
         "Anna",
         {"vorbei", "Wort  0-0 1", "Risiko aus"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        legeAuf({10, 11, 12, 13}, 24);
        starte();
        ASSERT_EQ(beimLaden, QStringList{"Wort der 2-3 1"}) << "mit Kontext und Lupe";
        ASSERT_EQ(spiel->karte(10).inhalt, "I");
        for (const int k : f.vorher)
            nimm(k);
        protokoll.zeilen.clear();
        legeAuf({0, 1, 2, 3}); // das nächste Wort, wenn eines kommt

        ASSERT_TRUE(zug->deckeAuf(f.karte));
        EXPECT_TRUE(zug->FldAnzTimer().aktiv());
        EXPECT_TRUE(protokoll.zeilen.isEmpty()) << "gewertet wird einen Takt später";
        d.uhr.vorstellen(1);
        EXPECT_EQ(protokoll.zeilen, QStringList{QStringLiteral("Wertung %1").arg(int(f.ergebnis))});
        EXPECT_TRUE(letzterKlang().contains(f.klang)) << letzterKlang().toStdString();
        EXPECT_EQ(ablauf->runde.SpielerPunkte[0], f.punkte);
        EXPECT_FALSE(zug->deckeAuf(5)) << "in den zwei Sekunden";
        d.uhr.vorstellen(Kartenzug::warteMs - 1);
        EXPECT_EQ(ablauf->runde.name(), "Anna") << "noch liegt die Karte";
        EXPECT_TRUE(spiel->karte(f.karte).offen);
        protokoll.zeilen.clear();
        d.uhr.vorstellen(1);
        EXPECT_EQ(protokoll.zeilen, f.nachDerWartezeit);
        EXPECT_EQ(spiel->karte(f.karte).offen, f.offenDanach);
        EXPECT_EQ(ablauf->runde.name(), f.amZug);
        EXPECT_EQ(spiel->Wort(), f.ergebnis == E::WortFertig ? "Esel" : "Igel");
        EXPECT_TRUE(spiel->bereit());
        EXPECT_FALSE(zug->WarteTimer().aktiv());
        zug.reset();
        ablauf.reset();
        zahlen.clear();
    }
}

// Liegt der gesuchte Buchstabe auf einer gesehenen Karte, warnt eine von vier Wertungen; dann
// gibt es einen Einsatz, mit seinem Klang, und er gilt für die nächste Karte
TEST_F(Zug, AchtungUndEinsatz) {
    legeAuf({10, 11, 12, 13});
    starte();
    EXPECT_EQ(zug->nimmRisiko(), 0) << "ohne Warnung kein Risiko";
    nimm(11);                       // Anna sieht das G
    ASSERT_TRUE(zug->deckeAuf(10)); // Ben findet das I
    d.uhr.vorstellen(1);
    gib(1, 100, 76);
    protokoll.zeilen.clear();
    d.uhr.vorstellen(Kartenzug::warteMs);
    EXPECT_EQ(protokoll.zeilen, (QStringList{"vorbei", "Achtung"}));
    EXPECT_TRUE(letzterKlang().contains("Achtung"));
    gib(50, 300, 120);
    EXPECT_EQ(zug->nimmRisiko(), 120);
    EXPECT_EQ(zug->nimmRisiko(), 0) << "ein Einsatz je Warnung";
    nimm(11);
    EXPECT_EQ(ablauf->runde.SpielerPunkte[1], 20 + 50 + 120);
    EXPECT_EQ(spiel->einsatz(), 0);
}

// Die Markierung bewegt sich nicht, solange eine Karte gewertet wird
TEST_F(Zug, MarkierungStehtInDerWertung) {
    starte();
    EXPECT_TRUE(zug->bewegeMarke(Richtung::Rechts));
    ASSERT_TRUE(zug->deckeAuf(9));
    EXPECT_FALSE(zug->bewegeMarke(Richtung::Rechts));
    d.uhr.vorstellen(1 + Kartenzug::warteMs);
    EXPECT_TRUE(zug->bewegeMarke(Richtung::Rechts));
    EXPECT_EQ(spiel->markiertesFeld(), 2);
}

// Der Computer greift, bis er danebengreift: nach einem Treffer ruft der Zug ihn wieder, nach dem
// Fehlgriff ist der nächste Mensch dran. Ein Mensch deckt in seinem Zug nichts auf
TEST_F(Zug, ComputerGreiftBisZumFehlgriff) {
    legeAuf({10, 11, 12, 13}, 0);
    starte(true);
    nimm(5);
    nimm(6); // Ben
    ASSERT_TRUE(ablauf->computerAmZug());
    EXPECT_EQ(computerZuege, 1);
    EXPECT_FALSE(zug->deckeAuf(7)) << "kein Mensch im Zug des Computers";
    EXPECT_FALSE(zug->bewegeMarke(Richtung::Rechts));

    protokoll.zeilen.clear();
    const Computerzug joker = zug->computerGreift();
    EXPECT_EQ(joker.feld, 0) << "die erste ungesehene Karte";
    EXPECT_FALSE(joker.fehl);
    EXPECT_EQ(zug->computerGreift().feld, -1) << "nicht in der Wertung";
    d.uhr.vorstellen(1 + Kartenzug::warteMs);
    EXPECT_EQ(protokoll.zeilen, (QStringList{"Wertung 3", "vorbei", "Risiko aus", "weiter"}));
    EXPECT_TRUE(ablauf->computerAmZug());

    protokoll.zeilen.clear();
    const Computerzug leer = zug->computerGreift();
    EXPECT_EQ(leer.feld, 1);
    EXPECT_TRUE(leer.fehl);
    d.uhr.vorstellen(1 + Kartenzug::warteMs);
    EXPECT_EQ(protokoll.zeilen, (QStringList{"Wertung 0", "vorbei", "Risiko aus"}));
    EXPECT_FALSE(ablauf->computerAmZug());
    EXPECT_EQ(ablauf->runde.name(), "Anna");
    EXPECT_EQ(ablauf->runde.SpielerPunkte[2], 100 - 3);
}

// Jeder Schritt des Computers: er greift nur, solange er am Zug ist und das Spiel läuft; in der
// Wertung greift er nicht, aber sein Zug geht weiter
TEST_F(Zug, SchritteDesComputers) {
    struct Fall {
        const char* name;
        std::vector<int> vorher; // nimmt jeder Mensch ganz, einer nach dem anderen
        bool inDerWertung;       // der Computer hat eben gegriffen
        bool ende;
        int feld;
        bool weiter;
    };
    const Fall faelle[] = {
        {"ein Mensch am Zug", {5}, false, false, -1, false},
        {"der Computer greift", {5, 6}, false, false, 0, true},
        {"in der Wertung", {5, 6}, true, false, -1, true},
        {"nach dem Ende", {5, 6}, false, true, -1, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        legeAuf({10, 11, 12, 13}, 0);
        starte(true);
        for (const int k : f.vorher)
            nimm(k);
        if (f.inDerWertung) {
            ASSERT_EQ(zug->computerGreift().feld, 0);
        }
        if (f.ende)
            ablauf->programmEnde();
        const Kartenzug::Computerschritt s = zug->computerSchritt();
        EXPECT_EQ(s.feld, f.feld);
        EXPECT_EQ(s.weiter, f.weiter);
        zug.reset();
        ablauf.reset();
        zahlen.clear();
    }
}
