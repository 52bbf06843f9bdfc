#include "foundation/EndeFrm.h"
#include "foundation/MldFenster.h"
#include "foundation/Sound.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "frame/EinstellFrm.h"
#include "frame/SpielerListeFrm.h"
#include "frame/SprAusgEinstFrm.h"
#include "frame/UebschwForm.h"
#include "frame/VarkuForm.h"
#include "platform/Fensterablage.h"
#include "platform/testing/TestDienste.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace varku;
using namespace varku::test;

namespace {

const QStringList bildschirmSchriften{"Andika", "DejaVu Sans", "Liberation Serif"};

// Der Bildschirm bietet im Test immer dieselben drei Schriften.
struct MitSchriften {
    std::function<QStringList()> alt = EinstellFrm::schriftQuelle();
    MitSchriften() {
        EinstellFrm::schriftQuelle() = [] { return bildschirmSchriften; };
    }
    ~MitSchriften() { EinstellFrm::schriftQuelle() = alt; }
};

// alles, was der Einstellungsdialog zeigt, als Text
QStringList zustand(const EinstellFrm& f) {
    const auto haken = [](const QAbstractButton* b) {
        return QString("%1:%2%3").arg(b->objectName(), b->isChecked() ? "x" : "-",
                                      b->isEnabled() ? "" : "(gesperrt)");
    };
    QStringList z{QString("Schrift:%1:%2")
                      .arg(f.FontNameCBox->currentIndex())
                      .arg(f.FontNameCBox->currentText()),
                  QString("Größe:%1").arg(f.SchriftGrUpDn->value())};
    const std::vector<const QAbstractButton*> knoepfe{
        f.fettSchriftChk, f.kursivSchriftChk, f.NachschrOpt,  f.DiktOpt,   f.SynthOpt,
        f.SynthSatzOpt,   f.LupeOpt,          f.SchwGr[0],    f.SchwGr[1], f.SchwGr[2],
        f.AutoStartOpt,   f.TonEinOpt,        f.EinstSaveOpt, f.BspSatzOpt};
    for (const QAbstractButton* b : knoepfe)
        z << haken(b);
    const QFont b = f.FontBspLbl->font();
    z << QString("Beispiel:%1:%2:%3:%4")
             .arg(b.family())
             .arg(b.pointSize())
             .arg(b.bold())
             .arg(b.italic());
    return z;
}

struct Einstellungsdialog : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    MitSchriften schriften;
    GlobModul glob;

    ~Einstellungsdialog() override { EinstellFrm::entlade(); }

    // ein frisch geladener Dialog, gezeigt wie vom Menü
    EinstellFrm& oeffne() {
        EinstellFrm::entlade();
        EinstellFrm& f = EinstellFrm::instanz(glob);
        d.anzeige.zeige(f);
        return f;
    }
};

using Haken = bool VarkuEinstellungen::*;
using Kasten = QCheckBox* EinstellFrm::*;

struct HakenZeile {
    Haken wert;
    Kasten kasten;
};

const HakenZeile hakenTabelle[] = {
    {&VarkuEinstellungen::TextFontFett, &EinstellFrm::fettSchriftChk},
    {&VarkuEinstellungen::TextFontKursiv, &EinstellFrm::kursivSchriftChk},
    {&VarkuEinstellungen::TextToSpeech, &EinstellFrm::SynthOpt},
    {&VarkuEinstellungen::SprachAusgabeSatz, &EinstellFrm::SynthSatzOpt},
    {&VarkuEinstellungen::LeseLupe, &EinstellFrm::LupeOpt},
    {&VarkuEinstellungen::AutoDialog, &EinstellFrm::AutoStartOpt},
    {&VarkuEinstellungen::TonEinschalten, &EinstellFrm::TonEinOpt},
    {&VarkuEinstellungen::EinstellungenSpeichern, &EinstellFrm::EinstSaveOpt},
    {&VarkuEinstellungen::BeispielSatz, &EinstellFrm::BspSatzOpt},
};

} // namespace

// Jeder Haken zeigt seine Einstellung und OK schreibt ihn in sie zurück, in beiden
// Übungsformen und ohne die anderen zu berühren.
TEST_F(Einstellungsdialog, HakenHinUndZurueck) {
    for (bool nachschreiben : {false, true})
        for (const HakenZeile& zeile : hakenTabelle)
            for (bool wert : {true, false}) {
                glob.einst = {};
                glob.einst.Nachschreiben = nachschreiben;
                for (const HakenZeile& z : hakenTabelle)
                    glob.einst.*(z.wert) = !wert;
                glob.einst.*(zeile.wert) = wert;
                EinstellFrm& f = oeffne();
                QCheckBox* kasten = f.*(zeile.kasten);
                const std::string name = kasten->objectName().toStdString();
                for (const HakenZeile& z : hakenTabelle)
                    EXPECT_EQ((f.*(z.kasten))->isChecked(), glob.einst.*(z.wert))
                        << name << " " << wert << " " << nachschreiben;

                kasten->setChecked(!wert);
                glob.varkuIniGeaendert = false;
                klicke(f, "okButton");
                EXPECT_FALSE(f.isVisible());
                EXPECT_TRUE(glob.varkuIniGeaendert);
                EXPECT_EQ(glob.einst.*(zeile.wert), !wert) << name;
                for (const HakenZeile& z : hakenTabelle) {
                    if (z.wert != zeile.wert) {
                        EXPECT_EQ(glob.einst.*(z.wert), !wert)
                            << name << ": " << (f.*(z.kasten))->objectName().toStdString();
                    }
                }
                EXPECT_EQ(glob.einst.Nachschreiben, nachschreiben) << name;
            }
}

