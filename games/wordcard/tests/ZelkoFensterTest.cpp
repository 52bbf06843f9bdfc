// Das Kartenspiel durch seine Liste, Tasten und Knöpfe, mit gestellter Uhr und gestelltem Zufall:
// ohne Vorgabe zieht es Vorrat A, den ersten Kandidaten und Feld 1.
#include "foundation/Anzeigen.h"
#include "foundation/MldFenster.h"
#include "foundation/Protokolldatei.h"
#include "foundation/Sound.h"
#include "foundation/testing/Meldungen.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "foundation/testing/Zugriffstasten.h"
#include "gamekit/Spielstart.h"
#include "games/wordcard/EinstellFrm.h"
#include "games/wordcard/MainFrm.h"
#include "platform/Fensterablage.h"
#include "platform/Laufzeitfehler.h"
#include "platform/testing/TestDienste.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::zelko;
using namespace varku::test;

namespace {

const QByteArray rahmenZeile = "5= OK\r\n";

struct Zelko : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    std::unique_ptr<MainFrm> f;
    QStringList meldungen;
    const QStringList namen{"Anna Lena", "Ben", "Cem", "Dora"};
    const QStringList staemme{"AAAAAAAA", "BBBBBBBB", "CCCCCCCC", "DDDDDDDD"};

    Zelko() {
        ordner.schreibe("Varku.tsp", ">>> Seite,-\nTiere,KAT1\nAndere,KAT2\n");
        ordner.schreibe("Varku.kmp", "KAT1,KAT1=TRUE,KAT2,KAT2=TRUE,0:0,\"ä:e\",Denk an Bär.\r\n");
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{1, "Bär", "der", 2, false, true, false, "Der @ brummt.", ""},
                      {2, "Hexe", "die", 1, false, false, true, "", ""}});
        QDir().mkpath(ordner.pfad("User"));
        for (const QString& s : staemme)
            ordner.schreibe("User/" + s + ".tmp", rahmenZeile);
    }
    ~Zelko() override {
        f.reset();
        entladeAlleFenster();
        initSoundTabelle();
    }
    QString startZeile(int spieler, const QString& kategorie = "KAT1") const {
        QString z =
            "\"Version=4;RuvoFeldName=" + kategorie + ";nSpieler=" + QString::number(spieler) + ";";
        for (int i = 0; i < spieler; ++i)
            z += namen[i] + ";";
        for (int i = 0; i < spieler; ++i)
            z += staemme[i] + ";";
        return z + "\"";
    }
    void starte(const QByteArray& einstellungen = {}, int spieler = 2,
                const QString& kategorie = "KAT1") {
        ordner.schreibe("Varku.ini",
                        "[Zelko]\n" + einstellungen + "\n[Spiele]\nMaximaleSpielDauer=30\n");
        ladeSoundIni();
        const Startpruefung p =
            pruefeStart(startZeile(spieler, kategorie), MainFrm::konfiguration());
        ASSERT_TRUE(p.angenommen) << p.meldung.toStdString();
        f = std::make_unique<MainFrm>(MainFrm::konfiguration(), p.daten);
        d.anzeige.zeige(*f);
    }
    void merkeMeldung() { test::merkeMeldung(d.anzeige, meldungen); }
    // ein Zeichen, wie die Tastatur es schickt
    void tippe(const QString& zeichen) {
        QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, zeichen);
        QCoreApplication::sendEvent(f->brett()->einsetzenBtn, &druck);
    }
    void waehle(int zeile) {
        f->brett()->wLueckGrLst->setCurrentRow(zeile);
        klicke(*f, "einsetzenBtn");
    }
    QByteArray protokoll(int spieler) const {
        return ordner.lies("User/" + staemme[spieler] + ".tmp");
    }
    Spielrunde& runde() { return f->runde; }
    const Kartenfeld& karte(int tafel) const { return *f->brett()->spFldFrame[size_t(tafel)]; }
};

} // namespace

