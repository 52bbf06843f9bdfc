#include "platform/Kriterium.h"

#include "platform/Laufzeitfehler.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>

using namespace varku;
using namespace varku::db;

namespace {

// Eine kleine Wortliste: Null-Felder in Kontext, KomplexInd und LIP_
Tabelle beispiel() {
    Tabelle t;
    t.name = "WortListe";
    t.spalten.reserve(8); // die Verweise unten bleiben gültig
    const auto spalte = [&](const char* name, Spalte::Typ typ) -> Spalte& {
        t.spalten.push_back({QString::fromLatin1(name), typ, {}, {}, {}});
        return t.spalten.back();
    };
    Spalte& ref = spalte("RefNr", Spalte::Typ::Ganz);
    Spalte& wort = spalte("Wort", Spalte::Typ::Text);
    Spalte& kontext = spalte("Kontext", Spalte::Typ::Text);
    Spalte& komplex = spalte("KomplexInd", Spalte::Typ::Ganz);
    Spalte& gws = spalte("GWS", Spalte::Typ::Bool);
    Spalte& lip = spalte("LIP_", Spalte::Typ::Bool);
    struct Z {
        int ref;
        const char* wort;
        const char* kontext; // nullptr: Null
        int komplex;         // -1: Null
        bool gws;
        int lip; // -1: Null
    };
    const Z zeilen[] = {
        {17, "Igel", "der", 2, true, 1},        {3, "Tiger", "der", 3, false, 1},
        {25, "Abendbrot", nullptr, 4, true, 0}, {8, "wir", nullptr, 1, true, -1},
        {40, " Ball ", "der", -1, false, 0},    {12, "Kilogramm", "das", 5, false, 1},
        {99, "Straße", "die", 3, true, 0},      {7, "Zahl7", "", 2, false, 0},
    };
    for (const Z& z : zeilen) {
        ref.zahlen.push_back(z.ref);
        ref.istNull.push_back(0);
        wort.texte.push_back(QString::fromUtf8(z.wort));
        wort.istNull.push_back(0);
        kontext.texte.push_back(z.kontext ? QString::fromUtf8(z.kontext) : QString());
        kontext.istNull.push_back(z.kontext ? 0 : 1);
        komplex.zahlen.push_back(z.komplex);
        komplex.istNull.push_back(z.komplex < 0);
        gws.zahlen.push_back(z.gws ? -1 : 0);
        gws.istNull.push_back(0);
        lip.zahlen.push_back(z.lip == 1 ? -1 : 0);
        lip.istNull.push_back(z.lip < 0);
        ++t.zeilen;
    }
    return t;
}

// RefNr der Zeilen, auf die das Kriterium zutrifft
std::vector<int> treffer(const Tabelle& t, const QString& kriterium) {
    const Kriterium k(kriterium, t);
    std::vector<int> r;
    for (int z = 0; z < t.zeilen; ++z)
        if (k.trifftZu(z))
            r.push_back(int(t.spalten[0].zahlen[size_t(z)]));
    return r;
}

using V = std::vector<int>;

} // namespace