// Übungsform und Schwierigkeit: die Einstellung wählt die Option, die Maus eine andere, OK
// übernimmt sie.
TEST_F(Einstellungsdialog, OptionenHinUndZurueck) {
    for (int grad = 0; grad < 3; ++grad)
        for (int neu = 0; neu < 3; ++neu) {
            glob.einst.Schwierigkeitsgrad = int16_t(grad);
            EinstellFrm& f = oeffne();
            for (int i = 0; i < 3; ++i)
                EXPECT_EQ(f.SchwGr[size_t(i)]->isChecked(), i == grad) << grad;
            klicke(f, QString("SchwGr%1").arg(neu));
            klicke(f, "okButton");
            EXPECT_EQ(glob.einst.Schwierigkeitsgrad, neu) << grad << " -> " << neu;
        }
    for (bool nachschreiben : {false, true}) {
        glob.einst.Nachschreiben = nachschreiben;
        EinstellFrm& f = oeffne();
        EXPECT_EQ(f.NachschrOpt->isChecked(), nachschreiben);
        EXPECT_EQ(f.DiktOpt->isChecked(), !nachschreiben);
        klicke(f, nachschreiben ? "DiktOpt" : "NachschrOpt");
        klicke(f, "okButton");
        EXPECT_EQ(glob.einst.Nachschreiben, !nachschreiben);
    }
}

// "synthetisch" nur beim Diktat, "im ganzen Satz" nur dazu mit "synthetisch"; ein gesperrter
// Haken behält seine Marke, in jeder Übungsform aus der Einstellung geladen, und OK schreibt ihn
// unverändert zurück.
TEST_F(Einstellungsdialog, FreigabenBeimLaden) {
    for (bool nachschreiben : {false, true})
        for (bool synth : {false, true})
            for (bool satz : {false, true}) {
                glob.einst.Nachschreiben = nachschreiben;
                glob.einst.TextToSpeech = synth;
                glob.einst.SprachAusgabeSatz = satz;
                EinstellFrm& f = oeffne();
                const std::string fall =
                    std::to_string(nachschreiben) + std::to_string(synth) + std::to_string(satz);
                EXPECT_EQ(f.SynthOpt->isEnabled(), !nachschreiben) << fall;
                EXPECT_EQ(f.SynthSatzOpt->isEnabled(), !nachschreiben && synth) << fall;
                EXPECT_EQ(f.SynthOpt->isChecked(), synth) << fall;
                EXPECT_EQ(f.SynthSatzOpt->isChecked(), satz) << fall;
                klicke(f, "okButton");
                EXPECT_EQ(glob.einst.TextToSpeech, synth) << fall << ": OK ändert nichts";
                EXPECT_EQ(glob.einst.SprachAusgabeSatz, satz) << fall;
            }
}

TEST_F(Einstellungsdialog, FreigabenFolgenDerMaus) {
    glob.einst.TextToSpeech = true;
    glob.einst.SprachAusgabeSatz = true;
    EinstellFrm& f = oeffne();
    struct Schritt {
        const char* klick;
        bool synthFrei, satzFrei, synth, satz;
    };
    const Schritt schritte[] = {
        {"SynthOpt", true, false, false, true},      {"SynthOpt", true, true, true, true},
        {"NachschrOpt", false, false, true, true},   {"DiktOpt", true, true, true, true},
        {"SynthSatzOpt", true, true, true, false},   {"SynthOpt", true, false, false, false},
        {"NachschrOpt", false, false, false, false}, {"DiktOpt", true, false, false, false},
        {"SynthOpt", true, true, true, false},       {"NachschrOpt", false, false, true, false},
    };
    for (const Schritt& s : schritte) {
        klicke(f, s.klick);
        EXPECT_EQ(f.SynthOpt->isEnabled(), s.synthFrei) << s.klick;
        EXPECT_EQ(f.SynthSatzOpt->isEnabled(), s.satzFrei) << s.klick;
        EXPECT_EQ(f.SynthOpt->isChecked(), s.synth) << s.klick;
        EXPECT_EQ(f.SynthSatzOpt->isChecked(), s.satz) << s.klick;
    }
    klicke(f, "okButton");
    EXPECT_TRUE(glob.einst.Nachschreiben);
    EXPECT_TRUE(glob.einst.TextToSpeech) << "gesperrt, aber gesetzt";
    EXPECT_FALSE(glob.einst.SprachAusgabeSatz);
}

// Die Liste hält die Schriften des Bildschirms in seiner Reihenfolge; eine fremde Schrift
// wählt die erste, und OK speichert deren Namen.
TEST_F(Einstellungsdialog, SchriftAusDerDatei) {
    struct Fall {
        const char* name;
        int index;
        const char* gespeichert;
    };
    const Fall faelle[] = {
        {"DejaVu Sans", 1, "DejaVu Sans"}, {"Liberation Serif", 2, "Liberation Serif"},
        {"Comic Sans MS", 0, "Andika"},    {"dejavu sans", 0, "Andika"},
        {"DejaVu", 0, "Andika"},           {"", -1, ""},
    };
    for (const Fall& fall : faelle) {
        glob.einst.TextFontName = QString::fromUtf8(fall.name);
        EinstellFrm& f = oeffne();
        QStringList liste;
        for (int i = 0; i < f.FontNameCBox->count(); ++i)
            liste << f.FontNameCBox->itemText(i);
        EXPECT_EQ(liste, bildschirmSchriften);
        EXPECT_EQ(f.FontNameCBox->currentIndex(), fall.index) << fall.name;
        klicke(f, "okButton");
        EXPECT_EQ(glob.einst.TextFontName, QString::fromUtf8(fall.gespeichert)) << fall.name;
    }
}

