#include "frame/DruckFrm.h"
#include "foundation/Global.h"
#include "foundation/MldFenster.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "frame/SpielerListeFrm.h"
#include "frame/UebschwForm.h"
#include "frame/VarkuForm.h"
#include "platform/Fensterablage.h"
#include "platform/testing/TestDienste.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <map>

using namespace varku;
using namespace varku::test;

namespace {

QStringList eintraege(const QListWidget* l) {
    QStringList e;
    for (int i = 0; i < l->count(); ++i)
        e << l->item(i)->text();
    return e;
}

void klickeEintrag(QListWidget* l, int i) {
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(i)).center());
}

struct Druckdialog : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    std::unique_ptr<VarkuForm> form;

    Druckdialog() {
        ordner.schreibe("Varku.tsp", ">>> Seite,-\nTiere [mit Artikel],KAT1\n");
        // wenig Punkte je Wort: die 1000 mit ihrem Glückwunsch kommen hier nicht
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{1, "Igel", "der", 10, true, true, false, "", "Igel"},
                      {2, "Baum", "der", 10, true, true, false, "", "Baum"},
                      {3, "rot", "", 10, false, true, false, "", "rot"}});
        QDir().mkpath(ordner.pfad("User"));
        ordner.schreibe("Varku.ini", "[Varku]\nTextFontName=Andika\nTextFontGröße=25\n"
                                     "Nachschreiben=0\nTextToSpeech=1\nAutoDialog=0\n");
        form = std::make_unique<VarkuForm>();
        d.anzeige.zeige(*form);
    }
    ~Druckdialog() override {
        form.reset();
        entladeAlleFenster();
        UebNr = 0;
    }
    Uebung& u() { return form->uebung; }

    // Tiere, dann n Gäste; das erste Wort ist Igel
    void bereite(int gaeste) {
        d.anzeige.dann([](QWidget& w) {
            auto& f = static_cast<UebschwForm&>(w);
            QListWidget* l = f.RuvoList[0];
            klickeEintrag(l, 0);
            klicke(w, "okButton");
        });
        form->mnuUebung->trigger();
        for (int i = 0; i < gaeste; ++i)
            for (int k = 0; k < 8; ++k)
                d.zufall.gibZahlen(65, 90, {65 + i});
        d.anzeige.dann([this, gaeste](QWidget& w) { traegeEin(w, gaeste); });
        form->mnuSpielerliste->trigger();
    }

    static void traegeEin(QWidget& w, int gaeste) {
        auto& f = static_cast<SpielerListeFrm&>(w);
        for (int i = 0; i < gaeste; ++i) {
            f.UserList->showPopup();
            QAbstractItemView* v = f.UserList->view();
            v->setCurrentIndex(v->model()->index(f.UserList->findText("Gast"), 0));
            QTest::keyClick(v, Qt::Key_Return);
            klicke(w, "addSpBtn");
        }
        klicke(w, "okBtn");
    }

    // der Druckdialog mit einem Skript
    void drucken(std::function<void(DruckFrm&)> skript) {
        d.anzeige.dann([skript](QWidget& w) { skript(static_cast<DruckFrm&>(w)); });
        form->mnuDrucken->trigger();
    }

    QStringList gedruckt() const {
        QStringList t;
        for (const QString& op : d.drucker.ops)
            if (op.startsWith("Text "))
                t << op.mid(op.indexOf("] ") + 2);
        return t;
    }

    void schreibe(const QString& text) {
        klicke(*form, "diktierTaste");
        form->SchreibenTextfeld->setFocus();
        QTest::keyClicks(form->SchreibenTextfeld, text);
        QTest::keyClick(form->SchreibenTextfeld, Qt::Key_Return);
    }

    QByteArray protokoll() { return ordner.lies("User/AAAAAAAA.tmp"); }
};

} // namespace

