#include "foundation/DateiInfoFrm.h"
#include "foundation/EndeFrm.h"
#include "foundation/Global.h"
#include "foundation/MldFenster.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "frame/FehlerMldFrm.h"
#include "frame/SpielerListeFrm.h"
#include "frame/UebschwForm.h"
#include "frame/VarkuForm.h"
#include "platform/Fensterablage.h"
#include "platform/testing/TestDienste.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::test;

namespace {

struct Fenster : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    std::unique_ptr<VarkuForm> form;

    Fenster() {
        ordner.schreibe("Varku.tsp",
                        ">>> Seite,-\nTiere [mit Artikel],KAT1\n>>> Zwei,-\nLeer,KAT2\n");
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{1, "Igel", "der", 30, true, true, false, "Der @ schläft.", "Igel"},
                      {2, "Baum", "der", 30, true, true, false, "Der @ ist hoch.", "Baum"},
                      {3, "rot", "", 30, false, true, false, "Der Ball ist @.", "rot"}},
                     {{1, 1, 1, 1}, {2, 1, 3, 4}});
        QDir().mkpath(ordner.pfad("User"));
    }
    ~Fenster() override {
        form.reset();
        entladeAlleFenster();
        UebNr = 0;
    }
    Uebung& u() { return form->uebung; }
    const QString& wort() { return form->uebung.wortDb.Wort; }

    void starte(const QByteArray& einstellungen) {
        ordner.schreibe("Varku.ini",
                        "[Varku]\nTextFontName=Andika\nTextFontGröße=25\nTonEinschalten=1\n" +
                            einstellungen + "\n[Sound]\nLeichterFehler=oh\n");
        form = std::make_unique<VarkuForm>();
        d.anzeige.zeige(*form);
    }

    // wählt im Schwerpunktdialog einen Eintrag mit der Maus und bestätigt; danach laufen die
    // Skripte für die Fenster, die darauf folgen
    void waehleSchwerpunkt(int seite, int zeile, std::function<void(QWidget&)> danach = {}) {
        d.anzeige.dann([seite, zeile](QWidget& w) {
            auto& f = static_cast<UebschwForm&>(w);
            QListWidget* l = f.RuvoList[size_t(seite)];
            f.UebSchwTabStr->setCurrentIndex(seite);
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                              l->visualItemRect(l->item(zeile)).center());
            klicke(w, "okButton");
        });
        if (danach)
            d.anzeige.dann(danach);
        form->mnuUebung->trigger();
    }

    // trägt n Gäste ein; danach zieht die Wortwahl die Stelle wortStelle (0: wie es kommt)
    void traegeGaesteEin(int n, int wortStelle = 0) {
        const int schon = form ? form->uebung.nSpieler() : 0;
        for (int i = 0; i < n; ++i)
            for (int k = 0; k < 8; ++k)
                d.zufall.gibZahlen(65, 90, {65 + schon + i});
        if (wortStelle > 0)
            d.zufall.gibZahlen(1, form->uebung.AnzahlWoerter(), {wortStelle});
        d.anzeige.dann([n](QWidget& w) {
            auto& f = static_cast<SpielerListeFrm&>(w);
            for (int i = 0; i < n; ++i) {
                f.UserList->showPopup();
                QAbstractItemView* v = f.UserList->view();
                v->setCurrentIndex(v->model()->index(f.UserList->findText("Gast"), 0));
                QTest::keyClick(v, Qt::Key_Return);
                klicke(w, "addSpBtn");
            }
            klicke(w, "okBtn");
        });
        form->mnuSpielerliste->trigger();
    }

    void tippe(const QString& text) {
        form->SchreibenTextfeld->setFocus();
        QTest::keyClicks(form->SchreibenTextfeld, text);
    }
    void enter() { QTest::keyClick(form->SchreibenTextfeld, Qt::Key_Return); }

    // Lampen 0, 1, 2: 0 aus, 1 rot, 2 grün
    std::array<int, 3> lampen() const {
        return {int(form->lampenZustand(0)), int(form->lampenZustand(1)),
                int(form->lampenZustand(2))};
    }
    QByteArray protokoll(const char* stamm) {
        return ordner.lies(QString("User/%1.tmp").arg(stamm));
    }
};

