#include "games/wheel/Radspiel.h"
#include "games/wheel/ZirkomatEinstellungen.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::zirkomat;

namespace {

struct Rad : ::testing::Test {
    Spielrunde runde;
    Radspiel spiel{runde};
    Rad() {
        runde.nSpieler = 2;
        runde.SpielerName = {"Anna", "Ben"};
        runde.SpielerDatei = {"AAAAAAAA", "BBBBBBBB"};
    }
    // das Rad steht auf dem Feld mit diesem Wert
    void stehtAuf(int wert) {
        spiel.RadDrehen(100);
        spiel.radPos = int(std::find(RadWerte.begin(), RadWerte.end(), wert) - RadWerte.begin());
    }
};

} // namespace

TEST(Tasten, BuchstabenUndSpielbareWoerter) {
    EXPECT_EQ(tasteFuer(u'a'), 0);
    EXPECT_EQ(tasteFuer(u'Z'), 25);
    EXPECT_EQ(tasteFuer(u'ä'), 26) << "ä zählt als Ä";
    EXPECT_EQ(tasteFuer(u'Ö'), 27);
    EXPECT_EQ(tasteFuer(u'ü'), 28);
    EXPECT_EQ(tasteFuer(u'ß'), 29) << "ß bleibt ein Buchstabe";
    EXPECT_EQ(tasteFuer(u'7'), -1) << "eine Ziffer tut nichts";
    EXPECT_EQ(tasteFuer(u'é'), -1);
    EXPECT_EQ(buchstabeDerTaste(29), u'ß');
    const std::pair<const char*, bool> woerter[] = {
        {"Straße", true}, {"Fahrradschlauch", true}, {"Fahrradschlauchs", false},
        {"Café", false},  {"Baby-Ente", false},      {"", false}};
    for (const auto& [wort, spielbar] : woerter)
        EXPECT_EQ(istSpielbar(QString::fromUtf8(wort)), spielbar) << wort;
}

// Was jedes Feld des Rades tut.
TEST_F(Rad, FelderDesRades) {
    struct Fall {
        int wert;
        long punkteVorher, punkteNachher;
        bool einsatz, naechster, kaufen;
        const char* klang;
    };
    const Fall faelle[] = {
        {300, 50, 150, false, false, false, "Glückstreffer"}, // genau 100, nicht 300
        {-1, 0, 0, false, false, false, "AllgemeinerFehler"}, // bleibt 0, derselbe dreht
        {-1, 90, 0, false, false, false, "AllgemeinerFehler"},
        {0, 90, 90, false, true, false, "BewegungEnde"},
        {40, 30, 30, true, false, false, "BewegungStop"}, // raten ja, kaufen nein
        {40, 40, 40, true, false, true, "BewegungStop"},
    };
    for (const Fall& f : faelle) {
        runde.aktSpieler = 0;
        runde.setzePunkte(f.punkteVorher);
        stehtAuf(f.wert);
        const Radspiel::Stopp s = spiel.RadStoppen();
        EXPECT_EQ(runde.punkte(), f.punkteNachher) << f.wert;
        EXPECT_EQ(s.einsatz, f.einsatz) << f.wert;
        EXPECT_EQ(s.naechsterSpieler, f.naechster) << f.wert;
        EXPECT_EQ(s.kaufen, f.kaufen) << f.wert;
        EXPECT_EQ(s.klang, QString::fromUtf8(f.klang)) << f.wert;
        EXPECT_EQ(spiel.phase, f.einsatz ? Radspiel::Phase::Einsatz : Radspiel::Phase::Drehen);
    }
}

TEST_F(Rad, DasRadHaeltNachZehnGanzenSekundenVonSelbst) {
    spiel.RadDrehen(1000);
    int schritte = 0;
    for (long t = 1000; t <= 1010; ++t)
        EXPECT_FALSE(spiel.radSchritt(t)) << t;
    schritte = spiel.radPos;
    EXPECT_TRUE(spiel.radSchritt(1011));
    EXPECT_EQ(spiel.radPos, (schritte + 1) % 10) << "ein Schritt je Takt, nach 9 kommt 0";
    spiel.RadDrehen(86395);
    EXPECT_FALSE(spiel.radSchritt(3)) << "über Mitternacht zählen die Sekunden weiter";
    EXPECT_TRUE(spiel.radSchritt(6));
}

