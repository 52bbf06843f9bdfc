// Vom Wortende bis zum nächsten gezeigten Wort: Prüfen, Protokoll, Punkte, Wortwahl, Anzeige
#include "foundation/Global.h"
#include "foundation/testing/TestOrdner.h"
#include "frame/Anzeigeelemente.h"
#include "frame/GlobModul.h"
#include "frame/Protokoll.h"
#include "frame/Spieler.h"
#include "frame/VarkuForm.h"
#include "frame/Wortwahl.h"
#include "frame/rdbManager.h"
#include "frame/tests/TestWortDb.h"
#include "platform/testing/TestDienste.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <benchmark/benchmark.h>

using namespace varku;
using namespace varku::test;

namespace {

void RichtigesWort(benchmark::State& state) {
    TestDienste d;
    TestOrdner ordner;
    ordner.schreibe("Varku.ini", "[Varku]\nTextFontName=Andika\nTextFontGröße=28\n"
                                 "Nachschreiben=1\nBeispielSatz=1\nLeseLupe=1\nAutoDialog=0\n");
    ordner.schreibe("Varku.tsp", ">>> Seite,-\nKategorie,KAT1\n");
    std::vector<TestWort> woerter;
    const int anzahl = int(state.range(0));
    for (int i = 1; i <= anzahl; ++i)
        woerter.push_back({i, QString("Wort%1").arg(i), "das", 1, i % 3 == 0, true, false,
                           QString("Das @ steht im Satz Nummer %1.").arg(i), ""});
    std::vector<TestLupe> lupen;
    for (int i = 1; i <= anzahl; ++i)
        lupen.push_back({i, 1, 1, 2});
    legeWortDbAn(ordner.pfad("Varku-D.sqlite"), woerter, lupen);

    setzeStartwerte();
    setzeSpielerZurueck();
    VarkuForm form;
    UserPfad = ordner.pfad("User");
    QDir().mkpath(UserPfad);
    RuvoFeldName = "KAT1";
    UebNr = 1;
    setzeWortFilter(false);
    uebungGewaehlt = true;
    nSpieler = 1;
    aktSpieler = 0;
    SpielerDatei[0] = "BENCHAAA";
    legeProtokollAn(SpielerDatei[0]);
    oeffneProtokoll();
    naechstesWort();
    for (auto _ : state) {
        state.PauseTiming();
        SitzungsPunkte = 0;
        // eine Sitzung hat einige hundert Wörter, nicht Millionen
        if (ErledigtListe.size() > 500) {
            ErledigtListe.clear();
            SpielerStatistik[0] = Statistik{};
        }
        form.zeigenTaste_Click();
        form.SchreibenTextfeld_KeyPress('W');
        form.SchreibenTextfeld->setText(Wort + " ");
        state.ResumeTiming();
        form.WortendeTaste_Click();
    }
    schliesseProtokoll();
}
BENCHMARK(RichtigesWort)->Arg(600)->Arg(5000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
