// Das Kartenspiel durch seine Karten, Tasten und Knöpfe, mit gestellter Uhr und gestelltem
// Zufall: ohne Vorgabe liegen die Buchstaben des Wortes auf den ersten Karten, ohne Joker, und es
// kommt keine Warnung.
#include "foundation/Anzeigen.h"
#include "foundation/MldFenster.h"
#include "foundation/Sound.h"
#include "foundation/Wortzugang.h"
#include "foundation/testing/Meldungen.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "foundation/testing/Zugriffstasten.h"
#include "gamekit/Computerfenster.h"
#include "gamekit/Meisterliste.h"
#include "gamekit/Spielstart.h"
#include "games/hiddenletters/EinstellFrm.h"
#include "games/hiddenletters/MainFrm.h"
#include "platform/Fensterablage.h"
#include "platform/testing/TestDienste.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

using namespace varku;
using namespace varku::kartomin;
using namespace varku::test;

namespace {

struct Kartomin : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    std::unique_ptr<MainFrm> f;
    QStringList meldungen; // "Titel: Text" jeder Meldung, die kam

    Kartomin() {
        ordner.schreibe("Varku.tsp", ">>> Seite,-\nTiere,KAT1\nPflanzen,KAT2\n");
        // die Lupe von "Igel" gilt für KAT1 (2 und 3), die von "Esel" nur für eine andere
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{1, "Igel", "der", 1, false, true, true, "", ""},
                      {2, "Esel", "", 1, false, true, true, "", ""}},
                     {{1, 1, 2, 3}, {2, 2, 1, 1}});
        QDir().mkpath(ordner.pfad("User"));
        QDir().mkpath(ordner.pfad("Grafik"));
        for (int i = 1; i <= jokerBilder; ++i) {
            QImage bild(40, 40, QImage::Format_RGB32);
            bild.fill(QColor(250, 200, 0));
            bild.save(ordner.pfad(QStringLiteral("Grafik/JOKER%1.png").arg(i)));
        }
    }
    ~Kartomin() override {
        f.reset();
        entladeAlleFenster();
        initSoundTabelle();
    }
    void starte(const QByteArray& einstellungen, int spieler = 2, const char* lupe = "1",
                const char* kategorie = "KAT1") {
        ordner.schreibe("Varku.ini",
                        einstellungen + "\n[Spiele]\nMaximaleSpielDauer=30\n[Sound]\n"
                                        "Achtung=Achtung\nGratulation1=Gratulation\nAnnahme1=Leer\n"
                                        "Glückstreffer=Joker\n");
        ladeSoundIni();
        const QStringList namen = {"Anna Lena", "Ben", "Cem", "Dora"};
        const QStringList staemme = {"ABCDEFGH", "IJKLMNOP", "QRSTUVWX", "YZABCDEF"};
        const QString zeile =
            QStringLiteral("\"Version=4;RuvoFeldName=%1;LupenFlag=%2;nSpieler=%3;")
                .arg(kategorie, lupe)
                .arg(spieler) +
            namen.mid(0, spieler).join(';') + ';' + staemme.mid(0, spieler).join(';') + ";\"";
        const Startpruefung p = pruefeStart(zeile, MainFrm::konfiguration());
        ASSERT_TRUE(p.angenommen) << p.meldung.toStdString();
        f = std::make_unique<MainFrm>(MainFrm::konfiguration(), p.daten);
        d.anzeige.zeige(*f);
    }
    // der Zufall, mit dem das nächste Wort (das erste von zwei) auf diesen Karten liegt; die
    // Karten steigen, die Ränge darunter sind frei
    void legeNaechstesWortAuf(const std::vector<int>& karten, int joker = -1) {
        d.zufall.gibZahlen(1, 2, {1});
        for (int i = 0; i < feldKarten; ++i)
            d.zufall.gibZahlen(0, 9, {0});
        int i = 1;
        for (const int k : karten) {
            d.zufall.gibZahlen(0, feldKarten - i, {k - (i - 1)});
            ++i;
        }
        d.zufall.gibZahlen(0, 20, {joker < 0 ? 0 : 5});
        if (joker >= 0)
            d.zufall.gibZahlen(0, feldKarten - 1 - int(karten.size()),
                               {joker - int(karten.size())});
    }
    void merkeMeldung() { test::merkeMeldung(d.anzeige, meldungen); }
    Kartenfeld& feld() { return *f->kartenbrett().FldFrame; }
    void klickeKarte(int i, Qt::MouseButton knopf = Qt::LeftButton) {
        QTest::mouseClick(&feld(), knopf, {}, feld().kartenRechteck(i).center());
    }
    // eine Karte aufdecken und ganz werten lassen
    void nimm(int i) {
        klickeKarte(i);
        d.uhr.vorstellen(1 + Kartenzug::warteMs);
    }
    long punkte(int platz) const { return f->runde.SpielerPunkte[size_t(platz)]; }
    QString amZug() const { return f->SpNameLbl->text(); }
    bool gespielt(const char* klang) const {
        return !d.sound.befehle.filter(QString::fromLatin1(klang)).isEmpty();
    }
    void dialog(const std::function<void(EinstellFrm&)>& was, const char* knopf = "okBtn") {
        d.anzeige.dann([was, knopf](QWidget& w) {
            was(static_cast<EinstellFrm&>(w));
            klicke(w, knopf);
        });
        f->mnuBearbEinstell->trigger();
    }
};

} // namespace

