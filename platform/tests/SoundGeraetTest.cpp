#include "platform/EchtesSoundGeraet.h"
#include "platform/testing/Klangdateien.h"

#include <QAudioDevice>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <thread>

using namespace varku;
using varku::test::stilleWav;

namespace {

struct Ordner {
    QTemporaryDir dir;
    QString schreibe(const QString& name, const QByteArray& inhalt) const {
        const QString pfad = dir.filePath(name);
        QFile f(pfad);
        if (f.open(QIODevice::WriteOnly))
            f.write(inhalt);
        return pfad;
    }
};

} // namespace

// Ohne Tonausgabe (ein leeres Gerät) meldet das Gerät jeden Klang, der sonst zu hören wäre;
// was ohnehin still bliebe, meldet es nicht.
TEST(EchtesSoundGeraet, OhneTonausgabeWirdGemeldet) {
    struct Fall {
        const char* name;
        QByteArray inhalt; // leer: keine Datei
        bool vorab;        // vorab geladen, dann die Datei gelöscht
        bool warten;
        bool geschlossen;
        int meldungen;
    };
    const QByteArray kurz = stilleWav(5);
    const Fall faelle[] = {
        {"Klang aus der Datei", kurz, false, false, false, 1},
        {"vorab geladen spielt ohne Datei", kurz, true, false, false, 1},
        {"Warten", kurz, false, true, false, 1},
        {"fehlende Datei bleibt still", {}, false, false, false, 0},
        {"fehlende Datei beim Warten", {}, false, true, false, 0},
        {"kaputter Kopf bleibt still", "RIFF\x04\0\0\0WAVE", false, false, false, 0},
        {"keine WAV-Datei", "Hallo", true, false, false, 0},
        {"nach dem Schließen", kurz, false, false, true, 0},
    };
    for (const Fall& f : faelle) {
        Ordner o;
        test::OhneTonMeldungen m;
        EchtesSoundGeraet g{QAudioDevice()};
        EXPECT_FALSE(g.ausgabeMoeglich()) << f.name;
        const QString datei =
            f.inhalt.isEmpty() ? o.dir.filePath("fehlt.wav") : o.schreibe("klang.wav", f.inhalt);
        if (f.vorab) {
            g.lade({datei, datei});
            QFile::remove(datei);
        }
        if (f.geschlossen)
            g.schliesse();
        if (f.warten)
            g.spieleUndWarte(datei);
        else
            g.spiele(datei);
        EXPECT_EQ(m.anzahl, f.meldungen) << f.name;
        EXPECT_EQ(g.ausgegebenUs(), 0) << f.name;
    }
}

// Ein zweites Laden (nach dem vorab während des Logos) behält, was sich nicht geändert hat, und
// liest neu, was sich geändert hat: ein Klang, den das Gerät noch hat, wird ohne Tonausgabe
// gemeldet, auch wenn seine Datei inzwischen fehlt; einer, den es nicht mehr hat, bleibt still.
TEST(EchtesSoundGeraet, ZweitesLadenBehaeltNurUnveraenderte) {
    struct Fall {
        const char* name;
        std::function<void(const Ordner&, const QString&)> dazwischen;
        bool nochmalGenannt;
        int meldungen;
    };
    const Fall faelle[] = {
        {"unverändert", [](const Ordner&, const QString&) {}, true, 1},
        {"kaputt überschrieben",
         [](const Ordner& o, const QString&) { o.schreibe("klang.wav", "Hallo"); }, true, 0},
        {"gelöscht", [](const Ordner&, const QString& d) { QFile::remove(d); }, true, 0},
        {"nicht mehr genannt", [](const Ordner&, const QString&) {}, false, 0},
    };
    for (const Fall& f : faelle) {
        Ordner o;
        test::OhneTonMeldungen m;
        EchtesSoundGeraet g{QAudioDevice()};
        const QString datei = o.schreibe("klang.wav", stilleWav(5));
        g.lade({datei});
        f.dazwischen(o, datei);
        g.lade(f.nochmalGenannt ? QStringList{datei} : QStringList{});
        QFile::remove(datei);
        g.spiele(datei);
        EXPECT_EQ(m.anzahl, f.meldungen) << f.name;
    }
}

// Ein Kopf, der 4 GB Daten verspricht, hält nicht auf: gewartet wird, was in der Datei steht.
TEST(EchtesSoundGeraet, LuegenderKopfHaeltNichtAuf) {
    Ordner o;
    test::OhneTonMeldungen m;
    EchtesSoundGeraet g{QAudioDevice()};
    for (const uint32_t kopfSagt : {0xFFFFFFFFu, 0x7FFFFFFFu, 1000000u})
        g.spieleUndWarte(o.schreibe("luege.wav", stilleWav(2, kopfSagt)));
    EXPECT_EQ(m.anzahl, 3);
}

// Ein vorab geladener Klang spielt, während der Faden, der ihn startete, schläft und keine
// Ereignisse bearbeitet (wie beim Warten am Programmende). Braucht einen Tondienst.
TEST(EchtesSoundGeraet, SpieltWaehrendDerFadenSchlaeft) {
    EchtesSoundGeraet g;
    if (!g.ausgabeMoeglich())
        GTEST_SKIP() << "keine Tonausgabe";
    Ordner o;
    test::OhneTonMeldungen m;
    const QString datei = o.schreibe("stille.wav", stilleWav(1000));
    g.lade({datei});
    QFile::remove(datei);
    g.spiele(datei);
    for (int i = 0; i < 40 && g.ausgegebenUs() == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_GT(g.ausgegebenUs(), 0);
    EXPECT_EQ(m.anzahl, 0);
    g.schliesse();
    EXPECT_EQ(g.ausgegebenUs(), 0);
}
