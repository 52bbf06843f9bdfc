#include "foundation/Sound.h"

#include "foundation/testing/TestOrdner.h"
#include "platform/testing/TestDienste.h"

#include <gtest/gtest.h>

using namespace varku;
using varku::test::TestDienste;
using varku::test::TestOrdner;

namespace {

// spielt alle Ereignisse und gibt die Befehle ans Klanggerät zurück
QStringList spieleAlle(TestDienste& d) {
    d.sound.befehle.clear();
    for (const SoundEintrag& e : SoundTabelle)
        spieleSound(e.name);
    return d.sound.befehle;
}

} // namespace

TEST(Sound, TabelleAusDemAbschnitt) {
    struct Fall {
        const char* name;
        QByteArray ini;
        QStringList gespielt; // Dateinamen ohne Ordner
    };
    const Fall faelle[] = {
        {"ohne [Sound] ist alles still", "[Varku]\nProgrammStart=a\n", {}},
        {"Leerzeichen um den Namen fallen weg",
         "[Sound]\nProgrammStart=  hallo  \n",
         {"hallo.WAV"}},
        {"andere Schreibung wird nicht erkannt", "[Sound]\nprogrammstart=a\nPROGRAMMENDE=b\n", {}},
        {"spätere Zeile gewinnt", "[Sound]\nAchtung=a\nAchtung=b\n", {"b.WAV"}},
        {"<NULL> macht wieder still", "[Sound]\nAchtung=a\nAchtung=<NULL>\n", {}},
        {"Umlaut im Namen", "[Sound]\nGlückstreffer=g\n", {"g.WAV"}},
        {"nächster Abschnitt beendet", "[Sound]\nAnnahme1=a\n[X]\nAnnahme2=b\n", {"a.WAV"}},
        {"Kommentare übersprungen", "[Sound]\n;Annahme1=a\nAnnahme2=b\n", {"b.WAV"}},
    };
    for (const Fall& f : faelle) {
        TestDienste d;
        TestOrdner o;
        o.schreibe("Varku.ini", f.ini);
        ladeSoundIni();
        setzeTonSchalter([] { return true; });
        QStringList erwartet;
        for (const QString& datei : f.gespielt)
            erwartet << "spiele " + o.pfad("Sound/" + datei);
        EXPECT_EQ(spieleAlle(d), erwartet) << f.name;
    }
}

TEST(Sound, TabelleInFesterReihenfolge) {
    initSoundTabelle();
    EXPECT_EQ(SoundTabelle[0].name, "ProgrammStart");
    EXPECT_EQ(SoundTabelle[11].name, "Glückstreffer");
    EXPECT_EQ(SoundTabelle[14].name, "BewegungEnde");
    for (const SoundEintrag& e : SoundTabelle)
        EXPECT_EQ(e.datei, "<NULL>");
}

TEST(Sound, AusgeschaltetSpieltNichts) {
    TestDienste d;
    TestOrdner o;
    o.schreibe("Varku.ini", "[Sound]\nProgrammStart=start\n");
    ladeSoundIni();
    bool ein = false;
    setzeTonSchalter([&] { return ein; });
    spieleSound("ProgrammStart");
    EXPECT_TRUE(d.sound.befehle.isEmpty());
    ein = true;
    spieleSound("ProgrammStart");
    EXPECT_EQ(d.sound.befehle, QStringList{"spiele " + o.pfad("Sound/start.WAV")});
    // das Warten fragt den Schalter nicht
    ein = false;
    spieleWavWarten("TROPFEN");
    EXPECT_EQ(d.sound.befehle.last(), "warte " + o.pfad("Sound/TROPFEN.WAV"));
}

TEST(Sound, DateiOhneRuecksichtAufGrossKlein) {
    TestDienste d;
    TestOrdner o;
    o.schreibe("Sound/Start.wav", "RIFF");
    spieleWav("START");
    EXPECT_EQ(d.sound.befehle, QStringList{"spiele " + o.pfad("Sound/Start.wav")});
}

TEST(Sound, SchliessenAmEnde) {
    TestDienste d;
    schliesseSound();
    EXPECT_EQ(d.sound.befehle, QStringList{"Close"});
}
