#include "data/woerter/Wortdatenbank.h"

#include "data/woerter/tests/QtAusgabe.h"
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace varku;

namespace {

// alle Zeilen einer Abfrage als Text, NULL als "NULL"
QList<QStringList> abfrage(const QString& datei, const char* sql) {
    QList<QStringList> zeilen;
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(datei).constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
            SQLITE_OK &&
        sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK) {
        while (sqlite3_step(st) == SQLITE_ROW) {
            QStringList z;
            for (int i = 0; i < sqlite3_column_count(st); ++i) {
                const auto* t = sqlite3_column_text(st, i);
                z.append(t ? QString::fromUtf8(reinterpret_cast<const char*>(t)) : "NULL");
            }
            zeilen.append(z);
        }
    } else {
        ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db);
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return zeilen;
}

Worteintrag wort(int nr, const QString& w, const QString& kontext, QList<Lupenstelle> stellen,
                 const QString& wortTranskr = {}, const QString& satzTranskr = {}) {
    Worteintrag e;
    e.refNr = nr;
    e.wort = w;
    e.kontext = kontext;
    e.komplexInd = nr % 6 + 1;
    e.gws = nr == 1;
    e.kategorien = stellen;
    e.satz = "Satz mit @.";
    e.umschreibung = "Umschreibung " + w;
    e.wortTranskr = wortTranskr;
    e.satzTranskr = satzTranskr;
    e.waveDat = "W" + QString::number(nr);
    return e;
}

// "DESC" ist ein Schlüsselwort von SQL und muss geschützt werden
const QList<Kategorie> kategorien = {
    {"sch", "SCH_", 1, 1, 2}, {"Schlüsselwort", "DESC", 1, 2, 3}, {"Nomen", "GK1M", 11, 3, 5}};

const QList<Worteintrag> woerter = {
    // die Kategorien absichtlich nicht in ruvo-Reihenfolge
    wort(1, "Fisch", "der", {{"GK1M", 1, 1}, {"SCH_", 3, 5}}),
    wort(2, "alle", "-", {{"DESC", 2, 3}}, "alle"),
    wort(7, "Fuß", "der", {{"SCH_", 1, 1}, {"GK1M", 1, 1}, {"DESC", 2, 2}}, {}, "Der Fuhs."),
};

} // namespace

TEST(Wortdatenbank, Tabellen) {
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath("Varku-D.sqlite");
    QFile alt(ziel);
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.write("keine Datenbank");
    alt.close();

    ASSERT_EQ(schreibeWortdatenbank(ziel, kategorien, woerter), QString());
    EXPECT_FALSE(QFile::exists(ziel + ".tmp"));

    EXPECT_EQ(abfrage(ziel, "SELECT name FROM sqlite_master ORDER BY name"),
              (QList<QStringList>{{"LupenStellen"}, {"SemSynt"}, {"Transkripte"}, {"WortListe"}}));
    EXPECT_EQ(
        abfrage(ziel, "SELECT name, type, \"notnull\", pk FROM pragma_table_info('WortListe')"),
        (QList<QStringList>{{"RefNr", "INTEGER", "0", "1"},
                            {"Wort", "TEXT", "1", "0"},
                            {"Kontext", "TEXT", "0", "0"},
                            {"WaveDat", "TEXT", "0", "0"},
                            {"KomplexInd", "INTEGER", "0", "0"},
                            {"GWS", "BOOLEAN", "0", "0"},
                            {"SCH_", "BOOLEAN", "0", "0"},
                            {"DESC", "BOOLEAN", "0", "0"},
                            {"GK1M", "BOOLEAN", "0", "0"}}));
    EXPECT_EQ(abfrage(ziel, "SELECT *, typeof(Kontext), typeof(GWS) FROM WortListe ORDER BY rowid"),
              (QList<QStringList>{
                  {"1", "Fisch", "der", "W1", "2", "1", "1", "0", "1", "text", "integer"},
                  {"2", "alle", "NULL", "W2", "3", "0", "0", "1", "0", "null", "integer"},
                  {"7", "Fuß", "der", "W7", "2", "0", "1", "1", "1", "text", "integer"}}));
    // Zeilen eines Wortes beisammen, in ruvo-Reihenfolge
    EXPECT_EQ(abfrage(ziel, "SELECT * FROM LupenStellen ORDER BY rowid"),
              (QList<QStringList>{{"1", "1", "3", "5"},
                                  {"1", "3", "1", "1"},
                                  {"2", "2", "2", "3"},
                                  {"7", "1", "1", "1"},
                                  {"7", "2", "2", "2"},
                                  {"7", "3", "1", "1"}}));
    EXPECT_EQ(abfrage(ziel, "SELECT * FROM SemSynt ORDER BY rowid"),
              (QList<QStringList>{{"1", "Satz mit @.", "Umschreibung Fisch"},
                                  {"2", "Satz mit @.", "Umschreibung alle"},
                                  {"7", "Satz mit @.", "Umschreibung Fuß"}}));
    EXPECT_EQ(abfrage(ziel, "SELECT * FROM Transkripte ORDER BY rowid"),
              (QList<QStringList>{{"2", "alle", "NULL"}, {"7", "NULL", "Der Fuhs."}}));
}

TEST(Wortdatenbank, FehlerLaesstDieAlteDateiStehen) {
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath("Varku-D.sqlite");
    ASSERT_EQ(schreibeWortdatenbank(ziel, kategorien, woerter), QString());

    struct Fall {
        const char* name;
        QString ziel;
        QList<Worteintrag> woerter;
    };
    QList<Worteintrag> doppelt = woerter;
    doppelt.append(woerter[0]); // RefNr ist Primärschlüssel: scheitert mitten im Schreiben
    const Fall faelle[] = {
        {"Primärschlüssel doppelt", ziel, doppelt},
        {"Ordner fehlt", ordner.filePath("fehlt/Varku-D.sqlite"), woerter},
    };
    for (const Fall& f : faelle) {
        const QString grund = schreibeWortdatenbank(f.ziel, kategorien, f.woerter);
        EXPECT_FALSE(grund.isEmpty()) << f.name;
        EXPECT_FALSE(QFile::exists(f.ziel + ".tmp")) << f.name;
    }
    EXPECT_EQ(abfrage(ziel, "SELECT count(*) FROM WortListe"), (QList<QStringList>{{"3"}}));
}
