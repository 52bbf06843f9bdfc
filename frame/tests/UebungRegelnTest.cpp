// Die Übung als Objekt, ohne Fenster: was ein Wort, ein Wortende und ein Spielerwechsel tun.
#include "foundation/Global.h"
#include "foundation/Programmstart.h"
#include "foundation/Protokolldatei.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "frame/Uebung.h"
#include "platform/Laufzeitfehler.h"
#include "platform/testing/TestDienste.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::test;

namespace {

struct Regeln : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    GlobModul glob;
    Uebung u{glob};

    Regeln() {
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{1, "Igel", "der", 30, true, true, false, "Der @ schläft.", "Igel"},
                      {2, "Baum", "der", 30, true, true, false, "Der @ ist hoch.", "Baum"},
                      {3, "rot", "", 30, false, true, false, "Der Ball ist @.", "rot"}},
                     {{1, 1, 1, 1}, {2, 1, 3, 4}}, {{1, "Iegel", "Der Iegel schläft."}});
        QDir().mkpath(ordner.pfad("User"));
        glob.setzePfade();
        u.gruppe.setzeUserPfad(glob.UserPfad);
        u.wortDb.oeffneWortDatenbank(ordner.pfad("Varku-D.sqlite"));
        UebNr = 1;
        u.RuvoFeldName = "KAT1";
    }
    ~Regeln() override { UebNr = 0; }

    // n Gäste; ihre Protokolldateien heißen AAAAAAAA, BBBBBBBB, ...
    void gaeste(int n) {
        for (int i = 0; i < n; ++i) {
            for (int k = 0; k < 8; ++k)
                d.zufall.gibZahlen(65, 90, {65 + i});
            u.gruppe.fuegeHinzu("Gast");
        }
    }
    // Schwerpunkt annehmen und beginnen; das erste Wort ist Wort nummer
    void beginne(int nummer = 1) {
        u.nimmSchwerpunktAn(false);
        d.zufall.gibZahlen(1, 3, {nummer});
        u.beginneUebung();
    }
    // schreibt das Wort; ist es richtig, wählt die nächste Ziehung Wort naechstes
    Uebung::Wortende schreibe(const QString& text, int naechstes = 0) {
        u.diktieren();
        u.ersteTaste(0);
        if (naechstes > 0)
            d.zufall.gibZahlen(1, 3, {naechstes});
        return u.wortende(text);
    }
    QByteArray protokoll(const char* stamm) {
        return ordner.lies(QString("User/%1.tmp").arg(stamm));
    }
};

} // namespace

// Eine Runde mit zwei Gästen im Diktat: richtig, falsch, der Wechsel bei der Hälfte, 1000 Punkte.
TEST_F(Regeln, EineRundeMitZweiGaesten) {
    glob.einst.TextToSpeech = true;
    glob.einst.SprachAusgabeSatz = true;
    gaeste(2);
    beginne(1);
    ASSERT_EQ(u.wortDb.Wort, "Igel");
    EXPECT_EQ(u.diktieren(), "Der Igel schläft.\\Pau=500\\der Igel.");

    // Gast 1 schreibt es mit einem Leerzeichen dahinter: richtig, 3 * 30 * 3 Punkte
    Uebung::Wortende e = schreibe("Igel ", 1);
    EXPECT_TRUE(e.richtig);
    EXPECT_TRUE(e.ersterVersuch);
    EXPECT_EQ(e.punkte, 270);
    EXPECT_FALSE(e.uebergabe);
    EXPECT_EQ(u.wortDb.Wort, "Baum") << "das erledigte Igel wird übersprungen";

    // klein geschrieben ist falsch; die Lupenstelle "um" ist aber da
    e = schreibe("baum");
    EXPECT_FALSE(e.richtig);
    EXPECT_FALSE(e.lupenFehler);
    EXPECT_EQ(u.SitzungsPunkte, 270);
    EXPECT_EQ(u.sucheFehlerwort(u.wortPosition), 1) << "auf der Wiederholliste";
    EXPECT_TRUE(u.fehlerBeiWort);
    u.loeschen();

    // noch einmal, jetzt richtig: 540 Punkte und der Wechsel zu Gast 2
    e = schreibe("Baum", 1);
    EXPECT_TRUE(e.richtig);
    EXPECT_FALSE(e.ersterVersuch);
    EXPECT_EQ(e.richtigeWoerter, 1);
    EXPECT_TRUE(e.uebergabe);
    EXPECT_EQ(e.abgebender, "Gast 1");
    EXPECT_EQ(u.aktSpieler, 1);
    EXPECT_EQ(e.neuerSpieler.woerter, 0) << "die Zähler des neuen Spielers vor seinem Wort";
    EXPECT_EQ(u.wortDb.Wort, "Igel") << "Gast 2 hat Igel noch nicht";
    EXPECT_EQ(u.statistik().woerter, 1);

    e = schreibe("Igel", 2);
    EXPECT_EQ(u.SitzungsPunkte, 810);
    EXPECT_FALSE(e.uebergabe) << "der zweite Spieler gibt vor dem Ziel nicht ab";
    e = schreibe(u.wortDb.Wort, 1);
    EXPECT_TRUE(e.glueckwunsch);
    EXPECT_EQ(u.SitzungsPunkte, 1000) << "nie über 1000";

    EXPECT_EQ(protokoll("AAAAAAAA"), "1= OK\r\n2= baum\r\n2= OK\r\n");
    EXPECT_EQ(protokoll("BBBBBBBB"), "1= OK\r\n2= OK\r\n");
}

