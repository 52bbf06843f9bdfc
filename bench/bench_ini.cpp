// Neuschreiben eines Abschnitts in großen Konfigurationsdateien: eine mit vielen Abschnitten,
// eine nur aus Leerzeilen, je 1 MiB und 50 MiB. Der Speicherbedarf lässt sich mit
// /usr/bin/time -v und --benchmark_filter je Fall messen.
#include "foundation/IniAbschnitt.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace varku;

namespace {

constexpr qsizetype MiB = 1024 * 1024;

enum Art : int64_t { MitAbschnitten = 0, Leerzeilen = 1 };

// viele Abschnitte mit Schlüsseln und Kommentaren, [Varku] in der Mitte
QByteArray mitAbschnitten(qsizetype groesse) {
    QByteArray b;
    b.reserve(groesse + 512);
    const qsizetype mitte = groesse / 2;
    bool varku = false;
    int n = 0;
    while (b.size() < groesse) {
        if (!varku && b.size() >= mitte) {
            b += "[Varku]\r\nTextFontName=Andika\r\nTextFontGr\xc3\xb6\xc3\x9f"
                 "e=28\r\n; Kommentar\r\n";
            varku = true;
        }
        b += "[Abschnitt" + QByteArray::number(n) + "]\r\n";
        for (int k = 0; k < 8; ++k)
            b += "Schluessel" + QByteArray::number(k) + "=Wert mit etwas Text " +
                 QByteArray::number(n * 8 + k) + "\r\n";
        b += "; eine Bemerkung\r\n";
        ++n;
    }
    return b;
}

// ein Kopf [Varku] am Anfang, danach nur Leerzeilen mit LF: der ganze Rest ist der alte
// Abschnitt, jedes Byte eine Zeile
QByteArray ausLeerzeilen(qsizetype groesse) {
    QByteArray b = "[Varku]\nTextFontName=Andika\n";
    b.append(groesse - b.size(), '\n');
    return b;
}

QByteArray datei(const benchmark::State& state) {
    const qsizetype groesse = qsizetype(state.range(0)) * MiB;
    return state.range(1) == Leerzeilen ? ausLeerzeilen(groesse) : mitAbschnitten(groesse);
}

const Schluesselzeilen zeilen{{QStringLiteral("TextFontName"), QStringLiteral("Andika")},
                              {QStringLiteral("TextFontGröße"), QStringLiteral("30")},
                              {QStringLiteral("AutoDialog"), QStringLiteral("1")}};

void groessen(benchmark::internal::Benchmark* b) {
    b->ArgNames({"MiB", "Leerzeilen"});
    for (int64_t mib : {1, 50})
        for (int64_t art : {MitAbschnitten, Leerzeilen})
            b->Args({mib, art});
    b->Unit(benchmark::kMillisecond);
}

void ImSpeicher(benchmark::State& state) {
    const QByteArray alt = datei(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ersetzeAbschnitt(alt, AbschnittsFormat{QStringLiteral("Varku")}, zeilen));
    state.SetBytesProcessed(state.iterations() * alt.size());
}
BENCHMARK(ImSpeicher)->Apply(groessen);

// mit Lesen, Schreiben der temporären Datei, fsync und Umbenennen; die alte Datei wird vor
// jedem Durchgang wiederhergestellt, denn das Neuschreiben lässt die Leerzeilen weg
void AufDerPlatte(benchmark::State& state) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("Varku.ini"));
    const qsizetype groesse = qsizetype(state.range(0)) * MiB;
    for (auto _ : state) {
        state.PauseTiming();
        {
            const QByteArray alt = datei(state);
            QFile f(pfad);
            if (!f.open(QIODevice::WriteOnly) || f.write(alt) != alt.size()) {
                state.SkipWithError("Testdatei nicht geschrieben");
                break;
            }
        }
        state.ResumeTiming();
        schreibeAbschnitt(pfad, AbschnittsFormat{QStringLiteral("Varku")}, zeilen);
    }
    state.SetBytesProcessed(state.iterations() * groesse);
}
BENCHMARK(AufDerPlatte)->Apply(groessen);

} // namespace

BENCHMARK_MAIN();
