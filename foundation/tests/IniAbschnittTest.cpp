#include "foundation/IniAbschnitt.h"

#include "foundation/Textkodierung.h"
#include "foundation/Zahlenwert.h"
#include "foundation/testing/TestOrdner.h"
#include "platform/Laufzeitfehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

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
        {"BOM mitten in der Datei: kein Kopf, der Abschnitt am Ende", "x\n\xEF\xBB\xBF[Varku]\n",
         "x\n\xEF\xBB\xBF[Varku]\n[Varku]\nA=1\nB=Comic Sans MS\n \n"},
        {"fehlender Abschnitt: mit seinem Kopf am Ende", "[Sound]\nX=y",
         "[Sound]\nX=y\n[Varku]\nA=1\nB=Comic Sans MS\n \n"},
        {"fehlender Abschnitt nach einem Abschnitt mit Leerzeile",
         "[Zelko]\r\nTonEinschalten=1\r\n \r\n",
         "[Zelko]\r\nTonEinschalten=1\r\n \r\n[Varku]\r\nA=1\r\nB=Comic Sans MS\r\n \r\n"},
        {"CR LF bleibt CR LF", "[Varku]\r\nA=0\r\n[X]\r\nq\r\n",
         "[Varku]\r\nA=1\r\nB=Comic Sans MS\r\n \r\n[X]\r\nq\r\n"},
        {"Zeilen außerhalb bleiben Byte für Byte", "  ; x, \"y\"\t\n[Varku]\nA=0\n[Z]\n  q , r \n",
         "  ; x, \"y\"\t\n[Varku]\nA=1\nB=Comic Sans MS\n \n[Z]\n  q , r \n"},
        {"Leerzeichen nach = in den Spielen", "[Wendomar]\nA= 0\n",
         "[Wendomar]\nA= 1\nB= Comic Sans MS\n \n",
         AbschnittsFormat{QStringLiteral("Wendomar"), QStringLiteral("VARKU.TMP"), true}},
        {"BOM am Dateianfang vor dem Kopf", "\xEF\xBB\xBF[Varku]\nA=0\n",
         "\xEF\xBB\xBF[Varku]\nA=1\nB=Comic Sans MS\n \n"},
        {"Kopf mit Blanks und Tabulator davor", " \t[Varku]\nA=0\n[X]\n",
         " \t[Varku]\nA=1\nB=Comic Sans MS\n \n[X]\n"},
        {"Kopf in Anführungszeichen", "\"[Varku]\"\nA=0\n",
         "\"[Varku]\"\nA=1\nB=Comic Sans MS\n \n"},
        {"Kopf als zweites Element der Zeile", "x,[Varku]\nA=0\n[X]\n",
         "x,[Varku]\nA=1\nB=Comic Sans MS\n \n[X]\n"},
        {"Abschnitt endet an einem Element mit [ hinter einem Komma", "[Varku]\nA=0\nq,[X]\nA=0\n",
         "[Varku]\nA=1\nB=Comic Sans MS\n \nq,[X]\nA=0\n"},
        {"Kommentar in Anführungszeichen bleibt, ; hinter einem Komma nicht",
         "[Varku]\n\";k\"\nx,;y\n", "[Varku]\nA=1\nB=Comic Sans MS\n \n\";k\"\n"},
        {"Kommentar ohne Zeilenende am Dateiende", "[Varku]\r\n;k",
         "[Varku]\r\nA=1\r\nB=Comic Sans MS\r\n \r\n;k\r\n"},
        {"nur CR als Zeilenende", "[Varku]\rA=0\r[X]\r", "[Varku]\rA=1\rB=Comic Sans MS\r \r[X]\r"},
        {"leere Datei: CR LF", "", "[Varku]\r\nA=1\r\nB=Comic Sans MS\r\n \r\n"},
        {"fehlender Abschnitt, ein anderer Kopf ohne Zeilenende", "[Sound]",
         "[Sound]\r\n[Varku]\r\nA=1\r\nB=Comic Sans MS\r\n \r\n"},
        {"fehlender Kopf mit Umlaut in Windows-1252", "\xe4\n",
         "\xe4\n[Gr\xf6\xdf"
         "e]\nA=1\nB=Comic Sans MS\n \n",
         AbschnittsFormat{QStringLiteral("Größe")}},
        {"Kopf mit Umlaut in Windows-1252",
         "[Gr\xf6\xdf"
         "e]\nA=0\n",
         "[Gr\xf6\xdf"
         "e]\nA=1\nB=Comic Sans MS\n \n",
         AbschnittsFormat{QStringLiteral("Größe")}},
        {"Kopf, der in Windows-1252 nicht geht, passt nicht auf ?", "\xff\n[?]\nA=0\n",
         "\xff\n[?]\nA=0\n[?]\nA=1\nB=Comic Sans MS\n \n", AbschnittsFormat{QStringLiteral("Ω")}},
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

