#include "foundation/Startparameter.h"

#include <gtest/gtest.h>

using namespace varku;
using E = Startlesung::Ergebnis;

namespace {
Startparameter parameter(const char* feld, const char* lupe, bool gws, QStringList namen,
                         QStringList staemme) {
    Startparameter p;
    p.RuvoFeldName = feld;
    p.LupenFlag = lupe;
    p.GwsFlag = gws;
    p.SpielerName = namen;
    p.SpielerDatei = staemme;
    return p;
}
} // namespace

// Was das Rahmenprogramm baut, liest ein Spiel genau so zurück.
TEST(Startparameter, HinUndZurueck) {
    struct Fall {
        Startparameter p;
        const char* text;
    };
    const Fall faelle[] = {
        {parameter("LIP_", "1", true, {"Gast 1", "Gast 2"}, {"ABCDEFGH", "QWERTZUI"}),
         "\"Version=4;RuvoFeldName=LIP_;LupenFlag=1;GwsFlag=1;nSpieler=2;Gast 1;Gast 2;"
         "ABCDEFGH;QWERTZUI;\""},
        {parameter("KAT1", "0", false, {"Gast 1", "Gast 2", "Gast 3"},
                   {"AAAAAAAA", "BBBBBBBB", "CCCCCCCC"}),
         "\"Version=4;RuvoFeldName=KAT1;LupenFlag=0;GwsFlag=2;nSpieler=3;Gast 1;Gast 2;Gast 3;"
         "AAAAAAAA;BBBBBBBB;CCCCCCCC;\""},
        {parameter("X", "0", false, {"  Anna  "}, {"ZZZZZZZZ"}),
         "\"Version=4;RuvoFeldName=X;LupenFlag=0;GwsFlag=2;nSpieler=1;  Anna  ;ZZZZZZZZ;\""},
    };
    for (const Fall& f : faelle) {
        const QString text = bildeStartParameter(f.p);
        EXPECT_EQ(text, QString::fromUtf8(f.text));
        const Startlesung l = leseStartParameter(text);
        ASSERT_EQ(l.ergebnis, E::Gelesen) << f.text;
        EXPECT_EQ(l.parameter.RuvoFeldName, f.p.RuvoFeldName);
        EXPECT_EQ(l.parameter.LupenFlag, f.p.LupenFlag);
        EXPECT_EQ(l.parameter.GwsFlag, f.p.GwsFlag);
        EXPECT_EQ(l.parameter.SpielerName, f.p.SpielerName) << "Namen behalten ihre Leerzeichen";
        EXPECT_EQ(l.parameter.SpielerDatei, f.p.SpielerDatei);
    }
}

TEST(Startparameter, SoLiestEinSpiel) {
    struct Fall {
        const char* name;
        const char* text;
        E ergebnis;
        const char* feld;
        bool gws;
    };
    const Fall faelle[] = {
        {"Anna und Ben", "\"Version=4;RuvoFeldName=X;nSpieler=2;Anna;Ben;ABCDEFGH;IJKLMNOP;\"",
         E::Gelesen, "X", false},
        {"ein Leerzeichen vor der Version", "\" Version=4;RuvoFeldName=X;nSpieler=1;A;ABCDEFGH;\"",
         E::KeinStartAusVarku, "", false},
        {"Version mit Leerzeichen", "\"Version= 4 ;RuvoFeldName=X;nSpieler=1;A;ABCDEFGH;\"",
         E::Gelesen, "X", false},
        {"Schlüssel klein geschrieben wird übergangen",
         "\"Version=4;version=5;RuvoFeldName=X;nSpieler=1;A;ABCDEFGH;\"", E::Gelesen, "X", false},
        {"Grundwortschatz 1", "\"Version=4;GwsFlag=1;RuvoFeldName=Y;nSpieler=1;A;ABCDEFGH;\"",
         E::Gelesen, "Y", true},
        {"Grundwortschatz 2", "\"Version=4;GwsFlag=2;RuvoFeldName=Y;nSpieler=1;A;ABCDEFGH;\"",
         E::Gelesen, "Y", false},
        {"leer", "", E::KeinStartAusVarku, "", false},
        {"etwas anderes", "--help", E::KeinStartAusVarku, "", false},
        {"Version 3", "\"Version=3;RuvoFeldName=X;nSpieler=1;A;ABCDEFGH;\"", E::FalscheVersion, "",
         false},
        {"keine Spielerzahl", "\"Version=4;RuvoFeldName=X;A;ABCDEFGH;\"", E::UngueltigeSpieler, "X",
         false},
        {"null Spieler", "\"Version=4;nSpieler=0;\"", E::UngueltigeSpieler, "", false},
        {"fünf Spieler",
         "\"Version=4;nSpieler=5;A;B;C;D;E;AAAAAAAA;BBBBBBBB;CCCCCCCC;DDDDDDDD;"
         "EEEEEEEE;\"",
         E::UngueltigeSpieler, "", false},
        {"negative Spielerzahl", "\"Version=4;nSpieler=-1;\"", E::UngueltigeSpieler, "", false},
        {"riesige Spielerzahl", "\"Version=4;nSpieler=1e999;\"", E::UngueltigeSpieler, "", false},
        {"zu wenige Namen", "\"Version=4;nSpieler=2;Anna;ABCDEFGH;\"", E::UngueltigeSpieler, "",
         false},
        {"Stamm mit Pfad", "\"Version=4;nSpieler=1;Anna;../../etc;\"", E::UngueltigerStamm, "",
         false},
        {"Stamm in Kleinbuchstaben", "\"Version=4;nSpieler=1;Anna;abcdefgh;\"", E::UngueltigerStamm,
         "", false},
        {"ohne Schlusszeichen", "\"Version=4;nSpieler=1;Anna;ABCDEFGH", E::UngueltigeSpieler, "",
         false},
    };
    for (const Fall& f : faelle) {
        const Startlesung l = leseStartParameter(QString::fromUtf8(f.text));
        EXPECT_EQ(l.ergebnis, f.ergebnis) << f.name;
        if (l.ergebnis != E::Gelesen)
            continue;
        EXPECT_EQ(l.parameter.RuvoFeldName, f.feld) << f.name;
        EXPECT_EQ(l.parameter.GwsFlag, f.gws) << f.name;
    }
    const Startlesung ab =
        leseStartParameter("\"Version=4;RuvoFeldName=X;nSpieler=2;Anna;Ben;ABCDEFGH;IJKLMNOP;\"");
    EXPECT_EQ(ab.parameter.SpielerName, (QStringList{"Anna", "Ben"}));
    EXPECT_EQ(ab.parameter.SpielerDatei, (QStringList{"ABCDEFGH", "IJKLMNOP"}));
}

TEST(Startparameter, LupeUndWertNachGleich) {
    struct Fall {
        const char* wert;
        bool an;
    };
    for (const Fall& f : {Fall{"0", false}, Fall{"1", true}, Fall{"2", true}, Fall{"", true}}) {
        Startparameter p;
        p.LupenFlag = f.wert;
        EXPECT_EQ(lupeAn(p), f.an) << f.wert;
    }
    EXPECT_EQ(wertNachGleich("a=b=c"), "b=c");
    EXPECT_EQ(wertNachGleich("ohne"), "");
    EXPECT_EQ(wertNachGleich(""), "");
}
