#include "frame/Punkte.h"

#include <gtest/gtest.h>

using namespace varku;

TEST(Punkte, RichtigeWoerter) {
    struct Fall {
        const char* name;
        bool nachschreiben;
        long start, ende;
        int komplex, grad;
        int punkte;
    };
    const Fall faelle[] = {
        {"abschreiben, mittel, eine Sekunde", true, 100, 101, 4, 1, 8},
        {"abschreiben, schwer, null Sekunden: 4,5 zur geraden 4", true, 100, 100, 3, 2, 4},
        {"diktieren, einfach", false, 0, 0, 2, 0, 18},
        {"abschreiben, drei Sekunden und mehr geben nichts", true, 100, 103, 6, 0, 0},
        {"abschreiben, zehn Sekunden wie drei", true, 100, 110, 6, 0, 0},
        {"abschreiben, 1,5 zur geraden 2", true, 100, 102, 1, 0, 2},
        {"abschreiben, 2,5 zur geraden 2", true, 100, 101, 5, 2, 5},
        {"diktieren, schwer", false, 5, 1, 6, 2, 18},
        {"über Mitternacht: zwei Sekunden, kein Überlauf", true, 86399, 1, 1, 0, 2},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(berechnePunkte(f.nachschreiben, f.start, f.ende, f.komplex, f.grad), f.punkte)
            << f.name;
}

TEST(Punkte, LesezeitMitStreuung) {
    EXPECT_DOUBLE_EQ(lesezeitMitStreuung(2, 30, 3), 1.7);
    EXPECT_DOUBLE_EQ(lesezeitMitStreuung(2, 30, 6), 2.3);
    EXPECT_DOUBLE_EQ(lesezeitMitStreuung(0, 25, 1), 0.25) << "unter null: die Streuung selbst";
    EXPECT_DOUBLE_EQ(lesezeitMitStreuung(0, 50, 10), 0.5);
}

TEST(Punkte, UebergabeBeiGleichenAnteilen) {
    struct Fall {
        int punkte, ziel, spieler, akt;
        bool faellig;
    };
    const Fall faelle[] = {
        // ein Spieler gibt nie ab
        {500, 1000, 1, 0, false},
        {999, 1000, 1, 0, false},
        // zwei: bei 500; der zweite erreicht seinen Anteil erst mit dem Ziel
        {499, 1000, 2, 0, false},
        {500, 1000, 2, 0, true},
        {999, 1000, 2, 1, false},
        {1000, 1000, 2, 1, false},
        // drei: 333, 666; Spieler 2 gibt bei 999 an Spieler 0, dessen Anteil schon erreicht ist
        {332, 1000, 3, 0, false},
        {333, 1000, 3, 0, true},
        {665, 1000, 3, 1, false},
        {666, 1000, 3, 1, true},
        {999, 1000, 3, 2, true},
        {999, 1000, 3, 0, true},
        // vier: 250, 500, 750
        {250, 1000, 4, 0, true},
        {499, 1000, 4, 1, false},
        {500, 1000, 4, 1, true},
        {750, 1000, 4, 2, true},
        {999, 1000, 4, 3, false},
        // nach einem Spiel: Anteile vom Rest, verglichen mit den ganzen Punkten
        {350, 600, 2, 0, true},
        {299, 600, 2, 0, false},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(uebergabeFaellig(f.punkte, f.ziel, f.spieler, f.akt), f.faellig)
            << f.punkte << "/" << f.ziel << " bei " << f.spieler << " Spielern, Spieler " << f.akt;
}

TEST(Punkte, RestNachEinemSpiel) {
    struct Fall {
        const char* name;
        long start, jetzt;
        int minuten;
        int rest;
    };
    const Fall faelle[] = {
        {"kein Spiel gestartet", 0, 5000, 15, 0},
        {"halbe Spieldauer behält 500", 1000, 1000 + 450, 15, 500},
        {"gerade begonnen", 1000, 1000, 15, 1000},
        {"ganze Spieldauer", 1000, 1900, 15, 0},
        {"länger als erlaubt", 1000, 9000, 15, 0},
        {"über Mitternacht: 500 Sekunden vergangen", 86000, 100, 15, 445},
        {"ein Promille nach der Sekunde", 1000, 1001, 15, 999},
        {"fehlende Spieldauer: fünf Minuten, keine Division durch null", 1000, 1150, 0, 500},
        {"negative Spieldauer ebenso", 1000, 1150, -3, 500},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(restPunkte(f.start, f.jetzt, f.minuten), f.rest) << f.name;
}