TEST_F(Druckdialog, AufbauUndAktivierung) {
    bereite(2);
    ASSERT_TRUE(form->mnuDrucken->isEnabled());
    ASSERT_TRUE(u().protokoll.offen());
    bool gezeigt = false;
    drucken([&](DruckFrm& f) {
        gezeigt = true;
        EXPECT_EQ(f.windowTitle(), "Drucken");
        EXPECT_EQ(f.DokumentFrame->title(), "Dokument");
        EXPECT_EQ(f.DruckOpt[0]->text(), "&Zeugnis");
        EXPECT_EQ(f.DruckOpt[1]->text(), "&Protokoll");
        EXPECT_TRUE(f.DruckOpt[0]->isChecked());
        EXPECT_EQ(f.SpielerFrame->title(), "Spielername");
        EXPECT_EQ(f.okBtn->text(), "&OK");
        EXPECT_EQ(f.abbrBtn->text(), "&abbrechen");
        EXPECT_EQ(eintraege(f.SpielerLst), (QStringList{"Gast 1", "Gast 2"}));
        // der erste ist gewählt, der Stand leer, die Datei des Spielers am Zug zu
        EXPECT_EQ(f.SpielerLst->currentRow(), 0);
        EXPECT_EQ(f.SpielerLst->selectedItems().size(), 1);
        EXPECT_TRUE(f.StatText->text().isEmpty());
        EXPECT_FALSE(u().protokoll.offen());
        klicke(f, "abbrBtn");
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_TRUE(gezeigt);
    EXPECT_TRUE(u().protokoll.offen());
    EXPECT_TRUE(d.drucker.ops.isEmpty()) << "abbrechen druckt nichts";

    // beim nächsten Mal ist der Stand wieder leer, die Wahl bleibt
    drucken([&](DruckFrm& f) {
        klickeEintrag(f.SpielerLst, 1);
        klicke(f, "okBtn");
        EXPECT_FALSE(f.StatText->text().isEmpty());
        klicke(f, "abbrBtn");
    });
    drucken([&](DruckFrm& f) {
        EXPECT_TRUE(f.StatText->text().isEmpty());
        EXPECT_EQ(f.SpielerLst->currentRow(), 1);
        klicke(f, "abbrBtn");
    });
}

// OK druckt, sagt erst danach, wohin, und lässt den Dialog offen.
TEST_F(Druckdialog, OkDrucktUndBleibtOffen) {
    bereite(2);
    drucken([&](DruckFrm& f) {
        // Gast 1 hat das erste Wort vor sich: noch nichts geschrieben
        klicke(f, "okBtn");
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.StatText->text(), "Zeugnis für Gast 1 zum Drucker geschickt: Testdrucker");
        EXPECT_EQ(d.drucker.ops.first(), "Dokument Zeugnis Gast 1");
        QStringList t = gedruckt();
        EXPECT_EQ(t.count("0 Wörter"), 2);
        EXPECT_TRUE(t.contains("0,00 Sekunden pro Wort"));
        EXPECT_TRUE(t.contains("Tiere")) << "der Titel des Hauptfensters";
        EXPECT_TRUE(t.contains("0:00 Minuten"));

        // Gast 2 war noch nicht dran: 0, nicht -1
        d.drucker.ops.clear();
        klickeEintrag(f.SpielerLst, 1);
        klicke(f, "okBtn");
        EXPECT_EQ(d.drucker.ops.first(), "Dokument Zeugnis Gast 2");
        t = gedruckt();
        EXPECT_EQ(t.count("0 Wörter"), 2);
        EXPECT_FALSE(t.contains("-1 Wörter"));

        d.drucker.ops.clear();
        QTest::mouseClick(f.DruckOpt[1], Qt::LeftButton);
        klicke(f, "okBtn");
        EXPECT_EQ(d.drucker.ops.first(), "Dokument Protokoll Gast 2");
        EXPECT_EQ(f.StatText->text(), "Protokoll für Gast 2 zum Drucker geschickt: Testdrucker");

        // ein PDF: der Stand nennt die Datei
        d.drucker.zielName = ordner.pfad("User/Protokoll Gast 2 2026-12-09 10-15-03.pdf");
        klicke(f, "okBtn");
        EXPECT_EQ(f.StatText->text(), "Protokoll für Gast 2 gespeichert: " + d.drucker.zielName);
        klicke(f, "abbrBtn");
    });
}

// Ein Drucker, der nicht will, oder eine fehlende Protokolldatei: eine Meldung, kein Stand,
// der Dialog und das Programm laufen weiter.
TEST_F(Druckdialog, FehlerGibtEineMeldung) {
    bereite(1);
    QStringList meldungen;
    const auto merke = [&](QWidget& w) {
        auto& m = static_cast<MldFenster&>(w);
        meldungen << m.windowTitle() + ": " + m.Meldung->text();
        klicke(w, "Btn1");
    };
    d.anzeige.dann([&](QWidget& w) {
        auto& f = static_cast<DruckFrm&>(w);
        d.drucker.geht = false;
        klicke(f, "okBtn");
        EXPECT_TRUE(f.StatText->text().isEmpty());
        EXPECT_TRUE(f.isVisible());

        d.drucker.geht = true;
        QFile::remove(ordner.pfad("User/AAAAAAAA.tmp"));
        QTest::mouseClick(f.DruckOpt[1], Qt::LeftButton);
        klicke(f, "okBtn");
        EXPECT_TRUE(f.StatText->text().isEmpty());
        klicke(f, "abbrBtn");
    });
    d.anzeige.dann(merke);
    d.anzeige.dann(merke);
    form->mnuDrucken->trigger();
    EXPECT_EQ(meldungen,
              (QStringList{
                  "Drucken: Das Zeugnis für Gast 1\nwurde nicht gedruckt.\nEs ist kein Drucker "
                  "bereit.",
                  "Drucken: Das Protokoll für Gast 1\nwurde nicht gedruckt.\nDie Protokolldatei "
                  "fehlt.",
              }));
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
}

// Wie der Dialog auch geschlossen wird: die Protokolldatei ist danach offen, und das nächste
// Wortende schreibt die Nummer des Wortes, das auf dem Schirm stand, auch nach einem Protokoll,
// das andere Wörter nachschlug.
TEST_F(Druckdialog, JedesSchliessenIstAbbrechen) {
    bereite(1);
    schreibe("Igel");
    ASSERT_EQ(protokoll(), "1= OK\r\n");
    const std::map<QString, int> nummer{{"Igel", 1}, {"Baum", 2}, {"rot", 3}};
    const std::vector<std::pair<const char*, std::function<void(DruckFrm&)>>> wege = {
        {"abbrechen", [](DruckFrm& f) { klicke(f, "abbrBtn"); }},
        {"Esc", [](DruckFrm& f) { QTest::keyClick(&f, Qt::Key_Escape); }},
        {"Schließfeld", [](DruckFrm& f) { f.close(); }},
        {"verborgen", [](DruckFrm& f) { f.hide(); }},
    };
    QByteArray erwartet = protokoll();
    for (const auto& [name, schliesse] : wege) {
        const QString wort = u().wortDb.Wort;
        drucken([&](DruckFrm& f) {
            EXPECT_FALSE(u().protokoll.offen()) << name;
            QTest::mouseClick(f.DruckOpt[1], Qt::LeftButton);
            klicke(f, "okBtn");
            EXPECT_FALSE(f.StatText->text().isEmpty()) << name;
            schliesse(f);
        });
        EXPECT_FALSE(DruckFrm::geladen()->isVisible()) << name;
        EXPECT_TRUE(u().protokoll.offen()) << name;
        schreibe(wort);
        erwartet += QByteArray::number(nummer.at(wort)) + "= OK\r\n";
        EXPECT_EQ(protokoll(), erwartet) << name << " " << wort.toStdString();
    }
}

// Die Liste des Druckdialogs bleibt bei jedem Ein- und Austragen der Spielerliste gleich, auch
// während er verborgen ist.
TEST_F(Druckdialog, ListeFolgtDerSpielerliste) {
    bereite(3);
    drucken([](DruckFrm& f) {
        klickeEintrag(f.SpielerLst, 2);
        klicke(f, "abbrBtn");
    });
    const QListWidget* druckListe = DruckFrm::geladen()->SpielerLst;
    ASSERT_EQ(eintraege(druckListe), (QStringList{"Gast 1", "Gast 2", "Gast 3"}));

    d.zufall.gibZahlen(65, 90, {68, 68, 68, 68, 68, 68, 68, 68});
    d.anzeige.dann([&](QWidget& w) {
        auto& f = static_cast<SpielerListeFrm&>(w);
        klickeEintrag(f.SpielerLst, 1);
        klicke(w, "delSpBtn");
        EXPECT_EQ(eintraege(druckListe), eintraege(f.SpielerLst));
        EXPECT_EQ(eintraege(druckListe), (QStringList{"Gast 1", "Gast 3"}));
        // die Wahl bleibt bei ihrem Spieler
        EXPECT_EQ(druckListe->currentItem()->text(), "Gast 3");
        f.UserList->showPopup();
        QAbstractItemView* v = f.UserList->view();
        v->setCurrentIndex(v->model()->index(0, 0));
        QTest::keyClick(v, Qt::Key_Return);
        klicke(w, "addSpBtn");
        EXPECT_EQ(eintraege(druckListe), (QStringList{"Gast 1", "Gast 3", "Gast 4"}));
        klicke(w, "okBtn");
    });
    form->mnuSpielerliste->trigger();
    drucken([](DruckFrm& f) {
        EXPECT_EQ(eintraege(f.SpielerLst), (QStringList{"Gast 1", "Gast 3", "Gast 4"}));
        klicke(f, "abbrBtn");
    });
}

// Auch ohne das Hauptfenster: Esc und Schließfeld tun, was "abbrechen" tut.
TEST_F(Druckdialog, EscUndSchliessfeldSindAbbrechen) {
    bereite(1);
    DruckFrm& f = DruckFrm::instanz(u());
    for (const char* weg : {"Esc", "Schließfeld"}) {
        d.anzeige.zeige(f);
        ASSERT_TRUE(f.isVisible());
        EXPECT_FALSE(u().protokoll.offen()) << weg;
        if (QString(weg) == "Esc")
            QTest::keyClick(&f, Qt::Key_Escape);
        else
            f.close();
        EXPECT_FALSE(f.isVisible()) << weg;
        EXPECT_TRUE(u().protokoll.offen()) << weg;
    }
}
