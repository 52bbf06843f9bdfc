// Die Regeln des Fallspiels ohne Fenster: Feld, Steine, Tasten, Wortprüfung und Punkte.
#include "games/fallingletters/Fallspiel.h"
#include "foundation/testing/TestOrdner.h"
#include "gamekit/Spieluhren.h"

#include <deque>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::dolmix;

namespace {

FeldZelle blank() {
    return {true, 0, 99, QStringLiteral("*"), 0, true};
}
FeldZelle buchstabe(const QString& b, bool zaehlt = false, int drehung = 0) {
    return {false, 1, 99, b, drehung, zaehlt};
}

struct Feld : ::testing::Test {
    Spielrunde runde;
    Einstellungen einst;
    std::deque<int> zahlen; // was der Würfel als Nächstes gibt; leer: die kleinste Zahl
    Fallspiel spiel{runde, einst, [this](int von, int bis) {
                        if (zahlen.empty())
                            return von;
                        const int z = zahlen.front();
                        zahlen.pop_front();
                        EXPECT_TRUE(z >= von && z <= bis)
                            << z << " nicht in " << von << ".." << bis;
                        return std::clamp(z, von, bis);
                    }};

    Feld() {
        runde.nSpieler = 2;
        runde.SpielerName = {"Anna", "Ben"};
    }
    void wort(const QString& w, int farbe = 1) {
        zahlen.push_back(farbe);
        spiel.neuesWort(w);
    }
    // die Würfe für den nächsten Stein: Buchstabe oder Blank, Drehung, Spalte
    void naechster(bool istBuchstabe, int drehung, int spalte) {
        zahlen.push_back(istBuchstabe ? 1 : 100);
        if (istBuchstabe)
            zahlen.push_back(drehung / 90);
        zahlen.push_back(spalte);
    }
    void stein(bool istBuchstabe, int drehung, int spalte) {
        naechster(istBuchstabe, drehung, spalte);
        spiel.neuerStein();
    }
    // fällt, bis er liegt oder nichts mehr geht; alle Klänge dabei
    Ereignis bisGelandet(QStringList* klaenge = nullptr) {
        Ereignis e;
        for (int i = 0; i < 20 && !e.gelandet && !e.blockiert; ++i) {
            e = spiel.fallSchritt();
            if (klaenge)
                *klaenge << e.klaenge;
        }
        return e;
    }
    // bis er im Feld zu sehen ist
    void bisSichtbar() {
        while (!spiel.steinSichtbar())
            spiel.fallSchritt();
    }
    // legt das Wort aufrecht ab dieser Spalte, einen Buchstaben nach dem anderen
    Ereignis legeWort(const QString& w, int spalte, int drehungDesZweiten = 0) {
        wort(w);
        stein(true, 0, spalte);
        Ereignis e;
        for (int i = 0; i < w.size(); ++i) {
            if (i + 1 < w.size())
                naechster(true, i == 0 ? drehungDesZweiten : 0, spalte + i + 1);
            e = bisGelandet();
        }
        return e;
    }
    // füllt die Spalte von unten bis zu dieser Zeile mit Blanksteinen
    void fuelle(int spalte, int bisZeile) {
        for (int z = 1; z <= bisZeile; ++z)
            spiel.legeZelle(spalte, z, blank());
    }
};

} // namespace

TEST_F(Feld, ZielzeileUndEndeDerRunde) {
    struct Fall {
        int hoehe; // belegte Zellen der Spalte von unten
        int ziel;
        bool blockiert;
    };
    for (const Fall f : {Fall{0, 1, false}, Fall{3, 4, false}, Fall{9, 10, false},
                         Fall{10, 11, true}, Fall{11, 12, true}}) {
        spiel.loescheSpielfeld();
        fuelle(5, f.hoehe);
        EXPECT_EQ(spiel.findeZielZeile(5), f.ziel) << f.hoehe;
        wort("Igel");
        stein(true, 0, 5);
        spiel.starte();
        // der Stein wartet noch unsichtbar in der Eingangszeile
        const Ereignis e = spiel.fallSchritt();
        EXPECT_EQ(e.blockiert, f.blockiert) << f.hoehe;
        EXPECT_EQ(spiel.laeuft(), !f.blockiert) << "am Ende der Runde steht das Spiel";
        if (f.blockiert)
            EXPECT_EQ(e.klaenge, QStringList{"Gratulation1"});
        else
            EXPECT_TRUE(e.sichtbar) << "im Schritt, in dem er hereinkommt, landet er nicht";
    }
}