TEST_F(Rad, BuchstabeRichtigOderFalsch) {
    spiel.neuesWort("Igel");
    spiel.FehlversucheMaximum = 5;
    runde.setzePunkte(50);
    stehtAuf(80);
    spiel.RadStoppen();
    Radspiel::Zug z = spiel.pruefeBstWahl(tasteFuer(u'I'));
    EXPECT_TRUE(z.richtig);
    EXPECT_EQ(z.punkte, 80);
    EXPECT_EQ(runde.punkte(), 130);
    EXPECT_TRUE(z.weiter) << "ein richtiger Buchstabe gibt die Reihe weiter";
    EXPECT_EQ(z.aufgedeckt, 0);
    // derselbe Buchstabe noch einmal zählt nicht: das Rad wurde nicht gedreht
    EXPECT_FALSE(spiel.pruefeBstWahl(tasteFuer(u'G')).angenommen);
    stehtAuf(80);
    spiel.RadStoppen();
    z = spiel.pruefeBstWahl(tasteFuer(u'X'));
    EXPECT_FALSE(z.richtig);
    EXPECT_EQ(runde.punkte(), 50);
    EXPECT_FALSE(z.weiter) << "derselbe Spieler dreht wieder";
    stehtAuf(80);
    spiel.RadStoppen();
    z = spiel.pruefeBstWahl(tasteFuer(u'X'));
    EXPECT_EQ(runde.punkte(), 0) << "nie unter null";
    EXPECT_EQ(z.punkte, -50);
    EXPECT_FALSE(spiel.pruefeBstWahl(tasteFuer(u'G')).angenommen) << "erst wieder drehen";
    EXPECT_FALSE(spiel.pruefeBstWahl(30).angenommen);
}

// Wortraten ab dem dritten von sieben Buchstaben mit 40: jeder richtige 40, ein falscher
// (7 - 2) * 40.
TEST_F(Rad, WortRaten) {
    spiel.neuesWort("Fahrrad");
    spiel.naechsterBst = 2;
    runde.setzePunkte(300);
    stehtAuf(40);
    spiel.RadStoppen();
    spiel.wortRaten();
    EXPECT_EQ(spiel.WortRatenStart, 2);
    for (QChar c : {u'H', u'R'}) {
        const Radspiel::Zug z = spiel.pruefeBstWahl(tasteFuer(c));
        EXPECT_TRUE(z.richtig);
        EXPECT_TRUE(z.nochmal) << "derselbe nennt den nächsten";
        EXPECT_EQ(z.punkte, 40);
    }
    EXPECT_EQ(runde.punkte(), 380);
    const Radspiel::Zug z = spiel.pruefeBstWahl(tasteFuer(u'X'));
    EXPECT_TRUE(z.wortRatenFehler);
    EXPECT_EQ(runde.punkte(), 180);
    EXPECT_EQ(z.klang, "SchwererFehler");
    EXPECT_FALSE(spiel.WortRatenModus);
    EXPECT_EQ(spiel.phase, Radspiel::Phase::Drehen);
    // bis zum Ende geraten: das Wort ist fertig und die Reihe geht weiter
    spiel.neuesWort("Ei");
    stehtAuf(10);
    spiel.RadStoppen();
    spiel.wortRaten();
    spiel.pruefeBstWahl(tasteFuer(u'E'));
    const Radspiel::Zug fertig = spiel.pruefeBstWahl(tasteFuer(u'I'));
    EXPECT_TRUE(fertig.wortFertig);
    EXPECT_TRUE(fertig.weiter);
    EXPECT_EQ(fertig.klang, "Gratulation1");
}

// Mit 4 Fehlversuchen höchstens: zweimal nur ein Klang, beim dritten Hilfe, beim vierten das
// Wort; der Spieler zahlt jedes Mal. Mit 0 zeigt schon der erste Fehlgriff das Wort.
TEST_F(Rad, FehlversucheBisZumWort) {
    struct Schritt {
        int maximum;
        bool hilfe, wort;
        const char* klang;
    };
    const Schritt folge[] = {
        {4, false, false, "LeichterFehler"},   {4, false, false, "LeichterFehler"},
        {4, true, false, "LeichterFehler"},    {4, false, true, "AllgemeinerFehler"},
        {0, false, true, "AllgemeinerFehler"},
    };
    spiel.neuesWort("Igel");
    for (const Schritt& s : folge) {
        spiel.FehlversucheMaximum = s.maximum;
        runde.setzePunkte(100);
        stehtAuf(20);
        spiel.RadStoppen();
        const Radspiel::Zug z = spiel.pruefeBstWahl(tasteFuer(u'X'));
        EXPECT_EQ(z.hilfe, s.hilfe) << spiel.Fehlversuche;
        EXPECT_EQ(z.restWortZeigen, s.wort);
        EXPECT_EQ(z.klang, s.klang);
        EXPECT_EQ(runde.punkte(), 80) << "auch wer das Wort gezeigt bekommt, zahlt";
    }
}

