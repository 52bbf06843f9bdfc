// Der Abschnitt [Kartomin] und der Dialog dazu: gelesen, geschrieben, gezeigt, abgebrochen.
#include "games/hiddenletters/EinstellFrm.h"
#include "foundation/testing/TestOrdner.h"
#include "gamekit/tests/Abschnittspruefung.h"
#include "games/hiddenletters/KartominEinstellungen.h"
#include "platform/testing/TestDienste.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::kartomin;
using namespace varku::test;

namespace {

std::vector<int> alle(const Einstellungen& e) {
    return {e.TonEinschalten, e.RatezeitBegrenzen,    e.FeldMarkierung,
            e.GegenComputer,  e.ComputerSpielStaerke, e.EinstellungenSpeichern};
}

} // namespace

TEST(KartominAbschnitt, LiestUndSchreibtSechsSchluessel) {
    TestOrdner ordner;
    struct Fall {
        const char* abschnitt;
        std::vector<int> werte;
    };
    const Fall faelle[] = {
        {"TonEinschalten=1\nRatezeitBegrenzen=1\nFeldMarkierung=1\nGegenComputer=1\n"
         "ComputerSpielStärke=1\nEinstellungenSpeichern=1",
         {1, 1, 1, 1, 1, 1}},
        // nur 1 schaltet ein; eine Stärke außerhalb wird begrenzt
        {"TonEinschalten=2\nFeldMarkierung=1.0\nComputerSpielStärke=7", {0, 0, 1, 0, 1, 0}},
        {"ComputerSpielStärke=-3\nGegenComputer=abc", {0, 0, 0, 0, 0, 0}},
        {"", {0, 0, 0, 0, 0, 0}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.abschnitt);
        ordner.schreibe("Varku.ini", QByteArray("[Varku]\nx=1\n[Kartomin]\n") + f.abschnitt +
                                         "\n[Spiele]\nSpiel1=Kartomin\n");
        Einstellungen e;
        ASSERT_TRUE(kartominAbschnitt().lies(ordner.pfad("Varku.ini"), e));
        EXPECT_EQ(alle(e), f.werte);
        kartominAbschnitt().schreibe(ordner.pfad("Varku.ini"), e);
        Einstellungen wieder;
        kartominAbschnitt().lies(ordner.pfad("Varku.ini"), wieder);
        EXPECT_EQ(alle(wieder), f.werte);
        EXPECT_TRUE(ordner.lies("Varku.ini").contains("[Spiele]\nSpiel1=Kartomin"));
    }
    // die Reihenfolge der Datei, ohne Leerzeichen nach "="
    Einstellungen e;
    e.TonEinschalten = 1;
    e.ComputerSpielStaerke = 1;
    kartominAbschnitt().schreibe(ordner.pfad("Varku.ini"), e);
    EXPECT_TRUE(ordner.lies("Varku.ini")
                    .contains("[Kartomin]\nTonEinschalten=1\nRatezeitBegrenzen=0\nFeldMarkierung="
                              "0\nGegenComputer=0\n"
                              "ComputerSpielStärke=1\nEinstellungenSpeichern=0\n"));
}

// Ohne Abschnitt zeigt der Dialog seinen Entwurf; OK übernimmt ihn, abbrechen gibt jedem
// Steuerelement den Wert seiner Einstellung zurück
TEST(KartominDialog, EntwurfOkUndAbbrechen) {
    TestDienste d;
    EinstellFrm f(nullptr);
    EXPECT_EQ(f.windowTitle(), "Einstellungen");
    EXPECT_TRUE(f.TonEin->isChecked());
    EXPECT_TRUE(f.EinstSaveOpt->isChecked());
    EXPECT_TRUE(f.SpSt[0]->isChecked());
    EXPECT_EQ(f.SpSt[0]->text(), "&stark");
    EXPECT_EQ(f.SpSt[1]->text(), "sch&wach");
    EXPECT_EQ(f.gegenComp->text(), "als &Gegenspieler");
    EXPECT_EQ(f.FeldMarkEin->text(), "Feldmarkierung anzeigen");

    const Einstellungen null;
    f.merke(null);
    d.anzeige.dann([](QWidget& w) { klicke(w, "abbrBtn"); });
    d.anzeige.zeigeModal(f);
    EXPECT_FALSE(f.bestaetigt());
    EXPECT_FALSE(f.TonEin->isChecked()) << "zurück auf den Wert 0";
    EXPECT_FALSE(f.EinstSaveOpt->isChecked());

    Einstellungen gelesen;
    gelesen.ComputerSpielStaerke = staerkeSchwach;
    f.zeige(mitGelesenen(EinstellFrm::entwurf(), gelesen, {"ComputerSpielStärke"}));
    EXPECT_TRUE(f.SpSt[1]->isChecked()) << "nur die Stärke stand in der Datei";
    EXPECT_TRUE(f.TonEin->isChecked()) << "der Rest wie im Entwurf";
    EXPECT_TRUE(f.EinstSaveOpt->isChecked());

    d.anzeige.dann([](QWidget& w) {
        auto& e = static_cast<EinstellFrm&>(w);
        e.RateZeitEin->setChecked(true);
        e.gegenComp->setChecked(true);
        e.SpSt[0]->setChecked(true);
        klicke(w, "okBtn");
    });
    d.anzeige.zeigeModal(f);
    ASSERT_TRUE(f.bestaetigt());
    const Einstellungen w = f.werte();
    EXPECT_EQ(alle(w), (std::vector<int>{1, 1, 0, 1, staerkeStark, 1}));
}

// Fehlt der Abschnitt in der ausgelieferten Varku.ini, schreibt das Spiel ihn mit seinem Kopf ans
// Ende, und ohne ihn beginnt es wie jedes Spiel
TEST(Abschnitt, FehlenderAbschnittKommtMitSeinemKopfAnsEnde) {
    varku::test::pruefeFehlendenAbschnitt(varku::kartomin::kartominAbschnitt());
    varku::test::pruefeBeginnOhneAbschnitt(varku::kartomin::kartominAbschnitt());
}