TEST(Kriterium, Operatoren) {
    const Tabelle t = beispiel();
    struct Fall {
        const char* kriterium;
        V refs;
    };
    const Fall faelle[] = {
        {"LIP_=TRUE", {17, 3, 12}},
        {"GWS=TRUE AND LIP_=TRUE", {17}},
        {"lip_ = true", {17, 3, 12}},
        {"LIP_=FALSE", {25, 40, 99, 7}},
        {"RefNr=17", {17}},
        {"refNr= 17", {17}},
        {"RefNr<>17 AND RefNr<8", {3, 7}},
        {"RefNr<=8", {3, 8, 7}},
        {"RefNr>=40", {40, 99}},
        {"RefNr>25", {40, 99}},
        {"Wort='Igel'", {17}},
        {"Wort=\"igel\"", {17}},
        {"Kontext=''", {7}},
        {"Kontext='der' OR Kontext='das'", {17, 3, 40, 12}},
        {"NOT GWS", {3, 40, 12, 7}},
        {"GWS", {17, 25, 8, 99}},
        {"KomplexInd*2=6", {3, 99}},
        {"KomplexInd+1>5", {12}},
        {"-RefNr=-3", {3}},
        {"Wort & Kontext = 'Igelder'", {17}},
        {"Kontext Is Null", {25, 8}},
        {"Kontext IS NOT NULL AND KomplexInd Is Null", {40}},
        {"[RefNr]=99", {99}},
        {"RefNr=17.0", {17}},
        {"RefNr=1.7e1", {17}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(treffer(t, f.kriterium), f.refs) << f.kriterium;
}

TEST(Kriterium, VorrangVonAndOrNot) {
    const Tabelle t = beispiel();
    struct Fall {
        const char* kriterium;
        V refs;
    };
    const Fall faelle[] = {
        // AND bindet stärker als OR
        {"RefNr=3 OR RefNr=17 AND GWS=FALSE", {3}},
        {"(RefNr=3 OR RefNr=17) AND GWS=TRUE", {17}},
        // NOT bindet stärker als AND und umfasst den Vergleich
        {"NOT RefNr=3 AND LIP_=TRUE", {17, 12}},
        {"NOT (RefNr=3 AND LIP_=TRUE)", {17, 25, 8, 40, 12, 99, 7}},
        {"NOT NOT GWS", {17, 25, 8, 99}},
        {"GWS OR LIP_ AND RefNr=12", {17, 25, 8, 12, 99}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(treffer(t, f.kriterium), f.refs) << f.kriterium;
}

TEST(Kriterium, NullInVergleichen) {
    const Tabelle t = beispiel();
    struct Fall {
        const char* kriterium;
        V refs;
    };
    const Fall faelle[] = {
        // ein Vergleich mit Null ist unbestimmt, auch verneint
        {"Kontext='der'", {17, 3, 40}},
        {"NOT Kontext='der'", {12, 99, 7}},
        {"Kontext<>'der'", {12, 99, 7}},
        {"LIP_=TRUE OR LIP_=FALSE", {17, 3, 25, 40, 12, 99, 7}},
        // unbestimmt OR wahr ist wahr, unbestimmt AND falsch ist falsch
        {"KomplexInd>0 OR RefNr=40", {17, 3, 25, 8, 40, 12, 99, 7}},
        {"NOT (KomplexInd>0 AND RefNr=99)", {17, 3, 25, 8, 40, 12, 7}},
        {"Len(Kontext)=3", {17, 3, 40, 12, 99}},
        {"Kontext=Null", {}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(treffer(t, f.kriterium), f.refs) << f.kriterium;
}

TEST(Kriterium, LikeUndFunktionen) {
    const Tabelle t = beispiel();
    struct Fall {
        const char* kriterium;
        V refs;
    };
    const Fall faelle[] = {
        {"Wort Like \"*A*B*\"", {25}},
        {"Wort Like '*g*'", {17, 3, 12}},
        {"Wort LIKE 'i*'", {17}},
        {"Wort like 'T?ger'", {3}},
        {"Wort Like '?'", {}},
        {"Wort Like '?\?\?'", {8}},
        {"Wort Like 'Zahl#'", {7}},
        {"Wort Like '*#'", {7}},
        {"Wort Like 'STRASSE'", {}},
        {"Wort Like 'straße'", {99}},
        {"Wort Like '[st]*'", {3, 99}},
        {"Wort Like '[!a-s]*'", {3, 8, 40, 7}},
        {"Wort Like '*'", {17, 3, 25, 8, 40, 12, 99, 7}},
        {"Wort Not Like '*e*'", {8, 40, 12, 7}},
        {"Kontext Like '*'", {17, 3, 40, 12, 99, 7}},
        {"RefNr Like '1*'", {17, 12}},
        {"Len(Wort)=4", {17}},
        {"Len(Wort)=6", {40, 99}},
        {"Len(Trim(Wort))=4", {17, 40}},
        {"LIP_=TRUE AND Len(Trim(Wort))<= 5", {17, 3}},
        {"Trim(Wort)='Ball'", {40}},
        {"UCase(Wort)='WIR'", {8}},
        {"LTrim(Wort)='Ball '", {40}},
        {"RTrim(Wort)=' Ball'", {40}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(treffer(t, f.kriterium), f.refs) << f.kriterium;
}

TEST(Kriterium, MusterImEinzelnen) {
    struct Fall {
        const char* text;
        const char* muster;
        bool passt;
    };
    const Fall faelle[] = {
        {"", "", true},
        {"", "*", true},
        {"a", "", false},
        {"abc", "a*c", true},
        {"abc", "a*b*c*", true},
        {"ac", "a*b*c", false},
        {"aXbYc", "*x*y*", true},
        {"Über", "über", true},
        {"ÄÖÜ", "äöü", true},
        {"a1", "a#", true},
        {"ab", "a#", false},
        {"[x", "[x", true},
        {"b", "[a-c]", true},
        {"d", "[a-c]", false},
        {"d", "[!a-c]", true},
        {"-", "[-]", true},
        {"mississippi", "*ss*ss*pp*", true},
        {"aaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*c", false},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(passtZuMuster(QString::fromUtf8(f.text), QString::fromUtf8(f.muster)), f.passt)
            << f.text << " ~ " << f.muster;
}

// Muster nur aus Zeichen und Sternen auf kurzen Texten gehen Stück für Stück, längere Texte
// durch die Bitmenge: beide geben, was ein einfacher rekursiver Vergleich gibt
TEST(Kriterium, SterneUndZeichenWieRekursiv) {
    const std::function<bool(QStringView, QStringView)> rekursiv = [&](QStringView t,
                                                                       QStringView m) {
        if (m.isEmpty())
            return t.isEmpty();
        if (m[0] == u'*')
            return rekursiv(t, m.mid(1)) || (!t.isEmpty() && rekursiv(t.mid(1), m));
        return !t.isEmpty() && t[0].toCaseFolded() == m[0].toCaseFolded() &&
               rekursiv(t.mid(1), m.mid(1));
    };
    const QString musterZeichen = QStringLiteral("aBä**");
    const QString textZeichen = QStringLiteral("aAbBäÄc");
    std::mt19937 z(11);
    for (int i = 0; i < 4000; ++i) {
        QString m, t;
        for (int k = int(z() % 8); k > 0; --k)
            m += musterZeichen[qsizetype(z() % musterZeichen.size())];
        // auch Texte über 64 Zeichen, die den anderen Weg nehmen
        const int laenge = i % 10 == 0 ? 60 + int(z() % 20) : int(z() % 12);
        for (int k = 0; k < laenge; ++k)
            t += textZeichen[qsizetype(z() % textZeichen.size())];
        ASSERT_EQ(passtZuMuster(t, m), rekursiv(t, m))
            << t.toStdString() << " ~ " << m.toStdString();
    }
}

TEST(Kriterium, KlareFehler) {
    const Tabelle t = beispiel();
    struct Fall {
        const char* kriterium;
        int nummer;
        const char* imText;
    };
    const Fall faelle[] = {
        {"Farbe=TRUE", Laufzeitfehler::UnbekanntesFeld, "Farbe"},
        {"LIP_=", Laufzeitfehler::Kriterium, "Ende"},
        {"", Laufzeitfehler::Kriterium, "leer"},
        {"   ", Laufzeitfehler::Kriterium, "leer"},
        {"(RefNr=1", Laufzeitfehler::Kriterium, "Ende"},
        {"RefNr=1)", Laufzeitfehler::Kriterium, "Zeichen 8"},
        {"Wort='offen", Laufzeitfehler::Kriterium, "Text ohne Ende"},
        {"RefNr==1", Laufzeitfehler::Kriterium, "Zeichen 7"},
        {"RefNr=1 AND", Laufzeitfehler::Kriterium, "Ende"},
        {"Wort Like", Laufzeitfehler::Kriterium, "Ende"},
        {"Länge(Wort)=3", Laufzeitfehler::Kriterium, "Funktion"},
        {"RefNr=12abc", Laufzeitfehler::Kriterium, "Zahl"},
        {"RefNr ! 3", Laufzeitfehler::Kriterium, "Zeichen"},
        {"[RefNr=3", Laufzeitfehler::Kriterium, "Klammern"},
        {"RefNr IS 3", Laufzeitfehler::Kriterium, "Zeichen"},
        {"AND RefNr=3", Laufzeitfehler::Kriterium, "Zeichen 1"},
    };
    for (const Fall& f : faelle) {
        try {
            Kriterium k(QString::fromUtf8(f.kriterium), t);
            ADD_FAILURE() << "kein Fehler: " << f.kriterium;
        } catch (const Laufzeitfehler& e) {
            EXPECT_EQ(e.nummer(), f.nummer) << f.kriterium;
            EXPECT_TRUE(e.meldung().contains(QString::fromUtf8(f.imText))) << e.what();
            EXPECT_TRUE(e.meldung().contains(QString::fromUtf8(f.kriterium))) << e.what();
        }
    }
    // Text mit Zahl vergleichen, der keine ist: erst beim Auswerten
    const Kriterium k(QStringLiteral("Wort=3"), t);
    EXPECT_THROW(k.trifftZu(0), Laufzeitfehler);
    const Kriterium tief(QString(150, '(') + "RefNr=3" + QString(150, ')'), t);
    EXPECT_THROW(Kriterium(QString(300, '(') + "1" + QString(300, ')'), t), Laufzeitfehler);
}

namespace {

QString mal(const char* stueck, int n) {
    return QString::fromLatin1(stueck).repeated(n);
}

} // namespace

// Lange Ketten und Folgen werden ohne tiefe Rekursion übersetzt und ausgewertet.
TEST(Kriterium, LangeKettenUndFolgen) {
    const Tabelle t = beispiel();
    struct Fall {
        const char* name;
        QString kriterium;
        V refs;
    };
    const Fall faelle[] = {
        {"40 000 Summanden", mal("1+", 40000) + "RefNr=40017", {17}},
        {"Differenzen", "RefNr" + mal("-1", 30000) + "=-29997", {3}},
        {"Produkte", mal("1*", 40000) + "RefNr=17", {17}},
        {"60 000 AND", mal("RefNr>0 AND ", 59999) + "GWS", {17, 25, 8, 99}},
        {"AND mit Null", mal("LIP_ AND ", 59999) + "GWS", {17}},
        {"50 000 OR", mal("RefNr=1 OR ", 50000) + "RefNr=99", {99}},
        {"100 000 NOT", mal("NOT ", 100000) + "GWS", {17, 25, 8, 99}},
        {"ungerade viele NOT", mal("NOT ", 99999) + "GWS", {3, 40, 12, 7}},
        {"NOT vor Null bleibt unbestimmt", mal("NOT ", 99999) + "Kontext='der'", {12, 99, 7}},
        {"Vorzeichen", mal("-", 100001) + "RefNr=-3", {3}},
        {"Vorzeichen gemischt", mal("+-", 50000) + "+RefNr=3", {3}},
        {"Texte aneinander", "Wort" + mal(" & ''", 30000) + "='Igel'", {17}},
        {"in Klammern", "(" + mal("RefNr<>3 AND ", 20000) + "LIP_) OR RefNr=3", {17, 3, 12}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(treffer(t, f.kriterium), f.refs) << f.name;
}

// Was über die Grenzen geht, ist ein Laufzeitfehler, der das Kriterium gekürzt nennt.
TEST(Kriterium, GrenzenSindFehler) {
    const Tabelle t = beispiel();
    const int tief = Kriterium::hoechsteTiefe;
    const auto zu = [](int n) { return QString(n, u')'); };
    // genau so tief geht es noch
    EXPECT_EQ(treffer(t, QString(tief, u'(') + "RefNr=3" + zu(tief)), V{3});
    EXPECT_EQ(treffer(t, mal("Len(", tief - 1) + "Trim(Wort)" + zu(tief - 1) + "=1"),
              (V{17, 3, 25, 8, 40, 12, 99, 7}));
    struct Fall {
        const char* name;
        QString kriterium;
        const char* imText;
    };
    const Fall faelle[] = {
        {"Klammern", QString(tief + 1, u'(') + "1" + zu(tief + 1), "zu tief"},
        {"100 000 Klammern", QString(100000, u'(') + "1" + zu(100000), "zu tief"},
        {"offene Klammern", QString(100000, u'('), "zu tief"},
        {"Funktionen", mal("Len(", tief + 1) + "Wort" + zu(tief + 1), "zu tief"},
        {"NOT und Klammern", mal("NOT (", tief + 1) + "GWS" + zu(tief + 1), "zu tief"},
        {"zu lang", mal("NOT ", int(Kriterium::hoechsteLaenge / 4)) + "GWS", "zu lang"},
        {"lange Kette mit Fehler am Ende", mal("1+", 40000) + "RefNr=", "Ende"},
        {"lange Kette ohne Glied", mal("GWS AND ", 60000) + "AND GWS", "Zeichen 480001"},
    };
    for (const Fall& f : faelle) {
        try {
            Kriterium k(f.kriterium, t);
            ADD_FAILURE() << "kein Fehler: " << f.name;
        } catch (const Laufzeitfehler& e) {
            EXPECT_EQ(e.nummer(), Laufzeitfehler::Kriterium) << f.name;
            EXPECT_TRUE(e.text().contains(QString::fromUtf8(f.imText)))
                << f.name << ": " << e.what();
            EXPECT_EQ(e.betrifft(), f.kriterium.left(80) + "…") << f.name;
        }
    }
    // das Auswerten nennt das Kriterium ebenso gekürzt
    const Kriterium k(mal("1+", 40000) + "Wort=1", t);
    try {
        k.trifftZu(0);
        ADD_FAILURE() << "kein Fehler";
    } catch (const Laufzeitfehler& e) {
        EXPECT_EQ(e.betrifft(), mal("1+", 40) + "…");
    }
}

TEST(Kriterium, GekuerztNennen) {
    struct Fall {
        QString kriterium;
        QString nennt;
    };
    const QString achtzig(80, u'x');
    const QString paar = QString::fromUtf8("😀"); // zwei UTF-16-Zeichen
    const Fall faelle[] = {
        {"", ""},
        {achtzig, achtzig},
        {achtzig + "y", achtzig + "…"},
        {QString(79, u'x') + paar + "z", QString(79, u'x') + "…"},
        {QString(78, u'x') + paar + "z", QString(78, u'x') + paar + "…"},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(gekuerzt(f.kriterium), f.nennt) << f.kriterium.size();
}

TEST(Kriterium, MusterMitAuswahlen) {
    struct Fall {
        const char* text;
        const char* muster;
        bool passt;
    };
    const Fall faelle[] = {
        // ein "[" ohne "]" steht für sich, der Rest des Musters gilt weiter
        {"[", "[", true},
        {"x", "[", false},
        {"[a", "[?", true},
        {"[ab", "[*b", true},
        {"[!", "[!", true},
        {"a-", "[a-", false},
        {"[a-", "[a-", true},
        // eine "]" gleich am Anfang gehört zur Auswahl
        {"]", "[]]", true},
        {"a", "[]a]", true},
        {"a", "[!]a]", false},
        {"b", "[!]a]", true},
        {"]", "[]", false},
        {"[]", "[]", true},
        // ein "[" in der Auswahl ist ein Zeichen wie jedes
        {"[", "[[a-c]", true},
        {"b", "[[a-c]", true},
        {"[b", "[[a-c]", false},
        {"-", "[a-]", true},
        {"]", "[a-]", false},
        {"B", "[a-c]", true},
        {"ab", "*[!a]", true},
        {"aa", "*[!a]", false},
        // Spannen, die sich überdecken, verkehrte und mehrere in einer Auswahl
        {"b", "[a-cb]", true},
        {"b", "[!a-cb]", false},
        {"b", "[c-a]", false},
        {"b", "[!c-a]", true},
        {"d", "[a-bc-e]", true},
        {"D", "[!a-bc-e]", false},
        {"ba", "[a-b][!b-c]", true},
        {"bb", "[a-b][!b-c]", false},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(passtZuMuster(QString::fromUtf8(f.text), QString::fromUtf8(f.muster)), f.passt)
            << f.text << " ~ " << f.muster;
}

// Muster, an denen ein Vergleich mit Rückschritten früher Minuten brauchte: 6 kB Muster mit
// offenen "[" gegen 12 kB Text
TEST(Kriterium, LangeMusterMitOffenerAuswahl) {
    const QString paare = mal("[a", 3000);
    QString cjk, spannen; // 2000 verschiedene Zeichen; eine Auswahl je Zeichen und sein nächstes
    for (char16_t c = 0x4E00; c < 0x4E00 + 2000; ++c)
        cjk += QChar(c);
    for (qsizetype i = 0; i < 500; ++i)
        spannen += "[" + cjk.mid(i, 1) + "-" + cjk.mid(i + 1, 1) + "]";
    struct Fall {
        const char* name;
        QString text;
        QString muster;
        bool passt;
    };
    const Fall faelle[] = {
        {"kein b", mal("[a", 6000), "*" + paare + "b*", false},
        {"b am Ende", mal("[a", 6000) + "b", "*" + paare + "b*", true},
        {"b am Ende, Muster ohne Stern dahinter", mal("[a", 6000) + "b", "*" + paare + "b", true},
        {"Fragezeichen", mal("[a", 6000), "*" + paare + "?[", false},
        {"nur offene Klammern", QString(12000, u'['), "*" + QString(6000, u'[') + "a*", false},
        {"Sterne dazwischen", mal("[a", 6000) + "b", mal("*[a", 2000) + "*b", true},
        // viele verschiedene Zeichen gegen viele Auswahlen
        {"Auswahl am Ende", cjk, "*" + mal("[!a]", 1000) + "[" + cjk.right(1) + "]", true},
        {"Auswahl verfehlt", cjk, "*" + mal("[!a]", 1000) + "[a-c]", false},
        {"Spannen je Zeichen", cjk, spannen + "*", true},
        {"Spannen verschoben", cjk.mid(2), spannen + "*", false},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(passtZuMuster(f.text, f.muster), f.passt) << f.name;
    // dasselbe im Kriterium, einmal übersetzt für alle Zeilen
    Tabelle t = beispiel();
    t.spalten[1].texte[0] = mal("[a", 6000) + "b";
    EXPECT_EQ(treffer(t, "Wort Like '*" + paare + "b*'"), V{17});
}

TEST(Kriterium, MusterAusFeldern) {
    const Tabelle t = beispiel();
    struct Fall {
        const char* kriterium;
        V refs;
    };
    const Fall faelle[] = {
        // jede Zeile ihr eigenes Muster
        // Null & '*' ist '*'
        {"Wort Like Kontext & '*'", {25, 8, 7}},
        {"Kontext Like '?' & 'e' & '?'", {17, 3, 40}},
        {"Wort Like Trim(Wort)", {17, 3, 25, 8, 12, 99, 7}},
        {"Wort Like Null", {}},
        {"Wort Not Like Kontext", {17, 3, 40, 12, 99, 7}},
        {"RefNr Like KomplexInd & '*'", {3, 40}},
        {"RefNr Like '1' & '#'", {17, 12}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(treffer(t, f.kriterium), f.refs) << f.kriterium;
}

// Like hat eigene Grenzen: ein längeres Muster oder ein längerer Text ist ein Laufzeitfehler,
// der das Kriterium nennt, beim Übersetzen oder erst beim Auswerten.
TEST(Kriterium, LikeGrenzen) {
    const Tabelle t = beispiel();
    const qsizetype muster = Muster::hoechsteLaenge, text = Muster::hoechsteTextlaenge;
    const auto a = [](qsizetype n) { return QString(n, u'a'); };
    struct Fall {
        const char* name;
        QString kriterium;
        bool fehler;
        bool schonBeimUebersetzen;
    };
    const Fall faelle[] = {
        {"Muster an der Grenze", "Wort Like '*" + a(muster - 2) + "*'", false, false},
        {"Muster zu lang", "Wort Like '*" + a(muster - 1) + "*'", true, true},
        {"Muster aus dem Feld zu lang", "Wort Like Wort & '" + a(muster) + "'", true, false},
        {"Text an der Grenze", "'" + a(text) + "' Like '*a'", false, false},
        {"Text zu lang", "'" + a(text + 1) + "' Like '*a'", true, false},
        {"Text aus dem Feld zu lang", "Wort & '" + a(text) + "' Like '*'", true, false},
    };
    for (const Fall& f : faelle) {
        try {
            const Kriterium k(f.kriterium, t);
            EXPECT_FALSE(f.schonBeimUebersetzen) << f.name;
            k.trifftZu(0);
            EXPECT_FALSE(f.fehler) << f.name;
        } catch (const Laufzeitfehler& e) {
            EXPECT_TRUE(f.fehler) << f.name << ": " << e.what();
            EXPECT_EQ(e.nummer(), Laufzeitfehler::Kriterium) << f.name;
            EXPECT_TRUE(e.text().contains("zu lang")) << f.name << ": " << e.what();
            EXPECT_EQ(e.betrifft(), gekuerzt(f.kriterium)) << f.name;
        }
    }
    EXPECT_THROW(passtZuMuster(u"a", a(muster + 1)), Laufzeitfehler);
    EXPECT_THROW(passtZuMuster(a(text + 1), u"*"), Laufzeitfehler);
}