using Lampen = std::array<int, 3>;

} // namespace

// Eine Runde mit zwei Gästen durch die echten Bedienelemente: Diktat mit Sprachausgabe,
// richtig, falsch, Wechsel bei der Hälfte, 1000 Punkte.
TEST_F(Fenster, EineRundeMitZweiGaesten) {
    starte("Nachschreiben=0\nTextToSpeech=1\nSprachAusgabeSatz=1\nBeispielSatz=1\nAutoDialog=0\n");
    waehleSchwerpunkt(0, 0);
    EXPECT_TRUE(u().uebungGewaehlt);
    EXPECT_EQ(form->UebTitelLabel->text(), "Tiere ") << "ohne den Teil in Klammern";
    traegeGaesteEin(2);
    ASSERT_EQ(u().nSpieler(), 2);
    EXPECT_EQ(form->NameLabel->text(), "Gast 1");
    EXPECT_EQ(wort(), "Igel");
    EXPECT_TRUE(form->diktierTaste->isEnabled());
    EXPECT_FALSE(form->zeigenTaste->isEnabled());
    EXPECT_TRUE(form->DirSp->isVisible());

    // Gast 1 hört das Wort im Satz und schreibt es mit einem Leerzeichen dahinter: richtig
    klicke(*form, "diktierTaste");
    EXPECT_EQ(d.sprache.gesprochen.last(), "Der Igel schläft.\\Pau=500\\der Igel.");
    EXPECT_EQ(form->SatzBspLbl->text(), "Der ____ schläft.");
    EXPECT_EQ(lampen(), (Lampen{2, 2, 2}));
    tippe("Igel ");
    EXPECT_EQ(lampen(), (Lampen{2, 1, 2})) << "die erste Taste";
    enter();
    EXPECT_EQ(lampen(), (Lampen{1, 0, 0}));
    EXPECT_EQ(u().SitzungsPunkte, 270);
    EXPECT_EQ(wort(), "Baum") << "das erledigte Igel wird übersprungen";
    EXPECT_FALSE(form->mnuUebung->isEnabled()) << "mit Punkten bleibt der Schwerpunkt";

    // klein geschrieben ist falsch: der Hinweis, das richtige Wort steht da bis "löschen"
    klicke(*form, "diktierTaste");
    tippe("baum");
    d.anzeige.dann([](QWidget& w) {
        auto& f = static_cast<FehlerMldFrm&>(w);
        EXPECT_EQ(f.FehlerNameLbl->text(), "Hoppla, Gast!");
        EXPECT_EQ(f.FehlerHinweisLbl->text(),
                  "Da stimmt aber etwas nicht! \nDrücke die Löschen-Taste\nund probiere es dann "
                  "noch\neinmal.");
        EXPECT_TRUE(f.WortSprBtn->isEnabled()) << "Diktat mit Sprachausgabe";
        klicke(w, "WortSprBtn");
        klicke(w, "okBtn");
    });
    klicke(*form, "WortendeTaste");
    EXPECT_EQ(d.sprache.gesprochen.last(), "der Baum");
    EXPECT_EQ(d.sound.befehle.last(), "spiele " + ordner.pfad("Sound/oh.WAV"));
    EXPECT_EQ(lampen(), (Lampen{2, 2, 1})) << "Lampe 0 bleibt, wie das Diktat sie ließ";
    EXPECT_EQ(form->LesenLabel->text(), "Baum");
    EXPECT_EQ(form->LesenFrame->title(), "lesen");
    EXPECT_TRUE(form->loeschTaste->isEnabled());
    EXPECT_FALSE(form->diktierTaste->isEnabled());
    EXPECT_TRUE(form->LeseLupe->isVisible()) << "die Lupe auch ohne Einstellung";
    EXPECT_EQ(u().SitzungsPunkte, 270);
    EXPECT_EQ(u().sucheFehlerwort(u().wortPosition), 1) << "auf der Wiederholliste";
    klicke(*form, "loeschTaste");
    EXPECT_EQ(form->LesenLabel->text(), "");
    EXPECT_EQ(lampen(), (Lampen{1, 1, 1}));
    EXPECT_TRUE(form->diktierTaste->isEnabled());
    EXPECT_EQ(form->LesenFrame->title(), "hören");

    // noch einmal, jetzt richtig: 540 Punkte, der Wechsel zu Gast 2
    klicke(*form, "diktierTaste");
    tippe("Baum");
    d.anzeige.dann([](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Spielerwechsel");
        EXPECT_EQ(static_cast<MldFenster&>(w).Meldung->text(),
                  "Geschafft, Gast 1!\nDu darfst dich ein wenig ausruhen.");
        klicke(w, "Btn1");
    });
    enter();
    EXPECT_EQ(u().SitzungsPunkte, 540);
    EXPECT_EQ(u().aktSpieler, 1);
    EXPECT_EQ(form->NameLabel->text(), "Gast 2");
    EXPECT_EQ(u().gruppe.SpielerStatistik[0].richtig, 1) << "Baum war beim ersten Mal falsch";
    EXPECT_EQ(wort(), "Igel") << "Gast 2 hat Igel noch nicht";

    // Gast 2: zwei richtige Wörter, bei 1000 der Glückwunsch
    klicke(*form, "diktierTaste");
    tippe("Igel");
    enter();
    EXPECT_EQ(u().SitzungsPunkte, 810);
    EXPECT_EQ(u().aktSpieler, 1) << "der zweite Spieler gibt vor dem Ziel nicht ab";
    klicke(*form, "diktierTaste");
    tippe(wort());
    d.anzeige.dann([](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Glückwunsch");
        EXPECT_EQ(static_cast<MldFenster&>(w).Meldung->text(),
                  "Herzlichen Glückwunsch!\n\nIhr habt die erforderlichen 1000 Punkte\nerreicht. "
                  "Der Zugang zu den Spielen\nwird nun von VARKU freigeschaltet ...");
        klicke(w, "Btn1");
    });
    enter();
    EXPECT_EQ(u().SitzungsPunkte, 1000);
    EXPECT_TRUE(form->mnuSpiele->isEnabled());
    EXPECT_TRUE(form->mnuDrucken->isEnabled());
    EXPECT_FALSE(form->diktierTaste->isEnabled());
    EXPECT_FALSE(form->zeigenTaste->isEnabled());
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
    EXPECT_TRUE(d.anzeige.ohneSkript.isEmpty()) << "der Glückwunsch kam genau einmal";

    // die Protokolle: eine Zeile je Versuch
    EXPECT_EQ(protokoll("AAAAAAAA"), "1= OK\r\n2= baum\r\n2= OK\r\n");
    EXPECT_EQ(protokoll("BBBBBBBB"), "1= OK\r\n2= OK\r\n");

    // am Ende sind die Dateien weg
    d.anzeige.dann([](QWidget& w) {
        EXPECT_EQ(static_cast<EndeFrm&>(w).Meldung->text(),
                  "Seid ihr wirklich sicher, dass ihr VARKU beenden wollt?");
        klicke(w, "jaBtn");
    });
    form->mnuEnde->trigger();
    EXPECT_FALSE(ordner.gibt("User/AAAAAAAA.tmp"));
    EXPECT_FALSE(ordner.gibt("User/BBBBBBBB.tmp"));
}

