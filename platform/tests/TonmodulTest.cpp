#include "platform/Tonmodul.h"
#include "platform/TonBeiBedarf.h"
#include "platform/testing/Klangdateien.h"

#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace varku;
using varku::test::stilleWav;

namespace {

// Schreibt auf, was beim echten Gerät ankommt
struct Mitschrift {
    int angelegt = 0;
    QStringList befehle;
};

class MitschreibGeraet : public SoundGeraet {
public:
    explicit MitschreibGeraet(Mitschrift& m) : m_m(m) {}
    void lade(const QStringList& d) override { m_m.befehle << "lade " + d.join(','); }
    void spiele(const QString& d) override { m_m.befehle << "spiele " + d; }
    void spieleUndWarte(const QString& d) override { m_m.befehle << "warte " + d; }
    void schliesse() override { m_m.befehle << "schliesse"; }
    bool ausgabeMoeglich() override {
        m_m.befehle << "frage";
        return true;
    }
    void bereiteVor() override { m_m.befehle << "bereite vor"; }

private:
    Mitschrift& m_m;
};

} // namespace

// Das echte Gerät entsteht beim ersten Klang oder bei der ersten Frage nach der Ausgabe, einmal;
// was vorher vorab geladen werden sollte, bekommt es dann als Erstes. Schließen allein legt
// nichts an.
TEST(SoundBeiBedarf, LegtBeimErstenKlangAnUndReichtDasVorabLadenNach) {
    using Schritt = std::function<void(SoundBeiBedarf&)>;
    struct Fall {
        const char* name;
        std::vector<Schritt> schritte;
        int angelegt;
        QStringList befehle;
    };
    const Schritt lade = [](SoundBeiBedarf& s) { s.lade({"a.wav", "b.wav"}); };
    const Schritt ladeNeu = [](SoundBeiBedarf& s) { s.lade({"c.wav"}); };
    const Schritt spiele = [](SoundBeiBedarf& s) { s.spiele("a.wav"); };
    const Schritt warte = [](SoundBeiBedarf& s) { s.spieleUndWarte("b.wav"); };
    const Schritt schliesse = [](SoundBeiBedarf& s) { s.schliesse(); };
    const Schritt frage = [](SoundBeiBedarf& s) { EXPECT_TRUE(s.ausgabeMoeglich()); };
    const Schritt vor = [](SoundBeiBedarf& s) { s.bereiteVor(); };
    const Fall faelle[] = {
        {"nur geladen", {lade}, 0, {}},
        {"nur geschlossen", {lade, schliesse}, 0, {}},
        {"geladen, dann gespielt", {lade, spiele}, 1, {"lade a.wav,b.wav", "spiele a.wav"}},
        {"die letzte Liste gilt", {lade, ladeNeu, warte}, 1, {"lade c.wav", "warte b.wav"}},
        {"ohne Liste", {spiele, spiele}, 1, {"spiele a.wav", "spiele a.wav"}},
        {"Liste nach dem Anlegen", {spiele, ladeNeu}, 1, {"spiele a.wav", "lade c.wav"}},
        {"Frage legt an", {lade, frage}, 1, {"lade a.wav,b.wav", "frage"}},
        {"Vorbereiten legt an",
         {lade, vor, spiele},
         1,
         {"lade a.wav,b.wav", "bereite vor", "spiele a.wav"}},
        {"geschlossen vergisst die Liste", {lade, schliesse, spiele}, 1, {"spiele a.wav"}},
        {"angelegt und geschlossen", {spiele, schliesse}, 1, {"spiele a.wav", "schliesse"}},
    };
    for (const Fall& f : faelle) {
        Mitschrift m;
        SoundBeiBedarf s([&m] {
            ++m.angelegt;
            return std::make_unique<MitschreibGeraet>(m);
        });
        for (const Schritt& schritt : f.schritte)
            schritt(s);
        EXPECT_EQ(m.angelegt, f.angelegt) << f.name;
        EXPECT_EQ(s.angelegt(), f.angelegt > 0) << f.name;
        EXPECT_EQ(m.befehle, f.befehle) << f.name;
    }
}

// Ohne Tonmodul klingt nichts: gemeldet wird, was sonst zu hören wäre, wie auf einem Rechner ohne
// Tonausgabe, und das Warten wartet nur so lange, wie der Klang dauert.
TEST(SoundBeiBedarf, OhneModulWieOhneTonausgabe) {
    QTemporaryDir dir;
    const QString klang = dir.filePath("klang.wav");
    QFile f(klang);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(stilleWav(5));
    f.close();
    const QString kaputt = dir.filePath("kaputt.wav");
    QFile k(kaputt);
    ASSERT_TRUE(k.open(QIODevice::WriteOnly));
    k.write("RIFF\x04\0\0\0WAVE", 12);
    k.close();

    struct Fall {
        const char* name;
        QString datei;
        bool warten;
        int meldungen;
    };
    const Fall faelle[] = {
        {"Klang", klang, false, 1},
        {"Warten", klang, true, 1},
        {"fehlende Datei bleibt still", dir.filePath("fehlt.wav"), false, 0},
        {"fehlende Datei beim Warten", dir.filePath("fehlt.wav"), true, 0},
        {"kaputter Kopf bleibt still", kaputt, false, 0},
    };
    for (const Fall& fall : faelle) {
        test::OhneTonMeldungen m;
        SoundBeiBedarf s([] { return std::unique_ptr<SoundGeraet>(); });
        s.lade({klang});
        if (fall.warten)
            s.spieleUndWarte(fall.datei);
        else
            s.spiele(fall.datei);
        EXPECT_EQ(m.anzahl, fall.meldungen) << fall.name;
        EXPECT_FALSE(s.ausgabeMoeglich()) << fall.name;
        s.schliesse();
    }
}