TEST_F(Feld, BlanksteineVerbrauchenKeinenBuchstaben) {
    wort("Igel");
    stein(false, 0, 3);
    EXPECT_EQ(spiel.aktStein().buchstabe, "*");
    EXPECT_EQ(spiel.bstIndex(), 1);
    spiel.starte();
    naechster(true, 0, 4);
    const Ereignis e = bisGelandet();
    EXPECT_TRUE(e.gelandet);
    EXPECT_FALSE(e.wortFertig);
    EXPECT_EQ(spiel.bstIndex(), 2) << "der nächste Stein ist das I";
    EXPECT_EQ(spiel.aktStein().buchstabe, "I");
    EXPECT_TRUE(spiel.zelle(3, 1).zaehltFuerZeile) << "ein Blank zählt gleich für die Reihe";
    EXPECT_EQ(spiel.stand().punkte, 0) << "nur aufrechte Buchstaben geben einen Punkt";
}

TEST_F(Feld, FallenLassenMitUndOhneWarnung) {
    struct Fall {
        bool warnung;
        int drehung;
        bool faellt;
        bool warnt;
    };
    for (const Fall f :
         {Fall{true, 90, false, true}, Fall{true, 0, true, false}, Fall{false, 180, true, false}}) {
        einst.WarnungEinschalten = f.warnung;
        spiel.loescheSpielfeld();
        wort("Igel");
        stein(true, f.drehung, 7);
        spiel.starte();
        bisSichtbar();
        const Ereignis e = spiel.taste(Taste::Fallen);
        EXPECT_EQ(spiel.aktStein().fallGelassen, f.faellt) << f.drehung;
        EXPECT_EQ(spiel.warnt(), f.warnt);
        EXPECT_EQ(e.klaenge.contains("LeichterFehler"), f.warnt);
        if (!f.faellt)
            continue;
        EXPECT_EQ(spiel.aktStein().zeile, 1) << "er springt in seine Zielzeile";
        // bis zum nächsten Takt lässt er sich noch schieben
        spiel.taste(Taste::Links);
        EXPECT_EQ(spiel.aktStein().spalte, 6);
        QStringList klaenge;
        EXPECT_TRUE(bisGelandet(&klaenge).gelandet);
        EXPECT_FALSE(klaenge.contains("Annahme2")) << "kein zweites Annahme2";
    }
}

