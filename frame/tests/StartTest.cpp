#include "foundation/DateiInfoFrm.h"
#include "foundation/EndeFrm.h"
#include "foundation/Global.h"
#include "foundation/InfoFrm.h"
#include "foundation/MldFenster.h"
#include "foundation/Sound.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "frame/FehlerMldFrm.h"
#include "frame/SpielerListeFrm.h"
#include "frame/StartModul.h"
#include "frame/UebschwForm.h"
#include "frame/VarkuForm.h"
#include "frame/VarkuLogoForm.h"
#include "frame/WillkommenFrm.h"
#include "platform/Fensterablage.h"
#include "platform/Laufzeitfehler.h"
#include "platform/testing/TestDienste.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

using namespace varku;
using varku::test::FakeHilfe;
using varku::test::klicke;
using varku::test::TestDienste;
using varku::test::TestOrdner;

namespace {

const QByteArray ini = "[Varku]\n"
                       "TextFontName=Andika\n"
                       "TonEinschalten=1\n"
                       "EinstellungenSpeichern=1\n"
                       "AutoDialog=0\n"
                       "[TextToSpeech]\n"
                       "Modus=1\n"
                       "[Sound]\n"
                       "ProgrammStart=Start\n"
                       "ProgrammEnde=Ende\n";

struct Start : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    Start() {
        QDir().mkpath(ordner.pfad("User"));
        ordner.schreibe("Varku.ini", ini);
        ordner.schreibe("Varku.tsp",
                        ">>> Seite,-\nKategorie eins,KAT1\n>>> Seite 2,-\nKategorie zwei,KAT2\n");
        varku::test::legeWortDbAn(
            ordner.pfad("Varku-D.sqlite"),
            {{1, "Igel", "der", 2, true, true, false, "Der @ schläft.", "Igel"}});
    }
    ~Start() override {
        entladeAlleFenster();
        UebNr = 0;
    }
};

// die Menüeinträge eines Menüs als "Text", "-" für Trennlinien, "(aus)" für gesperrte
QStringList eintraege(QMenu* m) {
    QStringList l;
    for (QAction* a : m->actions())
        l << (a->isSeparator()
                  ? QStringLiteral("-")
                  : a->text() + (a->isEnabled() ? QString() : QStringLiteral(" (aus)")));
    return l;
}

} // namespace

TEST_F(Start, FensterInIhrerReihenfolge) {
    d.anzeige.dann([this](QWidget& w) {
        auto& logo = static_cast<VarkuLogoForm&>(w);
        EXPECT_EQ(logo.VersionLbl->text(), "Version 4.0.3");
        d.uhr.vorstellen(3499);
        EXPECT_TRUE(logo.isVisible()) << "noch nicht 3,5 Sekunden";
        d.uhr.vorstellen(1);
        EXPECT_FALSE(logo.isVisible()) << "nach 3,5 Sekunden verborgen";
        EXPECT_FALSE(logo.IntroTimer->aktiv()) << "der Zeitgeber läuft nur einmal";
    });
    d.anzeige.dann([this](QWidget& w) {
        klicke(w, "HilfeBtn");
        klicke(w, "HilfeBtn");
        EXPECT_TRUE(w.isVisible()) << "die Hilfe lässt das Fenster offen";
        const FakeHilfe::Aufruf hilfe{ordner.pfad("Varku.chm"), 15, 2001};
        EXPECT_EQ(d.hilfe.aufrufe, (std::vector<FakeHilfe::Aufruf>{hilfe, hilfe}));
        klicke(w, "okBtn");
    });
    d.anzeige.dann([this](QWidget& w) {
        auto& form = static_cast<VarkuForm&>(w);
        // Das Willkommensfenster ging mit "OK" aus der modalen Anzeige, steht aber, bis das
        // Hauptfenster gezeichnet ist.
        EXPECT_EQ(d.anzeige.entlassen, QStringList{"WillkommenFrm"});
        QPointer<QWidget> willkommen;
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t->objectName() == "WillkommenFrm")
                willkommen = t;
        ASSERT_TRUE(willkommen);
        EXPECT_TRUE(willkommen->isVisible());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !willkommen || !willkommen->isVisible(); }, 500))
            << "nach dem ersten Bild des Hauptfensters verborgen";
        EXPECT_EQ(d.sound.befehle, QStringList{"spiele " + ordner.pfad("Sound/Start.WAV")});
        EXPECT_EQ(UebNr, -1);
        EXPECT_EQ(form.glob.UserPfad, ordner.pfad("User"));
        EXPECT_EQ(form.glob.SprachPfad, ordner.pfad("Sprache"));
        d.hilfe.aufrufe.clear();
        d.anzeige.dannKlicke("jaBtn");
        form.mnuEnde->trigger();
        EXPECT_FALSE(form.isVisible());
    });
    EXPECT_EQ(Main(), 0);
    EXPECT_EQ(d.anzeige.protokoll,
              (QStringList{"VarkuHintergrundForm", "modal:VarkuLogoForm", "modal:WillkommenFrm",
                           "modal:VarkuForm", "modal:EndeFrm"}));
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
    EXPECT_TRUE(ordner.gibt("User"));
    // Ende: Klang, drei Sekunden warten, Hilfe schließen, Klanggerät schließen
    EXPECT_EQ(d.sound.befehle, (QStringList{"spiele " + ordner.pfad("Sound/Start.WAV"),
                                            "spiele " + ordner.pfad("Sound/Ende.WAV"), "Close"}));
    // beide Ablesungen gerundet: zwei bis drei Sekunden (genau auf der Hälfte etwas mehr)
    EXPECT_GE(d.uhr.geschlafenMs, 2000);
    EXPECT_LE(d.uhr.geschlafenMs, 3100);
    EXPECT_EQ(d.hilfe.aufrufe, (std::vector<FakeHilfe::Aufruf>{{ordner.pfad("Ruvo.chm"), 18, 0},
                                                               {ordner.pfad("Varku.chm"), 18, 0}}));
}

