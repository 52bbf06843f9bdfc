#include "frame/Druck.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "frame/Uebung.h"
#include "platform/testing/FakeDrucker.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace varku;
using varku::test::FakeDrucker;
using varku::test::legeWortDbAn;
using varku::test::TestOrdner;

namespace {

// Ränder des Testblatts und Bildgrößen: alle Lagen lassen sich nachrechnen
const QByteArray raender = "[Drucker]\nLinkerRand=500\nRechterRand=11500\nObererRand=1000\n"
                           "UntererRand=16000\n";

struct Druckregeln : ::testing::Test {
    TestOrdner ordner;
    FakeDrucker drucker;

    Druckregeln() {
        ordner.schreibe("Varku.ini", "[Varku]\nAutoDialog=0\n" + raender);
        drucker.bildGroessen[VarkLogoImg] = QSizeF(2000, 1200);
        drucker.bildGroessen[MorloLogoImg] = QSizeF(1800, 900);
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{1, "Igel", "der", 1, false, true, false, "", ""},
                      {2, "Baum", "der", 1, false, true, false, "", ""},
                      {3, "rot", "", 1, false, false, true, "", ""}});
    }

    Druckangaben angaben(const QByteArray& protokoll = {}) {
        Druckangaben a;
        a.name = "Gast 1";
        a.protokollPfad = ordner.pfad("User/AAAAAAAA.tmp");
        ordner.schreibe("User/AAAAAAAA.tmp", protokoll);
        a.schwerpunkt = "Tiere";
        a.sitzungsBeginn = QDateTime(QDate(2026, 12, 9), QTime(10, 3, 0));
        a.jetzt = QDateTime(QDate(2026, 12, 9), QTime(10, 15, 5));
        a.wortDbPfad = ordner.pfad("Varku-D.sqlite");
        a.iniDatei = ordner.pfad("Varku.ini");
        return a;
    }

    // nur die gedruckten Texte, ohne Lage und Schrift
    QStringList texte() const {
        QStringList t;
        for (const QString& op : drucker.ops)
            if (op.startsWith("Text "))
                t << op.mid(op.indexOf("] ") + 2);
        return t;
    }
    // die Zeile mit diesem Text
    QString zeile(const QString& text) const {
        for (const QString& op : drucker.ops)
            if (op.startsWith("Text ") && op.endsWith("] " + text))
                return op;
        return "fehlt: " + text;
    }
};

// Zeilen als ein Text: GoogleTest zeigt Unterschiede Zeile für Zeile
std::string zeilen(const QStringList& l) {
    return l.join(u'\n').toStdString();
}

QByteArray viele(const char* zeile, int n) {
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b += zeile;
    return b;
}

} // namespace

// Ränder aus [Drucker]; was fehlt oder nicht aufs Blatt passt, kommt vom Seitenbereich.
TEST(Druckraender, FehlendesUndUnsinnKommtVomSeitenbereich) {
    TestOrdner ordner;
    const QRectF bereich(300, 200, 11500, 16200); // rechts 11800, unten 16400
    struct Fall {
        const char* name;
        QByteArray ini;
        std::array<int, 4> erwartet; // links, rechts, oben, unten
    };
    const std::vector<Fall> faelle = {
        {"alle da", raender, {500, 11500, 1000, 16000}},
        {"kein Abschnitt", "[Varku]\nAutoDialog=0\n", {300, 11800, 200, 16400}},
        {"nur links", "[Drucker]\nLinkerRand=1134\n", {1134, 11800, 200, 16400}},
        {"anderer Abschnitt danach",
         "[Drucker]\nObererRand=900\n[Sound]\nUntererRand=5\n",
         {300, 11800, 900, 16400}},
        {"außerhalb des Blatts",
         "[Drucker]\nLinkerRand=-50\nRechterRand=40000\nUntererRand=99999\n",
         {300, 11800, 200, 16400}},
        {"vertauscht",
         "[Drucker]\nLinkerRand=9000\nRechterRand=2000\nObererRand=700\n",
         {300, 11800, 700, 16400}},
        {"oben unter unten",
         "[Drucker]\nObererRand=16000\nUntererRand=800\n",
         {300, 11800, 200, 16400}},
        {"Text statt Zahl",
         "[Drucker]\nLinkerRand=abc\nRechterRand=10000cm\n",
         {300, 10000, 200, 16400}},
    };
    for (const Fall& f : faelle) {
        ordner.schreibe("Varku.ini", f.ini);
        const DruckerRaender r = druckerRaender(ordner.pfad("Varku.ini"), bereich);
        EXPECT_EQ((std::array<int, 4>{r.LinkerRand, r.RechterRand, r.ObererRand, r.UntererRand}),
                  f.erwartet)
            << f.name;
    }
    // ohne Datei gilt der Seitenbereich
    const DruckerRaender ohne = druckerRaender(ordner.pfad("fehlt.ini"), bereich);
    EXPECT_EQ(ohne.LinkerRand, 300);
    EXPECT_EQ(ohne.UntererRand, 16400);
}

