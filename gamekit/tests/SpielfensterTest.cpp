#include "foundation/Anzeigen.h"
#include "foundation/DateiInfoFrm.h"
#include "foundation/EndeFrm.h"
#include "foundation/Global.h"
#include "foundation/MldFenster.h"
#include "foundation/Programmstart.h"
#include "foundation/Sound.h"
#include "foundation/Twips.h"
#include "foundation/Zeigerinstrument.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "gamekit/Computerfenster.h"
#include "gamekit/Lupenwort.h"
#include "gamekit/Meisterliste.h"
#include "gamekit/Spielprogramm.h"
#include "gamekit/tests/Testspiel.h"
#include "platform/Dienste.h"
#include "platform/Fensterablage.h"
#include "platform/testing/TestDienste.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::test;

namespace {

const QString anna = "\"Version=4;RuvoFeldName=KAT1;nSpieler=1;Anna Lena;ABCDEFGH;\"";
const QString zwei = "\"Version=4;RuvoFeldName=KAT1;nSpieler=2;Anna Lena;Ben;ABCDEFGH;IJKLMNOP;\"";

struct Rahmen : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    std::unique_ptr<Testspiel> spiel;

    Rahmen() {
        ordner.schreibe("Varku.tsp", ">>> Seite,-\nTiere,KAT1\nLeer,KAT2\n");
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{1, "Igel", "der", 1, true, true, false, "Der @ schläft.", ""},
                      {2, "Baum", "der", 1, true, true, false, "Der @ ist hoch.", ""}});
        QDir().mkpath(ordner.pfad("User"));
        d.uhr.stelle(36000);
    }
    ~Rahmen() override {
        spiel.reset();
        entladeAlleFenster();
        initSoundTabelle();
        setzeOhneTonHinweis({});
    }
    void starte(const QString& zeile, const QByteArray& einstellungen,
                const QByteArray& spiele = "[Spiele]\nMaximaleSpielDauer=5\n",
                const Spielkonfiguration& k = Testspiel::konfiguration()) {
        ordner.schreibe("Varku.ini", "[Testspiel]\n" + einstellungen + "\n" + spiele +
                                         "[Sound]\nGratulation1=Juhu\nProgrammMeldung=Hinweis\n");
        ladeSoundIni();
        const Startpruefung p = pruefeStart(zeile, k);
        ASSERT_TRUE(p.angenommen) << p.meldung.toStdString();
        spiel = std::make_unique<Testspiel>(k, p.daten);
        d.anzeige.zeige(*spiel);
    }
    // beantwortet die nächste Meldung mit dem Knopf und merkt sich ihren Text
    void antworte(QString* text, const char* knopf = "Btn1") {
        d.anzeige.dann([text, knopf](QWidget& w) {
            if (text)
                *text = w.windowTitle() + ": " + static_cast<MldFenster&>(w).Meldung->text();
            klicke(w, knopf);
        });
    }
};

} // namespace

TEST_F(Rahmen, ZeigerDerRatezeituhr) {
    starte(anna, "RatezeitBegrenzen=1");
    for (int wert : {0, 500, 1000}) {
        spiel->drawVuZeiger(wert);
        EXPECT_EQ(spiel->vuRestZeitImage->wert(), wert);
    }
    EXPECT_EQ(spiel->vuRestZeitImage->blatt(), Zeigerinstrument::Blatt::RatezeitAn);
    spiel->switchVuRestZeit(false);
    EXPECT_EQ(spiel->vuRestZeitImage->blatt(), Zeigerinstrument::Blatt::RatezeitAus);
    EXPECT_EQ(spiel->vuRestZeitImage->wert(), 0);
}

// Wer nichts tut, verliert nach 100 Sekunden den Zug; die Meldung nennt den Vornamen.
TEST_F(Rahmen, RatezeitLaeuftNach100SekundenAb) {
    starte(zwei, "RatezeitBegrenzen=1");
    QString text;
    antworte(&text);
    d.uhr.vorstellen(99000);
    EXPECT_EQ(spiel->runde.aktSpieler, 0);
    EXPECT_EQ(spiel->ablauf.ratezeit.RateZeitZaehler, 950);
    d.uhr.vorstellen(1000);
    EXPECT_EQ(text, "Ende der Ratezeit: Die Ratezeit ist leider\nabgelaufen, Anna.");
    EXPECT_EQ(spiel->zeitUm, 1) << "der Haken des Spiels kam";
    EXPECT_EQ(spiel->runde.aktSpieler, 1);
    EXPECT_EQ(spiel->SpNameLbl->text(), "Ben");
    EXPECT_EQ(spiel->ablauf.ratezeit.RateZeitZaehler, 0);
    EXPECT_TRUE(spiel->ablauf.RestZeitTimer().aktiv()) << "die Uhr läuft für Ben weiter";
    EXPECT_FALSE(spiel->ablauf.haelt()) << "während der Meldung stand alles, danach läuft es";
}