TEST_F(Rad, KaufenNurMitGenugPunkten) {
    spiel.neuesWort("Ei");
    runde.setzePunkte(30);
    stehtAuf(40);
    spiel.RadStoppen();
    EXPECT_FALSE(spiel.kaufenMoeglich()) << "30 Punkte reichen nicht für 40";
    EXPECT_FALSE(spiel.kaufeBuchstaben().angenommen);
    EXPECT_EQ(spiel.kaufeSatz(), 0);
    EXPECT_TRUE(spiel.pruefeBstWahl(tasteFuer(u'E')).angenommen) << "raten geht";
    // den letzten Buchstaben gekauft: fertig, ohne Punkte
    runde.setzePunkte(100);
    stehtAuf(20);
    spiel.RadStoppen();
    const Radspiel::Zug z = spiel.kaufeBuchstaben();
    EXPECT_TRUE(z.wortFertig);
    EXPECT_EQ(z.punkte, -20);
    EXPECT_EQ(runde.punkte(), 80);
    EXPECT_TRUE(z.klang == "Annahme2");
    EXPECT_EQ(spiel.phase, Radspiel::Phase::Drehen) << "derselbe dreht wieder";
    stehtAuf(10);
    spiel.RadStoppen();
    EXPECT_EQ(spiel.kaufeSatz(), -10);
}

TEST_F(Rad, DieRatezeitBeendetDenZug) {
    spiel.neuesWort("Igel");
    stehtAuf(40);
    spiel.RadStoppen();
    spiel.wortRaten();
    spiel.zugBeenden();
    EXPECT_FALSE(spiel.WortRatenModus);
    EXPECT_EQ(spiel.phase, Radspiel::Phase::Drehen);
    EXPECT_FALSE(spiel.pruefeBstWahl(tasteFuer(u'I')).angenommen)
        << "der nächste Spieler muss erst drehen";
}

// Der schwache Computer greift nie mehr als dreimal in Folge daneben, und nie auf den
// richtigen Buchstaben.
TEST_F(Rad, DerSchwacheComputer) {
    spiel.neuesWort("Igel");
    int folge = 0, laengste = 0;
    for (int i = 0; i < 40; ++i) {
        const Radspiel::Computerwahl w = spiel.computerWahl(2, 99); // wollte immer daneben
        folge = w.fehlgriff ? folge + 1 : 0;
        laengste = std::max(laengste, folge);
        if (w.fehlgriff) {
            EXPECT_NE(w.taste, spiel.naechsteTaste());
            EXPECT_EQ(w.klangVorher, "TUTUT");
        } else {
            EXPECT_EQ(w.taste, spiel.naechsteTaste());
        }
    }
    EXPECT_EQ(laengste, 3);
    spiel.neuesWort(QString::fromUtf8("Fuß"));
    spiel.naechsterBst = 2;
    spiel.FehlZaehler = 0;
    const Radspiel::Computerwahl w = spiel.computerWahl(2, 80);
    EXPECT_TRUE(w.fehlgriff);
    EXPECT_NE(w.taste, tasteFuer(u'ß')) << "ß wäre hier richtig";
    const Radspiel::Computerwahl stark = spiel.computerWahl(0, 0);
    EXPECT_TRUE(stark.wortRaten);
    EXPECT_EQ(stark.klangVorher, "TROPFEN");
    EXPECT_EQ(spiel.computerWahl(1, 0).taste, tasteFuer(u'ß'));
}

TEST(ZirkomatEinstellungen, OhneAbschnittAllesNullUndWerteBegrenzt) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("Varku.ini");
    struct Fall {
        const char* text;
        Einstellungen erwartet;
    };
    const Fall faelle[] = {
        {"[Varku]\n", Einstellungen{}},
        {"[Zirkomat]\nGegenComputer=1\nComputerSpielStärke=7\nFehlversucheMaximum=99\n"
         "LösungswortFarbig=1\nTonEinschalten=-3\n",
         Einstellungen{1, 2, 0, 0, 0, true, 0, 10, 0}},
        {"[Zirkomat]\nLösungswortFarbig=2\nFehlversucheMaximum=4.5\n",
         Einstellungen{0, 0, 0, 0, 0, false, 0, 4, 0}},
    };
    for (const Fall& f : faelle) {
        QFile d(ini);
        ASSERT_TRUE(d.open(QIODevice::WriteOnly | QIODevice::Truncate));
        d.write(f.text);
        d.close();
        Einstellungen e;
        zirkomatAbschnitt().lies(ini, e);
        EXPECT_EQ(e.GegenComputer, f.erwartet.GegenComputer) << f.text;
        EXPECT_EQ(e.ComputerSpielStaerke, f.erwartet.ComputerSpielStaerke) << f.text;
        EXPECT_EQ(e.TonEinschalten, f.erwartet.TonEinschalten) << f.text;
        EXPECT_EQ(e.LoesWortFarbig, f.erwartet.LoesWortFarbig) << f.text;
        EXPECT_EQ(e.FehlversucheMaximum, f.erwartet.FehlversucheMaximum) << f.text;
    }
}
