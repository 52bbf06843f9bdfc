#include "games/wheel/Radspiel.h"
#include "gamekit/tests/Abschnittspruefung.h"
#include "games/wheel/ZirkomatEinstellungen.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::zirkomat;

namespace {

struct Rad : ::testing::Test {
    Spielrunde runde;
    Einstellungen einst;
    Radspiel spiel{runde, einst};
    Rad() {
        runde.nSpieler = 2;
        runde.SpielerName = {"Anna", "Ben"};
        runde.SpielerDatei = {"AAAAAAAA", "BBBBBBBB"};
    }
    // das Rad dreht, bis es auf dem Feld mit diesem Wert steht
    void stehtAuf(int wert) {
        spiel.RadDrehen(100);
        while (spiel.einsatz() != wert)
            spiel.radSchritt(100);
    }
    // die ersten n Buchstaben des Wortes richtig geraten
    void deckeAuf(int n) {
        for (int i = 0; i < n; ++i) {
            stehtAuf(10);
            spiel.RadStoppen();
            spiel.pruefeBstWahl(spiel.naechsteTaste());
        }
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
        EXPECT_EQ(spiel.kaufenMoeglich(), f.kaufen) << f.wert;
        EXPECT_EQ(s.klang, QString::fromUtf8(f.klang)) << f.wert;
        EXPECT_EQ(spiel.phase(), f.einsatz ? Radspiel::Phase::Einsatz : Radspiel::Phase::Drehen);
    }
}

TEST_F(Rad, DasRadHaeltNachZehnGanzenSekundenVonSelbst) {
    spiel.RadDrehen(1000);
    int schritte = 0;
    for (long t = 1000; t <= 1010; ++t)
        EXPECT_FALSE(spiel.radSchritt(t)) << t;
    schritte = spiel.radPos();
    EXPECT_TRUE(spiel.radSchritt(1011));
    EXPECT_EQ(spiel.radPos(), (schritte + 1) % 10) << "ein Schritt je Takt, nach 9 kommt 0";
    spiel.RadDrehen(86395);
    EXPECT_FALSE(spiel.radSchritt(3)) << "über Mitternacht zählen die Sekunden weiter";
    EXPECT_TRUE(spiel.radSchritt(6));
}

TEST_F(Rad, BuchstabeRichtigOderFalsch) {
    spiel.neuesWort("Igel", 0);
    einst.FehlversucheMaximum = 5;
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
    spiel.neuesWort("Fahrrad", 0);
    deckeAuf(2);
    runde.setzePunkte(300);
    stehtAuf(40);
    spiel.RadStoppen();
    spiel.wortRaten();
    EXPECT_EQ(spiel.WortRatenStart(), 2);
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
    EXPECT_FALSE(spiel.WortRatenModus());
    EXPECT_EQ(spiel.phase(), Radspiel::Phase::Drehen);
    // bis zum Ende geraten: das Wort ist fertig und die Reihe geht weiter
    spiel.neuesWort("Ei", 0);
    stehtAuf(10);
    spiel.RadStoppen();
    spiel.wortRaten();
    spiel.pruefeBstWahl(tasteFuer(u'E'));
    const Radspiel::Zug fertig = spiel.pruefeBstWahl(tasteFuer(u'I'));
    EXPECT_TRUE(fertig.wortFertig);
    EXPECT_TRUE(fertig.weiter);
    EXPECT_EQ(fertig.klang, "Gratulation1");
    EXPECT_EQ(spiel.phase(), Radspiel::Phase::Pause) << "das fertige Wort steht noch da";
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
    spiel.neuesWort("Igel", 0);
    for (const Schritt& s : folge) {
        einst.FehlversucheMaximum = s.maximum;
        runde.setzePunkte(100);
        stehtAuf(20);
        spiel.RadStoppen();
        const Radspiel::Zug z = spiel.pruefeBstWahl(tasteFuer(u'X'));
        EXPECT_EQ(z.hilfe, s.hilfe) << spiel.Fehlversuche();
        EXPECT_EQ(z.restWortZeigen, s.wort);
        EXPECT_EQ(z.klang, s.klang);
        EXPECT_EQ(runde.punkte(), 80) << "auch wer das Wort gezeigt bekommt, zahlt";
    }
}

TEST_F(Rad, KaufenNurMitGenugPunkten) {
    spiel.neuesWort("Ei", 0);
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
    EXPECT_EQ(spiel.phase(), Radspiel::Phase::Drehen) << "derselbe dreht wieder";
    stehtAuf(10);
    spiel.RadStoppen();
    EXPECT_EQ(spiel.kaufeSatz(), -10);
}

TEST_F(Rad, DieRatezeitBeendetDenZug) {
    spiel.neuesWort("Igel", 0);
    stehtAuf(40);
    spiel.RadStoppen();
    spiel.wortRaten();
    spiel.zugBeenden();
    EXPECT_FALSE(spiel.WortRatenModus());
    EXPECT_EQ(spiel.phase(), Radspiel::Phase::Drehen);
    EXPECT_FALSE(spiel.pruefeBstWahl(tasteFuer(u'I')).angenommen)
        << "der nächste Spieler muss erst drehen";
}

// Der schwache Computer greift nie mehr als dreimal in Folge daneben, und nie auf den
// richtigen Buchstaben.
TEST_F(Rad, DerSchwacheComputer) {
    spiel.neuesWort("Igel", 0);
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
    spiel.neuesWort(QString::fromUtf8("Fuß"), 0);
    deckeAuf(2);
    EXPECT_EQ(spiel.FehlZaehler(), 0) << "nach einem richtigen Griff";
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
        int gegenComputer, staerke, ton, fehlversuche, rahmen;
        bool farbig;
    };
    // Schalter sind an nur bei der Zahl 1; Zahlen werden auf die Steuerelemente begrenzt
    const Fall faelle[] = {
        {"[Varku]\n", 0, 0, 0, 0, 0, false},
        {"[Zirkomat]\nGegenComputer=1\nComputerSpielStärke=7\nFehlversucheMaximum=99\n"
         "LösungswortFarbig=1\nTonEinschalten=-3\nBuchstabenRahmen=2\n",
         1, 2, 0, 10, 0, true},
        {"[Zirkomat]\nLösungswortFarbig=2\nFehlversucheMaximum=4.5\nTonEinschalten=1.0\n"
         "BuchstabenRahmen=1\n",
         0, 0, 1, 4, 1, false},
        {"[Zirkomat]\nLösungswortFarbig=1.4\nGegenComputer=1abc\n", 1, 0, 0, 0, 0, false},
    };
    for (const Fall& f : faelle) {
        QFile d(ini);
        ASSERT_TRUE(d.open(QIODevice::WriteOnly | QIODevice::Truncate));
        d.write(f.text);
        d.close();
        Einstellungen e;
        zirkomatAbschnitt().lies(ini, e);
        EXPECT_EQ(e.GegenComputer, f.gegenComputer) << f.text;
        EXPECT_EQ(e.ComputerSpielStaerke, f.staerke) << f.text;
        EXPECT_EQ(e.TonEinschalten, f.ton) << f.text;
        EXPECT_EQ(e.LoesWortFarbig, f.farbig) << f.text;
        EXPECT_EQ(e.FehlversucheMaximum, f.fehlversuche) << f.text;
        EXPECT_EQ(e.BuchstabenRahmen, f.rahmen) << f.text;
    }
}

