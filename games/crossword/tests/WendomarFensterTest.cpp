// Das Fenster des Kreuzworträtsels: Start mit und ohne Startparameter, das erste Wort.
#include "foundation/MldFenster.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "gamekit/Spielprogramm.h"
#include "gamekit/Spielstart.h"
#include "games/crossword/MainFrm.h"
#include "platform/Fensterablage.h"
#include "platform/testing/TestDienste.h"

#include <QDir>
#include <QLabel>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::wendomar;
using namespace varku::test;

namespace {

struct Wendomar : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    std::unique_ptr<MainFrm> f;
    QStringList meldungen;

    Wendomar() {
        ordner.schreibe("Varku.tsp", ">>> Seite,-\nTiere,KAT1\nLeer,KAT2\n");
        ordner.schreibe("Varku.ini", "[Spiele]\nMaximaleSpielDauer=30\n");
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{1, "Igel", "der", 1, false, true, false, "", ""},
                      {2, "Elefantenbaby", "das", 1, false, true, false, "", ""}});
        QDir().mkpath(ordner.pfad("User"));
    }
    ~Wendomar() override {
        f.reset();
        entladeAlleFenster();
    }
    void starte(const char* kategorie = "KAT1") {
        const Startpruefung p = pruefeStart(
            QString("\"Version=4;RuvoFeldName=%1;nSpieler=2;Anna;Ben;ABCDEFGH;IJKLMNOP;\"")
                .arg(kategorie),
            MainFrm::konfiguration());
        ASSERT_TRUE(p.angenommen) << p.meldung.toStdString();
        f = std::make_unique<MainFrm>(MainFrm::konfiguration(), p.daten);
    }
};

} // namespace

TEST_F(Wendomar, StartetMitDemErstenWort) {
    starte();
    d.anzeige.zeige(*f);
    EXPECT_EQ(f->windowTitle(), "Varku - Wendomar");
    // "Elefantenbaby" hat 13 Zeichen und kommt nicht vor
    EXPECT_EQ(f->woerter.AnzahlWoerter(), 1);
    EXPECT_EQ(f->gitter.Wort, "Igel");
    EXPECT_EQ(f->gitter.StartSpalte, 6);
    EXPECT_EQ(f->gitter.StartZeile, 6);
    EXPECT_EQ(f->gitter.Richtung, waagrecht);
    EXPECT_EQ(f->gitter.alsText().at(5), "....@IGEL@....") << "das erste Wort liegt";
    EXPECT_FALSE(f->ablauf.ratezeitAn()) << "ohne Züge keine Ratezeit";
    EXPECT_GE(f->brett->width(), f->brett->zellenRechteck(14, 11).right());
}

TEST_F(Wendomar, OhneWoerterEndetDerStart) {
    d.anzeige.dann([this](QWidget& w) {
        meldungen << static_cast<MldFenster&>(w).Meldung->text();
        klicke(w, "Btn1");
    });
    starte("KAT2");
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].startsWith("Zu diesem Übungsschwerpunkt gibt es\nkeine Wörter für "
                                        "Wendomar."))
        << meldungen[0].toStdString();
    EXPECT_TRUE(f->ablauf.ohneWoerter());
}

TEST_F(Wendomar, OhneStartparameterNurAusVarku) {
    const Startpruefung p = pruefeStart("", MainFrm::konfiguration());
    EXPECT_FALSE(p.angenommen);
    EXPECT_EQ(p.meldung, nurAusVarkuMeldung());
}

// "ProgrammStart" spielt der Start einmal, bevor das Fenster kommt; ein abgewiesener Start
// spielt nichts
TEST_F(Wendomar, StartklangVorDemFenster) {
    ordner.schreibe("Varku.ini", "[Wendomar]\nTonEinschalten=1\n[Spiele]\nMaximaleSpielDauer=30\n"
                                 "[Sound]\nProgrammStart=Start\n");
    ordner.schreibe("Sound/Start.WAV", "");
    const auto fabrik = [](const Spielkonfiguration& k, const Spielstartdaten& s) {
        return std::unique_ptr<Spielfenster>(new MainFrm(k, s));
    };
    const QString start = "spiele " + ordner.pfad("Sound/Start.WAV");
    qsizetype klaengeVorDemFenster = -1;
    d.anzeige.dann([&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Varku - Wendomar");
        klaengeVorDemFenster = d.sound.befehle.count(start);
        static_cast<Spielfenster&>(w).ablauf.programmEnde();
    });
    spielAblauf("\"Version=4;RuvoFeldName=KAT1;nSpieler=1;Anna;ABCDEFGH;\"",
                MainFrm::konfiguration(), fabrik);
    EXPECT_EQ(klaengeVorDemFenster, 1) << d.sound.befehle.join(" | ").toStdString();

    d.sound.befehle.clear();
    d.anzeige.dann([](QWidget& w) { klicke(w, "Btn1"); }); // die Meldung des Abweisens
    EXPECT_NE(spielAblauf("\"Version=3;RuvoFeldName=KAT1;nSpieler=1;Anna;ABCDEFGH;\"",
                          MainFrm::konfiguration(), fabrik),
              0);
    EXPECT_FALSE(d.sound.befehle.contains(start));
}