// Die Zahlen des Zeugnisses: nur der Spieler am Zug hat ein ungeschriebenes Wort, nie unter 0.
TEST(Zeugniszahlen, GeschriebenLesezeitUndDauer) {
    struct Fall {
        int woerter, richtig, summe;
        bool wortAufSchirm;
        int geschrieben;
        const char* lesezeit;
    };
    const std::vector<Fall> faelle = {
        {1, 0, 0, true, 0, "0,00"},       // das erste Wort steht noch da
        {0, 0, 0, false, 0, "0,00"},      // ein Spieler, der nie dran war
        {0, 0, 0, true, 0, "0,00"},       // nie unter 0
        {5, 4, 9, false, 5, "1,80"},      // ein anderer Spieler: alle gezählten sind geschrieben
        {5, 4, 9, true, 4, "2,25"},       // am Zug: das fünfte steht noch da
        {3, 2, 1, true, 2, "0,50"},       // gerundet wird auf zwei Stellen
        {2, 1, 2000, true, 1, "2000,00"}, // ohne Tausenderpunkt
    };
    for (const Fall& f : faelle) {
        Statistik s;
        s.woerter = int16_t(f.woerter);
        s.richtig = int16_t(f.richtig);
        s.lesezeitSumme = f.summe;
        const int g = geschriebeneWoerter(s, f.wortAufSchirm);
        EXPECT_EQ(g, f.geschrieben) << f.woerter << " " << f.wortAufSchirm;
        EXPECT_EQ(lesezeitText(s, g), f.lesezeit) << f.woerter << " " << f.summe;
    }

    const QDate tag(2026, 12, 9);
    struct Dauer {
        QDateTime beginn, jetzt;
        const char* text;
    };
    const std::vector<Dauer> dauern = {
        {QDateTime(tag, QTime(10, 3, 0)), QDateTime(tag, QTime(10, 15, 5)), "12:05"},
        {QDateTime(tag, QTime(10, 0, 0)), QDateTime(tag, QTime(10, 0, 0)), "0:00"},
        {QDateTime(tag, QTime(8, 0, 0)), QDateTime(tag, QTime(10, 30, 59)), "150:59"},
        // über Mitternacht
        {QDateTime(tag, QTime(23, 55, 0)), QDateTime(tag.addDays(1), QTime(0, 5, 30)), "10:30"},
        // eine zurückgestellte Uhr gibt keine negative Dauer
        {QDateTime(tag, QTime(10, 0, 0)), QDateTime(tag, QTime(9, 0, 0)), "0:00"},
        {QDateTime(), QDateTime(tag, QTime(9, 0, 0)), "0:00"},
    };
    for (const Dauer& d : dauern)
        EXPECT_EQ(uebungsdauer(d.beginn, d.jetzt), d.text) << d.text;

    EXPECT_EQ(langesDatum(tag), "Mittwoch, 9. Dezember 2026");
}

TEST_F(Druckregeln, KopfUndFussLiegenAnDenRaendern) {
    Druck d(drucker);
    d.ladeDruckerRaender(ordner.pfad("Varku.ini"));
    d.druckeKopf();
    EXPECT_EQ(zeilen(drucker.ops), zeilen(QStringList{
                                       "Bild VarkLogo.png 500,1000",
                                       // rechtsbündig: 5 Zeichen zu 200 Twips
                                       "Text 10500,1000 [Arial 20 fett] Varku",
                                       // unter dem Logo und 500 Luft
                                       "Balken 500,2700-11500,2710",
                                   }));
    EXPECT_EQ(drucker.y(), 2710);
    EXPECT_EQ(drucker.x(), 500);

    drucker.ops.clear();
    d.druckeFuss(5000, 3);
    EXPECT_EQ(zeilen(drucker.ops), zeilen(QStringList{
                                       "Balken 500,5100-11500,5110",
                                       "Text 500,15500 [Arial 20] Blatt 3",
                                       "Bild MorloLogo.png 9700,15100",
                                   }));
}

