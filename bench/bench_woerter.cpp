// Öffnen, Filtern und Suchen auf erzeugten Wortdatenbanken von 10 000 und 100 000 Wörtern
#include "platform/Recordset.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <random>
#include <sqlite3.h>

using namespace varku::db;

namespace {

// eine Wortliste wie die echte: 52 Kategorien, Kontext, Aufnahme, Schwierigkeit
QString erzeuge(const QString& pfad, int anzahl) {
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(pfad).constData(), &db);
    QString sql = "CREATE TABLE WortListe (RefNr INTEGER PRIMARY KEY, Wort TEXT NOT NULL, "
                  "Kontext TEXT, WaveDat TEXT, KomplexInd INTEGER, GWS BOOLEAN";
    for (int k = 0; k < 52; ++k)
        sql += QString(", K%1__ BOOLEAN").arg(k, 2, 10, QChar('0'));
    sql += ")";
    sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    QString einfuegen = "INSERT INTO WortListe VALUES (?,?,?,?,?,?";
    for (int k = 0; k < 52; ++k)
        einfuegen += ",?";
    einfuegen += ")";
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, einfuegen.toUtf8().constData(), -1, &s, nullptr);
    std::mt19937 gen(42);
    const char* silben[] = {"ba", "ke", "li", "mo", "ru", "sch", "ck", "tz", "ie", "ä", "st", "b"};
    for (int i = 1; i <= anzahl; ++i) {
        QString wort;
        const int n = 2 + int(gen() % 4);
        for (int j = 0; j < n; ++j)
            wort += QString::fromUtf8(silben[gen() % 12]);
        wort[0] = wort[0].toUpper();
        const QByteArray w = wort.toUtf8();
        sqlite3_bind_int(s, 1, i);
        sqlite3_bind_text(s, 2, w.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 3, "der", -1, SQLITE_STATIC);
        sqlite3_bind_text(s, 4, w.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(s, 5, 1 + int(gen() % 6));
        sqlite3_bind_int(s, 6, gen() % 3 == 0);
        for (int k = 0; k < 52; ++k)
            sqlite3_bind_int(s, 7 + k, gen() % 26 == 0);
        sqlite3_step(s);
        sqlite3_reset(s);
    }
    sqlite3_finalize(s);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return pfad;
}

QTemporaryDir& ordner() {
    static QTemporaryDir d;
    return d;
}

const QString& datenbank(int anzahl) {
    static std::map<int, QString> dateien;
    auto it = dateien.find(anzahl);
    if (it == dateien.end())
        it = dateien
                 .emplace(anzahl,
                          erzeuge(ordner().filePath(QString("w%1.sqlite").arg(anzahl)), anzahl))
                 .first;
    return it->second;
}

// so beginnt eine Übung: Tabelle öffnen, auf eine Kategorie filtern, Wörter zählen
void OeffnenUndFiltern(benchmark::State& state) {
    const QString& pfad = datenbank(int(state.range(0)));
    for (auto _ : state) {
        Recordset alle = Recordset::oeffne(pfad, "WortListe");
        Recordset r = alle.gefiltert("GWS=TRUE AND K07__=TRUE");
        if (r.RecordCount() > 0) {
            r.MoveLast();
            r.MoveFirst();
        }
        benchmark::DoNotOptimize(r.RecordCount());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(OeffnenUndFiltern)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

void NurFiltern(benchmark::State& state) {
    const Recordset alle = Recordset::oeffne(datenbank(int(state.range(0))), "WortListe");
    for (auto _ : state)
        benchmark::DoNotOptimize(alle.gefiltert("GWS=TRUE AND K07__=TRUE").RecordCount());
    state.SetComplexityN(state.range(0));
}
BENCHMARK(NurFiltern)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

// alle Treffer eines Like-Kriteriums nacheinander finden, wie ein Spiel seine Wörter sucht
void SuchenMitLike(benchmark::State& state) {
    Recordset r = Recordset::oeffne(datenbank(int(state.range(0))), "WortListe");
    int treffer = 0;
    for (auto _ : state) {
        treffer = 0;
        const QString k = "Wort Like \"*A*B*\" AND Len(Trim(Wort))<= 12";
        for (bool ok = r.FindFirst(k); ok; ok = r.FindNext(k))
            ++treffer;
    }
    state.counters["Treffer"] = treffer;
    state.SetComplexityN(state.range(0));
}
BENCHMARK(SuchenMitLike)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

BENCHMARK_MAIN();
