#include "data/woerter/Aufruf.h"

#include "data/woerter/tests/QtAusgabe.h"

#include <gtest/gtest.h>

using namespace varku;

TEST(Aufruf, Argumente) {
    const QStringList optionen = {"--tsp", "V.tsp", "--bausteine",   "b.txt",
                                  "--db",  "d.db",  "--sprachliste", "l.txt"};
    const QStringList dateien = {"s00.txt", "s01.txt"};
    struct Fall {
        const char* name;
        QStringList argumente;
        QString fehler; // leer: gültig
    };
    const Fall faelle[] = {
        {"vollständig", optionen + dateien, ""},
        {"Dateien zuerst", dateien + optionen, ""},
        {"ohne Wortdatei", optionen, "keine Wortdatei angegeben"},
        {"ohne --db", optionen.mid(0, 4) + optionen.mid(6) + dateien, "Option --db fehlt"},
        {"Pfad fehlt am Ende", optionen.mid(0, 4) + dateien + QStringList{"--db"},
         "nach --db fehlt der Pfad"},
        {"nächste Option statt Pfad", QStringList{"--tsp"} + optionen.mid(2) + dateien,
         "nach --tsp fehlt der Pfad"},
        {"unbekannte Option", optionen + dateien + QStringList{"-x"}, "unbekannte Option -x"},
        {"Option doppelt", optionen + optionen.mid(0, 2) + dateien,
         "Option --tsp doppelt angegeben"},
        {"Wortdatei doppelt", optionen + dateien + dateien.mid(0, 1),
         "Wortdatei doppelt angegeben: s00.txt"},
    };
    for (const Fall& f : faelle) {
        QString grund;
        const auto a = leseAufruf(f.argumente, grund);
        EXPECT_EQ(grund, f.fehler) << f.name;
        ASSERT_EQ(a.has_value(), f.fehler.isEmpty()) << f.name;
        if (!a)
            continue;
        EXPECT_EQ(a->tsp, "V.tsp");
        EXPECT_EQ(a->bausteine, "b.txt");
        EXPECT_EQ(a->db, "d.db");
        EXPECT_EQ(a->sprachliste, "l.txt");
        EXPECT_EQ(a->wortdateien, dateien);
    }
}