TEST_F(Feld, WarnungKurzVorDerLandung) {
    einst.WarnungEinschalten = 1;
    wort("Igel");
    stein(true, 90, 2);
    spiel.starte();
    // von Zeile 12 nach 3 ohne Warnung, in Zeile 3 und 2 mit
    int warnungen = 0;
    while (spiel.aktStein().zeile > 2) {
        const Ereignis e = spiel.fallSchritt();
        warnungen += e.warnungEin;
        EXPECT_EQ(e.warnungEin, spiel.aktStein().zeile <= 3) << spiel.aktStein().zeile;
        EXPECT_EQ(e.klaenge.contains("LeichterFehler"), e.warnungEin);
    }
    EXPECT_EQ(warnungen, 2) << "in Zeile 3 und 2, jedes Mal mit Klang";
    // Die Warnung folgt jeder Drehung gleich: gedreht bleibt sie ohne neuen Klang, aufrecht ist
    // sie aus, wieder gedreht an
    struct Schritt {
        Taste taste;
        int drehung;
        bool warnt, warnungEin;
    };
    for (const Schritt t :
         {Schritt{Taste::Hoch, 180, true, false}, Schritt{Taste::Runter, 90, true, false},
          Schritt{Taste::Runter, 0, false, false}, Schritt{Taste::Hoch, 90, true, true},
          Schritt{Taste::Runter, 0, false, false}}) {
        const Ereignis e = spiel.taste(t.taste);
        EXPECT_EQ(spiel.aktStein().drehung, t.drehung);
        EXPECT_EQ(spiel.warnt(), t.warnt) << t.drehung;
        EXPECT_EQ(e.warnungEin, t.warnungEin) << t.drehung;
        EXPECT_EQ(e.klaenge.contains("LeichterFehler"), t.warnungEin) << t.drehung;
    }
    const Ereignis e = spiel.fallSchritt(); // landet aufrecht
    EXPECT_TRUE(e.gelandet);
    EXPECT_FALSE(e.warnungEin);
    EXPECT_FALSE(spiel.warnt()) << "aufrecht ist die Warnung aus";
    // weit über der Landung warnt auch eine Drehung nicht
    stein(true, 0, 2);
    bisSichtbar();
    spiel.taste(Taste::Hoch);
    EXPECT_FALSE(spiel.warnt());
}

TEST_F(Feld, DrehenUndSchieben) {
    wort("Igel");
    stein(true, 270, 2);
    spiel.starte();
    EXPECT_TRUE(spiel.taste(Taste::Hoch).zellen.empty()) << "unsichtbar geht keine Taste";
    bisSichtbar();
    spiel.taste(Taste::Hoch);
    EXPECT_EQ(spiel.aktStein().drehung, 0) << "270 hoch gibt 0";
    spiel.taste(Taste::Runter);
    EXPECT_EQ(spiel.aktStein().drehung, 270) << "0 runter gibt 270";

    struct Fall {
        const char* nachbar; // in Spalte 1 und 3, Zeile 11
        Taste taste;
        int spalte;
    };
    for (const Fall f : {Fall{"", Taste::Links, 1}, Fall{"*", Taste::Links, 2},
                         Fall{"e", Taste::Rechts, 2}, Fall{"", Taste::Rechts, 3}}) {
        spiel.loescheSpielfeld();
        wort("Igel");
        if (*f.nachbar)
            for (int s : {1, 3}) {
                fuelle(s, 10);
                spiel.legeZelle(s, 11, buchstabe(f.nachbar));
            }
        stein(true, 0, 2);
        bisSichtbar();
        spiel.taste(f.taste);
        EXPECT_EQ(spiel.aktStein().spalte, f.spalte) << f.nachbar;
    }
    spiel.loescheSpielfeld();
    wort("Igel");
    stein(true, 0, 1);
    bisSichtbar();
    spiel.taste(Taste::Links);
    EXPECT_EQ(spiel.aktStein().spalte, 1) << "am Rand geht es nicht weiter";
    stein(false, 0, 14);
    bisSichtbar();
    spiel.taste(Taste::Rechts);
    spiel.taste(Taste::Hoch);
    EXPECT_EQ(spiel.aktStein().spalte, 14);
    EXPECT_EQ(spiel.aktStein().drehung, 0) << "ein Blank dreht nicht";
    spiel.pausiere();
    spiel.taste(Taste::Links);
    EXPECT_EQ(spiel.aktStein().spalte, 14) << "in der Pause geht keine Taste";
}

