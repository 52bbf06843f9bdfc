#include "foundation/Schwerpunktliste.h"
#include "foundation/Textkodierung.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestSchwerpunkte.h"
#include "platform/Laufzeitfehler.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::test;

namespace {} // namespace

TEST(Schwerpunktliste, BausteinDateiName) {
    const std::pair<const char*, const char*> faelle[] = {
        {"LIP_", "BST_LIP.gif"},
        {"LT12", "BST_LT_.gif"},
        {"AB3C", "BST_ABC.gif"},
        {"AB34", "BST_AB_.gif"},
        {"LTxy", "BST_LT_.gif"},
        {"LTA_", "BST_LT_.gif"},
        {"GK1M", "BST_GKM.gif"},
        {"TION", "BST_TIO.gif"},
        {"J___", "BST_J__.gif"},
        {"KAT1", "BST_KAT.gif"},
        {"lt12", "BST_lt_.gif"}, // Ziffer geht vor "LT"
        {"ltxy", "BST_ltx.gif"}, // "LT" nur in Großbuchstaben
        // kurze Codes: was fehlt, ist keine Ziffer
        {"AB3", "BST_AB.gif"},
        {"AB", "BST_AB.gif"},
        {"LT", "BST_LT_.gif"},
        {"L", "BST_L.gif"},
        {"", "BST_.gif"},
    };
    for (const auto& [code, datei] : faelle)
        EXPECT_EQ(bausteinDateiName(code), datei) << code;
    // die Spiele nennen ihre Bilder mit ".GIF"
    EXPECT_EQ(bausteinDateiName("AB3C", ".GIF"), "BST_ABC.GIF");
}

TEST(Schwerpunktliste, TitelOhneZusatz) {
    const std::pair<const char*, const char*> faelle[] = {
        {"Wörter mit v [v klingt wie f oder w]", "Wörter mit v "},
        {"Wörter mit x", "Wörter mit x"},
        {"a [b] [c]", "a "},
        {"[nur Zusatz]", ""},
        {"", ""},
    };
    for (const auto& [titel, ohne] : faelle)
        EXPECT_EQ(titelOhneZusatz(QString::fromUtf8(titel)), QString::fromUtf8(ohne)) << titel;
}

TEST(Schwerpunktliste, SeitenUndCodesInDateifolge) {
    struct Fall {
        const char* name;
        QByteArray inhalt;
    };
    const Fall faelle[] = {
        {"UTF-8, CR LF", alsDatei(testZeilen)},
        {"UTF-8, LF", alsDatei(testZeilen, "\n")},
        {"Windows-1252", alsDatei(testZeilen, "\r\n", Kodierung::Windows1252)},
        {"Leerzeilen zählen nicht", alsDatei(testZeilen) + "\r\n  \r\n\n"},
        {"letzte Zeile ohne Zeilenende", alsDatei(testZeilen).chopped(2)},
    };
    for (const Fall& f : faelle) {
        TestOrdner o;
        o.schreibe("Varku.tsp", f.inhalt);
        const SchwerpunktDatei l = leseSchwerpunktDatei(o.pfad("Varku.tsp"));
        EXPECT_EQ(l.titel[0], (QStringList{"Igel und Kino [i lang]", "Tiger"})) << f.name;
        EXPECT_EQ(l.titel[1], (QStringList{"Schmetterling", "Komma, im Titel"})) << f.name;
        EXPECT_EQ(l.titel[2], (QStringList{"Dritte Kategorie [mit Zusatz]", "Kurz"})) << f.name;
        for (int s = 3; s <= 10; ++s)
            EXPECT_TRUE(l.titel[size_t(s)].isEmpty()) << f.name << " Seite " << s;
        EXPECT_EQ(l.titel[11], QStringList{QString::fromUtf8("Nomen für Dinge")}) << f.name;
        EXPECT_EQ(l.codes, (QStringList{"KAT1", "KAT2", "KAT2", "KAT1", "KAT2", "AB", "KAT1"}))
            << f.name;
    }
}

TEST(Schwerpunktliste, GrenzenSindLaufzeitfehler) {
    const auto kategorien = [](int n) {
        QStringList z;
        for (int i = 1; i <= n; ++i)
            z << QStringLiteral("K%1,C%1").arg(i);
        return z;
    };
    const auto ueberschriften = [](int n) {
        QStringList z;
        for (int i = 1; i <= n; ++i)
            z << QStringLiteral(">>> S%1,-").arg(i);
        return z;
    };
    struct Fall {
        const char* name;
        QStringList zeilen;
        const char* betrifft; // leer: kein Fehler
    };
    const Fall faelle[] = {
        {"52 Kategorien passen", QStringList{">>> a,-"} + kategorien(52), ""},
        {"53. Kategorie", QStringList{">>> a,-"} + kategorien(53), "Zeile 54: K53,C53"},
        {"53. Kategorie auf späterer Seite",
         QStringList{">>> a,-"} + kategorien(50) + QStringList{">>> b,-", "x,X1", "y,Y1", "z,Z1"},
         "Zeile 55: z,Z1"},
        {"12 Überschriften passen", ueberschriften(12) + kategorien(1), ""},
        {"13. Überschrift", ueberschriften(13), "Zeile 13: >>> S13,-"},
        {"Kategorie vor der ersten Überschrift", QStringList{"Igel,KAT1", ">>> a,-"},
         "Zeile 1: Igel,KAT1"},
        {"nach einer Leerzeile am Anfang", QStringList{"", "Igel,KAT1"}, "Zeile 2: Igel,KAT1"},
        {"Kategorie ohne Spalte", QStringList{">>> a,-", "Igel"}, "Zeile 2: Igel (Kategorie"},
        {"Kategorie mit leerer Spalte", QStringList{">>> a,-", "Igel,  "}, "Zeile 2: Igel,"},
    };
    for (const Fall& f : faelle) {
        TestOrdner o;
        o.schreibe("Varku.tsp", alsDatei(f.zeilen));
        const QString pfad = o.pfad("Varku.tsp");
        if (!*f.betrifft) {
            EXPECT_NO_THROW(leseSchwerpunktDatei(pfad)) << f.name;
            continue;
        }
        try {
            leseSchwerpunktDatei(pfad);
            ADD_FAILURE() << f.name;
        } catch (const Laufzeitfehler& e) {
            EXPECT_EQ(e.nummer(), Laufzeitfehler::IndexAusserhalb) << f.name;
            EXPECT_TRUE(e.meldung().contains(pfad + ", " + f.betrifft))
                << f.name << ": " << e.meldung().toStdString();
        }
    }
    TestOrdner o;
    EXPECT_THROW(leseSchwerpunktDatei(o.pfad("Varku.tsp")), Laufzeitfehler);
}