TEST_F(Kartomin, StartetMitDemErstenWort) {
    starte("[Kartomin]\nTonEinschalten=1");
    EXPECT_EQ(f->windowTitle(), "Varku - Kartomin");
    const Kartenbrett& b = f->kartenbrett();
    EXPECT_EQ(b.SuchWortFrame->title(), "gesucht");
    EXPECT_EQ(b.FundWortFrame->title(), "gefunden");
    EXPECT_EQ(b.SuchWortLbl->text(), "Igel");
    EXPECT_EQ(b.SuchKontLbl->text(), "der");
    EXPECT_EQ(b.FundKontLbl->text(), "der");
    EXPECT_EQ(b.FundWortLbl->text(), "");
    EXPECT_EQ(b.SuchWortLbl->font().pointSize(), 20);
    EXPECT_EQ(b.SuchKontLbl->font().pointSize(), 8);
    EXPECT_FALSE(b.RisikoBtn->isEnabled());
    EXPECT_FALSE(b.RisikoZiff->isEnabled());
    EXPECT_EQ(b.RisikoZiff->text(), "000");
    EXPECT_EQ(b.RisikoAusImg->zustand(), Lampenzustand::Rot);
    EXPECT_EQ(b.RisikoEinImg->zustand(), Lampenzustand::Aus);
    EXPECT_EQ(f->punkZiff->text(), "00000") << "fünf Ziffern";
    EXPECT_FALSE(feld().markeSichtbar());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(f->kartenspiel().karte(i).inhalt, QString("IGEL").mid(i, 1));
    EXPECT_GE(feld().width(), feld().kartenRechteck(24).right());
}

// Die Lupe um den zweiten und dritten Buchstaben, nur mit LupenFlag und nur mit einer Zeile
// der Kategorie; "0" schaltet sie aus, jeder andere Wert ein
TEST_F(Kartomin, LupeNurMitIhrerZeile) {
    struct Fall {
        const char* lupe;
        const char* kategorie;
        bool sichtbar;
    };
    for (const Fall fall : {Fall{"1", "KAT1", true}, Fall{"ja", "KAT1", true},
                            Fall{"0", "KAT1", false}, Fall{"1", "KAT2", false}}) {
        SCOPED_TRACE(std::string(fall.lupe) + fall.kategorie);
        starte("", 2, fall.lupe, fall.kategorie);
        const Kartenbrett& b = f->kartenbrett();
        ASSERT_EQ(b.SuchWortLbl->text(), "Igel");
        EXPECT_EQ(b.LeseLupe->isVisible(), fall.sichtbar);
        if (fall.sichtbar) {
            const QFontMetrics m(b.SuchWortLbl->font());
            const QRect wort(
                b.SuchWortLbl->mapTo(b.SuchWortFrame, b.SuchWortLbl->contentsRect().topLeft()),
                b.SuchWortLbl->contentsRect().size());
            EXPECT_NEAR(b.LeseLupe->x(), wort.left() + m.horizontalAdvance("I") - 2, 1);
            EXPECT_NEAR(b.LeseLupe->width(), m.horizontalAdvance("ge") + 4, 1);
        }
        f.reset();
        entladeAlleFenster();
    }
}

namespace {

// Die erste Spalte, in der ein Feld Tinte malt
int tintenLinks(QLabel& feld) {
    const QImage bild = feld.grab().toImage();
    for (int x = 0; x < bild.width(); ++x)
        for (int y = 0; y < bild.height(); ++y)
            if (qGray(bild.pixel(x, y)) < 150)
                return x;
    return -1;
}

} // namespace

