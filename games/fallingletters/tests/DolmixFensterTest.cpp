// Das Fallspiel durch seine Knöpfe und Tasten, mit der gestellten Uhr und dem gestellten Zufall:
// ohne Vorgabe ist jeder Stein ein aufrechter Buchstabe in Spalte 1.
#include "foundation/Anzeigen.h"
#include "foundation/MldFenster.h"
#include "foundation/Sound.h"
#include "foundation/Texte.h"
#include "foundation/Zeigerinstrument.h"
#include "foundation/testing/Meldungen.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "foundation/testing/Zugriffstasten.h"
#include "gamekit/Meisterliste.h"
#include "gamekit/Spielstart.h"
#include "games/fallingletters/EinstellFrm.h"
#include "games/fallingletters/MainFrm.h"
#include "platform/Fensterablage.h"
#include "platform/testing/TestDienste.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPushButton>
#include <QRegion>
#include <QSpinBox>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::dolmix;
using namespace varku::test;

namespace {

struct Dolmix : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    std::unique_ptr<MainFrm> f;
    QStringList meldungen; // "Titel: Text" jeder Meldung, die kam

    Dolmix() {
        ordner.schreibe("Varku.tsp", ">>> Seite,-\nTiere,KAT1\n");
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{1, "Igel", "der", 1, true, true, false, "", ""},
                      {2, "Straße", "die", 1, true, true, false, "", ""}});
        QDir().mkpath(ordner.pfad("User"));
    }
    ~Dolmix() override {
        f.reset();
        entladeAlleFenster();
        initSoundTabelle();
    }
    void starte(const QByteArray& einstellungen, int spieler = 2, int minuten = 30) {
        ordner.schreibe("Varku.ini",
                        "[Dolmix]\n" + einstellungen +
                            "\n[Spiele]\nMaximaleSpielDauer=" + QByteArray::number(minuten) +
                            "\n[Sound]\nAnnahme1=Ja\nAnnahme2=Klack\n");
        ladeSoundIni();
        const QString zeile =
            spieler == 1 ? "\"Version=4;RuvoFeldName=KAT1;nSpieler=1;Anna Lena;ABCDEFGH;\""
                         : "\"Version=4;RuvoFeldName=KAT1;nSpieler=2;Anna Lena;Ben;ABCDEFGH;"
                           "IJKLMNOP;\"";
        const Startpruefung p = pruefeStart(zeile, MainFrm::konfiguration());
        ASSERT_TRUE(p.angenommen);
        f = std::make_unique<MainFrm>(MainFrm::konfiguration(), p.daten);
        d.anzeige.zeige(*f);
    }
    void merkeMeldung() { test::merkeMeldung(d.anzeige, meldungen); }
    void takt() { d.uhr.vorstellen(f->SteinTimer().intervall()); }
    void taste(Qt::Key k) { QTest::keyClick(f->brett()->PauseBtn, k); }
    // der Stein kommt herein, geht k Spalten nach rechts und fällt
    void legeNachRechts(int k) {
        for (int i = 0; i < 20 && !f->spiel().steinSichtbar(); ++i)
            takt();
        for (int i = 0; i < k; ++i)
            taste(Qt::Key_Right);
        taste(Qt::Key_Space);
        takt();
    }
};

} // namespace

