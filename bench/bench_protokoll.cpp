// Die Fehlerwörter einer großen Protokolldatei: Stück für Stück gelesen gegen ganz gelesen.
// Jeder Lauf meldet die Zeit und, als Zähler "MiB", den höchsten Speicher des Prozesses bis
// dahin; der stückweise Leser läuft zuerst, damit sein Wert nicht den des anderen trägt.
#include "foundation/Protokolldatei.h"
#include "gamekit/Spielwoerter.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace varku;

namespace {

// eine Datei von etwa 50 MB: Zeilen, wie das Rahmenprogramm sie schreibt
const QString& grosseDatei() {
    static QTemporaryDir ordner;
    static const QString pfad = [] {
        const QString p = ordner.filePath("GROSSDAT.tmp");
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        QByteArray block;
        for (int i = 0; i < 4000; ++i)
            block += i % 3 == 0 ? QByteArray::number(i % 1245) + "= OK\r\n"
                                : QByteArray::number(i % 1245) + "= Schmetterlinkk\r\n";
        while (f.size() < 50 * 1024 * 1024)
            f.write(block);
        return p;
    }();
    return pfad;
}

double hoechsterSpeicherMiB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_maxrss) / 1024.0;
}

void StueckFuerStueck(benchmark::State& state) {
    const QString& pfad = grosseDatei();
    for (auto _ : state) {
        int falsch = 0;
        leseProtokollNummern(pfad, [&](int, bool richtig) { falsch += richtig ? 0 : 1; });
        benchmark::DoNotOptimize(falsch);
    }
    state.counters["MiB"] = hoechsterSpeicherMiB();
}
BENCHMARK(StueckFuerStueck)->Unit(benchmark::kMillisecond)->Iterations(3);

// was ein Spiel beim Start damit tut: die Fehlerwörter sammeln, jedes einmal
void FehlerwoerterEinesSpiels(benchmark::State& state) {
    const QString& pfad = grosseDatei();
    const QFileInfo datei(pfad);
    for (auto _ : state) {
        Spielwoerter w;
        w.leseFehlerWoerter(datei.absolutePath(), {datei.completeBaseName()});
        benchmark::DoNotOptimize(w.FehlerListe.size());
    }
    state.counters["MiB"] = hoechsterSpeicherMiB();
}
BENCHMARK(FehlerwoerterEinesSpiels)->Unit(benchmark::kMillisecond)->Iterations(3);

void GanzGelesen(benchmark::State& state) {
    const QString& pfad = grosseDatei();
    for (auto _ : state) {
        int falsch = 0;
        for (const Protokolleintrag& e : leseProtokoll(pfad))
            falsch += e.richtig ? 0 : 1;
        benchmark::DoNotOptimize(falsch);
    }
    state.counters["MiB"] = hoechsterSpeicherMiB();
}
BENCHMARK(GanzGelesen)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
