#include "frame/VarkuIni.h"
#include "foundation/testing/TestOrdner.h"
#include "platform/Laufzeitfehler.h"

#include <gtest/gtest.h>

using namespace varku;
using varku::test::TestOrdner;

namespace {

struct Ini : ::testing::Test {
    TestOrdner ordner;
    QString ini = ordner.pfad("Varku.ini");
    VarkuEinstellungen e;
    SprachEinstellungen s;
    void lies(const QByteArray& varku, const QByteArray& sprache = {}) {
        ordner.schreibe("Varku.ini", "[Varku]\n" + varku + "\n[TextToSpeech]\n" + sprache + "\n");
        loadVarkuIni(ini, e);
        loadTextToSpeechIni(ini, s);
    }
};

} // namespace

TEST_F(Ini, WerteNachIhrerArt) {
    struct Fall {
        const char* zeile;
        std::function<bool(const VarkuEinstellungen&)> pruefe;
    };
    const Fall faelle[] = {
        {"TextFontName=Comic Sans MS",
         [](const VarkuEinstellungen& e) { return e.TextFontName == "Comic Sans MS"; }},
        {"TextFontGröße=12abc",
         [](const VarkuEinstellungen& e) { return e.TextFontGroesse == 12; }},
        {"TextFontGröße=10.5",
         [](const VarkuEinstellungen& e) { return e.TextFontGroesse == 10.5; }},
        {"TextFontGröße=abc", [](const VarkuEinstellungen& e) { return e.TextFontGroesse == 0; }},
        // über dem Bereich von double wie jede zu große Zahl, nicht ein Überlauf
        {"TextFontGröße=1e400",
         [](const VarkuEinstellungen& e) { return e.TextFontGroesse > 1e300; }},
        {"TextFontGröße=-1e400",
         [](const VarkuEinstellungen& e) { return e.TextFontGroesse < -1e300; }},
        {"Schwierigkeitsgrad=2.5",
         [](const VarkuEinstellungen& e) { return e.Schwierigkeitsgrad == 2; }},
        {"Schwierigkeitsgrad=1.5",
         [](const VarkuEinstellungen& e) { return e.Schwierigkeitsgrad == 2; }},
        {"Schwierigkeitsgrad=abc",
         [](const VarkuEinstellungen& e) { return e.Schwierigkeitsgrad == 0; }},
        {"Nachschreiben=1", [](const VarkuEinstellungen& e) { return e.Nachschreiben; }},
        {"Nachschreiben=2", [](const VarkuEinstellungen& e) { return !e.Nachschreiben; }},
        {"Nachschreiben=", [](const VarkuEinstellungen& e) { return !e.Nachschreiben; }},
        {"TonEinschalten=2", [](const VarkuEinstellungen& e) { return e.TonEinschalten; }},
        {"TonEinschalten=0", [](const VarkuEinstellungen& e) { return !e.TonEinschalten; }},
        {"TonEinschalten=", [](const VarkuEinstellungen& e) { return e.TonEinschalten; }},
        {"AutoDialog=00", [](const VarkuEinstellungen& e) { return e.AutoDialog; }},
        {"LeseLupe=0", [](const VarkuEinstellungen& e) { return !e.LeseLupe; }},
        {"TextFontFett = 1",
         [](const VarkuEinstellungen& e) { return !e.TextFontFett; }}, // keine Schlüsselzeile
    };
    for (const Fall& f : faelle) {
        e = {};
        lies(f.zeile);
        EXPECT_TRUE(f.pruefe(e)) << f.zeile;
    }
}

TEST_F(Ini, SprachwerteNachIhrerArt) {
    lies("", "Modus=2\nLautstärke=70000\nGeschwindigkeit=150.5\nStimmlage=-3\n"
             "TranskripteWörter=2\nTranskripteSätze=1\n");
    EXPECT_EQ(s.Modus, 2);
    EXPECT_EQ(s.Lautstaerke, 70000);
    EXPECT_EQ(s.Geschwindigkeit, 150);
    EXPECT_EQ(s.Stimmlage, -3);
    EXPECT_FALSE(s.TranskripteWoerter);
    EXPECT_TRUE(s.TranskripteSaetze);
}

TEST_F(Ini, FehlendeSchluesselBehaltenIhrenStartwert) {
    lies("", "");
    EXPECT_EQ(e.TextFontName, "");
    EXPECT_EQ(e.TextFontGroesse, 0);
    EXPECT_FALSE(e.TonEinschalten);
    EXPECT_FALSE(e.AutoDialog);
    EXPECT_EQ(s.Modus, 0);
}

// Werte außerhalb ihres Bereichs sind ein Laufzeitfehler, der Datei, Abschnitt, Schlüssel und
// Wert nennt; eine Zahl über dem Bereich von double ist einer von ihnen.
TEST_F(Ini, WertAusserhalbIstLaufzeitfehler) {
    struct Fall {
        const char* zeile;
        bool sprache;
    };
    const Fall faelle[] = {
        {"Schwierigkeitsgrad=40000", false},
        {"Schwierigkeitsgrad=3", false}, // gäbe negative Punkte
        {"Schwierigkeitsgrad=-1", false},
        {"Modus=32768", true},
        {"Lautstärke=3000000000", true},
        {"Schwierigkeitsgrad=7", false},
        {"Schwierigkeitsgrad=1e400", false},
        {"Geschwindigkeit=-1e400", true},
    };
    for (const Fall& f : faelle) {
        ordner.schreibe("Varku.ini",
                        QByteArray(f.sprache ? "[TextToSpeech]\n" : "[Varku]\n") + f.zeile + "\n");
        try {
            if (f.sprache)
                loadTextToSpeechIni(ini, s);
            else
                loadVarkuIni(ini, e);
            ADD_FAILURE() << f.zeile;
        } catch (const Laufzeitfehler& fehler) {
            EXPECT_EQ(fehler.nummer(), 6) << f.zeile;
            EXPECT_EQ(fehler.betrifft(),
                      QString(f.sprache ? "Varku.ini [TextToSpeech] " : "Varku.ini [Varku] ") +
                          QString::fromUtf8(f.zeile));
        }
    }
    ordner.schreibe("Varku.ini", "[Varku]\nSchwierigkeitsgrad=2\n");
    loadVarkuIni(ini, e);
    EXPECT_EQ(e.Schwierigkeitsgrad, 2);
}

TEST_F(Ini, SchreibenInTabellenreihenfolge) {
    lies("TonEinschalten=1\nTextFontName=Andika\n;Schrift\nTextFontGröße=28\n", "Modus=1\n");
    e.TextFontGroesse = 10.5;
    e.Nachschreiben = true;
    saveVarkuIni(ini, e);
    saveTextToSpeechIni(ini, s);
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
    loadVarkuIni(ini, e);
    loadTextToSpeechIni(ini, s);
    saveVarkuIni(ini, e);
    saveTextToSpeechIni(ini, s);
    EXPECT_EQ(ordner.lies("Varku.ini"), erwartet);
}
