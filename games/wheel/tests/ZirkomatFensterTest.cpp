// Das Radspiel durch seine Knöpfe und Tasten, mit der gestellten Uhr.
#include "foundation/Anzeigen.h"
#include "foundation/MldFenster.h"
#include "foundation/Sound.h"
#include "foundation/Twips.h"
#include "foundation/Zeigerinstrument.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "gamekit/Spielstart.h"
#include "games/wheel/CompZugFrm.h"
#include "games/wheel/EinstellFrm.h"
#include "games/wheel/MainFrm.h"
#include "platform/Fensterablage.h"
#include "platform/testing/TestDienste.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::zirkomat;
using namespace varku::test;

namespace {

int feldMit(int wert) {
    return int(std::find(RadWerte.begin(), RadWerte.end(), wert) - RadWerte.begin());
}

struct Zirkomat : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    std::unique_ptr<MainFrm> f;

    Zirkomat() {
        ordner.schreibe("Varku.tsp", ">>> Seite,-\nTiere,KAT1\n");
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{1, "Igel", "der", 1, true, true, false, "Der @ schläft.", ""},
                      {2, "Straße", "die", 1, true, true, false, "Die @ ist nass.", ""},
                      {3, "Fahrradschlauch", "der", 1, true, true, false, "", ""},
                      {4, "Café", "das", 1, true, true, false, "", ""}});
        QDir().mkpath(ordner.pfad("User"));
    }
    ~Zirkomat() override {
        f.reset();
        entladeAlleFenster();
        initSoundTabelle();
    }
    void starte(const QByteArray& einstellungen, int spieler = 2) {
        ordner.schreibe("Varku.ini", "[Zirkomat]\n" + einstellungen +
                                         "\n[Spiele]\nMaximaleSpielDauer=30\n"
                                         "[Sound]\nAnnahme1=Ja\nLeichterFehler=Oh\n");
        ladeSoundIni();
        const QString zeile = spieler == 1
                                  ? "\"Version=4;RuvoFeldName=KAT1;nSpieler=1;Anna;ABCDEFGH;\""
                                  : "\"Version=4;RuvoFeldName=KAT1;nSpieler=2;Anna;Ben;ABCDEFGH;"
                                    "IJKLMNOP;\"";
        const Startpruefung p = pruefeStart(zeile, MainFrm::konfiguration());
        ASSERT_TRUE(p.angenommen);
        f = std::make_unique<MainFrm>(MainFrm::konfiguration(), p.daten);
        d.anzeige.zeige(*f);
    }
    void wort(const QString& w) {
        f->woerter.Wort = w;
        f->spiel.neuesWort(w);
        f->zeigeRaetsel();
    }
    // drehen, dann auf dem Feld mit diesem Wert anhalten
    void dreheAuf(int wert) {
        klicke(*f, "drehenBtn");
        d.uhr.vorstellen(90);
        f->spiel.radPos = feldMit(wert);
        klicke(*f, "anhaltenBtn");
    }
    int sichtbareKaesten() const {
        int n = 0;
        for (QLabel* l : f->BstLbl)
            n += l->isVisible() ? 1 : 0;
        return n;
    }
};

} // namespace

TEST_F(Zirkomat, StartMitDemErstenSpieler) {
    starte("RatezeitBegrenzen=1\nFehlversucheMaximum=5");
    EXPECT_EQ(f->windowTitle(), "Varku - Zirkomat");
    EXPECT_EQ(f->SpNameLbl->text(), "Anna");
    EXPECT_EQ(f->punkZiff->text(), "000000");
    EXPECT_TRUE(f->drehenBtn->isEnabled());
    for (QPushButton* b :
         {f->anhaltenBtn, f->WortRatenBtn, f->BstKaufBtn, f->showSatzBtn, f->bstBtn[0]})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_EQ(f->vuRestZeitImage->blatt(), Zeigerinstrument::Blatt::RatezeitAn);
    EXPECT_EQ(f->RestZeitStand->height(), px(Spielzeitbalken::startHoehe));
    EXPECT_EQ(sichtbareKaesten(), 4) << "Igel";
    EXPECT_EQ(f->UebTitelLabel->text(), "Tiere");
}