// Eine Liste ohne Kategorie ließe einen leeren Dialog, den niemand verlassen kann.
TEST(Schwerpunktliste, OhneKategorieSagtEsDieDatei) {
    for (const QByteArray& inhalt :
         {QByteArray(), QByteArray("\r\n\r\n"), QByteArray(">>> a,-\r\n>>> b,-\r\n")}) {
        TestOrdner o;
        o.schreibe("Varku.tsp", inhalt);
        try {
            leseSchwerpunktDatei(o.pfad("Varku.tsp"));
            ADD_FAILURE() << inhalt.constData();
        } catch (const Laufzeitfehler& e) {
            EXPECT_TRUE(e.meldung().contains("keine Kategorie")) << e.meldung().toStdString();
            EXPECT_TRUE(e.meldung().contains(o.pfad("Varku.tsp")));
        }
    }
}

// Eine Spalte, die es in der Wortdatenbank nicht gibt, nennt das Lesen mit Datei und Zeile,
// nicht erst OK mit einem Fehler im Kriterium.
TEST(Schwerpunktliste, UnbekannteSpalteBeimLesen) {
    TestOrdner o;
    o.schreibe("Varku.tsp", alsDatei({">>> a,-", "Igel,KAT1", "Tiger,XYZ9"}));
    const auto istSpalte = [](const QString& s) { return s == "KAT1"; };
    try {
        leseSchwerpunktDatei(o.pfad("Varku.tsp"), istSpalte);
        FAIL();
    } catch (const Laufzeitfehler& e) {
        EXPECT_TRUE(e.meldung().contains(o.pfad("Varku.tsp") + ", Zeile 3: Tiger,XYZ9"))
            << e.meldung().toStdString();
        EXPECT_TRUE(e.meldung().contains("XYZ9 fehlt in der Wortdatenbank"));
    }
    o.schreibe("Varku.tsp", alsDatei({">>> a,-", "Igel,KAT1"}));
    EXPECT_EQ(leseSchwerpunktDatei(o.pfad("Varku.tsp"), istSpalte).codes, QStringList{"KAT1"});
}

// Die Spiele zählen die Kategorien bis zu ihrer Spalte; Überschrift nur mit ">>>" vorn.
TEST(Schwerpunktliste, SchwerpunktEinesSpiels) {
    TestOrdner o;
    o.schreibe("Varku.tsp", alsDatei({">>> Erste,-", "A,KA", "B,KB", "Mitte >>> keine,KM",
                                      ">>> Zweite,-", "C,KC"}));
    struct Fall {
        const char* spalte;
        int nummer;
        const char* titel;
    };
    const Fall faelle[] = {{"KB", 2, "B"},
                           {"KA", 1, "A"},
                           {"KM", 3, "Mitte >>> keine"}, // für ein Spiel keine Überschrift
                           {"KC", 4, "C"},
                           {"XX", 4, ""},
                           // die Spalte einer Überschrift ist keine Kategorie
                           {"-", 4, ""}};
    for (const Fall& f : faelle) {
        const Uebungsschwerpunkt s = leseUebungsschwerpunkt(o.pfad("Varku.tsp"), f.spalte);
        EXPECT_EQ(s.UebNr, f.nummer) << f.spalte;
        EXPECT_EQ(s.UebTitel, QString::fromUtf8(f.titel)) << f.spalte;
        EXPECT_EQ(s.gefunden, *f.titel != 0) << f.spalte;
    }
    EXPECT_THROW(leseUebungsschwerpunkt(o.pfad("fehlt.tsp"), "KA"), Laufzeitfehler);
}

TEST(Schwerpunktliste, MitgelieferteListe) {
    const QString quellen = QStringLiteral(VARKU_QUELLDATEN);
    const SchwerpunktDatei l = leseSchwerpunktDatei(quellen + "/Varku.tsp");
    const int jeSeite[schwerpunktSeiten] = {10, 7, 3, 5, 2, 3, 3, 6, 2, 5, 3, 3};
    for (int s = 0; s < schwerpunktSeiten; ++s)
        EXPECT_EQ(l.titel[size_t(s)].size(), jeSeite[s]) << "Seite " << s;
    ASSERT_EQ(l.codes.size(), maxKategorien);
    // zu jeder Kategorie wird ihr Bild gezeichnet
    QFile f(quellen + "/grafik/bausteine.txt");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString bilder = QString::fromUtf8(f.readAll());
    for (const QString& code : l.codes) {
        EXPECT_FALSE(code.isEmpty());
        EXPECT_TRUE(bilder.contains(bausteinDateiName(code) + " |", Qt::CaseInsensitive))
            << code.toStdString();
    }
}
