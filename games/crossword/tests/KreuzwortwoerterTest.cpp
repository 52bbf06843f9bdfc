// Die Wörter des Kreuzworträtsels aus einer Wortdatenbank: Längengrenze, Umschreibung und
// Beispielsatz der Lösungshilfe.
#include "games/crossword/Kreuzwortwoerter.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "games/crossword/Kreuzwortgitter.h"

#include <gtest/gtest.h>

using namespace varku;
using namespace varku::wendomar;
using namespace varku::test;

namespace {

struct Woerter : ::testing::Test {
    TestOrdner ordner;
    Spielwoerter w;
    Woerter() {
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{42, "Ast", "der", 1, false, true, false, "Der @ bricht.", ""},
                      {7, "Schulaufgabe", "die", 1, false, true, false, "Die @ ist leicht.", ""},
                      {8, "Schulaufgaben", "die", 1, false, true, false, "Viele @.", ""},
                      {9, "Katze ", "die", 1, false, true, false, "", ""},
                      {10, "Hund", "der", 1, false, true, false, "Ohne Stelle.", ""}});
        w.oeffneWortDatenbank(ordner.pfad("Varku-D.sqlite"), WortTabellen{false, true, false});
    }
    void aufWort(long nr) { ASSERT_TRUE(w.zugang().findeWort(nr)) << nr; }
};

} // namespace

// Höchstens 12 Zeichen ohne die Leerzeichen am Rand
TEST_F(Woerter, ZwoelfZeichenUndNichtMehr) {
    EXPECT_EQ(w.setzeWortFilter("KAT1", false, hoechstensBuchstaben), 4);
    QStringList woerter;
    for (w.rdb().MoveFirst(); !w.rdb().Eof(); w.rdb().MoveNext())
        woerter << w.rdb().feld("Wort").alsText();
    woerter.sort();
    EXPECT_EQ(woerter, QStringList({"Ast", "Hund", "Katze ", "Schulaufgabe"}));
}

TEST_F(Woerter, UmschreibungUndBeispielsatz) {
    w.setzeWortFilter("KAT1", false, hoechstensBuchstaben);
    struct Fall {
        long nr;
        const char* umschreibung;
        const char* satz;
    };
    const Fall faelle[] = {
        {42, "Umschreibung", "Der ________ bricht."},
        {7, "Umschreibung", "Die ________ ist leicht."}, // immer acht, wie lang das Wort auch ist
        {9, "", ""},                                     // keine Zeile: nichts, nicht das vorige
        {10, "Umschreibung", ""},                        // kein "@": kein Satz
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.nr);
        aufWort(f.nr);
        EXPECT_EQ(leseParaphrase(w), f.umschreibung);
        EXPECT_EQ(bildeSatzKontext(w), f.satz);
    }
}

// Die Umschreibung sucht "RefNr= 42" mit einem Leerzeichen, wie die Zahl als Text steht
TEST_F(Woerter, NummerMitLeerzeichen) {
    EXPECT_TRUE(w.zugang().phr().FindFirst("RefNr= 42"));
    EXPECT_EQ(w.zugang().phr().feld("RefNr").alsGanzzahl(), 42);
}