TEST_F(Start, MenuesInMenuereihenfolge) {
    VarkuForm form;
    QStringList leisten;
    for (QAction* a : form.menuBar()->actions())
        leisten << a->text();
    EXPECT_EQ(leisten, (QStringList{"&Datei", "&Bearbeiten", "&Hilfe"}));
    EXPECT_EQ(eintraege(form.mnuDatei),
              (QStringList{"&Neu", "Ü&bungsschwerpunkt ...", "-", "&Info ...", "&Drucken ... (aus)",
                           "-", "&Spiel starten ... (aus)", "-", "&Ende ..."}));
    EXPECT_EQ(eintraege(form.mnuBearbeiten),
              (QStringList{"&Spielerliste ...", "-", "&Einstellungen ...", "S&prachausgabe ..."}));
    EXPECT_EQ(eintraege(form.mnuHilfe),
              (QStringList{"&Info über ...", "-", "&Bedienungshinweise ...",
                           "&Rechtschreibregeln ...", "Übungs&schwerpunkt ... (aus)"}));
}

TEST_F(Start, SchliessfeldFragtUndNeinLaesstAllesWieEsWar) {
    VarkuForm form;
    d.anzeige.zeige(form);
    form.uebung.SitzungsPunkte = 120;
    form.uebung.gruppe.fuegeHinzu("Gast");
    d.sound.befehle.clear();
    d.anzeige.dann([](QWidget& w) {
        EXPECT_EQ(static_cast<EndeFrm&>(w).Meldung->text(),
                  "Bist du wirklich sicher, dass du VARKU beenden willst?");
        klicke(w, "neinBtn");
    });
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.beendet());
    EXPECT_EQ(form.uebung.SitzungsPunkte, 120);
    EXPECT_TRUE(d.sound.befehle.isEmpty()) << "kein Ende-Klang, kein Schließen";
    EXPECT_EQ(d.uhr.geschlafenMs, 0);
    EXPECT_EQ(ordner.lies("Varku.ini"), ini);
}

TEST_F(Start, FrageSprichtEinenOderMehrereAn) {
    struct Fall {
        int spieler;
        const char* frage;
    };
    const Fall faelle[] = {
        {0, "Bist du wirklich sicher, dass du VARKU beenden willst?"},
        {1, "Bist du wirklich sicher, dass du VARKU beenden willst?"},
        {2, "Seid ihr wirklich sicher, dass ihr VARKU beenden wollt?"},
        {4, "Seid ihr wirklich sicher, dass ihr VARKU beenden wollt?"},
    };
    VarkuForm form;
    for (const Fall& f : faelle) {
        while (form.uebung.nSpieler() < f.spieler) {
            for (int k = 0; k < 8; ++k)
                d.zufall.gibZahlen(65, 90, {65 + form.uebung.nSpieler()});
            form.uebung.gruppe.fuegeHinzu("Gast");
        }
        d.anzeige.dannKlicke("neinBtn");
        bool ende = true;
        form.beendeProgramm(ende);
        EXPECT_FALSE(ende);
        EXPECT_EQ(EndeFrm::instanz().Meldung->text(), f.frage) << f.spieler;
    }
}