TEST_F(Dolmix, StartetInDerPauseMitDemErstenWort) {
    starte("FallGeschwindigkeit=250\nTonEinschalten=1");
    EXPECT_EQ(f->windowTitle(), "Varku - Dolmix");
    EXPECT_EQ(f->brett()->UebWortLbl->text(), "Igel");
    EXPECT_FALSE(f->SteinTimer().aktiv()) << "die Steine fallen erst nach Start";
    EXPECT_TRUE(f->brett()->StartBtn->isEnabled());
    EXPECT_FALSE(f->brett()->PauseBtn->isEnabled());
    EXPECT_TRUE(f->mnuBearbEinstell->isEnabled());
    EXPECT_EQ(f->SteinTimer().intervall(), 1000);
    EXPECT_EQ(f->SpNameLbl->text(), "Anna Lena");
    // die Zähler stehen mit ihren Ziffern im Brett, nicht zusammengedrückt
    for (const Ziffernanzeige* z : {f->brett()->wortZiff, f->brett()->zeilenZiff})
        EXPECT_GE(z->width(), z->minimumWidth()) << z->objectName().toStdString();
    EXPECT_GT(f->brett()->wortZiff->minimumWidth(), 50);
    klicke(*f, "StartBtn");
    EXPECT_TRUE(f->SteinTimer().aktiv());
    EXPECT_FALSE(f->mnuBearbEinstell->isEnabled()) << "Einstellungen nur in der Pause";
    // die Leertaste auf dem Pauseknopf lässt fallen, sie drückt ihn nicht
    legeNachRechts(0);
    EXPECT_TRUE(f->SteinTimer().aktiv());
    EXPECT_EQ(f->spiel().zelle(1, 1).buchstabe, "I");
    EXPECT_EQ(f->punkZiff->text(), "000001") << "ein aufrechter Buchstabe";
    klicke(*f, "PauseBtn");
    EXPECT_FALSE(f->SteinTimer().aktiv());
    taste(Qt::Key_Right);
    EXPECT_EQ(f->spiel().aktStein().zeile, eingangsZeile) << "in der Pause geht nichts";
}

// Die Lupe liegt über ihren Buchstaben, auch wenn das Wort seinen Platz erst mit dem Fenster
// bekommt, und eine Stelle außerhalb des Wortes markiert nichts
// Die Warnlampe blinkt rot und gelb, auch während eine Meldung über dem Spiel steht, und ist
// mit der Warnung aus
TEST_F(Dolmix, WarnlampeBlinktUnterEinerMeldung) {
    starte("FallGeschwindigkeit=250");
    const Lampe& lampe = *f->brett()->WarnLampe;
    f->brett()->zeigeWarnung(true);
    EXPECT_EQ(f->brett()->WarnText->text(), "drehen");
    QList<Lampenzustand> folge{lampe.zustand()};
    d.anzeige.dann([&](QWidget& w) {
        for (int i = 0; i < 3; ++i) {
            d.uhr.vorstellen(500);
            folge << lampe.zustand();
        }
        klicke(w, "Btn1");
    });
    f->meldung("Achtung", "Dolmix");
    EXPECT_EQ(folge, QList<Lampenzustand>({Lampenzustand::Rot, Lampenzustand::Gelb,
                                           Lampenzustand::Rot, Lampenzustand::Gelb}));
    f->brett()->zeigeWarnung(false);
    d.uhr.vorstellen(1500);
    EXPECT_EQ(lampe.zustand(), Lampenzustand::Aus);
    EXPECT_EQ(f->brett()->WarnText->text(), "OK");
}

// Ein Schwerpunkt nur mit leeren Wörtern oder mit solchen aus halben Zeichen: kein leeres Wort,
// keine kaputten Steine, sondern die Meldung, dass es keine Wörter gibt
TEST_F(Dolmix, OhneSpielbareWoerterKeinSpiel) {
    legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                 {{1, " ", "", 1, true, true, false, "", ""},
                  {2, QString::fromUtf8("\U0001F994"), "", 1, true, true, false, "", ""}});
    merkeMeldung();
    starte("FallGeschwindigkeit=250");
    EXPECT_TRUE(f->beendet());
    EXPECT_TRUE(meldungen.value(0).startsWith("Keine Wörter: Zu diesem Übungsschwerpunkt"))
        << meldungen.join("|").toStdString();
}