TEST_F(Druckregeln, ZeileUndLageMitNegativenWerten) {
    Druck d(drucker);
    d.ladeDruckerRaender(ordner.pfad("Varku.ini"));
    d.druckeZeile(4000, "Name:", "Gast 1");
    EXPECT_EQ(zeilen(drucker.ops), zeilen(QStringList{"Text 1000,4000 [Arial 16 fett] Name:",
                                                      "Text 4500,4000 [Arial 16 kursiv] Gast 1"}));
    EXPECT_EQ(drucker.y(), 4384);

    // negativ lässt die Stelle
    drucker.setzeX(700);
    d.druckeText(-1, -5, "weiter");
    EXPECT_EQ(drucker.ops.last(), "Text 700,4384 [Arial 16 kursiv] weiter");

    // ein Titel, der über den rechten Rand ginge, bricht in seiner Spalte um
    drucker.ops.clear();
    d.druckeZeile(6000,
                  "Übungsschwerpunkt:", "Lauttreue Wörter mit zwei Mitlauten am Anfang bl br dr");
    EXPECT_EQ(zeilen(drucker.ops),
              zeilen(QStringList{
                  "Text 1000,6000 [Arial 16 fett] Übungsschwerpunkt:",
                  "Text 4500,6000 [Arial 16 kursiv] Lauttreue Wörter mit zwei Mitlauten am",
                  "Text 4500,6384 [Arial 16 kursiv] Anfang bl br dr"}));
}

// Das Zeugnis, während das erste Wort noch auf dem Schirm steht: 0 Wörter, 0,00 Sekunden.
TEST_F(Druckregeln, ZeugnisMitDemErstenWortAufDemSchirm) {
    Druckangaben a = angaben();
    a.statistik.woerter = 1;
    a.wortAufSchirm = true;
    Druck d(drucker);
    const Druckergebnis e = d.druckeZeugnis(a);
    ASSERT_TRUE(e.gedruckt) << e.fehler.toStdString();
    EXPECT_EQ(e.ziel, "Testdrucker");
    EXPECT_EQ(zeilen(drucker.ops),
              zeilen(QStringList{
                  "Dokument Zeugnis Gast 1",
                  "Bild VarkLogo.png 500,1000",
                  "Text 10500,1000 [Arial 20 fett] Varku",
                  "Balken 500,2700-11500,2710",
                  "Text 500,3510 [Arial 36 fett] Zeugnis",
                  "Text 1000,5574 [Arial 16 fett] Schüler/Schülerin:",
                  "Text 4500,5574 [Arial 16 kursiv] Gast 1",
                  "Text 1000,6038 [Arial 16 fett] Erstellungsdatum:",
                  "Text 4500,6038 [Arial 16 kursiv] Mittwoch, 9. Dezember 2026",
                  "Text 500,7222 [Arial 14] Er/sie hat heute seine/ihre Rechtschreib-Kenntnisse "
                  "am Computer mit Hilfe",
                  "Text 500,7558 [Arial 14] der Programme des Varkus (VARKU) verbessert.",
                  "Text 1000,8694 [Arial 16 fett] Übungsschwerpunkt:",
                  "Text 4500,8694 [Arial 16 kursiv] Tiere",
                  "Text 1000,9158 [Arial 16 fett] Übungsdauer:",
                  "Text 4500,9158 [Arial 16 kursiv] 12:05 Minuten",
                  "Text 1000,10042 [Arial 16 fett] geschrieben wurden:",
                  "Text 4500,10042 [Arial 16 kursiv] 0 Wörter",
                  "Text 1000,10506 [Arial 16 fett] davon richtig:",
                  "Text 4500,10506 [Arial 16 kursiv] 0 Wörter",
                  "Text 1000,10970 [Arial 16 fett] Lesezeit:",
                  "Text 4500,10970 [Arial 16 kursiv] 0,00 Sekunden pro Wort",
                  "Text 500,11854 [Arial 14] Deine Lehrerinnen und Lehrer gratulieren dir zu "
                  "dieser Leistung und wünschen",
                  "Text 500,12190 [Arial 14] dir weiterhin viel Spaß und Erfolg beim Lernen.",
                  "Balken 500,13726-11500,13736",
                  // Unterschrift über dem Verlagszeichen: 30 Zeichen zu 140 Twips
                  "Balken 500,15180-4700,15190",
                  "Text 500,15260 [Arial 14] Unterschrift des Übungsleiters",
                  "Bild MorloLogo.png 9700,14900",
                  "Ende",
              }));
}