// Die unterste Reihe geht, wenn eine volle entsteht, auch wenn sie selbst nicht voll ist.
TEST_F(Feld, VolleReiheNimmtDieUnterste) {
    for (int s = 1; s <= 13; ++s) {
        spiel.legeZelle(s, 1, buchstabe("x"));
        spiel.legeZelle(s, 2, buchstabe("y"));
        spiel.legeZelle(s, 3, blank());
    }
    spiel.legeZelle(14, 1, buchstabe("x"));
    spiel.legeZelle(14, 2, buchstabe("y"));
    wort("Igel");
    stein(false, 0, 14);
    spiel.starte();
    const Ereignis e = bisGelandet();
    EXPECT_EQ(e.entfernteZeilen, 1);
    EXPECT_TRUE(e.klaenge.contains("BewegungEnde"));
    EXPECT_EQ(spiel.zelle(1, 1).buchstabe, "y");
    EXPECT_EQ(spiel.zelle(1, 2).buchstabe, "*") << "die volle Reihe ist jetzt Reihe 2";
    EXPECT_FALSE(spiel.zelle(1, 3).belegt());
    EXPECT_EQ(spiel.stand().zeilen, 1);
}

// Ein Buchstabe des Wortes stand in der untersten Reihe, als sie ging: das Wort ist falsch, und
// das Wischen überspringt ihn.
TEST_F(Feld, BuchstabeMitDerUnterstenReiheFort) {
    for (int s = 2; s <= 14; ++s) {
        spiel.legeZelle(s, 1, blank());
        if (s != 14)
            spiel.legeZelle(s, 2, blank());
    }
    wort("Ei");
    stein(true, 0, 1); // E in Reihe 1
    spiel.starte();
    naechster(false, 0, 1); // ein Blank darauf
    bisGelandet();
    naechster(false, 0, 14); // einer macht Reihe 2 voll
    bisGelandet();
    naechster(true, 0, 5);
    EXPECT_EQ(bisGelandet().entfernteZeilen, 1);
    EXPECT_EQ(spiel.wortBuchstaben()[0].zeile, 0);
    const Ereignis e = bisGelandet(); // das i
    EXPECT_TRUE(e.wortFertig);
    EXPECT_FALSE(e.wortRichtig);
    EXPECT_EQ(spiel.zelle(5, 2).buchstabe, "*") << "das i ist gewischt";
    EXPECT_EQ(spiel.zelle(1, 1).buchstabe, "*") << "die neue Reihe 1 bleibt, wie sie war";
}

TEST_F(Feld, WortpruefungUndRaender) {
    struct Fall {
        const char* name;
        int spalte;         // der erste Buchstabe
        int drehung;        // des zweiten
        const char* links;  // was links vom Wort liegt
        const char* rechts; // was rechts liegt
        bool richtig;
    };
    const Fall faelle[] = {
        {"aufrecht, frei", 3, 0, "", "", true},
        {"ein Buchstabe gedreht", 3, 90, "", "", false},
        {"links ein Buchstabe", 3, 0, "x", "", false},
        {"rechts ein Buchstabe", 3, 0, "", "x", false},
        {"Blanks als Ränder", 3, 0, "*", "*", true},
        {"am linken Rand", 1, 0, "", "x", false},
        {"am linken Rand, rechts frei", 1, 0, "", "", true},
        {"bis an den rechten Rand", 11, 0, "*", "", true},
    };
    for (const Fall& f : faelle) {
        spiel.loescheSpielfeld();
        if (*f.links && f.spalte > 1)
            spiel.legeZelle(f.spalte - 1, 1, buchstabe(f.links));
        if (*f.rechts && f.spalte + 4 <= 14)
            spiel.legeZelle(f.spalte + 4, 1, buchstabe(f.rechts));
        spiel.starte();
        const Ereignis e = legeWort("Haus", f.spalte, f.drehung);
        ASSERT_TRUE(e.wortFertig) << f.name;
        EXPECT_EQ(e.wortRichtig, f.richtig) << f.name;
        EXPECT_EQ(spiel.zelle(f.spalte, 1).zaehltFuerZeile, f.richtig) << f.name;
        EXPECT_EQ(spiel.zelle(f.spalte + 1, 1).buchstabe, f.richtig ? "a" : "*") << f.name;
    }
}

