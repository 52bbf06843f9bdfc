#include "platform/Recordset.h"

#include "platform/Laufzeitfehler.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace varku;
using namespace varku::db;

namespace {

// legt eine kleine Datenbank an und gibt ihren Pfad zurück
QString legeAn(const QTemporaryDir& dir, const char* sql) {
    const QString pfad = dir.filePath("test.sqlite");
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(QFile::encodeName(pfad).constData(), &db), SQLITE_OK);
    char* fehler = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &fehler), SQLITE_OK)
        << (fehler ? fehler : "");
    sqlite3_free(fehler);
    sqlite3_close(db);
    return pfad;
}

const char* woerter = "CREATE TABLE WortListe (RefNr INTEGER PRIMARY KEY, Wort TEXT NOT NULL, "
                      "Kontext TEXT, KomplexInd INTEGER, GWS BOOLEAN, LIP_ BOOLEAN, Anteil REAL);"
                      "INSERT INTO WortListe VALUES (5, 'Igel', 'der', 2, 1, 1, 0.5);"
                      "INSERT INTO WortListe VALUES (9, 'Tiger', 'der', 3, 0, 1, NULL);"
                      "INSERT INTO WortListe VALUES (11, 'wir', NULL, 1, 1, 1, 2);"
                      "INSERT INTO WortListe VALUES (20, 'Ball', '', 2, 1, 0, 1);";

int ref(const Recordset& r) {
    return int(r.feld("RefNr").alsGanzzahl());
}

} // namespace

TEST(Recordset, FelderUndArten) {
    QTemporaryDir dir;
    Recordset r = Recordset::oeffne(legeAn(dir, woerter), "WortListe");
    EXPECT_EQ(r.RecordCount(), 4);
    EXPECT_EQ(r.AbsolutePosition(), 0);
    EXPECT_EQ(r.feld("wort").text, "Igel") << "Feldnamen ohne Rücksicht auf Groß/klein";
    EXPECT_EQ(r.feld("GWS").art, Wert::Art::Bool);
    EXPECT_TRUE(r.feld("LIP_").wahr());
    EXPECT_EQ(r.feld("KOMPLEXIND").zahl, 2);
    EXPECT_EQ(r.feld("Anteil").zahl, 0.5);
    r.MoveNext();
    r.MoveNext();
    EXPECT_TRUE(r.feld("Kontext").istNull()) << "Null ist kein leerer Text";
    r.MoveNext();
    EXPECT_FALSE(r.feld("Kontext").istNull());
    EXPECT_EQ(r.feld("Kontext").text, "");
    try {
        r.feld("Farbe");
        FAIL();
    } catch (const Laufzeitfehler& f) {
        EXPECT_TRUE(f.meldung().contains("Farbe"));
    }
}

TEST(Recordset, BewegenUndStellen) {
    QTemporaryDir dir;
    Recordset r = Recordset::oeffne(legeAn(dir, woerter), "WortListe");
    r.MoveLast();
    EXPECT_EQ(r.RecordCount(), 4);
    EXPECT_EQ(r.AbsolutePosition(), 3);
    r.MoveNext();
    EXPECT_TRUE(r.Eof());
    EXPECT_EQ(r.AbsolutePosition(), -1);
    EXPECT_THROW(r.MoveNext(), Laufzeitfehler) << "hinter dem Ende geht es nicht weiter";
    EXPECT_THROW(r.feld("Wort"), Laufzeitfehler) << "kein aktueller Datensatz";
    EXPECT_THROW(r.Move(1), Laufzeitfehler);
    // vom Ende zurück an den Anfang, dann an eine Stelle
    r.MoveFirst();
    r.Move(2);
    EXPECT_EQ(ref(r), 11);
    r.Move(-1);
    EXPECT_EQ(ref(r), 9);
    r.Move(0);
    EXPECT_EQ(ref(r), 9);
    r.Move(10);
    EXPECT_TRUE(r.Eof());
    r.MoveFirst();
    r.Move(-1);
    EXPECT_TRUE(r.Bof());
    r.MoveNext();
    EXPECT_EQ(ref(r), 5);
    r.MovePrevious();
    EXPECT_TRUE(r.Bof());
}