// Fünf Minuten Spielzeit enden nach etwa 300 Sekunden, einmal, auch wenn beide Uhren im selben
// Takt fällig sind; danach fragt das Schließen nichts mehr.
TEST_F(Rahmen, SpielzeitEndetEinmal) {
    starte(zwei, "RatezeitBegrenzen=1\nEinstellungenSpeichern=1");
    spiel->richtig(); // Anna bekommt 10 Punkte
    QString ratezeit, ende;
    for (int i = 0; i < 3; ++i)
        antworte(&ratezeit); // bei 100, 200 und 300 s
    d.uhr.vorstellen(300000);
    EXPECT_FALSE(spiel->beendet()) << "4605 Twips zu 15 je Sekunde reichen etwas über 300 s";
    // beide Uhren im nächsten Takt fällig
    spiel->ablauf.ratezeit.RateZeitZaehler = 950;
    antworte(&ratezeit);
    antworte(&ende);
    d.uhr.vorstellen(10000);
    EXPECT_TRUE(ratezeit.startsWith("Ende der Ratezeit"));
    EXPECT_EQ(ende, "Ende der Spielzeit: Die Höchstspielzeit ist abgelaufen!\nTestspiel wird "
                    "jetzt beendet.");
    EXPECT_TRUE(spiel->beendet());
    EXPECT_FALSE(spiel->isVisible());
    EXPECT_EQ(spiel->vorEnde, 1);
    d.uhr.vorstellen(60000);
    EXPECT_TRUE(spiel->close()) << "nach dem Ende fragt das Schließen nichts";
    spiel->programmEnde();
    EXPECT_EQ(spiel->vorEnde, 1) << "das Ende kommt nur einmal";
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
    EXPECT_TRUE(ordner.lies("Varku.ini").contains("EinstellungenSpeichern= 1"));
    // jeder Spieler mit Punkten steht genau einmal in der Meisterliste
    const auto liste =
        Meisterliste(Meisterliste::meisterDatei(ordner.pfad("User")), "Testspiel").meisterliste();
    ASSERT_EQ(liste.size(), 1u);
    EXPECT_EQ(liste[0].Name, "Anna Lena");
    EXPECT_EQ(liste[0].Punkte, 10);
}

TEST_F(Rahmen, SchliessenNachDerSpielzeitFragtNichts) {
    starte(anna, "");
    antworte(nullptr);
    d.uhr.vorstellen(305000);
    ASSERT_TRUE(spiel->beendet());
    EXPECT_TRUE(spiel->close());
    EXPECT_FALSE(EndeFrm::geladen() && EndeFrm::geladen()->isVisible());
}

// Ein Mensch und der Computer: das Ende fragt "du", die Neues-Spiel-Frage des Radspiels zählt
// den Computer mit und sagt "ihr".
TEST_F(Rahmen, DuOderIhrMitDemComputer) {
    starte(anna, "");
    spiel->imDialog = [](Testspiel::Einstellungen& e) { return e.GegenComputer = 1; };
    spiel->mnuBearbEinstell->trigger();
    ASSERT_EQ(spiel->runde.nSpieler, 2);
    d.anzeige.dannKlicke("neinBtn");
    spiel->mnuDateiEnde->trigger();
    EXPECT_EQ(EndeFrm::instanz().Meldung->text(),
              "Bist du wirklich sicher, dass du Testspiel beenden willst?");
    QString frage;
    antworte(&frage, "Btn2"); // nein
    spiel->mnuDateiNeu->trigger();
    EXPECT_EQ(frage, "Neues Spiel: Seid ihr wirklich sicher,\ndass ihr Testspiel neu\nstarten "
                     "wollt?");
    EXPECT_FALSE(spiel->beendet());
}

TEST_F(Rahmen, ComputerSitztEinmalUndGehtWieder) {
    starte(zwei, "");
    DateiInfoFrm& info = DateiInfoFrm::instanz();
    for (int i = 0; i < 2; ++i) {
        spiel->imDialog = [](Testspiel::Einstellungen& e) { return e.GegenComputer = 1; };
        spiel->mnuBearbEinstell->trigger();
    }
    EXPECT_EQ(spiel->runde.nSpieler, 3);
    EXPECT_EQ(info.SpName[2]->text(), "Computer");
    EXPECT_FALSE(info.SpName[2]->isHidden());
    // Ben gibt ab: der Computer ist dran, die Menüs sind aus, danach wieder Anna
    spiel->runde.aktSpieler = 1;
    bool menuesAusBeimComputer = false;
    d.anzeige.dann([&](QWidget& w) {
        EXPECT_EQ(w.objectName(), "CompFrm");
        menuesAusBeimComputer = !spiel->mnuDateiNeu->isEnabled();
    });
    d.sound.befehle.clear();
    spiel->richtig();
    EXPECT_EQ(spiel->regeln.computerZuege, 0) << "sein Zug beginnt nach dem Wechsel";
    d.uhr.vorstellen(0);
    EXPECT_EQ(spiel->regeln.computerZuege, 1);
    EXPECT_TRUE(menuesAusBeimComputer);
    EXPECT_EQ(spiel->regeln.sterne[2], 5);
    EXPECT_EQ(spiel->runde.aktSpieler, 0);
    EXPECT_TRUE(spiel->mnuDateiNeu->isEnabled());
    EXPECT_FALSE(spiel->ablauf.computerAmZug());
    // der Computer wartet seinen Klang ab, auch ohne Ton
    EXPECT_TRUE(d.sound.befehle.contains("warte " + ordner.pfad("Sound/TROPFEN.WAV")));
    spiel->imDialog = [](Testspiel::Einstellungen& e) { return !(e.GegenComputer = 0); };
    spiel->mnuBearbEinstell->trigger();
    EXPECT_EQ(spiel->runde.nSpieler, 2);
    EXPECT_TRUE(info.SpName[2]->isHidden());
}