TEST(IniAbschnitt, KodierungAuchInGrossenDateien) {
    // große Dateien werden in Stücken von 64 KiB geprüft; kein Zeichen darf dabei zerfallen
    constexpr qsizetype grenze = 64 * 1024;
    struct Fall {
        const char* name;
        qsizetype ab; // wo die Bytes in einer Datei aus "x" stehen
        QByteArray bytes;
        Kodierung erwartet;
    };
    const Fall faelle[] = {
        {"ä über der Grenze", grenze - 1, "\xc3\xa4", Kodierung::Utf8},
        {"vier Bytes, eines vor der Grenze", grenze - 1, "\xf0\x9f\x98\x80", Kodierung::Utf8},
        {"vier Bytes, drei vor der Grenze", grenze - 3, "\xf0\x9f\x98\x80", Kodierung::Utf8},
        {"vier Bytes genau vor der Grenze", grenze - 4, "\xf0\x9f\x98\x80", Kodierung::Utf8},
        {"Zeichen über der zweiten Grenze", 2 * grenze - 2, "\xe2\x82\xac", Kodierung::Utf8},
        {"Anfangsbyte ohne Folge vor der Grenze", grenze - 1, "\xc3", Kodierung::Windows1252},
        {"Folgebyte ohne Anfang nach der Grenze", grenze, "\xa4", Kodierung::Windows1252},
        {"ein Folgebyte zu viel über der Grenze", grenze - 4, "\xf0\x9f\x98\x80\x80",
         Kodierung::Windows1252},
        {"fünf Folgebytes über der Grenze", grenze - 3, "\x80\x80\x80\x80\x80",
         Kodierung::Windows1252},
        {"abgeschnittenes Zeichen am Dateiende", 3 * grenze - 1, "\xe2\x82",
         Kodierung::Windows1252},
    };
    for (const Fall& f : faelle) {
        QByteArray datei(3 * grenze + 1, 'x');
        datei.replace(f.ab, f.bytes.size(), f.bytes);
        datei.truncate(std::max(f.ab + f.bytes.size(), 3 * grenze));
        EXPECT_EQ(erkenneKodierung(datei), f.erwartet) << f.name;
    }
}

TEST(IniAbschnitt, NeueWerteWerdenGelesen) {
    TestOrdner o;
    o.schreibe("Varku.ini", "[Varku]\nA=0\nName=alt\n[X]\nA=9\n");
    schreibeAbschnitt(o.pfad("Varku.ini"), varkuFormat,
                      {{"A", "5"}, {"B", "x=y"}, {"Name", "Andika"}});
    EXPECT_EQ(lies(o, o.lies("Varku.ini")), (Werte{{"A", "5"}, {"B", "x=y"}, {"Name", "Andika"}}));
    EXPECT_FALSE(o.gibt("Varku.tmp")) << "die temporäre Datei ist umbenannt";
}

// Eine leere Datei liest Qt als Bytes ohne Adresse; auch sie bekommt den Abschnitt
TEST(IniAbschnitt, LeereDateiBekommtDenAbschnitt) {
    TestOrdner o;
    o.schreibe("Varku.ini", "");
    schreibeAbschnitt(o.pfad("Varku.ini"), varkuFormat, {{"A", "5"}});
    EXPECT_EQ(o.lies("Varku.ini"), "[Varku]\r\nA=5\r\n \r\n");
    EXPECT_EQ(ersetzeAbschnitt(QByteArray(), varkuFormat, {{"A", "5"}}), "[Varku]\r\nA=5\r\n \r\n");
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
    EXPECT_EQ(iniGanzzahl(70000), "70000");
}

