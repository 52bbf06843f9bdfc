#include "frame/Protokoll.h"
#include "foundation/testing/TestOrdner.h"
#include "frame/GlobModul.h"
#include "frame/Spieler.h"
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
    Datei() {
        setzeStartwerte();
        setzeSpielerZurueck();
        UserPfad = ordner.pfad("User");
        QDir().mkpath(UserPfad);
    }
    ~Datei() override {
        schliesseProtokoll();
        setzeStartwerte();
        setzeSpielerZurueck();
    }
    // acht Buchstaben als Ziehungen 65 bis 90
    void stamm(const char* s) {
        for (const char* c = s; *c; ++c)
            d.zufall.gibZahlen(65, 90, {int(*c)});
    }
};
} // namespace

TEST_F(Datei, StaemmeAusAchtGrossbuchstabenUndEindeutig) {
    stamm("ABCDEFGH");
    const QString erster = erzeugeTmpName();
    EXPECT_EQ(erster, "ABCDEFGH");
    legeProtokollAn(erster);
    // derselbe Stamm noch einmal gezogen: er ist vergeben, es wird neu gezogen
    stamm("ABCDEFGH");
    stamm("QWERTZUI");
    EXPECT_EQ(erzeugeTmpName(), "QWERTZUI");
    EXPECT_TRUE(QRegularExpression("^[A-Z]{8}$").match(erster).hasMatch());
}

TEST_F(Datei, ZeilenJeVersuch) {
    SpielerDatei[0] = "ABCDEFGH";
    legeProtokollAn("ABCDEFGH");
    aktSpieler = 0;
    oeffneProtokoll();
    EXPECT_GT(protokollDateiNr, 0);
    schreibeProtokoll(true, 17, " Igel ");    // richtig mit Leerzeichen: OK
    schreibeProtokoll(false, 23, " hunt ");   // falsch: so, wie getippt
    schreibeProtokoll(false, 5, "Bär, groß"); // Umlaute in Windows-1252
    schreibeProtokoll(true, 5, "Bär");        // falsch, dann richtig: zwei Zeilen
    // jede Zeile steht sofort in der Datei, auch solange sie offen ist
    EXPECT_EQ(ordner.lies("User/ABCDEFGH.tmp"),
              QByteArray("17= OK\r\n23=  hunt \r\n5= B\xe4r, gro\xdf\r\n5= OK\r\n"));
}

TEST_F(Datei, DateiDesAktuellenSpielers) {
    SpielerDatei[0] = "AAAAAAAA";
    SpielerDatei[1] = "BBBBBBBB";
    legeProtokollAn("AAAAAAAA");
    legeProtokollAn("BBBBBBBB");
    aktSpieler = 0;
    oeffneProtokoll();
    schreibeProtokoll(true, 1, "x");
    aktSpieler = 1;
    oeffneProtokoll(); // schließt die erste
    schreibeProtokoll(true, 2, "y");
    schliesseProtokoll();
    EXPECT_EQ(protokollDateiNr, 0);
    EXPECT_EQ(ordner.lies("User/AAAAAAAA.tmp"), "1= OK\r\n");
    EXPECT_EQ(ordner.lies("User/BBBBBBBB.tmp"), "2= OK\r\n");
    // wieder geöffnet: angehängt, nicht überschrieben
    oeffneProtokoll();
    schreibeProtokoll(false, 3, "z");
    EXPECT_EQ(ordner.lies("User/BBBBBBBB.tmp"), "2= OK\r\n3= z\r\n");
    EXPECT_THROW(
        {
            schliesseProtokoll();
            schreibeProtokoll(true, 4, "");
        },
        Laufzeitfehler)
        << "ohne offene Datei wird nichts still verloren";
    loescheProtokoll("BBBBBBBB");
    EXPECT_FALSE(ordner.gibt("User/BBBBBBBB.tmp"));
    EXPECT_NO_THROW(loescheProtokoll("BBBBBBBB")) << "schon weg ist kein Fehler";
}