TEST_F(Dolmix, LupeUeberIhrenBuchstaben) {
    starte("");
    Fallbrett& b = *f->brett();
    struct Fall {
        int von, bis;
        bool sichtbar;
    };
    for (const Fall& fall : {Fall{2, 3, true}, Fall{1, 1, true}, Fall{0, 0, false},
                             Fall{3, 9, false}, Fall{3, 2, false}}) {
        SCOPED_TRACE(fall.von);
        b.markiereLupenStelle("Igel", fall.von, fall.bis, true);
        ASSERT_EQ(b.LeseLupe->isVisible(), fall.sichtbar);
        if (!fall.sichtbar)
            continue;
        const QFontMetrics m(b.UebWortLbl->font());
        const QRect wort = b.UebWortLbl->contentsRect().translated(b.UebWortLbl->pos());
        const int mitte =
            wort.left() + m.horizontalAdvance(QStringLiteral("Igel").left(fall.von - 1)) +
            m.horizontalAdvance(QStringLiteral("Igel").mid(fall.von - 1, fall.bis - fall.von + 1)) /
                2;
        EXPECT_NEAR(b.LeseLupe->geometry().center().x(), mitte, 3);
        EXPECT_TRUE(b.LeseLupe->geometry().intersects(wort));
    }
    // vor dem ersten Zeigen markiert: die Lupe kommt mit dem Wort an ihren Platz
    Fallbrett neu(f->spiel(), nullptr);
    neu.zeigeWort("Igel");
    neu.markiereLupenStelle("Igel", 4, 4, true);
    neu.resize(900, 600);
    neu.show();
    QCoreApplication::processEvents();
    const QFontMetrics m(neu.UebWortLbl->font());
    EXPECT_NEAR(neu.LeseLupe->geometry().center().x(),
                neu.UebWortLbl->x() + neu.UebWortLbl->contentsRect().left() +
                    m.horizontalAdvance("Ige") + m.horizontalAdvance("l") / 2,
                3);
    b.markiereLupenStelle("Igel", 2, 2, false);
    EXPECT_FALSE(b.LeseLupe->isVisible()) << "ohne Lupe im Startparameter";
}

// Ein Fallschritt malt nur die beiden Zellen, die der Stein verlässt und betritt
TEST_F(Dolmix, SchrittMaltNurGeaenderteZellen) {
    struct Malzaehler : QObject {
        QRegion gemalt;
        bool eventFilter(QObject* /*o*/, QEvent* e) override {
            if (e->type() == QEvent::Paint)
                gemalt += static_cast<QPaintEvent*>(e)->region();
            return false;
        }
    } zaehler;
    starte("FallGeschwindigkeit=500");
    Spielfeldflaeche& feld = *f->brett()->SpFld;
    feld.installEventFilter(&zaehler);
    klicke(*f, "StartBtn");
    takt();
    QCoreApplication::processEvents();
    ASSERT_TRUE(f->spiel().steinSichtbar());
    const Stein st = f->spiel().aktStein();
    zaehler.gemalt = QRegion();
    takt();
    QCoreApplication::processEvents();
    const QRegion erwartet = QRegion(feld.zellenRechteck(st.spalte, st.zeile)) +
                             feld.zellenRechteck(st.spalte, st.zeile - 1);
    EXPECT_EQ(zaehler.gemalt, erwartet);
}

TEST_F(Dolmix, FehlendeGeschwindigkeitGibtDenLangsamstenFall) {
    starte("");
    EXPECT_EQ(f->SteinTimer().intervall(), 2500);
    EXPECT_FALSE(f->ablauf.ratezeitAn()) << "ohne Minuten kein Wechsel nach der Zeit";
}