// Die Lupe steht um genau die Buchstaben ihrer Stelle, sobald das Wort liegt und ebenso, wenn das
// Fenster es angeordnet hat, in jeder Größe, die das Wort bekommt; der Kontext davor schiebt es
// hin und her. Gemessen an der Tinte des Wortes und an den Abständen seiner Schrift
TEST_F(Kartomin, LupeUmGenauIhreBuchstaben) {
    starte("");
    struct Fall {
        const char* wort;
        const char* kontext;
        int von, bis;
    };
    const Fall faelle[] = {{"Muschel", "die", 3, 5},
                           {"blasen", "", 3, 3},
                           {"Kran", "der", 3, 3},
                           {"Lineal", "das", 5, 5},
                           {"Seifenblasenwasser", "", 10, 12},
                           {"Straßenbahnhaltestelle", "die", 1, 6},
                           {"Wasserwaage", "", 6, 7},
                           {"WWWWWWWWWWWWWWWWWWWWWWWW", "das", 24, 24},
                           {"Igel", "", 1, 4}};
    Kartenbrett& b = f->kartenbrett();
    QLabel& feld = *b.SuchWortLbl;
    std::set<int> groessen;
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.wort);
        const QString wort = QString::fromUtf8(fall.wort);
        b.zeigeWort(wort, QString::fromUtf8(fall.kontext), fall.von, fall.bis, true);
        const QRect gleich = b.LeseLupe->geometry();
        QCoreApplication::processEvents();
        groessen.insert(feld.font().pointSize());
        const QFontMetricsF m(feld.font());
        const double anfang =
            feld.mapTo(b.SuchWortFrame, QPoint(tintenLinks(feld), 0)).x() - m.leftBearing(wort[0]);
        const double links = anfang + m.horizontalAdvance(wort.left(fall.von - 1)) - 2;
        const double breite =
            m.horizontalAdvance(wort.mid(fall.von - 1, fall.bis - fall.von + 1)) + 4;
        for (const QRect& lupe : {gleich, b.LeseLupe->geometry()}) {
            EXPECT_NEAR(lupe.left(), links, 2);
            EXPECT_NEAR(lupe.width(), breite, 2);
        }
        EXPECT_TRUE(b.LeseLupe->isVisible());
    }
    EXPECT_GE(groessen.size(), 3u) << "das Wort in mehreren Größen";
}

// "refNr= 42" mit dem Leerzeichen der Zahl findet die Zeile
TEST_F(Kartomin, LupenStelleMitLeerzeichenImKriterium) {
    legeWortDbAn(ordner.pfad("Lupe.sqlite"), {{42, "Igel", "der", 1, false, true, false, "", ""}},
                 {{41, 1, 1, 1}, {42, 2, 1, 2}, {42, 1, 3, 4}});
    Wortzugang z;
    z.oeffneWortDatenbank(ordner.pfad("Lupe.sqlite"), WortTabellen{true, false, false});
    ASSERT_TRUE(z.ruv().FindFirst(QStringLiteral("refNr= 42")));
    EXPECT_EQ(z.ruv().feld(QStringLiteral("ruvo")).alsGanzzahl(), 2);
    const auto stelle = z.sucheLupenStelle(42, 1);
    ASSERT_TRUE(stelle.has_value());
    EXPECT_EQ(stelle->vonPos, 3);
    EXPECT_FALSE(z.sucheLupenStelle(42, 3).has_value()) << "nur andere Kategorien";
}

// Aufdecken: die Karte ist offen, bevor sie gewertet wird; zwei Sekunden liegt sie, dann kommt
// der nächste Spieler, und was in den zwei Sekunden geklickt wurde, fällt weg
TEST_F(Kartomin, AufdeckenTrefferUndFehlgriff) {
    starte("[Kartomin]\nTonEinschalten=1\nRatezeitBegrenzen=1");
    klickeKarte(0, Qt::RightButton);
    EXPECT_FALSE(f->kartenspiel().karte(0).offen) << "die rechte Taste tut nichts";
    klickeKarte(0);
    EXPECT_TRUE(f->kartenspiel().karte(0).offen);
    EXPECT_EQ(f->kartenbrett().FundWortLbl->text(), "") << "gewertet wird einen Takt später";
    d.uhr.vorstellen(1);
    EXPECT_EQ(f->kartenbrett().FundWortLbl->text(), "I");
    EXPECT_EQ(f->punkZiff->text(), "00020");
    EXPECT_FALSE(f->mnuDateiNeu->isEnabled()) << "kein neues Spiel mitten in der Wertung";
    klickeKarte(1);
    d.uhr.vorstellen(Kartenzug::warteMs);
    EXPECT_FALSE(f->kartenspiel().karte(1).aufgedeckt) << "der Klick in der Wartezeit fällt weg";
    EXPECT_TRUE(f->mnuDateiNeu->isEnabled());
    EXPECT_EQ(amZug(), "Anna Lena") << "ein Treffer: derselbe spielt weiter";

    // ein Doppelklick nach dem Fehlgriff deckt nichts für den nächsten auf
    klickeKarte(7);
    d.uhr.vorstellen(1);
    klickeKarte(8);
    QTest::mouseDClick(&feld(), Qt::LeftButton, {}, feld().kartenRechteck(9).center());
    d.uhr.vorstellen(Kartenzug::warteMs);
    EXPECT_EQ(punkte(0), 17);
    EXPECT_EQ(amZug(), "Ben");
    EXPECT_FALSE(f->kartenspiel().karte(7).offen) << "wieder verdeckt";
    EXPECT_TRUE(f->kartenspiel().karte(7).aufgedeckt);
    EXPECT_FALSE(f->kartenspiel().karte(8).aufgedeckt);
    EXPECT_FALSE(f->kartenspiel().karte(9).aufgedeckt);
    EXPECT_EQ(punkte(1), 0);
    EXPECT_EQ(f->punkZiff->text(), "00000") << "Bens Punkte";
    EXPECT_TRUE(gespielt("Leer"));
}

