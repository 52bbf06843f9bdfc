#include "foundation/DateiInfoFrm.h"
#include "foundation/EndeFrm.h"
#include "foundation/MeldungsLayout.h"
#include "foundation/MldFenster.h"
#include "foundation/Twips.h"
#include "platform/testing/TestDienste.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace varku;
using varku::test::TestDienste;

namespace {

struct FensterFixture : ::testing::Test {
    TestDienste d;
    ~FensterFixture() override {
        MldFenster::entlade();
        EndeFrm::entlade();
        DateiInfoFrm::entlade();
    }
};

} // namespace

TEST(MeldungsLayout, RegelInTwips) {
    const MeldungsEntwurf e;
    // ein Knopf: in der Mitte
    const MeldungsLayout eins = ordneMeldungAn(e, 3000.4, 900.5, true, false);
    EXPECT_EQ(eins.rahmenBreite, 1080 + 3000 + 200);
    EXPECT_EQ(eins.fensterBreite, 240 + eins.rahmenBreite + 200);
    EXPECT_EQ(eins.rahmenHoehe, 360 + 900 + 100); // 1260.5 zur geraden Zahl
    EXPECT_EQ(eins.knopfOben, 160 + eins.rahmenHoehe + 100);
    EXPECT_EQ(eins.knopf1Links, (eins.fensterBreite - e.knopfBreite) / 2);
    EXPECT_EQ(eins.fensterHoehe, eins.knopfOben + e.knopfHoehe + 500);
    EXPECT_TRUE(eins.knopf1Sichtbar);
    EXPECT_FALSE(eins.knopf2Sichtbar);
    // zwei Knöpfe: der erste bleibt links, der zweite rechtsbündig zum Rahmen
    const MeldungsLayout zwei = ordneMeldungAn(e, 5000, 900, true, true);
    EXPECT_EQ(zwei.knopf1Links, e.knopf1Links);
    EXPECT_EQ(zwei.knopf2Links, e.rahmenLinks + zwei.rahmenBreite - e.knopfBreite);
    // sehr kurzer Text: die Knöpfe überdecken sich nicht
    const MeldungsLayout kurz = ordneMeldungAn(e, 100, 300, true, true);
    EXPECT_GE(kurz.knopf2Links, kurz.knopf1Links + e.knopfBreite);
}

TEST_F(FensterFixture, EinKnopfInDerMitteZweiRechtsbuendig) {
    d.anzeige.dann([](QWidget& w) {
        auto& f = static_cast<MldFenster&>(w);
        EXPECT_TRUE(f.Btn1->isVisible());
        EXPECT_FALSE(f.Btn2->isVisible());
        const int mitte = f.Btn1->x() + f.Btn1->width() / 2;
        EXPECT_NEAR(mitte, f.width() / 2, 1);
        varku::test::klicke(w, "Btn1");
    });
    zeigeMeldung("Hallo,\rwie geht es?", "&OK", "", "Info");
    EXPECT_EQ(MldFenster::instanz().Antwort, "OK");
    EXPECT_EQ(MldFenster::instanz().windowTitle(), "Info");
    EXPECT_EQ(MldFenster::instanz().Meldung->text(), "Hallo,\nwie geht es?");

    d.anzeige.dann([](QWidget& w) {
        auto& f = static_cast<MldFenster&>(w);
        EXPECT_TRUE(f.Btn1->isVisible());
        EXPECT_TRUE(f.Btn2->isVisible());
        EXPECT_EQ(f.Btn2->x() + f.Btn2->width(), f.MldFrame->x() + f.MldFrame->width());
        EXPECT_LT(f.Btn1->x(), f.Btn2->x());
        varku::test::klicke(w, "Btn2");
    });
    zeigeMeldung("Seid ihr wirklich sicher,\rdass ihr neu starten wollt?", "&ja", "&nein",
                 "Neues Spiel");
    EXPECT_EQ(MldFenster::instanz().Antwort, "nein");
    EXPECT_FALSE(MldFenster::instanz().isVisible());
}

TEST_F(FensterFixture, FrageDannHinweisZeigtNurEinenKnopf) {
    d.anzeige.dannKlicke("Btn1");
    zeigeMeldung("Frage?", "&ja", "&nein", "Frage");
    EXPECT_EQ(MldFenster::instanz().Antwort, "ja");
    d.anzeige.dann([](QWidget& w) {
        auto& f = static_cast<MldFenster&>(w);
        EXPECT_TRUE(f.Btn1->isVisible());
        EXPECT_FALSE(f.Btn2->isVisible()) << "der Knopf der Frage ist weg";
        EXPECT_EQ(f.Btn1->text(), "&OK");
        varku::test::klicke(w, "Btn1");
    });
    zeigeMeldung("Hinweis", "&OK", "", "Info");
}

TEST_F(FensterFixture, AntwortOhneJedesUndZeichen) {
    struct Fall {
        const char* caption;
        const char* antwort;
    };
    const Fall faelle[] = {
        {"&OK", "OK"}, {"&&a&b&", "ab"}, {"ohne", "ohne"}, {"", ""}, {"&löschen", "löschen"}};
    MldFenster& f = MldFenster::instanz();
    for (const Fall& fall : faelle) {
        f.setzeAntwort(QString::fromUtf8(fall.caption));
        EXPECT_EQ(f.Antwort, QString::fromUtf8(fall.antwort)) << fall.caption;
    }
}

TEST_F(FensterFixture, EscapeSchliesstDieMeldungNicht) {
    d.anzeige.dann([](QWidget& w) {
        static_cast<QDialog&>(w).reject();
        EXPECT_TRUE(w.isVisible());
        varku::test::klicke(w, "Btn1");
    });
    zeigeMeldung("Text", "&OK", "", "Info");
    EXPECT_EQ(MldFenster::instanz().Antwort, "OK");
}

TEST_F(FensterFixture, EndeFrmNeinBehaeltSeineAntwort) {
    EndeFrm& e = EndeFrm::instanz();
    d.anzeige.dannKlicke("neinBtn");
    EXPECT_EQ(e.frage("Bist du wirklich sicher, dass du VARKU beenden willst?"), "nein");
    EXPECT_EQ(e.Meldung->text(), "Bist du wirklich sicher, dass du VARKU beenden willst?");
    EXPECT_FALSE(e.isVisible());
    EXPECT_EQ(e.Antwort, "nein") << "bis zur nächsten Frage";
    d.anzeige.dannKlicke("jaBtn");
    EXPECT_EQ(e.frage("Noch einmal?"), "ja");
    EXPECT_EQ(e.windowTitle(), "VARKU beenden");
}

TEST_F(FensterFixture, InformationsfensterVerbirgtSich) {
    DateiInfoFrm& i = DateiInfoFrm::instanz();
    i.DatInfLbl[0]->setText("42");
    i.SpName[1]->setText("Gast 2");
    i.zeigeSpieler(1, true);
    d.anzeige.dann([](QWidget& w) {
        auto& f = static_cast<DateiInfoFrm&>(w);
        EXPECT_TRUE(f.SpName[1]->isVisible());
        EXPECT_FALSE(f.SpName[0]->isVisible());
        varku::test::klicke(w, "Command1");
    });
    d.anzeige.zeigeModal(i);
    EXPECT_FALSE(i.isVisible());
    EXPECT_EQ(i.DatInfLbl[0]->text(), "42") << "verborgen, nicht entladen";
}
