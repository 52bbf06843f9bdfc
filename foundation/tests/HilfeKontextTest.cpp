#include "foundation/HilfeKontext.h"
#include "foundation/Hilfe.h"

#include "foundation/Global.h"
#include "foundation/MldFenster.h"
#include "foundation/testing/TestOrdner.h"
#include "platform/testing/TestDienste.h"

#include <QLabel>
#include <gtest/gtest.h>

using namespace varku;
using varku::test::FakeHilfe;
using varku::test::TestDienste;
using varku::test::TestOrdner;

TEST(HilfeKontext, ZuordnungDerGruppen) {
    struct Fall {
        int nummer;
        long kontext;
    };
    const Fall faelle[] = {{1, 1001},  {10, 1010}, {11, 1101}, {17, 1107}, {18, 1201}, {20, 1203},
                           {21, 1301}, {25, 1305}, {26, 1401}, {27, 1402}, {28, 1501}, {30, 1503},
                           {31, 1601}, {33, 1603}, {34, 1703}, {39, 1708}, {40, 1801}, {41, 1802},
                           {42, 1901}, {46, 1905}, {47, 2001}, {49, 2003}, {50, 2101}, {52, 2103}};
    for (const Fall& f : faelle)
        EXPECT_EQ(hilfeKontextFuer(f.nummer, -7), f.kontext) << f.nummer;
    for (int aussen : {-1, 0, 53, 1000})
        EXPECT_EQ(hilfeKontextFuer(aussen, 1234), 1234) << aussen;
}

TEST(HilfeKontext, AusserhalbBleibtDerLetzteWert) {
    HilfeKontext = 0;
    UebNr = 34;
    setzeHilfeKontext();
    EXPECT_EQ(HilfeKontext, 1703);
    UebNr = 0;
    setzeHilfeKontext();
    EXPECT_EQ(HilfeKontext, 1703);
    UebNr = -1;
    setzeHilfeKontext();
    EXPECT_EQ(HilfeKontext, 1703);
    HilfeKontext = 0;
}

TEST(HilfeKontext, HilfeVorDemErstenSchwerpunktHatKontextNull) {
    TestDienste d;
    TestOrdner o;
    HilfeKontext = 0;
    zeigeHilfeZumSchwerpunkt();
    ASSERT_EQ(d.hilfe.aufrufe.size(), 1u);
    EXPECT_EQ(d.hilfe.aufrufe[0], (FakeHilfe::Aufruf{o.pfad("Ruvo.chm"), 15, 0}));
}

TEST(HilfeKontext, FehlendeHilfedateiWirdGemeldet) {
    TestDienste d;
    TestOrdner o;
    d.hilfe.dateienVorhanden = false;
    d.anzeige.dannKlicke("Btn1");
    oeffneHilfe("Varku.chm", 0);
    EXPECT_EQ(d.anzeige.protokoll, QStringList{"modal:MldFenster"});
    EXPECT_EQ(MldFenster::instanz().windowTitle(), "Hilfe");
    EXPECT_TRUE(MldFenster::instanz().Meldung->text().contains("Varku.chm"));
    MldFenster::entlade();
}