// Die Markierung mit Pfeilen und Enter, auch wenn ein Knopf den Fokus hat; ohne Markierung
// tun die Tasten nichts auf dem Feld
TEST_F(Kartomin, MarkierungMitDerTastatur) {
    starte("[Kartomin]\nFeldMarkierung=1");
    ASSERT_TRUE(feld().markeSichtbar());
    QPushButton* knopf = f->kartenbrett().RisikoBtn;
    const auto taste = [&](Qt::Key k) { QTest::keyClick(f->punkZiff, k); };
    for (Qt::Key k : {Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down})
        taste(k);
    EXPECT_EQ(f->kartenspiel().markiertesFeld(), 7);
    taste(Qt::Key_Return);
    EXPECT_TRUE(f->kartenspiel().karte(7).offen) << "Enter deckt auf wie ein Klick";
    taste(Qt::Key_Right);
    EXPECT_EQ(f->kartenspiel().markiertesFeld(), 7) << "in der Wertung steht die Markierung";
    d.uhr.vorstellen(1 + Kartenzug::warteMs);
    EXPECT_EQ(amZug(), "Ben");
    for (int i = 0; i < 9; ++i) {
        taste(Qt::Key_Right);
        taste(Qt::Key_Down);
    }
    EXPECT_EQ(f->kartenspiel().markiertesFeld(), 24) << "am Rand bleibt sie stehen";
    knopf->setEnabled(true);
    knopf->setFocus();
    QTest::keyClick(knopf, Qt::Key_Enter);
    EXPECT_TRUE(f->kartenspiel().karte(24).offen) << "Enter gehört dem Feld, nicht dem Knopf";
    d.uhr.vorstellen(1 + Kartenzug::warteMs);

    dialog([](EinstellFrm& e) { e.FeldMarkEin->setChecked(false); });
    EXPECT_FALSE(feld().markeSichtbar());
    taste(Qt::Key_Left);
    taste(Qt::Key_Return);
    EXPECT_EQ(f->kartenspiel().markiertesFeld(), 24);
    EXPECT_FALSE(f->kartenspiel().karte(24).offen);
    EXPECT_FALSE(f->kartenspiel().karte(23).aufgedeckt);
}

// Ein offenes Menü und die Menüleiste haben die Pfeile und Enter zuerst; erst wenn das Spielfenster
// selbst die Tasten hat, gehen sie an die Markierung
TEST_F(Kartomin, PfeileGehoerenDemOffenenMenue) {
    starte("[Kartomin]\nFeldMarkierung=1");
    const auto taste = [&](Qt::Key k) { QTest::keyClick(f->windowHandle(), k); };
    const auto offen = [] { return QApplication::activePopupWidget(); };
    f->menuBar()->setActiveAction(f->mnuDatei->menuAction());
    ASSERT_EQ(offen(), f->mnuDatei);
    taste(Qt::Key_Down);
    taste(Qt::Key_Down);
    EXPECT_EQ(f->mnuDatei->activeAction(), f->mnuDateiInfo);
    taste(Qt::Key_Right);
    EXPECT_EQ(offen(), f->mnuBearbeiten) << "das nächste Menü der Leiste";
    taste(Qt::Key_Escape);
    // die Leiste hat die Tasten noch: links zum ersten Menü, hinunter öffnet es
    ASSERT_EQ(offen(), nullptr);
    taste(Qt::Key_Left);
    EXPECT_EQ(f->menuBar()->activeAction(), f->mnuDatei->menuAction());
    taste(Qt::Key_Down);
    EXPECT_EQ(offen(), f->mnuDatei);
    taste(Qt::Key_Escape);
    taste(Qt::Key_Return);
    EXPECT_EQ(offen(), f->mnuDatei) << "Enter öffnet das Menü der Leiste";
    taste(Qt::Key_Escape);
    taste(Qt::Key_Escape);
    QMenu popup(f.get());
    popup.addAction(QStringLiteral("eins"));
    QAction* zwei = popup.addAction(QStringLiteral("zwei"));
    popup.popup(f->mapToGlobal(QPoint(40, 40)));
    popup.setActiveAction(popup.actions().first());
    taste(Qt::Key_Down);
    EXPECT_EQ(popup.activeAction(), zwei);
    popup.close();
    EXPECT_EQ(f->kartenspiel().markiertesFeld(), 0) << "die Markierung stand still";
    EXPECT_FALSE(f->kartenspiel().karte(0).aufgedeckt);
    ASSERT_EQ(offen(), nullptr);
    taste(Qt::Key_Right);
    EXPECT_EQ(f->kartenspiel().markiertesFeld(), 1) << "jetzt hat das Spiel die Tasten";
}