TEST_F(Fenster, AbschreibenMitLeseLupeUndLesezeit) {
    starte("Nachschreiben=1\nTextToSpeech=0\nBeispielSatz=0\nLeseLupe=1\nAutoDialog=0\n");
    waehleSchwerpunkt(0, 0);
    traegeGaesteEin(1);
    EXPECT_EQ(wort(), "Igel");
    EXPECT_TRUE(form->zeigenTaste->isEnabled());
    d.uhr.stelle(1000.2);
    klicke(*form, "zeigenTaste");
    EXPECT_EQ(form->LesenLabel->text(), "Igel");
    EXPECT_EQ(form->LesenKontLabel->text(), "der");
    EXPECT_TRUE(form->LeseLupe->isVisible());
    EXPECT_EQ(lampen(), (Lampen{0, 2, 2})) << "ohne Beispielsatz bleibt Lampe 0 aus";
    EXPECT_LT(form->LeseLupe->x(), form->LesenLabel->x() + 5) << "über dem ersten Buchstaben";
    EXPECT_GT(form->LesenLabel->x(), form->LesenKontLabel->x() + form->LesenKontLabel->width())
        << "das Wort steht rechts vom Kontext";
    d.uhr.stelle(1001.2);
    // Enter als erste Taste beginnt nur das Schreiben
    enter();
    EXPECT_TRUE(u().schreibenBegonnen);
    EXPECT_EQ(form->LesenLabel->text(), "") << "das Wort verschwindet mit der ersten Taste";
    EXPECT_FALSE(form->LeseLupe->isVisible());
    EXPECT_EQ(protokoll("AAAAAAAA"), "");
    tippe("Igel");
    d.zufall.gibZahlen(1, 50, {30});
    d.zufall.gibZahlen(1, 10, {8}); // Streuung nach oben: 1 + 0,30 Sekunden
    enter();
    EXPECT_EQ(protokoll("AAAAAAAA"), "1= OK\r\n");
    // eine Sekunde Lesezeit: (3 - 1) * 30 * 3 / 2
    EXPECT_EQ(u().SitzungsPunkte, 90);
    EXPECT_EQ(form->zaehler[2]->text(), "0130");
    EXPECT_EQ(u().gruppe.SpielerStatistik[0].lesezeitSumme, 1) << "gerundet";
    EXPECT_EQ(form->zaehler[1]->text(), "0001");
}

