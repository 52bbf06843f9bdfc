#include "foundation/DateiInfoFrm.h"
#include "foundation/Global.h"
#include "foundation/MldFenster.h"
#include "foundation/Sound.h"
#include "foundation/Textkodierung.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestSchwerpunkte.h"
#include "foundation/testing/TestWortDb.h"
#include "frame/UebschwForm.h"
#include "frame/Uebung.h"
#include "platform/Dienste.h"
#include "platform/Laufzeitfehler.h"
#include "platform/testing/TestDienste.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

using namespace varku;
using namespace varku::test;

namespace {

// ein GIF aus einem Bildpunkt der Farbe rgb
QByteArray gif(uint32_t rgb) {
    QByteArray b("GIF89a\x01\x00\x01\x00\x80\x00\x00", 13);
    b += char(rgb >> 16);
    b += char(rgb >> 8);
    b += char(rgb);
    b += QByteArray("\0\0\0,\0\0\0\0\x01\0\x01\0\0\x02\x02\x44\x01\0;", 19);
    return b;
}

constexpr uint32_t rot = 0xff0000, blau = 0x0000ff;

} // namespace

namespace {

struct Schwerpunktdialog : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    GlobModul glob;
    Uebung u{glob};
    Schwerpunktdialog() {
        ordner.schreibe("Varku.tsp", alsDatei(testZeilen));
        ordner.schreibe("Grafik/BST_KAT.gif", gif(rot));
        ordner.schreibe("Grafik/bst_null.GIF", gif(blau)); // Schreibung egal
        ordner.schreibe("Varku.ini", "[Sound]\nProgrammMeldung=Meldung\n");
        ladeSoundIni();
        setzeTonSchalter([] { return true; });
        // KAT1: 1, 3, 4 (Grundwortschatz 1, 3); KAT2: 2, 3 (Grundwortschatz 3)
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {
                         {1, "Igel", "der", 1, true, true, false, "", ""},
                         {2, "Tiger", "der", 1, false, false, true, "", ""},
                         {3, "Hund", "der", 1, true, true, true, "", ""},
                         {4, "Kino", "das", 1, false, true, false, "", ""},
                     },
                     {}, {}, {"AB"});
        u.wortDb.oeffneWortDatenbank(ordner.pfad("Varku-D.sqlite"));
        QDir().mkpath(ordner.pfad("User"));
        u.gruppe.setzeUserPfad(ordner.pfad("User"));
    }
    ~Schwerpunktdialog() override {
        UebschwForm::entlade();
        MldFenster::entlade();
        DateiInfoFrm::entlade();
        setzeTonSchalter({});
        initSoundTabelle();
        UebNr = 0;
    }
    UebschwForm& zeige() {
        UebschwForm& f = UebschwForm::instanz(u);
        d.anzeige.zeige(f);
        return f;
    }
    // wie ein Kind: die Seite anklicken, sonst mit den Pfeiltasten hinblättern
    static void oeffneSeite(UebschwForm& f, int seite) {
        QTabBar* leiste = f.UebSchwTabStr->tabBar();
        if (leiste->rect().contains(leiste->tabRect(seite))) {
            QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->tabRect(seite).center());
            return;
        }
        while (leiste->currentIndex() < seite)
            QTest::keyClick(leiste, Qt::Key_Right);
        while (leiste->currentIndex() > seite)
            QTest::keyClick(leiste, Qt::Key_Left);
    }
    static void waehle(UebschwForm& f, int seite, int zeile) {
        oeffneSeite(f, seite);
        QListWidget* l = f.RuvoList[size_t(seite)];
        ASSERT_TRUE(l->isVisible());
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(zeile)).center());
    }
    static QString status(UebschwForm& f) { return f.UebSchwStatPanel1->text(); }
    // Farbe des gezeigten Bildes, 0 ohne Bild
    static uint32_t bildfarbe(UebschwForm& f) {
        const QPixmap p = f.BausteinVorschau->pixmap();
        return p.isNull() ? 0 : p.toImage().pixel(0, 0) & 0xffffff;
    }
};

} // namespace