// GegenComputer=1 setzt den Computer vom Start an, wenn ein Platz frei ist; sonst steht der Wert
// danach auf 0. Ein OK, das nichts ändert, ändert nichts: kein neuer Zug, keine neue Ratezeit.
TEST_F(Rahmen, GespeicherterComputerSitztVomStartAn) {
    const QString vier = "\"Version=4;RuvoFeldName=KAT1;nSpieler=4;Anna;Ben;Cem;Dora;"
                         "AAAAAAAA;BBBBBBBB;CCCCCCCC;DDDDDDDD;\"";
    struct Fall {
        const char* name;
        QString zeile;
        int hoechstens;
        bool ersterNachSitzwechsel;
        int spieler; // mit dem Computer, wenn er sitzt
        bool sitzt;
    };
    const Fall faelle[] = {
        {"zwei und der Computer", zwei, 5, false, 3, true},
        {"die Runde beginnt neu nach Sitzwechseln", zwei, 5, true, 3, true},
        {"vier und der Computer als fünfter", vier, 5, true, 5, true},
        {"vier Karten für vier", vier, 4, true, 4, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Spielkonfiguration k = Testspiel::konfiguration();
        k.hoechstensSpielerMitComputer = f.hoechstens;
        k.ersterSpielerNachSitzwechsel = f.ersterNachSitzwechsel;
        starte(f.zeile, "GegenComputer=1\nRatezeitBegrenzen=1", "[Spiele]\nMaximaleSpielDauer=5\n",
               k);
        ASSERT_EQ(spiel->runde.nSpieler, f.spieler);
        EXPECT_EQ(spiel->runde.computerSitzt(), f.sitzt);
        EXPECT_EQ(spiel->einst.GegenComputer, f.sitzt ? 1 : 0);
        spiel->richtig(); // Ben ist dran
        d.uhr.vorstellen(20000);
        const int zaehler = spiel->ablauf.ratezeit.RateZeitZaehler;
        const int wechsel = spiel->regeln.wechsel;
        const QString wort = spiel->WortLbl->text();
        int gesehen = -1;
        spiel->imDialog = [&](Testspiel::Einstellungen& e) {
            gesehen = e.GegenComputer;
            return true;
        };
        spiel->mnuBearbEinstell->trigger();
        EXPECT_EQ(gesehen, f.sitzt ? 1 : 0) << "der Dialog zeigt den Platz";
        EXPECT_EQ(spiel->runde.nSpieler, f.spieler);
        EXPECT_EQ(spiel->runde.aktSpieler, 1);
        EXPECT_EQ(spiel->regeln.wechsel, wechsel);
        EXPECT_EQ(spiel->ablauf.ratezeit.RateZeitZaehler, zaehler);
        EXPECT_EQ(spiel->WortLbl->text(), wort);
        spiel.reset();
        entladeAlleFenster();
    }
}

// Setzt sich der Computer oder geht er, wo das Spiel danach den ersten Spieler will: der erste ist
// dran, und wer gerade dran war, erfährt warum. Ohne das bleibt der Zug, wo er ist.
TEST_F(Rahmen, SitzwechselGibtDemErstenDenZug) {
    struct Fall {
        const char* name;
        bool ersterNachSitzwechsel;
        int dran;            // vor dem Dialog
        int computer;        // 1 setzt ihn, 0 nimmt ihn weg
        int danach;          // wer dann dran ist
        const char* meldung; // nullptr: keine
    };
    const Fall faelle[] = {
        {"Ben dran, der Computer kommt", true, 1, 1, 0,
         "Spielerwechsel: Der Computer spielt jetzt mit.\nDie Runde beginnt deshalb\nwieder bei "
         "Anna."},
        {"Ben dran, der Computer geht", true, 1, 0, 0,
         "Spielerwechsel: Der Computer spielt nicht mehr mit.\nDie Runde beginnt deshalb\nwieder "
         "bei Anna."},
        {"Anna dran, der Computer kommt", true, 0, 1, 0, nullptr},
        {"der Zug bleibt", false, 1, 1, 1, nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Spielkonfiguration k = Testspiel::konfiguration();
        k.ersterSpielerNachSitzwechsel = f.ersterNachSitzwechsel;
        starte(zwei, f.computer == 1 ? "" : "GegenComputer=1", "[Spiele]\nMaximaleSpielDauer=5\n",
               k);
        spiel->runde.aktSpieler = f.dran;
        spiel->imDialog = [&](Testspiel::Einstellungen& e) {
            e.GegenComputer = f.computer;
            return true;
        };
        // ohne Skript geht jedes Fenster gleich wieder zu: der Dialog des Testspiels, die Meldung
        d.anzeige.ohneSkript.clear();
        spiel->mnuBearbEinstell->trigger();
        EXPECT_EQ(spiel->runde.computerSitzt(), f.computer == 1);
        EXPECT_EQ(spiel->runde.aktSpieler, f.danach);
        EXPECT_EQ(spiel->SpNameLbl->text(), spiel->runde.name());
        const bool gemeldet = d.anzeige.ohneSkript.contains("MldFenster");
        ASSERT_EQ(gemeldet, f.meldung != nullptr);
        if (gemeldet) {
            EXPECT_EQ(MldFenster::instanz().windowTitle() + ": " +
                          MldFenster::instanz().Meldung->text(),
                      f.meldung);
        }
        spiel.reset();
        entladeAlleFenster();
    }
}

// In der Schrift der Programme auf einem Schirm von 1366 x 768 bleiben dem Fenster unter der
// Titelleiste etwa 700 Punkte. Alles im Rahmen rechts steht darin, auch mit dem längsten Titel
// eines Schwerpunkts, und der Titel passt in sein Feld.
TEST_F(Rahmen, RahmenPasstAufDenKleinenSchirm) {
    struct Programmschrift {
        QFont schrift = QApplication::font();
        QString stil = QApplication::style()->name();
        Programmschrift() { setzeProgrammschrift(); }
        ~Programmschrift() {
            QApplication::setStyle(QStyleFactory::create(stil));
            QApplication::setFont(schrift);
        }
    } programmschrift;
    const char* titel[] = {
        "Tiere",
        "Lauttreue Wörter mit a [Wörter schreiben wie man sie spricht]",
        "Lauttreue Wörter mit zwei Mitlauten am Anfang [bl - br - dr - fl - gr - kr - tr]",
    };
    for (const char* t : titel) {
        SCOPED_TRACE(t);
        ordner.schreibe("Varku.tsp", ">>> Seite,-\n" + QByteArray(t) + ",KAT1\n");
        starte(zwei, "");
        spiel->adjustSize();
        // der Fenstermanager gibt dem Fenster höchstens den Schirm unter der Titelleiste
        spiel->resize(std::min(spiel->width(), 1366), std::min(spiel->height(), 700));
        QCoreApplication::processEvents();
        EXPECT_LE(spiel->height(), 700);
        const QWidget* rahmen = spiel->findChild<QWidget*>("Rahmen");
        ASSERT_NE(rahmen, nullptr);
        const QRect sichtbar = spiel->centralWidget()->rect();
        EXPECT_TRUE(sichtbar.contains(
            QRect(rahmen->mapTo(spiel->centralWidget(), QPoint()), rahmen->size())));
        for (const QWidget* w : rahmen->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(rahmen))
                continue;
            EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
                << w->objectName().toStdString() << " in "
                << w->parentWidget()->objectName().toStdString();
        }
        const QLabel& l = *spiel->UebTitelLabel;
        EXPECT_EQ(l.text(), QString::fromUtf8(t));
        EXPECT_LE(QFontMetrics(l.font())
                      .boundingRect(QRect(0, 0, l.width(), 10000), Qt::TextWordWrap, l.text())
                      .height(),
                  l.height());
        spiel.reset();
        entladeAlleFenster();
    }
}

// Das Fenster des Computers zeigt sein Bild links neben "Bitte warten!" und dem Text; das des
// Radspiels nur die Texte.
TEST_F(Rahmen, ComputerfensterMitBild) {
    QDir().mkpath(ordner.pfad("Grafik"));
    QImage bild(48, 48, QImage::Format_ARGB32);
    bild.fill(QColor(0x2a, 0x9c, 0xa1));
    ASSERT_TRUE(bild.save(ordner.pfad("Grafik/ComputerBild.png")));
    for (const bool mitBild : {true, false}) {
        SCOPED_TRACE(mitBild);
        Computerfenster f(nullptr, "Testspiel", "Jetzt bin ich dran.", dienste::uhr().neuerTimer(),
                          mitBild);
        d.anzeige.zeige(f);
        QCoreApplication::processEvents();
        const auto* bildLbl = f.findChild<QLabel*>("Image1");
        ASSERT_EQ(bildLbl != nullptr, mitBild);
        if (!mitBild)
            continue;
        ASSERT_FALSE(bildLbl->pixmap().isNull());
        EXPECT_EQ(bildLbl->pixmap().toImage().pixelColor(10, 10), QColor(0x2a, 0x9c, 0xa1));
        EXPECT_TRUE(bildLbl->isVisible());
        EXPECT_TRUE(f.rect().contains(bildLbl->geometry()));
        for (const QLabel* text : {f.WarteLbl, f.TextLbl})
            EXPECT_LT(bildLbl->geometry().right(), text->geometry().left());
        EXPECT_GE(bildLbl->width(), 64) << "groß genug, dass man ihn erkennt";
    }
}

// Das Tempo des Computers: nach n Takten geschieht es, einmal, und der Zeitgeber steht; was
// geschieht, darf weiter warten. Ein neues Warten ersetzt das alte, beende bricht es ab, und ist
// der Zug vorbei, geht das Fenster im nächsten Takt, ohne dass etwas geschieht.
TEST_F(Rahmen, ComputerWartetTakte) {
    Computerfenster f(nullptr, "Testspiel", "Ich warte.", dienste::uhr().neuerTimer(), false);
    f.CompZugTimer->setzeIntervall(100);
    const double start = d.uhr.sekundenSeitMitternacht();
    QStringList geschehen;
    const auto merke = [&](const QString& was) {
        return [&, was] {
            const int ms = int(std::lround((d.uhr.sekundenSeitMitternacht() - start) * 1000));
            geschehen << QString("%1@%2").arg(was).arg(ms);
        };
    };

    f.warteTakte(3, [&] {
        merke("a")();
        f.warteTakte(2, merke("b"));
    });
    d.uhr.vorstellen(200);
    EXPECT_EQ(f.restTakte(), 1);
    d.uhr.vorstellen(800);
    EXPECT_EQ(geschehen, QStringList({"a@300", "b@500"}));
    EXPECT_FALSE(f.CompZugTimer->aktiv());
    EXPECT_EQ(f.restTakte(), 0);

    geschehen.clear();
    f.warteTakte(3, merke("alt"));
    d.uhr.vorstellen(200);
    f.warteTakte(4, merke("neu"));
    d.uhr.vorstellen(1000);
    EXPECT_EQ(geschehen, QStringList({"neu@1600"})) << "vier Takte nach dem neuen Warten";

    geschehen.clear();
    f.warteTakte(3, merke("abgebrochen"));
    d.uhr.vorstellen(100);
    f.beende();
    d.uhr.vorstellen(1000);
    EXPECT_TRUE(geschehen.isEmpty());
    EXPECT_FALSE(f.CompZugTimer->aktiv());

    bool zugLaeuft = true;
    f.show();
    f.warteTakte(3, merke("zu spät"), [&] { return zugLaeuft; });
    d.uhr.vorstellen(100);
    EXPECT_TRUE(f.isVisible());
    zugLaeuft = false;
    d.uhr.vorstellen(100);
    EXPECT_FALSE(f.isVisible()) << "der Zug ist vorbei: das Fenster geht";
    EXPECT_FALSE(f.CompZugTimer->aktiv());
    d.uhr.vorstellen(1000);
    EXPECT_TRUE(geschehen.isEmpty());
}

// Ohne Ton bleibt "Gratulation1" still; ein abgewarteter Klang spielt trotzdem.
TEST_F(Rahmen, TonAusUndAbgewarteteKlaenge) {
    struct Fall {
        const char* einstellung;
        bool gratulation;
    };
    for (const Fall& f : {Fall{"TonEinschalten=0", false}, Fall{"TonEinschalten=1", true}}) {
        starte(anna, f.einstellung);
        d.sound.befehle.clear();
        spiel->richtig();
        EXPECT_EQ(d.sound.befehle.contains("spiele " + ordner.pfad("Sound/Juhu.WAV")),
                  f.gratulation)
            << f.einstellung;
        spiel->spieleWavWarten("TUTUT");
        EXPECT_EQ(d.sound.befehle.last(), "warte " + ordner.pfad("Sound/TUTUT.WAV"));
        spiel.reset();
        entladeAlleFenster();
    }
}

TEST_F(Rahmen, NeuesSpielSetztPunkteZurueck) {
    starte(zwei, "");
    spiel->richtig();          // Anna 10, Ben ist dran
    spiel->richtig();          // Ben 10
    antworte(nullptr, "Btn1"); // ja
    spiel->mnuDateiNeu->trigger();
    EXPECT_EQ(spiel->regeln.sterne[0], 0);
    EXPECT_EQ(spiel->regeln.sterne[1], 0);
    EXPECT_EQ(spiel->runde.aktSpieler, 0);
    EXPECT_EQ(spiel->regeln.neueSpiele, 1);
    EXPECT_EQ(DateiInfoFrm::instanz().SpPunkte[1]->text(), "0");
    EXPECT_EQ(spiel->punkZiff->text(), "000000");
}

// Wer die Zeichenkette nicht von VARKU hat oder keine Wörter findet, sieht eine Meldung, und
// das Spiel endet, ohne eine Datei anzufassen.
TEST_F(Rahmen, AbgewiesenOderOhneWoerter) {
    ordner.schreibe("Varku.ini", "[Testspiel]\nEinstellungenSpeichern=1\n");
    const QByteArray ini = ordner.lies("Varku.ini");
    const auto fabrik = [](const Spielkonfiguration& k, const Spielstartdaten& s) {
        return std::unique_ptr<Spielfenster>(new Testspiel(k, s));
    };
    QString text;
    antworte(&text);
    EXPECT_EQ(spielAblauf("", Testspiel::konfiguration(), fabrik), 1);
    EXPECT_TRUE(text.startsWith("Laufzeitfehler: Dieses Spiel lässt sich nur aus"))
        << text.toStdString();
    antworte(&text);
    EXPECT_EQ(spielAblauf("\"Version=4;RuvoFeldName=KAT2;nSpieler=1;A;ABCDEFGH;\"",
                          Testspiel::konfiguration(), fabrik),
              1);
    EXPECT_EQ(text, "Keine Wörter: Zu diesem Übungsschwerpunkt gibt es\nkeine Wörter für "
                    "Testspiel.\nWähle in VARKU einen anderen aus.")
        << "ein Kind hört du";
    antworte(&text);
    EXPECT_EQ(spielAblauf("\"Version=4;RuvoFeldName=KAT2;nSpieler=2;A;B;ABCDEFGH;IJKLMNOP;\"",
                          Testspiel::konfiguration(), fabrik),
              1);
    EXPECT_TRUE(text.endsWith("Wählt in VARKU einen anderen aus.")) << text.toStdString();
    EXPECT_EQ(ordner.lies("Varku.ini"), ini);
    EXPECT_FALSE(ordner.gibt("User/Meister.sqlite"));
}

// Ohne Tonausgabe bleibt der Startklang stumm. Der Hinweis darauf kommt über dem fertigen
// Spielfenster; davor hielte er das Bauen an, und nach seinem OK stünde erst das Fenster auf.
TEST_F(Rahmen, HinweisOhneTonUeberDemSpielfenster) {
    ordner.schreibe("Varku.ini", "[Testspiel]\nTonEinschalten=1\n[Sound]\nProgrammStart=Start\n");
    d.sound.ohneAusgabe = true;
    Spielkonfiguration k = Testspiel::konfiguration();
    k.startKlangBeimStart = true;
    const auto fabrik = [](const Spielkonfiguration& k, const Spielstartdaten& s) {
        return std::unique_ptr<Spielfenster>(new Testspiel(k, s));
    };
    QStringList reihe; // die modal gezeigten Fenster, wie sie kamen
    QString text;
    const auto fenster = [&](QWidget& w) {
        if (auto* m = dynamic_cast<MldFenster*>(&w)) {
            reihe << "Meldung";
            text = w.windowTitle() + ": " + m->Meldung->text();
            klicke(w, "Btn1");
        } else {
            reihe << "Spiel";
            QCoreApplication::sendPostedEvents(); // die Schleife des Spielfensters läuft
        }
    };
    d.anzeige.dann(fenster);
    d.anzeige.dann(fenster);
    EXPECT_EQ(spielAblauf(anna, k, fabrik), 0);
    EXPECT_EQ(reihe, QStringList({"Spiel", "Meldung"}));
    EXPECT_TRUE(d.sound.befehle.contains("spiele " + ordner.pfad("Sound/Start.WAV")))
        << d.sound.befehle.join(" | ").toStdString();
    EXPECT_TRUE(text.startsWith("Info: Auf diesem Computer ist keine Tonausgabe eingerichtet."))
        << text.toStdString();
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
}

// Jedes Fenster über dem Spiel hält dessen eigenen Zeitgeber und die Uhren: Meldung, Hilfe,
// Einstellungen, Infofenster, Meisterliste, Info über. Im Fenster des Computers läuft er weiter.
TEST_F(Rahmen, JedesFensterHaeltDieUhren) {
    starte(zwei, "Tempo=1\nRatezeitBegrenzen=1");
    d.hilfe.dateienVorhanden = false;
    struct Fall {
        const char* name;
        std::function<void()> oeffne;
        bool laeuft;
    };
    const Fall faelle[] = {
        {"Meldung", [&] { spiel->meldung("Hallo", "Info"); }, false},
        {"Hilfe ohne Datei", [&] { spiel->mnuHilfeBedienung->trigger(); }, false},
        {"Einstellungen", [&] { spiel->mnuBearbEinstell_Click(); }, false},
        {"Infofenster", [&] { spiel->mnuDateiInfo->trigger(); }, false},
        {"Meisterliste", [&] { spiel->mnuDateiMeisterliste->trigger(); }, false},
        {"Info über", [&] { spiel->mnuHilfeInfo->trigger(); }, false},
        {"Neues Spiel", [&] { spiel->mnuDateiNeu->trigger(); }, false},
        {"Computer", [&] { dienste::anzeige().zeigeModal(*spiel->CompFrm); }, true},
    };
    for (const Fall& f : faelle) {
        const int vorher = spiel->animTakte;
        const int zaehler = spiel->ablauf.ratezeit.RateZeitZaehler;
        bool gezeigt = false;
        d.anzeige.dann([&](QWidget& w) {
            gezeigt = true;
            d.uhr.vorstellen(10000);
            w.hide();
        });
        f.oeffne();
        EXPECT_TRUE(gezeigt) << f.name;
        EXPECT_EQ(spiel->animTakte - vorher >= 10, f.laeuft) << f.name;
        EXPECT_EQ(spiel->ablauf.ratezeit.RateZeitZaehler > zaehler, f.laeuft) << f.name;
        EXPECT_FALSE(spiel->ablauf.haelt()) << f.name;
        // danach läuft er weiter
        const int danach = spiel->animTakte;
        d.uhr.vorstellen(3000);
        EXPECT_EQ(spiel->animTakte - danach, 3) << f.name;
    }
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
}

// Die Haken des Testspiels: seine eigene Ratezeitmeldung, seine Taste, seine Sterne als Punkte,
// und die Einstellungen sind gesperrt, solange sein Zeitgeber läuft.
TEST_F(Rahmen, HakenDesSpiels) {
    starte(zwei, "RatezeitBegrenzen=1");
    EXPECT_TRUE(spiel->mnuBearbEinstell->isEnabled());
    spiel->eigeneRatezeit = true;
    QString text;
    antworte(&text);
    d.uhr.vorstellen(100000);
    EXPECT_EQ(text, "Spielerwechsel: Die Zeit ist um.");
    EXPECT_EQ(spiel->runde.aktSpieler, 1);
    const int wechsel = spiel->regeln.wechsel;
    QTest::keyClicks(spiel->richtigBtn, "r");
    EXPECT_EQ(spiel->regeln.sterne[1], 10);
    EXPECT_EQ(spiel->runde.aktSpieler, 0);
    EXPECT_EQ(spiel->regeln.wechsel, wechsel + 1);
    EXPECT_EQ(spiel->runde.SpielerPunkte[1], 0) << "die Punkte sind die Sterne des Spiels";
    spiel->mnuDateiInfo_Click();
    EXPECT_EQ(DateiInfoFrm::instanz().SpPunkte[1]->text(), "10");
    // der eigene Zeitgeber läuft: die Einstellungen sind gesperrt
    spiel->AnimTimer->setzeIntervall(1000);
    spiel->AnimTimer->setzeAktiv(true);
    spiel->ablauf.menuesGeaendert();
    EXPECT_FALSE(spiel->mnuBearbEinstell->isEnabled());
    EXPECT_TRUE(spiel->mnuDateiInfo->isEnabled());
}

// Hält das Spiel Ratezeit und Spielzeit, während der Computer zieht, laufen seine eigenen
// Zeitgeber trotzdem weiter.
TEST_F(Rahmen, UhrenStehenBeimComputerWennDasSpielEsWill) {
    ordner.schreibe("Varku.ini", "[Testspiel]\nTempo=1\nRatezeitBegrenzen=1\nGegenComputer=1\n"
                                 "[Spiele]\nMaximaleSpielDauer=5\n");
    Spielkonfiguration k = Testspiel::konfiguration();
    k.uhrenBeimComputerHalten = true;
    const Startpruefung p = pruefeStart(anna, k);
    ASSERT_TRUE(p.angenommen);
    spiel = std::make_unique<Testspiel>(k, p.daten);
    spiel->imDialog = [](Testspiel::Einstellungen& e) { return e.GegenComputer = 1; };
    // das Menü ist gesperrt, solange der eigene Zeitgeber läuft
    spiel->mnuBearbEinstell_Click();
    ASSERT_EQ(spiel->runde.nSpieler, 2);
    int takte = 0, zaehler = -1;
    d.anzeige.dann([&](QWidget& w) {
        const int vorher = spiel->animTakte;
        d.uhr.vorstellen(10000);
        takte = spiel->animTakte - vorher;
        zaehler = spiel->ablauf.ratezeit.RateZeitZaehler;
        w.hide();
    });
    spiel->richtig(); // Anna gibt an den Computer ab
    d.uhr.vorstellen(0);
    EXPECT_EQ(takte, 10);
    EXPECT_EQ(zaehler, 0) << "die Ratezeit stand";
    EXPECT_EQ(spiel->regeln.sterne[1], 5);
}

// Ohne Tonausgabe und mit einem Fehler beim Start: die Meldung des Fehlers bleibt stehen, der
// Hinweis auf die fehlende Tonausgabe ersetzt sie nicht.
TEST_F(Rahmen, HinweisOhneTonErsetztKeineMeldung) {
    ordner.schreibe("Varku.ini", "[Testspiel]\nTonEinschalten=1\n[Sound]\nProgrammStart=Start\n"
                                 "ProgrammMeldung=Hinweis\n");
    d.sound.ohneAusgabe = true;
    const auto fabrik = [](const Spielkonfiguration& k, const Spielstartdaten& s) {
        return std::unique_ptr<Spielfenster>(new Testspiel(k, s));
    };
    QStringList gesehen;
    d.anzeige.dann([&](QWidget& w) {
        auto& m = static_cast<MldFenster&>(w);
        // die Schleife der Meldung läuft: was gepostet ist, kommt jetzt
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        gesehen << m.Meldung->text();
        klicke(w, "Btn1");
    });
    EXPECT_EQ(spielAblauf("\"Version=4;RuvoFeldName=KAT2;nSpieler=1;A;ABCDEFGH;\"",
                          Testspiel::konfiguration(), fabrik),
              1);
    ASSERT_EQ(gesehen.size(), 1);
    EXPECT_TRUE(gesehen[0].startsWith("Zu diesem Übungsschwerpunkt")) << gesehen[0].toStdString();
}

// Esc und das Schließfeld auf der Frage vor einem neuen Spiel sagen "nein": die Punkte bleiben.
TEST_F(Rahmen, NeuesSpielMitEscLaesstDiePunkte) {
    starte(zwei, "");
    spiel->richtig();
    for (const bool schliessfeld : {false, true}) {
        d.anzeige.dann([schliessfeld](QWidget& w) {
            if (schliessfeld)
                w.close();
            else
                QTest::keyClick(&w, Qt::Key_Escape);
        });
        spiel->mnuDateiNeu->trigger();
        EXPECT_EQ(spiel->regeln.sterne[0], 10) << schliessfeld;
        EXPECT_EQ(spiel->regeln.neueSpiele, 0) << schliessfeld;
    }
}

// Wer den Hintergrund des Spiels aktiviert, bekommt das Spiel zurück, auch aus der
// Verkleinerung. Das Skript gehört dem Spielfenster: käme ein anderes Fenster vor ihm (ein
// Hinweis, der aus einem früheren Lauf noch wartete), prüfte es nichts.
TEST_F(Rahmen, HintergrundHoltDasSpielZurueck) {
    ordner.schreibe("Varku.ini", "[Testspiel]\n");
    const auto fabrik = [](const Spielkonfiguration& k, const Spielstartdaten& s) {
        return std::unique_ptr<Spielfenster>(new Testspiel(k, s));
    };
    bool zurueck = false;
    d.anzeige.dann([&](QWidget& spielfenster) {
        ASSERT_NE(dynamic_cast<Testspiel*>(&spielfenster), nullptr)
            << spielfenster.objectName().toStdString() << " kam vor dem Spielfenster";
        spielfenster.setWindowState(Qt::WindowMinimized);
        QWidget* hintergrund = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "TestspielBackFrm")
                hintergrund = w;
        ASSERT_NE(hintergrund, nullptr);
        QEvent aktiv(QEvent::WindowActivate);
        QCoreApplication::sendEvent(hintergrund, &aktiv);
        zurueck = !(spielfenster.windowState() & Qt::WindowMinimized);
        spielfenster.hide();
    });
    EXPECT_EQ(spielAblauf(anna, Testspiel::konfiguration(), fabrik), 0);
    EXPECT_TRUE(zurueck);
}