TEST_F(Fenster, HinweisMitUndOhneLupenfehler) {
    starte("Nachschreiben=1\nTextToSpeech=0\nAutoDialog=0\n");
    waehleSchwerpunkt(0, 0);
    traegeGaesteEin(1);
    struct Fall {
        const char* getippt;
        const char* hinweis;
    };
    const Fall faelle[] = {
        {"igel", "Da stimmt aber etwas nicht.\nAchte beim Schreiben bitte\nimmer auf die "
                 "Lupenstelle! \nProbiere es noch einmal."},
        {"Igl", "Da stimmt aber etwas nicht! \nDrücke die Löschen-Taste\nund probiere es dann "
                "noch\neinmal."},
    };
    for (const Fall& f : faelle) {
        klicke(*form, "zeigenTaste");
        tippe(f.getippt);
        d.anzeige.dann([&f](QWidget& w) {
            auto& m = static_cast<FehlerMldFrm&>(w);
            EXPECT_EQ(m.FehlerHinweisLbl->text(), QString::fromUtf8(f.hinweis)) << f.getippt;
            EXPECT_FALSE(m.WortSprBtn->isEnabled()) << "Abschreiben: nichts zu sprechen";
            klicke(w, "okBtn");
        });
        enter();
        klicke(*form, "loeschTaste");
    }
    EXPECT_EQ(protokoll("AAAAAAAA"), "1= igel\r\n1= Igl\r\n");
    EXPECT_TRUE(u().fehlerBeiWort);
}

