// Neuschreiben eines Abschnitts in einer Konfigurationsdatei von 1 MiB
#include "foundation/IniAbschnitt.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace varku;

namespace {

// viele Abschnitte mit Schlüsseln und Kommentaren, [Varku] in der Mitte
QByteArray grosseDatei() {
    QByteArray b;
    int n = 0;
    while (b.size() < 1024 * 1024) {
        if (n == 2000)
            b += "[Varku]\r\nTextFontName=Andika\r\nTextFontGr\xc3\xb6\xc3\x9f"
                 "e=28\r\n; Kommentar\r\n";
        b += "[Abschnitt" + QByteArray::number(n) + "]\r\n";
        for (int k = 0; k < 8; ++k)
            b += "Schluessel" + QByteArray::number(k) + "=Wert mit etwas Text " +
                 QByteArray::number(n * 8 + k) + "\r\n";
        b += "; eine Bemerkung\r\n";
        ++n;
    }
    return b;
}

const Schluesselzeilen zeilen{{QStringLiteral("TextFontName"), QStringLiteral("Andika")},
                              {QStringLiteral("TextFontGröße"), QStringLiteral("30")},
                              {QStringLiteral("AutoDialog"), QStringLiteral("1")}};

void ImSpeicher(benchmark::State& state) {
    const QByteArray datei = grosseDatei();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ersetzeAbschnitt(datei, AbschnittsFormat{QStringLiteral("Varku")}, zeilen));
    state.SetBytesProcessed(state.iterations() * datei.size());
}
BENCHMARK(ImSpeicher)->Unit(benchmark::kMillisecond);

// mit Lesen, Schreiben der temporären Datei, fsync und Umbenennen
void AufDerPlatte(benchmark::State& state) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("Varku.ini"));
    const QByteArray datei = grosseDatei();
    {
        QFile f(pfad);
        f.open(QIODevice::WriteOnly);
        f.write(datei);
    }
    for (auto _ : state)
        schreibeAbschnitt(pfad, AbschnittsFormat{QStringLiteral("Varku")}, zeilen);
    state.SetBytesProcessed(state.iterations() * datei.size());
}
BENCHMARK(AufDerPlatte)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
