// Das Fenster des Kreuzworträtsels: Start mit und ohne Startparameter, das erste Wort.
#include "foundation/Anzeigen.h"
#include "foundation/MldFenster.h"
#include "foundation/Sound.h"
#include "foundation/testing/Meldungen.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "foundation/testing/Zugriffstasten.h"
#include "gamekit/Spielprogramm.h"
#include "gamekit/Spielstart.h"
#include "games/crossword/EinstellFrm.h"
#include "games/crossword/MainFrm.h"
#include "games/crossword/UmschrFrm.h"
#include "platform/Fensterablage.h"
#include "platform/testing/TestDienste.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::wendomar;
using namespace varku::test;

namespace {

struct Wendomar : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    std::unique_ptr<MainFrm> f;
    QStringList meldungen;

    Wendomar() {
        ordner.schreibe("Varku.tsp", ">>> Seite,-\nTiere,KAT1\nLeer,KAT2\n");
        ordner.schreibe("Varku.ini", "[Spiele]\nMaximaleSpielDauer=30\n");
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{1, "Igel", "der", 1, false, true, false, "", ""},
                      {2, "Elefantenbaby", "das", 1, false, true, false, "", ""}});
        QDir().mkpath(ordner.pfad("User"));
    }
    ~Wendomar() override {
        f.reset();
        entladeAlleFenster();
        initSoundTabelle();
    }
    Spielrunde& runde() { return f->runde; }
    // ein Knopf, eine Beschriftung oder die Lampe des Fensters
    template <typename T> T* kind(const char* name) const {
        T* k = f->findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(k) << name;
        return k;
    }
    void starte(const char* kategorie = "KAT1", bool allein = false) {
        const QString spieler =
            allein ? "nSpieler=1;Anna;ABCDEFGH;" : "nSpieler=2;Anna;Ben;ABCDEFGH;IJKLMNOP;";
        const Startpruefung p =
            pruefeStart(QString("\"Version=4;RuvoFeldName=%1;%2\"").arg(kategorie, spieler),
                        MainFrm::konfiguration());
        ASSERT_TRUE(p.angenommen) << p.meldung.toStdString();
        f = std::make_unique<MainFrm>(MainFrm::konfiguration(), p.daten);
    }
    // Igel, dann ein zweites Wort, das es kreuzen kann
    void legeIgelUnd(const QString& zweites) {
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{1, "Igel", "der", 1, false, true, false, "", ""},
                      {2, zweites, "die", 1, false, true, false, "", ""}});
    }
};

} // namespace

TEST_F(Wendomar, StartetMitDemErstenWort) {
    starte();
    d.anzeige.zeige(*f);
    EXPECT_EQ(f->windowTitle(), "Varku - Wendomar");
    // "Elefantenbaby" hat 13 Zeichen und kommt nicht vor
    EXPECT_EQ(f->woerter.AnzahlWoerter(), 1);
    EXPECT_EQ(f->spiel().gitter.Wort, "Igel");
    EXPECT_EQ(f->spiel().gitter.StartSpalte, 6);
    EXPECT_EQ(f->spiel().gitter.StartZeile, 6);
    EXPECT_EQ(f->spiel().gitter.Richtung, waagrecht);
    EXPECT_EQ(f->spiel().steine.anzahl(), 4) << "seine Steine liegen in der Ablage";
    EXPECT_FALSE(kind<QPushButton>("WortEndeBtn")->isEnabled());
    EXPECT_FALSE(kind<QPushButton>("zurueckBtn")->isEnabled());
    EXPECT_EQ(kind<QLabel>("BonusPunkteLbl")->text(), "0");
    EXPECT_GE(f->brett().width(), f->brett().zellenRechteck(14, 11).right());
}

TEST_F(Wendomar, OhneWoerterEndetDerStart) {
    d.anzeige.dann([this](QWidget& w) {
        meldungen << static_cast<MldFenster&>(w).Meldung->text();
        klicke(w, "Btn1");
    });
    starte("KAT2");
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].startsWith("Zu diesem Übungsschwerpunkt gibt es\nkeine Wörter für "
                                        "Wendomar."))
        << meldungen[0].toStdString();
    EXPECT_TRUE(f->ablauf.ohneWoerter());
}

