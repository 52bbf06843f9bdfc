// Der Zug des Radspiels ohne Fenster: der Ablauf des Baukastens mit einer gestellten Sicht, die
// gestellte Uhr, ein Würfel, der immer die kleinste Zahl gibt.
#include "games/wheel/Radzug.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "gamekit/Spielablauf.h"
#include "gamekit/Spielstart.h"
#include "gamekit/tests/MerkendeSicht.h"
#include "platform/testing/TestDienste.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::zirkomat;
using namespace varku::test;

namespace {

struct Sicht : MerkendeSicht, Spielhaken, Radsicht {
    Radzug* zug = nullptr;
    int raetsel = 0, computerWahlen = 0, computerEnden = 0;

    void ladeSpiel() override { zug->lade(); }
    bool menueGesperrt(Menue m) const override { return zug->menueGesperrt(m); }

    void zeigeKnoepfe() override {}
    void zeigeRad() override {}
    void zeigeRaetsel() override { ++raetsel; }
    void zeichneKasten(int) override {}
    void zeigeStand() override {}
    void zeigeSatz() override {}
    void versteckeSatz() override {}
    void fokusAufBuchstaben() override {}
    void computerWaehlt() override { ++computerWahlen; }
    void computerZugEnde() override { ++computerEnden; }
};

struct Zug : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    Sicht sicht;
    std::unique_ptr<Spielablauf> ablauf;
    std::unique_ptr<Radzug> zug;

    Zug() {
        ordner.schreibe("Varku.tsp", ">>> Seite,-\nTiere,KAT1\n");
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{1, "Igel", "der", 1, true, true, false, "", ""},
                      {2, "Straße", "die", 1, true, true, false, "", ""}});
        QDir().mkpath(ordner.pfad("User"));
        ordner.schreibe("Varku.ini", "[Zirkomat]\nRatezeitBegrenzen=1\nFehlversucheMaximum=3\n"
                                     "[Spiele]\nMaximaleSpielDauer=30\n");
        Spielkonfiguration k;
        k.name = "Zirkomat";
        k.maxWortLaenge = maxBuchstaben;
        const Startpruefung p = pruefeStart(
            "\"Version=4;RuvoFeldName=KAT1;nSpieler=2;Anna;Ben;ABCDEFGH;IJKLMNOP;\"", k);
        EXPECT_TRUE(p.angenommen);
        ablauf = std::make_unique<Spielablauf>(k, p.daten, sicht, sicht);
        zug = std::make_unique<Radzug>(*ablauf, sicht, [](int von, int) { return von; });
        sicht.zug = zug.get();
        ablauf->bindeEinstellungen(Einstellungsbindung(zirkomatAbschnitt(), zug->einst()));
        EXPECT_TRUE(ablauf->lade());
    }
    ~Zug() override {
        zug.reset();
        ablauf.reset();
    }
    Radspiel& spiel() { return zug->spiel(); }
    // das Rad dreht und steht auf diesem Wert
    void aufEinsatz(int wert) {
        zug->RadDrehen();
        while (spiel().einsatz() != wert)
            d.uhr.vorstellen(30);
        zug->RadStoppen();
    }
    int falscheTaste() { return spiel().naechsteTaste() == 0 ? 1 : 0; }
};

} // namespace

// Nach dem letzten Buchstaben bleibt das Wort 3 Sekunden stehen, nach zu vielen Fehlversuchen das
// gezeigte 8; währenddessen steht die Ratezeit, ein neues Spiel und die Einstellungen warten und
// was kommt, fällt weg. Danach liegt das nächste Rätsel aus und wer dran ist, dreht mit frischer
// Ratezeit: nach dem gelösten Wort der Nächste, nach dem gezeigten derselbe.
TEST_F(Zug, NachDemWortWartenDannNaechstesRaetsel) {
    struct Fall {
        const char* name;
        bool richtig;
        int sekunden;
        int danach; // wer dann dreht
    };
    for (const Fall& f : {Fall{"gelöst", true, 3, 1}, Fall{"gezeigt", false, 8, 0}}) {
        SCOPED_TRACE(f.name);
        ablauf->runde.aktSpieler = 0;
        zug->einst().FehlversucheMaximum = f.richtig ? 3 : 1;
        spiel().neuesWort("I", 0);
        aufEinsatz(20);
        const int raetsel = sicht.raetsel;
        d.uhr.vorstellen(5000);
        ASSERT_GT(ablauf->ratezeit.RateZeitZaehler, 0);
        ASSERT_TRUE(zug->pruefeBstWahl(f.richtig ? spiel().naechsteTaste() : falscheTaste()));
        const int zaehler = ablauf->ratezeit.RateZeitZaehler;
        EXPECT_EQ(spiel().phase(), Radspiel::Phase::Pause);
        EXPECT_FALSE(ablauf->menueAn(Menue::Neu));
        EXPECT_FALSE(ablauf->menueAn(Menue::Einstellungen));
        EXPECT_TRUE(ablauf->menueAn(Menue::Meisterliste));
        d.uhr.vorstellen(f.sekunden * 1000 - 1);
        zug->drehen();
        zug->bstWahl(0);
        EXPECT_EQ(spiel().phase(), Radspiel::Phase::Pause) << "was kommt, fällt weg";
        EXPECT_EQ(ablauf->ratezeit.RateZeitZaehler, zaehler) << "die Ratezeit steht";
        EXPECT_EQ(sicht.raetsel, raetsel);
        EXPECT_EQ(ablauf->runde.aktSpieler, 0);
        d.uhr.vorstellen(1);
        EXPECT_EQ(sicht.raetsel, raetsel + 1) << "das nächste Rätsel";
        EXPECT_EQ(spiel().phase(), Radspiel::Phase::Drehen);
        EXPECT_EQ(ablauf->runde.aktSpieler, f.danach);
        EXPECT_EQ(ablauf->ratezeit.RateZeitZaehler, 0);
        EXPECT_TRUE(ablauf->RestZeitTimer().aktiv());
        EXPECT_TRUE(ablauf->menueAn(Menue::Neu));
        EXPECT_TRUE(sicht.meldungen.isEmpty()) << sicht.meldungen.join("/").toStdString();
    }
}

