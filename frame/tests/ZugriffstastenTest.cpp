// Jede Zugriffstaste eines Fensters von VARKU führt zu genau einem Steuerelement: Alt+D öffnet
// im Hauptfenster "Datei", statt "diktieren" zu drücken und die nächsten Buchstaben ins
// Schreibfeld zu geben.
#include "foundation/testing/Zugriffstasten.h"
#include "foundation/EndeFrm.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "frame/DruckFrm.h"
#include "frame/EinstellFrm.h"
#include "frame/FehlerMldFrm.h"
#include "frame/RsSpieleFrm.h"
#include "frame/SpielerListeFrm.h"
#include "frame/SprAusgEinstFrm.h"
#include "frame/UebschwForm.h"
#include "frame/VarkuForm.h"
#include "frame/VarkuLogoForm.h"
#include "frame/WillkommenFrm.h"
#include "platform/Fensterablage.h"
#include "platform/testing/TestDienste.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::test;

TEST(Zugriffstasten, JedeTasteEinmalInJedemFenster) {
    TestDienste d;
    TestOrdner ordner;
    ordner.schreibe("Varku.tsp", ">>> Seite,-\nTiere,KAT1\n");
    legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                 {{1, "Igel", "der", 10, true, true, false, "Der @ schläft.", "Igel"}});
    QDir().mkpath(ordner.pfad("User"));
    ordner.schreibe("Varku.ini", "[Varku]\nTextFontName=Andika\nNachschreiben=0\n"
                                 "TextToSpeech=1\nAutoDialog=0\n[Spiele]\nSpiel1=Zirkomat\n");
    {
        VarkuForm form;
        d.anzeige.zeige(form);
        EXPECT_EQ(doppelteZugriffstastenMitMenues(form, d.anzeige), "")
            << "das Hauptfenster und was seine Menüs zeigen";

        // die Fenster, die kein freigegebenes Menü zeigt
        WillkommenFrm willkommen;
        VarkuLogoForm logo;
        struct Fenster {
            const char* name;
            std::function<QWidget&()> hole;
        };
        const Fenster fenster[] = {
            {"Einstellungen", [&]() -> QWidget& { return EinstellFrm::instanz(form.glob); }},
            {"Sprachausgabe", [&]() -> QWidget& { return SprAusgEinstFrm::instanz(form.glob); }},
            {"Übungsschwerpunkt", [&]() -> QWidget& { return UebschwForm::instanz(form.uebung); }},
            {"Spielerliste", [&]() -> QWidget& { return SpielerListeFrm::instanz(form.uebung); }},
            {"Drucken", [&]() -> QWidget& { return DruckFrm::instanz(form.uebung); }},
            {"Spiele", [&]() -> QWidget& { return RsSpieleFrm::instanz(); }},
            {"Fehlermeldung", [&]() -> QWidget& { return FehlerMldFrm::instanz(); }},
            {"Ende", [&]() -> QWidget& { return EndeFrm::instanz(); }},
            {"Willkommen", [&]() -> QWidget& { return willkommen; }},
            {"Logo", [&]() -> QWidget& { return logo; }},
        };
        for (const Fenster& f : fenster)
            EXPECT_EQ(doppelteZugriffstasten(f.hole()), "") << f.name;
    }
    entladeAlleFenster();
}