TEST_F(Schwerpunktdialog, AnfangOhneSchwerpunkt) {
    UebschwForm& f = zeige();
    EXPECT_EQ(f.windowTitle(), "VARKU - Übungsschwerpunkt");
    EXPECT_EQ(f.UebSchwFrame->title(), "Übungsschwerpunkt");
    EXPECT_EQ(f.GwsFrame->title(), "Wortauswahl");
    const QStringList titel = {"Lauttreue Wörter",
                               "Häufige spez. Grapheme",
                               "Seltene spez. Grapheme",
                               "Häufige spez. Verbindungen",
                               "Seltene spez. Verbindungen",
                               "Langes „i“",
                               "Lange Vokale ohne langes „i“",
                               "Kurzvokale",
                               "Wortbausteine",
                               "Konsonant. Ableitung",
                               "Vokalische Ableitung",
                               "Großschreibung"};
    ASSERT_EQ(f.UebSchwTabStr->count(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(f.UebSchwTabStr->tabText(i), titel[i]);
        EXPECT_EQ(f.UebSchwTabStr->widget(i), f.RuvoList[size_t(i)]);
        EXPECT_EQ(f.RuvoList[size_t(i)]->objectName(), QStringLiteral("RuvoList%1").arg(i));
    }
    EXPECT_EQ(f.RuvoList[1]->item(1)->text(), "Komma, im Titel");
    EXPECT_EQ(f.RuvoList[11]->item(0)->text(), "Nomen für Dinge");
    EXPECT_EQ(u.RuvoCodes[5], "AB");
    EXPECT_EQ(u.RuvoCodes[6], "KAT1");
    EXPECT_EQ(u.RuvoCodes[7], "");
    EXPECT_EQ(f.nurGws->text(), "&Grundwortschatz");
    EXPECT_EQ(f.ohneGws->text(), "&alle Wörter");
    EXPECT_TRUE(f.ohneGws->isChecked());
    EXPECT_FALSE(f.nurGws->isChecked());
    EXPECT_EQ(status(f), "kein Übungsschwerpunkt");
    EXPECT_EQ(bildfarbe(f), blau);
    EXPECT_EQ(f.findChildren<QPushButton*>(), QList<QPushButton*>{f.okButton}) << "kein Abbruch";
    EXPECT_EQ(f.okButton->text(), "&OK");
}

TEST_F(Schwerpunktdialog, WahlGiltSofort) {
    struct Fall {
        int seite, zeile;
        int uebNr;
        const char* code;
        const char* titel;
        uint32_t farbe;
    };
    const Fall faelle[] = {
        {2, 0, 5, "KAT2", "Dritte Kategorie [mit Zusatz]", rot},
        {2, 1, 6, "AB", "Kurz", 0}, // BST_AB.gif fehlt: kein Bild, kein Abbruch
        {0, 1, 2, "KAT2", "Tiger", rot},
        {1, 0, 3, "KAT2", "Schmetterling", rot},
        {11, 0, 7, "KAT1", "Nomen für Dinge", rot}, // leere Seiten zählen nichts
    };
    UebschwForm& f = zeige();
    for (const Fall& c : faelle) {
        waehle(f, c.seite, c.zeile);
        EXPECT_EQ(UebNr, c.uebNr) << c.titel;
        EXPECT_EQ(u.RuvoFeldName, c.code) << c.titel;
        EXPECT_EQ(f.gewaehlterTitel, c.titel);
        EXPECT_EQ(status(f), c.titel);
        EXPECT_EQ(bildfarbe(f), c.farbe) << c.titel;
    }
}

TEST_F(Schwerpunktdialog, OkOhneGueltigeWahlFragtNach) {
    UebschwForm& f = zeige();
    int gezeigt = 0;
    QObject::connect(&f, &UebschwForm::zeigeSchwerpunkt, [&] { ++gezeigt; });
    const auto okFragt = [&](const char* name) {
        d.sound.befehle.clear();
        d.anzeige.dann([](QWidget& w) {
            auto& m = static_cast<MldFenster&>(w);
            EXPECT_EQ(m.windowTitle(), "Übungsschwerpunkt fehlt");
            EXPECT_EQ(m.Meldung->text(), "Du musst aus der Liste noch einen\n"
                                         "Übungsschwerpunkt auswählen.");
            EXPECT_FALSE(m.Btn2->isVisible());
            klicke(w, "Btn1");
        });
        klicke(f, "okButton");
        EXPECT_TRUE(d.anzeige.skripteVerbraucht()) << name;
        EXPECT_EQ(d.sound.befehle, QStringList{"spiele " + ordner.pfad("Sound/Meldung.WAV")})
            << name;
        EXPECT_TRUE(f.isVisible()) << name;
        EXPECT_FALSE(u.uebungGewaehlt) << name;
        EXPECT_EQ(gezeigt, 0) << name;
    };
    okFragt("noch nichts gewählt");

    waehle(f, 2, 0);
    ASSERT_EQ(UebNr, 5);
    oeffneSeite(f, 0);
    EXPECT_EQ(UebNr, 0);
    EXPECT_EQ(u.RuvoFeldName, "KAT2") << "die Spalte bleibt";
    EXPECT_TRUE(f.RuvoList[2]->selectedItems().isEmpty());
    EXPECT_EQ(status(f), "kein Übungsschwerpunkt");
    EXPECT_EQ(bildfarbe(f), blau);
    okFragt("Seite gewechselt");

    // derselbe Eintrag lässt sich wieder wählen
    waehle(f, 2, 0);
    EXPECT_EQ(UebNr, 5);
}

TEST_F(Schwerpunktdialog, OkUebernimmtSchwerpunktFuerAlleSpieler) {
    struct Fall {
        bool nurGws;
        int seite, zeile;
        int anzahl;
        const char* gws;
        const char* titel;
        const char* bild;
    };
    const Fall faelle[] = {
        {false, 2, 0, 2, "nein", "Dritte Kategorie ", "Grafik/BST_KAT.gif"},
        {true, 0, 0, 2, "ja", "Igel und Kino ", "Grafik/BST_KAT.gif"},
        {true, 1, 0, 1, "ja", "Schmetterling", "Grafik/BST_KAT.gif"},
    };
    for (int i = 0; i < 2; ++i) {
        for (int k = 0; k < 8; ++k)
            d.zufall.gibZahlen(65, 90, {65 + i});
        u.gruppe.fuegeHinzu("Gast");
    }
    UebschwForm& f = UebschwForm::instanz(u);
    QStringList gezeigt;
    QObject::connect(&f, &UebschwForm::zeigeSchwerpunkt,
                     [&](const QString& titel, const QString& bild) { gezeigt << titel << bild; });
    for (const Fall& c : faelle) {
        auto& liste = u.gruppe.WiederholListe;
        for (int p = 0; p < 3; ++p) {
            liste[0][0][p] = 2;
            liste[1][0][p] = 7;
            liste[1][1][p] = 1;
        }
        u.uebungGewaehlt = false;
        gezeigt.clear();
        d.anzeige.dann([&](QWidget& w) {
            klicke(w, c.nurGws ? "nurGws" : "ohneGws");
            waehle(f, c.seite, c.zeile);
            klicke(w, "okButton");
        });
        dienste::anzeige().zeigeModal(f);
        EXPECT_FALSE(f.isVisible()) << c.titel;
        EXPECT_TRUE(u.uebungGewaehlt) << c.titel;
        EXPECT_EQ(gezeigt, (QStringList{c.titel, ordner.pfad(c.bild)}));
        EXPECT_EQ(u.AnzahlWoerter(), c.anzahl) << c.titel;
        EXPECT_EQ(DateiInfoFrm::instanz().DatInfLbl[1]->text(), c.gws) << c.titel;
        for (int p = 0; p < 2; ++p) {
            EXPECT_EQ(liste[0][0][p], 0) << p;
            for (int i = 1; i <= maxWiederhol; ++i) {
                EXPECT_EQ(liste[i][0][p], -1) << p << "/" << i;
                EXPECT_EQ(liste[i][1][p], 0) << p << "/" << i;
            }
        }
        EXPECT_EQ(liste[0][0][2], 2) << "nur die Spieler, die mitmachen";
    }
}

TEST_F(Schwerpunktdialog, SchliessfeldUndEscTunNichts) {
    UebschwForm& f = zeige();
    waehle(f, 0, 0);
    EXPECT_FALSE(f.close());
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(UebNr, 1);
    EXPECT_FALSE(u.uebungGewaehlt);
}

TEST_F(Schwerpunktdialog, LesefehlerHinterlaesstKeinenHalbenDialog) {
    QFile::remove(ordner.pfad("Varku.tsp"));
    EXPECT_THROW(UebschwForm::instanz(u), Laufzeitfehler);
    ordner.schreibe("Varku.tsp", alsDatei(testZeilen + QStringList{"Fehlt,XYZ9"}));
    EXPECT_THROW(UebschwForm::instanz(u), Laufzeitfehler) << "eine Spalte, die es nicht gibt";
    ordner.schreibe("Varku.tsp", alsDatei(testZeilen));
    EXPECT_EQ(UebschwForm::instanz(u).RuvoList[0]->count(), 2);
}

// Beim Start vorgebaut, noch ohne Wortdatenbank, füllt der Dialog seine Listen schon vorab aus
// der Datei, ohne die Spalten zu prüfen. Geladen wird erst beim ersten Gebrauch: mit offener
// Datenbank, also mit denselben Listen wie ohne Vorbau, auch wenn sich die Datei dazwischen
// geändert hat; eine Spalte, die die Datenbank nicht kennt, meldet auch dann das Lesen.
TEST_F(Schwerpunktdialog, VorgebautLaedtErstBeimErstenGebrauch) {
    const auto listen = [](UebschwForm& f) {
        QStringList l;
        for (QListWidget* liste : f.RuvoList)
            for (int i = 0; i < liste->count(); ++i)
                l << liste->item(i)->text();
        return l;
    };
    const QStringList andereSeite{"\">>> Eine Seite\",-", "Igel und Kino [i lang],KAT1"};
    struct Fall {
        const char* name;
        std::optional<QStringList> vorab; // ohne: die Datei fehlt beim Vorbau
        QStringList zeilen;               // beim Laden
        bool fehler;
    };
    const Fall faelle[] = {
        {"bekannte Spalten", testZeilen, testZeilen, false},
        {"unbekannte Spalte", testZeilen + QStringList{"Neu,XY"},
         testZeilen + QStringList{"Neu,XY"}, true},
        {"Datei danach geändert", testZeilen, andereSeite, false},
        {"eine Kategorie mehr", testZeilen, testZeilen + QStringList{"Noch eine,KAT1"}, false},
        {"ein Titel umbenannt", testZeilen,
         QStringList(testZeilen).replaceInStrings("Tiger", "Löwe"), false},
        {"Datei kommt erst danach", std::nullopt, testZeilen, false},
        {"kaputte Datei vorab", QStringList{"Ohne Seite,KAT1"}, testZeilen, false},
    };
    for (const Fall& f : faelle) {
        ordner.schreibe("Varku.tsp", alsDatei(f.zeilen));
        QStringList ohneVorbau;
        if (f.fehler) {
            EXPECT_THROW(UebschwForm::instanz(u), Laufzeitfehler) << f.name;
        } else {
            ohneVorbau = listen(UebschwForm::instanz(u));
        }
        UebschwForm::entlade();

        if (f.vorab)
            ordner.schreibe("Varku.tsp", alsDatei(*f.vorab));
        else
            QFile::remove(ordner.pfad("Varku.tsp"));
        GlobModul g;
        Uebung vorher{g};
        UebschwForm& vorgebaut = UebschwForm::vorbauen(vorher);
        EXPECT_TRUE(listen(vorgebaut).isEmpty()) << f.name;
        vorgebaut.fuelleVorab();
        EXPECT_FALSE(vorgebaut.listenGeladen()) << f.name;
        const bool lesbar = f.vorab && f.vorab->front().contains(">>>");
        EXPECT_EQ(listen(vorgebaut).isEmpty(), !lesbar) << f.name;
        EXPECT_EQ(bildfarbe(vorgebaut), blau) << f.name;

        ordner.schreibe("Varku.tsp", alsDatei(f.zeilen));
        vorher.wortDb.oeffneWortDatenbank(ordner.pfad("Varku-D.sqlite"));
        if (f.fehler) {
            EXPECT_THROW(UebschwForm::instanz(vorher), Laufzeitfehler) << f.name;
        } else {
            EXPECT_EQ(listen(UebschwForm::instanz(vorher)), ohneVorbau) << f.name;
            EXPECT_TRUE(vorgebaut.listenGeladen()) << f.name;
            EXPECT_EQ(bildfarbe(vorgebaut), blau) << f.name;
        }
        UebschwForm::entlade();
    }
}