// Die Hilfe nach der Hälfte der Fehlversuche: ein Mensch bekommt sie gleich und dreht wieder, der
// Computer wartet 2 Sekunden, dann ist sein Buchstabenzug vorbei; im Wortraten wählt er gleich den
// nächsten
TEST_F(Zug, HilfeFuerMenschUndComputer) {
    spiel().neuesWort("Igel", 0);
    for (int i = 0; i < 2; ++i) {
        aufEinsatz(20);
        zug->bstWahl(falscheTaste());
    }
    ASSERT_EQ(sicht.meldungen.size(), 1);
    EXPECT_TRUE(sicht.meldungen[0].startsWith("Hilfe: Ich glaube, ich muss dir helfen, Anna."));
    EXPECT_EQ(ablauf->runde.aktSpieler, 0);
    EXPECT_EQ(spiel().phase(), Radspiel::Phase::Drehen);

    ASSERT_EQ(ablauf->setzeComputer(true), Spielrunde::Sitz::Gesetzt);
    ablauf->runde.aktSpieler = 1;
    ablauf->naechsterSpieler();
    ASSERT_TRUE(ablauf->computerAmZug());
    spiel().neuesWort("Igel", 0);
    for (int i = 0; i < 2; ++i) {
        aufEinsatz(20);
        zug->bstWahl(falscheTaste()); // die Menschen drücken nicht für ihn
        EXPECT_EQ(spiel().phase(), Radspiel::Phase::Einsatz);
        zug->pruefeBstWahl(falscheTaste());
    }
    EXPECT_EQ(sicht.meldungen.size(), 1) << "der Computer bekommt keine Hilfe";
    EXPECT_EQ(sicht.computerEnden, 1) << "nach dem ersten Fehlgriff";
    d.uhr.vorstellen(1999);
    EXPECT_EQ(sicht.computerEnden, 1);
    d.uhr.vorstellen(1);
    EXPECT_EQ(sicht.computerEnden, 2);

    aufEinsatz(20);
    spiel().wortRaten();
    zug->pruefeBstWahl(spiel().naechsteTaste());
    EXPECT_EQ(sicht.computerWahlen, 1);
}

// Der Zug des Computers nach dem Anhalten: auf einem Betrag rät er einen Buchstaben und wartet auf
// dessen Ende; sonst dreht er wieder (bis zum Anhalten die kleinste Drehung, 20 Takte weniger
// drei) oder sein Zug ist vorbei, und nach dem Ende des Spiels immer
TEST_F(Zug, SchritteDesComputers) {
    using Art = Radzug::Computerschritt::Art;
    struct Fall {
        int einsatz;
        bool ende;
        Art art;
        int takte;
        const char* amZug;
    };
    const Fall faelle[] = {
        {20, false, Art::Wartet, 0, "Computer"},
        {300, false, Art::Dreht, 17, "Computer"},
        {0, false, Art::Ende, 0, "Anna"},
        {20, true, Art::Ende, 0, "Computer"},
    };
    ASSERT_EQ(ablauf->setzeComputer(true), Spielrunde::Sitz::Gesetzt);
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.einsatz << " " << f.ende);
        ablauf->runde.aktSpieler = 1;
        ablauf->naechsterSpieler();
        ASSERT_TRUE(ablauf->computerAmZug());
        spiel().neuesWort("Igel", 0);
        EXPECT_EQ(zug->computerDreht().takte, 17);
        while (spiel().einsatz() != f.einsatz)
            d.uhr.vorstellen(30);
        if (f.ende)
            ablauf->programmEnde();
        const Radzug::Computerschritt s = zug->computerZieht();
        EXPECT_EQ(s.art, f.art);
        EXPECT_EQ(s.takte, f.takte);
        EXPECT_EQ(ablauf->runde.name(), f.amZug);
        d.uhr.vorstellen(10000); // was er angefangen hat, ist vorbei
    }
}