// Mit drei Spielern gibt Spieler 2 bei 999 an Spieler 0 ab, dessen Anteil schon erreicht ist.
TEST_F(Regeln, UebergabeBeiDreiSpielernUnd999) {
    glob.einst.Schwierigkeitsgrad = 2; // 1 Punkt je Schwierigkeit und Diktat mal 3
    legeWortDbAn(ordner.pfad("Varku-D.sqlite"), {{1, "Ast", "der", 1, true, true, false, "", ""},
                                                 {2, "Bus", "der", 1, true, true, false, "", ""},
                                                 {3, "Eis", "das", 1, true, true, false, "", ""}});
    u.wortDb.oeffneWortDatenbank(ordner.pfad("Varku-D.sqlite"));
    gaeste(3);
    beginne(1);
    u.aktSpieler = 2;
    u.oeffneProtokoll();
    u.SitzungsPunkte = 996;
    Uebung::Wortende e = schreibe(u.wortDb.Wort, 2);
    EXPECT_EQ(u.SitzungsPunkte, 999);
    EXPECT_TRUE(e.uebergabe);
    EXPECT_EQ(e.abgebender, "Gast 3");
    EXPECT_EQ(u.aktSpieler, 0);
    EXPECT_EQ(u.protokoll.pfad(), u.gruppe.protokollPfad(0)) << "die Datei des neuen Spielers";
    e = schreibe(u.wortDb.Wort, 3);
    EXPECT_EQ(u.SitzungsPunkte, 1000);
    EXPECT_TRUE(e.glueckwunsch);
    EXPECT_FALSE(e.uebergabe) << "am Ziel gibt niemand mehr ab";
}

// Die Lesezeit beim Abschreiben, auch über Mitternacht, mit ihrer Streuung.
TEST_F(Regeln, LesezeitUndPunkteBeimAbschreiben) {
    glob.einst.Nachschreiben = true;
    glob.einst.Schwierigkeitsgrad = 1;
    gaeste(1);
    beginne(1);
    struct Fall {
        const char* name;
        long start, ende;
        int j, s;
        double lesezeit;
        int punkte;
    };
    const Fall faelle[] = {
        {"eine Sekunde, Streuung nach oben", 1000, 1001, 30, 8, 1.30, 60},
        {"über Mitternacht: zwei Sekunden", 86399, 1, 20, 3, 1.80, 30},
        {"null Sekunden, nach unten nie unter null", 500, 500, 40, 2, 0.40, 90},
        {"lange gelesen gibt nichts", 500, 520, 10, 9, 20.10, 0},
    };
    for (const Fall& f : faelle) {
        const int vorher = u.SitzungsPunkte;
        u.zeigen(f.start);
        u.ersteTaste(f.ende);
        d.zufall.gibZahlen(1, 50, {f.j});
        d.zufall.gibZahlen(1, 10, {f.s});
        d.zufall.gibZahlen(1, 3, {1});
        const Uebung::Wortende e = u.wortende(u.wortDb.Wort);
        EXPECT_TRUE(e.lesezeitGemessen) << f.name;
        EXPECT_NEAR(e.lesezeit, f.lesezeit, 1e-9) << f.name;
        EXPECT_EQ(e.punkte, f.punkte) << f.name;
        EXPECT_EQ(u.SitzungsPunkte - vorher, f.punkte) << f.name;
    }
    // beim Diktat wird keine Lesezeit gemessen
    glob.einst.Nachschreiben = false;
    u.diktieren();
    u.ersteTaste(0);
    d.zufall.gibZahlen(1, 3, {1});
    EXPECT_FALSE(u.wortende(u.wortDb.Wort).lesezeitGemessen);
}