TEST_F(Wendomar, OhneStartparameterNurAusVarku) {
    const Startpruefung p = pruefeStart("", MainFrm::konfiguration());
    EXPECT_FALSE(p.angenommen);
    EXPECT_EQ(p.meldung, nurAusVarkuMeldung());
}

// "ProgrammStart" spielt der Start einmal, bevor das Fenster kommt; ein abgewiesener Start
// spielt nichts
TEST_F(Wendomar, StartklangVorDemFenster) {
    ordner.schreibe("Varku.ini", "[Wendomar]\nTonEinschalten=1\n[Spiele]\nMaximaleSpielDauer=30\n"
                                 "[Sound]\nProgrammStart=Start\n");
    ordner.schreibe("Sound/Start.WAV", "");
    const auto fabrik = [](const Spielkonfiguration& k, const Spielstartdaten& s) {
        return std::unique_ptr<Spielfenster>(new MainFrm(k, s));
    };
    const QString start = "spiele " + ordner.pfad("Sound/Start.WAV");
    qsizetype klaengeVorDemFenster = -1;
    d.anzeige.dann([&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Varku - Wendomar");
        klaengeVorDemFenster = d.sound.befehle.count(start);
        static_cast<Spielfenster&>(w).ablauf.programmEnde();
    });
    spielAblauf("\"Version=4;RuvoFeldName=KAT1;nSpieler=1;Anna;ABCDEFGH;\"",
                MainFrm::konfiguration(), fabrik);
    EXPECT_EQ(klaengeVorDemFenster, 1) << d.sound.befehle.join(" | ").toStdString();

    d.sound.befehle.clear();
    d.anzeige.dann([](QWidget& w) { klicke(w, "Btn1"); }); // die Meldung des Abweisens
    EXPECT_NE(spielAblauf("\"Version=3;RuvoFeldName=KAT1;nSpieler=1;Anna;ABCDEFGH;\"",
                          MainFrm::konfiguration(), fabrik),
              0);
    EXPECT_FALSE(d.sound.befehle.contains(start));
}

// Das Brett rechnet einen Punkt in Twips um und nimmt die Zelle darunter
TEST(Raster, ZelleUnterDemPunkt) {
    struct Fall {
        double x, y;
        Zelle zelle;
    };
    const Fall faelle[] = {
        {30, 30, {1, 1}},       {477, 30, {1, 1}},      {478, 477, {2, 1}},
        {478, 478, {2, 2}},     {29, 500, {0, 2}},      {-500, 30, {-1, 1}},
        {6301, 4509, {14, 10}}, {6302, 4958, {15, 12}}, // hinter der letzten Zelle
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Kreuzwortbrett::zelleUnter(f.x, f.y), f.zelle) << f.x << "," << f.y;
}

namespace {

// zieht Stein n mit der Maus auf ein Ziel des Bretts
void ziehe(Kreuzwortbrett& b, int n, QPoint ziel) {
    const QPoint von = b.steinRechteck(n).center();
    QTest::mousePress(&b, Qt::LeftButton, {}, von);
    QMouseEvent bewegung(QEvent::MouseMove, QPointF((von + ziel) / 2),
                         b.mapToGlobal(QPointF((von + ziel) / 2)), Qt::NoButton, Qt::LeftButton,
                         {});
    QCoreApplication::sendEvent(&b, &bewegung);
    QTest::mouseRelease(&b, Qt::LeftButton, {}, ziel);
}

} // namespace

