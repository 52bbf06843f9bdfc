// Vom Wortende bis zum nächsten gewählten Wort: Prüfen, Protokoll, Punkte, Wortwahl; einmal als
// Regel allein und einmal durch das Hauptfenster mit seiner Anzeige.
#include "foundation/Global.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "frame/Uebung.h"
#include "frame/VarkuForm.h"
#include "platform/testing/TestDienste.h"

#include <QDir>
#include <QLineEdit>
#include <benchmark/benchmark.h>

using namespace varku;
using namespace varku::test;

namespace {

struct Aufbau {
    TestDienste d;
    TestOrdner ordner;
    explicit Aufbau(int anzahl) {
        ordner.schreibe("Varku.ini", "[Varku]\nTextFontName=Andika\nTextFontGröße=28\n"
                                     "Nachschreiben=1\nBeispielSatz=1\nLeseLupe=1\nAutoDialog=0\n");
        ordner.schreibe("Varku.tsp", ">>> Seite,-\nKategorie,KAT1\n");
        std::vector<TestWort> woerter;
        for (int i = 1; i <= anzahl; ++i)
            woerter.push_back({i, QString("Wort%1").arg(i), "das", 1, i % 3 == 0, true, false,
                               QString("Das @ steht im Satz Nummer %1.").arg(i), ""});
        std::vector<TestLupe> lupen;
        for (int i = 1; i <= anzahl; ++i)
            lupen.push_back({i, 1, 1, 2});
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"), woerter, lupen);
        QDir().mkpath(ordner.pfad("User"));
    }
    static void beginne(Uebung& u) {
        UebNr = 1;
        u.RuvoFeldName = "KAT1";
        u.gruppe.fuegeHinzu("Gast");
        u.nimmSchwerpunktAn(false);
        u.beginneUebung();
    }
    // eine Sitzung hat einige hundert Wörter, nicht Millionen
    static void haltKurz(Uebung& u) {
        u.SitzungsPunkte = 0;
        if (u.gruppe.ErledigtListe.size() > 500) {
            u.gruppe.ErledigtListe.clear();
            u.gruppe.SpielerStatistik[0] = Statistik{};
        }
    }
};

void RichtigesWortRegel(benchmark::State& state) {
    Aufbau a(int(state.range(0)));
    GlobModul glob;
    glob.setzePfade();
    Uebung u(glob);
    u.lade(QDateTime::currentDateTime());
    u.wortDb.oeffneWortDatenbank(a.ordner.pfad("Varku-D.sqlite"));
    Aufbau::beginne(u);
    for (auto _ : state) {
        state.PauseTiming();
        Aufbau::haltKurz(u);
        u.zeigen(100);
        u.ersteTaste(101);
        const QString eingabe = u.wortDb.Wort + " ";
        state.ResumeTiming();
        benchmark::DoNotOptimize(u.wortende(eingabe));
    }
}
BENCHMARK(RichtigesWortRegel)->Arg(600)->Arg(5000)->Unit(benchmark::kMicrosecond);

void RichtigesWortFenster(benchmark::State& state) {
    Aufbau a(int(state.range(0)));
    VarkuForm form;
    Aufbau::beginne(form.uebung);
    for (auto _ : state) {
        state.PauseTiming();
        Aufbau::haltKurz(form.uebung);
        form.zeigenTaste_Click();
        form.SchreibenTextfeld_KeyPress('W');
        form.SchreibenTextfeld->setText(form.uebung.wortDb.Wort + " ");
        state.ResumeTiming();
        form.WortendeTaste_Click();
    }
}
BENCHMARK(RichtigesWortFenster)->Arg(600)->Arg(5000)->Unit(benchmark::kMicrosecond);

} // namespace