TEST_F(Zelko, ZeigtDenAufruf) {
    starte();
    EXPECT_EQ(f->windowTitle(), "Varku - Zelko");
    EXPECT_EQ(f->brett()->FeldKennungLbl->text(), "Z1");
    EXPECT_EQ(f->brett()->LueckZeile->KontextLbl->text(), "der");
    EXPECT_EQ(f->brett()->LueckZeile->LueckWortLbl->text(), "B    r");
    EXPECT_TRUE(f->brett()->LueckZeile->LueckenMarke->isVisibleTo(f.get()));
    EXPECT_EQ(f->brett()->LueckSatzLbl->text(), "Der B__r brummt.");
    ASSERT_EQ(f->brett()->wLueckGrLst->count(), 2);
    EXPECT_EQ(f->brett()->wLueckGrLst->item(0)->text(), "ä");
    EXPECT_TRUE(f->brett()->wLueckGrLst->selectedItems().isEmpty());
    EXPECT_EQ(karte(0).spieler(), 0);
    EXPECT_EQ(karte(1).name(), "Ben");
    EXPECT_EQ(karte(2).spieler(), -1) << "eine Karte ohne Spieler ist grau";
    EXPECT_EQ(f->brett()->ladenImg->zustand(), Lampenzustand::Gruen);
    // ohne Wahl tut "einsetzen" nichts
    klicke(*f, "einsetzenBtn");
    EXPECT_EQ(protokoll(0), rahmenZeile);
    d.anzeige.dann([](QWidget& w) {
        EXPECT_EQ(w.findChild<QLabel*>("KatKurzHilfeLbl")->text(), "Denk an Bär.");
        klicke(w, "okBtn");
    });
    klicke(*f, "LoesTippBtn");
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
}

// Falsch, falsch, richtig: drei Zeilen im Protokoll, der Einsatz geht vor der Meldung ab, Feld,
// Wort und Spieler bleiben, bis die Antwort stimmt
TEST_F(Zelko, FalscheUndRichtigeAntworten) {
    starte();
    runde().SpielerPunkte[0] = 10;
    long punkteBeiDerMeldung = -1;
    d.anzeige.dann([&](QWidget& w) {
        punkteBeiDerMeldung = f->runde.SpielerPunkte[0];
        meldungen << w.windowTitle() + ": " + static_cast<MldFenster&>(w).Meldung->text();
        klicke(w, "Btn1");
    });
    waehle(1);
    EXPECT_EQ(punkteBeiDerMeldung, 2) << "Einsatz 2 × (2 + 2)";
    EXPECT_EQ(meldungen.value(0),
              "Fehler: Anna, das stimmt leider nicht!\nSieh dir doch mal den Lösungs-\ntipp an.");
    EXPECT_EQ(f->brett()->falschImg->zustand(), Lampenzustand::Rot);
    EXPECT_EQ(f->SpNameLbl->text(), "Anna Lena");
    EXPECT_EQ(f->brett()->FeldKennungLbl->text(), "Z1");
    merkeMeldung();
    waehle(1);
    EXPECT_EQ(runde().SpielerPunkte[0], 0);
    waehle(0);
    EXPECT_EQ(protokoll(0), rahmenZeile + "1= Ber\r\n1= Ber\r\n1= OK\r\n");
    EXPECT_EQ(runde().SpielerPunkte[0], 8);
    // der Zug ist bei Ben: seine Karte vorn, Annas mit dem Feld hinten
    EXPECT_EQ(f->SpNameLbl->text(), "Ben");
    EXPECT_EQ(karte(0).spieler(), 1);
    EXPECT_EQ(karte(1).spieler(), 0);
    EXPECT_TRUE(karte(1).markiert(1));
    EXPECT_EQ(f->brett()->FeldKennungLbl->text(), "E1") << "Feld 1 hat Anna";
    merkeMeldung();
    waehle(1);
    EXPECT_EQ(protokoll(1), rahmenZeile + "1= Ber\r\n");
    EXPECT_EQ(protokoll(0), rahmenZeile + "1= Ber\r\n1= Ber\r\n1= OK\r\n");
}