// Durch die Maus und die Knöpfe: falsch gelegt kostet, richtig gelegt bringt Punkte und das
// nächste, kreuzende Wort
TEST_F(Wendomar, SteineZiehenUndWortende) {
    legeIgelUnd("Insel");
    starte();
    d.anzeige.zeige(*f);
    Kreuzwortbrett& b = f->brett();
    ASSERT_EQ(f->spiel().gitter.Wort, "Igel");
    runde().SpielerPunkte[0] = 25;
    // in falscher Reihenfolge: die Steine liegen ungemischt I, G, E, L in der Ablage
    for (int n = 1; n <= 4; ++n)
        ziehe(b, n, b.zellenRechteck(10 - n, 6).center());
    EXPECT_TRUE(kind<QPushButton>("WortEndeBtn")->isEnabled());
    EXPECT_TRUE(kind<QPushButton>("zurueckBtn")->isEnabled());
    d.anzeige.dann([this](QWidget& w) {
        meldungen << w.windowTitle() + ": " + static_cast<MldFenster&>(w).Meldung->text();
        klicke(w, "Btn1");
    });
    klicke(*f, "WortEndeBtn");
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0], "Fehler: Die Reihenfolge der Buchstaben-\nsteine stimmt leider nicht, "
                            "Anna.");
    EXPECT_EQ(runde().SpielerPunkte[0], 0) << "40 weg, aber nicht unter 0";
    EXPECT_EQ(f->SpNameLbl->text(), "Ben");
    EXPECT_EQ(f->spiel().steine.steineInAblage(), 4) << "alle zurück";

    // ein Stein in den Rand des Bretts springt zurück
    ziehe(b, 1, QPoint(1, 1));
    EXPECT_TRUE(f->spiel().steine.inAblage(1));
    for (int n = 1; n <= 4; ++n)
        ziehe(b, n, b.zellenRechteck(5 + n, 6).center());
    klicke(*f, "WortEndeBtn");
    EXPECT_EQ(runde().SpielerPunkte[1], 40);
    EXPECT_EQ(f->spiel().gitter.Wort, "Insel") << "kreuzt das I";
    EXPECT_EQ(f->spiel().steine.anzahl(), 4);
    EXPECT_EQ(f->SpNameLbl->text(), "Anna");
    EXPECT_EQ(f->spiel().steine.festeSteine().size(), 4u);
}

// Der Knopf legt den Stein der ersten leeren Zelle und kostet 20 Punkte ohne Bonus; liegt der
// passende Stein woanders, sagt er es und kostet nichts
TEST_F(Wendomar, NaechsterSteinKostet) {
    starte();
    d.anzeige.zeige(*f);
    runde().SpielerPunkte[0] = 30;
    EXPECT_EQ(kind<QPushButton>("naechstenSteinSetzenBtn")->text(), "&erster Stein");
    klicke(*f, "naechstenSteinSetzenBtn");
    EXPECT_EQ(f->spiel().gitter.buchstabe(6, 6), "I");
    EXPECT_EQ(runde().SpielerPunkte[0], 10);
    EXPECT_EQ(kind<QPushButton>("naechstenSteinSetzenBtn")->text(), "&nächster Stein");
    // das G liegt falsch
    ziehe(f->brett(), 2, f->brett().zellenRechteck(2, 2).center());
    d.anzeige.dann([this](QWidget& w) {
        meldungen << w.windowTitle();
        klicke(w, "Btn1");
    });
    klicke(*f, "naechstenSteinSetzenBtn");
    EXPECT_EQ(meldungen, QStringList{"Stein setzen"});
    EXPECT_EQ(runde().SpielerPunkte[0], 10) << "nichts berechnet";
    ziehe(f->brett(), 2, f->brett().zellenRechteck(7, 6).center());
    klicke(*f, "naechstenSteinSetzenBtn");
    EXPECT_EQ(runde().SpielerPunkte[0], 0) << "nicht unter 0";
    klicke(*f, "naechstenSteinSetzenBtn");
    EXPECT_TRUE(kind<QPushButton>("WortEndeBtn")->isEnabled());
    EXPECT_FALSE(kind<QPushButton>("naechstenSteinSetzenBtn")->isEnabled());
}

