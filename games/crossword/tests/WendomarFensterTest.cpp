// Das Fenster des Kreuzworträtsels: Start mit und ohne Startparameter, das erste Wort.
#include "foundation/MldFenster.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
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
