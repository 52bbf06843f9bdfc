#include "gamekit/Spielwoerter.h"
#include "foundation/Protokolldatei.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "platform/testing/TestDienste.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::test;

namespace {
struct Woerter : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    Spielwoerter w;
    Woerter() {
        legeWortDbAn(ordner.pfad("w.sqlite"),
                     {{10, "Igel", "der", 1, true, true, false, "Der @ schläft.", ""},
                      {20, "Blume", "", 1, true, true, false, "Eine @ blüht.", ""},
                      {30, "Regenschirm", "der", 1, false, true, false, "Der @ ist nass.", ""},
                      {40, "Baum", "der", 1, true, false, true, "", ""}},
                     {{10, 1, 1, 1}, {20, 2, 2, 3}});
        w.oeffneWortDatenbank(ordner.pfad("w.sqlite"), WortTabellen{true, true, false});
        w.setzeWortFilter("KAT1", false);
    }
};
} // namespace

TEST_F(Woerter, ZufallUndGespielteWoerter) {
    ASSERT_EQ(w.AnzahlWoerter(), 3);
    Spielwoerter::Wahl wahl;
    // ohne Fehlerwörter kommt jedes Wort aus dem Zufall
    d.zufall.gibZahlen(1, 3, {2});
    ASSERT_TRUE(w.naechstesSpielWort(wahl));
    EXPECT_EQ(w.Wort, "Blume");
    EXPECT_EQ(w.Kontext, "") << "Null gibt den leeren Kontext";
    EXPECT_EQ(w.Paraphrase, "Umschreibung");
    // zwei gespielt: das dritte, wie auch immer gezogen wird, auch wenn es das erste ist
    w.merkeWortBenutzt(30);
    d.zufall.gibZahlen(1, 3, {3});
    ASSERT_TRUE(w.naechstesSpielWort(wahl));
    EXPECT_EQ(w.Wort, "Igel");
    // alle drei gespielt: das gezogene noch einmal, die Liste wächst auf vier
    d.zufall.gibZahlen(1, 3, {3});
    ASSERT_TRUE(w.naechstesSpielWort(wahl));
    EXPECT_EQ(w.Wort, "Regenschirm");
    EXPECT_EQ(w.BenutztAnz(), 3);
    // wer leert, beginnt neu
    wahl.benutztLeeren = true;
    d.zufall.gibZahlen(1, 3, {1});
    ASSERT_TRUE(w.naechstesSpielWort(wahl));
    EXPECT_EQ(w.Wort, "Igel");
    EXPECT_EQ(w.BenutztAnz(), 0);
}

TEST_F(Woerter, FehlerwoerterZuerst) {
    Spielwoerter::Wahl wahl;
    w.FehlerListe = {40, 30};
    struct Fall {
        const char* name;
        int r;       // Ziehung 1 bis 100
        int eintrag; // Ziehung 0 bis FehlerAnz
        int zufall;  // Ziehung 1 bis 3, wenn der Zufall dran ist
        const char* wort;
    };
    const Fall faelle[] = {
        {"75 oder weniger: Zufall", 75, -1, 1, "Igel"},
        {"darüber: das Fehlerwort", 76, 1, 0, "Regenschirm"},
        {"schon gespielt: gleich der Zufall, kein zweites", 90, 1, 2, "Blume"},
        {"andere Kategorie: der Zufall", 90, 0, 1, "Igel"},
    };
    for (const Fall& f : faelle) {
        d.zufall.gibZahlen(1, 100, {f.r});
        if (f.eintrag >= 0)
            d.zufall.gibZahlen(0, 1, {f.eintrag});
        if (f.zufall > 0)
            d.zufall.gibZahlen(1, 3, {f.zufall});
        ASSERT_TRUE(w.naechstesSpielWort(wahl)) << f.name;
        EXPECT_EQ(w.Wort, f.wort) << f.name;
    }
}