// Die Lösungshilfe zeigt die Umschreibung, auf Wunsch den Beispielsatz im Hauptfenster, und
// kostet den, der gefragt hat, Int(Bonus / Länge) + 10
TEST_F(Wendomar, LoesungshilfeMitBeispielsatz) {
    legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                 {{1, "Igel", "der", 1, false, true, false, "Der @ schläft.", ""}});
    starte();
    d.anzeige.zeige(*f);
    runde().SpielerPunkte[0] = 15;
    QString umschreibung, satzWaehrend;
    bool titelWaehrend = true;
    d.anzeige.dann([&](QWidget& w) {
        auto& h = static_cast<UmschrFrm&>(w);
        EXPECT_EQ(h.windowTitle(), "Lösungshilfe");
        umschreibung = h.ParaphrLbl->text();
        klicke(h, "BspSatzBtn");
        satzWaehrend = kind<QLabel>("SatzBspLbl")->text();
        titelWaehrend = f->UebTitelLabel->isVisibleTo(f.get());
        QTest::keyClick(&h, Qt::Key_Escape);
    });
    klicke(*f, "HilfeZeigenBtn");
    EXPECT_EQ(umschreibung, "Umschreibung");
    EXPECT_EQ(satzWaehrend, "Der ________ schläft.");
    EXPECT_FALSE(titelWaehrend) << "der Satz steht an Stelle des Titels";
    EXPECT_TRUE(f->UebTitelLabel->isVisibleTo(f.get())) << "nach der Hilfe wieder der Titel";
    EXPECT_FALSE(kind<QLabel>("SatzBspLbl")->isVisibleTo(f.get()));
    EXPECT_EQ(runde().SpielerPunkte[0], 5);
    EXPECT_EQ(f->SpNameLbl->text(), "Anna") << "die Hilfe beendet den Zug nicht";
    // noch einmal: nicht unter 0
    d.anzeige.dann([](QWidget& w) { klicke(w, "okBtn"); });
    klicke(*f, "HilfeZeigenBtn");
    EXPECT_EQ(runde().SpielerPunkte[0], 0);
}

// Der Computer legt sein Wort Stein für Stein, einen je Sekunde, und wertet es wie ein Mensch;
// während er legt, stehen die Uhren, und was ein Mensch liegen ließ, geht vorher zurück
TEST_F(Wendomar, ComputerLegtSeinWort) {
    ordner.schreibe("Varku.ini", "[Wendomar]\nGegenComputer=1\nRatezeitBegrenzen=1\n"
                                 "[Spiele]\nMaximaleSpielDauer=30\n");
    legeIgelUnd("Insel");
    starte("KAT1", true);
    d.anzeige.zeige(*f);
    ASSERT_EQ(runde().nSpieler, 2);
    EXPECT_EQ(runde().SpielerName[1], "Computer");
    for (int n = 1; n <= 4; ++n)
        ziehe(f->brett(), n, f->brett().zellenRechteck(5 + n, 6).center());
    int ratezeitWaehrend = -1, ratezeitVorher = -1;
    QString titel;
    d.anzeige.dann([&](QWidget& w) {
        titel = w.windowTitle();
        EXPECT_EQ(f->spiel().gitter.Wort, "Insel");
        ratezeitVorher = f->ablauf.ratezeit.RateZeitZaehler;
        // ein Takt je Stelle, auch für das I der Kreuzung, dann einer zum Schließen
        d.uhr.vorstellen(4000);
        EXPECT_EQ(f->spiel().gitter.buchstabe(6, 10), "") << "nach 4 Sekunden fehlt noch das L";
        EXPECT_TRUE(w.isVisible());
        d.uhr.vorstellen(2000);
        ratezeitWaehrend = f->ablauf.ratezeit.RateZeitZaehler;
        EXPECT_FALSE(w.isVisible()) << "der Takt nach dem letzten Buchstaben schließt";
    });
    klicke(*f, "WortEndeBtn");
    d.uhr.vorstellen(0); // der Zug des Computers beginnt nach dem Wechsel
    EXPECT_EQ(titel, "Wendomar");
    EXPECT_EQ(ratezeitWaehrend, ratezeitVorher) << "die Ratezeit steht, während er legt";
    EXPECT_EQ(runde().SpielerPunkte[0], 40);
    EXPECT_EQ(runde().SpielerPunkte[1], 50) << "INSEL ist richtig";
    EXPECT_EQ(f->SpNameLbl->text(), "Anna");
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
}

