// Der Einstellungsdialog des Fallspiels durch seine Haken, Optionen, Drehfelder und Knöpfe.
#include "games/fallingletters/EinstellFrm.h"
#include "gamekit/tests/Abschnittspruefung.h"
#include "games/fallingletters/DolmixEinstellungen.h"
#include "platform/testing/TestDienste.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::dolmix;
using namespace varku::test;

namespace {

// die Schlüssel des Abschnitts in ihrer Reihenfolge, und was der Dialog nicht zeigt
Einstellungen mit(int gross, int zufall, int geschw, int warn, int fehl, int zeit, int ton,
                  int save) {
    Einstellungen e;
    e.BuchstabenGross = gross;
    e.SteinZufallsFolge = zufall;
    e.FallGeschwindigkeit = geschw;
    e.WarnungEinschalten = warn;
    e.SpielerWechselBeiFehler = fehl;
    e.SpielerWechselNachZeit = zeit;
    e.TonEinschalten = ton;
    e.EinstellungenSpeichern = save;
    e.GegenComputer = 1;
    e.ComputerSpielStaerke = 2;
    e.RatezeitBegrenzen = 1;
    return e;
}

std::string text(const Einstellungen& e) {
    return QString("Groß=%1 Zufall=%2 Geschw=%3 Warnung=%4 Fehler=%5 Zeit=%6 Ton=%7 Speichern=%8 "
                   "Computer=%9 Stärke=%10 Ratezeit=%11")
        .arg(e.BuchstabenGross)
        .arg(e.SteinZufallsFolge)
        .arg(e.FallGeschwindigkeit)
        .arg(e.WarnungEinschalten)
        .arg(e.SpielerWechselBeiFehler)
        .arg(e.SpielerWechselNachZeit)
        .arg(e.TonEinschalten)
        .arg(e.EinstellungenSpeichern)
        .arg(e.GegenComputer)
        .arg(e.ComputerSpielStaerke)
        .arg(e.RatezeitBegrenzen)
        .toStdString();
}

// der Spielerwechsel, wie er zu sehen ist
std::string wechsel(const EinstellFrm& f) {
    return QString("Fehler:%1 Zeit:%2 %3%4%5")
        .arg(f.SpWechsFehlOpt->isChecked() ? "x" : "-", f.SpWechsZeitOpt->isChecked() ? "x" : "-")
        .arg(f.SpWechsZeitUpDn->value())
        .arg(f.SpWechsZeitUpDn->isEnabled() ? "" : " gesperrt",
             f.SpWechsZeitMin->isEnabled() == f.SpWechsZeitUpDn->isEnabled() ? "" : " Min.?")
        .toStdString();
}

// alles, was der Dialog zeigt
std::string zustand(const EinstellFrm& f) {
    QString z = QString("Geschw:%1 ").arg(f.FallGeschwUpDn->value());
    for (const QAbstractButton* b : f.findChildren<QAbstractButton*>())
        z += b->objectName() + (b->isChecked() ? ":x " : ":- ");
    return z.toStdString() + wechsel(f);
}

struct Einstellungsdialog : ::testing::Test {
    TestDienste d;
    EinstellFrm f{nullptr};

    // geladen und gezeigt wie vom Hauptfenster
    EinstellFrm& oeffne(const Einstellungen& e) {
        f.ladeSteuerelemente(e);
        d.anzeige.zeige(f);
        return f;
    }
};

} // namespace

