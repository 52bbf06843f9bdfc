#include "foundation/testing/TestWortDb.h"

#include <QFile>
#include <sqlite3.h>
#include <stdexcept>

namespace varku::test {

namespace {

void fuehreAus(sqlite3* db, const char* sql) {
    char* fehler = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &fehler) != SQLITE_OK) {
        const std::string m = fehler ? fehler : "?";
        sqlite3_free(fehler);
        throw std::runtime_error(m);
    }
}

void binde(sqlite3_stmt* s, int i, const QString& text) {
    if (text.isEmpty())
        sqlite3_bind_null(s, i);
    else
        sqlite3_bind_text(s, i, text.toUtf8().constData(), -1, SQLITE_TRANSIENT);
}

// eine Zeile je Eintrag, für den binde true sagt
template <typename T, typename F>
void fuegeEin(sqlite3* db, const char* sql, const std::vector<T>& eintraege, F binde) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &s, nullptr) != SQLITE_OK)
        throw std::runtime_error(sql);
    for (const T& e : eintraege) {
        if (binde(s, e))
            sqlite3_step(s);
        sqlite3_reset(s);
        sqlite3_clear_bindings(s);
    }
    sqlite3_finalize(s);
}

} // namespace

QString legeWortDbAn(const QString& pfad, const std::vector<TestWort>& woerter,
                     const std::vector<TestLupe>& lupen,
                     const std::vector<TestTranskript>& transkripte,
                     const QStringList& weitereKategorien) {
    QFile::remove(pfad);
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(pfad).constData(), &db) != SQLITE_OK)
        throw std::runtime_error("Testdatenbank");
    fuehreAus(db, "CREATE TABLE WortListe (RefNr INTEGER PRIMARY KEY, Wort TEXT NOT NULL, "
                  "Kontext TEXT, WaveDat TEXT, KomplexInd INTEGER, GWS BOOLEAN, KAT1 BOOLEAN, "
                  "KAT2 BOOLEAN);"
                  "CREATE TABLE LupenStellen (RefNr INTEGER, ruvo INTEGER, vonPos INTEGER, "
                  "bisPos INTEGER);"
                  "CREATE TABLE SemSynt (RefNr INTEGER, SatzKontext TEXT, Paraphr TEXT);"
                  "CREATE TABLE Transkripte (RefNr INTEGER, WortTranskr TEXT, SatzTranskr TEXT);");
    for (const QString& k : weitereKategorien)
        fuehreAus(db, QStringLiteral("ALTER TABLE WortListe ADD COLUMN %1 BOOLEAN DEFAULT 0;")
                          .arg(k)
                          .toUtf8()
                          .constData());
    fuegeEin(db,
             "INSERT INTO WortListe (RefNr, Wort, Kontext, WaveDat, KomplexInd, GWS, KAT1, KAT2) "
             "VALUES (?,?,?,?,?,?,?,?)",
             woerter, [](sqlite3_stmt* s, const TestWort& w) {
                 sqlite3_bind_int(s, 1, w.refNr);
                 binde(s, 2, w.wort);
                 binde(s, 3, w.kontext);
                 binde(s, 4, w.waveDat);
                 sqlite3_bind_int(s, 5, w.komplexInd);
                 sqlite3_bind_int(s, 6, w.gws);
                 sqlite3_bind_int(s, 7, w.kat1);
                 sqlite3_bind_int(s, 8, w.kat2);
                 return true;
             });
    fuegeEin(db, "INSERT INTO SemSynt VALUES (?,?,'Umschreibung')", woerter,
             [](sqlite3_stmt* s, const TestWort& w) {
                 sqlite3_bind_int(s, 1, w.refNr);
                 binde(s, 2, w.satz);
                 return !w.satz.isEmpty();
             });
    fuegeEin(db, "INSERT INTO LupenStellen VALUES (?,?,?,?)", lupen,
             [](sqlite3_stmt* s, const TestLupe& l) {
                 sqlite3_bind_int(s, 1, l.refNr);
                 sqlite3_bind_int(s, 2, l.ruvo);
                 sqlite3_bind_int(s, 3, l.von);
                 sqlite3_bind_int(s, 4, l.bis);
                 return true;
             });
    fuegeEin(db, "INSERT INTO Transkripte VALUES (?,?,?)", transkripte,
             [](sqlite3_stmt* s, const TestTranskript& t) {
                 sqlite3_bind_int(s, 1, t.refNr);
                 binde(s, 2, t.wort);
                 binde(s, 3, t.satz);
                 return true;
             });
    sqlite3_close(db);
    return pfad;
}

} // namespace varku::test