// Die Wiederholliste gehört dem Spieler, der sich verschrieben hat, auch auf Platz 1.
TEST_F(Regeln, WiederhollisteEinesSpaeterenSpielers) {
    gaeste(2);
    beginne(2);
    u.aktSpieler = 1;
    u.oeffneProtokoll();
    schreibe("Bam");
    EXPECT_EQ(u.gruppe.wiederholAnzahl(1), 1);
    EXPECT_EQ(u.gruppe.WiederholListe[1][0][1], 2);
    EXPECT_EQ(u.gruppe.wiederholAnzahl(0), 0);
    // Ziehung über 70: das Wort kommt aus seiner Liste
    d.zufall.gibZahlen(1, 100, {90});
    d.zufall.gibZahlen(1, 1, {1});
    u.naechstesWort();
    EXPECT_EQ(u.wortDb.Wort, "Baum");
    // Spieler 0 hat keine Liste: dieselbe Ziehung wählt zufällig
    u.aktSpieler = 0;
    d.zufall.gibZahlen(1, 3, {3});
    u.naechstesWort();
    EXPECT_EQ(u.wortDb.Wort, "rot");
}

TEST_F(Regeln, LupenfehlerNurMitLupenstelle) {
    gaeste(1);
    struct Fall {
        int wort;
        const char* getippt;
        bool lupenFehler;
    };
    const Fall faelle[] = {
        {1, "igel", true}, // "I" an der Lupenstelle fehlt
        {1, "Igl", false}, // das "I" ist da
        {2, "Bam", true},  // "um" fehlt
        {3, "xyz", false}, // ohne Lupenstelle nie ein Lupenfehler
        {3, "Rot", false},
    };
    u.nimmSchwerpunktAn(false);
    for (const Fall& f : faelle) {
        u.gruppe.leereWiederholListe(0);
        d.zufall.gibZahlen(1, 3, {f.wort});
        u.beginneUebung();
        EXPECT_EQ(schreibe(f.getippt).lupenFehler, f.lupenFehler) << f.getippt;
    }
}

// Eingefügte Zeilenumbrüche fälschen keine Protokollzeile; ein Umlaut aus zwei Zeichen zählt.
TEST_F(Regeln, EingabeIstEineZeile) {
    gaeste(1);
    beginne(1);
    Uebung::Wortende e = schreibe("Igel\n2= OK");
    EXPECT_FALSE(e.richtig);
    EXPECT_EQ(e.eingabe, "Igel2= OK");
    const auto zeilen = leseProtokoll(u.gruppe.protokollPfad(0));
    ASSERT_EQ(zeilen.size(), 1u);
    EXPECT_EQ(zeilen[0].refNr, 1);
    EXPECT_FALSE(zeilen[0].richtig);
    EXPECT_TRUE(schreibe(QString("Igel") + QChar(0x2029), 1).richtig);

    legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                 {{1, QString::fromUtf8("Bär"), "der", 2, true, true, false, "", ""}});
    u.wortDb.oeffneWortDatenbank(ordner.pfad("Varku-D.sqlite"));
    beginne(1);
    EXPECT_TRUE(schreibe(QString("Ba") + QChar(0x0308) + "r", 1).richtig);
}

TEST_F(Regeln, TextFuerDieSprachausgabe) {
    glob.einst.TextToSpeech = true;
    gaeste(1);
    struct Fall {
        bool satz, transWort, transSatz;
        const char* text;
    };
    const Fall faelle[] = {
        {false, false, false, "der Igel"},
        {false, true, false, "der Iegel"},
        {true, false, false, "Der Igel schläft.\\Pau=500\\der Igel."},
        {true, false, true, "Der Iegel schläft.\\Pau=500\\der Igel."},
        {true, true, true, "Der Iegel schläft.\\Pau=500\\der Iegel."},
    };
    for (const Fall& f : faelle) {
        glob.einst.SprachAusgabeSatz = f.satz;
        glob.sprache.TranskripteWoerter = f.transWort;
        glob.sprache.TranskripteSaetze = f.transSatz;
        beginne(1);
        EXPECT_EQ(u.diktieren(), QString::fromUtf8(f.text));
        EXPECT_EQ(u.wortDb.Beispielsatz, f.satz ? "Der ____ schläft." : "")
            << "die Anzeige behält die Lücke";
    }
    glob.einst.TextToSpeech = false;
    EXPECT_EQ(u.diktieren(), "") << "ohne Sprachausgabe spielt das Fenster die Aufnahme";
}