// Ein bloßes OK gibt zurück, was geladen wurde, auch eine Geschwindigkeit, die als die langsamste
// gezeigt wird; geändert gilt, was zu sehen ist.
TEST_F(Einstellungsdialog, BlossesOkGibtZurueckWasGeladenWurde) {
    struct Fall {
        const char* name;
        Einstellungen e;
        int gezeigt;
    };
    const Fall faelle[] = {
        {"ohne Schlüssel", mit(0, 0, 0, 0, 0, 0, 0, 0), 100},
        {"alles an", mit(1, 1, 250, 1, 0, 15, 1, 1), 250},
        {"langsamste", mit(0, 1, 100, 0, 0, 0, 0, 1), 100},
        {"schnellste", mit(1, 0, 500, 1, 0, 0, 1, 0), 500},
        {"neben dem Raster", mit(0, 0, 155, 0, 0, 0, 0, 0), 155},
        {"knapp zu langsam", mit(0, 0, 99, 0, 0, 0, 0, 0), 100},
        {"knapp zu schnell", mit(0, 0, 501, 0, 0, 0, 0, 0), 100},
        {"viel zu schnell", mit(0, 0, 7000, 0, 0, 0, 0, 0), 100},
        {"negativ", mit(0, 0, -40, 0, 0, 0, 0, 0), 100},
        {"Wechsel bei Fehler", mit(0, 0, 300, 0, 1, 0, 0, 0), 300},
        {"beide Wechsel", mit(0, 0, 300, 0, 1, 12, 0, 0), 300},
        {"60 Minuten", mit(0, 0, 300, 0, 0, 60, 0, 0), 300},
    };
    for (const Fall& c : faelle) {
        oeffne(c.e);
        EXPECT_EQ(f.FallGeschwUpDn->value(), c.gezeigt) << c.name;
        klicke(f, "okBtn");
        EXPECT_FALSE(f.isVisible()) << c.name;
        EXPECT_TRUE(f.bestaetigt()) << c.name;
        EXPECT_EQ(text(f.werte()), text(c.e)) << c.name;

        oeffne(c.e);
        const bool oben = c.gezeigt == schnellsterFall;
        QTest::keyClick(f.FallGeschwUpDn, oben ? Qt::Key_Down : Qt::Key_Up);
        klicke(f, "okBtn");
        EXPECT_EQ(f.werte().FallGeschwindigkeit, c.gezeigt + (oben ? -fallRaster : fallRaster))
            << c.name;
    }
}

// Jeder Haken zeigt seinen Schlüssel und nur ihn, und gibt ihn zurück.
TEST_F(Einstellungsdialog, HakenGehoerenZuIhremSchluessel) {
    const std::pair<int Einstellungen::*, QCheckBox * EinstellFrm::*> haken[] = {
        {&Einstellungen::BuchstabenGross, &EinstellFrm::NurGrossBstOpt},
        {&Einstellungen::SteinZufallsFolge, &EinstellFrm::ZufallFolgeOpt},
        {&Einstellungen::WarnungEinschalten, &EinstellFrm::FehlWarnOpt},
        {&Einstellungen::TonEinschalten, &EinstellFrm::TonEinOpt},
        {&Einstellungen::EinstellungenSpeichern, &EinstellFrm::EinstSaveOpt},
    };
    for (const auto& [wert, kasten] : haken) {
        Einstellungen e = mit(0, 0, 200, 0, 0, 0, 0, 0);
        e.*wert = 1;
        oeffne(e);
        const std::string name = (f.*kasten)->objectName().toStdString();
        for (const auto& [w, k] : haken)
            EXPECT_EQ((f.*k)->isChecked(), k == kasten) << name;
        klicke(f, "okBtn");
        EXPECT_EQ(text(f.werte()), text(e)) << name;

        oeffne(e);
        klicke(f, (f.*kasten)->objectName());
        klicke(f, "okBtn");
        EXPECT_EQ(text(f.werte()), text(mit(0, 0, 200, 0, 0, 0, 0, 0))) << name;
    }
}