// Während des Logos entsteht der Dialog mit leeren Einstellungen; geladen nach dem Lesen der
// Datei zeigt er dasselbe wie einer, der erst dann gebaut wird, auch wenn vorher an ihm
// geklickt wurde. Die Schriften des Bildschirms werden dabei nur einmal gefragt.
TEST_F(Einstellungsdialog, VorgebautZeigtDieGeleseneDatei) {
    struct Fall {
        const char* name;
        std::function<void(VarkuEinstellungen&)> setze;
    };
    const Fall faelle[] = {
        {"wie vorgebaut", [](VarkuEinstellungen&) {}},
        {"andere Schrift, schwer, ohne Ton",
         [](VarkuEinstellungen& e) {
             e.TextFontName = "Liberation Serif";
             e.TextFontGroesse = 40;
             e.Schwierigkeitsgrad = 2;
             e.TonEinschalten = false;
         }},
        {"nachschreiben, fett, fremde Schrift",
         [](VarkuEinstellungen& e) {
             e.Nachschreiben = true;
             e.TextFontFett = true;
             e.TextFontName = "Comic Sans MS";
         }},
        {"ohne Schrift", [](VarkuEinstellungen& e) { e.TextFontName.clear(); }},
    };
    // lebt länger als die Schleife: die Schriftquelle bleibt auch für den nächsten Fall stehen
    int gefragt = 0;
    for (const Fall& fall : faelle) {
        VarkuEinstellungen gelesen;
        fall.setze(gelesen);
        GlobModul frisch;
        frisch.einst = gelesen;
        EinstellFrm::entlade();
        const QStringList erwartet = zustand(EinstellFrm::instanz(frisch));

        EinstellFrm::entlade();
        gefragt = 0;
        EinstellFrm::schriftQuelle() = [&gefragt] {
            ++gefragt;
            return bildschirmSchriften;
        };
        glob.einst = {};
        EinstellFrm& vorgebaut = EinstellFrm::instanz(glob);
        vorgebaut.FontNameCBox->setCurrentIndex(2);
        vorgebaut.kursivSchriftChk->setChecked(true);
        glob.einst = gelesen;
        EinstellFrm& geladen = EinstellFrm::lade(glob);
        EXPECT_EQ(&geladen, &vorgebaut) << fall.name;
        EXPECT_EQ(zustand(geladen), erwartet) << fall.name;
        EXPECT_EQ(gefragt, 1) << fall.name;
    }
}

// Die Größe ist ganz: gerundet zur geraden Nachbarin, in den Grenzen, die das Hauptfenster
// anwendet; OK speichert, was zu sehen ist.
TEST_F(Einstellungsdialog, GroesseGanzzahlig) {
    struct Fall {
        double datei;
        int gezeigt;
    };
    const Fall faelle[] = {{10.5, 10}, {11.5, 12}, {12.4, 12}, {28, 28}, {0, 28},
                           {5, 8},     {7.5, 8},   {72.5, 72}, {100, 72}};
    for (const Fall& fall : faelle) {
        glob.einst.TextFontGroesse = fall.datei;
        EinstellFrm& f = oeffne();
        EXPECT_EQ(f.SchriftGrUpDn->value(), fall.gezeigt) << fall.datei;
        EXPECT_EQ(f.FontBspLbl->font().pointSize(), fall.gezeigt) << fall.datei;
        // ein bloßes OK schreibt zurück, was gelesen wurde; geändert gilt, was zu sehen ist
        klicke(f, "okButton");
        EXPECT_EQ(glob.einst.TextFontGroesse, fall.datei) << fall.datei;
        d.anzeige.zeige(f);
        f.SchriftGrUpDn->setValue(fall.gezeigt == 72 ? 71 : fall.gezeigt + 1);
        klicke(f, "okButton");
        EXPECT_EQ(glob.einst.TextFontGroesse, f.SchriftGrUpDn->value()) << fall.datei;
    }
}

// Das Beispiel zeigt sofort, was eingestellt wird.
TEST_F(Einstellungsdialog, BeispielFolgtDenSteuerelementen) {
    glob.einst.TextFontName = "Andika";
    glob.einst.TextFontGroesse = 20;
    EinstellFrm& f = oeffne();
    EXPECT_EQ(f.FontBspLbl->text(), "Beispiel");
    QTest::keyClick(f.FontNameCBox, Qt::Key_Down);
    QTest::keyClick(f.SchriftGrUpDn, Qt::Key_Up);
    QTest::keyClick(f.SchriftGrUpDn, Qt::Key_Up);
    klicke(f, "fettSchriftChk");
    klicke(f, "kursivSchriftChk");
    EXPECT_EQ(zustand(f).last(), "Beispiel:DejaVu Sans:22:1:1");
    klicke(f, "fettSchriftChk");
    QTest::keyClick(f.SchriftGrUpDn, Qt::Key_Down);
    EXPECT_EQ(zustand(f).last(), "Beispiel:DejaVu Sans:21:0:1");

    // in der größten Schrift wächst der Dialog mit, nichts wird abgeschnitten
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(f.SchriftGrUpDn, Qt::Key_PageUp);
    klicke(f, "fettSchriftChk");
    f.layout()->activate();
    const QFontMetrics m(f.FontBspLbl->font());
    EXPECT_EQ(f.FontBspLbl->font().pointSize(), 72);
    EXPECT_GT(f.FontBspLbl->contentsRect().width(), m.horizontalAdvance("Beispiel"));
    EXPECT_GT(f.FontBspLbl->contentsRect().height(), m.height());
    EXPECT_TRUE(f.rect().contains(QRect(f.FontBspLbl->mapTo(&f, QPoint()), f.FontBspLbl->size())));
}