TEST_F(Regeln, ErsteTasteBeendetDieLesezeitNurEinmal) {
    gaeste(1);
    beginne(1);
    u.zeigen(100);
    EXPECT_TRUE(u.ersteTaste(103));
    EXPECT_FALSE(u.ersteTaste(110));
    EXPECT_EQ(u.leseEnde, 103);
}

TEST_F(Regeln, AustragenSchliesstDieOffeneDatei) {
    gaeste(2);
    beginne(1);
    u.aktSpieler = 1;
    u.oeffneProtokoll();
    EXPECT_TRUE(u.entferneSpieler(1));
    EXPECT_FALSE(u.protokoll.offen());
    EXPECT_FALSE(ordner.gibt("User/BBBBBBBB.tmp"));
    EXPECT_FALSE(u.entferneSpieler(5));
    EXPECT_EQ(u.nSpieler(), 1);
}

TEST_F(Regeln, NeueRundeUndFortsetzen) {
    gaeste(2);
    beginne(1);
    EXPECT_FALSE(u.neueRunde(0, 10)) << "ohne Punkte und ohne Spiel nichts";
    u.SitzungsPunkte = 270;
    u.aktSpieler = 1;
    EXPECT_TRUE(u.neueRunde(5000, 10));
    EXPECT_EQ(u.SitzungsPunkte, 0) << "ohne gestartetes Spiel bleibt nichts";
    EXPECT_EQ(u.Zielpunkte, 1000);
    EXPECT_EQ(u.aktSpieler, 0);
    // nach einem Spiel, das die halbe Spieldauer lief
    u.starteSpiel(3000 - 300);
    EXPECT_TRUE(u.spielLief);
    EXPECT_FALSE(u.protokoll.offen());
    EXPECT_TRUE(u.neueRunde(3000, 10));
    EXPECT_FALSE(u.spielLief);
    EXPECT_EQ(u.SitzungsPunkte, 500);
    EXPECT_EQ(u.Zielpunkte, 500);
    EXPECT_EQ(u.protokoll.pfad(), u.gruppe.protokollPfad(0));
    // eine Runde ab 500 Punkten: Spieler 0 gibt bei 500 + 250 ab
    EXPECT_TRUE(u.protokoll.offen());
}

TEST_F(Regeln, StartparameterAusDerGruppe) {
    gaeste(2);
    u.nimmSchwerpunktAn(true);
    const Startparameter p = u.startParameter(true);
    EXPECT_EQ(bildeStartParameter(p), "\"Version=4;RuvoFeldName=KAT1;LupenFlag=1;GwsFlag=1;"
                                      "nSpieler=2;Gast 1;Gast 2;AAAAAAAA;BBBBBBBB;\"");
}

// Nach einem Laufzeitfehler endet das Programm mit 1, und die Protokolldateien sind fort wie
// nach einem gewöhnlichen Ende.
TEST_F(Regeln, LaufzeitfehlerLaesstKeineProtokolle) {
    const int ergebnis = fuehreAus([this] {
        GlobModul g;
        Uebung sitzung(g);
        sitzung.gruppe.setzeUserPfad(ordner.pfad("User"));
        for (int k = 0; k < 8; ++k)
            d.zufall.gibZahlen(65, 90, {int('Q')});
        sitzung.gruppe.fuegeHinzu("Gast");
        EXPECT_TRUE(ordner.gibt("User/QQQQQQQQ.tmp"));
        throw Laufzeitfehler(Laufzeitfehler::DateiZugriff, "Pfad/Datei-Zugriffsfehler", "x");
        return 0;
    });
    EXPECT_EQ(ergebnis, 1);
    EXPECT_FALSE(ordner.gibt("User/QQQQQQQQ.tmp"));
}