// Jede Stellung des Rades zeigt ihr eigenes Bild, auch die, deren Bilder erst nach dem Fenster
// geladen werden, und immer nur eines.
TEST_F(Zirkomat, RadZeigtJedeStellung) {
    const auto farbe = [](int stellung) { return QColor::fromHsv(stellung * 36, 200, 220); };
    QDir().mkpath(ordner.pfad("Grafik"));
    for (int i = 0; i < 10; ++i) {
        QImage bild(12, 12, QImage::Format_ARGB32);
        bild.fill(farbe(i));
        ASSERT_TRUE(bild.save(ordner.pfad(QString("Grafik/ZIRK%1.png").arg(i))));
    }
    starte("");
    klicke(*f, "drehenBtn");
    for (int schritt = 0; schritt < 12; ++schritt) {
        int sichtbar = 0;
        for (int i = 0; i < 10; ++i) {
            if (!f->RadImg[size_t(i)]->isVisibleTo(f.get()))
                continue;
            ++sichtbar;
            EXPECT_EQ(i, f->spiel.radPos) << schritt;
            const QPixmap bild = f->RadImg[size_t(i)]->pixmap();
            ASSERT_FALSE(bild.isNull()) << "Stellung " << i;
            EXPECT_EQ(bild.toImage().pixel(5, 5), farbe(i).rgb()) << "Stellung " << i;
        }
        EXPECT_EQ(sichtbar, 1) << schritt;
        d.uhr.vorstellen(30);
    }
}

TEST_F(Zirkomat, KaestenFuerJedesWort) {
    starte("");
    struct Fall {
        QString wort;
        int kaesten;
    };
    for (const Fall& w :
         {Fall{QString::fromUtf8("Straße"), 6}, Fall{"Fahrradschlauch", 15}, Fall{"Ei", 2}}) {
        wort(w.wort);
        EXPECT_EQ(sichtbareKaesten(), w.kaesten) << w.wort.toStdString();
    }
    // Wörter mit Zeichen außerhalb der Tasten kommen nicht ins Spiel
    EXPECT_FALSE(istSpielbar(QString::fromUtf8("Café")));
}

// Drehen, anhalten, ein richtiger Buchstabe mit der Taste, ein falscher mit der Tastatur.
TEST_F(Zirkomat, EinZugDurchKnoepfeUndTasten) {
    starte("FehlversucheMaximum=5\nTonEinschalten=1");
    wort("Igel");
    dreheAuf(80);
    EXPECT_TRUE(f->bstBtn[0]->isEnabled());
    EXPECT_FALSE(f->BstKaufBtn->isEnabled()) << "0 Punkte reichen nicht für 80";
    klicke(*f, "bstBtn8"); // I
    EXPECT_EQ(f->runde.SpielerPunkte[0], 80);
    EXPECT_EQ(f->SpNameLbl->text(), "Ben") << "ein richtiger Buchstabe gibt weiter";
    EXPECT_TRUE(f->kastenAufgedeckt(0));
    EXPECT_TRUE(f->drehenBtn->isEnabled());
    EXPECT_FALSE(f->bstBtn[0]->isEnabled());
    // Ben tippt auf der Tastatur: "x" ist falsch, eine Ziffer tut nichts
    dreheAuf(20);
    QTest::keyClick(f.get(), Qt::Key_5);
    EXPECT_EQ(f->spiel.phase, Radspiel::Phase::Einsatz);
    QTest::keyClicks(f.get(), "x");
    EXPECT_EQ(f->SpNameLbl->text(), "Ben") << "ein falscher Buchstabe: derselbe dreht";
    EXPECT_TRUE(d.sound.befehle.last().endsWith("Oh.WAV"));
    // "g" in klein zählt als "G"
    dreheAuf(10);
    QTest::keyClicks(f.get(), "g");
    EXPECT_EQ(f->runde.SpielerPunkte[1], 10);
    EXPECT_EQ(f->SpNameLbl->text(), "Anna");
}

TEST_F(Zirkomat, KaufenUndSatzUndWortRaten) {
    starte("FehlversucheMaximum=5");
    wort("Igel");
    f->runde.SpielerPunkte[0] = 100;
    dreheAuf(20);
    ASSERT_TRUE(f->BstKaufBtn->isEnabled());
    klicke(*f, "BstKaufBtn");
    EXPECT_TRUE(f->kastenAufgedeckt(0));
    EXPECT_EQ(f->runde.SpielerPunkte[0], 80);
    EXPECT_EQ(f->SpNameLbl->text(), "Anna") << "wer kauft, dreht wieder";
    dreheAuf(20);
    klicke(*f, "showSatzBtn");
    EXPECT_EQ(f->SatzBspLbl->text(), "Der ____ schläft.");
    EXPECT_FALSE(f->UebTitelLabel->isVisible());
    EXPECT_EQ(f->runde.SpielerPunkte[0], 60);
    dreheAuf(40);
    EXPECT_TRUE(f->SatzBspLbl->text().isEmpty()) << "das Drehen versteckt den Satz";
    klicke(*f, "WortRatenBtn");
    EXPECT_EQ(f->WortRatenLampe->zustand(), Lampenzustand::Gruen);
    QTest::keyClicks(f.get(), "gel");
    EXPECT_EQ(f->runde.SpielerPunkte[0], 60 + 3 * 40);
    EXPECT_EQ(f->SpNameLbl->text(), "Ben") << "das fertige Wort gibt weiter";
    EXPECT_EQ(f->WortRatenLampe->zustand(), Lampenzustand::Rot);
    EXPECT_GE(d.uhr.geschlafenMs, 2000) << "das fertige Wort bleibt stehen (warte 3)";
}