// Nie mehr richtige als geschriebene Wörter, auch für einen Spieler, der nicht am Zug ist.
TEST_F(Druckregeln, ZeugnisEinesAnderenSpielers) {
    Druckangaben a = angaben();
    a.statistik = {7, 7, 21, 0, 0};
    a.wortAufSchirm = false;
    Druck(drucker).druckeZeugnis(a);
    EXPECT_EQ(zeile("7 Wörter"), "Text 4500,10042 [Arial 16 kursiv] 7 Wörter");
    EXPECT_EQ(texte().count("7 Wörter"), 2);
    EXPECT_TRUE(texte().contains("3,00 Sekunden pro Wort"));
}

TEST_F(Druckregeln, ProtokollMitKontextUndFalscherSchreibung) {
    // ein Komma oder Anführungszeichen im Getippten trennt nichts
    Druck d(drucker);
    const Druckergebnis e =
        d.druckeProtokoll(angaben("1= OK\r\n2= Bau,m \"x\"\r\n3= OK\r\n2= OK\r\n"));
    ASSERT_TRUE(e.gedruckt) << e.fehler.toStdString();
    EXPECT_EQ(zeilen(drucker.ops.mid(0, 13)),
              zeilen(QStringList{
                  "Dokument Protokoll Gast 1",
                  "Bild VarkLogo.png 500,1000",
                  "Text 10500,1000 [Arial 20 fett] Varku",
                  "Balken 500,2700-11500,2710",
                  "Text 500,3210 [Arial 36 fett] Protokoll",
                  "Text 1000,4574 [Arial 16 fett] Schüler/Schülerin:",
                  "Text 4500,4574 [Arial 16 kursiv] Gast 1",
                  "Text 1000,5038 [Arial 16 fett] Erstellungsdatum:",
                  "Text 4500,5038 [Arial 16 kursiv] Mittwoch, 9. Dezember 2026",
                  "Text 1000,5502 [Arial 16 fett] Übungsschwerpunkt:",
                  "Text 4500,5502 [Arial 16 kursiv] Tiere",
                  "Text 500,6386 [Arial 16 fett] Richtig geschriebene Wörter",
                  "Text 0,6770 [Arial 16 fett] ",
              }));
    EXPECT_EQ(zeilen(drucker.ops.mid(13)),
              zeilen(QStringList{
                  // Kontext klein, 110 tiefer; das Wort 60 hinter ihm
                  "Text 1000,7264 [Arial 10] der",
                  "Text 1360,7154 [Arial 16] Igel",
                  // ohne Kontext steht das Wort am Einzug
                  "Text 1000,7538 [Arial 16] rot",
                  "Text 1000,8032 [Arial 10] der",
                  "Text 1360,7922 [Arial 16] Baum",
                  "Text 500,8806 [Arial 16 fett] Falsch geschriebene Wörter",
                  "Text 0,9190 [Arial 16 fett] ",
                  "Text 1000,9684 [Arial 10] der",
                  "Text 1360,9574 [Arial 16] Baum",
                  "Text 4500,9574 [Arial 16] * Bau,m \"x\"",
                  "Balken 500,10058-11500,10068",
                  "Text 500,15500 [Arial 20] Blatt 1",
                  "Bild MorloLogo.png 9700,15100",
                  "Ende",
              }));
}