TEST_F(Wendomar, EinstellungenMitDemComputer) {
    starte();
    d.anzeige.zeige(*f);
    // ohne Abschnitt wie jedes Spiel: kein Ton, nichts gespeichert
    EXPECT_EQ(f->einstellungsWerte().TonEinschalten, 0);
    EXPECT_EQ(f->einstellungsWerte().EinstellungenSpeichern, 0);
    EXPECT_EQ(f->einstellungsWerte().GegenComputer, 0);
    const auto dialog = [&](bool computer, const char* knopf) {
        d.anzeige.dann([computer, knopf](QWidget& w) {
            static_cast<EinstellFrm&>(w).gegenComp->setChecked(computer);
            klicke(w, knopf);
        });
        f->mnuBearbEinstell->trigger();
    };
    dialog(true, "okBtn");
    dialog(false, "okBtn");
    dialog(true, "okBtn");
    EXPECT_EQ(runde().nSpieler, 3) << "genau ein Computer";
    EXPECT_EQ(runde().SpielerName[2], "Computer");
    dialog(false, "abbrBtn");
    EXPECT_EQ(runde().nSpieler, 3) << "abbrechen ändert nichts";
    dialog(false, "okBtn");
    EXPECT_EQ(runde().nSpieler, 2);
}

// Ein gespeicherter Computer sitzt vom Start an mit 0 Punkten am letzten Platz, auch zweimal in
// der Datei nur einmal, und bei vier Menschen gar nicht
TEST_F(Wendomar, GespeicherterComputerSitztBeimStart) {
    struct Fall {
        const char* spieler;
        int nSpieler;
        bool computer;
    };
    const Fall faelle[] = {
        {"nSpieler=1;Anna;ABCDEFGH;", 2, true},
        {"nSpieler=4;A;B;C;D;AAAAAAAA;BBBBBBBB;CCCCCCCC;DDDDDDDD;", 5, true},
    };
    ordner.schreibe("Varku.ini", "[Wendomar]\nGegenComputer=1\nGegenComputer=1\n"
                                 "[Spiele]\nMaximaleSpielDauer=30\n");
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.spieler);
        const Startpruefung p =
            pruefeStart(QString("\"Version=4;RuvoFeldName=KAT1;%1\"").arg(fall.spieler),
                        MainFrm::konfiguration());
        ASSERT_TRUE(p.angenommen) << p.meldung.toStdString();
        f = std::make_unique<MainFrm>(MainFrm::konfiguration(), p.daten);
        EXPECT_EQ(runde().nSpieler, fall.nSpieler);
        EXPECT_EQ(runde().SpielerName[size_t(fall.nSpieler - 1)] == "Computer", fall.computer);
        EXPECT_EQ(runde().SpielerPunkte[size_t(fall.nSpieler - 1)], 0);
        f.reset();
    }
}

// Läuft die Ratezeit ab, während Steine eines Menschen auf dem Brett liegen, nimmt der Computer
// sie zuerst zurück und legt das Wort dann richtig
TEST_F(Wendomar, ComputerNachAbgelaufenerRatezeit) {
    ordner.schreibe("Varku.ini", "[Wendomar]\nGegenComputer=1\nRatezeitBegrenzen=1\n"
                                 "[Spiele]\nMaximaleSpielDauer=30\n");
    starte("KAT1", true);
    d.anzeige.zeige(*f);
    ziehe(f->brett(), 4, f->brett().zellenRechteck(6, 6).center()); // das L auf die Zelle des I
    ziehe(f->brett(), 1, f->brett().zellenRechteck(2, 2).center());
    QStringList fenster;
    d.anzeige.dann([&](QWidget& w) {
        fenster << w.windowTitle();
        klicke(w, "Btn1");
    });
    d.anzeige.dann([&](QWidget& w) {
        fenster << w.windowTitle();
        d.uhr.vorstellen(5000);
    });
    d.uhr.vorstellen(100000);
    EXPECT_EQ(fenster, QStringList({"Ende der Ratezeit", "Wendomar"}));
    EXPECT_EQ(runde().SpielerPunkte[1], 40) << "IGEL richtig gelegt";
    EXPECT_EQ(runde().SpielerPunkte[0], 0);
    EXPECT_EQ(f->SpNameLbl->text(), "Anna");
}