// Abbrechen, Esc und das Schließfeld stellen jedes Steuerelement zurück und ändern nichts.
TEST_F(Einstellungsdialog, AbbrechenStelltAllesWiederHer) {
    const std::pair<const char*, std::function<void(EinstellFrm&)>> wege[] = {
        {"abbrechen", [](EinstellFrm& f) { klicke(f, "abbrBtn"); }},
        {"Esc", [](EinstellFrm& f) { QTest::keyClick(f.TonEinOpt, Qt::Key_Escape); }},
        {"Schließfeld", [](EinstellFrm& f) { f.close(); }},
    };
    for (const auto& [name, schliesse] : wege) {
        glob.einst = {};
        glob.einst.TextFontName = "Comic Sans MS"; // nicht auf dem Bildschirm
        glob.einst.TextFontGroesse = 10.5;
        glob.einst.TextFontKursiv = true;
        glob.einst.TextToSpeech = true;
        glob.einst.LeseLupe = true;
        glob.einst.Schwierigkeitsgrad = 1;
        glob.einst.TonEinschalten = true;
        glob.einst.BeispielSatz = true;
        glob.varkuIniGeaendert = false;
        const VarkuEinstellungen vorher = glob.einst;
        EinstellFrm& f = oeffne();
        const QStringList geladen = zustand(f);

        QTest::keyClick(f.FontNameCBox, Qt::Key_End);
        QTest::keyClick(f.SchriftGrUpDn, Qt::Key_PageUp);
        for (const char* k :
             {"fettSchriftChk", "kursivSchriftChk", "SynthSatzOpt", "SynthOpt", "NachschrOpt",
              "LupeOpt", "SchwGr2", "AutoStartOpt", "TonEinOpt", "EinstSaveOpt", "BspSatzOpt"})
            klicke(f, k);
        const QStringList geaendert = zustand(f);
        for (int i = 0; i < geladen.size(); ++i) {
            // SchwGr0 ist weder vorher noch nachher gewählt
            if (!geladen[i].startsWith("SchwGr0")) {
                EXPECT_NE(geaendert[i], geladen[i]) << name << ": nichts geändert an " << i;
            }
        }

        schliesse(f);
        EXPECT_FALSE(f.isVisible()) << name;
        EXPECT_EQ(zustand(f), geladen) << name;
        EXPECT_FALSE(glob.varkuIniGeaendert) << name;
        EXPECT_EQ(glob.einst.TextFontName, vorher.TextFontName) << name;
        EXPECT_EQ(glob.einst.TextFontGroesse, 10.5) << name;
        EXPECT_EQ(glob.einst.Nachschreiben, vorher.Nachschreiben) << name;
        EXPECT_EQ(glob.einst.Schwierigkeitsgrad, 1) << name;
        for (const HakenZeile& z : hakenTabelle)
            EXPECT_EQ(glob.einst.*(z.wert), vorher.*(z.wert)) << name;

        // beim nächsten Öffnen steht alles wie geladen
        d.anzeige.zeige(f);
        EXPECT_EQ(zustand(f), geladen) << name;
    }
}

// Jede Zugriffstaste führt zu genau einem Steuerelement.
TEST_F(Einstellungsdialog, ZugriffstastenEindeutig) {
    const auto pruefe = [](QWidget& dlg, const QStringList& erwartet) {
        QStringList tasten;
        for (const QAbstractButton* b : dlg.findChildren<QAbstractButton*>()) {
            const QKeySequence k = QKeySequence::mnemonic(b->text());
            if (!k.isEmpty())
                tasten << k.toString();
        }
        tasten.sort();
        EXPECT_EQ(tasten, erwartet) << dlg.objectName().toStdString();
        EXPECT_EQ(QSet<QString>(tasten.begin(), tasten.end()).size(), tasten.size());
    };
    pruefe(oeffne(), {"Alt+A", "Alt+B", "Alt+D", "Alt+E", "Alt+G", "Alt+L", "Alt+M", "Alt+N",
                      "Alt+O", "Alt+P", "Alt+S", "Alt+T", "Alt+Y"});
    pruefe(SprAusgEinstFrm::instanz(glob), {"Alt+A", "Alt+O", "Alt+S", "Alt+T", "Alt+W"});
    SprAusgEinstFrm::entlade();
}

// Die Tastatur allein: Tab führt durch den Dialog, Leertaste setzt Haken, Enter auf einem
// Haken drückt OK, Enter auf "abbrechen" bricht ab.
TEST_F(Einstellungsdialog, NurMitDerTastatur) {
    glob.einst.TextFontName = "Andika";
    glob.einst.TextFontGroesse = 28;
    glob.einst.TonEinschalten = true;
    const auto aktiv = [this]() -> EinstellFrm& {
        EinstellFrm& f = oeffne();
        // mit Fokuswechseln wie auf dem Bildschirm
        f.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        return f;
    };
    EinstellFrm& f = aktiv();
    f.TonEinOpt->setFocus();
    QTest::keyClick(f.TonEinOpt, Qt::Key_Space);
    EXPECT_FALSE(f.TonEinOpt->isChecked());
    QTest::keyClick(f.TonEinOpt, Qt::Key_Tab);
    EXPECT_EQ(f.focusWidget(), f.EinstSaveOpt);
    QTest::keyClick(f.EinstSaveOpt, Qt::Key_Tab);
    QTest::keyClick(f.BspSatzOpt, Qt::Key_Tab);
    EXPECT_EQ(f.focusWidget(), f.okButton);
    QTest::keyClick(f.okButton, Qt::Key_Tab);
    EXPECT_EQ(f.focusWidget(), f.abbrBtn);
    QTest::keyClick(f.abbrBtn, Qt::Key_Return);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(glob.varkuIniGeaendert) << "Enter auf abbrechen";
    EXPECT_TRUE(f.TonEinOpt->isChecked());

    EinstellFrm& g = aktiv();
    g.TonEinOpt->setFocus();
    QTest::keyClick(g.TonEinOpt, Qt::Key_Space);
    QTest::keyClick(g.TonEinOpt, Qt::Key_Return);
    EXPECT_FALSE(g.isVisible());
    EXPECT_TRUE(glob.varkuIniGeaendert) << "Enter auf einem Haken: OK";
    EXPECT_FALSE(glob.einst.TonEinschalten);
}

namespace {

// Der Sprachdialog allein, auf der Sprachausgabe des Tests: Anna (Stimmlage 0 bis 100) und
// Bernd (20 bis 80), Geschwindigkeit 80 bis 400, Lautstärke 0 bis 100, von sich aus 80.
struct Sprachdialog : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    GlobModul glob;

    ~Sprachdialog() override { SprAusgEinstFrm::entlade(); }

    SprAusgEinstFrm& oeffne(const QByteArray& abschnitt) {
        ordner.schreibe("Varku.ini", "[Varku]\nAutoDialog=0\n" + abschnitt + "[Sound]\n");
        glob.sprache = {};
        loadTextToSpeechIni(ordner.pfad("Varku.ini"), glob.sprache);
        SprAusgEinstFrm::entlade();
        SprAusgEinstFrm& f = SprAusgEinstFrm::instanz(glob);
        d.anzeige.zeige(f);
        return f;
    }
    QStringList ausgabe() {
        return {QString::number(d.sprache.stimme()), QString::number(d.sprache.lautstaerke()),
                QString::number(d.sprache.stimmlage()),
                QString::number(d.sprache.geschwindigkeit())};
    }
};