TEST(Recordset, FilterGibtEinenNeuenSatz) {
    QTemporaryDir dir;
    const Recordset alle = Recordset::oeffne(legeAn(dir, woerter), "WortListe");
    Recordset lip = alle.gefiltert("LIP_=TRUE");
    EXPECT_EQ(lip.RecordCount(), 3);
    Recordset lipGws = lip.gefiltert("GWS=TRUE");
    EXPECT_EQ(lipGws.RecordCount(), 2);
    EXPECT_EQ(ref(lipGws), 5);
    EXPECT_EQ(alle.RecordCount(), 4) << "der alte Satz bleibt";
    Recordset leer = alle.gefiltert("RefNr>100");
    EXPECT_EQ(leer.RecordCount(), 0);
    EXPECT_TRUE(leer.Eof());
    EXPECT_TRUE(leer.Bof());
    EXPECT_THROW(leer.MoveFirst(), Laufzeitfehler);
    EXPECT_THROW(leer.MoveLast(), Laufzeitfehler);
    EXPECT_THROW(alle.gefiltert("Farbe=1"), Laufzeitfehler);
}

TEST(Recordset, SuchenErsterUndNaechster) {
    QTemporaryDir dir;
    Recordset r = Recordset::oeffne(legeAn(dir, woerter), "WortListe");
    EXPECT_TRUE(r.FindFirst("KomplexInd=2"));
    EXPECT_EQ(ref(r), 5);
    EXPECT_TRUE(r.FindNext("KomplexInd=2"));
    EXPECT_EQ(ref(r), 20);
    EXPECT_FALSE(r.FindNext("KomplexInd=2")) << "nach dem letzten Treffer";
    EXPECT_TRUE(r.NoMatch());
    EXPECT_EQ(ref(r), 20) << "ohne Treffer bleibt die Stelle";
    EXPECT_TRUE(r.FindFirst("Wort Like '*i*'"));
    EXPECT_FALSE(r.NoMatch());
    EXPECT_EQ(ref(r), 5);
    EXPECT_FALSE(r.FindFirst("RefNr=6"));
    EXPECT_EQ(ref(r), 5);
    r.MoveLast();
    r.MoveNext();
    EXPECT_FALSE(r.FindNext("RefNr=5")) << "vom Ende aus findet FindNext nichts";
    EXPECT_TRUE(r.FindFirst("RefNr=5"));
    EXPECT_THROW(r.FindFirst("RefNr="), Laufzeitfehler);
}

TEST(Recordset, FehlendeOderKaputteDatenbankNenntDieDatei) {
    QTemporaryDir dir;
    struct Fall {
        const char* name;
        QString datei;
        QString tabelle;
        const char* nennt;
    };
    QFile kaputt(dir.filePath("kaputt.sqlite"));
    kaputt.open(QIODevice::WriteOnly);
    kaputt.write("das ist keine Datenbank, nur Text, aber lang genug für einen Kopf ..........");
    kaputt.close();
    const QString gut = legeAn(dir, woerter);
    const Fall faelle[] = {
        {"fehlt", dir.filePath("fehlt.sqlite"), "WortListe", "fehlt.sqlite"},
        {"kaputt", dir.filePath("kaputt.sqlite"), "WortListe", "kaputt.sqlite"},
        {"Tabelle fehlt", gut, "SemSynt", "SemSynt"},
        {"Ordner", dir.path(), "WortListe", ""},
    };
    for (const Fall& f : faelle) {
        try {
            Recordset::oeffne(f.datei, f.tabelle);
            ADD_FAILURE() << f.name;
        } catch (const Laufzeitfehler& e) {
            EXPECT_TRUE(e.meldung().contains(QString::fromUtf8(f.nennt)))
                << f.name << ": " << e.what();
        }
    }
}