// Am Ende schreibt das Spiel seinen Abschnitt "Schlüssel= Wert", wenn Speichern an ist
TEST_F(Wendomar, AbschnittMitLeerzeichenNachDemGleich) {
    ordner.schreibe("Varku.ini", "[Wendomar]\nGegenComputer=0\nTonEinschalten=0\n"
                                 "RatezeitBegrenzen=1\nEinstellungenSpeichern=1\n\n"
                                 "[Spiele]\nMaximaleSpielDauer=30\n");
    starte();
    f->ablauf.programmEnde();
    QString ini = QString::fromUtf8(ordner.lies("Varku.ini"));
    ini.remove(u'\r');
    EXPECT_TRUE(ini.contains("[Wendomar]\nGegenComputer= 0\nTonEinschalten= 0\n"
                             "RatezeitBegrenzen= 1\nEinstellungenSpeichern= 1\n"))
        << ini.toStdString();
}

// Ein Wort über einem Bonusfeld: die Anzeige zeigt den Bonus, die Lampe blinkt rot und gelb und
// bleibt nach sechs roten Phasen rot; das richtige Wort bringt Länge x 10 und den Bonus
TEST_F(Wendomar, BonusLampeUndBonus) {
    legeIgelUnd("Kiwi");
    starte();
    d.anzeige.zeige(*f);
    for (int n = 1; n <= 4; ++n)
        ziehe(f->brett(), n, f->brett().zellenRechteck(5 + n, 6).center());
    klicke(*f, "WortEndeBtn");
    ASSERT_EQ(f->spiel().gitter.Wort, "Kiwi");
    EXPECT_EQ(f->spiel().gitter.StartZeile, 3) << "das W liegt auf +50 in Zeile 5";
    EXPECT_EQ(kind<QLabel>("BonusPunkteLbl")->text(), "50");
    EXPECT_TRUE(kind<QLabel>("BonusPunkteLbl")->isEnabled());
    // sie blinkt auch, während eine Meldung über dem Spiel steht
    QList<Lampenzustand> lampe;
    d.anzeige.dann([&](QWidget& w) {
        for (int i = 0; i < 13; ++i) {
            d.uhr.vorstellen(500);
            lampe << kind<Lampe>("BonusMeldeLampe")->zustand();
        }
        klicke(w, "Btn1");
    });
    f->meldung("Achtung", "Wendomar");
    EXPECT_EQ(lampe.mid(0, 4), QList<Lampenzustand>({Lampenzustand::Rot, Lampenzustand::Gelb,
                                                     Lampenzustand::Rot, Lampenzustand::Gelb}));
    EXPECT_EQ(lampe.last(), Lampenzustand::Rot) << "nach sechs roten Phasen bleibt sie rot";
    EXPECT_EQ(lampe[11], Lampenzustand::Rot);
    // Ben legt KIWI: ungemischt liegen K, I, W in der Ablage, das letzte I liegt schon
    ASSERT_EQ(f->spiel().steine.anzahl(), 3);
    for (int n = 1; n <= 3; ++n)
        ziehe(f->brett(), n, f->brett().zellenRechteck(6, 2 + n).center());
    klicke(*f, "WortEndeBtn");
    EXPECT_EQ(runde().SpielerPunkte[1], 90);
    EXPECT_EQ(kind<QLabel>("BonusPunkteLbl")->text(), "0");
}