// Ein Vorspann vor dem Wort wird mit ihm kleiner, bis beide nebeneinander passen; das Wort nie
// unter die kleinste Größe, der Vorspann nie unter 1 Punkt
TEST(Schriftanpassung, VorspannWirdMitDemWortKleiner) {
    struct Fall {
        const char* vorspann;
        const char* wort;
        int breite;
        int wortPunkte, vorspannPunkte; // 0: passt, in welcher Größe auch immer
    };
    const Fall faelle[] = {
        {"der", "Igel", 400, 20, 8},
        {"die", "Donaudampfschifffahrtskapitän", 300, 0, 0},
        {"das", "Donaudampfschifffahrtskapitänsmützenabzeichen", 120, 6, 1},
        {"", "Straße", 400, 20, 8},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wort);
        QWidget w;
        QLabel vorspann(QString::fromUtf8(f.vorspann), &w), wort(&w);
        vorspann.setGeometry(0, 0, 40, 30);
        wort.setGeometry(40, 0, f.breite - 40, 30);
        passeSchriftAn(vorspann, 8, wort, QString::fromUtf8(f.wort), 20, 6);
        if (f.wortPunkte > 0) {
            EXPECT_EQ(wort.font().pointSize(), f.wortPunkte);
            EXPECT_EQ(vorspann.font().pointSize(), f.vorspannPunkte);
            continue;
        }
        EXPECT_LT(wort.font().pointSize(), 20);
        EXPECT_GT(wort.font().pointSize(), 6);
        EXPECT_EQ(wort.font().pointSize() - vorspann.font().pointSize(), 12) << "zugleich kleiner";
        EXPECT_LE(textBreite(vorspann.text(), vorspann.font()) +
                      textBreite(QString::fromUtf8(f.wort), wort.font()),
                  twips(f.breite));
    }
}