// Mehrere Tabellen aus einer Öffnung: jede für sich lesbar, auch wenn die anderen schon weg sind
// (sie teilen die offene Datei); eine fehlende Tabelle verhindert die ganze Öffnung.
TEST(Recordset, MehrereTabellenEinerDatei) {
    QTemporaryDir dir;
    const QString pfad =
        legeAn(dir, (std::string(woerter) + "CREATE TABLE SemSynt (RefNr INTEGER, Satz TEXT);"
                                            "INSERT INTO SemSynt VALUES (9, 'Der Tiger schläft.');")
                        .c_str());
    struct Fall {
        const char* name;
        QStringList tabellen;
        std::vector<int> zeilen; // leer: die Öffnung scheitert
        const char* nennt;
    };
    const Fall faelle[] = {
        {"zwei", {"WortListe", "SemSynt"}, {4, 1}, ""},
        {"andere Reihenfolge", {"SemSynt", "WortListe"}, {1, 4}, ""},
        {"eine doppelt", {"SemSynt", "SemSynt"}, {1, 1}, ""},
        {"die zweite fehlt", {"WortListe", "LupenStellen"}, {}, "LupenStellen"},
        {"die erste fehlt", {"Transkripte", "WortListe"}, {}, "Transkripte"},
    };
    for (const Fall& f : faelle) {
        try {
            std::vector<Recordset> saetze = Recordset::oeffne(pfad, f.tabellen);
            ASSERT_EQ(saetze.size(), f.zeilen.size()) << f.name;
            // die erste wird erst gelesen, nachdem alle anderen verschwunden sind
            Recordset erste = saetze.front();
            for (size_t i = 0; i < saetze.size(); ++i)
                EXPECT_EQ(saetze[i].RecordCount(), f.zeilen[i]) << f.name << " " << i;
            saetze.clear();
            EXPECT_EQ(ref(erste), f.tabellen.front() == "SemSynt" ? 9 : 5) << f.name;
            EXPECT_FALSE(erste.feld(f.tabellen.front() == "SemSynt" ? "Satz" : "Wort").istNull())
                << f.name;
        } catch (const Laufzeitfehler& e) {
            EXPECT_TRUE(f.zeilen.empty()) << f.name << ": " << e.what();
            EXPECT_TRUE(e.meldung().contains(QString::fromUtf8(f.nennt))) << f.name;
        }
    }
}

// Ein Fehler beim Filtern, Suchen oder Lesen nennt die Datei und die Tabelle, dazu das Kriterium
// oder das Feld.
TEST(Recordset, FehlerNennenDateiUndKriterium) {
    QTemporaryDir dir;
    const Recordset alle = Recordset::oeffne(legeAn(dir, woerter), "WortListe");
    const QString lang = QString("RefNr>0 AND ").repeated(20) + "Farbe=1";
    struct Fall {
        const char* name;
        std::function<void(Recordset&)> tue;
        int nummer;
        QString nennt;
    };
    const QString herkunft = " (test.sqlite: WortListe)";
    const Fall faelle[] = {
        {"Filter mit unbekanntem Feld", [](Recordset& r) { r.gefiltert("Farbe=1"); },
         Laufzeitfehler::UnbekanntesFeld, "Farbe=1" + herkunft},
        {"Filter mit Syntaxfehler", [](Recordset& r) { r.gefiltert("RefNr=="); },
         Laufzeitfehler::Kriterium, "RefNr==" + herkunft},
        {"Filter mit unverträglichen Arten", [](Recordset& r) { r.gefiltert("Wort=3"); }, 3464,
         "Wort=3" + herkunft},
        {"Filter mit Division durch Null", [](Recordset& r) { r.gefiltert("RefNr/0=1"); },
         Laufzeitfehler::DivisionDurchNull, "RefNr/0=1" + herkunft},
        {"langes Kriterium", [&](Recordset& r) { r.gefiltert(lang); },
         Laufzeitfehler::UnbekanntesFeld, lang.left(80) + "…" + herkunft},
        {"FindFirst", [](Recordset& r) { r.FindFirst("Farbe=1"); }, Laufzeitfehler::UnbekanntesFeld,
         "Farbe=1" + herkunft},
        {"FindNext", [](Recordset& r) { r.FindNext("(RefNr=1"); }, Laufzeitfehler::Kriterium,
         "(RefNr=1" + herkunft},
        {"FindNext am Ende",
         [](Recordset& r) {
             r.MoveLast();
             r.MoveNext();
             r.FindNext("Farbe=1");
         },
         Laufzeitfehler::UnbekanntesFeld, "Farbe=1" + herkunft},
        {"unbekanntes Feld", [](Recordset& r) { r.feld("Farbe"); }, Laufzeitfehler::UnbekanntesFeld,
         "Farbe" + herkunft},
        {"kein Datensatz",
         [](Recordset& r) {
             r.MoveLast();
             r.MoveNext();
             r.MoveNext();
         },
         3021, "test.sqlite: WortListe"},
    };
    for (const Fall& f : faelle) {
        Recordset r = alle;
        try {
            f.tue(r);
            ADD_FAILURE() << "kein Fehler: " << f.name;
        } catch (const Laufzeitfehler& e) {
            EXPECT_EQ(e.nummer(), f.nummer) << f.name << ": " << e.what();
            EXPECT_EQ(e.betrifft(), f.nennt) << f.name << ": " << e.what();
        }
    }
}
