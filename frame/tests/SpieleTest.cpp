#include "foundation/Global.h"
#include "foundation/MldFenster.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "frame/RsSpieleFrm.h"
#include "frame/Spieleliste.h"
#include "frame/VarkuForm.h"
#include "platform/testing/TestDienste.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::test;

TEST(Spieleliste, NurSpielzeilenInDateifolge) {
    struct Fall {
        const char* name;
        const char* ini;
        QStringList spiele;
    };
    const Fall faelle[] = {
        {"Dateifolge, Leerzeichen fallen weg",
         "[Spiele]\nMaximaleSpielDauer=15\nSpiel2= Dolmix \nSpiel1=Zirkomat\n",
         {"Dolmix", "Zirkomat"}},
        {"Kommentar und anderer Abschnitt",
         "[Varku]\nSpiel9=Falsch\n[Spiele]\n;Spiel1=Kommentar\nSpielA=Zelko\n[Sound]\nSpiel3=X\n",
         {"Zelko"}},
        {"Schlüssel beliebig, ohne = die ganze Zeile",
         "[Spiele]\nSpiel=Kartomin\nSpielWendomar\n",
         {"Kartomin", "SpielWendomar"}},
        {"kleines spiel ist keins", "[Spiele]\nspiel1=Zirkomat\n", {}},
        {"ohne Abschnitt", "[Varku]\n", {}},
        {"leerer Wert bleibt ein Eintrag", "[Spiele]\nSpiel1=\n", {""}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(leseSpieleListe(QString::fromUtf8(f.ini)), f.spiele) << f.name;

    const std::pair<const char*, bool> namen[] = {
        {"Zirkomat", true}, {"", false},        {"../Zirkomat", false}, {"/bin/sh", false},
        {"a\\b", false},    {"Spiel..", false}, {"Dolmix2", true}};
    for (const auto& [name, gut] : namen)
        EXPECT_EQ(istSpielname(name), gut) << name;
}

namespace {

struct Spielstart : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    std::unique_ptr<VarkuForm> form;

    Spielstart() {
        ordner.schreibe("Varku.ini", "[Varku]\nTonEinschalten=1\nLeseLupe=1\nAutoDialog=0\n"
                                     "[Spiele]\nMaximaleSpielDauer=10\nSpiel1=Zirkomat\n"
                                     "Spiel2=Dolmix\nSpiel3=\nSpiel4=../../bin/sh\n");
        ordner.schreibe("Varku.tsp", ">>> Seite,-\nTiere,LIP_\n");
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{1, "Igel", "der", 30, true, true, false, "Der @ schläft.", "Igel"}}, {}, {},
                     {"LIP_"});
        QDir().mkpath(ordner.pfad("User"));
        form = std::make_unique<VarkuForm>();
        Uebung& u = form->uebung;
        for (int i = 0; i < 2; ++i) {
            for (int k = 0; k < 8; ++k)
                d.zufall.gibZahlen(65, 90, {65 + i});
            u.gruppe.fuegeHinzu("Gast");
        }
        u.RuvoFeldName = "KAT1";
        u.nimmSchwerpunktAn(true);
        u.beginneUebung();
        u.SitzungsPunkte = 1000;
        form->mnuSpiele->setEnabled(true);
    }
    ~Spielstart() override {
        form.reset();
        entladeAlleFenster();
    }
    // wählt in der Spieleliste die Stelle i mit einem Doppelklick; danach beantwortet sie eine
    // Meldung, wenn eine kommt
    void doppelklicke(int i, bool meldungKommt = false) {
        d.anzeige.dann([i](QWidget& w) {
            auto& f = static_cast<RsSpieleFrm&>(w);
            QListWidgetItem* e = f.RsSpListe->item(i);
            const QPoint p = f.RsSpListe->visualItemRect(e).center();
            QTest::mouseClick(f.RsSpListe->viewport(), Qt::LeftButton, {}, p);
            QTest::mouseDClick(f.RsSpListe->viewport(), Qt::LeftButton, {}, p);
        });
        if (meldungKommt)
            d.anzeige.dann([](QWidget& w) {
                EXPECT_EQ(w.windowTitle(), "Fehler");
                klicke(w, "Btn1");
            });
        form->mnuSpiele->trigger();
    }
};

} // namespace

// Ein Doppelklick startet wie der Knopf; das Spiel bekommt genau ein Argument, und danach
// wartet die Übung auf "Fortsetzen", das die Spielzeit anrechnet.
TEST_F(Spielstart, DoppelklickStartetUndFortsetzenRechnetDieZeitAn) {
    d.uhr.stelle(3000);
    bool gesperrt = false;
    d.prozess.waehrendDesSpiels = [&] {
        gesperrt = !form->mnuSpiele->isEnabled() && !form->uebung.protokoll.offen() &&
                   form->uebung.SitzungsPunkte == 0;
        EXPECT_FALSE(form->close()) << "das Schließfeld wird während des Spiels abgewiesen";
        d.uhr.stelle(3300); // das Spiel läuft fünf Minuten
    };
    doppelklicke(1);
    ASSERT_EQ(d.prozess.starts.size(), 1u);
    EXPECT_EQ(d.prozess.starts[0].programm, ordner.pfad("Dolmix"));
    EXPECT_EQ(d.prozess.starts[0].argumente,
              QStringList{"\"Version=4;RuvoFeldName=KAT1;LupenFlag=1;GwsFlag=1;nSpieler=2;"
                          "Gast 1;Gast 2;AAAAAAAA;BBBBBBBB;\""});
    EXPECT_TRUE(gesperrt);
    // nach dem Spiel: 0 Punkte, Tasten aus, "Fortsetzen" ist der Weg weiter
    EXPECT_EQ(form->uebung.SitzungsPunkte, 0);
    EXPECT_EQ(form->mnuNeu->text(), "&Fortsetzen");
    EXPECT_FALSE(form->diktierTaste->isEnabled());
    EXPECT_FALSE(form->uebung.protokoll.offen());
    form->mnuNeu->trigger();
    EXPECT_EQ(form->uebung.SitzungsPunkte, 500) << "die halbe Spieldauer ist vorbei";
    EXPECT_EQ(form->mnuNeu->text(), "&Neu");
    EXPECT_TRUE(form->uebung.protokoll.offen());
    EXPECT_TRUE(form->diktierTaste->isEnabled());
}