TEST_F(Fenster, AutoDialogFuehrtDurchSchwerpunktUndSpieler) {
    starte("AutoDialog=1\n");
    d.anzeige.dann([](QWidget& w) {
        auto& f = static_cast<UebschwForm&>(w);
        QListWidget* l = f.RuvoList[0];
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(0)).center());
        klicke(w, "okButton");
    });
    for (int k = 0; k < 8; ++k)
        d.zufall.gibZahlen(65, 90, {65});
    d.anzeige.dann([](QWidget& w) {
        auto& f = static_cast<SpielerListeFrm&>(w);
        f.UserList->showPopup();
        QTest::keyClick(f.UserList->view(), Qt::Key_Return);
        klicke(w, "addSpBtn");
        klicke(w, "okBtn");
    });
    QCoreApplication::processEvents(); // Form_Activate kommt nach dem Zeigen
    EXPECT_EQ(d.anzeige.protokoll.mid(1),
              (QStringList{"modal:UebschwForm", "modal:SpielerListeFrm"}));
    EXPECT_EQ(u().nSpieler(), 1);
    EXPECT_EQ(wort(), "Igel");
}

TEST_F(Fenster, OhneAutoDialogWartetDasProgramm) {
    starte("AutoDialog=0\n");
    QCoreApplication::processEvents();
    EXPECT_EQ(d.anzeige.protokoll, QStringList{"VarkuForm"});
    EXPECT_EQ(form->NameLabel->text(), "[kein Name]");
    EXPECT_FALSE(form->zeigenTaste->isEnabled());
    EXPECT_FALSE(form->diktierTaste->isEnabled());
}

TEST_F(Fenster, LeererSchwerpunktSagtEsUndLaesstDieTastenAus) {
    starte("Nachschreiben=1\nAutoDialog=0\n");
    traegeGaesteEin(1);
    waehleSchwerpunkt(1, 0, [](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Keine Wörter");
        EXPECT_EQ(
            static_cast<MldFenster&>(w).Meldung->text(),
            "Zu diesem Übungsschwerpunkt gibt es\nkeine Wörter.\nWähle bitte einen anderen aus.");
        klicke(w, "Btn1");
    });
    EXPECT_EQ(u().AnzahlWoerter(), 0);
    EXPECT_FALSE(form->zeigenTaste->isEnabled());
    EXPECT_FALSE(form->diktierTaste->isEnabled());
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
}

TEST_F(Fenster, NeuOhneSpielNimmtDiePunkteZurueck) {
    starte("Nachschreiben=0\nTextToSpeech=1\nAutoDialog=0\n");
    form->mnuUebung->setEnabled(false);
    form->mnuNeu->trigger();
    EXPECT_TRUE(form->mnuUebung->isEnabled()) << "bei 0 Punkten nur das";
    waehleSchwerpunkt(0, 0);
    traegeGaesteEin(2);
    klicke(*form, "diktierTaste");
    tippe("Igel");
    enter();
    ASSERT_EQ(u().SitzungsPunkte, 270);
    form->mnuNeu->trigger();
    EXPECT_EQ(u().SitzungsPunkte, 0) << "ohne gestartetes Spiel bleibt nichts";
    EXPECT_EQ(u().Zielpunkte, 1000);
    EXPECT_EQ(u().aktSpieler, 0);
    // nach einem Spiel, das die halbe Spieldauer lief
    ordner.schreibe("Varku.ini", ordner.lies("Varku.ini") + "[Spiele]\nMaximaleSpielDauer=10\n");
    d.uhr.stelle(3000);
    u().starteSpiel(3000 - 300);
    form->mnuNeu->setText("&Fortsetzen");
    form->mnuNeu->trigger();
    EXPECT_EQ(u().SitzungsPunkte, 500);
    EXPECT_EQ(u().Zielpunkte, 500);
    EXPECT_EQ(form->mnuNeu->text(), "&Neu");
    EXPECT_GT(u().protokollDateiNr(), 0) << "das Protokoll von Spieler 0 ist wieder offen";
}