QStringList regler(const SprAusgEinstFrm& f) {
    QStringList r{QString::number(f.StimmenLst->currentIndex())};
    for (const QSlider* s : {f.VolumeSld, f.PitchSld, f.SpeedSld})
        r << QString("%1..%2:%3").arg(s->minimum()).arg(s->maximum()).arg(s->value());
    return r;
}

} // namespace

// Was [TextToSpeech] nicht nennt, nimmt die Sprachausgabe von sich aus; was dasteht, gilt,
// auch eine 0.
TEST_F(Sprachdialog, FehlendeWerteNimmtDieAusgabe) {
    struct Fall {
        const char* name;
        QByteArray abschnitt;
        QStringList regler;  // Listenplatz, dann Lautstärke, Stimmlage, Geschwindigkeit
        QStringList ausgabe; // Stimme, Lautstärke, Stimmlage, Geschwindigkeit
    };
    const Fall faelle[] = {
        {"ohne Abschnitt",
         "",
         {"0", "0..100:80", "0..100:50", "80..400:175"},
         {"1", "80", "50", "175"}},
        {"leerer Abschnitt",
         "[TextToSpeech]\n",
         {"0", "0..100:80", "0..100:50", "80..400:175"},
         {"1", "80", "50", "175"}},
        {"nur die Stimme",
         "[TextToSpeech]\nModus=2\n",
         {"1", "0..100:80", "20..80:50", "80..400:175"},
         {"2", "80", "50", "175"}},
        {"gespeicherte Nullen",
         "[TextToSpeech]\nModus=1\nLautstärke=0\nStimmlage=0\nGeschwindigkeit=100\n",
         {"0", "0..100:0", "0..100:0", "80..400:100"},
         {"1", "0", "0", "100"}},
        {"Stimme 0 gilt: keine Wahl",
         "[TextToSpeech]\nModus=0\nLautstärke=30\nStimmlage=60\nGeschwindigkeit=200\n",
         {"-1", "0..100:30", "0..100:60", "80..400:200"},
         {"0", "30", "60", "200"}},
    };
    for (const Fall& f : faelle) {
        SprAusgEinstFrm& dlg = oeffne(f.abschnitt);
        EXPECT_EQ(regler(dlg), f.regler) << f.name;
        EXPECT_EQ(ausgabe(), f.ausgabe) << f.name;
        klicke(dlg, "okButton");
        EXPECT_EQ(glob.sprache.Modus, f.ausgabe[0].toInt()) << f.name;
        EXPECT_EQ(glob.sprache.Lautstaerke, f.ausgabe[1].toInt()) << f.name;
        // gespeichert und wieder gelesen: dieselben Werte, auch die Nullen
        ordner.schreibe("Rund.ini", "[TextToSpeech]\n");
        saveTextToSpeechIni(ordner.pfad("Rund.ini"), glob.sprache);
        SprachEinstellungen wieder;
        loadTextToSpeechIni(ordner.pfad("Rund.ini"), wieder);
        ergaenzeSprachStandard(wieder, 99, 99, 99);
        EXPECT_EQ(QStringList({QString::number(wieder.Modus), QString::number(wieder.Lautstaerke),
                               QString::number(wieder.Stimmlage),
                               QString::number(wieder.Geschwindigkeit)}),
                  f.ausgabe)
            << f.name;
    }
}

TEST_F(Sprachdialog, LadenZeigtStimmenUndTranskripte) {
    SprAusgEinstFrm& f = oeffne("[TextToSpeech]\nModus=2\nLautstärke=60\nGeschwindigkeit=150\n"
                                "Stimmlage=40\nTranskripteWörter=1\nTranskripteSätze=0\n");
    EXPECT_EQ(f.windowTitle(), "Synthetische Sprachausgabe");
    ASSERT_EQ(f.StimmenLst->count(), 2);
    EXPECT_EQ(f.StimmenLst->itemText(0), "Anna");
    EXPECT_EQ(f.StimmenLst->itemText(1), "Bernd");
    EXPECT_EQ(regler(f), (QStringList{"1", "0..100:60", "20..80:40", "80..400:150"}));
    EXPECT_TRUE(f.TranskrWortOpt->isChecked());
    EXPECT_FALSE(f.TranskrSatzOpt->isChecked());
    EXPECT_EQ(f.TestText->text(), "Beispiel");
    EXPECT_EQ(ausgabe(), (QStringList{"2", "60", "40", "150"}));
}

// Regler und Stimme stellen die Ausgabe sofort; jede Stimme bringt ihre Bereiche, ein Wert
// außerhalb rückt an die Grenze.
TEST_F(Sprachdialog, ReglerUndStimmeStellenSofort) {
    SprAusgEinstFrm& f = oeffne("[TextToSpeech]\nModus=1\nLautstärke=60\nGeschwindigkeit=150\n"
                                "Stimmlage=10\n");
    QTest::keyClick(f.VolumeSld, Qt::Key_Right);
    QTest::keyClick(f.SpeedSld, Qt::Key_PageUp);
    QTest::keyClick(f.PitchSld, Qt::Key_Left);
    EXPECT_EQ(ausgabe(), (QStringList{"1", "61", "9", "182"}));
    QTest::keyClick(f.StimmenLst, Qt::Key_Down);
    EXPECT_EQ(regler(f), (QStringList{"1", "0..100:61", "20..80:20", "80..400:182"}));
    EXPECT_EQ(ausgabe(), (QStringList{"2", "61", "20", "182"}));
    QTest::keyClick(f.StimmenLst, Qt::Key_Up);
    EXPECT_EQ(regler(f), (QStringList{"0", "0..100:61", "0..100:20", "80..400:182"}));
    EXPECT_EQ(ausgabe(), (QStringList{"1", "61", "20", "182"}));
}

