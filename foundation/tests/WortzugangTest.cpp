#include "foundation/Wortzugang.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "platform/Laufzeitfehler.h"

#include <QDateTime>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::test;

namespace {
struct Zugang : ::testing::Test {
    TestOrdner ordner;
    Wortzugang z;
    Zugang() {
        legeWortDbAn(ordner.pfad("w.sqlite"),
                     {
                         {1, "Igel", "der", 2, true, true, false, "Der @ schläft.", ""},
                         {2, "Schmetterling", "", 5, false, true, true, "", ""},
                         {3, "Kinderzimmer", "das", 4, true, true, false, "Im @ ist Licht.", ""},
                         {4, "Regenschirmen", "", 4, true, true, false, "Unter @.", ""},
                         {5, "Fahrradkette ", "", 1, false, true, false, "@", ""},
                     });
        z.oeffneWortDatenbank(ordner.pfad("w.sqlite"), WortTabellen{true, true, false});
    }
};
} // namespace

// Vorab geöffnete Tabellen (während das Logo steht) nimmt das Öffnen nur, wenn Datei und Tabellen
// dieselben sind und die Datei sich nicht geändert hat; sonst liest es neu. Fehler meldet erst
// das Öffnen.
TEST(Wortzugang, VorabGeoeffnetNurWennUnveraendert) {
    const std::vector<TestWort> fuenf = {
        {1, "Igel", "der", 2, true, true, false, "", ""},
        {2, "Tiger", "der", 2, true, true, false, "", ""},
        {3, "Hund", "der", 1, true, true, false, "", ""},
        {4, "Kino", "das", 1, true, true, false, "", ""},
        {5, "Ball", "der", 1, true, true, false, "", ""},
    };
    const std::vector<TestWort> zwei(fuenf.begin(), fuenf.begin() + 2);
    struct Fall {
        const char* name;
        WortTabellen vorab;
        std::function<void(const TestOrdner&)> dazwischen;
        int woerter; // -1: das Öffnen scheitert
        bool mitLupen;
    };
    const auto ersetze = [&zwei](const TestOrdner& o) {
        const QString neu = legeWortDbAn(o.pfad("neu.sqlite"), zwei);
        QFile::remove(o.pfad("w.sqlite"));
        QFile::rename(neu, o.pfad("w.sqlite"));
        QFile f(o.pfad("w.sqlite"));
        f.open(QIODevice::ReadWrite);
        f.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
    };
    const Fall faelle[] = {
        {"unverändert", {true, true, false}, [](const TestOrdner&) {}, 5, true},
        {"ersetzt", {true, true, false}, ersetze, 2, true},
        {"andere Tabellen", {}, [](const TestOrdner&) {}, 5, true},
        {"gelöscht",
         {true, true, false},
         [](const TestOrdner& o) { QFile::remove(o.pfad("w.sqlite")); },
         -1,
         false},
        {"vorab fehlend",
         {true, true, false},
         [&fuenf](const TestOrdner& o) { legeWortDbAn(o.pfad("w.sqlite"), fuenf); },
         5,
         true},
    };
    for (const Fall& f : faelle) {
        TestOrdner ordner;
        if (std::string(f.name) != "vorab fehlend")
            legeWortDbAn(ordner.pfad("w.sqlite"), fuenf);
        Wortzugang z;
        EXPECT_NO_THROW(z.oeffneVorab(ordner.pfad("w.sqlite"), f.vorab)) << f.name;
        EXPECT_FALSE(z.istOffen()) << f.name;
        f.dazwischen(ordner);
        if (f.woerter < 0) {
            EXPECT_THROW(z.oeffneWortDatenbank(ordner.pfad("w.sqlite"), {true, true, false}),
                         Laufzeitfehler)
                << f.name;
            continue;
        }
        z.oeffneWortDatenbank(ordner.pfad("w.sqlite"), {true, true, false});
        EXPECT_EQ(z.rdb().RecordCount(), f.woerter) << f.name;
        EXPECT_EQ(z.ruv().istOffen(), f.mitLupen) << f.name;
        EXPECT_FALSE(z.tts().istOffen()) << f.name;
    }
}

// Die Längengrenze der Spiele gilt für das getrimmte Wort und immer von allen Wörtern aus.
TEST_F(Zugang, FilterMitLaengengrenze) {
    struct Fall {
        bool gws;
        int max;
        const char* filter;
        int anzahl;
    };
    const Fall faelle[] = {
        {false, 0, "KAT1=TRUE", 5},
        {true, 0, "GWS=TRUE AND KAT1=TRUE", 3},
        {false, 12, "KAT1=TRUE AND Len(Trim(Wort))<= 12", 3}, // 12 Zeichen: drin, 13: draußen
        {true, 12, "GWS=TRUE AND KAT1=TRUE AND Len(Trim(Wort))<= 12", 2},
        {false, 4, "KAT1=TRUE AND Len(Trim(Wort))<= 4", 1},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(Wortzugang::wortFilter("KAT1", f.gws, f.max), f.filter);
        EXPECT_EQ(z.setzeWortFilter("KAT1", f.gws, f.max), f.anzahl) << f.filter;
        EXPECT_EQ(z.AnzahlWoerter(), f.anzahl);
    }
}

TEST_F(Zugang, NachschlagenZurRefNr) {
    z.setzeWortFilter("KAT1", false);
    EXPECT_TRUE(z.findeWort(3));
    EXPECT_EQ(z.refNr(), 3);
    EXPECT_FALSE(z.findeWort(42));
    EXPECT_EQ(z.paraphrase(1), "Umschreibung");
    EXPECT_EQ(z.paraphrase(2), "") << "ohne Zeile in SemSynt";
    EXPECT_EQ(z.satzKontext(1).value_or("-"), "Der @ schläft.");
    EXPECT_FALSE(z.satzKontext(2).has_value());
    EXPECT_EQ(z.transkript(1).wort, "") << "die Tabelle ist nicht geöffnet";
    EXPECT_FALSE(z.sucheLupenStelle(1, 1).has_value());
    z.setzeWortFilter("KAT2", false);
    EXPECT_FALSE(z.findeWort(3)) << "nur unter den gefilterten Wörtern";
}

TEST(Luecke, StricheUndEinsatz) {
    struct Fall {
        const char* satz;
        const char* wort;
        int max;
        const char* ergebnis;
    };
    const Fall faelle[] = {
        {"Der @ schläft.", "Igel", 10, "Der ____ schläft."},
        {"Ein @ fliegt.", "Schmetterling", 10, "Ein __________ fliegt."},
        {"Ein @ fliegt.", "Schmetterling", 8, "Ein ________ fliegt."},
        {"Ohne Lücke.", "Ast", 10, "___Ohne Lücke."},
        {"@@", "ab", 10, "__@"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(
            satzMitEinsatz(QString::fromUtf8(f.satz), luecke(QString::fromUtf8(f.wort), f.max)),
            QString::fromUtf8(f.ergebnis));
}
