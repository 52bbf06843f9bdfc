#include "frame/rdbManager.h"
#include "foundation/DateiInfoFrm.h"
#include "foundation/Global.h"
#include "foundation/testing/TestOrdner.h"
#include "frame/GlobModul.h"
#include "frame/tests/TestWortDb.h"
#include "platform/Laufzeitfehler.h"
#include "platform/testing/TestDienste.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::test;

namespace {

struct WortDb : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    WortDb() {
        setzeStartwerte();
        leereWortangaben();
        legeWortDbAn(
            ordner.pfad("Varku-D.sqlite"),
            {
                {1, "Igel", "der", 2, true, true, false, "Der @ schläft.", "Igel"},
                {2, "Schmetterling", "der", 5, false, true, true, "Ein @ fliegt.", "Schmetterling"},
                {3, "Tiger", "der", 3, true, false, true, "", ""},
                {4, "Kinoprogramm", "das", 4, false, true, false, "Das @ ist neu.", ""},
                {5, "wir", "", 1, true, true, false, "Heute spielen @.", "wir"},
                {6, "ohne", "", 1, false, true, false, "Ein Satz ohne Lücke.", ""},
            },
            {{1, 1, 1, 1}, {2, 1, 1, 3}, {2, 2, 9, 13}, {5, 1, 2, 2}},
            {{2, "Schmetterlink", ""}, {5, "", "Heute spielen wier."}});
        oeffneWortDatenbank(ordner.pfad("Varku-D.sqlite"));
    }
    ~WortDb() override {
        DateiInfoFrm::entlade();
        setzeStartwerte();
        leereWortangaben();
    }
    int aktuelleRef() const { return int(rdb.feld("RefNr").alsGanzzahl()); }
    void waehle(int position) {
        positioniereWort(position);
        Wort = rdb.feld("Wort").alsText();
    }
};

} // namespace

TEST_F(WortDb, NeuerFilterBeginntImmerBeiAllenWoertern) {
    RuvoFeldName = "KAT1";
    setzeWortFilter(true);
    EXPECT_EQ(AnzahlWoerter, 2);
    EXPECT_EQ(DateiInfoFrm::instanz().DatInfLbl[0]->text(), "2");
    EXPECT_EQ(DateiInfoFrm::instanz().DatInfLbl[1]->text(), "ja");
    setzeWortFilter(false);
    EXPECT_EQ(AnzahlWoerter, 5) << "nicht nur aus dem vorigen Filter";
    EXPECT_EQ(DateiInfoFrm::instanz().DatInfLbl[1]->text(), "nein");
    RuvoFeldName = "KAT2";
    setzeWortFilter(true);
    EXPECT_EQ(AnzahlWoerter, 1);
    EXPECT_EQ(aktuelleRef(), 3);
}

TEST_F(WortDb, KategorieOhneWoerter) {
    RuvoFeldName = "KAT2";
    setzeWortFilter(false);
    RuvoFeldName = "KAT1";
    legeWortDbAn(ordner.pfad("leer.sqlite"), {{1, "Igel", "der", 2, false, false, false, "", ""}});
    oeffneWortDatenbank(ordner.pfad("leer.sqlite"));
    setzeWortFilter(false);
    EXPECT_EQ(AnzahlWoerter, 0);
    EXPECT_EQ(DateiInfoFrm::instanz().DatInfLbl[0]->text(), "0");
}

TEST_F(WortDb, UnbekannteKategorieNenntDieSpalte) {
    RuvoFeldName = "XYZ_";
    try {
        setzeWortFilter(false);
        FAIL();
    } catch (const Laufzeitfehler& f) {
        EXPECT_TRUE(f.meldung().contains("XYZ_"));
    }
}

TEST_F(WortDb, PositionAuchVonHinterDemEnde) {
    RuvoFeldName = "KAT1";
    setzeWortFilter(false);
    struct Fall {
        int position;
        int ref;
    };
    const Fall folge[] = {{3, 4}, {1, 1}, {5, 6}, {2, 2}, {5, 6}};
    for (const Fall& f : folge) {
        positioniereWort(f.position);
        EXPECT_EQ(aktuelleRef(), f.ref) << f.position;
    }
    rdb.MoveNext();
    ASSERT_TRUE(rdb.Eof());
    positioniereWort(4);
    EXPECT_EQ(aktuelleRef(), 5);
}