// Umlaute kommen auch aus Tottasten und Eingabemethoden: es zählt der eingegebene Text.
TEST_F(Fenster, UmlauteAusEingabemethodenUndTasten) {
    legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                 {{1, "Bär", "der", 2, true, true, false, "Der @ brummt.", "Baer"}});
    starte("Nachschreiben=1\nAutoDialog=0\n");
    waehleSchwerpunkt(0, 0);
    traegeGaesteEin(1);
    ASSERT_EQ(wort(), "Bär");
    klicke(*form, "zeigenTaste");
    tippe("B");
    EXPECT_TRUE(u().schreibenBegonnen);
    // die Eingabemethode liefert das fertige Zeichen, ohne Tastencode
    QInputMethodEvent komponiert;
    komponiert.setCommitString(QStringLiteral("ä"));
    QCoreApplication::sendEvent(form->SchreibenTextfeld, &komponiert);
    // ein Zeichen, das als Text einer Taste kommt
    QTest::keyClick(form->SchreibenTextfeld, Qt::Key_R, Qt::NoModifier);
    EXPECT_EQ(form->SchreibenTextfeld->text(), "Bär");
    enter();
    EXPECT_EQ(protokoll("AAAAAAAA"), "1= OK\r\n");

    // ein Umlaut als erste Taste beginnt das Schreiben wie jede andere
    form->SchreibenTextfeld->setEnabled(true);
    u().schreibenBegonnen = false;
    QInputMethodEvent erstes;
    erstes.setCommitString(QStringLiteral("Ü"));
    QCoreApplication::sendEvent(form->SchreibenTextfeld, &erstes);
    EXPECT_TRUE(u().schreibenBegonnen);
    EXPECT_EQ(form->SchreibenTextfeld->text(), "Ü");
}

// Nach einem falschen Wort nimmt das Feld keine Taste mehr, bis "löschen" kommt: ein neuer
// Versuch kann die richtige Schreibweise nicht verdecken.
TEST_F(Fenster, GesperrtesFeldNachEinemFalschenWort) {
    starte("Nachschreiben=1\nAutoDialog=0\n");
    waehleSchwerpunkt(0, 0);
    traegeGaesteEin(1);
    klicke(*form, "zeigenTaste");
    tippe("Igl");
    d.anzeige.dannKlicke("okBtn");
    enter();
    ASSERT_TRUE(form->SchreibenTextfeld->isReadOnly());
    tippe("Igel");
    enter();
    EXPECT_EQ(form->SchreibenTextfeld->text(), "Igl");
    EXPECT_EQ(form->LesenLabel->text(), "Igel") << "die richtige Schreibweise bleibt stehen";
    EXPECT_FALSE(u().schreibenBegonnen);
    EXPECT_EQ(protokoll("AAAAAAAA"), "1= Igl\r\n") << "kein zweiter Versuch";
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
}

// Die Spielerliste mitten in einem Wort: das neue Wort steht frisch da, mit Satz, Kontext und
// Lampen, und geprüft wird gegen das Wort, das gefragt ist.
TEST_F(Fenster, SpielerlisteMittenImWortLegtDasNeueWortFrischVor) {
    starte("Nachschreiben=0\nTextToSpeech=1\nBeispielSatz=1\nAutoDialog=0\n");
    waehleSchwerpunkt(0, 0);
    traegeGaesteEin(1);
    ASSERT_EQ(wort(), "Igel");
    klicke(*form, "diktierTaste");
    tippe("Ig");
    ASSERT_EQ(form->SatzBspLbl->text(), "Der ____ schläft.");
    traegeGaesteEin(1, 2); // noch ein Gast; das neue Wort ist Baum
    ASSERT_EQ(wort(), "Baum");
    EXPECT_EQ(form->SchreibenTextfeld->text(), "");
    EXPECT_FALSE(form->SchreibenTextfeld->isEnabled());
    EXPECT_FALSE(form->SatzBspLbl->isVisible());
    EXPECT_TRUE(form->UebTitelLabel->isVisible());
    EXPECT_EQ(form->SchreibenKontLabel->text(), "");
    EXPECT_EQ(lampen(), (Lampen{1, 0, 0}));
    EXPECT_TRUE(form->diktierTaste->isEnabled());
    EXPECT_FALSE(form->WortendeTaste->isEnabled());
    EXPECT_FALSE(u().schreibenBegonnen);
    klicke(*form, "diktierTaste");
    EXPECT_EQ(form->SatzBspLbl->text(), "Der ____ ist hoch.") << "der Satz des neuen Wortes";
    tippe("Baum");
    enter();
    EXPECT_EQ(protokoll("AAAAAAAA"), "2= OK\r\n");
}

