#include "frame/rdbManager.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "platform/Laufzeitfehler.h"

#include <gtest/gtest.h>

using namespace varku;
using namespace varku::test;

namespace {

struct WortDb : ::testing::Test {
    TestOrdner ordner;
    rdbManager db;
    WortDb() {
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
        db.oeffneWortDatenbank(ordner.pfad("Varku-D.sqlite"));
    }
    int aktuelleRef() const { return int(db.refNr()); }
    void waehle(int position) {
        db.positioniereWort(position);
        db.ladeWort(false);
    }
};

} // namespace

TEST_F(WortDb, NeuerFilterBeginntImmerBeiAllenWoertern) {
    EXPECT_EQ(db.setzeWortFilter("KAT1", true), 2);
    EXPECT_EQ(db.setzeWortFilter("KAT1", false), 5) << "nicht nur aus dem vorigen Filter";
    EXPECT_EQ(db.setzeWortFilter("KAT2", true), 1);
    EXPECT_EQ(db.AnzahlWoerter(), 1);
    EXPECT_EQ(aktuelleRef(), 3);
}

TEST_F(WortDb, KategorieOhneWoerter) {
    db.setzeWortFilter("KAT2", false);
    legeWortDbAn(ordner.pfad("leer.sqlite"), {{1, "Igel", "der", 2, false, false, false, "", ""}});
    db.oeffneWortDatenbank(ordner.pfad("leer.sqlite"));
    EXPECT_EQ(db.setzeWortFilter("KAT1", false), 0);
    EXPECT_FALSE(db.stehtAufWort());
}

TEST_F(WortDb, UnbekannteKategorieNenntDieSpalte) {
    EXPECT_TRUE(db.hatKategorie("kat1")) << "ohne Rücksicht auf die Schreibung";
    EXPECT_FALSE(db.hatKategorie("XYZ_"));
    try {
        db.setzeWortFilter("XYZ_", false);
        FAIL();
    } catch (const Laufzeitfehler& f) {
        EXPECT_TRUE(f.meldung().contains("XYZ_"));
    }
}

TEST_F(WortDb, PositionAuchVonHinterDemEnde) {
    db.setzeWortFilter("KAT1", false);
    struct Fall {
        int position;
        int ref;
    };
    const Fall folge[] = {{3, 4}, {1, 1}, {5, 6}, {2, 2}, {5, 6}};
    for (const Fall& f : folge) {
        db.positioniereWort(f.position);
        EXPECT_EQ(aktuelleRef(), f.ref) << f.position;
    }
    db.zugang().rdb().MoveNext();
    ASSERT_TRUE(db.zugang().rdb().Eof());
    db.positioniereWort(4);
    EXPECT_EQ(aktuelleRef(), 5);
}

TEST_F(WortDb, BeispielsatzMitLueckeOderWort) {
    db.setzeWortFilter("KAT1", false);
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
        db.bildeSatzKontext(f.mitWort);
        EXPECT_EQ(db.Beispielsatz, QString::fromUtf8(f.satz)) << f.position;
    }
    // ohne Zeile in SemSynt: leer
    db.setzeWortFilter("KAT2", false);
    waehle(2);
    EXPECT_EQ(aktuelleRef(), 3);
    db.Beispielsatz = "alt";
    db.bildeSatzKontext(false);
    EXPECT_EQ(db.Beispielsatz, "");
}

TEST_F(WortDb, ZehnBuchstabenGebenGenauZehnStriche) {
    legeWortDbAn(ordner.pfad("zehn.sqlite"),
                 {{1, "Regenschir", "", 1, false, true, false, "@", ""},
                  {2, "Regenschirm", "", 1, false, true, false, "@", ""},
                  {3, "Neunbuchs", "", 1, false, true, false, "@", ""}});
    db.oeffneWortDatenbank(ordner.pfad("zehn.sqlite"));
    db.setzeWortFilter("KAT1", false);
    for (int p : {1, 2, 3}) {
        waehle(p);
        db.bildeSatzKontext(false);
        EXPECT_EQ(db.Beispielsatz, QString(p == 3 ? 9 : 10, '_')) << p;
    }
}

TEST_F(WortDb, LupenstelleDerAktuellenKategorie) {
    db.setzeWortFilter("KAT1", false);
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
        EXPECT_EQ(db.sucheLupenStelle(f.uebNr), f.gefunden) << f.position << "/" << f.uebNr;
        EXPECT_EQ(db.vonPos, f.von);
        EXPECT_EQ(db.bisPos, f.bis);
    }
}

TEST_F(WortDb, TranskripteNurMitIhremSchalter) {
    db.setzeWortFilter("KAT1", false);
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
        db.WortTranskr = db.SatzTranskr = "alt";
        db.ladeTranskripte(f.woerter, f.saetze);
        EXPECT_EQ(db.WortTranskr, f.wort) << f.position;
        EXPECT_EQ(db.SatzTranskr, f.satz) << f.position;
    }
}

TEST_F(WortDb, FehlendeDatenbankIstLaufzeitfehler) {
    EXPECT_THROW(db.oeffneWortDatenbank(ordner.pfad("fehlt.sqlite")), Laufzeitfehler);
}

// Die Lupenstelle gilt nur, wenn sie in das Wort passt; sonst meldet sie nie einen Lupenfehler.
TEST_F(WortDb, LupeNurMitGueltigerStelle) {
    struct Fall {
        int von, bis;
        bool gueltig;
    };
    const Fall faelle[] = {{0, 0, false}, {1, 4, true},  {4, 4, true},  {2, 5, false},
                           {3, 2, false}, {0, 2, false}, {-1, 1, false}};
    db.Wort = "Igel";
    for (const Fall& f : faelle) {
        db.vonPos = f.von;
        db.bisPos = f.bis;
        EXPECT_EQ(db.hatLupe(), f.gueltig) << f.von << "-" << f.bis;
    }
}