TEST_F(Dolmix, RichtigesWortUndVolleReihe) {
    starte("FallGeschwindigkeit=500");
    for (int s = 5; s <= 14; ++s)
        f->spiel().legeZelle(s, 1, FeldZelle{true, 0, 99, "*", 0, true});
    klicke(*f, "StartBtn");
    for (int i = 0; i < 4; ++i)
        legeNachRechts(i);
    EXPECT_EQ(f->spiel().stand().woerter, 1);
    EXPECT_EQ(f->spiel().stand().zeilen, 1) << "das Wort macht die Reihe voll";
    // vier aufrechte Buchstaben, dann das Wort: (0 Reihen + 1) x (1 Wort + 1) x 4 Buchstaben
    EXPECT_EQ(f->spiel().stand().punkte, 4 + 1 * 2 * 4);
    EXPECT_EQ(f->brett()->wortZiff->text(), "001");
    EXPECT_EQ(f->brett()->zeilenZiff->text(), "01");
    EXPECT_FALSE(f->spiel().zelle(1, 1).belegt()) << "die volle Reihe ist fort";
    EXPECT_EQ(f->brett()->UebWortLbl->text(), "Straße") << "gleich das nächste Wort";
}

TEST_F(Dolmix, FalschesWortWechseltDenSpieler) {
    // beide Wechsel aus der Datei: der Wechsel nach dem Fehler lässt die Ratezeituhr stehen
    starte("SpielerWechselBeiFehler=1\nSpielerWechselNachZeit=5");
    klicke(*f, "StartBtn");
    int zaehlerBeimWechsel = -1;
    d.anzeige.dann([&](QWidget& w) {
        zaehlerBeimWechsel = f->ablauf.ratezeit.RateZeitZaehler;
        meldungen << w.windowTitle() + ": " + static_cast<MldFenster&>(w).Meldung->text();
        klicke(w, "Btn1");
    });
    // alle vier in Spalte 1 übereinander
    for (int i = 0; i < 4; ++i)
        legeNachRechts(0);
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0], "Spielerwechsel: Anna, du darfst dich ein wenig\nausruhen. Jetzt ist "
                            "erst mal Ben\nan der Reihe.");
    EXPECT_EQ(f->SpNameLbl->text(), "Ben");
    EXPECT_GT(zaehlerBeimWechsel, 0);
    EXPECT_EQ(f->ablauf.ratezeit.RateZeitZaehler, zaehlerBeimWechsel);
    EXPECT_EQ(f->spiel().zelle(1, 2).buchstabe, "*") << "gewischt";
    EXPECT_TRUE(f->SteinTimer().aktiv()) << "nach der Meldung fällt es weiter";
}

TEST_F(Dolmix, EinerAlleinBekommtKeineWechselmeldung) {
    starte("SpielerWechselBeiFehler=1", 1);
    klicke(*f, "StartBtn");
    for (int i = 0; i < 4; ++i)
        legeNachRechts(0);
    EXPECT_TRUE(d.anzeige.protokoll.filter("modal:").isEmpty())
        << d.anzeige.protokoll.join(",").toStdString();
    EXPECT_EQ(f->SpNameLbl->text(), "Anna Lena");
}

TEST_F(Dolmix, EndeDerRundeLeertDasFeld) {
    starte("FallGeschwindigkeit=500");
    for (int z = 1; z <= 10; ++z)
        f->spiel().legeZelle(1, z, FeldZelle{true, 0, 99, "*", 0, true});
    klicke(*f, "StartBtn");
    merkeMeldung();
    takt();
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].startsWith("Ende der Spielrunde: Dolmix ist beim Einfügen"));
    EXPECT_FALSE(f->spiel().zelle(1, 1).belegt());
    EXPECT_FALSE(f->SteinTimer().aktiv()) << "die neue Runde beginnt mit Start";
    EXPECT_TRUE(f->brett()->StartBtn->isEnabled());
}