// Abbrechen, Esc und das Schließfeld bringen die Ausgabe zurück auf Stimme, Lautstärke,
// Stimmlage und Geschwindigkeit der Einstellungen.
TEST_F(Sprachdialog, AbbrechenStelltDieAusgabeZurueck) {
    const std::pair<const char*, std::function<void(SprAusgEinstFrm&)>> wege[] = {
        {"abbrechen", [](SprAusgEinstFrm& f) { klicke(f, "abbrBtn"); }},
        {"Esc", [](SprAusgEinstFrm& f) { QTest::keyClick(f.TestText, Qt::Key_Escape); }},
        {"Schließfeld", [](SprAusgEinstFrm& f) { f.close(); }},
    };
    for (const auto& [name, schliesse] : wege) {
        SprAusgEinstFrm& f = oeffne("[TextToSpeech]\nModus=1\nLautstärke=60\n"
                                    "Geschwindigkeit=150\nStimmlage=10\nTranskripteWörter=1\n");
        const QStringList geladen = regler(f);
        QTest::keyClick(f.StimmenLst, Qt::Key_Down);
        QTest::keyClick(f.VolumeSld, Qt::Key_End);
        QTest::keyClick(f.SpeedSld, Qt::Key_Home);
        QTest::keyClick(f.PitchSld, Qt::Key_PageUp);
        klicke(f, "TranskrWortOpt");
        klicke(f, "TranskrSatzOpt");
        ASSERT_EQ(ausgabe(), (QStringList{"2", "100", "26", "80"})) << name;

        schliesse(f);
        EXPECT_FALSE(f.isVisible()) << name;
        EXPECT_EQ(ausgabe(), (QStringList{"1", "60", "10", "150"})) << name;
        EXPECT_EQ(regler(f), geladen) << name;
        EXPECT_TRUE(f.TranskrWortOpt->isChecked()) << name;
        EXPECT_FALSE(f.TranskrSatzOpt->isChecked()) << name;
        EXPECT_FALSE(glob.sprachIniGeaendert) << name;
        EXPECT_EQ(glob.sprache.Modus, 1) << name;
        EXPECT_EQ(glob.sprache.Stimmlage, 10) << name;
    }
}

TEST_F(Sprachdialog, OkMerktDieWerteAuchOhneAenderung) {
    SprAusgEinstFrm& f = oeffne("[TextToSpeech]\nModus=2\nLautstärke=60\nGeschwindigkeit=150\n"
                                "Stimmlage=40\n");
    klicke(f, "okButton");
    EXPECT_TRUE(glob.sprachIniGeaendert);
    EXPECT_EQ(glob.sprache.Modus, 2);

    glob.sprachIniGeaendert = false;
    d.anzeige.zeige(f);
    QTest::keyClick(f.StimmenLst, Qt::Key_Up);
    QTest::keyClick(f.PitchSld, Qt::Key_Right);
    klicke(f, "TranskrSatzOpt");
    klicke(f, "okButton");
    EXPECT_TRUE(glob.sprachIniGeaendert);
    EXPECT_EQ(glob.sprache.Modus, 1);
    EXPECT_EQ(glob.sprache.Stimmlage, 41);
    EXPECT_EQ(glob.sprache.Lautstaerke, 60);
    EXPECT_EQ(glob.sprache.Geschwindigkeit, 150);
    EXPECT_TRUE(glob.sprache.TranskripteSaetze);
}

// Ein bloßes OK schreibt zurück, was gelesen wurde, auch eine Stimme, die es nicht gibt; eine
// Änderung gilt, wie sie zu sehen ist.
TEST_F(Sprachdialog, OkOhneAenderungLaesstDieGelesenenWerte) {
    SprAusgEinstFrm& f = oeffne("[TextToSpeech]\nModus=99\nLautstärke=60\n");
    EXPECT_EQ(f.StimmenLst->currentIndex(), -1) << "keine Stimme gewählt";
    klicke(f, "okButton");
    EXPECT_EQ(glob.sprache.Modus, 99);
    EXPECT_EQ(glob.sprache.Lautstaerke, 60);
    d.anzeige.zeige(f);
    f.StimmenLst->setCurrentIndex(0);
    klicke(f, "okButton");
    EXPECT_EQ(glob.sprache.Modus, 1);
}

// "testen" spricht den Text mit der gewählten Stimme, auch wenn die Ausgabe anders stand.
TEST_F(Sprachdialog, TestenSprichtMitDerGewaehltenStimme) {
    SprAusgEinstFrm& f = oeffne("[TextToSpeech]\nModus=2\n");
    d.sprache.setzeStimme(1);
    f.TestText->selectAll();
    QTest::keyClicks(f.TestText, "Fahrrad");
    klicke(f, "testBtn");
    EXPECT_EQ(d.sprache.gesprochen, QStringList{"Fahrrad"});
    EXPECT_EQ(d.sprache.stimme(), 2);
}

namespace {

// Das Hauptfenster mit einer kleinen Wortdatenbank; alle Klänge haben eine Datei.
struct Hauptfenster : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    MitSchriften schriften;
    std::unique_ptr<VarkuForm> form;

    Hauptfenster() {
        ordner.schreibe("Varku.tsp", ">>> Seite,-\nTiere,KAT1\n");
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{1, "Igel", "der", 30, true, true, false, "Der @ schläft.", ""}});
        QDir().mkpath(ordner.pfad("User"));
    }
    ~Hauptfenster() override {
        form.reset();
        entladeAlleFenster();
        initSoundTabelle();
        setzeTonSchalter({});
    }

    void starte(const QByteArray& varku, const QByteArray& weitere = {}) {
        QByteArray klaenge = "[Sound]\n";
        initSoundTabelle();
        for (const SoundEintrag& e : SoundTabelle)
            klaenge += e.name.toUtf8() + "=k" + QByteArray::number(klaenge.count('\n')) + "\n";
        ordner.schreibe("Varku.ini", "[Varku]\n" + varku + weitere + klaenge);
        form = std::make_unique<VarkuForm>();
        d.anzeige.zeige(*form);
    }

    // die Klänge aller Ereignisse, wie sie ans Gerät gingen
    QStringList spieleAlle() {
        d.sound.befehle.clear();
        for (const SoundEintrag& e : SoundTabelle)
            spieleSound(e.name);
        return d.sound.befehle;
    }

    void einstellungen(std::function<void(EinstellFrm&)> skript) {
        d.anzeige.dann([skript](QWidget& w) { skript(static_cast<EinstellFrm&>(w)); });
        form->mnuEinstellungen->trigger();
    }

    void waehleSchwerpunkt() {
        d.anzeige.dann([](QWidget& w) {
            auto& f = static_cast<UebschwForm&>(w);
            QListWidget* l = f.RuvoList[0];
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                              l->visualItemRect(l->item(0)).center());
            klicke(w, "okButton");
        });
        form->mnuUebung->trigger();
    }

    void traegeGastEin() {
        for (int k = 0; k < 8; ++k)
            d.zufall.gibZahlen(65, 90, {65});
        d.anzeige.dann([](QWidget& w) {
            auto& f = static_cast<SpielerListeFrm&>(w);
            f.UserList->showPopup();
            QTest::keyClick(f.UserList->view(), Qt::Key_Return);
            klicke(w, "addSpBtn");
            klicke(w, "okBtn");
        });
        form->mnuSpielerliste->trigger();
    }

    QStringList farben() const {
        QStringList f;
        for (const Ziffernanzeige* z : form->zaehler)
            f << z->farbe().name();
        return f;
    }
};

} // namespace