// Die Optionen des Spielerwechsels: keine, eine oder (aus der Datei) beide; die Wahl der einen
// löscht die andere, ein zweiter Klick lässt sie stehen, 0 Minuten sind kein Wechsel.
TEST_F(Einstellungsdialog, Spielerwechsel) {
    struct Fall {
        int fehl, zeit;
        QStringList schritte;
        const char* gezeigt;
        int fehlDanach, zeitDanach;
    };
    const Fall faelle[] = {
        {0, 0, {}, "Fehler:- Zeit:- 0 gesperrt", 0, 0},
        {1, 0, {}, "Fehler:x Zeit:- 0 gesperrt", 1, 0},
        {0, 5, {}, "Fehler:- Zeit:x 5", 0, 5},
        {1, 12, {}, "Fehler:x Zeit:x 12", 1, 12},
        {0, 0, {"Zeit"}, "Fehler:- Zeit:x 1", 0, 1},
        {1, 0, {"Zeit"}, "Fehler:- Zeit:x 1", 0, 1},
        {0, 5, {"Zeit"}, "Fehler:- Zeit:x 5", 0, 5},
        {0, 5, {"Fehler"}, "Fehler:x Zeit:- 0 gesperrt", 1, 0},
        {1, 0, {"Fehler"}, "Fehler:x Zeit:- 0 gesperrt", 1, 0},
        {1, 12, {"Fehler"}, "Fehler:x Zeit:- 0 gesperrt", 1, 0},
        {1, 12, {"Zeit"}, "Fehler:- Zeit:x 12", 0, 12},
        {0, 0, {"Zeit", "hoch", "hoch"}, "Fehler:- Zeit:x 3", 0, 3},
        {0, 60, {"hoch"}, "Fehler:- Zeit:x 60", 0, 60},
        {0, 2, {"runter"}, "Fehler:- Zeit:x 1", 0, 1},
        {0, 1, {"runter"}, "Fehler:- Zeit:- 0 gesperrt", 0, 0},
        {1, 3, {"runter", "runter", "runter"}, "Fehler:x Zeit:- 0 gesperrt", 1, 0},
        {0, 0, {"Zeit", "Fehler", "Zeit"}, "Fehler:- Zeit:x 1", 0, 1},
    };
    for (const Fall& c : faelle) {
        const std::string name =
            QString("%1/%2 %3").arg(c.fehl).arg(c.zeit).arg(c.schritte.join(' ')).toStdString();
        Einstellungen e = mit(0, 0, 200, 0, c.fehl, c.zeit, 0, 0);
        oeffne(e);
        for (const QString& s : c.schritte) {
            if (s == "Fehler")
                klicke(f, "SpWechsFehlOpt");
            else if (s == "Zeit")
                klicke(f, "SpWechsZeitOpt");
            else
                QTest::keyClick(f.SpWechsZeitUpDn, s == "hoch" ? Qt::Key_Up : Qt::Key_Down);
        }
        EXPECT_EQ(wechsel(f), c.gezeigt) << name;
        klicke(f, "okBtn");
        e.SpielerWechselBeiFehler = c.fehlDanach;
        e.SpielerWechselNachZeit = c.zeitDanach;
        EXPECT_EQ(text(f.werte()), text(e)) << name;
    }
}

// Abbrechen, Esc und das Schließfeld stellen jedes Steuerelement zurück, geben die geladenen
// Werte und melden kein OK; der Dialog bleibt.
TEST_F(Einstellungsdialog, AbbrechenStelltAllesWiederHer) {
    const std::pair<const char*, std::function<void()>> wege[] = {
        {"abbrechen", [this] { klicke(f, "abbrBtn"); }},
        {"Esc", [this] { QTest::keyClick(f.TonEinOpt, Qt::Key_Escape); }},
        {"Schließfeld", [this] { f.close(); }},
    };
    const Einstellungen e = mit(0, 1, 7000, 0, 1, 0, 1, 0);
    for (const auto& [name, schliesse] : wege) {
        oeffne(e);
        klicke(f, "okBtn");
        ASSERT_TRUE(f.bestaetigt());
        oeffne(e);
        const std::string geladen = zustand(f);
        QTest::keyClick(f.FallGeschwUpDn, Qt::Key_Up);
        for (const char* k : {"NurGrossBstOpt", "ZufallFolgeOpt", "SpWechsZeitOpt", "FehlWarnOpt",
                              "EinstSaveOpt", "TonEinOpt"})
            klicke(f, k);
        QTest::keyClick(f.SpWechsZeitUpDn, Qt::Key_Up);
        ASSERT_NE(zustand(f), geladen) << name;

        schliesse();
        EXPECT_FALSE(f.isVisible()) << name;
        EXPECT_FALSE(f.bestaetigt()) << name;
        EXPECT_EQ(zustand(f), geladen) << name;
        EXPECT_EQ(text(f.werte()), text(e)) << name;
    }
}