// Eingefügte Zeilen kommen als eine Zeile ins Feld und ins Protokoll.
TEST_F(Fenster, EingefuegteZeilenbruecheFaelschenNichts) {
    starte("Nachschreiben=1\nAutoDialog=0\n");
    waehleSchwerpunkt(0, 0);
    traegeGaesteEin(1);
    klicke(*form, "zeigenTaste");
    tippe("I");
    form->SchreibenTextfeld->insert("gel\n2= OK");
    EXPECT_EQ(form->SchreibenTextfeld->text(), "Igel2= OK");
    d.anzeige.dannKlicke("okBtn");
    enter();
    EXPECT_EQ(protokoll("AAAAAAAA"), "1= Igel2= OK\r\n");
}

// Bei jeder Wortschrift, die sich einstellen lässt, bleibt alles ganz und nichts überdeckt
// sich; das Fenster wird nie kleiner als die Fläche.
TEST_F(Fenster, AnordnungBeiJederSchriftgroesse) {
    for (int groesse : {8, 25, 48, 72}) {
        form.reset();
        entladeAlleFenster();
        starte("TextFontGröße=" + QByteArray::number(groesse) + "\nAutoDialog=0\n");
        const auto lage = [&](QWidget* w) {
            return QRect(w->mapTo(form.get(), QPoint()), w->size());
        };
        const QRect schreiben = lage(form->SchreibenFrame);
        const QRect feld = lage(form->SchreibenTextfeld);
        const QRect lesen = lage(form->LesenFrame);
        const QRect wortLbl = lage(form->LesenLabel);
        const int titel = form->SchreibenFrame->fontMetrics().height();
        EXPECT_TRUE(schreiben.contains(feld)) << groesse;
        // das Wort darf nach rechts über den Rahmen reichen wie im Entwurf, aber nie über oder
        // unter ihn
        EXPECT_GE(wortLbl.top(), lesen.top()) << groesse;
        EXPECT_LE(wortLbl.bottom(), lesen.bottom()) << groesse;
        EXPECT_GE(feld.top(), schreiben.top() + titel) << groesse << ": nicht über \"schreiben\"";
        EXPECT_GE(wortLbl.top(), lesen.top() + titel) << groesse << ": nicht über \"lesen\"";
        EXPECT_LE(lesen.bottom(), schreiben.top()) << groesse;
        for (QWidget* t :
             {static_cast<QWidget*>(form->zeigenTaste), static_cast<QWidget*>(form->loeschTaste)}) {
            EXPECT_GT(lage(t).top(), schreiben.bottom()) << groesse;
            EXPECT_TRUE(form->Uebungsflaeche->rect().contains(
                QRect(t->mapTo(form->Uebungsflaeche, QPoint()), t->size())))
                << groesse;
        }
        EXPECT_GE(form->minimumWidth(), form->Uebungsflaeche->width()) << groesse;
        EXPECT_GE(form->minimumHeight(), form->Uebungsflaeche->height()) << groesse;
        // vergrößert steht die Fläche in der Mitte
        form->resize(form->minimumWidth() + 400, form->minimumHeight() + 300);
        QCoreApplication::processEvents();
        const QPoint links = form->Uebungsflaeche->mapTo(form->centralWidget(), QPoint());
        EXPECT_NEAR(links.x(), 200, 2) << groesse;
        EXPECT_NEAR(links.y(), 150, 2) << groesse;
    }
}