// Nach "Achtung" ein gezogener Einsatz; er gilt für die nächste Karte, dann ist das Risiko aus
TEST_F(Kartomin, RisikoNachAchtung) {
    starte("[Kartomin]\nTonEinschalten=1");
    nimm(1); // Anna: das G, bevor es gesucht ist
    EXPECT_EQ(amZug(), "Ben");
    klickeKarte(0); // Ben: das I; jetzt liegt das G auf einer gesehenen Karte
    d.uhr.vorstellen(1);
    d.zufall.gibZahlen(1, 100, {76});
    d.uhr.vorstellen(Kartenzug::warteMs);
    const Kartenbrett& b = f->kartenbrett();
    EXPECT_TRUE(gespielt("Achtung"));
    ASSERT_TRUE(b.RisikoBtn->isEnabled());
    EXPECT_EQ(b.RisikoEinImg->zustand(), Lampenzustand::Gruen);
    EXPECT_EQ(b.RisikoAusImg->zustand(), Lampenzustand::Aus);
    // sie blinkt auch, während eine Meldung über dem Spiel steht
    d.anzeige.dann([&](QWidget& w) {
        d.uhr.vorstellen(500);
        EXPECT_EQ(b.RisikoEinImg->zustand(), Lampenzustand::Aus) << "sie blinkt";
        d.uhr.vorstellen(500);
        EXPECT_EQ(b.RisikoEinImg->zustand(), Lampenzustand::Gruen);
        klicke(w, "Btn1");
    });
    f->meldung("Achtung", "Kartomin");
    d.uhr.vorstellen(6000);
    EXPECT_EQ(b.RisikoEinImg->zustand(), Lampenzustand::Gruen) << "nach sechsmal bleibt sie an";
    EXPECT_FALSE(f->risikoBlinker().blinkt());
    d.zufall.gibZahlen(50, 300, {120});
    klicke(*f, "RisikoBtn");
    EXPECT_EQ(b.RisikoZiff->text(), "120");
    EXPECT_FALSE(b.RisikoBtn->isEnabled());
    nimm(1);
    EXPECT_EQ(punkte(1), 20 + 50 + 120);
    EXPECT_EQ(b.RisikoZiff->text(), "000");
    EXPECT_FALSE(b.RisikoBtn->isEnabled());
    EXPECT_EQ(b.RisikoAusImg->zustand(), Lampenzustand::Rot);
}

// Das fertige Wort: der letzte Buchstabe, dann gleich das nächste Wort für denselben Spieler;
// ein Joker zeigt sein Bild
TEST_F(Kartomin, FertigesWortUndJoker) {
    legeNaechstesWortAuf({10, 11, 12, 13}, 24);
    starte("[Kartomin]\nTonEinschalten=1");
    ASSERT_EQ(f->kartenspiel().karte(10).inhalt, "I");
    ASSERT_TRUE(f->kartenspiel().karte(24).istJoker());
    d.zufall.gibZahlen(1, 3, {2});
    klickeKarte(24);
    d.uhr.vorstellen(1);
    EXPECT_EQ(f->kartenspiel().karte(24).jokerBild, 2);
    EXPECT_TRUE(gespielt("Joker"));
    EXPECT_EQ(punkte(0), 100);
    d.uhr.vorstellen(Kartenzug::warteMs);
    for (const int k : {10, 11, 12})
        nimm(k);
    EXPECT_EQ(f->kartenbrett().FundWortLbl->text(), "Ige");
    klickeKarte(13);
    d.uhr.vorstellen(1);
    EXPECT_EQ(f->kartenbrett().FundWortLbl->text(), "Igel");
    EXPECT_TRUE(gespielt("Gratulation"));
    EXPECT_EQ(f->kartenbrett().SuchWortLbl->text(), "Igel")
        << "zwei Sekunden steht das fertige Wort";
    d.uhr.vorstellen(Kartenzug::warteMs);
    EXPECT_EQ(punkte(0), 100 + 20 + 20 + 20 + 20);
    EXPECT_EQ(f->kartenbrett().SuchWortLbl->text(), "Esel");
    EXPECT_EQ(f->kartenbrett().SuchKontLbl->text(), "");
    EXPECT_EQ(f->kartenbrett().FundWortLbl->text(), "");
    EXPECT_FALSE(f->kartenbrett().LeseLupe->isVisible()) << "Esel hat keine Lupe in KAT1";
    EXPECT_EQ(amZug(), "Anna Lena");
    EXPECT_FALSE(f->kartenspiel().karte(24).offen) << "ein neues Feld";
}

