#include "TestWortDb.h"

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

} // namespace

QString legeWortDbAn(const QString& pfad, const std::vector<TestWort>& woerter,
                     const std::vector<TestLupe>& lupen,
                     const std::vector<TestTranskript>& transkripte) {
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
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO WortListe VALUES (?,?,?,?,?,?,?,?)", -1, &s, nullptr);
    for (const TestWort& w : woerter) {
        sqlite3_bind_int(s, 1, w.refNr);
        binde(s, 2, w.wort);
        binde(s, 3, w.kontext);
        binde(s, 4, w.waveDat);
        sqlite3_bind_int(s, 5, w.komplexInd);
        sqlite3_bind_int(s, 6, w.gws);
        sqlite3_bind_int(s, 7, w.kat1);
        sqlite3_bind_int(s, 8, w.kat2);
        sqlite3_step(s);
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    sqlite3_prepare_v2(db, "INSERT INTO SemSynt VALUES (?,?,'Umschreibung')", -1, &s, nullptr);
    for (const TestWort& w : woerter)
        if (!w.satz.isEmpty()) {
            sqlite3_bind_int(s, 1, w.refNr);
            binde(s, 2, w.satz);
            sqlite3_step(s);
            sqlite3_reset(s);
        }
    sqlite3_finalize(s);
    sqlite3_prepare_v2(db, "INSERT INTO LupenStellen VALUES (?,?,?,?)", -1, &s, nullptr);
    for (const TestLupe& l : lupen) {
        sqlite3_bind_int(s, 1, l.refNr);
        sqlite3_bind_int(s, 2, l.ruvo);
        sqlite3_bind_int(s, 3, l.von);
        sqlite3_bind_int(s, 4, l.bis);
        sqlite3_step(s);
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    sqlite3_prepare_v2(db, "INSERT INTO Transkripte VALUES (?,?,?)", -1, &s, nullptr);
    for (const TestTranskript& t : transkripte) {
        sqlite3_bind_int(s, 1, t.refNr);
        binde(s, 2, t.wort);
        binde(s, 3, t.satz);
        sqlite3_step(s);
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
    return pfad;
}

} // namespace varku::test