// Eine Nummer, die es nicht gibt, steht als Nummer da, nie als das Wort davor; die Stelle des
// Datensatzes der Übung bleibt, wo sie war.
TEST_F(Druckregeln, NachschlagenLaesstDieUebungStehen) {
    GlobModul glob;
    Uebung u(glob);
    u.wortDb.oeffneWortDatenbank(ordner.pfad("Varku-D.sqlite"));
    ASSERT_EQ(u.wortDb.setzeWortFilter("KAT1", false), 2);
    u.wortDb.positioniereWort(2);
    ASSERT_EQ(u.wortDb.refNr(), 2);

    Druck(drucker).druckeProtokoll(angaben("1= OK\r\n99= OK\r\n3= rott\r\n"));
    // rot gehört nicht zum Schwerpunkt und wird doch gefunden
    EXPECT_EQ(zeilen(texte().mid(8)),
              zeilen(QStringList{"Richtig geschriebene Wörter", "", "der", "Igel", "99",
                                 "Falsch geschriebene Wörter", "", "rot", "* rott", "Blatt 1"}));
    EXPECT_EQ(u.wortDb.refNr(), 2);

    // ohne Wortdatenbank stehen alle Nummern da
    drucker.ops.clear();
    Druckangaben a = angaben("1= OK\r\n");
    a.wortDbPfad = ordner.pfad("fehlt.sqlite");
    EXPECT_TRUE(Druck(drucker).druckeProtokoll(a).gedruckt);
    EXPECT_TRUE(texte().contains("1"));
}

// 25 richtige Wörter: 20 passen auf Blatt 1, dann Fuß mit "Blatt 1", neues Blatt mit Kopf.
TEST_F(Druckregeln, SeitenwechselMitFussUndKopf) {
    Druck d(drucker);
    ASSERT_TRUE(d.druckeProtokoll(angaben(viele("1= OK\r\n", 25) + "2= Baun\r\n")).gedruckt);
    EXPECT_EQ(drucker.seiten, 2);
    const qsizetype wechsel = drucker.ops.indexOf("Seite");
    ASSERT_GT(wechsel, 0);
    EXPECT_EQ(zeilen(drucker.ops.mid(wechsel - 4, 9)),
              zeilen(QStringList{
                  "Text 1360,14450 [Arial 16] Igel", // der zwanzigste Eintrag
                  "Balken 500,14934-11500,14944", "Text 500,15500 [Arial 20] Blatt 1",
                  "Bild MorloLogo.png 9700,15100", "Seite", "Bild VarkLogo.png 500,1000",
                  "Text 10500,1000 [Arial 20 fett] Varku", "Balken 500,2700-11500,2710",
                  "Text 1000,3320 [Arial 10] der", // 500 unter dem Kopf
              }));
    EXPECT_EQ(texte().count("Igel"), 25);
    EXPECT_EQ(texte().last(), "Blatt 2");
    EXPECT_EQ(drucker.ops.last(), "Ende");
}

// Endet ein Abschnitt genau am Fuß des Blattes, folgt kein Blatt mit nur dem Kopf.
TEST_F(Druckregeln, KeinBlattMitNurDemKopf) {
    Druck d(drucker);
    // 17 falsche Wörter füllen Blatt 1 bis zur Grenze
    ASSERT_TRUE(d.druckeProtokoll(angaben(viele("1= Igl\r\n", 17))).gedruckt);
    EXPECT_EQ(drucker.seiten, 1);
    EXPECT_EQ(texte().count("* Igl"), 17);
    EXPECT_EQ(texte().last(), "Blatt 1");

    // Eine Überschrift ohne Platz für ihren ersten Eintrag geht mit ihm auf das nächste Blatt.
    drucker.ops.clear();
    drucker.seiten = 0;
    ASSERT_TRUE(d.druckeProtokoll(angaben(viele("1= OK\r\n", 19) + "2= Bam\r\n")).gedruckt);
    EXPECT_EQ(drucker.seiten, 2);
    const qsizetype wechsel = drucker.ops.indexOf("Seite");
    const qsizetype ueberschrift =
        drucker.ops.indexOf("Text 500,3210 [Arial 16 fett] Falsch geschriebene Wörter");
    EXPECT_GT(ueberschrift, wechsel);
}

// Ohne [Drucker] gilt der Seitenbereich: nicht jeder Eintrag bekommt sein eigenes Blatt.
TEST_F(Druckregeln, OhneRaenderDerSeitenbereich) {
    ordner.schreibe("Varku.ini", "[Varku]\nAutoDialog=0\n");
    drucker.bereich = QRectF(600, 500, 10706, 15838);
    Druck d(drucker);
    ASSERT_TRUE(d.druckeProtokoll(angaben(viele("2= OK\r\n", 30))).gedruckt);
    EXPECT_EQ(d.LinkerRand, 600);
    EXPECT_EQ(d.RechterRand, 11306);
    EXPECT_EQ(d.ObererRand, 500);
    EXPECT_EQ(d.UntererRand, 16338);
    EXPECT_EQ(drucker.seiten, 2);
    EXPECT_EQ(drucker.ops.at(1), "Bild VarkLogo.png 600,500");
}