TEST_F(Spielstart, LeererOderFremderEintragStartetNichts) {
    const std::pair<int, const char*> faelle[] = {
        {2, "Fehler in der Datei <Varku.ini>.\nAngabe der Datei <2> fehlt."},
        {3, "Fehler in der Datei <Varku.ini>.\nDas Spiel <../../bin/sh> lässt sich nicht "
            "starten:\nein Spiel steht im Programmordner, ohne Pfad."},
    };
    for (const auto& [i, text] : faelle) {
        doppelklicke(i, true);
        EXPECT_EQ(MldFenster::instanz().Meldung->text(), QString::fromUtf8(text));
        EXPECT_TRUE(d.prozess.starts.empty()) << i;
        EXPECT_EQ(form->uebung.SitzungsPunkte, 1000) << i;
        EXPECT_EQ(form->mnuNeu->text(), "&Neu") << i;
    }
}

TEST_F(Spielstart, FehlendesProgrammSagtEsUndDieUebungGehtWeiter) {
    d.prozess.startet = false;
    doppelklicke(0, true);
    EXPECT_EQ(d.prozess.starts.size(), 1u);
    EXPECT_EQ(MldFenster::instanz().Meldung->text(),
              "Das Spiel Zirkomat lässt sich nicht starten.\nDie Übung geht weiter.");
    EXPECT_EQ(form->uebung.SitzungsPunkte, 1000);
    EXPECT_EQ(form->uebung.spielStartZeit, 0) << "kein Spiel, keine Anrechnung";
    EXPECT_EQ(form->mnuNeu->text(), "&Neu");
    EXPECT_TRUE(form->mnuSpiele->isEnabled());
    EXPECT_TRUE(form->uebung.protokoll.offen());
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
}

// Nach einem Spiel schaltet nur "Fortsetzen" die Tasten an: ein OK in den Einstellungen lässt
// sie aus, und kein Wortende schreibt in die geschlossene Protokolldatei.
TEST_F(Spielstart, EinstellungenNachDemSpielLassenDieTastenAus) {
    form->initTasten(false);
    doppelklicke(0);
    ASSERT_EQ(d.prozess.starts.size(), 1u);
    d.anzeige.dannKlicke("okButton");
    form->mnuEinstellungen->trigger();
    for (QPushButton* t :
         {form->diktierTaste, form->zeigenTaste, form->WortendeTaste, form->loeschTaste})
        EXPECT_FALSE(t->isEnabled()) << t->objectName().toStdString();
    QTest::keyClick(form->SchreibenTextfeld, Qt::Key_Return);
    EXPECT_FALSE(form->uebung.protokoll.offen());
    form->mnuNeu->trigger();
    EXPECT_TRUE(form->diktierTaste->isEnabled());
    EXPECT_TRUE(form->uebung.protokoll.offen());
}

// Nach "Neu" gehen die Spiele erst wieder ab 1000 Punkten; startet ein Spiel nicht, sind die
// Tasten wieder so da wie vorher.
TEST_F(Spielstart, MisslungenerStartLaesstDieTasten) {
    form->initTasten(false);
    d.prozess.startet = false;
    doppelklicke(0, true);
    EXPECT_TRUE(form->diktierTaste->isEnabled());
    EXPECT_FALSE(form->zeigenTaste->isEnabled());
    EXPECT_EQ(form->mnuNeu->text(), "&Neu");
    form->mnuNeu->trigger();
    EXPECT_EQ(form->uebung.SitzungsPunkte, 0);
    EXPECT_FALSE(form->mnuSpiele->isEnabled()) << "unter 1000 Punkten kein Spiel";
    EXPECT_TRUE(form->diktierTaste->isEnabled());
}

// Der Spielstart nimmt die Lupe aus den Einstellungen, nicht aus dem Haken eines Dialogs, der
// abgebrochen wurde.
TEST_F(Spielstart, AbgebrocheneLupeErreichtDasSpielNicht) {
    d.anzeige.dann([](QWidget& w) {
        w.findChild<QCheckBox*>("LupeOpt")->setChecked(false);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    form->mnuEinstellungen->trigger();
    doppelklicke(0);
    ASSERT_EQ(d.prozess.starts.size(), 1u);
    EXPECT_TRUE(d.prozess.starts[0].argumente.value(0).contains("LupenFlag=1;"));
}