TEST_F(WortDb, BeispielsatzMitLueckeOderWort) {
    RuvoFeldName = "KAT1";
    setzeWortFilter(false);
    struct Fall {
        int position;
        bool mitWort;
        const char* satz;
    };
    const Fall faelle[] = {
        {1, false, "Der ____ schläft."},       {1, true, "Der Igel schläft."},
        {2, false, "Ein __________ fliegt."},  // 13 Buchstaben, höchstens 10 Striche
        {3, false, "Das __________ ist neu."}, // genau 12
        {4, false, "Heute spielen ___."},      {5, false, "____Ein Satz ohne Lücke."},
    };
    for (const Fall& f : faelle) {
        waehle(f.position);
        bildeSatzKontext(f.mitWort);
        EXPECT_EQ(Beispielsatz, QString::fromUtf8(f.satz)) << f.position;
    }
    // ohne Zeile in SemSynt: leer
    RuvoFeldName = "KAT2";
    setzeWortFilter(false);
    waehle(2);
    EXPECT_EQ(aktuelleRef(), 3);
    Beispielsatz = "alt";
    bildeSatzKontext(false);
    EXPECT_EQ(Beispielsatz, "");
}

TEST_F(WortDb, ZehnBuchstabenGebenGenauZehnStriche) {
    legeWortDbAn(ordner.pfad("zehn.sqlite"),
                 {{1, "Regenschir", "", 1, false, true, false, "@", ""},
                  {2, "Regenschirm", "", 1, false, true, false, "@", ""},
                  {3, "Neunbuchs", "", 1, false, true, false, "@", ""}});
    oeffneWortDatenbank(ordner.pfad("zehn.sqlite"));
    RuvoFeldName = "KAT1";
    setzeWortFilter(false);
    for (int p : {1, 2, 3}) {
        waehle(p);
        bildeSatzKontext(false);
        EXPECT_EQ(Beispielsatz, QString(p == 3 ? 9 : 10, '_')) << p;
    }
}

TEST_F(WortDb, LupenstelleDerAktuellenKategorie) {
    RuvoFeldName = "KAT1";
    setzeWortFilter(false);
    struct Fall {
        int position;
        int uebNr;
        bool gefunden;
        int von, bis;
    };
    const Fall faelle[] = {
        {1, 1, true, 1, 1},  {1, 2, false, 0, 0}, {2, 1, true, 1, 3},  {2, 2, true, 9, 13},
        {3, 1, false, 0, 0}, {4, 1, true, 2, 2},  {4, 2, false, 0, 0}, // die Zeilen des nächsten
                                                                       // Wortes zählen nicht
    };
    for (const Fall& f : faelle) {
        waehle(f.position);
        UebNr = f.uebNr;
        EXPECT_EQ(sucheLupenStelle(), f.gefunden) << f.position << "/" << f.uebNr;
        if (f.gefunden) {
            EXPECT_EQ(ruv.feld("vonPos").alsGanzzahl(), f.von);
            EXPECT_EQ(ruv.feld("bisPos").alsGanzzahl(), f.bis);
        }
    }
}

TEST_F(WortDb, TranskripteNurMitIhremSchalter) {
    RuvoFeldName = "KAT1";
    setzeWortFilter(false);
    struct Fall {
        int position;
        bool woerter, saetze;
        const char* wort;
        const char* satz;
    };
    const Fall faelle[] = {
        {2, false, false, "", ""},
        {2, true, false, "Schmetterlink", ""},
        {2, true, true, "Schmetterlink", ""}, // Satz ist Null
        {4, true, false, "", ""},
        {4, true, true, "", "Heute spielen wier."},
        {1, true, true, "", ""}, // ohne Zeile
    };
    for (const Fall& f : faelle) {
        waehle(f.position);
        TranskripteWoerter = f.woerter;
        TranskripteSaetze = f.saetze;
        WortTranskr = SatzTranskr = "alt";
        ladeTranskripte();
        EXPECT_EQ(WortTranskr, f.wort) << f.position;
        EXPECT_EQ(SatzTranskr, f.satz) << f.position;
    }
}

TEST_F(WortDb, FehlendeDatenbankIstLaufzeitfehler) {
    EXPECT_THROW(oeffneWortDatenbank(ordner.pfad("fehlt.sqlite")), Laufzeitfehler);
}