// Während einer Meldung fällt kein Stein; die Ratezeit wechselt, auch in der Pause, die Pause
// bleibt
TEST_F(Dolmix, MeldungHaeltDenFall) {
    starte("SpielerWechselNachZeit=1\nFallGeschwindigkeit=500");
    klicke(*f, "StartBtn");
    takt();
    int zeileWaehrend = 0;
    d.anzeige.dann([&](QWidget& w) {
        const int vorher = f->spiel().aktStein().zeile;
        d.uhr.vorstellen(5000);
        zeileWaehrend = f->spiel().aktStein().zeile - vorher;
        klicke(w, "Command1");
    });
    f->mnuDateiInfo->trigger();
    EXPECT_EQ(zeileWaehrend, 0) << "kein Stein bewegt sich hinter einem Fenster";

    klicke(*f, "PauseBtn");
    merkeMeldung();
    d.uhr.vorstellen(63000);
    ASSERT_EQ(meldungen.size(), 1) << "eine Minute je Zug: nach 63 s";
    EXPECT_TRUE(meldungen[0].startsWith("Spielerwechsel: "));
    EXPECT_EQ(f->SpNameLbl->text(), "Ben");
    EXPECT_FALSE(f->SteinTimer().aktiv()) << "die Pause bleibt";
}

TEST_F(Dolmix, GrossbuchstabenVorUndNachDemStart) {
    starte("BuchstabenGroß=0");
    const auto setzeGross = [&](bool an, bool meldungKommt) {
        d.anzeige.dann([an](QWidget& w) {
            static_cast<EinstellFrm&>(w).NurGrossBstOpt->setChecked(an);
            klicke(w, "okBtn");
        });
        if (meldungKommt)
            merkeMeldung();
        f->mnuBearbEinstell->trigger();
    };
    setzeGross(true, false);
    EXPECT_EQ(f->spiel().fallFolge(), grossJeZeichen(f->spiel().Wort())) << "vor dem Start: gleich";
    klicke(*f, "StartBtn");
    klicke(*f, "PauseBtn");
    setzeGross(false, true);
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].startsWith("Warnung: Ihr habt die Einstellung der"));
    EXPECT_EQ(f->spiel().fallFolge(), grossJeZeichen(f->spiel().Wort())) << "das Wort bleibt";
}

// Andere Minuten je Zug beginnen die Ratezeit neu, und der Zeiger läuft gleich in der neuen Dauer;
// ein OK ohne neue Minuten lässt ihn weiterlaufen, wo er steht
TEST_F(Dolmix, MinutenImDialogUndDieRatezeituhr) {
    struct Fall {
        int vorher, nachher;
        int sekunden;           // vor dem Dialog
        int nachOk, nachTakten; // der Zähler gleich nach OK und zehn Sekunden später
        bool an;
    };
    const Fall faelle[] = {
        {20, 30, 600, 0, 5, true},     // lange Züge: jede Sekunde ein Takt
        {20, 20, 600, 500, 508, true}, // nichts geändert
        {5, 3, 100, 0, 50, true},      // ein anderer Schritt je Sekunde
        {5, 5, 100, 300, 330, true},   // nichts geändert
        {5, 0, 100, 0, 0, false},      // kein Wechsel nach Zeit: die Uhr steht
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(QString("%1 -> %2").arg(fall.vorher).arg(fall.nachher).toStdString());
        starte("SpielerWechselNachZeit=" + QByteArray::number(fall.vorher), 2, 90);
        d.uhr.vorstellen(fall.sekunden * 1000);
        d.anzeige.dann([&](QWidget& w) {
            static_cast<EinstellFrm&>(w).SpWechsZeitUpDn->setValue(fall.nachher);
            klicke(w, "okBtn");
        });
        f->mnuBearbEinstell->trigger();
        EXPECT_EQ(f->einst().SpielerWechselNachZeit, fall.nachher);
        EXPECT_EQ(f->ablauf.ratezeit.RateZeitZaehler, fall.nachOk);
        d.uhr.vorstellen(10000);
        EXPECT_EQ(f->ablauf.ratezeit.RateZeitZaehler, fall.nachTakten);
        EXPECT_EQ(f->vuRestZeitImage->wert(), fall.nachTakten);
        EXPECT_EQ(f->ablauf.ratezeitAn(), fall.an);
        f.reset();
        entladeAlleFenster();
    }
}

