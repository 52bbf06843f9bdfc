#pragma once

#include "games/crossword/Kreuzwortgitter.h"
#include "games/crossword/Steinlage.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

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
    // kein Wort passt mehr: das fertige Brett bleibt stehen, bis neueSpielrunde() es abräumt
    bool rundeZuEnde = false;
    QStringList klaenge;
};

// Die Wertung des Wortes, das gerade gelegt wird: sein Bonus, das Wortende und was Hilfe und
// gelegte Steine kosten. Der Bonus gehört dem Wort, sobald es ausgelegt ist; die Anzeige zeigt
// ihn nur.
class Wortwertung {
public:
    Wortwertung(Kreuzwortgitter& gitter, Steinlage& steine);

    // der Bonus des Wortes; 0, wenn es keinen hat
    int BonusPunkte() const { return m_bonus; }
    // ein neues Brett mit seinem ersten Wort; false, wenn es keines gibt
    bool neueSpielrunde(const std::vector<int>& fehlerListe = {});

    // Das Wortende des Spielers mit diesen Punkten. Ein richtiges Wort bringt Länge x 10 und den
    // Bonus, wird fest, und das nächste Wort kommt in die Ablage. Ein falsches ändert noch
    // nichts: erst bekommt der Spieler es gesagt, dann kostet es (fehlerKosten).
    Wortende beendeWort(int64_t& punkte);
    // was ein falsches Wort kostet: Länge x 10; Wort und Bonus bleiben
    int fehlerKosten() const;

    // was ein vom Programm gelegter Stein und die Lösungshilfe bei diesem Wort kosten
    int steinKosten() const;
    int hilfeKosten() const;

private:
    // die Steine des Wortes, das das Gitter gewählt hat, in die Ablage, und sein Bonus
    void legeWortAus();

    Kreuzwortgitter& m_g;
    Steinlage& m_s;
    int m_bonus = 0;
};

} // namespace varku::wendomar
