// Die Regeln des Fallspiels je Handgriff: ein Fallschritt, eine Taste, eine Landung mit voller
// Reihe und die Suche nach der freien Länge für das nächste Wort
#include "games/fallingletters/Fallspiel.h"

#include <benchmark/benchmark.h>
#include <random>

using namespace varku;
using namespace varku::dolmix;

namespace {

struct Aufbau {
    Spielrunde runde;
    Einstellungen einst;
    std::mt19937 zufall{7};
    Fallspiel spiel{runde, einst, [this](int von, int bis) {
                        return std::uniform_int_distribution<int>(von, bis)(zufall);
                    }};
    Aufbau() {
        runde.nSpieler = 1;
        einst.WarnungEinschalten = 1;
        // ein halb volles Feld mit Lücken, wie mitten in einer Runde
        for (int s = 1; s <= feldSpalten; ++s)
            for (int z = 1; z <= (s * 7) % 9; ++z)
                spiel.legeZelle(s, z,
                                FeldZelle{z % 3 == 0, 1 + s % 6, 99,
                                          z % 3 == 0 ? QStringLiteral("*") : QStringLiteral("a"), 0,
                                          z % 3 == 0});
        spiel.neuesWort(QStringLiteral("Fahrradschlauch"));
        spiel.neuerStein();
        spiel.starte();
    }
};

// ein Takt nach dem anderen, mit Landungen, neuen Steinen, Wörtern und dem Ende der Runde
void Fallschritt(benchmark::State& state) {
    Aufbau a;
    for (auto _ : state) {
        const Ereignis e = a.spiel.fallSchritt();
        benchmark::DoNotOptimize(e.gelandet);
        if (e.wortFertig || e.blockiert) {
            if (e.blockiert) {
                a.spiel.loescheSpielfeld();
                a.spiel.starte();
            }
            a.spiel.neuesWort(QStringLiteral("Straße"));
            a.spiel.neuerStein();
        }
    }
}
BENCHMARK(Fallschritt)->Unit(benchmark::kMicrosecond);

void Taste(benchmark::State& state) {
    Aufbau a;
    while (!a.spiel.steinSichtbar())
        a.spiel.fallSchritt();
    const varku::dolmix::Taste tasten[] = {varku::dolmix::Taste::Links, varku::dolmix::Taste::Hoch,
                                           varku::dolmix::Taste::Rechts,
                                           varku::dolmix::Taste::Runter};
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(a.spiel.taste(tasten[i++ % 4]).zellen.size());
}
BENCHMARK(Taste)->Unit(benchmark::kMicrosecond);

// ein Blank landet und macht die Reihe voll: die unterste geht, das Feld sinkt
void VolleReihe(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Aufbau a;
        a.spiel.loescheSpielfeld();
        for (int s = 1; s < feldSpalten; ++s)
            for (int z = 1; z <= 10; ++z)
                a.spiel.legeZelle(s, z, FeldZelle{true, 0, 99, QStringLiteral("*"), 0, true});
        a.spiel.neuesWort(QStringLiteral("Igel"));
        a.spiel.starte();
        // bis ein Blank in der letzten Spalte fällt
        do
            a.spiel.neuerStein();
        while (!a.spiel.aktStein().istBlank || a.spiel.aktStein().spalte != feldSpalten);
        state.ResumeTiming();
        Ereignis e;
        while (!e.gelandet)
            e = a.spiel.fallSchritt();
        benchmark::DoNotOptimize(e.entfernteZeilen);
    }
}
BENCHMARK(VolleReihe)->Unit(benchmark::kMicrosecond);

void FreieLaenge(benchmark::State& state) {
    Aufbau a;
    for (auto _ : state)
        benchmark::DoNotOptimize(a.spiel.maxFreieLaenge());
}
BENCHMARK(FreieLaenge)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