TEST_F(Feld, FalscheReihenfolgeUndLuecke) {
    spiel.starte();
    // H, a, u, s fallen in die Spalten 3, 4, 6, 5: "Hasu"
    wort("Haus");
    stein(true, 0, 3);
    for (int s : {4, 6, 5}) {
        naechster(true, 0, s);
        bisGelandet();
    }
    EXPECT_FALSE(bisGelandet().wortRichtig);
    // mit einer Lücke: H a _ u s
    spiel.loescheSpielfeld();
    wort("Haus");
    stein(true, 0, 3);
    for (int s : {4, 6, 7}) {
        naechster(true, 0, s);
        bisGelandet();
    }
    EXPECT_FALSE(bisGelandet().wortRichtig);
}

TEST_F(Feld, GrossbuchstabenUndZufallsfolge) {
    einst.BuchstabenGross = 1;
    wort("Straße");
    EXPECT_EQ(spiel.fallFolge(), "STRAßE") << "ß bleibt ein Stein";
    spiel.loescheSpielfeld();
    spiel.starte();
    Ereignis e = legeWort("Haus", 2);
    EXPECT_EQ(spiel.zelle(3, 1).buchstabe, "A");
    EXPECT_TRUE(e.wortRichtig) << "als HAUS gelegt";

    // eine Änderung während des Wortes gilt erst beim nächsten
    einst.BuchstabenGross = 0;
    wort("Igel");
    einst.BuchstabenGross = 1;
    EXPECT_EQ(spiel.fallFolge(), "Igel");

    einst.BuchstabenGross = 0;
    einst.SteinZufallsFolge = 1;
    zahlen = {1, 2, 2, 1, 1}; // je Buchstabe die freie Stelle, dann die Farbe
    spiel.neuesWort("Haus");
    EXPECT_EQ(spiel.fallFolge(), "Hsau");
}

TEST_F(Feld, MischenGibtJedenBuchstabenEinmal) {
    const char* woerter[] = {"a", "Igel", "##x#", "Fahrradschlauch"};
    for (const char* w : woerter) {
        for (int wurf = 0; wurf < 3; ++wurf) {
            const QString wort = QString::fromUtf8(w);
            zahlen.clear();
            for (int i = 0; i < wort.size(); ++i)
                zahlen.push_back(wurf == 0   ? 1
                                 : wurf == 1 ? int(wort.size()) - i
                                             : 1 + i % (int(wort.size()) - i));
            QString m = spiel.mischeWort(wort);
            QString a = wort;
            std::sort(m.begin(), m.end());
            std::sort(a.begin(), a.end());
            EXPECT_EQ(m, a) << w << " " << wurf;
        }
    }
}

TEST_F(Feld, PunkteFuerWoerter) {
    struct Fall {
        bool zufall;
        int zeilen, woerter; // vorher
        long erwartet;       // Punkte für das Wort ohne die fünf aufrechten
    };
    const Fall faelle[] = {
        {false, 0, 0, 10},
        {true, 0, 0, 30},
        {false, 2, 1, 3 * 3 * 5},
        {false, 99, 999, 100 * 1001 * 5}, // über 16 Bit
    };
    for (const Fall& f : faelle) {
        spiel.loescheSpielfeld();
        spiel.SpielerStand = {};
        spiel.SpielerStand[0].zeilen = f.zeilen;
        spiel.SpielerStand[0].woerter = f.woerter;
        einst.SteinZufallsFolge = f.zufall;
        spiel.starte();
        // im Zufall fällt "Kakao" in der Folge, die die Würfe 1 geben: wie es ist
        if (f.zufall)
            zahlen = {1, 1, 1, 1, 1};
        wort("Kakao");
        stein(true, 0, 3);
        Ereignis e;
        for (int i = 0; i < 5; ++i) {
            if (i < 4)
                naechster(true, 0, 4 + i);
            e = bisGelandet();
        }
        ASSERT_TRUE(e.wortRichtig);
        EXPECT_EQ(spiel.stand().punkte, f.erwartet + 5) << f.erwartet;
        EXPECT_EQ(spiel.stand().woerter, f.woerter + 1);
    }
    // die Punkte bleiben in 32 Bit
    spiel.SpielerStand[0].punkte = INT32_MAX - 3;
    spiel.loescheSpielfeld();
    einst.SteinZufallsFolge = 0;
    legeWort("Igel", 1);
    EXPECT_EQ(spiel.stand().punkte, INT32_MAX);
}

