// Das Radspiel durch seine Knöpfe und Tasten, mit der gestellten Uhr.
#include "foundation/Anzeigen.h"
#include "foundation/DateiInfoFrm.h"
#include "foundation/MldFenster.h"
#include "foundation/Sound.h"
#include "foundation/Twips.h"
#include "foundation/Zeigerinstrument.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "foundation/testing/Zugriffstasten.h"
#include "gamekit/Computerfenster.h"
#include "gamekit/Spielstart.h"
#include "games/wheel/EinstellFrm.h"
#include "games/wheel/MainFrm.h"
#include "platform/Fensterablage.h"
#include "platform/Laufzeitfehler.h"
#include "platform/testing/TestDienste.h"

#include <QAbstractButton>
#include <QAction>
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

QColor farbe(const Farbe& f) {
    return QColor(f.rot, f.gruen, f.blau);
}

// Kommt diese Farbe im gemalten Kasten vor?
bool gemalt(QLabel& kasten, const QColor& c) {
    const QImage bild = kasten.grab().toImage();
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixelColor(x, y).rgb() == c.rgb())
                return true;
    return false;
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
        legeRadBilderAn();
    }
    ~Zirkomat() override {
        f.reset();
        entladeAlleFenster();
        initSoundTabelle();
    }
    // jede Stellung des Rades in ihrer eigenen Farbe
    static QColor radFarbe(int stellung) { return QColor::fromHsv(stellung * 36, 200, 220); }
    void legeRadBilderAn(int ohne = -1) {
        QDir().mkpath(ordner.pfad("Grafik"));
        for (int i = 0; i < 10; ++i) {
            const QString pfad = ordner.pfad(QString("Grafik/ZIRK%1.png").arg(i));
            QFile::remove(pfad);
            if (i == ohne)
                continue;
            QImage bild(12, 12, QImage::Format_ARGB32);
            bild.fill(radFarbe(i));
            ASSERT_TRUE(bild.save(pfad));
        }
    }
    void starte(const QByteArray& einstellungen, int spieler = 2, bool mitAbschnitt = true,
                const QString& name = "Anna") {
        ordner.schreibe("Varku.ini", (mitAbschnitt ? "[Zirkomat]\n" + einstellungen : "") +
                                         "\n[Spiele]\nMaximaleSpielDauer=30\n"
                                         "[Sound]\nAnnahme1=Ja\nLeichterFehler=Oh\n");
        ladeSoundIni();
        const QString zeile =
            spieler == 1
                ? "\"Version=4;RuvoFeldName=KAT1;nSpieler=1;" + name + ";ABCDEFGH;\""
                : "\"Version=4;RuvoFeldName=KAT1;nSpieler=2;" + name + ";Ben;ABCDEFGH;IJKLMNOP;\"";
        const Startpruefung p = pruefeStart(zeile, MainFrm::konfiguration());
        ASSERT_TRUE(p.angenommen);
        f = std::make_unique<MainFrm>(MainFrm::konfiguration(), p.daten);
        d.anzeige.zeige(*f);
    }
    void wort(const QString& w) {
        f->woerter.Wort = w;
        f->woerter.Kontext.clear();
        f->spiel().neuesWort(w, 0);
        f->brett()->zeigeRaetsel(f->woerter.Paraphrase, f->woerter.Kontext);
    }
    // drehen, dann auf dem Feld mit diesem Wert anhalten
    void dreheAuf(int wert) {
        klicke(*f, "drehenBtn");
        while (f->spiel().einsatz() != wert)
            d.uhr.vorstellen(30);
        klicke(*f, "anhaltenBtn");
    }
    int sichtbareKaesten() const {
        int n = 0;
        for (QLabel* l : f->brett()->BstLbl)
            n += l->isVisible() ? 1 : 0;
        return n;
    }
    // der Computer sitzt, über den Dialog
    void setzeComputer() {
        d.anzeige.dann([](QWidget& w) {
            static_cast<EinstellFrm&>(w).gegenComp->setChecked(true);
            klicke(w, "okBtn");
        });
        f->mnuBearbEinstell->trigger();
        ASSERT_EQ(f->runde.nSpieler, 2);
        ASSERT_EQ(f->runde.SpielerName[1], "Computer");
    }
    // im Fenster des Computers: das Rad dreht nicht mehr selbst, es steht, wo der Test will
    void computerStehtAuf(int wert) {
        f->zug().zirkTimer().setzeIntervall(1000000);
        while (f->spiel().einsatz() != wert)
            f->spiel().radSchritt(0);
    }
};

} // namespace