TEST(IniAbschnitt, ZahlenLesenSichZurueck) {
    constexpr double groesste = std::numeric_limits<double>::max();
    struct Fall {
        double zahl;
        const char* text;
    };
    const Fall faelle[] = {
        {28, "28"},
        {10.5, "10.5"},
        {-3, "-3"},
        {0.1 + 0.2, "0.3"},
        {1e300, "1e+300"},
        {1.79769313486231e308, "1.79769313486231e+308"},
        // auf 15 Stellen gerundet läge sie über dem Bereich
        {groesste, "1.7976931348623157e+308"},
        {-groesste, "-1.7976931348623157e+308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247e-324"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(iniZahl(f.zahl), f.text) << f.text;
        EXPECT_DOUBLE_EQ(zahlenwert(iniZahl(f.zahl)), f.zahl) << f.text;
    }
}

TEST(IniAbschnitt, UnendlichWirdNieGeschrieben) {
    for (double zahl :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        try {
            const QString text = iniZahl(zahl);
            ADD_FAILURE() << "geschrieben als " << text.toStdString();
        } catch (const Laufzeitfehler& f) {
            EXPECT_EQ(f.nummer(), Laufzeitfehler::Ueberlauf);
        }
    }
}

namespace {

// wie viele Dateien der Prozess offen hat
qsizetype offeneDeskriptoren() {
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size();
}

// setzt die umask für die Dauer eines Tests
class Umask {
public:
    explicit Umask(mode_t m) : m_alt(::umask(m)) {}
    ~Umask() { ::umask(m_alt); }

private:
    mode_t m_alt;
};

mode_t rechteVon(const QString& pfad) {
    struct stat st {};
    if (::lstat(QFile::encodeName(pfad).constData(), &st) != 0)
        return 0;
    return st.st_mode & 07777;
}

} // namespace

TEST(IniAbschnitt, NeueDateiBehaeltDieRechteDerAlten) {
    const Umask umask(022);
    struct Fall {
        const char* name;
        mode_t iniRechte;
        mode_t tmpRechte; // 0: keine alte temporäre Datei
    };
    const Fall faelle[] = {
        {"nur für den Besitzer", 0600, 0},
        {"für die Gruppe schreibbar, trotz umask", 0664, 0},
        {"für die Gruppe lesbar", 0640, 0},
        {"alte temporäre Datei mit anderen Rechten", 0644, 0600},
    };
    for (const Fall& f : faelle) {
        TestOrdner o;
        o.schreibe("Varku.ini", "[Varku]\nA=0\n");
        ASSERT_EQ(::chmod(QFile::encodeName(o.pfad("Varku.ini")).constData(), f.iniRechte), 0);
        if (f.tmpRechte != 0) {
            o.schreibe("Varku.tmp", "alt");
            ASSERT_EQ(::chmod(QFile::encodeName(o.pfad("Varku.tmp")).constData(), f.tmpRechte), 0);
        }
        schreibeAbschnitt(o.pfad("Varku.ini"), varkuFormat, neueWerte);
        EXPECT_EQ(rechteVon(o.pfad("Varku.ini")), f.iniRechte) << f.name;
        EXPECT_EQ(o.lies("Varku.ini"), "[Varku]\nA=1\nB=Comic Sans MS\n \n") << f.name;
    }
}

TEST(IniAbschnitt, WasUnterDemTemporaerenNamenLiegtWirdErsetzt) {
    const QByteArray alt = "[Varku]\nA=0\n";
    const QByteArray neu = "[Varku]\nA=1\nB=Comic Sans MS\n \n";
    enum Art { Roehre, Verweis, Leer };
    struct Fall {
        const char* name;
        Art art;
    };
    const Fall faelle[] = {
        // fsync scheitert auf einer Röhre
        {"eine Röhre mit Leser", Roehre},
        {"ein Verweis auf eine andere Datei", Verweis},
        {"ein Verweis ins Leere", Leer},
    };
    for (const Fall& f : faelle) {
        TestOrdner o;
        o.schreibe("Varku.ini", alt);
        o.schreibe("ziel", "fremd");
        const QByteArray tmp = QFile::encodeName(o.pfad("Varku.tmp"));
        int leser = -1;
        if (f.art == Roehre) {
            ASSERT_EQ(::mkfifo(tmp.constData(), 0644), 0);
            leser = ::open(tmp.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            ASSERT_GE(leser, 0);
        } else {
            const QByteArray ziel = QFile::encodeName(o.pfad(f.art == Verweis ? "ziel" : "fehlt"));
            ASSERT_EQ(::symlink(ziel.constData(), tmp.constData()), 0);
        }
        const qsizetype offen = offeneDeskriptoren();
        try {
            schreibeAbschnitt(o.pfad("Varku.ini"), varkuFormat, neueWerte);
        } catch (const Laufzeitfehler& e) {
            ADD_FAILURE() << f.name << ": " << e.what();
        }
        EXPECT_EQ(offeneDeskriptoren(), offen) << f.name;
        if (leser >= 0)
            ::close(leser);
        EXPECT_EQ(o.lies("Varku.ini"), neu) << f.name;
        EXPECT_TRUE(QFileInfo(o.pfad("Varku.ini")).isFile() &&
                    !QFileInfo(o.pfad("Varku.ini")).isSymLink())
            << f.name;
        EXPECT_EQ(o.lies("ziel"), "fremd") << f.name;
        EXPECT_FALSE(o.gibt("fehlt")) << f.name;
        EXPECT_FALSE(QFileInfo(o.pfad("Varku.tmp")).exists() ||
                     QFileInfo(o.pfad("Varku.tmp")).isSymLink())
            << f.name;
    }
}

TEST(IniAbschnitt, VollePlatteLaesstDieAlteDateiUndKeinenRest) {
    TestOrdner o;
    const QByteArray alt = "[Varku]\nA=0\n";
    o.schreibe("Varku.ini", alt);
    const qsizetype offen = offeneDeskriptoren();
    {
        // die Platte ist nach 8 Bytes voll: write scheitert, statt das Signal auszulösen
        struct rlimit altGrenze {};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &altGrenze), 0);
        const auto altSignal = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit grenze = altGrenze;
        grenze.rlim_cur = 8;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &grenze), 0);
        EXPECT_THROW(schreibeAbschnitt(o.pfad("Varku.ini"), varkuFormat, neueWerte),
                     Laufzeitfehler);
        ::setrlimit(RLIMIT_FSIZE, &altGrenze);
        std::signal(SIGXFSZ, altSignal);
    }
    EXPECT_EQ(o.lies("Varku.ini"), alt);
    EXPECT_FALSE(o.gibt("Varku.tmp")) << "keine halbe temporäre Datei";
    EXPECT_EQ(offeneDeskriptoren(), offen);
}
