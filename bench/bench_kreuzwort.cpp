// Der Generator des Kreuzworträtsels: das nächste Wort auf einem Brett mit seinen Wortplätzen
// und ein ganzes Brett, auf der ausgelieferten Wortdatenbank und auf 100 000 erzeugten Wörtern.
#include "foundation/Schwerpunktliste.h"
#include "foundation/Wortzugang.h"
#include "games/crossword/Kreuzwortgitter.h"
#include "games/crossword/Steinlage.h"
#include "platform/testing/Worttabelle.h"

#include <QDir>
#include <QFileInfo>
#include <benchmark/benchmark.h>
#include <random>

using namespace varku;
using namespace varku::wendomar;

namespace {

// Wörter aus Silben, wie deutsche Wörter: 3 bis 12 Buchstaben
QStringList erzeugteWoerter(int anzahl) {
    static const QStringList anlaute{"b", "d", "f", "g", "h", "k",   "l",  "m",  "n",  "p",
                                     "r", "s", "t", "w", "z", "sch", "st", "br", "kl", "tr"};
    static const QStringList vokale{"a", "e", "i", "o", "u", "ä", "ö", "ü", "au", "ei", "ie"};
    static const QStringList auslaute{"", "n", "r", "l", "t", "s", "ß", "ck", "ng", "nd"};
    std::mt19937 z(7);
    QStringList woerter;
    while (woerter.size() < anzahl) {
        QString w;
        const int silben = std::uniform_int_distribution<int>(1, 4)(z);
        for (int s = 0; s < silben; ++s)
            w += anlaute[z() % anlaute.size()] + vokale[z() % vokale.size()] +
                 auslaute[z() % auslaute.size()];
        if (w.size() < 3 || w.size() > hoechstensBuchstaben)
            continue;
        w[0] = w[0].toUpper();
        woerter << w;
    }
    return woerter;
}

struct Quelle {
    Wortzugang zugang;   // die ausgelieferte Datenbank
    db::Recordset menge; // oder die erzeugten Wörter
    db::Recordset* woerter = nullptr;
};

Quelle& ausgeliefert() {
    static Quelle q = [] {
        Quelle q;
        const QDir ordner(QStringLiteral(VARKU_PROGRAMMORDNER));
        q.zugang.oeffneWortDatenbank(ordner.filePath(QStringLiteral("Varku-D.sqlite")), {});
        // die Kategorie mit den meisten Wörtern
        const SchwerpunktDatei tsp =
            leseSchwerpunktDatei(ordner.filePath(QStringLiteral("Varku.tsp")));
        QString beste;
        int meiste = -1;
        for (const QString& code : tsp.codes) {
            const int n = q.zugang.setzeWortFilter(code, false, hoechstensBuchstaben);
            if (n > meiste) {
                meiste = n;
                beste = code;
            }
        }
        q.zugang.setzeWortFilter(beste, false, hoechstensBuchstaben);
        q.woerter = &q.zugang.rdb();
        return q;
    }();
    return q;
}

Quelle& erzeugt() {
    static Quelle q = [] {
        Quelle q;
        q.menge = test::worttabelle(erzeugteWoerter(100000));
        q.woerter = &q.menge;
        return q;
    }();
    return q;
}

Quelle& quelle(int n) {
    return n == 0 ? ausgeliefert() : erzeugt();
}

// Ein Brett mit einigen Wörtern, die Wortplätze gesammelt: von hier sucht jede Runde das
// nächste Wort
void NaechstesWort(benchmark::State& state) {
    Quelle& q = quelle(int(state.range(0)));
    std::mt19937 zufall(3);
    const auto wuerfel = [&](int von, int bis) {
        return std::uniform_int_distribution<int>(von, bis)(zufall);
    };
    Kreuzwortgitter brett(*q.woerter, wuerfel);
    brett.neuesBrett();
    brett.ersterWort();
    for (int i = 0; i < 4; ++i) {
        brett.setzeWortInsGitter();
        brett.merkeWort();
        brett.sammleWortplaetze();
        if (!brett.naechstesWortSuchen())
            break;
    }
    brett.setzeWortInsGitter();
    brett.merkeWort();
    brett.sammleWortplaetze();
    state.counters["Plätze"] = double(brett.WaagPlaetze.size() + brett.SenkPlaetze.size());
    for (auto _ : state) {
        Kreuzwortgitter g = brett;
        benchmark::DoNotOptimize(g.naechstesWortSuchen());
    }
}
BENCHMARK(NaechstesWort)->Arg(0)->Arg(1)->ArgName("erzeugt")->Unit(benchmark::kMillisecond);

void GanzesBrett(benchmark::State& state) {
    Quelle& q = quelle(int(state.range(0)));
    std::mt19937 zufall(5);
    Kreuzwortgitter g(*q.woerter, [&](int von, int bis) {
        return std::uniform_int_distribution<int>(von, bis)(zufall);
    });
    size_t woerter = 0, bretter = 0;
    for (auto _ : state) {
        woerter += legeGanzesBrett(g).size();
        ++bretter;
    }
    state.counters["Wörter je Brett"] = double(woerter) / double(std::max<size_t>(1, bretter));
}
BENCHMARK(GanzesBrett)->Arg(0)->Arg(1)->ArgName("erzeugt")->Unit(benchmark::kMillisecond);

// Der Computer sucht je Takt den Stein für die nächste Stelle: ein Wort aus 12 Buchstaben,
// Stein für Stein; gemessen je gelegtem Stein
void ComputerStein(benchmark::State& state) {
    db::Recordset leer = test::worttabelle({});
    std::mt19937 zufall(9);
    const Wuerfel wuerfel = [&](int von, int bis) {
        return std::uniform_int_distribution<int>(von, bis)(zufall);
    };
    Kreuzwortgitter g(leer, wuerfel);
    Steinlage s(g, wuerfel);
    g.Wort = QStringLiteral("Schulaufgabe");
    g.WortLaenge = 12;
    g.StartSpalte = 2;
    g.StartZeile = 6;
    for (auto _ : state) {
        state.PauseTiming();
        g.loescheGitter();
        s.legeSteineAus();
        state.ResumeTiming();
        for (int k = 1; k <= 12; ++k)
            benchmark::DoNotOptimize(s.legeComputerStein(k));
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * 12);
}
BENCHMARK(ComputerStein)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