// Hält ein Kind einen Stein, wenn die Ratezeit abläuft, geht das Loslassen an die Meldung
// verloren. Der Griff endet mit ihr: der Stein bleibt in der Ablage, ein Klick des Nächsten legt
// ihn nicht, und das nächste Wort mit weniger Steinen malt keinen, den es nicht hat.
TEST_F(Wendomar, GriffEndetMitDerRatezeit) {
    legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                 {{1, "Garten", "der", 1, false, true, false, "", ""},
                  {2, "Nase", "die", 1, false, true, false, "", ""}});
    for (const bool computer : {true, false}) {
        SCOPED_TRACE(computer ? "mit dem Computer" : "zwei Kinder");
        ordner.schreibe("Varku.ini", QByteArray("[Wendomar]\nRatezeitBegrenzen=1\nGegenComputer=") +
                                         (computer ? "1" : "0") +
                                         "\n[Spiele]\nMaximaleSpielDauer=30\n");
        starte("KAT1", computer);
        d.anzeige.zeige(*f);
        Kreuzwortbrett& b = f->brett();
        ASSERT_EQ(f->spiel().steine.anzahl(), 6);
        QTest::mousePress(&b, Qt::LeftButton, {}, b.steinRechteck(6).center());
        merkeMeldung(d.anzeige, meldungen);
        if (computer)
            d.anzeige.dann([this](QWidget&) { d.uhr.vorstellen(8000); });
        d.uhr.vorstellen(100000);
        ASSERT_EQ(meldungen.size(), 1);
        EXPECT_TRUE(meldungen.takeFirst().startsWith("Ende der Ratezeit"));
        if (!computer) {
            // Ben klickt auf eine leere Zelle, dann legt er alles mit "nächster Stein"
            QTest::mouseClick(&b, Qt::LeftButton, {}, b.zellenRechteck(2, 2).center());
            EXPECT_TRUE(f->spiel().steine.inAblage(6));
            EXPECT_EQ(f->spiel().gitter.buchstabe(2, 2), "");
            for (int n = 1; n <= 6; ++n)
                klicke(*f, "naechstenSteinSetzenBtn");
            klicke(*f, "WortEndeBtn");
        }
        EXPECT_EQ(runde().SpielerPunkte[1], 60) << "GARTEN ist gelegt";
        EXPECT_EQ(f->spiel().gitter.Wort, "Nase");
        EXPECT_LT(f->spiel().steine.anzahl(), 6);
        EXPECT_NO_THROW(b.grab());
        EXPECT_TRUE(d.anzeige.skripteVerbraucht());
        f.reset();
    }
}

// Werden die Steine neu ausgelegt, während einer an der Maus hängt (das Wortende über die
// Tastatur), legt das Loslassen keinen Stein des neuen Wortes
TEST_F(Wendomar, NeueAuslageBeendetDenGriff) {
    legeIgelUnd("Insel");
    starte();
    d.anzeige.zeige(*f);
    Kreuzwortbrett& b = f->brett();
    for (int n = 1; n <= 4; ++n)
        ziehe(b, n, b.zellenRechteck(5 + n, 6).center());
    QTest::mousePress(&b, Qt::LeftButton, {}, b.steinRechteck(4).center());
    klicke(*f, "WortEndeBtn");
    ASSERT_EQ(f->spiel().gitter.Wort, "Insel");
    ASSERT_EQ(f->spiel().steine.anzahl(), 4);
    QTest::mouseRelease(&b, Qt::LeftButton, {}, b.zellenRechteck(2, 2).center());
    EXPECT_EQ(f->spiel().steine.steineInAblage(), 4);
    EXPECT_EQ(f->spiel().gitter.buchstabe(2, 2), "");
    EXPECT_NO_THROW(b.grab());
}

// "Neu ..." und "ja": der erste Zug des neuen Spiels hat die ganze Ratezeit
TEST_F(Wendomar, NeuesSpielMitVollerRatezeit) {
    ordner.schreibe("Varku.ini",
                    "[Wendomar]\nRatezeitBegrenzen=1\n[Spiele]\nMaximaleSpielDauer=30\n");
    starte();
    d.anzeige.zeige(*f);
    d.uhr.vorstellen(50000);
    merkeMeldung(d.anzeige, meldungen);
    f->mnuDateiNeu->trigger();
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].startsWith("Neues Spiel: Wenn ihr das Spiel neu beginnt,"));
    d.uhr.vorstellen(60000);
    EXPECT_EQ(f->ablauf.ratezeit.RateZeitZaehler, 600);
    EXPECT_TRUE(d.anzeige.ohneSkript.isEmpty()) << "keine Meldung der Ratezeit";
}