TEST_F(Feld, EinBuchstabeIstEinWort) {
    spiel.starte();
    EXPECT_TRUE(legeWort("a", 4).wortRichtig);
    spiel.legeZelle(6, 1, buchstabe("b"));
    EXPECT_FALSE(legeWort("a", 5).wortRichtig) << "rechts ein Buchstabe";
}

TEST_F(Feld, ZweiWoerterNieInDerselbenFarbe) {
    for (int farbe = 1; farbe <= 6; ++farbe) {
        wort("Igel", farbe);
        const int vorher = spiel.wortFarbe();
        wort("Igel", vorher); // derselbe Wurf
        EXPECT_EQ(spiel.wortFarbe(), vorher % 6 + 1);
    }
}

TEST_F(Feld, FreieLaengeFuerDasNaechsteWort) {
    struct Fall {
        const char* name;
        std::vector<const char*> reihen; // von unten; " " frei
        int laenge;
    };
    const Fall faelle[] = {
        {"leeres Feld", {}, 14},
        {"eine Lücke links", {"   xxxxxxxxxxx"}, 3},
        {"rechts von einem Buchstaben beginnt nichts", {"xx   xxxxxxxxx"}, 2},
        {"rechts von einem Blank", {"x*    xxxxxxxx", "**"}, 4},
        {"belegte Zellen unterbrechen", {"              ", "x  x**x      *"}, 14},
        {"darüber getragen", {"**************", "*   ****      "}, 6},
        {"alles voll bis auf Hohles",
         {"xxxxxxxxxxxxxx", "xxxxxxxxxxxxxx", "xxxxxxxxxxxxxx", "xxxxxxxxxxxxxx", "xxxxxxxxxxxxxx",
          "xxxxxxxxxxxxxx", "xxxxxxxxxxxxxx", "xxxxxxxxxxxxxx", "xxxxxxxxxxxxxx", "xxxxxxxxxxxxxx",
          "xxxxxxxxxxxxxx"},
         14},
        {"nur Folgen hinter einem Blank", {"x*  x*       x", "xx  xx       x"}, 7},
    };
    for (const Fall& f : faelle) {
        spiel.loescheSpielfeld();
        for (size_t z = 0; z < f.reihen.size(); ++z)
            for (int s = 0; s < int(strlen(f.reihen[z])); ++s) {
                const char c = f.reihen[z][s];
                if (c == '*')
                    spiel.legeZelle(s + 1, int(z) + 1, blank());
                else if (c != ' ')
                    spiel.legeZelle(s + 1, int(z) + 1, buchstabe(QString(QChar(c))));
            }
        EXPECT_EQ(spiel.maxFreieLaenge(), f.laenge) << f.name;
    }
}

TEST_F(Feld, NeuesSpielLeertAlles) {
    spiel.starte();
    legeWort("Igel", 1);
    ASSERT_GT(spiel.stand().punkte, 0);
    spiel.neuesSpiel();
    EXPECT_EQ(spiel.stand().punkte, 0);
    EXPECT_FALSE(spiel.zelle(1, 1).belegt());
    EXPECT_FALSE(spiel.laeuft());
    EXPECT_FALSE(spiel.spielGestartet());
    EXPECT_FALSE(spiel.steinSichtbar());
}