TEST_F(Zirkomat, StartMitDemErstenSpieler) {
    starte("RatezeitBegrenzen=1\nFehlversucheMaximum=5");
    EXPECT_EQ(f->windowTitle(), "Varku - Zirkomat");
    EXPECT_EQ(f->SpNameLbl->text(), "Anna");
    EXPECT_EQ(f->punkZiff->text(), "000000");
    EXPECT_TRUE(f->brett()->drehenBtn->isEnabled());
    for (QPushButton* b : {f->brett()->anhaltenBtn, f->brett()->WortRatenBtn,
                           f->brett()->BstKaufBtn, f->brett()->showSatzBtn, f->brett()->bstBtn[0]})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_EQ(f->vuRestZeitImage->blatt(), Zeigerinstrument::Blatt::RatezeitAn);
    EXPECT_EQ(f->RestZeitStand->height(), px(Spielzeitbalken::startHoehe));
    EXPECT_EQ(sichtbareKaesten(), 4) << "Igel";
    EXPECT_EQ(f->UebTitelLabel->text(), "Tiere");
}

// Ohne Abschnitt [Zirkomat] ist jede Einstellung 0: kein Ton, keine Ratezeit, weiße Kästen
// ohne Rahmen, und der Dialog zeigt es so.
TEST_F(Zirkomat, StartOhneAbschnitt) {
    starte("", 2, false);
    EXPECT_EQ(f->zug().einst().BuchstabenRahmen, 0);
    EXPECT_FALSE(f->zug().einst().LoesWortFarbig);
    EXPECT_EQ(f->zug().einst().FehlversucheMaximum, 0);
    EXPECT_EQ(f->vuRestZeitImage->blatt(), Zeigerinstrument::Blatt::RatezeitAus);
    EXPECT_FALSE(f->brett()->BstLbl[0]->styleSheet().contains("solid")) << "kein Rahmen";
    d.sound.befehle.clear();
    dreheAuf(40);
    EXPECT_TRUE(d.sound.befehle.filter("spiele").isEmpty()) << "ohne Ton";
    d.anzeige.dann([](QWidget& w) {
        auto& e = static_cast<EinstellFrm&>(w);
        EXPECT_TRUE(e.LoesWortSW->isChecked());
        EXPECT_FALSE(e.BstRahmEin->isChecked());
        EXPECT_FALSE(e.TonEin->isChecked());
        EXPECT_EQ(e.nFehlVersuche->value(), 0);
        klicke(w, "abbrBtn");
    });
    f->mnuBearbEinstell->trigger();
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
}

// Ohne ein Bild des Rades sähe niemand den Einsatz: der Start endet mit einer Meldung, die die
// Datei nennt.
TEST_F(Zirkomat, FehlendesRadbildEndetDenStart) {
    legeRadBilderAn(3);
    try {
        starte("");
        FAIL() << "ohne ZIRK3 darf das Spiel nicht beginnen";
    } catch (const Laufzeitfehler& e) {
        EXPECT_TRUE(e.meldung().contains("ZIRK3.png")) << e.meldung().toStdString();
        EXPECT_TRUE(e.meldung().contains("Ein Bild des Rades fehlt"));
    }
    ordner.schreibe("Grafik/ZIRK3.png", "kein Bild");
    EXPECT_THROW(starte(""), Laufzeitfehler) << "ein kaputtes Bild ebenso";
}