// Die Lampe blinkt sechsmal und geht aus, auch während die Meldung des Fehlers steht
TEST_F(Zelko, FehlerlampeBlinkt) {
    starte();
    int an = 0;
    d.anzeige.dann([&](QWidget& w) {
        Lampenzustand vorher = f->brett()->falschImg->zustand();
        EXPECT_EQ(vorher, Lampenzustand::Rot);
        for (int i = 0; i < 20; ++i) {
            d.uhr.vorstellen(300);
            const Lampenzustand z = f->brett()->falschImg->zustand();
            an += z == Lampenzustand::Rot && vorher != Lampenzustand::Rot;
            vorher = z;
        }
        klicke(w, "Btn1");
    });
    waehle(1);
    EXPECT_EQ(an, 5) << "die erste leuchtet schon mit der Antwort";
    EXPECT_EQ(f->regeln().lampen(), Lampen::Aus);
    EXPECT_FALSE(f->brett()->blinkt());
}

// Buchstaben wählen die Füllung und geben "einsetzen" den Fokus; eine Ziffer und die Leertaste
// zeigen die schlichte Meldung des Systems, tippen nichts und setzen nichts ein
TEST_F(Zelko, TastenWaehlen) {
    starte();
    f->brett()->wLueckGrLst->setFocus();
    ASSERT_EQ(f->focusWidget(), f->brett()->wLueckGrLst);
    QTest::keyClick(f->brett()->wLueckGrLst, Qt::Key_E);
    EXPECT_EQ(f->brett()->wLueckGrLst->currentRow(), 1);
    EXPECT_EQ(f->focusWidget(), f->brett()->einsetzenBtn);
    QTest::keyClick(f->brett()->einsetzenBtn, Qt::Key_Backspace);
    EXPECT_TRUE(f->brett()->wLueckGrLst->selectedItems().isEmpty());
    tippe("ä");
    ASSERT_EQ(f->brett()->wLueckGrLst->currentRow(), 0);
    QStringList systemmeldungen;
    for (Qt::Key taste : {Qt::Key_7, Qt::Key_Space}) {
        d.anzeige.dann([&systemmeldungen](QWidget& w) {
            auto* box = qobject_cast<QMessageBox*>(&w);
            systemmeldungen << (box ? box->windowTitle() + ": " + box->text()
                                    : "kein Meldungsfeld des Systems: " + w.objectName());
            klicke(w, box ? "okBtn" : "Btn1");
        });
        QTest::keyClick(f->brett()->einsetzenBtn, taste);
    }
    EXPECT_EQ(systemmeldungen,
              QStringList({"Zelko: Nicht druckbares zeichen", "Zelko: Nicht druckbares zeichen"}));
    EXPECT_EQ(f->regeln().tippPuffer(), "ä");
    EXPECT_EQ(protokoll(0), rahmenZeile) << "die Leertaste setzt nicht ein";
    EXPECT_EQ(f->SpNameLbl->text(), "Anna Lena");
    EXPECT_EQ(f->brett()->wLueckGrLst->currentRow(), 0);
    QTest::keyClick(f->brett()->einsetzenBtn, Qt::Key_Return);
    EXPECT_EQ(protokoll(0), rahmenZeile + "1= OK\r\n");
    EXPECT_EQ(f->SpNameLbl->text(), "Ben");
}

