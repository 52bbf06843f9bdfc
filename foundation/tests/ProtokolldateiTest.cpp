#include "foundation/Protokolldatei.h"
#include "foundation/testing/TestOrdner.h"
#include "platform/Laufzeitfehler.h"
#include "platform/testing/TestDienste.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::test;

namespace {
struct Datei : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    QString user = ordner.pfad("User");
    Datei() { QDir().mkpath(user); }
    // acht Buchstaben als Ziehungen 65 bis 90
    void stamm(const char* s) {
        for (const char* c = s; *c; ++c)
            d.zufall.gibZahlen(65, 90, {int(*c)});
    }
    QString pfad(const char* s) const { return protokollPfad(user, s); }
};
} // namespace

TEST_F(Datei, StaemmeAusAchtGrossbuchstabenUndEindeutig) {
    stamm("ABCDEFGH");
    const QString erster = erzeugeTmpName(user);
    EXPECT_EQ(erster, "ABCDEFGH");
    legeProtokollAn(protokollPfad(user, erster));
    // derselbe Stamm noch einmal gezogen: er ist vergeben, es wird neu gezogen
    stamm("ABCDEFGH");
    stamm("QWERTZUI");
    EXPECT_EQ(erzeugeTmpName(user), "QWERTZUI");
    EXPECT_TRUE(QRegularExpression("^[A-Z]{8}$").match(erster).hasMatch());
}

TEST_F(Datei, NurAchtGrossbuchstabenSindEinStamm) {
    struct Fall {
        const char* stamm;
        bool gueltig;
    };
    const Fall faelle[] = {{"ABCDEFGH", true},  {"ABCDEFG", false},  {"ABCDEFGHI", false},
                           {"abcdefgh", false}, {"ABCD/../", false}, {"ÄBCDEFGH", false},
                           {"", false},         {"ABCD EFG", false}};
    for (const Fall& f : faelle)
        EXPECT_EQ(istProtokollStamm(QString::fromUtf8(f.stamm)), f.gueltig) << f.stamm;
}

TEST_F(Datei, ZeilenJeVersuch) {
    legeProtokollAn(pfad("ABCDEFGH"));
    Protokollschreiber p;
    p.oeffne(pfad("ABCDEFGH"));
    EXPECT_TRUE(p.offen());
    p.schreibe(17, true, " Igel ");    // richtig mit Leerzeichen: OK
    p.schreibe(23, false, " hunt ");   // falsch: so, wie getippt
    p.schreibe(5, false, "Bär, groß"); // Umlaute in Windows-1252
    p.schreibe(5, true, "Bär");        // falsch, dann richtig: zwei Zeilen
    // jede Zeile steht sofort in der Datei, auch solange sie offen ist
    EXPECT_EQ(ordner.lies("User/ABCDEFGH.tmp"),
              QByteArray("17= OK\r\n23=  hunt \r\n5= B\xe4r, gro\xdf\r\n5= OK\r\n"));
}

TEST_F(Datei, WiederGeoeffnetWirdAngehaengt) {
    legeProtokollAn(pfad("AAAAAAAA"));
    legeProtokollAn(pfad("BBBBBBBB"));
    Protokollschreiber p;
    p.oeffne(pfad("AAAAAAAA"));
    p.schreibe(1, true, "x");
    p.oeffne(pfad("BBBBBBBB")); // schließt die erste
    p.schreibe(2, true, "y");
    p.schliesse();
    EXPECT_FALSE(p.offen());
    EXPECT_EQ(ordner.lies("User/AAAAAAAA.tmp"), "1= OK\r\n");
    p.oeffne(pfad("BBBBBBBB"));
    p.schreibe(3, false, "z");
    EXPECT_EQ(ordner.lies("User/BBBBBBBB.tmp"), "2= OK\r\n3= z\r\n");
    p.schliesse();
    EXPECT_THROW(p.schreibe(4, true, ""), Laufzeitfehler)
        << "ohne offene Datei wird nichts still verloren";
    loescheProtokoll(pfad("BBBBBBBB"));
    EXPECT_FALSE(ordner.gibt("User/BBBBBBBB.tmp"));
    EXPECT_NO_THROW(loescheProtokoll(pfad("BBBBBBBB"))) << "schon weg ist kein Fehler";
    EXPECT_THROW(p.oeffne(ordner.pfad("fehlt/ABCDEFGH.tmp")), Laufzeitfehler);
}