// Jede Stellung des Rades zeigt ihr eigenes Bild, auch die, deren Bilder erst nach dem Fenster
// geladen werden, und immer nur eines.
TEST_F(Zirkomat, RadZeigtJedeStellung) {
    starte("");
    klicke(*f, "drehenBtn");
    for (int schritt = 0; schritt < 12; ++schritt) {
        int sichtbar = 0;
        for (int i = 0; i < 10; ++i) {
            if (!f->brett()->RadImg[size_t(i)]->isVisibleTo(f.get()))
                continue;
            ++sichtbar;
            EXPECT_EQ(i, f->spiel().radPos()) << schritt;
            const QPixmap bild = f->brett()->RadImg[size_t(i)]->pixmap();
            ASSERT_FALSE(bild.isNull()) << "Stellung " << i;
            EXPECT_EQ(bild.toImage().pixel(5, 5), radFarbe(i).rgb()) << "Stellung " << i;
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

// Die Farben stehen im gemalten Kasten: verdeckt Schrift wie Grund, aufgedeckt die Farbe zum
// Grund; ein in Weiß gekaufter Buchstabe ist grün, nicht blau.
TEST_F(Zirkomat, FarbenImGemaltenKasten) {
    starte("LösungswortFarbig=1\nFehlversucheMaximum=5");
    wort("Igel");
    QLabel& erster = *f->brett()->BstLbl[0];
    const Radspiel::Kasten k = f->spiel().kasten(0);
    EXPECT_TRUE(gemalt(erster, farbe(k.grund)));
    EXPECT_FALSE(gemalt(erster, farbe(KastenBuchstabe[size_t(sucheFarbIndex(k.grund))])));
    dreheAuf(10);
    klicke(*f, "bstBtn8"); // I
    EXPECT_TRUE(gemalt(erster, farbe(KastenBuchstabe[size_t(sucheFarbIndex(k.grund))])));

    f.reset();
    entladeAlleFenster();
    starte("LösungswortFarbig=0\nFehlversucheMaximum=5");
    wort("Igel");
    f->runde.SpielerPunkte[0] = 100;
    dreheAuf(20);
    klicke(*f, "BstKaufBtn");
    EXPECT_TRUE(gemalt(*f->brett()->BstLbl[0], QColor(44, 153, 57))) << "gekauft in Weiß";
    EXPECT_FALSE(gemalt(*f->brett()->BstLbl[0], QColor(0, 0, 255)));
    EXPECT_FALSE(gemalt(*f->brett()->BstLbl[1], QColor(44, 153, 57))) << "noch verdeckt";
}

// Drehen, anhalten, ein richtiger Buchstabe mit der Taste, ein falscher mit der Tastatur.
TEST_F(Zirkomat, EinZugDurchKnoepfeUndTasten) {
    starte("FehlversucheMaximum=5\nTonEinschalten=1");
    wort("Igel");
    dreheAuf(80);
    EXPECT_TRUE(f->brett()->bstBtn[0]->isEnabled());
    EXPECT_FALSE(f->brett()->BstKaufBtn->isEnabled()) << "0 Punkte reichen nicht für 80";
    klicke(*f, "bstBtn8"); // I
    EXPECT_EQ(f->runde.SpielerPunkte[0], 80);
    EXPECT_EQ(f->SpNameLbl->text(), "Ben") << "ein richtiger Buchstabe gibt weiter";
    EXPECT_TRUE(f->spiel().kasten(0).aufgedeckt);
    EXPECT_TRUE(f->brett()->drehenBtn->isEnabled());
    EXPECT_FALSE(f->brett()->bstBtn[0]->isEnabled());
    // Ben tippt auf der Tastatur: "x" ist falsch, eine Ziffer tut nichts
    dreheAuf(20);
    QTest::keyClick(f.get(), Qt::Key_5);
    EXPECT_EQ(f->spiel().phase(), Radspiel::Phase::Einsatz);
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
    ASSERT_TRUE(f->brett()->BstKaufBtn->isEnabled());
    klicke(*f, "BstKaufBtn");
    EXPECT_TRUE(f->spiel().kasten(0).aufgedeckt);
    EXPECT_EQ(f->runde.SpielerPunkte[0], 80);
    EXPECT_EQ(f->SpNameLbl->text(), "Anna") << "wer kauft, dreht wieder";
    dreheAuf(20);
    klicke(*f, "showSatzBtn");
    EXPECT_EQ(f->brett()->SatzBspLbl->text(), "Der ____ schläft.");
    EXPECT_FALSE(f->UebTitelLabel->isVisible());
    EXPECT_EQ(f->runde.SpielerPunkte[0], 60);
    dreheAuf(40);
    EXPECT_TRUE(f->brett()->SatzBspLbl->text().isEmpty()) << "das Drehen versteckt den Satz";
    klicke(*f, "WortRatenBtn");
    EXPECT_EQ(f->brett()->WortRatenLampe->zustand(), Lampenzustand::Gruen);
    QTest::keyClicks(f.get(), "gel");
    EXPECT_EQ(f->runde.SpielerPunkte[0], 60 + 3 * 40);
    d.uhr.vorstellen(3000); // das fertige Wort bleibt stehen
    EXPECT_EQ(f->SpNameLbl->text(), "Ben") << "das fertige Wort gibt weiter";
    EXPECT_EQ(f->brett()->WortRatenLampe->zustand(), Lampenzustand::Rot);
}

// Das fertige Wort steht 3 Sekunden da, das gezeigte 8, ohne dass das Fenster schläft: es
// zeichnet sich weiter, die Ratezeit steht, und was in der Zeit gedrückt wird, fällt weg.
TEST_F(Zirkomat, WortBleibtStehenOhneDasFensterAnzuhalten) {
    struct Fall {
        const char* name;
        bool wortRaten;
        const char* tasten;
        int wartenMs;
        const char* danach; // wer dann dreht
    };
    for (const Fall& c : {Fall{"fertig geraten", true, "igel", 3000, "Ben"},
                          Fall{"zu viele Fehlversuche", false, "x", 8000, "Anna"}}) {
        SCOPED_TRACE(c.name);
        f.reset();
        entladeAlleFenster();
        d.uhr.geschlafenMs = 0;
        starte("RatezeitBegrenzen=1\nFehlversucheMaximum=1");
        wort("Igel");
        dreheAuf(10);
        if (c.wortRaten)
            klicke(*f, "WortRatenBtn");
        f->ablauf.ratezeit.RateZeitZaehler = 950; // noch ein Takt, dann wäre die Zeit um
        QTest::keyClicks(f.get(), c.tasten);
        EXPECT_EQ(d.uhr.geschlafenMs, 0) << "das Fenster schläft nicht";
        EXPECT_TRUE(f->spiel().kasten(3).aufgedeckt) << "das ganze Wort steht da";
        EXPECT_FALSE(f->mnuDateiNeu->isEnabled());
        EXPECT_FALSE(f->mnuBearbEinstell->isEnabled());
        QTest::mouseClick(f->brett()->drehenBtn, Qt::LeftButton);
        QTest::keyClicks(f.get(), "i");
        d.uhr.vorstellen(c.wartenMs - 1);
        EXPECT_TRUE(f->spiel().kasten(0).aufgedeckt) << "das Wort steht noch";
        EXPECT_EQ(f->ablauf.ratezeit.RateZeitZaehler, 950) << "die Ratezeit steht";
        d.uhr.vorstellen(1);
        EXPECT_FALSE(f->spiel().kasten(0).aufgedeckt) << "ein neues Wort liegt aus";
        EXPECT_EQ(f->SpNameLbl->text(), c.danach);
        EXPECT_EQ(f->spiel().phase(), Radspiel::Phase::Drehen) << "der Klick drehte nichts";
        EXPECT_EQ(f->ablauf.ratezeit.RateZeitZaehler, 0) << "frische Ratezeit";
        EXPECT_TRUE(f->brett()->drehenBtn->isEnabled());
        EXPECT_TRUE(f->mnuDateiNeu->isEnabled());
        EXPECT_TRUE(d.anzeige.ohneSkript.isEmpty()) << d.anzeige.ohneSkript.join(",").toStdString();
    }
}

// Mit 4 Fehlversuchen: beim dritten die Hilfe, beim vierten steht das Wort 8 Sekunden da, dann
// kommt ein neues; wer falsch griff, zahlt und dreht wieder.
TEST_F(Zirkomat, HilfeUndDasGezeigteWort) {
    starte("FehlversucheMaximum=4");
    wort("Igel");
    QString hilfe;
    d.anzeige.dann([&](QWidget& w) {
        hilfe = w.windowTitle() + ": " + static_cast<MldFenster&>(w).Meldung->text();
        klicke(w, "Btn1");
    });
    d.zufall.gibZahlen(0, 100, {60});
    for (int i = 0; i < 3; ++i) {
        dreheAuf(10);
        QTest::keyClicks(f.get(), "x");
    }
    EXPECT_EQ(hilfe, "Hilfe: Ich glaube, ich muss dir helfen, Anna.\nDas gesuchte Wort heißt: "
                     "<Igel>.");
    f->runde.SpielerPunkte[0] = 50;
    dreheAuf(20);
    QTest::keyClicks(f.get(), "x");
    d.uhr.vorstellen(8000); // das Wort steht acht Sekunden da
    EXPECT_EQ(f->runde.SpielerPunkte[0], 30) << "der Einsatz kostet auch jetzt";
    EXPECT_EQ(f->SpNameLbl->text(), "Anna") << "dieselbe dreht wieder";
    EXPECT_FALSE(f->spiel().kasten(0).aufgedeckt) << "ein neues Wort liegt verdeckt aus";
    EXPECT_EQ(f->spiel().Fehlversuche(), 0);
    EXPECT_TRUE(f->brett()->drehenBtn->isEnabled());
    EXPECT_FALSE(f->brett()->bstBtn[0]->isEnabled());
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
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
    EXPECT_FALSE(f->spiel().WortRatenModus());
    EXPECT_EQ(f->spiel().phase(), Radspiel::Phase::Drehen);
    EXPECT_TRUE(f->brett()->drehenBtn->isEnabled());
    EXPECT_FALSE(f->brett()->bstBtn[0]->isEnabled());
    EXPECT_EQ(f->brett()->WortRatenLampe->zustand(), Lampenzustand::Rot);
    EXPECT_EQ(f->runde.SpielerPunkte[0], 0) << "keine Strafe für die abgelaufene Zeit";
}

TEST_F(Zirkomat, EinstellungenFarbenUndAbbrechen) {
    starte("LösungswortFarbig=0\nFehlversucheMaximum=3\nBuchstabenRahmen=1");
    wort("Igel");
    dreheAuf(10);
    klicke(*f, "bstBtn8");
    ASSERT_TRUE(f->spiel().kasten(0).aufgedeckt);
    d.anzeige.dann([](QWidget& w) {
        auto& e = static_cast<EinstellFrm&>(w);
        EXPECT_TRUE(e.BstRahmEin->isChecked());
        EXPECT_FALSE(e.BstRahmEin->isEnabled()) << "weiße Kästen haben immer einen Rahmen";
        e.LoesWortFarbe->click();
        EXPECT_TRUE(e.BstRahmEin->isEnabled());
        klicke(w, "okBtn");
    });
    f->mnuBearbEinstell->trigger();
    EXPECT_TRUE(f->zug().einst().LoesWortFarbig);
    EXPECT_TRUE(f->spiel().kasten(0).aufgedeckt) << "Aufgedecktes bleibt aufgedeckt";
    EXPECT_FALSE(f->spiel().kasten(1).aufgedeckt);
    EXPECT_TRUE(gemalt(*f->brett()->BstLbl[1], farbe(f->spiel().kasten(1).grund)))
        << "gleich neu gefärbt";
    // abbrechen lässt alles, wie es war
    EinstellFrm& e = f->einstellungen();
    d.anzeige.dann([](QWidget& w) {
        auto& e = static_cast<EinstellFrm&>(w);
        e.nFehlVersuche->setValue(9);
        e.TonEin->setChecked(true);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    f->mnuBearbEinstell->trigger();
    EXPECT_EQ(f->zug().einst().FehlversucheMaximum, 3);
    EXPECT_EQ(e.nFehlVersuche->value(), 3);
    EXPECT_FALSE(e.TonEin->isChecked());
}

// Jede Zugriffstaste des Dialogs gibt es nur einmal, und Alt+O drückt OK.
TEST_F(Zirkomat, ZugriffstastenDesDialogsEindeutig) {
    starte("");
    EinstellFrm& e = f->einstellungen();
    QMap<QChar, QString> tasten;
    const auto merke = [&](const QString& text, const QString& name) {
        const qsizetype i = text.indexOf('&');
        if (i < 0 || i + 1 >= text.size())
            return;
        const QChar t = text.at(i + 1).toLower();
        EXPECT_FALSE(tasten.contains(t))
            << QString("%1 und %2").arg(tasten.value(t), name).toStdString();
        tasten[t] = name;
    };
    for (QAbstractButton* b : e.findChildren<QAbstractButton*>())
        merke(b->text(), b->objectName());
    for (QLabel* l : e.findChildren<QLabel*>())
        merke(l->text(), l->text());
    EXPECT_EQ(e.LoesWortFarbe->text(), "&farbig/farbig");
    d.anzeige.dann([](QWidget& w) {
        static_cast<EinstellFrm&>(w).RateZeitEin->setChecked(true);
        w.activateWindow();
        (void)QTest::qWaitForWindowActive(&w);
        QTest::keyClick(static_cast<EinstellFrm&>(w).RateZeitEin, Qt::Key_O, Qt::AltModifier);
        QTest::qWait(200); // der Knopf wird sichtbar gedrückt
    });
    f->mnuBearbEinstell->trigger();
    EXPECT_EQ(f->zug().einst().RatezeitBegrenzen, 1) << "Alt+O ist OK";
}

// Am Ende schreibt das Spiel seinen Abschnitt in der Reihenfolge der Schlüssel, Schalter als 1
// und 0, wenn das Speichern an ist.
TEST_F(Zirkomat, AbschnittWirdGeschrieben) {
    starte("GegenComputer=1\nLösungswortFarbig=1\nFehlversucheMaximum=4\n"
           "EinstellungenSpeichern=1\nTonEinschalten=1");
    d.anzeige.dann([](QWidget& w) {
        auto& e = static_cast<EinstellFrm&>(w);
        EXPECT_TRUE(e.gegenComp->isChecked()) << "der Computer spielt vom Start an mit";
        e.SpSt[2]->setChecked(true);
        e.TastaturAus->setChecked(true);
        klicke(w, "okBtn");
    });
    f->mnuBearbEinstell->trigger();
    d.anzeige.dannKlicke("jaBtn");
    f->mnuDateiEnde->trigger();
    ASSERT_TRUE(f->beendet());
    const QByteArray ini = ordner.lies("Varku.ini");
    EXPECT_TRUE(ini.startsWith("[Zirkomat]\nGegenComputer=1\nComputerSpielStärke=2\n"
                               "TastaturEingabeSperren=1\nTonEinschalten=1\nBuchstabenRahmen=0\n"
                               "LösungswortFarbig=1\nRatezeitBegrenzen=0\nFehlversucheMaximum=4\n"
                               "EinstellungenSpeichern=1\n \n"))
        << ini.toStdString();
}

// Ein langer Name steht gekürzt da; die Spalte rechts bleibt so breit wie sonst.
TEST_F(Zirkomat, LangerNameBleibtInDerSpalte) {
    starte("");
    const int breite = f->SpNameLbl->width();
    const int fenster = f->minimumSizeHint().width();
    f.reset();
    entladeAlleFenster();
    starte("", 2, true, "Maximiliane-Josephine Wunderlich-Sonnenschein");
    EXPECT_EQ(f->SpNameLbl->width(), breite);
    EXPECT_EQ(f->minimumSizeHint().width(), fenster);
    EXPECT_TRUE(f->SpNameLbl->text().endsWith(QChar(0x2026))) << f->SpNameLbl->text().toStdString();
    EXPECT_EQ(f->SpNameLbl->toolTip(), "Maximiliane-Josephine Wunderlich-Sonnenschein");
}

// Das Fenster passt auf einen Schirm von 1366 x 768, mit Menü und Titelleiste.
TEST_F(Zirkomat, FensterPasstAufDenKleinenSchirm) {
    starte("");
    f->adjustSize();
    EXPECT_LE(f->width(), 1366 - 10);
    EXPECT_LE(f->height(), 768 - 40) << "Platz für Titelleiste und Rand";
}

// Der Computer: Feld 0 schließt sein Fenster gleich, -1 und 300 lassen ihn wieder drehen, der
// starke holt sich auf 20 mit vier verdeckten Buchstaben 80 Punkte, der schwache greift daneben
// und wartet beim dritten Fehlgriff, statt Hilfe zu bekommen. Geschlafen wird dabei nie.
TEST_F(Zirkomat, ZuegeDesComputers) {
    starte("ComputerSpielStärke=0\nFehlversucheMaximum=5", 1);
    setzeComputer();
    struct Fall {
        const char* name;
        int staerke;
        std::vector<int> felder; // wo das Rad bei jeder Drehung steht
        long punkteVorher, punkte;
        int tropfen, tutut;
        // vor jeder Drehung ihre Dauer (0.99: 8 s), beim schwachen danach sein Griff (0.99:
        // daneben, 0: richtig)
        std::vector<float> zufall;
    };
    const float lang = 0.99f, richtig = 0.0f;
    const Fall faelle[] = {
        {"Feld 0", 0, {0}, 50, 50, 0, 0, {lang}},
        {"alles weg, dann 0", 0, {-1, 0}, 50, 0, 0, 0, {lang, lang}},
        {"Glück, dann 0", 0, {300, 0}, 50, 150, 0, 0, {lang, lang}},
        {"stark auf 20", 0, {20}, 0, 80, 4, 0, {lang}},
        {"schwach daneben, dann richtig", 2, {20, 10}, 50, 40, 0, 1, {lang, lang, lang, richtig}},
        {"schwach dreimal daneben, dann richtig",
         2,
         {20, 20, 20, 10},
         50,
         10,
         0,
         3,
         {lang, lang, lang, lang, lang, lang, lang, lang}},
    };
    for (const Fall& c : faelle) {
        wort("Igel");
        f->zug().einst().ComputerSpielStaerke = c.staerke;
        f->runde.aktSpieler = 0;
        f->runde.SpielerPunkte[1] = c.punkteVorher;
        d.sound.befehle.clear();
        for (float z : c.zufall)
            d.zufall.gib({z});
        int drehungen = 0;
        bool aus = false;
        d.anzeige.dann([&](QWidget& w) {
            EXPECT_EQ(w.objectName(), "CompZugFrm");
            EXPECT_FALSE(f->mnuDateiNeu->isEnabled()) << "die Menüs ruhen, solange er zieht";
            EXPECT_FALSE(f->brett()->drehenBtn->isEnabled()) << "für die Menschen geht nichts";
            for (int feld : c.felder) {
                ASSERT_EQ(f->spiel().phase(), Radspiel::Phase::Dreht) << c.name;
                ++drehungen;
                computerStehtAuf(feld);
                // länger als eine Drehung und das Warten danach, kürzer als zwei Drehungen
                d.uhr.vorstellen(10100);
            }
            d.uhr.vorstellen(3000); // ein fertiges Wort bleibt stehen
            aus = !w.isVisible();
        });
        f->ablauf.naechsterSpieler();
        d.uhr.vorstellen(0); // der Zug des Computers beginnt nach dem Wechsel
        EXPECT_TRUE(aus) << c.name << ": das Fenster hat sich geschlossen";
        EXPECT_EQ(drehungen, int(c.felder.size())) << c.name;
        EXPECT_EQ(f->runde.SpielerPunkte[1], c.punkte) << c.name;
        EXPECT_EQ(d.sound.befehle.filter("TROPFEN").size(), c.tropfen) << c.name;
        EXPECT_EQ(d.sound.befehle.filter("TUTUT").size(), c.tutut) << c.name;
        EXPECT_EQ(f->runde.aktSpieler, 0) << c.name << ": danach ist Anna dran";
        EXPECT_TRUE(f->mnuDateiNeu->isEnabled());
        EXPECT_TRUE(f->brett()->drehenBtn->isEnabled());
        EXPECT_EQ(d.uhr.geschlafenMs, 0) << c.name;
        f->zug().zirkTimer().setzeIntervall(30);
    }
}

// Wird das Fenster des Computers noch einmal gezeigt (etwa nach dem Verkleinern), beginnt keine
// neue Drehung; sein Zug beginnt einmal.
TEST_F(Zirkomat, WiederGezeigtesComputerfensterDrehtNicht) {
    starte("ComputerSpielStärke=1\nFehlversucheMaximum=5", 1);
    setzeComputer();
    wort("Igel");
    f->runde.SpielerPunkte[0] = 70;
    d.anzeige.dann([&](QWidget& w) {
        computerStehtAuf(-1);
        d.uhr.vorstellen(2000); // "alles weg": er dreht noch einmal
        ASSERT_EQ(f->spiel().phase(), Radspiel::Phase::Dreht);
        const int rest = f->compZug().restTakte();
        d.sound.befehle.clear();
        w.hide();
        w.show();
        EXPECT_TRUE(d.sound.befehle.filter("BewegungStart").isEmpty());
        EXPECT_EQ(f->compZug().restTakte(), rest);
        computerStehtAuf(0);
        d.uhr.vorstellen(2000);
    });
    f->ablauf.naechsterSpieler();
    d.uhr.vorstellen(0); // der Zug des Computers beginnt nach dem Wechsel
    EXPECT_EQ(f->runde.aktSpieler, 0);
    EXPECT_EQ(f->runde.SpielerPunkte[0], 70) << "Annas Punkte blieben, wo sie waren";
}

// Mit GegenComputer=1 in der Datei sitzt der Computer vom Start an; der Dialog zeigt das.
TEST_F(Zirkomat, GespeicherterComputerSitztVomStartAn) {
    starte("GegenComputer=1", 1);
    ASSERT_EQ(f->runde.nSpieler, 2);
    EXPECT_EQ(f->runde.SpielerName[1], "Computer");
    d.anzeige.dann([](QWidget& w) {
        EXPECT_TRUE(static_cast<EinstellFrm&>(w).gegenComp->isChecked());
        klicke(w, "okBtn");
    });
    f->mnuBearbEinstell->trigger();
    EXPECT_EQ(f->runde.nSpieler, 2);
    EXPECT_EQ(f->zug().einst().GegenComputer, 1);
}

// Jede Zugriffstaste gibt es in jedem Fenster des Spiels nur einmal: im Hauptfenster mit den
// Titeln seiner Menüs (Alt+D öffnet "Datei", nicht "drehen"), in jedem Fenster, das ein Menü
// zeigt, und im Fenster des Computers.
TEST_F(Zirkomat, ZugriffstastenInJedemFensterEindeutig) {
    starte("");
    EXPECT_EQ(doppelteZugriffstastenMitMenues(*f, d.anzeige), "");
    EXPECT_EQ(doppelteZugriffstasten(f->compZug()), "");
}