// Welche Knöpfe gehen, folgt aus der Phase; für den Computer geht keiner.
TEST_F(Rad, KnoepfeFolgenDerPhase) {
    using K = Radspiel::Knoepfe;
    const auto alsText = [](const K& k) {
        return QString("%1%2%3%4%5%6 %7%8")
            .arg(k.drehen)
            .arg(k.anhalten)
            .arg(k.buchstaben)
            .arg(k.wortRaten)
            .arg(k.kaufen)
            .arg(k.satz)
            .arg(k.kaufenLampe)
            .arg(k.wortRatenLampe);
    };
    spiel.neuesWort("Igel", 0);
    runde.setzePunkte(100);
    einst.FehlversucheMaximum = 0;
    //          drehen, anhalten, Buchstaben, Wort raten, kaufen, Satz, Lampen
    EXPECT_EQ(alsText(spiel.knoepfe(false)), "100000 00") << "vor dem Drehen";
    spiel.RadDrehen(100);
    EXPECT_EQ(alsText(spiel.knoepfe(false)), "010000 00") << "es dreht";
    EXPECT_EQ(alsText(spiel.knoepfe(true)), "000000 00") << "der Computer hält selbst an";
    stehtAuf(20);
    spiel.RadStoppen();
    EXPECT_EQ(alsText(spiel.knoepfe(false)), "001111 10") << "ein Einsatz, genug Punkte";
    EXPECT_EQ(alsText(spiel.knoepfe(true)), "000000 10");
    spiel.wortRaten();
    EXPECT_EQ(alsText(spiel.knoepfe(false)), "001000 01") << "Wortraten";
    spiel.zugBeenden();
    stehtAuf(150);
    spiel.RadStoppen();
    EXPECT_EQ(alsText(spiel.knoepfe(false)), "001100 00") << "100 Punkte reichen nicht für 150";
    ASSERT_TRUE(spiel.pruefeBstWahl(tasteFuer(u'X')).restWortZeigen);
    EXPECT_EQ(alsText(spiel.knoepfe(false)), "000000 00") << "das Wort steht aufgedeckt da";
}