// Ein falsches Wort: die Meldung steht über den gelegten Steinen; danach kostet es, und die
// Steine gehen mit ihrem Klang zurück
TEST_F(Wendomar, FalschesWortErstDieMeldung) {
    ordner.schreibe("Varku.ini", "[Wendomar]\nTonEinschalten=1\n[Spiele]\nMaximaleSpielDauer=30\n"
                                 "[Sound]\nLeichterFehler=Fehler\nBewegungEnde=Zurueck\n");
    ladeSoundIni();
    starte();
    d.anzeige.zeige(*f);
    runde().SpielerPunkte[0] = 25;
    for (int n = 1; n <= 4; ++n)
        ziehe(f->brett(), n, f->brett().zellenRechteck(10 - n, 6).center());
    long punkteWaehrend = -1;
    int inAblageWaehrend = -1;
    QStringList klaengeWaehrend;
    d.anzeige.dann([&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Fehler");
        punkteWaehrend = runde().SpielerPunkte[0];
        inAblageWaehrend = f->spiel().steine.steineInAblage();
        klaengeWaehrend = d.sound.befehle;
        klicke(w, "Btn1");
    });
    klicke(*f, "WortEndeBtn");
    EXPECT_EQ(punkteWaehrend, 25);
    EXPECT_EQ(inAblageWaehrend, 0);
    EXPECT_EQ(klaengeWaehrend, QStringList{"spiele " + ordner.pfad("Sound/Fehler.WAV")});
    EXPECT_EQ(d.sound.befehle.mid(klaengeWaehrend.size()),
              QStringList{"spiele " + ordner.pfad("Sound/Zurueck.WAV")});
    EXPECT_EQ(runde().SpielerPunkte[0], 0);
    EXPECT_EQ(f->spiel().steine.steineInAblage(), 4);
}

// Passt kein Wort mehr, steht das fertige Rätsel unter der Meldung "Ende der Spielrunde"; das
// neue Brett kommt danach
TEST_F(Wendomar, RundenendeUeberDemFertigenRaetsel) {
    starte();
    d.anzeige.zeige(*f);
    for (int n = 1; n <= 4; ++n)
        ziehe(f->brett(), n, f->brett().zellenRechteck(5 + n, 6).center());
    size_t festWaehrend = 0;
    int steineWaehrend = -1;
    d.anzeige.dann([&](QWidget& w) {
        EXPECT_EQ(w.windowTitle(), "Ende der Spielrunde");
        festWaehrend = f->spiel().steine.festeSteine().size();
        steineWaehrend = f->spiel().steine.anzahl();
        EXPECT_FALSE(kind<QPushButton>("WortEndeBtn")->isEnabled());
        EXPECT_FALSE(kind<QPushButton>("zurueckBtn")->isEnabled());
        klicke(w, "Btn1");
    });
    klicke(*f, "WortEndeBtn");
    EXPECT_EQ(festWaehrend, 4u) << "IGEL liegt fest";
    EXPECT_EQ(steineWaehrend, 0) << "noch keine Steine des nächsten Wortes";
    EXPECT_TRUE(f->spiel().steine.festeSteine().empty());
    EXPECT_EQ(f->spiel().steine.anzahl(), 4);
    EXPECT_EQ(runde().SpielerPunkte[0], 40);
    EXPECT_EQ(f->SpNameLbl->text(), "Ben");
}

// Jede Zugriffstaste gibt es in jedem Fenster des Spiels nur einmal: im Hauptfenster mit den
// Titeln seiner Menüs, in jedem Fenster, das ein Menü zeigt, in der Lösungshilfe und im Fenster
// des Computers.
TEST_F(Wendomar, ZugriffstastenInJedemFensterEindeutig) {
    starte();
    d.anzeige.zeige(*f);
    EXPECT_EQ(doppelteZugriffstastenMitMenues(*f, d.anzeige), "");
    std::string hilfe = "nicht gezeigt";
    d.anzeige.dann([&](QWidget& w) {
        hilfe = doppelteZugriffstasten(w);
        klicke(w, "okBtn");
    });
    klicke(*f, "HilfeZeigenBtn");
    EXPECT_EQ(hilfe, "");
    EXPECT_EQ(doppelteZugriffstasten(f->compZug()), "");
}
