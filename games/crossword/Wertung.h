#pragma once

#include "games/crossword/Kreuzwortgitter.h"
#include "games/crossword/Steinlage.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace varku::wendomar {

// Der Bonus einer Zelle: "" keiner, "+n" n Punkte dazu, "*n" ein Faktor. Die 18 Bonusfelder
// liegen punktsymmetrisch um die Mitte des Bretts und sind auf jedem Brett dieselben.
const QString& bonusFeld(int spalte, int zeile);

// Der Bonus des Wortes, bevor einer seiner Steine liegt: nur Zellen, die kein früheres Wort
// bedeckt, zählen; Punkte addieren sich, ein späterer Faktor ersetzt einen früheren. Die
// Bonusfelder sind die des Bretts, wenn keine anderen gegeben sind.
using Bonusfelder = std::function<QString(int spalte, int zeile)>;
int berechneBonus(const Kreuzwortgitter& g, const Bonusfelder& felder = {});
// Liegen auf den Zellen des Wortes seine Buchstaben?
bool pruefeWortLage(const Kreuzwortgitter& g);

// Was das Wortende getan hat
struct Wortende {
    bool richtig = false;
    bool rundeZuEnde = false; // kein Wort passt mehr: ein neues Brett mit einem ersten Wort
    bool ohneWoerter = false; // und es gibt nicht einmal ein erstes Wort
    int bonus = 0;            // der Bonus des nächsten Wortes
    QStringList klaenge;
};

// Das Wortende des Spielers mit diesen Punkten: ein richtiges Wort bringt Länge x 10 und den
// Bonus, wird fest, und das nächste Wort kommt in die Ablage; ein falsches kostet Länge x 10,
// nicht unter 0, und seine Steine gehen zurück.
Wortende beendeWort(Kreuzwortgitter& g, Steinlage& s, int64_t& punkte, int bonus,
                    const std::vector<int>& fehlerListe = {});

} // namespace varku::wendomar
