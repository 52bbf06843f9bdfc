// Zwei Handgriffe vom Klick bis zum letzten Neuzeichnen, mit den Daten des Programmordners:
// OK im Willkommensfenster bis Hauptfenster und Schwerpunktdialog stehen, und OK im
// Schwerpunktdialog bis die Spielerliste steht. Vorher läuft, was der Start während des Logos
// vorbaut. Gemessen wird von Hand (Zeit je Durchgang), denn das Ende liegt in der modalen
// Anzeige, mitten im Ablauf.
// Das erste Mal in einem Prozess ist das, was ein Kind erlebt (Schriften und Stil noch kalt):
//   bench_aktionen --benchmark_min_time=0.0001 --benchmark_filter=WillkommenOk
// misst genau einen Durchgang; mehrmals aufgerufen ergibt das die Streuung.
// HauptfensterZeichnen und SchwerpunktZeichnen messen ein ganzes Bild der beiden Fenster, den
// größten Teil des ersten Handgriffs, mit warmem Stil: die Untergrenze für das erste Bild.
#include "foundation/Global.h"
#include "foundation/Programmstart.h"
#include "foundation/testing/TestOrdner.h"
#include "frame/SpielerListeFrm.h"
#include "frame/StartModul.h"
#include "frame/UebschwForm.h"
#include "frame/VarkuForm.h"
#include "frame/WillkommenFrm.h"
#include "platform/Dienste.h"
#include "platform/Fensterablage.h"
#include "platform/testing/TestDienste.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QPushButton>
#include <benchmark/benchmark.h>

using namespace varku;
using namespace varku::test;

namespace {

// ein Programmordner wie nach der Einrichtung: Einstellungen, Schwerpunkte, Wörter, Bilder
struct Programmordner {
    TestDienste d;
    TestOrdner ordner;
    Programmordner() {
        for (const char* datei : {"Varku.ini", "Varku.tsp"})
            QFile::copy(QStringLiteral(VARKU_QUELLDATEN "/") + datei, ordner.pfad(datei));
        QFile::copy(QStringLiteral(VARKU_PROGRAMMORDNER "/Varku-D.sqlite"),
                    ordner.pfad("Varku-D.sqlite"));
        QDir().mkpath(ordner.pfad("Grafik"));
        const QDir grafik(QStringLiteral(VARKU_PROGRAMMORDNER "/Grafik"));
        for (const QString& bild : grafik.entryList(QDir::Files))
            QFile::copy(grafik.filePath(bild), ordner.pfad("Grafik/" + bild));
        QDir().mkpath(ordner.pfad("User"));
    }
};

// alles, was nach einem Schritt ansteht: Anordnung, Zeitgeber von 0 ms, Neuzeichnen
void lassLaufen() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

double sekundenSeit(const QElapsedTimer& uhr) {
    return double(uhr.nsecsElapsed()) / 1e9;
}

// OK im Willkommensfenster: das Hauptfenster entsteht und lädt, aktiviert öffnet es den
// Schwerpunktdialog; gemessen bis beide gezeichnet sind, wie beim ersten Start.
void WillkommenOk(benchmark::State& state) {
    Programmordner p;
    for (auto _ : state) {
        entladeAlleFenster();
        WillkommenFrm willkommen;
        willkommen.show();
        lassLaufen();
        double sekunden = 0;
        QElapsedTimer uhr;
        p.d.anzeige.dann([&](QWidget& hauptfenster) {
            p.d.anzeige.dann([&](QWidget& schwerpunkt) {
                lassLaufen();
                sekunden = sekundenSeit(uhr);
                schwerpunkt.hide();
            });
            p.d.anzeige.dann([](QWidget& spielerliste) { spielerliste.hide(); });
            lassLaufen();
            hauptfenster.hide();
        });
        std::unique_ptr<VarkuForm> hauptfenster;
        for (const auto& schritt : vorbereitung(hauptfenster)) {
            schritt();
            lassLaufen();
        }
        uhr.start();
        willkommen.okBtn->click();
        hauptfenster->Form_Load();
        dienste::anzeige().zeigeModal(*hauptfenster);
        state.SetIterationTime(sekunden);
        hauptfenster.reset();
        lassLaufen();
    }
}
BENCHMARK(WillkommenOk)->UseManualTime()->Unit(benchmark::kMillisecond);

// das Hauptfenster, wie es nach "OK" im Willkommensfenster geladen ist
std::unique_ptr<VarkuForm> geladenesHauptfenster() {
    entladeAlleFenster();
    std::unique_ptr<VarkuForm> hauptfenster;
    for (const auto& schritt : vorbereitung(hauptfenster))
        schritt();
    hauptfenster->Form_Load();
    return hauptfenster;
}

// OK im Schwerpunktdialog mit gewählter Kategorie: der Dialog geht, die Spielerliste kommt zum
// ersten Mal; gemessen bis sie gezeichnet ist.
void SchwerpunktOk(benchmark::State& state) {
    Programmordner p;
    for (auto _ : state) {
        std::unique_ptr<VarkuForm> hauptfenster = geladenesHauptfenster();
        VarkuForm& form = *hauptfenster;
        form.show();
        lassLaufen();
        double sekunden = 0;
        QElapsedTimer uhr;
        p.d.anzeige.dann([&](QWidget& w) {
            auto& f = static_cast<UebschwForm&>(w);
            lassLaufen();
            f.RuvoList[0]->setCurrentRow(1);
            uhr.start();
            f.okButton->click();
        });
        form.mnuUebung_Click();
        p.d.anzeige.dann([&](QWidget& spielerliste) {
            lassLaufen();
            sekunden = sekundenSeit(uhr);
            spielerliste.hide();
        });
        form.mnuSpielerliste_Click();
        state.SetIterationTime(sekunden);
        hauptfenster.reset();
        lassLaufen();
    }
}
BENCHMARK(SchwerpunktOk)->UseManualTime()->Unit(benchmark::kMillisecond);

// Ein ganzes Bild eines Fensters, wie es nach dem Zeigen gemalt wird: sichtbar, aktiv, mit
// warmem Stil. Das ist der größte Teil der Zeit bis zum letzten Neuzeichnen.
void zeichneImmerWieder(benchmark::State& state, QWidget& fenster) {
    fenster.show();
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(&fenster);
    QT_WARNING_POP
    lassLaufen();
    QImage bild(fenster.size(), QImage::Format_RGB32);
    for (auto _ : state)
        fenster.render(&bild);
    fenster.hide();
}

void HauptfensterZeichnen(benchmark::State& state) {
    Programmordner p;
    std::unique_ptr<VarkuForm> hauptfenster = geladenesHauptfenster();
    zeichneImmerWieder(state, *hauptfenster);
}
BENCHMARK(HauptfensterZeichnen)->Unit(benchmark::kMillisecond);

void SchwerpunktZeichnen(benchmark::State& state) {
    Programmordner p;
    std::unique_ptr<VarkuForm> hauptfenster = geladenesHauptfenster();
    zeichneImmerWieder(state, UebschwForm::instanz(hauptfenster->uebung));
}
BENCHMARK(SchwerpunktZeichnen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(QFont(QStringLiteral("Andika"), 11));
    malMitEinemHelfer(); // wie das Programm nach seinem ersten Bild
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // die Fenster, die bis zum Ende leben, gehen vor der Anwendung (sonst stürzt das Ende ab)
    entladeAlleFenster();
    return 0;
}
