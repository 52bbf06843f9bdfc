#include "platform/EspeakSprachausgabe.h"
#include "platform/SoundGeraet.h"
#include "platform/Sprachtext.h"

#include <QAudioDevice>
#include <QSet>
#include <algorithm>
#include <cmath>
#include <espeak-ng/speak_lib.h>
#include <gtest/gtest.h>

using namespace varku;

namespace {

// Effektivwert der 16-Bit-Samples
double effektivwert(const QByteArray& pcm) {
    const auto* p = reinterpret_cast<const qint16*>(pcm.constData());
    const qsizetype n = pcm.size() / 2;
    double summe = 0;
    for (qsizetype i = 0; i < n; ++i)
        summe += double(p[i]) * p[i];
    return n > 0 ? std::sqrt(summe / double(n)) : 0;
}

double sekunden(const EspeakSprachausgabe& s, const QByteArray& pcm) {
    return double(pcm.size()) / 2 / s.abtastrate();
}

// wie espeak-ng das Wort mit der eingestellten Stimme ausspricht
QString lautschrift(const char* wort) {
    const void* text = wort;
    const char* laute = espeak_TextToPhonemes(&text, espeakCHARS_UTF8, 0);
    return QString::fromUtf8(laute ? laute : "");
}

} // namespace

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
    EXPECT_GT(s.stimmenAnzahl(), 4) << "die Grundstimme und ihre Varianten";
    EXPECT_EQ(s.stimmenName(1), "Deutsch");
    EXPECT_EQ(s.stimmenName(0), "");
    EXPECT_EQ(s.stimmenName(s.stimmenAnzahl() + 1), "");
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

// Die Stimmen sind die deutschen von espeak-ng mit allen Varianten, in fester Folge: zuerst die
// Grundstimme, dann die Varianten nach Namen. Eine zweite Ausgabe zählt genauso.
TEST(Sprachausgabe, EspeakStimmenDeutschUndGeordnet) {
    QStringList namen;
    {
        EspeakSprachausgabe s;
        if (s.abtastrate() == 0)
            GTEST_SKIP() << "espeak-ng-Daten fehlen";
        for (int k = 1; k <= s.stimmenAnzahl(); ++k)
            namen << s.stimmenName(k);
    }
    ASSERT_GT(namen.size(), 4);
    EXPECT_EQ(namen.first(), "Deutsch");
    EXPECT_EQ(QSet<QString>(namen.begin(), namen.end()).size(), namen.size()) << "keine doppelt";
    QStringList varianten;
    for (const QString& n : namen.mid(1)) {
        EXPECT_TRUE(n.startsWith("Deutsch – ")) << n.toStdString();
        varianten << n.mid(10);
    }
    EXPECT_TRUE(
        std::is_sorted(varianten.begin(), varianten.end(), [](const QString& a, const QString& b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        }));
    EspeakSprachausgabe wieder;
    QStringList zweite;
    for (int k = 1; k <= wieder.stimmenAnzahl(); ++k)
        zweite << wieder.stimmenName(k);
    EXPECT_EQ(zweite, namen);
}

// "Fahrrad" mit der echten Ausgabe: deutsch gesprochen (Zäpfchen-R, hartes t am Ende), hörbar,
// von glaubhafter Länge; langsamer gesprochen dauert es länger.
TEST(Sprachausgabe, FahrradKlingtDeutsch) {
    EspeakSprachausgabe s;
    if (s.abtastrate() == 0)
        GTEST_SKIP() << "espeak-ng-Daten fehlen";
    struct Fall {
        int stimme, tempo;
    };
    const Fall faelle[] = {{1, 175}, {2, 175}, {s.stimmenAnzahl(), 175}};
    for (const Fall& f : faelle) {
        s.setzeStimme(f.stimme);
        s.setzeGeschwindigkeit(f.tempo);
        const QString laute = lautschrift("Fahrrad");
        EXPECT_TRUE(laute.contains('R') && laute.endsWith('t'))
            << f.stimme << ": " << laute.toStdString();
        const QByteArray pcm = s.berechne("Fahrrad");
        EXPECT_GT(sekunden(s, pcm), 0.3) << f.stimme;
        EXPECT_LT(sekunden(s, pcm), 2.0) << f.stimme;
        EXPECT_GT(effektivwert(pcm), 300) << f.stimme << ": nicht still";
    }

    s.setzeStimme(1);
    s.setzeGeschwindigkeit(100);
    const QByteArray langsam = s.berechne("Fahrrad");
    s.setzeGeschwindigkeit(300);
    const QByteArray schnell = s.berechne("Fahrrad");
    EXPECT_GT(sekunden(s, langsam), sekunden(s, schnell) * 1.5);
    EXPECT_GT(effektivwert(schnell), 300);
}

// Die Lautstärke reicht von 0 (still) bis 200; darüber und darunter wird begrenzt.
TEST(Sprachausgabe, EspeakLautstaerke) {
    EspeakSprachausgabe s;
    if (s.abtastrate() == 0)
        GTEST_SKIP() << "espeak-ng-Daten fehlen";
    EXPECT_EQ(s.niedrigsteLautstaerke(), 0);
    EXPECT_EQ(s.hoechsteLautstaerke(), 200);
    EXPECT_EQ(s.lautstaerke(), 100) << "von sich aus";
    struct Fall {
        long wert, gilt;
    };
    for (const Fall f : {Fall{-5, 0}, Fall{0, 0}, Fall{50, 50}, Fall{200, 200}, Fall{900, 200}}) {
        s.setzeLautstaerke(f.wert);
        EXPECT_EQ(s.lautstaerke(), f.gilt) << f.wert;
    }
    s.setzeLautstaerke(0);
    const QByteArray still = s.berechne("Fahrrad");
    s.setzeLautstaerke(50);
    const QByteArray leise = s.berechne("Fahrrad");
    s.setzeLautstaerke(200);
    const QByteArray laut = s.berechne("Fahrrad");
    EXPECT_LT(effektivwert(still), 1);
    EXPECT_GT(effektivwert(laut), effektivwert(leise) * 2);
}