TEST_F(Zelko, EinZelkoLeertAlleKarten) {
    starte();
    for (int feld : {2, 3, 4, 5})
        f->regeln().karten.markiere(0, feld);
    f->regeln().karten.markiere(1, 9);
    d.anzeige.dann([&](QWidget& w) {
        meldungen << w.windowTitle() + ": " + static_cast<MldFenster&>(w).Meldung->text();
        EXPECT_EQ(f->brett()->ZelkoImg->zustand(), Lampenzustand::Gelb);
        d.uhr.vorstellen(300);
        EXPECT_EQ(f->brett()->ZelkoImg->zustand(), Lampenzustand::Aus) << "sie blinkt";
        d.uhr.vorstellen(300);
        EXPECT_EQ(f->brett()->ZelkoImg->zustand(), Lampenzustand::Gelb);
        EXPECT_EQ(f->brett()->zelkZiff->text(), "001");
        EXPECT_TRUE(karte(0).markiert(1)) << "die volle Reihe steht während der Meldung";
        klicke(w, "Btn1");
    });
    waehle(0);
    EXPECT_EQ(meldungen.value(0), "Glückwunsch: Glückwunsch, Anna!\nDu hast ein Zelko erzielt.");
    EXPECT_EQ(runde().SpielerPunkte[0], 108);
    EXPECT_EQ(f->regeln().ZelkoAnzahl[0], 1);
    for (int s = 0; s < 2; ++s)
        for (int feld = 1; feld <= 25; ++feld)
            EXPECT_FALSE(f->regeln().karten.markiert(s, feld));
}

// Der Computer setzt sich über die Einstellungen; er wählt alle 1,2 Sekunden und schreibt nichts
// ins Protokoll; der Mensch vor ihm ist danach wieder dran
TEST_F(Zelko, DerComputerSpielt) {
    starte("ComputerSpielStärke=0", 1);
    d.anzeige.dann([](QWidget& w) {
        static_cast<EinstellFrm&>(w).gegenComp->setChecked(true);
        klicke(w, "okBtn");
    });
    f->mnuBearbEinstell->trigger();
    ASSERT_EQ(runde().nSpieler, 2);
    EXPECT_EQ(runde().aktSpieler, 0);
    bool offen = false, spaeter = true;
    d.anzeige.dann([&](QWidget& w) {
        EXPECT_EQ(w.objectName(), "CompZugFrm");
        d.uhr.vorstellen(1000);
        offen = w.isVisible() && f->ablauf.computerAmZug();
        d.uhr.vorstellen(200);
        spaeter = w.isVisible();
    });
    waehle(0);
    d.uhr.vorstellen(0); // der Zug des Computers beginnt nach dem Wechsel
    EXPECT_TRUE(offen) << "nach 1 s wählt er noch nicht";
    EXPECT_FALSE(spaeter) << "nach 1,2 s hat er richtig gewählt";
    EXPECT_EQ(runde().SpielerPunkte[1], 8);
    EXPECT_EQ(runde().aktSpieler, 0);
    EXPECT_EQ(protokoll(0), rahmenZeile + "1= OK\r\n") << "der Computer schreibt nichts";
    EXPECT_TRUE(f->mnuDateiNeu->isEnabled());
}

// Mit vier Spielern hat der Computer keinen Platz, was auch gespeichert war
TEST_F(Zelko, VierSpielerOhneComputer) {
    starte("GegenComputer=1", 4);
    EXPECT_EQ(f->ablauf.einstellungen().GegenComputer, 0);
    d.anzeige.dann([](QWidget& w) {
        auto& e = static_cast<EinstellFrm&>(w);
        EXPECT_FALSE(e.gegenComp->isEnabled());
        EXPECT_FALSE(e.gegenComp->isChecked());
        EXPECT_FALSE(e.SpSt[1]->isEnabled());
        klicke(w, "okBtn");
    });
    f->mnuBearbEinstell->trigger();
    EXPECT_EQ(runde().nSpieler, 4);
    EXPECT_EQ(karte(3).name(), "Dora");
}