// Ein Drucker, der nicht will, und eine fehlende Datei: eine Meldung, kein Abbruch.
TEST_F(Druckregeln, FehlerWerdenGemeldet) {
    struct Fall {
        const char* name;
        bool geht, beendenGeht, dateiDa, zeugnis;
        const char* grund;
        const char* letzteOp; // "" ohne jede Zeichnung
    };
    const std::vector<Fall> faelle = {
        {"kein Drucker", false, true, true, true, "Es ist kein Drucker bereit.", ""},
        {"kein Drucker, Protokoll", false, true, true, false, "Es ist kein Drucker bereit.", ""},
        {"abgelehnt", true, false, true, true, "Der Drucker hat es nicht angenommen.", "Ende"},
        {"Protokoll fehlt", true, true, false, false, "Die Protokolldatei fehlt.", ""},
    };
    for (const Fall& f : faelle) {
        drucker.ops.clear();
        drucker.geht = f.geht;
        drucker.beendenGeht = f.beendenGeht;
        Druckangaben a = angaben("1= OK\r\n");
        if (!f.dateiDa)
            QFile::remove(a.protokollPfad);
        Druck d(drucker);
        const Druckergebnis e = f.zeugnis ? d.druckeZeugnis(a) : d.druckeProtokoll(a);
        EXPECT_FALSE(e.gedruckt) << f.name;
        const QString dokument = f.zeugnis ? "Zeugnis" : "Protokoll";
        EXPECT_EQ(e.fehler, "Das " + dokument + " für Gast 1\rwurde nicht gedruckt.\r" + f.grund)
            << f.name;
        EXPECT_EQ(drucker.ops.isEmpty() ? QString() : drucker.ops.last(), f.letzteOp) << f.name;
    }
}

TEST(Druckziel, DateiOderDrucker) {
    EXPECT_TRUE(istDateiziel(QDir::tempPath() + "/User/Zeugnis Gast 1 2026-12-09 10-15-03.pdf"));
    EXPECT_TRUE(istDateiziel(QDir::tempPath() + "/a.PDF"));
    EXPECT_FALSE(istDateiziel("HP_LaserJet"));
    EXPECT_FALSE(istDateiziel("Drucker.pdf"));
    EXPECT_FALSE(istDateiziel(""));
}

// Auf einem schmalen Blatt geht nichts über den rechten Rand: Werte und Sätze brechen um, ein
// langes Getipptes wird gekürzt.
TEST_F(Druckregeln, NichtsUeberDenRechtenRand) {
    ordner.schreibe("Varku.ini", "[Drucker]\nLinkerRand=500\nRechterRand=8500\nObererRand=1000\n"
                                 "UntererRand=16000\n");
    Druckangaben a = angaben("1= OK\r\n2= " + QByteArray(80, 'x') + "\r\n");
    a.schwerpunkt = "Wörter mit langem Selbstlaut ohne Dehnungszeichen";
    Druck d(drucker);
    ASSERT_TRUE(d.druckeZeugnis(a).gedruckt);
    ASSERT_TRUE(d.druckeProtokoll(a).gedruckt);
    static const QRegularExpression text(R"(^Text (\d+),\d+ \[Arial (\d+)[^\]]*\] (.*)$)");
    int gedruckt = 0;
    for (const QString& op : drucker.ops) {
        const QRegularExpressionMatch t = text.match(op);
        if (!t.hasMatch())
            continue;
        ++gedruckt;
        // wie der Testdrucker misst: ein Zeichen ist halb so breit wie die Schrift hoch
        const double rechts =
            t.captured(1).toDouble() + t.captured(3).size() * t.captured(2).toDouble() * 10;
        EXPECT_LE(rechts, 8500) << op.toStdString();
    }
    EXPECT_GT(gedruckt, 40);
    // die Sätze stehen ganz da, nur anders umbrochen
    const QString alles = texte().join(' ');
    EXPECT_TRUE(alles.contains("Deine Lehrerinnen und Lehrer gratulieren dir zu dieser Leistung "
                               "und wünschen dir weiterhin viel Spaß und Erfolg beim Lernen."));
    EXPECT_TRUE(alles.contains("Wörter mit langem Selbstlaut ohne Dehnungszeichen"));
    EXPECT_TRUE(alles.contains("* xxxxxxxxxxxx"));
    EXPECT_TRUE(alles.contains("x…"));
}
