// Die Regeln des Kartenspiels je Handgriff: ein neues Wort legen, eine Karte aufdecken und ganz
// werten, der Zug des Computers mit seinen drei Suchen
#include "games/hiddenletters/Kartenspiel.h"

#include <benchmark/benchmark.h>
#include <random>

using namespace varku;
using namespace varku::kartomin;

namespace {

struct Aufbau {
    Spielrunde runde;
    std::mt19937 zufall{7};
    Kartenspiel spiel{runde, [this](int von, int bis) {
                          return std::uniform_int_distribution<int>(von, bis)(zufall);
                      }};
    Aufbau() {
        runde.nSpieler = 2;
        spiel.neuesWort(QStringLiteral("Schmetterling"));
    }
    // eine Karte ganz: aufdecken, werten, warten, abschließen; ein fertiges Wort kommt neu
    void nimm(int feld) {
        if (!spiel.deckeFeldAuf(feld))
            return;
        spiel.werteAus();
        if (spiel.beendeWartezeit().neuesWort)
            spiel.neuesWort(QStringLiteral("Schmetterling"));
        spiel.schliesseWertungAb();
    }
};

void NeuesWort(benchmark::State& state) {
    Aufbau a;
    const QString woerter[] = {QStringLiteral("Igel"), QStringLiteral("Donaudampfschifffahrt"),
                               QStringLiteral("Straße")};
    size_t i = 0;
    for (auto _ : state) {
        a.spiel.neuesWort(woerter[i++ % 3]);
        benchmark::DoNotOptimize(a.spiel.karte(24).inhalt.size());
    }
}
BENCHMARK(NeuesWort)->Unit(benchmark::kMicrosecond);

// Karte für Karte über das Feld, mit Treffern, Fehlgriffen, Jokern und fertigen Wörtern
void KarteWerten(benchmark::State& state) {
    Aufbau a;
    int feld = 0;
    for (auto _ : state) {
        a.nimm(feld);
        feld = (feld + 7) % feldKarten;
        benchmark::DoNotOptimize(a.runde.SpielerPunkte[0]);
    }
}
BENCHMARK(KarteWerten)->Unit(benchmark::kMicrosecond);

void ComputerZug(benchmark::State& state) {
    Aufbau a;
    const int staerke = int(state.range(0));
    for (auto _ : state) {
        const Computerzug z = a.spiel.simuliereComputerZug(staerke);
        benchmark::DoNotOptimize(z.feld);
        a.spiel.werteAus();
        if (a.spiel.beendeWartezeit().neuesWort)
            a.spiel.neuesWort(QStringLiteral("Schmetterling"));
        a.spiel.schliesseWertungAb();
    }
}
BENCHMARK(ComputerZug)->Arg(staerkeStark)->Arg(staerkeSchwach)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