// Der Leser nimmt ganze Zeilen: ein Komma oder Anführungszeichen im Getippten trennt nichts.
TEST_F(Datei, LeserNimmtGanzeZeilen) {
    struct Fall {
        const char* name;
        QByteArray zeile;
        bool gelesen;
        int refNr;
        bool richtig;
        const char* eingabe;
    };
    const Fall faelle[] = {
        {"richtig", "12= OK", true, 12, true, ""},
        {"falsch", "7= Igl", true, 7, false, "Igl"},
        {"mit Komma", "7= Bär, groß", true, 7, false, "Bär, groß"},
        {"mit Anführungszeichen", "7= \"Igel\"", true, 7, false, "\"Igel\""},
        {"= OK im Getippten", "7= Igel= OK", true, 7, false, "Igel= OK"},
        {"getippt: OK mit Leerzeichen", "7=  OK", true, 7, false, " OK"},
        {"Umlaut in Windows-1252", "9= B\xe4r", true, 9, false, "Bär"},
        {"LF statt CR LF", "3= OK", true, 3, true, ""},
        {"ohne =", "Igel", false, 0, false, ""},
        {"Nummer zu groß", "40000= OK", false, 0, false, ""},
        {"keine Nummer", "abc= OK", false, 0, false, ""},
        {"leere Zeile", "", false, 0, false, ""},
        {"negative Nummer", "-5= x", true, -5, false, "x"},
    };
    for (const Fall& f : faelle) {
        const auto e = leseProtokollAus(f.zeile + "\r\n");
        ASSERT_EQ(e.size(), f.gelesen ? 1u : 0u) << f.name;
        if (!f.gelesen)
            continue;
        EXPECT_EQ(e[0].refNr, f.refNr) << f.name;
        EXPECT_EQ(e[0].richtig, f.richtig) << f.name;
        EXPECT_EQ(e[0].eingabe, QString::fromUtf8(f.eingabe)) << f.name;
    }
    const auto mehrere = leseProtokollAus("1= OK\n2= a\r3= b\r\nkaputt\r\n4= OK");
    ASSERT_EQ(mehrere.size(), 4u);
    EXPECT_EQ(mehrere[3].refNr, 4) << "die letzte Zeile ohne Zeilenende";
    EXPECT_TRUE(leseProtokoll(pfad("FEHLTXYZ")).empty()) << "eine fehlende Datei ist leer";
}

// Stück für Stück gelesen kommen dieselben Nummern wie ganz gelesen, auch wenn ein Zeilenende,
// ein CR LF oder ein Zeichen aus mehreren Bytes auf die Grenze zweier Stücke fällt, und wie
// lang eine Zeile auch ist.
TEST(Protokolldatei, StueckweiseWieGanz) {
    struct Fall {
        const char* name;
        QByteArray inhalt;
    };
    // eine Zeile, die genau so lang ist, dass die Grenze der 64-KB-Stücke an die Stelle fällt
    const auto bisGrenze = [](const QByteArray& vor, int weniger) {
        QByteArray b = vor;
        while (b.size() < 65536 - weniger)
            b += "7= x\r\n";
        return b.left(65536 - weniger);
    };
    const Fall faelle[] = {
        {"CR LF über der Grenze", bisGrenze("", 1) + "\r\n12= OK\r\n13= falsch"},
        {"Umlaut über der Grenze", bisGrenze("\xEF\xBB\xBF", 1) + "\xC3\xA4\r\n14= \xC3\xA4\n"},
        {"Windows-1252 erst im zweiten Stück", bisGrenze("", 0) + "15= M\xE4use\r16= OK\n"},
        {"eine riesige Zeile",
         QByteArray(200000, 'x') + "\r\n3= OK\r\n4=" + QByteArray(200000, ' ') + "\r\n"},
        {"viele Leerzeichen vor der Nummer",
         QByteArray(70, ' ') + "5= x\n" + QByteArray(60, ' ') + "6= x\n"},
        {"leer", ""},
    };
    for (const Fall& f : faelle) {
        TestOrdner o;
        o.schreibe("PROTOKOL.tmp", f.inhalt);
        std::vector<std::pair<int, bool>> ganz, stueckweise;
        for (const Protokolleintrag& e : leseProtokollAus(f.inhalt))
            ganz.emplace_back(e.refNr, e.richtig);
        leseProtokollNummern(o.pfad("PROTOKOL.tmp"),
                             [&](int nr, bool richtig) { stueckweise.emplace_back(nr, richtig); });
        EXPECT_EQ(stueckweise, ganz) << f.name;
    }
    leseProtokollNummern("/nicht/da.tmp", [](int, bool) { ADD_FAILURE(); });
}