TEST_F(Start, EinstellungenWerdenAmEndeNurGeaendertUndMitSpeichernGeschrieben) {
    struct Fall {
        const char* name;
        bool speichern;
        bool varkuGeaendert;
        bool spracheGeaendert;
        bool varkuNeu;
        bool spracheNeu;
    };
    const Fall faelle[] = {
        {"nichts geändert", true, false, false, false, false},
        {"Einstellungen geändert", true, true, false, true, false},
        {"Sprache geändert", true, false, true, false, true},
        {"beides, aber Speichern aus", false, true, true, false, false},
    };
    for (const Fall& f : faelle) {
        ordner.schreibe("Varku.ini", ini);
        VarkuForm form;
        form.glob.einst.EinstellungenSpeichern = f.speichern;
        form.glob.varkuIniGeaendert = f.varkuGeaendert;
        form.glob.sprachIniGeaendert = f.spracheGeaendert;
        d.anzeige.dannKlicke("jaBtn");
        bool ende = false;
        form.beendeProgramm(ende);
        EXPECT_TRUE(ende);
        const QByteArray datei = ordner.lies("Varku.ini");
        EXPECT_EQ(datei.contains("BeispielSatz=0"), f.varkuNeu) << f.name;
        // die fehlende Stimmlage kommt von der Sprachausgabe
        EXPECT_EQ(datei.contains("Stimmlage=50"), f.spracheNeu) << f.name;
        if (!f.varkuNeu && !f.spracheNeu) {
            EXPECT_EQ(datei, ini) << f.name;
        }
    }
}

TEST_F(Start, InfoZeigtDieVersion) {
    VarkuForm form;
    d.anzeige.dann([](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Info über ...");
        EXPECT_EQ(static_cast<InfoFrm&>(w).RelLbl->text(), "4.0.3");
        klicke(w, "okBtn");
    });
    form.mnuInfo->trigger();
    EXPECT_EQ(d.anzeige.protokoll, QStringList{"modal:InfoFrm"});
}

TEST_F(Start, HilfeMenues) {
    VarkuForm form;
    form.mnuBedienung->trigger();
    form.mnuRechtschreibregeln->trigger();
    EXPECT_EQ(d.hilfe.aufrufe, (std::vector<FakeHilfe::Aufruf>{{ordner.pfad("Varku.chm"), 0, 0},
                                                               {ordner.pfad("Ruvo.chm"), 0, 0}}));
}

TEST_F(Start, FehlendeKonfigurationsdateiIstLaufzeitfehler) {
    QFile::remove(ordner.pfad("Varku.ini"));
    EXPECT_THROW({ VarkuForm form; }, Laufzeitfehler);
}

// Was der Start baut, während das Logo steht, lässt nichts sehen und nichts hören und lädt
// nichts: die Klangtabelle, die Einstellungen und die Übung kommen erst mit Form_Load nach
// "OK". Vorab gelesen werden nur die Klangdateien und die Wortdatenbank, die Form_Load dann
// nimmt.
TEST_F(Start, VorbereitungZeigtSpieltUndLaedtNichts) {
    std::unique_ptr<VarkuForm> f;
    const auto tabelle = SoundTabelle;
    for (const auto& schritt : vorbereitung(f))
        schritt();
    ASSERT_TRUE(f);
    EXPECT_FALSE(f->isVisible());
    EXPECT_TRUE(d.anzeige.protokoll.isEmpty());
    EXPECT_TRUE(d.sound.befehle.isEmpty());
    EXPECT_TRUE(d.sound.geladen.contains(ordner.pfad("Sound/Start.WAV"))) << "vorab gelesen";
    for (size_t i = 0; i < tabelle.size(); ++i)
        EXPECT_EQ(SoundTabelle[i].datei, tabelle[i].datei)
            << i << ": die Klangtabelle erst nach OK";
    EXPECT_FALSE(f->uebung.wortDb.istOffen());
    EXPECT_EQ(UebNr, 0);
    ASSERT_NE(UebschwForm::geladen(), nullptr);
    EXPECT_FALSE(UebschwForm::geladen()->listenGeladen()) << "erst mit offener Wortdatenbank";
    ASSERT_NE(SpielerListeFrm::geladen(), nullptr);
    EXPECT_FALSE(SpielerListeFrm::geladen()->isVisible());
    EXPECT_TRUE(QDir(ordner.pfad("User")).entryList(QDir::Files).isEmpty());
    f->Form_Load();
    EXPECT_EQ(d.sound.befehle, QStringList{"spiele " + ordner.pfad("Sound/Start.WAV")});
    EXPECT_TRUE(f->uebung.wortDb.istOffen());
    EXPECT_EQ(UebNr, -1);
    EXPECT_EQ(f->glob.UserPfad, ordner.pfad("User"));
}