// Die Lupe steht um die Buchstaben dort, wo das Feld sie malt: nach Rand, Einzug und Ausrichtung,
// und sie geht mit, wenn das Feld im kleineren Fenster nur rückt
TEST(Lupenwort, FolgtDemGemaltenWort) {
    struct Fall {
        Qt::Alignment ausrichtung;
        int rand, einzug;
    };
    const Fall faelle[] = {{Qt::AlignLeft | Qt::AlignVCenter, 0, -1},
                           {Qt::AlignCenter, 0, -1},
                           {Qt::AlignRight | Qt::AlignVCenter, 5, -1},
                           {Qt::AlignLeft | Qt::AlignVCenter, 3, 12}};
    const QString text = QStringLiteral("Muschel");
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(int(fall.ausrichtung));
        QWidget fenster;
        auto* lage = new QHBoxLayout(&fenster);
        auto* wort = new QLabel(text, &fenster);
        wort->setFixedWidth(300);
        wort->setAlignment(fall.ausrichtung);
        wort->setMargin(fall.rand);
        wort->setIndent(fall.einzug);
        lage->addStretch();
        lage->addWidget(wort);
        auto* lupe = new QWidget(&fenster);
        auto* lw = new Lupenwort(*wort, *lupe, 30,
                                 [wort](const QString& w) { passeSchriftAn(*wort, w, 20); });
        fenster.resize(500, 80);
        fenster.show();
        lw->zeige(text);
        lw->markiere(text, 3, 5, true);
        for (const int breite : {500, 420}) {
            fenster.resize(breite, 80);
            QCoreApplication::processEvents();
            // wo das Wort anfängt: seine erste Tinte, weniger dem Vorlauf des ersten Buchstaben
            const QImage bild = wort->grab().toImage();
            int tinte = -1;
            for (int x = 0; x < bild.width() && tinte < 0; ++x)
                for (int y = 0; y < bild.height(); ++y)
                    if (qGray(bild.pixel(x, y)) < 150) {
                        tinte = x;
                        break;
                    }
            const QFontMetricsF m(wort->font());
            const double anfang = wort->x() + tinte - m.leftBearing(text[0]);
            EXPECT_NEAR(lupe->x(), anfang + m.horizontalAdvance(QStringLiteral("Mu")) - 2, 2)
                << breite;
            EXPECT_NEAR(lupe->width(), m.horizontalAdvance(QStringLiteral("sch")) + 4, 2);
        }
    }
}
