#include "foundation/IniAbschnitt.h"

#include "foundation/Textkodierung.h"
#include "foundation/testing/TestOrdner.h"
#include "platform/Laufzeitfehler.h"

#include <QFile>
#include <gtest/gtest.h>
#include <map>

using namespace varku;
using varku::test::TestOrdner;

namespace {

// liest [Varku] mit den Schlüsseln A, B, Name und gibt die gelesenen Werte zurück
std::map<QString, QString> lies(const TestOrdner& o, const QByteArray& inhalt,
                                const QString& abschnitt = QStringLiteral("Varku")) {
    o.schreibe(QStringLiteral("Varku.ini"), inhalt);
    const QStringList schluessel{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("Name")};
    std::map<QString, QString> werte;
    leseAbschnitt(o.pfad(QStringLiteral("Varku.ini")), abschnitt, schluessel,
                  [&](int i, const QString& w) { werte[schluessel.at(i)] = w; });
    return werte;
}

using Werte = std::map<QString, QString>;

} // namespace

TEST(IniAbschnitt, LesenNachDenRegeln) {
    struct Fall {
        const char* name;
        QByteArray datei;
        Werte erwartet;
    };
    const Fall faelle[] = {
        {"einfacher Abschnitt", "[Varku]\nA=1\nB=2\n", {{"A", "1"}, {"B", "2"}}},
        {"Kopf genau, Groß/klein zählt", "[varku]\nA=1\n", {}},
        {"Kopf mit Leerzeichen dahinter ist kein Kopf", "[Varku] \nA=1\n", {}},
        {"Schlüssel außerhalb des Abschnitts", "A=0\n[Varku]\nB=2\n[Andere]\nA=9\n", {{"B", "2"}}},
        {"Kommentare zählen nicht", "[Varku]\n;A=5\nA=1\n", {{"A", "1"}}},
        {"später gewinnt", "[Varku]\nA=1\nA=3\n", {{"A", "3"}}},
        {"Wert mit Gleichheitszeichen", "[Varku]\nName=a=b\n", {{"Name", "a=b"}}},
        {"Wert mit Leerzeichen, getrimmt",
         "[Varku]\nName=  Comic Sans MS  \n",
         {{"Name", "Comic Sans MS"}}},
        {"Leerzeichen um = ist keine Schlüsselzeile", "[Varku]\nA = 1\nB =2\n", {}},
        {"führende Leerzeichen der Zeile fallen weg", "[Varku]\n   A=7\n", {{"A", "7"}}},
        {"Schlüssel ist nur Anfang mit =", "[Varku]\nAB=1\nNamex=2\n", {}},
        {"leerer Wert", "[Varku]\nA=\n", {{"A", ""}}},
        {"CR LF", "[Varku]\r\nA=1\r\nB=2\r\n", {{"A", "1"}, {"B", "2"}}},
        {"leere Zeilen im Abschnitt", "[Varku]\n\nA=1\n \nB=2", {{"A", "1"}, {"B", "2"}}},
        {"Abschnitt fehlt", "[Sound]\nA=1\n", {}},
        {"leere Datei", "", {}},
        {"Komma beendet den Wert", "[Varku]\nName=a,b\n", {{"Name", "a"}}},
        {"BOM vor dem Kopf", "\xEF\xBB\xBF[Varku]\nA=1\n", {{"A", "1"}}},
        {"BOM mitten in der Datei macht keinen Kopf", "x\n\xEF\xBB\xBF[Varku]\nA=1\n", {}},
    };
    for (const Fall& f : faelle) {
        TestOrdner o;
        EXPECT_EQ(lies(o, f.datei), f.erwartet) << f.name;
    }
}

TEST(IniAbschnitt, LesenBisZumDateiende) {
    TestOrdner o;
    o.schreibe("Varku.ini", "[Spiele]\nSpiel1=Zirkomat\n[Dolmix]\nMaximaleSpielDauer=10\n");
    QString wert;
    leseAbschnitt(
        o.pfad("Varku.ini"), "Spiele", {"MaximaleSpielDauer"},
        [&](int, const QString& w) { wert = w; }, true);
    EXPECT_EQ(wert, "10");
}

TEST(IniAbschnitt, FehlendeDateiIstLaufzeitfehler) {
    TestOrdner o;
    try {
        leseAbschnitt(o.pfad("Varku.ini"), "Varku", {"A"}, [](int, const QString&) {});
        FAIL() << "kein Fehler";
    } catch (const Laufzeitfehler& f) {
        EXPECT_EQ(f.nummer(), 53);
        EXPECT_TRUE(f.meldung().contains("Varku.ini"));
    }
}

namespace {
const AbschnittsFormat varkuFormat{QStringLiteral("Varku")};
const Schluesselzeilen neueWerte{{QStringLiteral("A"), QStringLiteral("1")},
                                 {QStringLiteral("B"), QStringLiteral("Comic Sans MS")}};
} // namespace

