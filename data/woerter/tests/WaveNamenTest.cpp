#include "data/woerter/WaveNamen.h"
#include "data/woerter/Kachelbild.h"

#include "data/woerter/tests/QtAusgabe.h"

#include <gtest/gtest.h>

using namespace varku;

TEST(WaveNamen, Grundname) {
    EXPECT_EQ(waveGrundname("Fisch"), "Fisch");
    EXPECT_EQ(waveGrundname("Straße"), "Strasse");
    EXPECT_EQ(waveGrundname("ÄÖÜäöüß"), "AeOeUeaeoeuess");
}

TEST(WaveNamen, GleicheNamenBekommenDieRefNr) {
    struct Fall {
        const char* name;
        QList<std::pair<int, QString>> woerter; // RefNr, Wort in der Reihenfolge nach RefNr
        QStringList namen;
    };
    const Fall faelle[] = {
        {"ohne Kollision", {{1, "Ball"}, {2, "Bälle"}}, {"Ball", "Baelle"}},
        {"Schreibung zählt nicht", {{5, "Essen"}, {9, "essen"}}, {"Essen", "essen_9"}},
        {"ß gegen ss", {{1, "Fuß"}, {2, "Fuss"}}, {"Fuss", "Fuss_2"}},
        {"Maße und Masse", {{3, "Maße"}, {4, "Masse"}}, {"Masse", "Masse_4"}},
        {"dreimal", {{1, "See"}, {2, "see"}, {3, "SEE"}}, {"See", "see_2", "SEE_3"}},
        {"gleiches Wort, anderer Kontext", {{1, "See"}, {2, "See"}}, {"See", "See_2"}},
        {"nicht benachbart", {{1, "Rad"}, {2, "Tor"}, {3, "rad"}}, {"Rad", "Tor", "rad_3"}},
    };
    for (const Fall& f : faelle) {
        QList<Worteintrag> woerter;
        for (const auto& [nr, wort] : f.woerter) {
            Worteintrag e;
            e.refNr = nr;
            e.wort = wort;
            woerter.append(e);
        }
        vergebeWaveNamen(woerter);
        QStringList namen;
        for (const Worteintrag& e : woerter)
            namen.append(e.waveDat);
        EXPECT_EQ(namen, f.namen) << f.name;
    }
}

TEST(Kachelbild, NameAusDemCode) {
    const std::pair<QString, QString> faelle[] = {
        {"SCH_", "BST_SCH.gif"}, {"CH__", "BST_CH_.gif"}, {"Z___", "BST_Z__.gif"},
        {"TION", "BST_TIO.gif"}, {"LIP_", "BST_LIP.gif"}, {"LTA_", "BST_LT_.gif"},
        {"LTAU", "BST_LT_.gif"}, {"GK1M", "BST_GKM.gif"}, {"GK3M", "BST_GKM.gif"},
        {"AB1_", "BST_AB_.gif"}, {"AB12", "BST_AB_.gif"}, {"LT1M", "BST_LTM.gif"},
        {"AEU_", "BST_AEU.gif"},
    };
    for (const auto& [code, bild] : faelle)
        EXPECT_EQ(kachelbildDerKategorie(code), bild) << code.toStdString();
}

TEST(Kachelbild, NamenAusBausteine) {
    const QByteArray inhalt = "\xEF\xBB\xBF# Bild | Text\r\n"
                              "BST_NULL.gif | ?\r\n"
                              "\r\n"
                              "  # BST_ALT.gif | alt\n"
                              "  BST_SCH.gif|sch\n"
                              "BST_AE_.gif | \xC3\xA4";
    EXPECT_EQ(leseKachelbilder(inhalt),
              (QSet<QString>{"BST_NULL.gif", "BST_SCH.gif", "BST_AE_.gif"}));
}
