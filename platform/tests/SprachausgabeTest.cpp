#include "platform/EspeakSprachausgabe.h"
#include "platform/SoundGeraet.h"
#include "platform/Sprachtext.h"

#include <QAudioDevice>
#include <gtest/gtest.h>

using namespace varku;

TEST(Sprachtext, SsmlMitPausen) {
    struct Fall {
        const char* text;
        const char* ssml;
    };
    const Fall faelle[] = {
        {"der Igel", "<speak>der Igel</speak>"},
        {"Der Igel schläft.\\Pau=500\\der Igel.",
         "<speak>Der Igel schläft.<break time=\"500ms\"/>der Igel.</speak>"},
        {"\\pau=250\\a\\Pau=10\\", "<speak><break time=\"250ms\"/>a<break time=\"10ms\"/></speak>"},
        {"Tom & Jerry <3 \"x\"", "<speak>Tom &amp; Jerry &lt;3 &quot;x&quot;</speak>"},
        {"\\Pau=\\ bleibt Text", "<speak>\\Pau=\\ bleibt Text</speak>"},
        {"", "<speak></speak>"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(alsSsml(QString::fromUtf8(f.text)), QString::fromUtf8(f.ssml)) << f.text;
}

// Die Stimme rechnet nur in den Speicher: kein Ton im Test.
TEST(Sprachausgabe, EspeakRechnetDeutscheSprache) {
    EspeakSprachausgabe s;
    if (s.abtastrate() == 0)
        GTEST_SKIP() << "espeak-ng-Daten fehlen";
    EXPECT_EQ(s.stimmenAnzahl(), 4);
    EXPECT_EQ(s.stimmenName(1), "Deutsch – Mann");
    EXPECT_EQ(s.stimmenName(0), "");
    s.setzeStimme(0);
    EXPECT_EQ(s.stimme(), 1) << "ohne gültige Nummer die erste Stimme";
    s.setzeGeschwindigkeit(1000);
    EXPECT_EQ(s.geschwindigkeit(), 450);

    s.setzeGeschwindigkeit(175);
    const QByteArray kurz = s.berechne("der Igel");
    const QByteArray lang = s.berechne("Der Igel schläft im Winter unter dem Laub.");
    const QByteArray zweimal = s.berechne("der Igel der Igel");
    const QByteArray mitPause = s.berechne("der Igel\\Pau=900\\der Igel");
    EXPECT_GT(kurz.size(), s.abtastrate() * 2 / 4) << "mehr als eine Viertelsekunde";
    EXPECT_GT(lang.size(), kurz.size());
    // die Pause kommt dazu: fast eine Sekunde mehr als zweimal das Wort ohne Pause
    EXPECT_GT(mitPause.size(), zweimal.size() + s.abtastrate() * 2 * 8 / 10);
    EXPECT_TRUE(s.berechne("   ").isEmpty());
    // langsamer gesprochen dauert länger
    s.setzeGeschwindigkeit(90);
    EXPECT_GT(s.berechne("der Igel").size(), kurz.size());
}

// Ohne Tonausgabe (ein leeres Gerät) wird jedes Wort gemeldet, das nicht zu hören ist; ein
// leerer Text ist ohnehin still.
TEST(Sprachausgabe, OhneTonausgabeWirdGemeldet) {
    EspeakSprachausgabe s{QAudioDevice()};
    if (s.abtastrate() == 0)
        GTEST_SKIP() << "espeak-ng-Daten fehlen";
    EXPECT_FALSE(s.ausgabeMoeglich());
    struct Fall {
        const char* text;
        int meldungen;
    };
    const Fall faelle[] = {
        {"der Igel", 1}, {"Der Igel.\\Pau=500\\der Igel.", 1}, {"   ", 0}, {"", 0}};
    for (const Fall& f : faelle) {
        int gemeldet = 0;
        setzeOhneTonMelder([&] { ++gemeldet; });
        s.sprich(QString::fromUtf8(f.text));
        EXPECT_EQ(gemeldet, f.meldungen) << f.text;
    }
    setzeOhneTonMelder({});
}

// espeak-ng gibt es einmal im Prozess: eine zweite Ausgabe (nach dem Abbau einer ersten) rechnet
// weiter, und jede rechnet mit ihren eigenen Einstellungen.
TEST(Sprachausgabe, ZweiAusgabenNacheinanderUndNebeneinander) {
    { EspeakSprachausgabe erste; }
    EspeakSprachausgabe langsam;
    if (langsam.abtastrate() == 0)
        GTEST_SKIP() << "espeak-ng-Daten fehlen";
    EspeakSprachausgabe schnell;
    langsam.setzeGeschwindigkeit(90);
    schnell.setzeGeschwindigkeit(400);
    // die zuletzt eingestellte Geschwindigkeit gilt nur für ihre Ausgabe
    const QByteArray schnellGesprochen = schnell.berechne("der Igel");
    EXPECT_GT(langsam.berechne("der Igel").size(), schnellGesprochen.size());
    EXPECT_LT(schnell.berechne("der Igel").size(), langsam.berechne("der Igel").size());
}