TEST(Fallgeschwindigkeit, SchrittDesFalls) {
    const std::pair<int, int> faelle[] = {{100, 2500}, {150, 1666}, {200, 1250}, {250, 1000},
                                          {300, 833},  {400, 625},  {500, 500},  {0, 2500},
                                          {99, 2500},  {501, 2500}, {-250, 2500}};
    for (const auto& [geschwindigkeit, ms] : faelle)
        EXPECT_EQ(fallSchrittMs(geschwindigkeit), ms) << geschwindigkeit;
}

// Wie viele Sekunden ein Zug auf der Ratezeituhr dauert
TEST(Zugdauer, MinutenJeZug) {
    const std::pair<int, int> faelle[] = {{1, 63},    {2, 125},   {3, 200},  {4, 250},
                                          {5, 334},   {6, 500},   {8, 500},  {9, 1000},
                                          {16, 1000}, {17, 1020}, {60, 3600}};
    for (const auto& [minuten, sekunden] : faelle) {
        const Zugdauer d = zugdauer(minuten);
        Ratezeit r;
        r.setzeDauer(d.schritt, d.sekunden);
        int n = 1;
        while (!r.tick())
            ++n;
        EXPECT_EQ(n, sekunden) << minuten;
        EXPECT_EQ(r.RateZeitZaehler, 1000);
        r.reset();
        r.tick();
        EXPECT_LT(r.RateZeitZaehler, 1000) << "nach dem Zurücksetzen beginnt der Zug neu";
    }
    EXPECT_EQ(zugdauer(0).schritt + zugdauer(0).sekunden, 0) << "0 Minuten: kein Wechsel";
}

TEST(DolmixAbschnitt, WerteDerDatei) {
    struct Fall {
        const char* zeile;
        int Einstellungen::*feld;
        int wert;
    };
    const Fall faelle[] = {
        {"BuchstabenGroß=1", &Einstellungen::BuchstabenGross, 1},
        {"BuchstabenGroß=2", &Einstellungen::BuchstabenGross, 0},
        {"BuchstabenGroß=", &Einstellungen::BuchstabenGross, 0},
        {"SteinZufallsFolge=1.0", &Einstellungen::SteinZufallsFolge, 1},
        {"FallGeschwindigkeit=150", &Einstellungen::FallGeschwindigkeit, 150},
        {"FallGeschwindigkeit=1e400", &Einstellungen::FallGeschwindigkeit, INT16_MAX},
        {"SpielerWechselNachZeit=90", &Einstellungen::SpielerWechselNachZeit, 60},
        {"SpielerWechselNachZeit=-3", &Einstellungen::SpielerWechselNachZeit, 0},
        {"WarnungEinschalten=1", &Einstellungen::WarnungEinschalten, 1},
    };
    for (const Fall& f : faelle) {
        test::TestOrdner o;
        o.schreibe("Varku.ini",
                   QByteArray("[Dolmix]\n") + f.zeile + "\n[Anderes]\nTonEinschalten=1\n");
        Einstellungen e;
        ASSERT_TRUE(dolmixAbschnitt().lies(o.pfad("Varku.ini"), e));
        EXPECT_EQ(e.*f.feld, f.wert) << f.zeile;
        EXPECT_EQ(e.TonEinschalten, 0) << "der nächste Abschnitt gehört nicht dazu";
    }
    test::TestOrdner o;
    o.schreibe("Varku.ini", "[Dolmix]\nFallGeschwindigkeit=300\n");
    Einstellungen e;
    e.SteinZufallsFolge = 1;
    dolmixAbschnitt().schreibe(o.pfad("Varku.ini"), e);
    EXPECT_EQ(o.lies("Varku.ini"),
              "[Dolmix]\nBuchstabenGroß= 0\nSteinZufallsFolge= 1\nFallGeschwindigkeit= 0\n"
              "WarnungEinschalten= 0\nSpielerWechselBeiFehler= 0\nSpielerWechselNachZeit= 0\n"
              "TonEinschalten= 0\nEinstellungenSpeichern= 0\n \n");
}