// Der Ton hört auf die Einstellung, nicht auf den Haken: solange der Dialog offen ist, ändert der
// Haken nichts, Abbrechen setzt ihn zurück, erst OK schaltet jeden Klang ab.
TEST_F(Hauptfenster, TonAusSchweigtBeiJedemEreignis) {
    starte("TonEinschalten=1\nAutoDialog=0\n");
    ASSERT_EQ(spieleAlle().size(), 15);

    QStringList offenGespielt;
    einstellungen([&](EinstellFrm& f) {
        klicke(f, "TonEinOpt");
        offenGespielt = spieleAlle();
        klicke(f, "abbrBtn");
    });
    EXPECT_EQ(offenGespielt.size(), 15) << "der Haken allein ist noch keine Einstellung";
    EXPECT_TRUE(EinstellFrm::geladen()->TonEinOpt->isChecked()) << "Abbrechen setzt ihn zurück";
    EXPECT_EQ(spieleAlle().size(), 15);

    einstellungen([](EinstellFrm& f) {
        klicke(f, "TonEinOpt");
        klicke(f, "okButton");
    });
    EXPECT_FALSE(form->glob.einst.TonEinschalten);
    EXPECT_EQ(spieleAlle(), QStringList{});
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
}

// OK ohne Änderung: [Varku] wird am Ende neu geschrieben, mit der ganzzahligen Größe und
// allen Schlüsseln; ohne OK bleibt die Datei, wie sie war.
TEST_F(Hauptfenster, OkOhneAenderungSchreibtVarkuAmEnde) {
    for (bool ok : {false, true}) {
        form.reset();
        entladeAlleFenster();
        starte("TextFontName=Andika\nTextFontGröße=10.5\nEinstellungenSpeichern=1\n"
               "AutoDialog=0\n");
        const QByteArray vorher = ordner.lies("Varku.ini");
        if (ok)
            einstellungen([](EinstellFrm& f) { klicke(f, "okButton"); });
        else
            einstellungen([](EinstellFrm& f) { klicke(f, "abbrBtn"); });
        EXPECT_EQ(form->glob.varkuIniGeaendert, ok);
        d.anzeige.dannKlicke("jaBtn");
        form->mnuEnde->trigger();
        const QByteArray nachher = ordner.lies("Varku.ini");
        if (!ok) {
            EXPECT_EQ(nachher, vorher);
            continue;
        }
        // ein bloßes OK schreibt die Größe zurück, wie sie gelesen wurde
        EXPECT_TRUE(nachher.startsWith("[Varku]\nTextFontName=Andika\nTextFontGröße=10.5\n"
                                       "TextFontFett=0\nTextFontKursiv=0\nNachschreiben=0\n"))
            << nachher.constData();
        EXPECT_TRUE(nachher.contains("AutoDialog=0\n \n[Sound]\n")) << nachher.constData();
    }
}

// Ohne Spieler stellt die Sprachausgabe nur Stimme und Lampe ein; Anzeige der Übungsform,
// Drucken und Tasten bleiben. Mit Schwerpunkt und Spieler gilt alles, sofort nach OK.
TEST_F(Hauptfenster, SprachausgabeOhneUndMitSpielern) {
    starte("Nachschreiben=0\nTextToSpeech=1\nBeispielSatz=0\nAutoDialog=0\n",
           "[TextToSpeech]\nModus=2\nLautstärke=60\nGeschwindigkeit=150\nStimmlage=40\n");
    EXPECT_EQ(d.sprache.befehle.mid(0, 4),
              (QStringList{"Stimme 2", "Lautstärke 60", "Stimmlage 40", "Geschwindigkeit 150"}));
    EXPECT_EQ(form->lampenZustand(0), Lampenzustand::Aus);
    const QStringList farbenVorher = farben();

    d.sprache.befehle.clear();
    einstellungen([](EinstellFrm& f) {
        klicke(f, "BspSatzOpt");
        klicke(f, "NachschrOpt");
        klicke(f, "okButton");
    });
    EXPECT_EQ(d.sprache.befehle,
              (QStringList{"Stimme 2", "Lautstärke 60", "Stimmlage 40", "Geschwindigkeit 150"}));
    EXPECT_EQ(form->lampenZustand(0), Lampenzustand::Rot);
    EXPECT_EQ(farben(), farbenVorher);
    EXPECT_FALSE(form->mnuDrucken->isEnabled());
    EXPECT_FALSE(form->zeigenTaste->isEnabled());
    EXPECT_FALSE(form->diktierTaste->isEnabled());
    EXPECT_FALSE(form->DirSp->isVisible());

    // zurück zum Diktat, dann Schwerpunkt und Spieler: die Sprachausgabe zeigt sich
    einstellungen([](EinstellFrm& f) {
        klicke(f, "DiktOpt");
        klicke(f, "okButton");
    });
    waehleSchwerpunkt();
    traegeGastEin();
    EXPECT_TRUE(form->mnuDrucken->isEnabled());
    EXPECT_TRUE(form->DirSp->isVisible());
    EXPECT_TRUE(d.sprache.sichtbar());
    EXPECT_TRUE(form->diktierTaste->isEnabled());
    EXPECT_EQ(form->zaehler[2]->farbe(), QColor(0x80, 0x80, 0x80)) << "Diktat: Lesezeit grau";

    einstellungen([](EinstellFrm& f) {
        klicke(f, "NachschrOpt");
        klicke(f, "okButton");
    });
    EXPECT_FALSE(form->DirSp->isVisible());
    EXPECT_FALSE(d.sprache.sichtbar());
    EXPECT_TRUE(form->zeigenTaste->isEnabled());
    EXPECT_FALSE(form->diktierTaste->isEnabled());
    EXPECT_EQ(form->zaehler[2]->farbe(), QColor(255, 255, 0));
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
}

