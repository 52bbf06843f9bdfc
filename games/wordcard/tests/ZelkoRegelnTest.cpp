// Die Regeln des Kartenspiels ohne Fenster: Kategorietabelle, Lückenwörter, Karten und Wahl.
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "gamekit/Spielrunde.h"
#include "gamekit/tests/Abschnittspruefung.h"
#include "games/wordcard/Kategoriepruefung.h"
#include "games/wordcard/Kategorietabelle.h"
#include "games/wordcard/Lueckenwoerter.h"
#include "games/wordcard/ZelkoEinstellungen.h"
#include "games/wordcard/Zelkospiel.h"
#include "platform/Laufzeitfehler.h"

#include <deque>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::zelko;
using namespace varku::test;

namespace {

// gibt die vorgegebenen Zahlen, danach immer die untere Grenze
struct Zahlen {
    std::deque<int> werte;
    Wuerfel zufall() {
        return [this](int von, int /*bis*/) {
            if (werte.empty())
                return von;
            const int w = werte.front();
            werte.pop_front();
            return w;
        };
    }
};

Kategoriesatz satz(const QString& text) {
    const auto s = leseKategorieTabelle(text);
    return s.empty() ? Kategoriesatz{} : s.front();
}

const auto keinIndex = [](const QString&) { return -1; };

} // namespace

// --- die Kategorietabelle ---

TEST(Kategorietabelle, SternAngabenUndPaare) {
    struct Fall {
        QString element;
        int posA;
        bool festA;
        int posB;
        bool festB;
    };
    const Fall faelle[] = {
        {"*1:2", 1, true, 2, false},
        {"3:*1", 3, false, 1, true},
        {"0:0", 0, false, 0, false},
        {"*2:*3", 2, true, 3, true},
        {"2.6:x", 3, false, 0, false}, // gerundet; ohne Zahl 0
        {"5", 5, false, 0, false},     // ohne ":" ist B 0
        {"99999999:-99999999", 32767, false, -32768, false},
    };
    for (const Fall& f : faelle) {
        int a = -1, b = -1;
        bool fa = false, fb = false;
        leseSternAngabe(f.element, a, fa, b, fb);
        EXPECT_EQ(a, f.posA) << f.element.toStdString();
        EXPECT_EQ(fa, f.festA) << f.element.toStdString();
        EXPECT_EQ(b, f.posB) << f.element.toStdString();
        EXPECT_EQ(fb, f.festB) << f.element.toStdString();
    }
    EXPECT_EQ(leseErsatzPaare("ie:i,i:ie"), (std::vector<Ersatzpaar>{{"ie", "i"}, {"i", "ie"}}));
    EXPECT_EQ(leseErsatzPaare(" ä : e, äu:eu ,x"),
              (std::vector<Ersatzpaar>{{"ä", "e"}, {"äu", "eu"}}));
    EXPECT_TRUE(leseErsatzPaare(":e,ä:").empty()) << "eine leere Seite gäbe eine leere Lücke";
    EXPECT_EQ(leseKategorieListe("LTI_, IH__,,LTE_"), QStringList({"LTI_", "IH__"}));
}

TEST(Kategorietabelle, DatensaetzeUndGenauerSchluessel) {
    const QString text =
        "\r\nIE__,IE__=TRUE,\"LIP_,IH__\",LIP_=TRUE,*1:2,\"ie:i,i:ie\",Tipp eins\r\n"
        "\r\n"
        "IE,Wort Like '*e*',,X=1,0:0,e:a,\"Tipp, mit Komma\"\r\n";
    const auto s = leseKategorieTabelle(text);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].KatSchluessel, "IE__");
    EXPECT_EQ(s[0].zeile, 2);
    EXPECT_EQ(s[1].zeile, 4);
    EXPECT_EQ(s[0].KatListe, QStringList({"LIP_", "IH__"}));
    EXPECT_EQ(s[0].KriteriumB, "LIP_=TRUE");
    EXPECT_TRUE(s[0].festA);
    EXPECT_EQ(s[0].PosB, 2);
    EXPECT_EQ(s[0].ErsatzPaare.size(), 2u);
    EXPECT_EQ(s[1].KriteriumA, "Wort Like '*e*'");
    EXPECT_EQ(s[1].LoesTipp, "Tipp, mit Komma");
    // genau der Schlüssel: "IE" ist nicht "IE__", und ohne Datensatz gibt es keinen
    EXPECT_EQ(findeKategorie(s, "IE")->KriteriumA, "Wort Like '*e*'");
    EXPECT_EQ(findeKategorie(s, "IE__")->LoesTipp, "Tipp eins");
    EXPECT_FALSE(findeKategorie(s, "CK__"));
    EXPECT_FALSE(findeKategorie(s, "I"));
}