// Die Farben eines Kastens: farbig aus der Tafel, weiß mit blauen Buchstaben; ein in Weiß
// gekaufter Buchstabe hat die Farbe zum Index 0, bis neu gefärbt wird.
TEST_F(Rad, FarbenDerKaesten) {
    const Farbe weiss{255, 255, 255}, blau{0, 0, 255};
    einst.LoesWortFarbig = true;
    spiel.neuesWort("Igel", 3);
    EXPECT_EQ(spiel.kasten(0).grund, KastenGrund[4]) << "die erste Farbe nach 3";
    EXPECT_EQ(spiel.kasten(0).schrift, KastenGrund[4]) << "verdeckt: Schrift wie Grund";
    EXPECT_EQ(spiel.kasten(6).grund, KastenGrund[0]) << "nach 9 kommt 0";
    deckeAuf(1);
    EXPECT_EQ(spiel.kasten(0).schrift, KastenBuchstabe[4]);
    EXPECT_TRUE(spiel.kasten(0).aufgedeckt);

    einst.LoesWortFarbig = false;
    einst.BuchstabenRahmen = 1;
    runde.setzePunkte(100);
    stehtAuf(10);
    spiel.RadStoppen();
    ASSERT_TRUE(spiel.kaufeBuchstaben().angenommen);
    EXPECT_EQ(spiel.kasten(0).schrift, blau);
    EXPECT_EQ(spiel.kasten(1).grund, weiss);
    EXPECT_EQ(spiel.kasten(1).schrift, (Farbe{44, 153, 57})) << "gekauft in Weiß";
    EXPECT_EQ(spiel.kasten(2).schrift, weiss);
    EXPECT_TRUE(spiel.kasten(2).rahmen);
    spiel.faerbeNeu(0);
    EXPECT_EQ(spiel.kasten(1).schrift, blau) << "neu gefärbt";
    EXPECT_TRUE(spiel.kasten(1).aufgedeckt) << "Aufgedecktes bleibt aufgedeckt";
    EXPECT_EQ(sucheFarbIndex(Farbe{1, 2, 3}), 0);
    EXPECT_EQ(sucheFarbIndex(KastenGrund[7]), 7);
}

TEST_F(Rad, HilfeNenntBuchstabeOderWort) {
    struct Fall {
        int aufgedeckt, zufall;
        const char* text;
    };
    const Fall faelle[] = {
        {0, 0, "Das gesuchte Wort beginnt mit einem <I>."},
        {0, 50, "Das gesuchte Wort beginnt mit einem <I>."},
        {2, 50, "Als nächster Buchstabe kommt ein <e>."},
        {2, 51, "Das gesuchte Wort heißt: <Igel>."},
        {0, 100, "Das gesuchte Wort heißt: <Igel>."},
    };
    for (const Fall& f : faelle) {
        spiel.neuesWort("Igel", 0);
        deckeAuf(f.aufgedeckt);
        EXPECT_EQ(spiel.hilfeText("Anna Lena", f.zufall),
                  "Ich glaube, ich muss dir helfen, Anna.\r" + QString::fromUtf8(f.text))
            << f.aufgedeckt << " " << f.zufall;
    }
}

// Was der Computer tut, wenn das Rad steht: -1 und 300 noch einmal drehen, 0 ist sein Zug vorbei,
// auf einem Einsatz wählt er einen Buchstaben.
TEST_F(Rad, ComputerNachDemStopp) {
    using S = Radspiel::Computerschritt;
    const std::pair<int, S> faelle[] = {
        {-1, S::NochmalDrehen}, {300, S::NochmalDrehen}, {0, S::Fertig}, {40, S::Buchstabe}};
    spiel.neuesWort("Igel", 0);
    for (const auto& [wert, schritt] : faelle) {
        stehtAuf(wert);
        spiel.RadStoppen();
        EXPECT_EQ(spiel.computerNachStopp(), schritt) << wert;
    }
    spiel.zugBeenden();
    EXPECT_EQ(spiel.computerNachStopp(), S::Fertig) << "die Ratezeit hat den Zug beendet";
}

// Eine Zahl über dem Bereich von double wird wie jede zu große begrenzt.
TEST(ZirkomatEinstellungen, RiesigeZahlenWerdenBegrenzt) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("Varku.ini");
    for (const char* wert : {"1e300", "1e400"}) {
        QFile d(ini);
        ASSERT_TRUE(d.open(QIODevice::WriteOnly | QIODevice::Truncate));
        d.write(QByteArray("[Zirkomat]\nFehlversucheMaximum=") + wert + "\nTonEinschalten=" + wert +
                "\n");
        d.close();
        Einstellungen e;
        zirkomatAbschnitt().lies(ini, e);
        EXPECT_EQ(e.FehlversucheMaximum, hoechstensFehlversuche) << wert;
        EXPECT_EQ(e.TonEinschalten, 0) << wert;
    }
}

// Fehlt der Abschnitt in der ausgelieferten Varku.ini, schreibt das Spiel ihn mit seinem Kopf ans
// Ende, und ohne ihn beginnt es wie jedes Spiel
TEST(Abschnitt, FehlenderAbschnittKommtMitSeinemKopfAnsEnde) {
    varku::test::pruefeFehlendenAbschnitt(varku::zirkomat::zirkomatAbschnitt());
    varku::test::pruefeBeginnOhneAbschnitt(varku::zirkomat::zirkomatAbschnitt());
}
