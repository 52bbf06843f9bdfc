#include "foundation/Texte.h"

#include <gtest/gtest.h>

using namespace varku;

TEST(Texte, GrossbuchstabenZeichenFuerZeichen) {
    struct Fall {
        const char* text;
        const char* gross;
    };
    const Fall faelle[] = {
        {"Straße", "STRAßE"}, // sechs Buchstaben bleiben sechs
        {"ärger", "ÄRGER"},   {"öl über", "ÖL ÜBER"}, {"ß", "ß"}, {"abc123", "ABC123"}, {"", ""},
    };
    for (const Fall& f : faelle) {
        const QString g = grossJeZeichen(QString::fromUtf8(f.text));
        EXPECT_EQ(g, QString::fromUtf8(f.gross)) << f.text;
        EXPECT_EQ(g.size(), QString::fromUtf8(f.text).size()) << f.text;
    }
    EXPECT_EQ(grossbuchstabe(QChar(0x0149)), QChar(0x0149)) << "ʼn hätte zwei Großbuchstaben";
}

TEST(Texte, Vorname) {
    EXPECT_EQ(holeVorname("Gast 2"), "Gast");
    EXPECT_EQ(holeVorname("Anna"), "Anna");
    EXPECT_EQ(holeVorname(" Anna"), "");
    EXPECT_EQ(holeVorname(""), "");
}

// Das Schreibfeld hält eine Zeile: eingefügte Zeilenumbrüche fälschen keine Protokollzeile.
TEST(Texte, EingabeAlsEineZeile) {
    struct Fall {
        QString text;
        QString sauber;
    };
    const Fall faelle[] = {
        {"Igel\n2= OK", "Igel2= OK"},
        {"Igel\r\n", "Igel"},
        {QString("a") + QChar(0x2028) + "b" + QChar(0x2029), "ab"},
        {"Ta\tb", "Tab"},
        {QString("Ba") + QChar(0x0308) + "r", QString::fromUtf8("Bär")}, // Normalform C
        {QString::fromUtf8("Bär"), QString::fromUtf8("Bär")},
        {" Igel ", " Igel "}, // Leerzeichen bleiben
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(bereinigeEingabe(f.text), f.sauber) << f.text.toStdString();
}

// Ein Wort, das die Spiele Buchstabe für Buchstabe legen können
TEST(Texte, Spielwort) {
    struct Fall {
        QString wort;
        bool spielbar;
    };
    const Fall faelle[] = {
        {QString::fromUtf8("Bär"), true},
        {QString::fromUtf8("Straße"), true},
        {"", false},
        {QString::fromUtf8("Igel\U0001F994"), false}, // zwei halbe Zeichen
        {QString("Ba") + QChar(0x0308) + "r", false}, // noch nicht in Normalform C
        {QString("Ig") + QChar(0x0001) + "el", false},
        {QString(QChar(0xD83E)), false}, // ein halbes allein
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(istSpielwort(f.wort), f.spielbar) << f.wort.toStdString();
}

// Wer allein spielt, wird geduzt; ab zwei Kindern heißt es "ihr"
TEST(Texte, DuOderIhr) {
    const std::pair<int, const char*> faelle[] = {{0, "du"}, {1, "du"}, {2, "ihr"}, {4, "ihr"}};
    for (const auto& [menschen, anrede] : faelle)
        EXPECT_EQ(duOderIhr(menschen, "du", "ihr"), anrede) << menschen;
}
