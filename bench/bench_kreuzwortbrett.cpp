// Ein Stein des Kreuzworträtsels gezogen, wie die Hand es tut: drücken, ziehen, loslassen, jedes
// mit dem Neuzeichnen, das es auslöst (offscreen, auf dem Fensterthread). Das Brett malt dabei
// nur den alten und den neuen Platz des Steins.
#include "games/crossword/Kreuzwortbrett.h"
#include "platform/testing/Worttabelle.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

using namespace varku;
using namespace varku::wendomar;

namespace {

struct Brett {
    db::Recordset leer = test::worttabelle({});
    Wuerfel wuerfel = [](int von, int) { return von; };
    Kreuzwortgitter g{leer, wuerfel};
    Steinlage s{g, wuerfel};
    Kreuzwortbrett b{g, s, nullptr};
    Brett() {
        g.Wort = QStringLiteral("Schulaufgabe");
        g.WortLaenge = 12;
        g.StartSpalte = 2;
        g.StartZeile = 6;
        s.legeSteineAus();
        b.resize(b.sizeHint());
        b.show();
        QCoreApplication::processEvents();
    }
    void sende(QEvent::Type art, QPoint p, Qt::MouseButtons knoepfe) {
        QMouseEvent e(art, QPointF(p), b.mapToGlobal(QPointF(p)), Qt::LeftButton, knoepfe, {});
        QCoreApplication::sendEvent(&b, &e);
        // das Neuzeichnen, das die Handlung auslöst, gleich: nur die Stellen, die sie meldet
        QCoreApplication::processEvents();
    }
};

void Druecken(benchmark::State& state) {
    Brett brett;
    for (auto _ : state) {
        const QPoint p = brett.b.steinRechteck(1).center();
        brett.sende(QEvent::MouseButtonPress, p, Qt::LeftButton);
        state.PauseTiming();
        brett.sende(QEvent::MouseButtonRelease, p, Qt::NoButton);
        state.ResumeTiming();
    }
}
BENCHMARK(Druecken)->Unit(benchmark::kMillisecond);

void ZiehenUndLoslassen(benchmark::State& state) {
    Brett brett;
    int n = 0;
    for (auto _ : state) {
        // hin und her zwischen zwei Zellen des Bretts
        const QPoint von = brett.b.steinRechteck(1).center();
        const QPoint nach = brett.b.zellenRechteck(2 + (n++ % 2) * 5, 3).center();
        state.PauseTiming();
        brett.sende(QEvent::MouseButtonPress, von, Qt::LeftButton);
        state.ResumeTiming();
        brett.sende(QEvent::MouseMove, (von + nach) / 2, Qt::LeftButton);
        brett.sende(QEvent::MouseButtonRelease, nach, Qt::NoButton);
    }
}
BENCHMARK(ZiehenUndLoslassen)->Unit(benchmark::kMillisecond);

} // namespace