// Die Sprachausgabe entsteht beim ersten Gebrauch, auch wenn er nur ein Setzen ist, und einmal.
// Ohne Modul hat sie keine Stimmen, hält die Werte in ihren Bereichen und meldet jedes Wort.
TEST(SpracheBeiBedarf, LegtEinmalAnOhneModulStumm) {
    int angelegt = 0;
    test::OhneTonMeldungen m;
    SpracheBeiBedarf s([&angelegt] {
        ++angelegt;
        return std::unique_ptr<Sprachausgabe>();
    });
    EXPECT_FALSE(s.angelegt());
    s.setzeStimmlage(500);
    EXPECT_EQ(angelegt, 1);
    s.setzeGeschwindigkeit(10);
    s.setzeLautstaerke(-3);
    s.setzeStimme(4);
    EXPECT_EQ(angelegt, 1);
    struct Wert {
        const char* name;
        long ist;
        long soll;
    };
    const Wert werte[] = {
        {"Stimmlage", s.stimmlage(), 100},  {"Geschwindigkeit", s.geschwindigkeit(), 80},
        {"Lautstärke", s.lautstaerke(), 0}, {"Stimmen", s.stimmenAnzahl(), 0},
        {"Stimme", s.stimme(), 1},
    };
    for (const Wert& w : werte)
        EXPECT_EQ(w.ist, w.soll) << w.name;
    EXPECT_TRUE(s.stimmenName(1).isEmpty());
    s.sprich("   ");
    EXPECT_EQ(m.anzahl, 0) << "nichts zu sagen, nichts zu melden";
    s.sprich("Igel");
    EXPECT_EQ(m.anzahl, 1);
    EXPECT_FALSE(s.ausgabeMoeglich());
    EXPECT_EQ(angelegt, 1);
}

// Ein fehlendes, kaputtes oder fremdes Modul lässt das Programm weiterlaufen: lade gibt nichts.
TEST(Tonmodul, FehlendesOderKaputtesModulGibtNichts) {
    struct Fall {
        const char* name;
        QByteArray inhalt; // leer: keine Datei
    };
    const Fall faelle[] = {
        {"fehlt", {}},
        {"keine Bibliothek", "Hallo"},
        {"leer", QByteArray(1, '\0')},
    };
    for (const Fall& f : faelle) {
        QTemporaryDir dir;
        if (!f.inhalt.isEmpty()) {
            QFile datei(dir.filePath(tonmodul::dateiName));
            ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
            datei.write(f.inhalt);
        }
        EXPECT_EQ(tonmodul::lade(dir.path()), nullptr) << f.name;
    }
}

// Das gebaute Modul aus dem Programmordner: es passt, legt Gerät und Ausgabe an, und was dort
// mangels Tonausgabe stumm bleibt, kommt beim Melder des Programms an.
TEST(Tonmodul, GebautesModulLegtGeraetUndAusgabeAn) {
    const QString ordner = QStringLiteral(VARKU_PROGRAMMORDNER);
    const tonmodul::Einstieg* e = tonmodul::lade(ordner);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->fassung, tonmodul::fassung);
    // ein zweites Laden gibt dasselbe Modul
    EXPECT_EQ(tonmodul::lade(ordner), e);

    test::OhneTonMeldungen m;
    std::unique_ptr<SoundGeraet> g(e->neuesSoundGeraet(&meldeOhneTon));
    ASSERT_NE(g, nullptr);
    std::unique_ptr<Sprachausgabe> s(e->neueSprachausgabe(&meldeOhneTon));
    ASSERT_NE(s, nullptr);
    // eine Nummer außerhalb der Liste meint die erste Stimme
    s->setzeStimme(100000);
    EXPECT_EQ(s->stimme(), 1);
    s->setzeStimmlage(-5);
    EXPECT_EQ(s->stimmlage(), s->niedrigsteStimmlage());

    QTemporaryDir dir;
    const QString klang = dir.filePath("klang.wav");
    QFile f(klang);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(stilleWav(5));
    f.close();
    const bool ohneAusgabe = !g->ausgabeMoeglich();
    g->spiele(klang);
    g->schliesse();
    EXPECT_EQ(m.anzahl, ohneAusgabe ? 1 : 0);
}
