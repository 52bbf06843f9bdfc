// Die Lückenwörter des Kartenspiels auf der echten Wortdatenbank: das Zählen beider Vorräte beim
// Laden (je Kategorie), das Ziehen eines Aufrufs und die Prüfung auf ein Zelko
#include "foundation/Schwerpunktliste.h"
#include "games/wordcard/Kategorietabelle.h"
#include "games/wordcard/Lueckenwoerter.h"
#include "games/wordcard/Zelkospiel.h"

#include <QDir>
#include <benchmark/benchmark.h>
#include <random>

using namespace varku;
using namespace varku::zelko;

namespace {

struct Daten {
    QDir ordner{QStringLiteral(VARKU_PROGRAMMORDNER)};
    std::vector<Kategoriesatz> saetze =
        leseKategorieDatei(ordner.filePath(QStringLiteral("Varku.kmp")));
    QStringList kategorien =
        leseSchwerpunktDatei(ordner.filePath(QStringLiteral("Varku.tsp"))).codes;
    std::vector<db::Recordset> tabellen = db::Recordset::oeffne(
        ordner.filePath(QStringLiteral("Varku-D.sqlite")),
        {QStringLiteral("WortListe"), QStringLiteral("LupenStellen"), QStringLiteral("SemSynt")});
    std::mt19937 zufall{11};
    Lueckenwoerter woerter(size_t i) {
        return Lueckenwoerter(saetze[i % saetze.size()], kategorien, tabellen[0], tabellen[1],
                              tabellen[2], [this](int von, int bis) {
                                  return std::uniform_int_distribution<int>(von, bis)(zufall);
                              });
    }
};

Daten& daten() {
    static Daten d;
    return d;
}

// das Laden eines Spiels: Datensatz gewählt, beide Vorräte gezählt; reihum über die Kategorien
void VorraeteZaehlen(benchmark::State& state) {
    size_t i = 0;
    for (auto _ : state) {
        Lueckenwoerter w = daten().woerter(i++);
        benchmark::DoNotOptimize(w.PoolAnzahlA() + w.PoolAnzahlB());
    }
}
BENCHMARK(VorraeteZaehlen)->Unit(benchmark::kMillisecond);

// ein Aufruf nach jeder richtigen Antwort
void AufrufZiehen(benchmark::State& state) {
    Lueckenwoerter w = daten().woerter(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(w.naechsteLuecke());
}
BENCHMARK(AufrufZiehen)->Unit(benchmark::kMicrosecond);

void ZelkoPruefen(benchmark::State& state) {
    Zelkokarten k;
    for (int f : {1, 2, 3, 4, 7, 8, 12, 14, 19, 23})
        k.markiere(0, f);
    for (auto _ : state)
        benchmark::DoNotOptimize(k.pruefeZelkoReihe(0));
}
BENCHMARK(ZelkoPruefen);

} // namespace

BENCHMARK_MAIN();