// Nach dem Dialog: eine andere Größe gilt sofort im Hauptfenster; beim Diktat ohne
// Sprachausgabe fehlt hier die Aufnahme, und das wird gesagt.
TEST_F(Hauptfenster, NachDemDialogSchriftUndAufnahme) {
    starte("TextFontName=Andika\nTextFontGröße=20\nNachschreiben=0\nTextToSpeech=1\n"
           "AutoDialog=0\n");
    waehleSchwerpunkt();
    traegeGastEin();
    ASSERT_EQ(form->uebung.wortDb.Wort, "Igel");
    EXPECT_EQ(form->wortSchrift().pointSize(), 20);
    d.anzeige.dann([](QWidget& w) {
        auto& f = static_cast<EinstellFrm&>(w);
        QTest::keyClick(f.SchriftGrUpDn, Qt::Key_Up);
        klicke(f, "SynthOpt");
        klicke(f, "okButton");
    });
    d.anzeige.dann([](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Fehler");
        EXPECT_EQ(static_cast<MldFenster&>(w).Meldung->text(),
                  "Für das ausgewählte Übungswort liegt\nkeine Sprachaufnahme vor.");
        klicke(w, "Btn1");
    });
    form->mnuEinstellungen->trigger();
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
    EXPECT_EQ(form->wortSchrift().pointSize(), 21);
    EXPECT_FALSE(form->DirSp->isVisible());
}

// Eine Aufnahme muss genau auf ".WAV" enden.
TEST_F(Hauptfenster, AufnahmeMitKleinemWav) {
    starte("AutoDialog=0\n");
    QDir().mkpath(ordner.pfad("Sprache"));
    ordner.schreibe("Sprache/Igel.wav", "RIFF");
    ordner.schreibe("Sprache/Baum.WAV", "RIFF");
    struct Fall {
        const char* name;
        const char* meldung; // leer: gespielt
    };
    const Fall faelle[] = {
        {"Igel", "Datei Igel.WAV nicht gefunden."},
        {"Baum", ""},
        {"baum", "Datei baum.WAV nicht gefunden."},
        {"", "Für dieses Wort ist keine\nSprachausgabe verfügbar."},
    };
    for (const Fall& f : faelle) {
        d.sound.befehle.clear();
        QString gemeldet;
        if (*f.meldung)
            d.anzeige.dann([&](QWidget& w) {
                auto& m = static_cast<MldFenster&>(w);
                gemeldet = m.Meldung->text();
                EXPECT_EQ(m.windowTitle(), "Info");
                klicke(w, "Btn1");
            });
        form->spieleWortDatei(QString::fromUtf8(f.name));
        EXPECT_EQ(gemeldet, QString::fromUtf8(f.meldung)) << f.name;
        if (*f.meldung)
            EXPECT_TRUE(d.sound.befehle.isEmpty()) << f.name;
        else
            EXPECT_EQ(d.sound.befehle, QStringList{"spiele " + ordner.pfad("Sprache/Baum.WAV")});
    }
}

// Das Menü zeigt den Sprachdialog; Abbrechen lässt die Ausgabe, wie die Einstellungen sie
// wollen.
TEST_F(Hauptfenster, SprachdialogAusDemMenue) {
    starte("AutoDialog=0\n", "[TextToSpeech]\nModus=1\nLautstärke=60\n");
    d.anzeige.dann([](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Synthetische Sprachausgabe");
        auto& f = static_cast<SprAusgEinstFrm&>(w);
        QTest::keyClick(f.StimmenLst, Qt::Key_Down);
        klicke(w, "abbrBtn");
    });
    form->mnuSprachAusgEinst->trigger();
    EXPECT_EQ(d.anzeige.protokoll.last(), "modal:SprAusgEinstFrm");
    EXPECT_EQ(d.sprache.stimme(), 1);
    EXPECT_EQ(d.sprache.lautstaerke(), 60);
    EXPECT_EQ(d.sprache.geschwindigkeit(), 175) << "ohne Schlüssel: wie die Ausgabe von sich aus";
    EXPECT_FALSE(form->glob.sprachIniGeaendert);
}

// Tab geht von links oben nach rechts unten, zuletzt zu den Knöpfen, und in einer Gruppe von
// Optionen nur auf die gewählte.
TEST_F(Einstellungsdialog, TabVonLinksObenNachRechtsUnten) {
    glob.einst.Nachschreiben = false;
    glob.einst.TextToSpeech = true;
    glob.einst.Schwierigkeitsgrad = 1;
    EinstellFrm& f = oeffne();
    f.activateWindow();
    (void)QTest::qWaitForWindowActive(&f);
    QStringList reihe;
    for (int i = 0; i < 16; ++i) {
        QWidget* w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr) << i;
        // das Textfeld der Größe gehört zu ihrem Drehfeld
        reihe << (w->objectName() == "Schriftgrad" ? QString("SchriftGrUpDn") : w->objectName());
        QTest::keyClick(w, Qt::Key_Tab);
    }
    EXPECT_EQ(reihe, QStringList({"FontNameCBox", "SchriftGrUpDn", "fettSchriftChk",
                                  "kursivSchriftChk", "DiktOpt", "SynthOpt", "SynthSatzOpt",
                                  "LupeOpt", "SchwGr1", "AutoStartOpt", "TonEinOpt", "EinstSaveOpt",
                                  "BspSatzOpt", "okButton", "abbrBtn", "FontNameCBox"}));
}