// Eine beschädigte Datei nennt sich, die Zeile und was fehlt; nichts rückt in den nächsten
// Datensatz, nichts fällt still weg
TEST(Kategorietabelle, BeschaedigteDatei) {
    const QString gut = "B,b,,c,0:0,x:y,Tipp\r\n";
    struct Fall {
        QString text;
        QString fehler; // hinter "Die Datei Varku.kmp ist beschädigt: "
    };
    const Fall faelle[] = {
        {"", "sie enthält keinen Datensatz"},
        {"\r\n  \r\n,,\r\n", "sie enthält keinen Datensatz"},
        {"A,a,,b,0:0,x:y\r\n" + gut,
         "in Zeile 1 stehen nur 6 der 7 Elemente; es fehlt der Lösungstipp"},
        {gut + "\r\nC,c,\"K,L", "in Zeile 3 stehen nur 3 der 7 Elemente; es fehlen das "
                                "Kriterium für Vorrat B, die Stellenangabe, die Ersatzpaare "
                                "und der Lösungstipp"},
        {gut + "A,a,\"K,L,b,0:0,x:y,t\r\n", "in Zeile 2 stehen nur 3 der 7 Elemente; es "
                                            "fehlen das Kriterium für Vorrat B, die "
                                            "Stellenangabe, die Ersatzpaare und der Lösungstipp"},
        {"A,a,,b,0:0,x:y,Tipp, mit Komma\r\n",
         "in Zeile 1 stehen 8 statt 7 Elemente; ein Element mit Komma gehört in "
         "Anführungszeichen"},
        {" ,a,,b,0:0,x:y,t", "in Zeile 1 fehlt der Schlüssel der Kategorie"},
        {"A,a,,b,x:1,x:y,t", "in Zeile 1 ist die Stellenangabe „x:1“ unlesbar (richtig wäre etwa "
                             "0:0 oder *1:2)"},
        {gut + "A,a,,b,1,x:y,t", "in Zeile 2 ist die Stellenangabe „1“ unlesbar (richtig wäre "
                                 "etwa 0:0 oder *1:2)"},
        {"A,a,,b,* 1:2,x:y,t", "in Zeile 1 ist die Stellenangabe „* 1:2“ unlesbar (richtig wäre "
                               "etwa 0:0 oder *1:2)"},
        {"A,a,,b,0:0,,t", "in Zeile 1 fehlen die Ersatzpaare"},
        {"A,a,,b,0:0,\"ie:i,ä\",t",
         "in Zeile 1 ist das Ersatzpaar „ä“ unlesbar (richtig wäre etwa ie:i)"},
        {"A,a,,b,0:0,\"ie:i,,ä:e\",t",
         "in Zeile 1 ist das Ersatzpaar „“ unlesbar (richtig wäre etwa ie:i)"},
        {"A,a,,b,0:0,\"ie:i:e\",t",
         "in Zeile 1 ist das Ersatzpaar „ie:i:e“ unlesbar (richtig wäre etwa ie:i)"},
        {"A,a,,b,0:0,\":e\",t", "in Zeile 1 ist das Ersatzpaar „:e“ unlesbar (richtig wäre "
                                "etwa ie:i)"},
        {"A,a,,b,0:0,1:2,t", "in Zeile 1 ist das Ersatzpaar „1:2“ unlesbar (richtig wäre etwa "
                             "ie:i)"},
        {"A,a,,b,0:0,x:y,  \r\n", "in Zeile 1 fehlt der Lösungstipp"},
        {gut + "Kopf\r\n", "in Zeile 2 steht nur 1 der 7 Elemente; es fehlen das Kriterium für "
                           "Vorrat A, die Liste der Kategorien, das Kriterium für Vorrat B, die "
                           "Stellenangabe, die Ersatzpaare und der Lösungstipp"},
    };
    for (const Fall& f : faelle) {
        try {
            leseKategorieTabelle(f.text);
            ADD_FAILURE() << "kein Fehler: " << f.text.toStdString();
        } catch (const Laufzeitfehler& e) {
            EXPECT_EQ(e.meldung(),
                      "Laufzeitfehler 321: Die Datei Varku.kmp ist beschädigt: " + f.fehler)
                << f.text.toStdString();
        }
    }
}

TEST(Kategorietabelle, DateiOhneDatensatzOderMitFremdenBytes) {
    TestOrdner ordner;
    ordner.schreibe("Varku.kmp", "A,a,,b,0:0,x:y,Tipp\r\n");
    const auto meldung = [&](const QString& schluessel) {
        try {
            leseKategorie(ordner.pfad("Varku.kmp"), schluessel);
        } catch (const Laufzeitfehler& e) {
            return e.meldung();
        }
        return QString();
    };
    EXPECT_EQ(meldung("A"), "");
    EXPECT_EQ(meldung("B"), "Laufzeitfehler 321: Die Datei Varku.kmp ist beschädigt: der "
                            "Datensatz der Kategorie B fehlt");
    QByteArray bytes;
    for (int i = 0; i < 600; ++i)
        bytes += char((i * 97 + 13) % 256);
    ordner.schreibe("Varku.kmp", bytes);
    EXPECT_TRUE(meldung("A").startsWith(
        "Laufzeitfehler 321: Die Datei Varku.kmp ist beschädigt: in Zeile "))
        << meldung("A").toStdString();
}

