#include "frame/VarkuIni.h"
#include "foundation/testing/TestOrdner.h"
#include "frame/GlobModul.h"
#include "platform/Laufzeitfehler.h"

#include <gtest/gtest.h>

using namespace varku;
using varku::test::TestOrdner;

namespace {

struct Ini : ::testing::Test {
    TestOrdner ordner;
    Ini() { setzeStartwerte(); }
    ~Ini() override { setzeStartwerte(); }
    void lies(const QByteArray& varku, const QByteArray& sprache = {}) {
        ordner.schreibe("Varku.ini", "[Varku]\n" + varku + "\n[TextToSpeech]\n" + sprache + "\n");
        loadVarkuIni();
        loadTextToSpeechIni();
    }
};

} // namespace

TEST_F(Ini, WerteNachIhrerArt) {
    struct Fall {
        const char* zeile;
        std::function<bool()> pruefe;
    };
    const Fall faelle[] = {
        {"TextFontName=Comic Sans MS", [] { return TextFontName == "Comic Sans MS"; }},
        {"TextFontGröße=12abc", [] { return TextFontGroesse == 12; }},
        {"TextFontGröße=10.5", [] { return TextFontGroesse == 10.5; }},
        {"TextFontGröße=abc", [] { return TextFontGroesse == 0; }},
        {"Schwierigkeitsgrad=2.5", [] { return Schwierigkeitsgrad == 2; }},
        {"Schwierigkeitsgrad=1.5", [] { return Schwierigkeitsgrad == 2; }},
        {"Schwierigkeitsgrad=abc", [] { return Schwierigkeitsgrad == 0; }},
        {"Nachschreiben=1", [] { return Nachschreiben; }},
        {"Nachschreiben=2", [] { return !Nachschreiben; }},
        {"Nachschreiben=", [] { return !Nachschreiben; }},
        {"TonEinschalten=2", [] { return TonEinschalten; }},
        {"TonEinschalten=0", [] { return !TonEinschalten; }},
        {"TonEinschalten=", [] { return TonEinschalten; }},
        {"AutoDialog=00", [] { return AutoDialog; }},
        {"LeseLupe=0", [] { return !LeseLupe; }},
        {"TextFontFett = 1", [] { return !TextFontFett; }}, // keine Schlüsselzeile
    };
    for (const Fall& f : faelle) {
        setzeStartwerte();
        lies(f.zeile);
        EXPECT_TRUE(f.pruefe()) << f.zeile;
    }
}

TEST_F(Ini, SprachwerteNachIhrerArt) {
    lies("", "Modus=2\nLautstärke=70000\nGeschwindigkeit=150.5\nStimmlage=-3\n"
             "TranskripteWörter=2\nTranskripteSätze=1\n");
    EXPECT_EQ(Modus, 2);
    EXPECT_EQ(Lautstaerke, 70000);
    EXPECT_EQ(Geschwindigkeit, 150);
    EXPECT_EQ(Stimmlage, -3);
    EXPECT_FALSE(TranskripteWoerter);
    EXPECT_TRUE(TranskripteSaetze);
}

TEST_F(Ini, FehlendeSchluesselBehaltenIhrenStartwert) {
    lies("", "");
    EXPECT_EQ(TextFontName, "");
    EXPECT_EQ(TextFontGroesse, 0);
    EXPECT_FALSE(TonEinschalten);
    EXPECT_FALSE(AutoDialog);
    EXPECT_EQ(Modus, 0);
}

TEST_F(Ini, WertJenseits16BitIstLaufzeitfehler) {
    ordner.schreibe("Varku.ini", "[Varku]\nSchwierigkeitsgrad=40000\n");
    try {
        loadVarkuIni();
        FAIL();
    } catch (const Laufzeitfehler& f) {
        EXPECT_EQ(f.nummer(), 6);
        EXPECT_EQ(f.betrifft(), "Schwierigkeitsgrad=40000");
    }
    ordner.schreibe("Varku.ini", "[TextToSpeech]\nModus=32768\n");
    EXPECT_THROW(loadTextToSpeechIni(), Laufzeitfehler);
}

TEST_F(Ini, SchreibenInTabellenreihenfolge) {
    lies("TonEinschalten=1\nTextFontName=Andika\n;Schrift\nTextFontGröße=28\n", "Modus=1\n");
    TextFontGroesse = 10.5;
    Nachschreiben = true;
    saveVarkuIni();
    saveTextToSpeechIni();
    const QByteArray erwartet = "[Varku]\n"
                                "TextFontName=Andika\n"
                                "TextFontGr\xc3\xb6\xc3\x9f"
                                "e=10.5\n"
                                "TextFontFett=0\n"
                                "TextFontKursiv=0\n"
                                "Nachschreiben=1\n"
                                "LeseLupe=0\n"
                                "Schwierigkeitsgrad=0\n"
                                "TonEinschalten=1\n"
                                "EinstellungenSpeichern=0\n"
                                "BeispielSatz=0\n"
                                "TextToSpeech=0\n"
                                "SprachAusgabeSatz=0\n"
                                "AutoDialog=0\n"
                                " \n"
                                ";Schrift\n"
                                "[TextToSpeech]\n"
                                "Modus=1\n"
                                "Lautst\xc3\xa4rke=0\n"
                                "Geschwindigkeit=0\n"
                                "Stimmlage=0\n"
                                "TranskripteW\xc3\xb6rter=0\n"
                                "TranskripteS\xc3\xa4tze=0\n"
                                " \n";
    EXPECT_EQ(ordner.lies("Varku.ini"), erwartet);
    // gelesen und wieder geschrieben: dieselbe Datei
    loadVarkuIni();
    loadTextToSpeechIni();
    saveVarkuIni();
    saveTextToSpeechIni();
    EXPECT_EQ(ordner.lies("Varku.ini"), erwartet);
}