// Die Ratezeit steht, solange eine Meldung offen ist; läuft sie ab, schreibt die nächste Antwort
// in das Protokoll des Nächsten
TEST_F(Zelko, RatezeitUndMeldung) {
    starte("RatezeitBegrenzen=1");
    d.anzeige.dann([&](QWidget& w) {
        d.uhr.vorstellen(30000);
        klicke(w, "Btn1");
    });
    waehle(1);
    EXPECT_EQ(f->SpNameLbl->text(), "Anna Lena") << "keine Ratezeit hinter der Meldung";
    merkeMeldung();
    d.uhr.vorstellen(19000);
    EXPECT_TRUE(meldungen.isEmpty());
    d.uhr.vorstellen(1000);
    EXPECT_EQ(meldungen.value(0), "Ende der Ratezeit: Die Ratezeit ist leider\nabgelaufen, Anna.");
    EXPECT_EQ(f->SpNameLbl->text(), "Ben");
    EXPECT_EQ(f->brett()->LueckZeile->LueckWortLbl->text(), "B    r") << "dasselbe Lückenwort";
    waehle(0);
    EXPECT_EQ(protokoll(1), rahmenZeile + "1= OK\r\n");
    EXPECT_EQ(protokoll(0), rahmenZeile + "1= Ber\r\n");
}

TEST_F(Zelko, NeuesSpiel) {
    starte();
    f->regeln().karten.markiere(1, 4);
    waehle(0);
    ASSERT_EQ(runde().aktSpieler, 1);
    d.anzeige.dannKlicke("Btn1");
    f->mnuDateiNeu->trigger();
    EXPECT_EQ(runde().aktSpieler, 0);
    EXPECT_EQ(runde().SpielerPunkte[0], 0);
    EXPECT_FALSE(f->regeln().karten.markiert(0, 1));
    EXPECT_FALSE(f->regeln().karten.markiert(1, 4));
    EXPECT_EQ(f->punkZiff->text(), "000000");
}

// Das Ende schließt die Protokolldatei; danach kommt keine Zeile mehr
TEST_F(Zelko, EndeSchliesstDasProtokoll) {
    starte();
    EXPECT_TRUE(f->regeln().protokoll().offen());
    d.anzeige.dannKlicke("jaBtn");
    f->mnuDateiEnde->trigger();
    EXPECT_TRUE(f->beendet());
    EXPECT_FALSE(f->regeln().protokoll().offen());
    EXPECT_EQ(protokoll(0), rahmenZeile);
}

TEST_F(Zelko, OhneLueckenwoerterOderProtokollKeinSpiel) {
    ordner.schreibe("Varku.kmp", "KAT1,KAT1=TRUE,,,0:0,ä:e,t\r\n"
                                 "KAT2,Wort='nichts',,Wort='nichts',0:0,ä:e,t\r\n");
    merkeMeldung();
    starte({}, 2, "KAT2");
    EXPECT_TRUE(f->beendet());
    EXPECT_TRUE(meldungen.value(0).startsWith("Keine Wörter: Zu diesem Übungsschwerpunkt"));
    QFile::remove(ordner.pfad("User/BBBBBBBB.tmp"));
    const Startpruefung p = pruefeStart(startZeile(2), MainFrm::konfiguration());
    EXPECT_FALSE(p.angenommen);
    EXPECT_EQ(p.meldung,
              "Die Protokolldatei von Ben fehlt.\rZelko lässt sich nur aus VARKU starten.");
}

// Am Übungsschwerpunkt liegt es nicht, wenn Varku.kmp beschädigt ist oder seinen Datensatz nicht
// hat: der Laufzeitfehler nennt die Datei und was ihr fehlt
TEST_F(Zelko, BeschaedigteKategorietabelle) {
    const std::pair<QByteArray, QString> faelle[] = {
        {"KAT1,KAT1=TRUE,KAT2,KAT2=TRUE,0:0,\"ä:e\",Denk an Bär.\r\n",
         "der Datensatz der Kategorie KAT2 fehlt"},
        {"KAT1,KAT1=TRUE,KAT2,KAT2=TRUE,0:0,\"ä:e\"\r\nKAT2,KAT2=TRUE,,KAT1=TRUE,0:0,e:ä,t\r\n",
         "in Zeile 1 stehen nur 6 der 7 Elemente; es fehlt der Lösungstipp"},
    };
    for (const auto& [inhalt, fehler] : faelle) {
        ordner.schreibe("Varku.kmp", inhalt);
        try {
            starte({}, 2, "KAT2");
            ADD_FAILURE() << "das Spiel läuft: " << inhalt.toStdString();
        } catch (const Laufzeitfehler& e) {
            EXPECT_EQ(e.meldung(),
                      "Laufzeitfehler 321: Die Datei Varku.kmp ist beschädigt: " + fehler);
        }
        EXPECT_FALSE(f);
    }
}