// Jede Zugriffstaste gibt es nur einmal; die einer Beschriftung führt zu ihrem Drehfeld.
TEST_F(Einstellungsdialog, ZugriffstastenEindeutig) {
    QStringList tasten;
    const auto merke = [&](const QString& text) {
        const QKeySequence k = QKeySequence::mnemonic(text);
        if (!k.isEmpty())
            tasten << k.toString();
        return !k.isEmpty();
    };
    for (const QAbstractButton* b : f.findChildren<QAbstractButton*>())
        merke(b->text());
    for (const QLabel* l : f.findChildren<QLabel*>())
        if (merke(l->text())) {
            EXPECT_NE(l->buddy(), nullptr) << l->text().toStdString();
        }
    tasten.sort();
    EXPECT_EQ(tasten, QStringList({"Alt+A", "Alt+F", "Alt+G", "Alt+L", "Alt+N", "Alt+O", "Alt+S",
                                   "Alt+T", "Alt+W", "Alt+Z"}));
    EXPECT_EQ(QSet<QString>(tasten.begin(), tasten.end()).size(), tasten.size());
}

// Tab geht von links oben nach rechts unten, zuletzt zu den Knöpfen; beide Optionen des
// Wechsels sind erreichbar, gewählt oder nicht, die Minuten nur, wenn sie gelten.
TEST_F(Einstellungsdialog, TabVonLinksObenNachRechtsUnten) {
    struct Fall {
        int fehl, zeit;
        QStringList reihe;
    };
    const QStringList anfang{"FallGeschwUpDn", "ZufallFolgeOpt", "NurGrossBstOpt", "SpWechsFehlOpt",
                             "SpWechsZeitOpt"};
    const QStringList ende{"FehlWarnOpt", "EinstSaveOpt", "TonEinOpt",
                           "okBtn",       "abbrBtn",      "FallGeschwUpDn"};
    const Fall faelle[] = {
        {0, 0, anfang + ende},
        {1, 0, anfang + ende},
        {0, 5, anfang + QStringList{"SpWechsZeitUpDn"} + ende},
    };
    for (const Fall& c : faelle) {
        oeffne(mit(0, 0, 200, 0, c.fehl, c.zeit, 0, 0));
        QStringList reihe;
        for (qsizetype i = 0; i < c.reihe.size(); ++i) {
            QWidget* w = f.focusWidget();
            ASSERT_NE(w, nullptr) << i;
            // das Textfeld eines Drehfeldes gehört zu ihm
            auto* dreh = qobject_cast<QAbstractSpinBox*>(w->parentWidget());
            reihe << (dreh ? dreh->objectName() : w->objectName());
            QTest::keyClick(w, Qt::Key_Tab);
        }
        EXPECT_EQ(reihe, c.reihe) << c.fehl << "/" << c.zeit;
        klicke(f, "abbrBtn");
    }
}

// Fehlt der Abschnitt in der ausgelieferten Varku.ini, schreibt das Spiel ihn mit seinem Kopf ans
// Ende, und ohne ihn beginnt es wie jedes Spiel
TEST(Abschnitt, FehlenderAbschnittKommtMitSeinemKopfAnsEnde) {
    varku::test::pruefeFehlendenAbschnitt(varku::dolmix::dolmixAbschnitt());
    varku::test::pruefeBeginnOhneAbschnitt(varku::dolmix::dolmixAbschnitt());
}