// Ein fehlendes Jokerbild ist ein Laufzeitfehler, der es nennt
TEST_F(Kartomin, FehlendesJokerbild) {
    QDir(ordner.pfad("Grafik")).removeRecursively();
    legeNaechstesWortAuf({0, 1, 2, 3}, 4);
    starte("");
    klickeKarte(4);
    try {
        d.uhr.vorstellen(1);
        FAIL() << "kein Fehler";
    } catch (const Laufzeitfehler& e) {
        EXPECT_TRUE(e.betrifft().endsWith("Grafik/JOKER1")) << e.betrifft().toStdString();
    }
}

// Der Computer zieht in seinem Fenster, das für den ganzen Zug steht; Klicks der Menschen
// fallen dabei weg. Nach seinem Fehlgriff geht das Fenster, und sein Zeitgeber steht
TEST_F(Kartomin, ComputerZugIgnoriertKlicks) {
    legeNaechstesWortAuf({10, 11, 12, 13});
    starte("[Kartomin]\nRatezeitBegrenzen=1");
    dialog([](EinstellFrm& e) { e.gegenComp->setChecked(true); });
    ASSERT_EQ(f->runde.nSpieler, 3);
    nimm(11); // Anna sieht das G, bevor es gesucht ist
    nimm(10); // Ben findet das I
    bool sichtbarNachTreffer = false, klickGenommen = true;
    int gefundenVorDemZweiten = -1;
    QString titel, text;
    d.anzeige.dann([&](QWidget& w) {
        auto& c = static_cast<Computerfenster&>(w);
        titel = c.windowTitle();
        text = c.TextLbl->text();
        klickeKarte(12);
        d.uhr.vorstellen(2000);
        EXPECT_FALSE(f->kartenspiel().karte(11).offen) << "zehn Takte vor dem ersten Griff";
        d.uhr.vorstellen(200);
        EXPECT_TRUE(f->kartenspiel().karte(11).offen) << "das bekannte G";
        d.uhr.vorstellen(1 + Kartenzug::warteMs);
        sichtbarNachTreffer = c.isVisible();
        klickeKarte(12);
        klickGenommen = f->kartenspiel().karte(12).aufgedeckt;
        gefundenVorDemZweiten = f->kartenspiel().naechsterBuchstabe();
        d.uhr.vorstellen(1000);
        EXPECT_FALSE(f->kartenspiel().karte(0).offen) << "fünf Takte nach dem Treffer";
        d.uhr.vorstellen(200);
        EXPECT_TRUE(f->kartenspiel().karte(0).offen) << "die erste ungesehene Karte";
        d.uhr.vorstellen(1 + Kartenzug::warteMs);
        EXPECT_FALSE(c.isVisible()) << "der Fehlgriff beendet den Zug";
    });
    nimm(5); // Ben greift daneben: der Computer ist dran
    EXPECT_EQ(titel, "Kartomin");
    EXPECT_EQ(text, "Jetzt darf ich raten, wo sich der nächste Buchstabe versteckt hat.");
    EXPECT_TRUE(sichtbarNachTreffer) << "das Fenster steht für den ganzen Zug";
    EXPECT_FALSE(klickGenommen) << "das Feld nimmt keinen Klick eines Menschen";
    EXPECT_EQ(gefundenVorDemZweiten, 3);
    EXPECT_EQ(punkte(2), 50 - 3);
    EXPECT_EQ(amZug(), "Anna Lena");
    EXPECT_FALSE(f->compZug().CompZugTimer->aktiv());
    d.uhr.vorstellen(5000);
    EXPECT_FALSE(f->kartenspiel().karte(1).aufgedeckt) << "der Computer spielt nicht für Anna";
    nimm(12);
    EXPECT_EQ(punkte(0), 20) << "Anna spielt";
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
}

// Die Ratezeit: 20 Sekunden, jede Karte gibt sie neu, ein Wechsel des Spielers nicht
TEST_F(Kartomin, RatezeitZwanzigSekunden) {
    starte("[Kartomin]\nRatezeitBegrenzen=1");
    d.uhr.vorstellen(19000);
    klickeKarte(0);
    d.uhr.vorstellen(1 + Kartenzug::warteMs);
    d.uhr.vorstellen(17000);
    EXPECT_TRUE(meldungen.isEmpty());
    EXPECT_EQ(amZug(), "Anna Lena");
    // ein Fehlgriff nach 19 s seit der letzten Karte; die Zeit läuft für Ben weiter
    klickeKarte(9);
    d.uhr.vorstellen(1 + Kartenzug::warteMs);
    EXPECT_EQ(amZug(), "Ben");
    merkeMeldung();
    d.uhr.vorstellen(17000);
    EXPECT_TRUE(meldungen.isEmpty());
    d.uhr.vorstellen(1000);
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0], "Ende der Ratezeit: Die Ratezeit ist leider\nabgelaufen, Ben.");
    EXPECT_EQ(amZug(), "Anna Lena");
}