// Die Spielzeit läuft ab, in der Pause wie mitten im Fall: die Meldung kommt, die Punkte gehen
// in die Meisterliste, und kein Stein fällt mehr, weder hinter der Meldung noch danach
TEST_F(Dolmix, SpielzeitEndeTraegtDiePunkteEin) {
    for (const bool pause : {true, false}) {
        SCOPED_TRACE(pause ? "in der Pause" : "mitten im Fall");
        f.reset();
        entladeAlleFenster();
        QFile::remove(Meisterliste::meisterDatei(ordner.pfad("User")));
        starte("FallGeschwindigkeit=500", 2, 5);
        // fünf Minuten sind die kürzeste Spielzeit; gespielt wird erst kurz vor ihrem Ende
        d.uhr.vorstellen(280000);
        klicke(*f, "StartBtn");
        legeNachRechts(0);
        ASSERT_GT(f->spiel().stand().punkte, 0);
        if (pause)
            klicke(*f, "PauseBtn");
        takt();
        ASSERT_FALSE(f->beendet());
        QString meldung;
        bool faelltHinterDerMeldung = false;
        d.anzeige.dann([&](QWidget& w) {
            meldung = w.windowTitle() + ": " + static_cast<MldFenster&>(w).Meldung->text();
            const Stein vorher = f->spiel().aktStein();
            d.uhr.vorstellen(5000);
            faelltHinterDerMeldung = f->spiel().aktStein().zeile != vorher.zeile ||
                                     f->spiel().aktStein().steinNr != vorher.steinNr;
            klicke(w, "Btn1");
        });
        d.uhr.vorstellen(30000);
        EXPECT_EQ(meldung, "Ende des Spiels: Die Höchstspielzeit ist abgelaufen!\nDolmix wird "
                           "jetzt beendet.");
        EXPECT_TRUE(f->beendet());
        EXPECT_FALSE(faelltHinterDerMeldung);
        const Stein danach = f->spiel().aktStein();
        d.uhr.vorstellen(5000);
        EXPECT_EQ(f->spiel().aktStein().zeile, danach.zeile) << "nach dem Ende fällt nichts mehr";
        EXPECT_EQ(f->spiel().aktStein().steinNr, danach.steinNr);
        const auto liste =
            Meisterliste(Meisterliste::meisterDatei(ordner.pfad("User")), "Dolmix").meisterliste();
        ASSERT_EQ(liste.size(), 1u);
        EXPECT_EQ(liste[0].Name, "Anna Lena");
        EXPECT_EQ(liste[0].Punkte, f->spiel().SpielerStand[0].punkte);
    }
}