TEST(IniAbschnitt, NeuschreibenNachDenRegeln) {
    struct Fall {
        const char* name;
        QByteArray alt;
        QByteArray neu;
        AbschnittsFormat format = varkuFormat;
    };
    const Fall faelle[] = {
        {"Abschnitt in der Mitte", "[Sound]\nX=y\n[Varku]\nA=0\nB=x\n[Spiele]\nSpiel1=Z\n",
         "[Sound]\nX=y\n[Varku]\nA=1\nB=Comic Sans MS\n \n[Spiele]\nSpiel1=Z\n"},
        {"Kommentare des Abschnitts stehen unter den neuen Schlüsseln",
         "[Varku]\n;Schrift\nA=0\n; Ton\n[X]\n",
         "[Varku]\nA=1\nB=Comic Sans MS\n \n;Schrift\n; Ton\n[X]\n"},
        {"Abschnitt am Ende", "[Varku]\nA=0", "[Varku]\nA=1\nB=Comic Sans MS\n \n"},
        {"Kopf als letzte Zeile ohne Zeilenende", "x\n[Varku]",
         "x\n[Varku]\nA=1\nB=Comic Sans MS\n \n"},
        {"BOM mitten in der Datei: kein Kopf, Block am Ende", "x\n\xEF\xBB\xBF[Varku]\n",
         "x\n\xEF\xBB\xBF[Varku]\nA=1\nB=Comic Sans MS\n \n"},
        {"fehlender Abschnitt: Block ohne Kopf am Ende", "[Sound]\nX=y",
         "[Sound]\nX=y\nA=1\nB=Comic Sans MS\n \n"},
        {"CR LF bleibt CR LF", "[Varku]\r\nA=0\r\n[X]\r\nq\r\n",
         "[Varku]\r\nA=1\r\nB=Comic Sans MS\r\n \r\n[X]\r\nq\r\n"},
        {"Zeilen außerhalb bleiben Byte für Byte", "  ; x, \"y\"\t\n[Varku]\nA=0\n[Z]\n  q , r \n",
         "  ; x, \"y\"\t\n[Varku]\nA=1\nB=Comic Sans MS\n \n[Z]\n  q , r \n"},
        {"Leerzeichen nach = in den Spielen", "[Wendomar]\nA= 0\n",
         "[Wendomar]\nA= 1\nB= Comic Sans MS\n \n",
         AbschnittsFormat{QStringLiteral("Wendomar"), QStringLiteral("VARKU.TMP"), true}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(ersetzeAbschnitt(f.alt, f.format, neueWerte), f.neu) << f.name;
}

TEST(IniAbschnitt, ZweimalNeuschreibenGibtDieselbeDatei) {
    const QByteArray alt = "[Sound]\nX=y\n[Varku]\n;k\nA=0\nB=1\n\n[Spiele]\nS=1\n";
    const QByteArray einmal = ersetzeAbschnitt(alt, varkuFormat, neueWerte);
    EXPECT_EQ(ersetzeAbschnitt(einmal, varkuFormat, neueWerte), einmal);
}

TEST(IniAbschnitt, KodierungBleibt) {
    const Schluesselzeilen umlaute{{QStringLiteral("TextFontGröße"), QStringLiteral("28")},
                                   {QStringLiteral("Lautstärke"), QStringLiteral("5")}};
    // Windows-1252: ö ist 0xF6
    const QByteArray cp1252 = "[Varku]\n\xf6=1\n[X]\nL\xe4nge=1\n";
    const QByteArray neuCp = ersetzeAbschnitt(cp1252, varkuFormat, umlaute);
    EXPECT_EQ(neuCp, QByteArray("[Varku]\nTextFontGr\xf6\xdf"
                                "e=28\nLautst\xe4rke=5\n \n[X]\nL\xe4nge=1\n"));
    const QByteArray utf8 = "[Varku]\nA=1\n[X]\nL\xc3\xa4nge=1\n";
    const QByteArray neuUtf = ersetzeAbschnitt(utf8, varkuFormat, umlaute);
    EXPECT_EQ(neuUtf, QByteArray("[Varku]\nTextFontGr\xc3\xb6\xc3\x9f"
                                 "e=28\nLautst\xc3\xa4rke=5\n \n[X]\nL\xc3\xa4nge=1\n"));
    EXPECT_EQ(erkenneKodierung(neuCp), Kodierung::Windows1252);
    EXPECT_EQ(erkenneKodierung(neuUtf), Kodierung::Utf8);
}

TEST(IniAbschnitt, NeueWerteWerdenGelesen) {
    TestOrdner o;
    o.schreibe("Varku.ini", "[Varku]\nA=0\nName=alt\n[X]\nA=9\n");
    schreibeAbschnitt(o.pfad("Varku.ini"), varkuFormat,
                      {{"A", "5"}, {"B", "x=y"}, {"Name", "Andika"}});
    EXPECT_EQ(lies(o, o.lies("Varku.ini")), (Werte{{"A", "5"}, {"B", "x=y"}, {"Name", "Andika"}}));
    EXPECT_FALSE(o.gibt("Varku.tmp")) << "die temporäre Datei ist umbenannt";
}

TEST(IniAbschnitt, MisslungenesSchreibenLaesstDieAlteDatei) {
    TestOrdner o;
    const QByteArray alt = "[Varku]\nA=0\n";
    o.schreibe("Varku.ini", alt);
    // die temporäre Datei kann nicht angelegt werden: an ihrer Stelle steht ein Ordner
    o.schreibe("Varku.tmp/x", "");
    EXPECT_THROW(schreibeAbschnitt(o.pfad("Varku.ini"), varkuFormat, neueWerte), Laufzeitfehler);
    EXPECT_EQ(o.lies("Varku.ini"), alt);
}

TEST(IniAbschnitt, WerteAlsText) {
    EXPECT_EQ(iniSchalter(true), "1");
    EXPECT_EQ(iniSchalter(false), "0");
    EXPECT_EQ(iniZahl(28), "28");
    EXPECT_EQ(iniZahl(10.5), "10.5");
    EXPECT_EQ(iniZahl(-3), "-3");
    EXPECT_EQ(iniGanzzahl(70000), "70000");
}