// Vier Menschen und GegenComputer=1: der Computer sitzt vom Start an als fünfter, der Dialog zeigt
// ihn. Ein neues Spiel setzt alle auf 0 und gibt dem ersten den Zug
TEST_F(Kartomin, NeuesSpielMitFuenfSpielern) {
    starte("[Kartomin]\nGegenComputer=1\nComputerSpielStärke=1", 4);
    ASSERT_EQ(f->runde.nSpieler, 5);
    EXPECT_EQ(f->runde.SpielerName[4], "Computer");
    EXPECT_EQ(f->einstellungsWerte().GegenComputer, 1);
    EXPECT_EQ(f->einstellungsWerte().ComputerSpielStaerke, staerkeSchwach);
    EXPECT_EQ(f->einstellungsWerte().TonEinschalten, 0);
    bool haken = false, waehlbar = false, schwach = false, ton = false;
    dialog(
        [&](EinstellFrm& e) {
            haken = e.gegenComp->isChecked();
            waehlbar = e.gegenComp->isEnabled() && e.SpSt[0]->isEnabled();
            schwach = e.SpSt[1]->isChecked();
            ton = e.TonEin->isChecked();
        },
        "abbrBtn");
    EXPECT_TRUE(haken);
    EXPECT_TRUE(waehlbar);
    EXPECT_TRUE(schwach);
    EXPECT_TRUE(ton) << "ein fehlender Schlüssel zeigt den Entwurf";
    EXPECT_EQ(amZug(), "Anna Lena");
    nimm(0);
    ASSERT_EQ(punkte(0), 20);
    d.anzeige.dannKlicke("Btn1");
    f->mnuDateiNeu->trigger();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(punkte(i), 0) << i;
    EXPECT_EQ(f->punkZiff->text(), "00000");
    EXPECT_EQ(amZug(), "Anna Lena");
    EXPECT_EQ(f->runde.aktSpieler, 0) << "nicht der sechste Platz";
    EXPECT_EQ(f->kartenspiel().naechsterBuchstabe(), 1);
    EXPECT_EQ(f->kartenbrett().FundWortLbl->text(), "");
    EXPECT_EQ(f->kartenbrett().SuchWortLbl->text(), "Esel") << "ein neues Wort";
}

// Jeder Schlüssel, der allein im Abschnitt steht, kommt in sein eigenes Steuerelement, die anderen
// zeigen den Entwurf, wie die Tabelle auch geordnet ist
TEST_F(Kartomin, DialogZeigtJedenSchluesselAnSeinerStelle) {
    struct Fall {
        const char* zeile;
        std::vector<bool> haken; // Ton, Ratezeit, Markierung, Speichern, Computer, "sch&wach"
    };
    const Fall faelle[] = {
        {"TonEinschalten=0", {false, false, false, true, false, false}},
        {"RatezeitBegrenzen=1", {true, true, false, true, false, false}},
        {"FeldMarkierung=1", {true, false, true, true, false, false}},
        {"GegenComputer=1", {true, false, false, true, true, false}},
        {"ComputerSpielStärke=1", {true, false, false, true, false, true}},
        {"EinstellungenSpeichern=0", {true, false, false, false, false, false}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.zeile);
        starte(QByteArray("[Kartomin]\n") + fall.zeile);
        const EinstellFrm& e = f->einstellungen();
        EXPECT_EQ((std::vector<bool>{e.TonEin->isChecked(), e.RateZeitEin->isChecked(),
                                     e.FeldMarkEin->isChecked(), e.EinstSaveOpt->isChecked(),
                                     e.gegenComp->isChecked(), e.SpSt[1]->isChecked()}),
                  fall.haken);
        f.reset();
        entladeAlleFenster();
    }
}

// Der Haken setzt den Computer auf den letzten Platz und gibt dem ersten den Zug; noch einmal
// OK ändert nichts; ohne Haken geht er, und wieder ist der erste dran
TEST_F(Kartomin, ComputerSetzenUndEntfernen) {
    starte("");
    nimm(9);
    ASSERT_EQ(amZug(), "Ben");
    dialog([](EinstellFrm& e) { e.gegenComp->setChecked(true); });
    EXPECT_EQ(f->runde.nSpieler, 3);
    EXPECT_EQ(amZug(), "Anna Lena");
    nimm(9);
    dialog([](EinstellFrm&) {});
    EXPECT_EQ(f->runde.nSpieler, 3);
    EXPECT_EQ(amZug(), "Ben") << "nichts geändert";
    dialog([](EinstellFrm& e) { e.gegenComp->setChecked(false); }, "abbrBtn");
    EXPECT_EQ(f->runde.nSpieler, 3);
    EXPECT_TRUE(f->einstellungen().gegenComp->isChecked()) << "abbrechen stellt den Haken zurück";
    dialog([](EinstellFrm& e) { e.gegenComp->setChecked(false); });
    EXPECT_EQ(f->runde.nSpieler, 2);
    EXPECT_EQ(amZug(), "Anna Lena");
}