// Die Ratezeit läuft mitten im Wortraten ab: der Zug endet, dann dreht der nächste.
TEST_F(Zirkomat, RatezeitImWortraten) {
    starte("RatezeitBegrenzen=1\nFehlversucheMaximum=5");
    wort("Igel");
    dreheAuf(40);
    klicke(*f, "WortRatenBtn");
    d.anzeige.dannKlicke("Btn1");
    d.uhr.vorstellen(100000);
    EXPECT_EQ(f->SpNameLbl->text(), "Ben");
    EXPECT_FALSE(f->spiel.WortRatenModus);
    EXPECT_EQ(f->spiel.phase, Radspiel::Phase::Drehen);
    EXPECT_TRUE(f->drehenBtn->isEnabled());
    EXPECT_FALSE(f->bstBtn[0]->isEnabled());
    EXPECT_EQ(f->WortRatenLampe->zustand(), Lampenzustand::Rot);
    EXPECT_EQ(f->runde.SpielerPunkte[0], 0) << "keine Strafe für die abgelaufene Zeit";
}

TEST_F(Zirkomat, EinstellungenFarbenUndAbbrechen) {
    starte("LösungswortFarbig=0\nFehlversucheMaximum=3");
    wort("Igel");
    dreheAuf(10);
    klicke(*f, "bstBtn8");
    ASSERT_TRUE(f->kastenAufgedeckt(0));
    EinstellFrm& e = f->einstellungen();
    EXPECT_TRUE(e.BstRahmEin->isChecked()) << "weiße Kästen haben immer einen Rahmen";
    EXPECT_FALSE(e.BstRahmEin->isEnabled());
    d.anzeige.dann([](QWidget& w) {
        auto& e = static_cast<EinstellFrm&>(w);
        e.LoesWortFarbe->click();
        EXPECT_TRUE(e.BstRahmEin->isEnabled());
        klicke(w, "okBtn");
    });
    f->mnuBearbEinstell->trigger();
    EXPECT_TRUE(f->einst.LoesWortFarbig);
    EXPECT_TRUE(f->kastenAufgedeckt(0)) << "Aufgedecktes bleibt aufgedeckt";
    EXPECT_FALSE(f->kastenAufgedeckt(1));
    // abbrechen lässt alles, wie es war
    d.anzeige.dann([](QWidget& w) {
        auto& e = static_cast<EinstellFrm&>(w);
        e.nFehlVersuche->setValue(9);
        e.TonEin->setChecked(true);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    f->mnuBearbEinstell->trigger();
    EXPECT_EQ(f->einst.FehlversucheMaximum, 3);
    EXPECT_EQ(e.nFehlVersuche->value(), 3);
    EXPECT_FALSE(e.TonEin->isChecked());
}

// Der Computer: Feld 0 schließt sein Fenster gleich, der starke holt sich auf 20 mit vier
// verdeckten Buchstaben 80 Punkte.
TEST_F(Zirkomat, ZuegeDesComputers) {
    starte("GegenComputer=1\nComputerSpielStärke=0\nFehlversucheMaximum=5", 1);
    d.anzeige.dannKlicke("okBtn");
    f->mnuBearbEinstell->trigger();
    ASSERT_EQ(f->runde.nSpieler, 2);
    ASSERT_EQ(f->runde.SpielerName[1], "Computer");

    struct Fall {
        int feld;
        long punkte;
        int tropfen;
    };
    for (const Fall& c : {Fall{0, 0, 0}, Fall{20, 80, 4}}) {
        wort("Igel");
        f->runde.aktSpieler = 0;
        d.sound.befehle.clear();
        bool aus = false;
        d.anzeige.dann([&](QWidget& w) {
            EXPECT_EQ(w.objectName(), "CompZugFrm");
            EXPECT_FALSE(f->mnuDateiNeu->isEnabled()) << "die Menüs ruhen, solange er zieht";
            f->zirkTimer->setzeIntervall(1000000); // das Rad bleibt, wo der Test es will
            f->spiel.radPos = feldMit(c.feld);
            d.uhr.vorstellen(3000);
            aus = !w.isVisible();
        });
        f->naechsterSpieler();
        EXPECT_TRUE(aus) << c.feld << ": das Fenster hat sich geschlossen";
        EXPECT_EQ(f->runde.SpielerPunkte[1], c.punkte) << c.feld;
        EXPECT_EQ(d.sound.befehle.filter("TROPFEN").size(), c.tropfen) << c.feld;
        EXPECT_EQ(f->runde.aktSpieler, 0) << "danach ist Anna dran";
        EXPECT_TRUE(f->mnuDateiNeu->isEnabled());
        f->zirkTimer->setzeIntervall(30);
        f->runde.SpielerPunkte[1] = 0;
    }
}