// Setzt sich der Computer dazu oder geht er, ist der erste Spieler dran
TEST_F(Zelko, SitzwechselGibtDemErstenDenZug) {
    starte();
    waehle(0);
    ASSERT_EQ(runde().aktSpieler, 1);
    for (bool computer : {true, false}) {
        d.anzeige.dann([computer](QWidget& w) {
            static_cast<EinstellFrm&>(w).gegenComp->setChecked(computer);
            klicke(w, "okBtn");
        });
        f->mnuBearbEinstell->trigger();
        EXPECT_EQ(runde().nSpieler, computer ? 3 : 2);
        EXPECT_EQ(runde().aktSpieler, 0);
        EXPECT_EQ(karte(0).spieler(), 0);
    }
}

// Jede Zugriffstaste gibt es in jedem Fenster des Spiels nur einmal: im Hauptfenster mit den
// Titeln seiner Menüs, in jedem Fenster, das ein Menü zeigt, und im Lösungstipp.
TEST_F(Zelko, ZugriffstastenInJedemFensterEindeutig) {
    starte();
    EXPECT_EQ(doppelteZugriffstastenMitMenues(*f, d.anzeige), "");
    std::string tipp = "nicht gezeigt";
    d.anzeige.dann([&](QWidget& w) {
        tipp = doppelteZugriffstasten(w);
        klicke(w, "okBtn");
    });
    klicke(*f, "LoesTippBtn");
    EXPECT_EQ(tipp, "");
}

// Mit GegenComputer=1 sitzt der Computer vom Start an, und der Dialog zeigt ihn. Ein OK, das nichts
// ändert, lässt Zug, Feld und Ratezeit, und der Wert bleibt gespeichert
TEST_F(Zelko, GespeicherterComputerSitztVomStartAn) {
    starte("GegenComputer=1\nRatezeitBegrenzen=1\nEinstellungenSpeichern=1");
    ASSERT_EQ(runde().nSpieler, 3);
    EXPECT_EQ(runde().SpielerName[2], "Computer");
    EXPECT_EQ(karte(2).name(), "Computer");
    waehle(0);
    ASSERT_EQ(runde().aktSpieler, 1);
    d.uhr.vorstellen(5000);
    const int feld = f->regeln().aktFeld;
    const int zaehler = f->ablauf.ratezeit.RateZeitZaehler;
    ASSERT_GT(zaehler, 0);
    bool haken = false;
    d.anzeige.dann([&](QWidget& w) {
        haken = static_cast<EinstellFrm&>(w).gegenComp->isChecked();
        klicke(w, "okBtn");
    });
    f->mnuBearbEinstell->trigger();
    EXPECT_TRUE(haken);
    EXPECT_EQ(runde().nSpieler, 3);
    EXPECT_EQ(runde().aktSpieler, 1);
    EXPECT_EQ(f->regeln().aktFeld, feld);
    EXPECT_EQ(f->ablauf.ratezeit.RateZeitZaehler, zaehler);
    d.anzeige.dannKlicke("jaBtn");
    f->mnuDateiEnde->trigger();
    EXPECT_TRUE(ordner.lies("Varku.ini").startsWith("[Zelko]\nGegenComputer=1\n"));
}
