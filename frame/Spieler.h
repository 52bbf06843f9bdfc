#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace varku {

// Die Spieler des Rahmenprogramms in den Plätzen 0 bis 3, in der Reihenfolge der Spielerliste.

struct Statistik {
    int16_t woerter = 0;       // vorgelegte Wörter
    int16_t richtig = 0;       // beim ersten Versuch richtig geschrieben
    int32_t lesezeitSumme = 0; // Sekunden
    int32_t weiter1 = 0, weiter2 = 0;
};

constexpr int maxSpieler = 4;
constexpr int maxWiederhol = 20;

extern std::array<Statistik, maxSpieler> SpielerStatistik;
extern std::array<QString, 5> SpielerDatei; // Stamm der Protokolldatei: User/<Stamm>.tmp
extern std::array<bool, maxSpieler + 1> GastSpieler;
extern int aktSpieler;

// Wiederholliste je Spieler p: (0,0,p) Zahl der Einträge n; (i,0,p) Wortstelle des Eintrags i,
// (i,1,p) wie oft das Wort seitdem in Folge richtig geschrieben wurde, für i = 1 bis n.
extern int16_t WiederholListe[maxWiederhol + 1][2][maxSpieler];

// Erledigte Wörter: (Wortstelle, Spieler) je richtig geschriebenem Wort; wächst nur.
extern std::vector<std::pair<int, int>> ErledigtListe;

// Zahl 0, Stellen -1, Zähler 0
void leereWiederholListe(int spieler);
// alle Spielerdaten auf den Start (auch für Tests)
void setzeSpielerZurueck();

} // namespace varku