TEST_F(Woerter, LueckeLupeUndTauglichkeit) {
    Spielwoerter::Wahl wahl;
    wahl.lupeFuerUebNr = 2;
    d.zufall.gibZahlen(1, 3, {2});
    ASSERT_TRUE(w.naechstesSpielWort(wahl));
    EXPECT_EQ(w.vonPos, 2);
    EXPECT_EQ(w.bisPos, 3);
    w.bildeSatzKontext();
    EXPECT_EQ(w.LueckenSatz, "Eine _____ blüht.");
    w.bildeSatzKontext(8, true);
    EXPECT_EQ(w.LueckenSatz, "Eine ________ blüht.") << "immer acht";
    d.zufall.gibZahlen(1, 3, {3});
    ASSERT_TRUE(w.naechstesSpielWort(Spielwoerter::Wahl{}));
    w.bildeSatzKontext();
    EXPECT_EQ(w.LueckenSatz, "Der __________ ist nass.") << "elf Buchstaben, zehn Striche";
    // nur Wörter bis fünf Buchstaben taugen: der Regenschirm wird übergangen
    wahl.taugt = [](const QString& wort) { return wort.size() <= 5; };
    w.BenutztListe.clear();
    d.zufall.gibZahlen(1, 3, {3});
    ASSERT_TRUE(w.naechstesSpielWort(wahl));
    EXPECT_EQ(w.Wort, "Igel");
    wahl.taugt = [](const QString&) { return false; };
    EXPECT_FALSE(w.naechstesSpielWort(wahl)) << "nichts taugt: kein Wort, keine Schleife";
    w.setzeWortFilter("KAT2", true, 3);
    EXPECT_FALSE(w.naechstesSpielWort(Spielwoerter::Wahl{})) << "eine leere Menge";
}

// Die Fehlerwörter aus den Protokolldateien: jede Nummer einmal, Zeilen ganz gelesen.
TEST_F(Woerter, FehlerwoerterAusDenProtokollen) {
    struct Fall {
        const char* name;
        std::vector<QByteArray> dateien;
        std::vector<int> liste;
    };
    const Fall faelle[] = {
        {"7 einmal", {"12= OK\r\n7= Igl\r\n7= Igle\r\n"}, {7}},
        {"zwei Spieler, beide 30", {"30= a\r\n", "5= OK\r\n30= b\r\n"}, {30}},
        {"eine leere Datei", {"", "3= x\r\n"}, {3}},
        {"ein Komma im Getippten", {"8= Bär, groß\r\n9= \"x\"\r\n"}, {8, 9}},
        {"kaputte Zeilen werden übergangen", {"Igel\r\n40000= x\r\n4= y\n"}, {4}},
        {"Reihenfolge des ersten Auftretens", {"2= a\r\n1= b\r\n", "1= c\r\n3= d\r\n"}, {2, 1, 3}},
    };
    for (const Fall& f : faelle) {
        QDir(ordner.pfad("User")).removeRecursively();
        QDir().mkpath(ordner.pfad("User"));
        QStringList staemme;
        for (size_t i = 0; i < f.dateien.size(); ++i) {
            staemme << QString(8, QChar(u'A' + int(i)));
            ordner.schreibe("User/" + staemme.last() + ".tmp", f.dateien[i]);
        }
        staemme << "ZZZZZZZZ"
                << ""; // eine fehlende Datei ist leer, der Computer hat keine
        w.FehlerListe.clear();
        w.leseFehlerWoerter(ordner.pfad("User"), staemme);
        EXPECT_EQ(w.FehlerListe, f.liste) << f.name;
    }
}

// Ein leeres Wort und eines, dessen Zeichen keine ganzen Buchstaben geben, spielt kein Spiel;
// ein Wort aus zerlegten Zeichen kommt in Normalform C
TEST_F(Woerter, NurWoerterAusGanzenBuchstaben) {
    struct Fall {
        const char* name;
        QString wort;
        QString gespielt; // leer: es gibt kein Wort
    };
    const Fall faelle[] = {
        {"leer", "", ""},
        {"nur Leerzeichen", "   ", ""},
        {"Emoji", QString::fromUtf8("Igel\U0001F994"), ""},
        {"allein stehendes Trema", QString(QChar(0x0308)), ""},
        {"zerlegtes ä", QString("Ba") + QChar(0x0308) + "r", QString::fromUtf8("Bär")},
        {"Steuerzeichen", "Ig\tel", ""},
        {"Leerzeichen außen", " Igel ", "Igel"},
    };
    for (const Fall& f : faelle) {
        TestOrdner o;
        legeWortDbAn(o.pfad("w.sqlite"), {{10, f.wort, "", 1, false, true, false, "", ""}});
        Spielwoerter sw;
        sw.oeffneWortDatenbank(o.pfad("w.sqlite"), WortTabellen{true, false, false});
        sw.setzeWortFilter("KAT1", false);
        d.zufall.gibZahlen(1, 1, {1});
        EXPECT_EQ(sw.naechstesSpielWort(Spielwoerter::Wahl{}), !f.gespielt.isEmpty()) << f.name;
        if (!f.gespielt.isEmpty()) {
            EXPECT_EQ(sw.Wort, f.gespielt) << f.name;
        }
    }
}
