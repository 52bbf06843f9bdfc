// Übersetzen und Auswerten langer Kriterien, Like mit Mustern, die Rückschritte erzwingen
#include "platform/Kriterium.h"

#include "platform/Laufzeitfehler.h"

#include <QFile>
#include <benchmark/benchmark.h>

using namespace varku::db;

namespace {

// eine Wortliste von 1000 Zeilen: RefNr, Wort, LIP_
const Tabelle& tabelle() {
    static const Tabelle t = [] {
        Tabelle t;
        t.name = QStringLiteral("WortListe");
        t.spalten.push_back({QStringLiteral("RefNr"), Spalte::Typ::Ganz, {}, {}, {}, true});
        t.spalten.push_back({QStringLiteral("Wort"), Spalte::Typ::Text, {}, {}, {}, true});
        t.spalten.push_back({QStringLiteral("LIP_"), Spalte::Typ::Bool, {}, {}, {}, true});
        const char* silben[] = {"ba", "ke", "li", "mo", "ru", "sch", "ck", "tz"};
        for (int z = 0; z < 1000; ++z) {
            QString wort;
            for (int k = z; k > 0; k /= 8)
                wort += QString::fromLatin1(silben[k % 8]);
            t.spalten[0].zahlen.push_back(z);
            t.spalten[1].texte.push_back(wort);
            t.spalten[2].zahlen.push_back(z % 3 == 0 ? -1 : 0);
            for (Spalte& s : t.spalten)
                s.istNull.push_back(0);
            ++t.zeilen;
        }
        return t;
    }();
    return t;
}

QString kette(int glieder, const char* art) {
    const QString a = QString::fromLatin1(art);
    if (a == QLatin1String("AND"))
        return QStringLiteral("RefNr>=0 AND ").repeated(glieder - 1) + QStringLiteral("LIP_");
    if (a == QLatin1String("NOT"))
        return QStringLiteral("NOT ").repeated(glieder) + QStringLiteral("LIP_");
    return QStringLiteral("1+").repeated(glieder - 1) + QStringLiteral("RefNr>0");
}

// Übersetzen und eine Zeile auswerten
void Uebersetzen(benchmark::State& state, const char* art) {
    const QString k = kette(int(state.range(0)), art);
    for (auto _ : state) {
        const Kriterium kr(k, tabelle());
        benchmark::DoNotOptimize(kr.trifftZu(0));
    }
    state.SetBytesProcessed(state.iterations() * k.size() * 2);
}
BENCHMARK_CAPTURE(Uebersetzen, Summe, "1+")->Arg(1000)->Arg(40000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Uebersetzen, And, "AND")->Arg(1000)->Arg(60000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Uebersetzen, Not, "NOT")->Arg(100000)->Unit(benchmark::kMillisecond);

// einmal übersetzt, jede Zeile der Tabelle ausgewertet
void AlleZeilen(benchmark::State& state, const char* art) {
    const Kriterium kr(kette(int(state.range(0)), art), tabelle());
    for (auto _ : state) {
        int n = 0;
        for (int z = 0; z < tabelle().zeilen; ++z)
            n += kr.trifftZu(z);
        benchmark::DoNotOptimize(n);
    }
    state.SetItemsProcessed(state.iterations() * tabelle().zeilen);
}
BENCHMARK_CAPTURE(AlleZeilen, Summe, "1+")->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AlleZeilen, And, "AND")->Arg(1000)->Unit(benchmark::kMillisecond);

// ein kurzes Like über alle Zeilen, wie ein Spiel seine Wörter sucht
void LikeAlleZeilen(benchmark::State& state) {
    const Kriterium kr(QStringLiteral("Wort Like '*[bk]?*sch*' AND LIP_"), tabelle());
    for (auto _ : state) {
        int n = 0;
        for (int z = 0; z < tabelle().zeilen; ++z)
            n += kr.trifftZu(z);
        benchmark::DoNotOptimize(n);
    }
    state.SetItemsProcessed(state.iterations() * tabelle().zeilen);
}
BENCHMARK(LikeAlleZeilen)->Unit(benchmark::kMicrosecond);

// Text aus n "[a", Muster "*" und n/2 offene "[a" und "b*": jeder Anfang passt fast ganz
void LikeOffeneKlammern(benchmark::State& state) {
    const int n = int(state.range(0));
    const QString text = QStringLiteral("[a").repeated(n);
    const QString muster =
        QLatin1Char('*') + QStringLiteral("[a").repeated(n / 2) + QStringLiteral("b*");
    for (auto _ : state)
        benchmark::DoNotOptimize(passtZuMuster(text, muster));
    state.SetComplexityN(n);
}
BENCHMARK(LikeOffeneKlammern)
    ->RangeMultiplier(2)
    ->Range(750, 6000)
    ->Complexity(benchmark::oNSquared)
    ->Unit(benchmark::kMillisecond);

// dasselbe mit Auswahlen statt einzelner Zeichen
void LikeAuswahlen(benchmark::State& state) {
    const int n = int(state.range(0));
    const QString text = QString(n, u'a');
    const QString muster =
        QLatin1Char('*') + QStringLiteral("[a-c]").repeated(n / 2) + QStringLiteral("b*");
    for (auto _ : state)
        benchmark::DoNotOptimize(passtZuMuster(text, muster));
    state.SetComplexityN(n);
}
BENCHMARK(LikeAuswahlen)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

// Ein langes Like in einem Kriterium: Übersetzen und eine Zeile auswerten. Die Zeit muss mit der
// Länge des Musters nur linear wachsen.
void LikeImKriterium(benchmark::State& state) {
    const int n = int(state.range(0));
    const QString kriterium =
        QStringLiteral("Wort Like '") + QStringLiteral("[a").repeated(n / 2) + QLatin1Char('\'');
    for (auto _ : state) {
        const Kriterium kr(kriterium, tabelle());
        benchmark::DoNotOptimize(kr.trifftZu(1));
    }
    state.SetComplexityN(n);
}
BENCHMARK(LikeImKriterium)
    ->RangeMultiplier(2)
    ->Range(1000, 8000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// Die Startdaten des Fuzz-Ziels, wie es sie nimmt: übersetzen, jede Zeile auswerten
void Startdaten(benchmark::State& state, const char* datei) {
    QFile f(QStringLiteral(VARKU_SAAT "/") + QString::fromLatin1(datei));
    f.open(QIODevice::ReadOnly);
    const QString text = QString::fromUtf8(f.readAll());
    for (auto _ : state) {
        try {
            const Kriterium kr(text, tabelle());
            for (int z = 0; z < 4; ++z)
                benchmark::DoNotOptimize(kr.trifftZu(z));
        } catch (const varku::Laufzeitfehler&) {
        }
    }
}
BENCHMARK_CAPTURE(Startdaten, LikeLang, "like-lang")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Startdaten, LikeGrenze, "like-grenze")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Startdaten, LikeVieleZeichen, "like-viele-zeichen")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Startdaten, LikeAuswahlenJeZeile, "like-auswahlen-je-zeile")
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
