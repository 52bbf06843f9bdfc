#include "foundation/Sound.h"

#include "foundation/testing/TestOrdner.h"
#include "platform/Dienste.h"
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

TEST(Sound, KlaengeWerdenBeimLesenVorabGeladen) {
    struct Fall {
        const char* name;
        QByteArray ini;
        QStringList geladen; // Dateinamen ohne Ordner
    };
    const Fall faelle[] = {
        {"ohne [Sound] nichts", "[Varku]\nProgrammStart=a\n", {}},
        {"jede Datei einmal, in Tabellenfolge",
         "[Sound]\nAchtung=b\nProgrammStart=a\nProgrammEnde=a\n",
         {"a.WAV", "b.WAV"}},
        {"stille Ereignisse nicht", "[Sound]\nAchtung=<NULL>\nAnnahme1=c\n", {"c.WAV"}},
        {"vorhandene Datei in ihrer Schreibung, einmal",
         "[Sound]\nProgrammStart=START\nProgrammEnde=start\n",
         {"Start.wav"}},
    };
    for (const Fall& f : faelle) {
        TestDienste d;
        TestOrdner o;
        o.schreibe("Sound/Start.wav", "RIFF");
        o.schreibe("Varku.ini", f.ini);
        ladeSoundIni();
        QStringList erwartet;
        for (const QString& datei : f.geladen)
            erwartet << o.pfad("Sound/" + datei);
        EXPECT_EQ(d.sound.geladen, erwartet) << f.name;
        EXPECT_TRUE(d.sound.befehle.isEmpty()) << f.name << ": laden spielt nicht";
    }
}

// Ohne Tonausgabe erfährt der Benutzer es einmal, gleich was zuerst stumm bleibt; danach geht
// alles weiter wie sonst.
TEST(Sound, OhneTonausgabeEinHinweis) {
    struct Fall {
        const char* name;
        std::function<void()> zuerst;
    };
    const Fall faelle[] = {
        {"Ereignisklang", [] { spieleSound("ProgrammStart"); }},
        {"Klang mit Warten", [] { spieleWavWarten("TROPFEN"); }},
        {"Aufnahme eines Wortes", [] { dienste::sound().spiele("Sprache/Igel.WAV"); }},
        {"gesprochenes Wort", [] { dienste::sprache().sprich("der Igel"); }},
    };
    for (const Fall& f : faelle) {
        TestDienste d;
        TestOrdner o;
        o.schreibe("Varku.ini", "[Sound]\nProgrammStart=start\nProgrammMeldung=meldung\n");
        ladeSoundIni();
        setzeTonSchalter([] { return true; });
        d.sound.ohneAusgabe = true;
        d.sprache.ohneAusgabe = true;
        int hinweise = 0;
        // der Hinweis selbst klingt, wie jede Meldung: das darf ihn nicht noch einmal zeigen
        setzeOhneTonHinweis([&] {
            ++hinweise;
            spieleSound("ProgrammMeldung");
        });
        f.zuerst();
        EXPECT_EQ(hinweise, 1) << f.name;
        const qsizetype klaenge = d.sound.befehle.size();
        for (const Fall& weiter : faelle)
            weiter.zuerst();
        EXPECT_EQ(hinweise, 1) << f.name;
        EXPECT_EQ(d.sound.befehle.size(), klaenge + 3) << f.name << ": es wird weiter gespielt";
        setzeOhneTonHinweis({});
    }
}

TEST(Sound, OhneTonHinweisNurWennEtwasStummBleibt) {
    TestDienste d;
    TestOrdner o;
    o.schreibe("Varku.ini", "[Sound]\nProgrammStart=start\n");
    ladeSoundIni();
    int hinweise = 0;
    setzeOhneTonHinweis([&] { ++hinweise; });
    // mit Tonausgabe: nichts zu sagen
    setzeTonSchalter([] { return true; });
    spieleSound("ProgrammStart");
    dienste::sprache().sprich("der Igel");
    EXPECT_EQ(hinweise, 0);
    // ohne Tonausgabe, aber Klänge aus oder still: es wäre ohnehin nichts zu hören
    d.sound.ohneAusgabe = true;
    spieleSound("Achtung");
    setzeTonSchalter([] { return false; });
    spieleSound("ProgrammStart");
    EXPECT_EQ(hinweise, 0);
    // ein neu gesetzter Hinweis beginnt wieder beim ersten Mal
    spieleWavWarten("TROPFEN");
    setzeOhneTonHinweis([&] { hinweise += 10; });
    spieleWavWarten("TROPFEN");
    spieleWavWarten("TROPFEN");
    EXPECT_EQ(hinweise, 11);
    setzeOhneTonHinweis({});
    spieleWavWarten("TROPFEN");
    EXPECT_EQ(hinweise, 11);
}