// Mit GegenComputer=1 sitzt der Computer vom Start an, und der Dialog zeigt seinen Haken. Wer nur
// den Ton umstellt, behält den Zug, und die Ratezeit läuft weiter
TEST_F(Kartomin, NurDerTonGeaendertLaesstDenZug) {
    starte("[Kartomin]\nGegenComputer=1\nRatezeitBegrenzen=1");
    ASSERT_EQ(f->runde.nSpieler, 3);
    EXPECT_EQ(f->runde.SpielerName[2], "Computer");
    nimm(9);
    ASSERT_EQ(amZug(), "Ben");
    d.uhr.vorstellen(5000);
    const int zaehler = f->ablauf.ratezeit.RateZeitZaehler;
    ASSERT_GT(zaehler, 0);
    bool haken = false;
    dialog([&](EinstellFrm& e) {
        haken = e.gegenComp->isChecked();
        e.TonEin->setChecked(!e.TonEin->isChecked());
    });
    EXPECT_TRUE(haken);
    EXPECT_EQ(f->runde.nSpieler, 3);
    EXPECT_EQ(amZug(), "Ben");
    EXPECT_EQ(f->ablauf.ratezeit.RateZeitZaehler, zaehler);
    EXPECT_TRUE(d.anzeige.ohneSkript.isEmpty()) << "keine Meldung";
}

// Ende mit den Punkten in der Meisterliste
TEST_F(Kartomin, EndeTraegtDiePunkteEin) {
    starte("[Kartomin]\nEinstellungenSpeichern=1\nFeldMarkierung=1");
    nimm(0);
    d.anzeige.dannKlicke("jaBtn");
    f->mnuDateiEnde->trigger();
    ASSERT_TRUE(f->beendet());
    const auto liste =
        Meisterliste(Meisterliste::meisterDatei(ordner.pfad("User")), "Kartomin").meisterliste();
    ASSERT_FALSE(liste.empty());
    EXPECT_EQ(liste[0].Name, "Anna Lena");
    EXPECT_EQ(liste[0].Punkte, 20);
    EXPECT_TRUE(ordner.lies("Varku.ini")
                    .contains("[Kartomin]\nTonEinschalten=0\n"
                              "RatezeitBegrenzen=0\nFeldMarkierung=1\n"));
}

// Der Joker und ein fertiges Wort sind Treffer: der Computer greift weiter, auch im neuen Wort
TEST_F(Kartomin, ComputerNachJokerUndFertigemWort) {
    legeNaechstesWortAuf({1, 2, 3, 4}, 0);
    starte("");
    dialog([](EinstellFrm& e) { e.gegenComp->setChecked(true); });
    nimm(5);
    std::vector<int> gegriffen;
    QString neuesWort;
    bool offenImNeuenWort = false;
    d.anzeige.dann([&](QWidget& w) {
        for (int zug = 0; zug < 5; ++zug) {
            d.uhr.vorstellen(zug == 0 ? 2200 : 1200);
            if (!f->kartenspiel().bereit())
                gegriffen.push_back(f->kartenspiel().aktFeld());
            d.uhr.vorstellen(1 + Kartenzug::warteMs);
        }
        neuesWort = f->kartenbrett().SuchWortLbl->text();
        d.uhr.vorstellen(1200);
        offenImNeuenWort = f->kartenspiel().karte(0).offen;
        EXPECT_TRUE(w.isVisible());
    });
    nimm(6);
    EXPECT_EQ(gegriffen, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(neuesWort, "Esel");
    EXPECT_TRUE(offenImNeuenWort) << "er greift im neuen Wort weiter";
    EXPECT_EQ(punkte(2), 100 + 20 + 20 + 20 + 20);
}

// Wörter mit mehr als 24 Buchstaben kommen nicht aufs Feld; gezählt wird getrimmt
TEST_F(Kartomin, LangeWoerterKommenNicht) {
    legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                 {{1, "Donaudampfschifffahrtskapitän", "der", 1, false, true, false, "", ""},
                  {2, "  Igel  ", "der", 1, false, true, false, "", ""},
                  {3, "Eichhörnchenfutterhäuschen", "das", 1, false, true, false, "", ""}});
    starte("");
    EXPECT_EQ(f->woerter.AnzahlWoerter(), 1);
    EXPECT_EQ(f->kartenbrett().SuchWortLbl->text(), "Igel");
    EXPECT_EQ(f->kartenspiel().WortLaenge(), 4);
}

// Jede Zugriffstaste gibt es in jedem Fenster des Spiels nur einmal: im Hauptfenster mit den
// Titeln seiner Menüs, in jedem Fenster, das ein Menü zeigt (Alt+A ist im Dialog "abbrechen",
// nicht auch "als Gegenspieler"), und im Fenster des Computers.
TEST_F(Kartomin, ZugriffstastenInJedemFensterEindeutig) {
    starte("");
    EXPECT_EQ(doppelteZugriffstastenMitMenues(*f, d.anzeige), "");
    EXPECT_EQ(doppelteZugriffstasten(f->compZug()), "");
}