// --- Stelle der Lücke und Füllungen ---

TEST(Luecken, StelleDerLuecke) {
    const Kategoriesatz k = satz("K,a,\"L,M\",b,0:1,\"ie:i,ä:e\",t");
    const Kategoriesatz fest = satz("K,a,L,b,*1:*2,\"ä:e\",t");
    const auto index = [](const QString& s) { return s == "K" ? 3 : s == "M" ? 5 : -1; };
    struct Fall {
        const char* name;
        const Kategoriesatz& satz;
        Vorrat vorrat;
        QString wort;
        std::vector<LupenZeile> lupen;
        std::optional<Lueckenstelle> stelle;
    };
    const Fall faelle[] = {
        {"erstes Vorkommen", k, Vorrat::A, "Biene", {}, Lueckenstelle{2, 0}},
        {"Lupenstelle der Kategorie", k, Vorrat::A, "Spiegelei", {{3, 3}}, Lueckenstelle{3, 0}},
        {"Lupe einer anderen Kategorie", k, Vorrat::A, "Spiegelei", {{4, 7}}, Lueckenstelle{3, 0}},
        {"Lupe ohne Paar, dann gesucht", k, Vorrat::A, "Wiese", {{3, 4}}, Lueckenstelle{2, 0}},
        {"B: Lupe plus Abstand", k, Vorrat::B, "Kilo", {{5, 1}}, Lueckenstelle{2, 0}},
        {"B: Lupe der Liste", k, Vorrat::B, "Tiger", {{3, 1}}, Lueckenstelle{2, 0}},
        {"kein Paar", k, Vorrat::A, "Haus", {}, std::nullopt},
        {"fest, ohne Rücksicht auf groß", fest, Vorrat::A, "Äpfel", {}, Lueckenstelle{1, 0}},
        {"fest, falsche Stelle", fest, Vorrat::A, "Bär", {}, std::nullopt},
        {"fest B an 2", fest, Vorrat::B, "Hexe", {}, Lueckenstelle{2, 0}},
        {"über das Wortende", fest, Vorrat::B, "H", {}, std::nullopt},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(findeLueckenstelle(f.satz, f.vorrat, f.wort, f.lupen, index), f.stelle) << f.name;
    // ohne "*" sucht er mit Groß und Klein: ä steht nicht in "Äpfel"
    EXPECT_FALSE(findeLueckenstelle(satz("K,a,,b,0:0,ä:e,t"), Vorrat::A, "Äpfel", {}, keinIndex));
}

TEST(Luecken, Fuellungen) {
    struct Fall {
        QString satz;
        Vorrat vorrat;
        QString wort;
        int von, paar;
        QStringList auswahl;
    };
    const Fall faelle[] = {
        {"K,a,,b,0:0,\"ä:e,äu:eu,e:ä\",t", Vorrat::A, "Bär", 2, 0, {"ä", "e"}},
        {"K,a,,b,0:0,\"ä:e,ä:äu\",t", Vorrat::A, "Bär", 2, 0, {"ä", "e", "äu"}},
        {"K,a,,b,0:0,\"ä:e,ä:äu\",t", Vorrat::B, "Berg", 2, 0, {"ä", "e"}},
        {"K,a,,b,*1:0,ä:e,t", Vorrat::A, "Äpfel", 1, 0, {"Ä", "E"}},
        {"GK1M,a,,b,*1:0,ä:e,t", Vorrat::A, "Äpfel", 1, 0, {"ä", "e"}},
        {"K,a,,b,*1:0,ä:e,t", Vorrat::A, "ärgern", 1, 0, {"ä", "e"}},
        {"K,a,,b,0:0,\"i:ie,ie:i\",t", Vorrat::A, "Igel", 1, 0, {"I", "Ie"}},
        {"K,a,,b,0:0,ä:e,t", Vorrat::A, "Bär", 2, 5, {}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(bildeLueckenAuswahl(satz(f.satz), f.vorrat, f.wort, f.von, f.paar), f.auswahl)
            << f.satz.toStdString() << " " << f.wort.toStdString();
}

// --- was die Prüfung der Tabelle einem Aufruf nicht durchgehen lässt ---

TEST(Kategoriepruefung, AndereSchreibungen) {
    const std::pair<QString, QStringList> faelle[] = {
        {"Yacht", {"Jacht"}},
        {"Jacht", {"Yacht"}},
        {"Joghurt", {"Jogurt", "Yoghurt"}},
        {"Fotoapparat", {"Photoapparat"}},
        {"Urlaubsfoto", {"Urlaubsphoto"}},
        {"Segeljacht", {"Segelyacht"}},
        {"Spaß", {"Spass"}},
        {"Foto", {"Photo"}},
        {"Hase", {}},
        {"Yeti", {}},
        {"Fotograf", {"Photograf"}}, // vorn steht Foto; angeboten wird das nie
    };
    for (const auto& [wort, andere] : faelle)
        EXPECT_EQ(andereSchreibungen(wort), andere) << wort.toStdString();
}

TEST(Kategoriepruefung, FehlerDesAufrufs) {
    const auto luecke = [](const QString& wort, int von, int laenge) {
        Luecke l;
        l.Wort = wort;
        l.vonPos = von;
        l.Laenge = laenge;
        return l;
    };
    struct Fall {
        Luecke luecke;
        QStringList auswahl;
        QStringList fehler;
    };
    const Fall faelle[] = {
        {luecke("Yoga", 1, 1),
         {"Y", "I", "Ü", "J"},
         {"Yoga: „Joga“ ist auch richtig geschrieben, die Füllung „J“ darf nicht angeboten "
          "werden"}},
        {luecke("Yacht", 1, 1),
         {"J", "Y"},
         {"Yacht: „Jacht“ ist auch richtig geschrieben, die Füllung „J“ darf nicht angeboten "
          "werden"}},
        {luecke("Spaß", 4, 1),
         {"ß", "ss"},
         {"Spaß: „Spass“ ist auch richtig geschrieben, die Füllung „ss“ darf nicht angeboten "
          "werden"}},
        {luecke("Yoga", 1, 1), {"Y", "I", "Ü"}, {}},
        {luecke("Yeti", 1, 1), {"J", "Y"}, {}},
        {luecke("Hase", 2, 1), {"a", "ä"}, {}},
        {luecke("Hase", 2, 1), {"ä", "e"}, {"Hase: die richtige Füllung fehlt"}},
        {luecke("Hase", 2, 1), {"a"}, {"Hase: nur eine Füllung"}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(fehlerDesAufrufs(f.luecke, f.auswahl), f.fehler)
            << f.luecke.Wort.toStdString() << " " << f.auswahl.join(',').toStdString();
}

// --- die Vorräte aus der Wortdatenbank ---

struct Vorraete : ::testing::Test {
    TestOrdner ordner;
    Zahlen zahlen;
    std::vector<db::Recordset> tabellen;
    Vorraete() {
        legeWortDbAn(ordner.pfad("w.sqlite"),
                     {{1, "Bär", "der", 2, false, true, false, "Der @ brummt.", ""},
                      {2, "Käse", "der", 1, false, true, false, "", ""},
                      {3, "Hexe", "die", 1, false, false, true, "Die @ fliegt.", ""},
                      {4, "Äpfel", "die", 1, false, true, false, "", ""},
                      {5, "Haus", "das", 1, false, false, true, "", ""}},
                     {{1, 1, 2, 2}, {3, 2, 2, 2}});
        tabellen = db::Recordset::oeffne(ordner.pfad("w.sqlite"),
                                         {"WortListe", "LupenStellen", "SemSynt"});
    }
    Lueckenwoerter woerter(const QString& text) {
        return Lueckenwoerter(satz(text), {"KAT1", "KAT2"}, tabellen[0], tabellen[1], tabellen[2],
                              zahlen.zufall());
    }
};

TEST_F(Vorraete, ZaehltNurKandidatenMitIhrerFuellung) {
    // Äpfel fände "ä" nur ohne Rücksicht auf groß und klein; Haus hat kein e
    Lueckenwoerter w = woerter("KAT1,KAT1=TRUE,KAT2,KAT2=TRUE,0:0,ä:e,t");
    EXPECT_EQ(w.PoolAnzahlA(), 2);
    EXPECT_EQ(w.PoolAnzahlB(), 1);
    // in den Kategorien der Großschreibung ist "Ä" nicht unter "ä, e": kein Kandidat
    Lueckenwoerter gk = woerter("GK1M,Wort Like 'Ä*',,KAT2=TRUE,*1:0,ä:e,t");
    EXPECT_EQ(gk.PoolAnzahlA(), 0);
}

TEST_F(Vorraete, ZiehtAusBeidenUndLaedtDenAufruf) {
    Lueckenwoerter w = woerter("KAT1,KAT1=TRUE,KAT2,KAT2=TRUE,0:0,ä:e,t");
    zahlen.werte = {60, 1}; // Vorrat B, erster Kandidat
    EXPECT_EQ(w.naechsteLuecke(), "ä,e");
    EXPECT_EQ(w.aktLuecke().Wort, "Hexe");
    EXPECT_EQ(w.aktLuecke().LueckWort, "H_xe");
    EXPECT_EQ(w.aktLuecke().richtigeLuecke(), "e");
    EXPECT_EQ(w.aktLuecke().SatzKontext, "Die @ fliegt.");
    zahlen.werte = {1, 2}; // Vorrat A, zweiter: Käse hat keinen Satz, der alte bleibt nicht
    EXPECT_EQ(w.naechsteLuecke(), "ä,e");
    EXPECT_EQ(w.aktLuecke().Wort, "Käse");
    EXPECT_EQ(w.aktLuecke().SatzKontext, "");
    EXPECT_EQ(w.aktLuecke().KomplexInd, 1);
    zahlen.werte = {1, 1};
    w.naechsteLuecke();
    EXPECT_EQ(w.aktLuecke().Wort, "Bär");
    EXPECT_EQ(w.aktLuecke().Kontext, "der");
    EXPECT_EQ(w.aktLuecke().gefuellt("e"), "Ber");
    // derselbe Kandidat noch einmal bleibt stehen
    EXPECT_TRUE(w.geheZuKandidat(1, Vorrat::A));
    EXPECT_EQ(w.KandidatNr(), 1);
    EXPECT_FALSE(w.geheZuKandidat(3, Vorrat::A));
}

// Das Kriterium kommt aus Varku.kmp: die Meldung nennt sie und den Datensatz, nicht die
// Wortdatenbank
TEST_F(Vorraete, FalschesKriteriumNenntDieKategorietabelle) {
    const std::pair<QString, QString> faelle[] = {
        {"KAT2,KAT2=TRUE,,KAT1=TRUE,0:0,ä:e,t\r\nKAT1,KAT1=TRUE AND,,KAT2=TRUE,0:0,ä:e,t",
         "Laufzeitfehler 3075: Die Datei Varku.kmp ist beschädigt: in Zeile 2 (Datensatz KAT1) "
         "ist das Kriterium für Vorrat A fehlerhaft: Syntaxfehler im Kriterium (unerwartetes "
         "Ende): KAT1=TRUE AND"},
        {"KAT1,KAT1=TRUE,,XYZ=TRUE,0:0,ä:e,t",
         "Laufzeitfehler 3265: Die Datei Varku.kmp ist beschädigt: in Zeile 1 (Datensatz KAT1) "
         "ist das Kriterium für Vorrat B fehlerhaft: Unbekanntes Feld „XYZ“ im Kriterium: "
         "XYZ=TRUE"},
    };
    for (const auto& [text, meldung] : faelle) {
        const Kategoriesatz k = leseKategorieTabelle(text).back();
        try {
            Lueckenwoerter(k, {"KAT1", "KAT2"}, tabellen[0], tabellen[1], tabellen[2],
                           zahlen.zufall());
            ADD_FAILURE() << text.toStdString();
        } catch (const Laufzeitfehler& e) {
            EXPECT_EQ(e.meldung(), meldung);
        }
    }
}

TEST_F(Vorraete, LeererVorratZiehtAusDemAnderen) {
    Lueckenwoerter nurA = woerter("KAT1,KAT1=TRUE,,Wort='nichts',0:0,ä:e,t");
    ASSERT_EQ(nurA.PoolAnzahlB(), 0);
    zahlen.werte = {99, 1};
    EXPECT_EQ(nurA.naechsteLuecke(), "ä,e");
    EXPECT_EQ(nurA.aktLuecke().Wort, "Bär");
    Lueckenwoerter keiner = woerter("KAT1,Wort='nichts',,,0:0,ä:e,t");
    EXPECT_EQ(keiner.naechsteLuecke(), "");
}

// --- Karten und Wahl ---

TEST(Karten, FeldKennung) {
    const std::pair<int, const char*> faelle[] = {{1, "Z1"},  {7, "E2"},  {25, "O5"}, {5, "O1"},
                                                  {21, "Z5"}, {13, "L3"}, {0, ""},    {26, ""}};
    for (const auto& [feld, kennung] : faelle)
        EXPECT_EQ(feldKennung(feld), kennung) << feld;
}

TEST(Karten, VolleReihen) {
    const std::pair<std::vector<int>, bool> faelle[] = {
        {{5, 9, 13, 17, 21}, true},   {{1, 2, 3, 4, 6}, false},
        {{1, 7, 13, 19, 25}, true},   {{2, 7, 12, 17, 22}, true},
        {{21, 22, 23, 24, 25}, true}, {{4, 5, 6, 7, 8}, false},
        {{1, 6, 11, 16}, false},      {{}, false},
    };
    for (const auto& [felder, zelko] : faelle) {
        Zelkokarten k;
        for (int f : felder)
            k.markiere(1, f);
        EXPECT_EQ(k.pruefeZelkoReihe(1), zelko) << ::testing::PrintToString(felder);
        EXPECT_FALSE(k.pruefeZelkoReihe(0)) << "die Karte eines anderen";
    }
}

TEST(Karten, ZufallsFeld) {
    Zahlen z;
    Zelkokarten k;
    k.markiere(0, 24);
    k.markiere(1, 25);
    z.werte = {24};
    EXPECT_EQ(k.sucheZufallsFeld(2, 0, z.zufall()), 1) << "nach 25 kommt 1";
    // jedes Feld hat jemand: Spieler 0 hat 1 bis 12, Spieler 1 den Rest
    Zelkokarten voll;
    for (int f = 1; f <= 25; ++f)
        voll.markiere(f <= 12 ? 0 : 1, f);
    z.werte = {3, 5};
    EXPECT_EQ(voll.sucheZufallsFeld(2, 0, z.zufall()), 13);
    z.werte = {3, 20};
    EXPECT_EQ(voll.sucheZufallsFeld(2, 1, z.zufall()), 1);
}

struct Wahl : ::testing::Test {
    TestOrdner ordner;
    Zahlen zahlen;
    Spielrunde runde;
    Zelkospiel spiel{runde, zahlen.zufall()};
    Wahl() {
        runde.nSpieler = 2;
        runde.SpielerName = {"Anna", "Ben", "", "", ""};
        legeWortDbAn(ordner.pfad("w.sqlite"), {{1, "Hase", "der", 3, false, true, false, "", ""},
                                               {2, "Biene", "die", 1, false, false, true, "", ""},
                                               {3, "Ei", "das", 1, false, false, false, "", ""}});
    }
    // ein Aufruf: Hase aus A (Lücke a, Füllungen a, ä) oder Biene aus B (Lücke ie: i, ie)
    void aufruf(const QString& text, std::deque<int> ziehung) {
        auto t = db::Recordset::oeffne(ordner.pfad("w.sqlite"),
                                       {"WortListe", "LupenStellen", "SemSynt"});
        spiel.setzeWoerter(std::make_unique<Lueckenwoerter>(satz(text), QStringList{"KAT1"}, t[0],
                                                            t[1], t[2], zahlen.zufall()));
        zahlen.werte = std::move(ziehung);
        ASSERT_TRUE(spiel.naechsteLuecke());
    }
};

TEST_F(Wahl, EinsatzPunkteUndZelko) {
    aufruf("KAT1,KAT1=TRUE,,KAT2=TRUE,0:0,\"a:ä\",t", {1, 1});
    ASSERT_EQ(spiel.auswahl(), QStringList({"a", "ä"}));
    spiel.aktFeld = 7;
    runde.SpielerPunkte[0] = 4;
    Antwort a = spiel.checkBstWahl(1);
    EXPECT_FALSE(a.richtig);
    EXPECT_EQ(a.einsatz, 10) << "2 × (KomplexInd 3 + 2 Füllungen)";
    EXPECT_EQ(runde.SpielerPunkte[0], 0) << "nie unter 0";
    EXPECT_EQ(a.protokoll, "Häse");
    EXPECT_FALSE(spiel.karten.markiert(0, 7)) << "das Feld bleibt offen";
    EXPECT_EQ(spiel.aktFeld, 7);
    for (int f : {5, 9, 13, 17})
        spiel.karten.markiere(0, f);
    spiel.aktFeld = 21;
    a = spiel.checkBstWahl(0);
    EXPECT_TRUE(a.richtig);
    EXPECT_TRUE(a.zelko);
    EXPECT_EQ(a.protokoll, "OK");
    EXPECT_EQ(runde.SpielerPunkte[0], 110) << "Einsatz und 100";
    EXPECT_EQ(spiel.ZelkoAnzahl[0], 1);
    EXPECT_EQ(spiel.checkBstWahl(5).einsatz, 0) << "eine Stelle außerhalb der Liste zählt nicht";
}

TEST_F(Wahl, MehrereBuchstabenInDerLuecke) {
    aufruf("KAT1,Wort='Biene',,,0:0,\"ie:i\",t", {1, 1});
    EXPECT_EQ(spiel.luecke().LueckWort, "B_ne");
    EXPECT_EQ(spiel.checkBstWahl(1).protokoll, "Bine");
}

TEST_F(Wahl, GetippteBuchstaben) {
    aufruf("KAT1,KAT1=TRUE,,,0:0,\"a:eu,a:äu,a:e\",t", {1, 1});
    ASSERT_EQ(spiel.auswahl(), QStringList({"a", "eu", "äu", "e"}));
    struct Schritt {
        QChar zeichen; // 0: ein Zeichen zurück
        Zelkospiel::Tipp tipp;
        int auswahl;
    };
    const Schritt schritte[] = {
        {u'e', Zelkospiel::Tipp::Angenommen, 3},      {u'u', Zelkospiel::Tipp::Angenommen, 1},
        {u'7', Zelkospiel::Tipp::NichtDruckbar, 1},   {u'x', Zelkospiel::Tipp::Angenommen, -1},
        {QChar(0), Zelkospiel::Tipp::Angenommen, 1},  {QChar(0), Zelkospiel::Tipp::Angenommen, 3},
        {QChar(0), Zelkospiel::Tipp::Angenommen, -1}, {u'ä', Zelkospiel::Tipp::Angenommen, -1},
        {u'u', Zelkospiel::Tipp::Angenommen, 2},
    };
    for (const Schritt& s : schritte) {
        if (s.zeichen.isNull())
            spiel.loescheLetztesZeichen();
        else
            EXPECT_EQ(spiel.tippe(s.zeichen), s.tipp) << QString(s.zeichen).toStdString();
        EXPECT_EQ(spiel.tippAuswahl(), s.auswahl) << spiel.tippPuffer().toStdString();
    }
    // nur e und ä: "eu" wählt nichts
    aufruf("KAT1,KAT1=TRUE,,,0:0,\"a:e,a:ä\",t", {1, 1});
    spiel.tippe(u'e');
    spiel.tippe(u'u');
    EXPECT_EQ(spiel.tippAuswahl(), -1);
}

TEST_F(Wahl, DerComputer) {
    // ein Aufruf aus B: richtig ist die zweite Füllung
    aufruf("KAT1,,,KAT2=TRUE,0:0,\"ie:i\",t", {60, 1});
    ASSERT_EQ(spiel.auswahl(), QStringList({"ie", "i"}));
    ASSERT_EQ(spiel.richtigerListenIndex(), 1);
    EXPECT_EQ(spiel.computerWahl(0), 1) << "stark: gleich richtig";
    zahlen.werte = {50, 50, 12};
    EXPECT_EQ(spiel.computerWahl(1), 0) << "schwach: erst die falsche";
    EXPECT_EQ(spiel.computerWahl(1), 1) << "dann ist die nächste die richtige";
    EXPECT_EQ(spiel.falschIndex(), 0) << "nach der richtigen von vorn";
    zahlen.werte = {51};
    EXPECT_EQ(spiel.computerWahl(1), 1) << "mit 51 und mehr gleich richtig";
}

// --- was einer Wahl folgt ---

// Anna und Ben mit ihren Protokollen, der Computer auf dem dritten Platz; Hase aus A, Einsatz 10
struct Zug : Wahl {
    Zug() {
        runde.nSpieler = 3;
        runde.SpielerName = {"Anna Lena", "Ben", "Computer", "", ""};
        runde.SpielerDatei = {"AAAAAAAA", "BBBBBBBB", "", "", ""};
        ordner.schreibe("User/AAAAAAAA.tmp", "");
        ordner.schreibe("User/BBBBBBBB.tmp", "");
        spiel.setzeProtokollOrdner(ordner.pfad("User"));
        aufruf("KAT1,KAT1=TRUE,,KAT2=TRUE,0:0,\"a:ä\",t", {1, 1});
    }
    // die Protokolle sind Windows-1252
    QString protokoll(const QString& stamm) const {
        return QString::fromLatin1(ordner.lies("User/" + stamm + ".tmp"));
    }
};

TEST_F(Zug, WasEinerWahlFolgt) {
    const QString fehler = "Fehler: Anna, das stimmt leider nicht!|Sieh dir doch mal den Lösungs-|"
                           "tipp an.";
    struct Fall {
        const char* name;
        bool computer;
        bool reihe; // 5, 9, 13, 17 sind schon markiert: 21 macht ein Zelko
        int wahl;
        long punkte;
        QString klang;
        Lampen lampen;
        QString meldung; // "Titel: Text"
        QString zeile;
    };
    const Fall faelle[] = {
        {"falsch", false, false, 1, 0, "LeichterFehler", Lampen::Fehler, fehler, "1= Häse\r\n"},
        {"falsch, Computer", true, false, 1, 0, "LeichterFehler", Lampen::Fehler, "", ""},
        {"richtig", false, false, 0, 14, "Annahme1", Lampen::Aus, "", "1= OK\r\n"},
        {"richtig, Computer", true, false, 0, 14, "Annahme1", Lampen::Aus, "", ""},
        {"Zelko", false, true, 0, 114, "Gratulation1", Lampen::Zelko,
         "Glückwunsch: Glückwunsch, Anna!|Du hast ein Zelko erzielt.", "1= OK\r\n"},
        {"Zelko, Computer", true, true, 0, 114, "Gratulation1", Lampen::Zelko,
         "Glückwunsch: Glückwunsch, Computer!|Du hast ein Zelko erzielt.", ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        ordner.schreibe("User/AAAAAAAA.tmp", "");
        spiel.neuesSpiel();
        // Anna war zuletzt dran: ihr Protokoll bleibt offen, während der Computer spielt
        runde.aktSpieler = 0;
        ASSERT_TRUE(spiel.beginneZug());
        runde.aktSpieler = f.computer ? 2 : 0;
        ASSERT_TRUE(spiel.beginneZug());
        EXPECT_EQ(spiel.lampen(), Lampen::Laden);
        runde.SpielerPunkte[size_t(runde.aktSpieler)] = 4;
        if (f.reihe)
            for (int feld : {5, 9, 13, 17})
                spiel.karten.markiere(runde.aktSpieler, feld);
        spiel.karten.markiere(1, 3);
        spiel.aktFeld = 21;
        const Antwort a = spiel.checkBstWahl(f.wahl);
        EXPECT_EQ(runde.punkte(), f.punkte);
        EXPECT_EQ(a.klang, f.klang);
        EXPECT_EQ(spiel.lampen(), f.lampen);
        EXPECT_EQ(a.meldung.isEmpty() ? "" : a.titel + ": " + QString(a.meldung).replace('\r', '|'),
                  f.meldung);
        EXPECT_EQ(protokoll("AAAAAAAA"), f.zeile);
        EXPECT_EQ(spiel.karten.markiert(runde.aktSpieler, 21), a.richtig);
        // nach der Meldung: ein Zelko leert alle Karten, eine richtige Antwort zieht den nächsten
        // Aufruf und gibt den Zug weiter
        zahlen.werte = {1, 1};
        EXPECT_EQ(spiel.nachDerAntwort(a), a.richtig);
        EXPECT_EQ(zahlen.werte.empty(), a.richtig) << "der nächste Aufruf";
        EXPECT_EQ(spiel.karten.markiert(1, 3), !a.zelko);
        EXPECT_EQ(spiel.karten.markiert(runde.aktSpieler, 21), a.richtig && !a.zelko);
    }
    EXPECT_EQ(protokoll("BBBBBBBB"), "");
}

// Falsch, falsch, richtig: Feld und Aufruf bleiben, bis die Antwort stimmt; dann schreibt der
// Nächste in sein eigenes Protokoll, mit einem Feld, das noch keiner hat
TEST_F(Zug, FalscheUndRichtigeAntworten) {
    EXPECT_TRUE(spiel.beginneZug());
    runde.SpielerPunkte[0] = 10;
    spiel.aktFeld = 7;
    for (int wahl : {1, 1, 0}) {
        const Antwort a = spiel.checkBstWahl(wahl);
        EXPECT_EQ(spiel.nachDerAntwort(a), wahl == 0);
        EXPECT_EQ(spiel.aktFeld, 7);
    }
    EXPECT_EQ(runde.SpielerPunkte[0], 10) << "10, 0, 0, 10";
    EXPECT_EQ(protokoll("AAAAAAAA"), "1= Häse\r\n1= Häse\r\n1= OK\r\n");
    spiel.tippe(u'a');
    runde.naechsterSpieler();
    zahlen.werte = {7};
    EXPECT_TRUE(spiel.beginneZug());
    EXPECT_EQ(spiel.aktFeld, 8) << "7 hat Anna";
    EXPECT_EQ(spiel.tippPuffer(), "");
    spiel.checkBstWahl(1);
    EXPECT_EQ(protokoll("BBBBBBBB"), "1= Häse\r\n");
    EXPECT_EQ(protokoll("AAAAAAAA"), "1= Häse\r\n1= Häse\r\n1= OK\r\n");
}

// Die Schritte des Computers: nach einer falschen Füllung wählt er noch einmal, nach der richtigen
// ist sein Zug vorbei; schwach beginnt er mit Zahlen unter 51 vorn in der Liste
TEST_F(Wahl, SchritteDesComputers) {
    aufruf("KAT1,,,KAT2=TRUE,0:0,\"ie:i\",t", {60, 1});
    // nacheinander: die dritte Wahl folgt auf die falsche der zweiten
    struct Fall {
        int staerke;
        int zahl; // der gestellte Zufall für einen schwachen Computer
        int wahl;
        bool weiter;
    };
    const Fall faelle[] = {
        {0, 0, 1, false}, {1, 50, 0, true}, {1, 50, 1, false}, {1, 51, 1, false}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.staerke << " " << f.zahl << " " << f.wahl);
        zahlen.werte = {f.zahl};
        const Zelkospiel::Computerschritt s = spiel.computerSchritt(f.staerke);
        EXPECT_EQ(s.wahl, f.wahl);
        EXPECT_EQ(s.weiter, f.weiter);
    }
}

// Nach jedem Wechsel beginnt der Zug des Nächsten: nichts getippt, die grüne Lampe, ein neues
// Feld; ohne Lückenwörter geschieht nichts
TEST_F(Zug, NachDemWechselBeginntDerZug) {
    Zelkospiel ohne(runde, [](int von, int) { return von; });
    ohne.nachSpielerwechsel();
    EXPECT_EQ(ohne.lampen(), Lampen::Aus);
    spiel.tippe(u'a');
    spiel.aktFeld = 7;
    zahlen.werte = {3};
    spiel.nachSpielerwechsel();
    EXPECT_EQ(spiel.lampen(), Lampen::Laden);
    EXPECT_EQ(spiel.tippPuffer(), "");
    EXPECT_NE(spiel.aktFeld, 7);
}

// Fehlt der Abschnitt in der ausgelieferten Varku.ini, schreibt das Spiel ihn mit seinem Kopf ans
// Ende, und ohne ihn beginnt es wie jedes Spiel
TEST(Abschnitt, FehlenderAbschnittKommtMitSeinemKopfAnsEnde) {
    varku::test::pruefeFehlendenAbschnitt(varku::zelko::zelkoAbschnitt());
    varku::test::pruefeBeginnOhneAbschnitt(varku::zelko::zelkoAbschnitt());
}