// Jede Taste, die den Stein bewegt, gilt sofort: schnell hintereinander ohne Ereignisschleife
// dazwischen, gehalten mit Wiederholung, an jedem Teil des Fensters, zwischen zwei Takten und
// während ein Klang beginnt
TEST_F(Dolmix, SchnelleTastenGeltenAlle) {
    const auto tippe = [](QWidget* w, Qt::Key k, int mal) {
        for (int i = 0; i < mal; ++i)
            QTest::keyClick(w, k);
    };
    // gedrückt gehalten: der erste Druck, dann Wiederholungen, am Ende losgelassen
    const auto halte = [](QWidget* w, Qt::Key k, int mal) {
        for (int i = 0; i < mal; ++i) {
            QKeyEvent druck(QEvent::KeyPress, k, Qt::NoModifier, QString(), i > 0);
            QCoreApplication::sendEvent(w, &druck);
        }
        QKeyEvent los(QEvent::KeyRelease, k, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &los);
    };
    struct Fall {
        const char* name;
        std::function<void()> tasten;
        int spalte, zeile, drehung;
    };
    const Fall faelle[] = {
        {"siebenmal rechts", [&] { tippe(f.get(), Qt::Key_Right, 7); }, 8, 11, 0},
        {"zweimal hoch", [&] { tippe(f.get(), Qt::Key_Up, 2); }, 1, 11, 180},
        {"rechts gehalten", [&] { halte(f.get(), Qt::Key_Right, 5); }, 6, 11, 0},
        {"runter gehalten", [&] { halte(f.get(), Qt::Key_Down, 3); }, 1, 11, 90},
        {"an Knopf, Feld und Wort",
         [&] {
             tippe(f->brett()->PauseBtn, Qt::Key_Right, 1);
             tippe(f->brett()->SpFld, Qt::Key_Right, 1);
             tippe(f->brett()->UebWortLbl, Qt::Key_Up, 1);
             halte(f->brett()->PauseBtn, Qt::Key_Right, 2);
         },
         5, 11, 90},
        {"zwischen zwei Takten",
         [&] {
             tippe(f.get(), Qt::Key_Right, 2);
             takt();
             tippe(f.get(), Qt::Key_Right, 2);
             tippe(f.get(), Qt::Key_Down, 1);
         },
         5, 10, 270},
        {"während der Klang des Fallens beginnt",
         [&] {
             tippe(f.get(), Qt::Key_Right, 4);
             tippe(f.get(), Qt::Key_Space, 1);
             tippe(f.get(), Qt::Key_Left, 2);
             tippe(f.get(), Qt::Key_Up, 1);
         },
         3, 1, 90},
    };
    for (const Fall& c : faelle) {
        SCOPED_TRACE(c.name);
        f.reset();
        entladeAlleFenster();
        starte("FallGeschwindigkeit=100\nTonEinschalten=1");
        klicke(*f, "StartBtn");
        takt();
        ASSERT_TRUE(f->spiel().steinSichtbar());
        d.sound.befehle.clear();
        c.tasten();
        const Stein& st = f->spiel().aktStein();
        EXPECT_EQ(st.spalte, c.spalte);
        EXPECT_EQ(st.zeile, c.zeile);
        EXPECT_EQ(st.drehung, c.drehung);
    }
    EXPECT_TRUE(d.sound.befehle.last().endsWith("Klack.WAV")) << "der Klang des Fallens";
}

// Die Lage folgt dem Stein, wie er gemalt ist: kurz vor der Landung heißt es gedreht "drehen",
// aufrecht gleich wieder "OK", nicht erst mit dem nächsten Takt
TEST_F(Dolmix, LageFolgtDerDrehung) {
    starte("WarnungEinschalten=1\nFallGeschwindigkeit=500");
    klicke(*f, "StartBtn");
    takt();
    taste(Qt::Key_Up);
    while (f->spiel().aktStein().zeile > 3)
        takt();
    ASSERT_EQ(f->brett()->WarnText->text(), "drehen");
    taste(Qt::Key_Down);
    EXPECT_EQ(f->brett()->WarnText->text(), "OK");
    EXPECT_EQ(f->brett()->WarnLampe->zustand(), Lampenzustand::Aus);
    taste(Qt::Key_Down);
    EXPECT_EQ(f->brett()->WarnText->text(), "drehen");
    taste(Qt::Key_Space);
    EXPECT_FALSE(f->spiel().aktStein().fallGelassen) << "gedreht fällt er nicht";
    taste(Qt::Key_Up);
    EXPECT_EQ(f->brett()->WarnText->text(), "OK");
    taste(Qt::Key_Space);
    EXPECT_TRUE(f->spiel().aktStein().fallGelassen);
}

// Jede Zugriffstaste gibt es in jedem Fenster des Spiels nur einmal: im Hauptfenster mit den
// Titeln seiner Menüs und in jedem Fenster, das ein Menü zeigt.
TEST_F(Dolmix, ZugriffstastenInJedemFensterEindeutig) {
    starte("");
    EXPECT_EQ(doppelteZugriffstastenMitMenues(*f, d.anzeige), "");
}
