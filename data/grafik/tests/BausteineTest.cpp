#include "data/grafik/Bausteine.h"
#include "data/grafik/Kachelfarben.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace varku;

namespace {

QStringList alsZeilen(const BausteinListe& liste) {
    QStringList zeilen;
    for (const Baustein& b : liste.bausteine)
        zeilen.append(b.datei + "=" + b.text);
    return zeilen;
}

} // namespace

TEST(Bausteine, Zeilen) {
    struct Fall {
        const char* name;
        QByteArray inhalt;
        QStringList bausteine; // datei=text
        QStringList fehler;
    };
    const Fall faelle[] = {
        {"eine Zeile", "BST_SCH.gif | sch\n", {"BST_SCH.gif=sch"}, {}},
        {"Kommentar und Leerzeilen", "# Kopf\n\n  \nA.gif|a\n  # eingerückt\n", {"A.gif=a"}, {}},
        {"Umlaute in UTF-8",
         "BST_AEM.gif | B\xc3\xa4r\nBST_SZ_.gif | \xc3\x9f",
         {"BST_AEM.gif=Bär", "BST_SZ_.gif=ß"},
         {}},
        {"BOM und CR LF",
         "\xef\xbb\xbf"
         "A.gif | a\r\nB.gif | b\r\n",
         {"A.gif=a", "B.gif=b"},
         {}},
        {"nur CR", "A.gif | a\rB.gif | b", {"A.gif=a", "B.gif=b"}, {}},
        {"Fragezeichen ist Text, kein Kommentar", "BST_NULL.gif | ?", {"BST_NULL.gif=?"}, {}},
        {"weiterer Strich gehört zum Text", "A.gif | a|b", {"A.gif=a|b"}, {}},
        {"Raute im Text", "A.gif | #", {"A.gif=#"}, {}},
        {"Großschreibung der Endung", "A.GIF | a", {"A.GIF=a"}, {}},
        {"ohne Strich",
         "A.gif\nB.gif | b",
         {"B.gif=b"},
         {"Zeile 1: kein '|' zwischen Bild und Text"}},
        {"ohne Text", "# x\nA.gif |  ", {}, {"Zeile 2: kein Text für A.gif"}},
        {"ohne Namen", " | a", {}, {"Zeile 1: kein Bildname"}},
        {"falsche Endung", "A.png | a", {}, {"Zeile 1: Bildname endet nicht auf .gif: A.png"}},
        {"nur Endung", ".gif | a", {}, {"Zeile 1: Bildname endet nicht auf .gif: .gif"}},
        {"Ordner im Namen",
         "../A.gif | a",
         {},
         {"Zeile 1: unerlaubtes Zeichen im Bildnamen: ../A.gif"}},
        {"Leerzeichen im Namen",
         "A B.gif | a",
         {},
         {"Zeile 1: unerlaubtes Zeichen im Bildnamen: A B.gif"}},
        {"doppelt, auch anders geschrieben",
         "A.gif | a\nB.gif | b\na.GIF | c",
         {"A.gif=a", "B.gif=b"},
         {"Zeile 3: doppelt: a.GIF"}},
        {"leer", "", {}, {}},
    };
    for (const Fall& f : faelle) {
        const BausteinListe liste = leseBausteine(f.inhalt);
        EXPECT_EQ(alsZeilen(liste), f.bausteine) << f.name;
        EXPECT_EQ(liste.fehler, f.fehler) << f.name;
    }
}

TEST(Bausteine, FehlendeDatei) {
    const BausteinListe liste = leseBausteinDatei("/gibt/es/nicht/bausteine.txt");
    EXPECT_TRUE(liste.bausteine.isEmpty());
    EXPECT_EQ(liste.fehler.size(), 1);
}

TEST(Bausteine, MitgelieferteListe) {
    const BausteinListe liste = leseBausteinDatei(VARKU_BAUSTEINE);
    EXPECT_EQ(liste.fehler, QStringList());
    QStringList dateien;
    for (const Baustein& b : liste.bausteine)
        dateien.append(b.datei);
    EXPECT_TRUE(dateien.contains("BST_NULL.gif"));
    EXPECT_GE(dateien.size(), 10);

    const QList<QColor> farben = kachelFarben(dateien);
    ASSERT_EQ(farben.size(), dateien.size());
    QSet<QRgb> benutzt;
    for (const QColor& f : farben)
        benutzt.insert(f.rgb());
    // die Palette soll sich über die Liste verteilen, nicht in wenigen Farben klumpen
    EXPECT_GE(benutzt.size(), kachelPalette().size() - 1);
}
