#pragma once

#include "gamekit/Spielrunde.h"
#include "gamekit/Wuerfel.h"
#include "games/hiddenletters/KartominEinstellungen.h"

#include <QString>
#include <array>

namespace varku::kartomin {

// Das Feld: 25 Karten in fünf Reihen zu fünf, Reihe für Reihe von links oben gezählt
constexpr int feldSeite = 5, feldKarten = feldSeite * feldSeite;
// ein Wort lässt neben sich noch Platz für den Joker
constexpr int hoechstensBuchstaben = feldKarten - 1;
constexpr int jokerBilder = 3;

// Die zehn Farben der Kartenrücken: rot, grün, blau
struct Kartenfarbe {
    int rot, gruen, blau;
};
extern const std::array<Kartenfarbe, 10> FarbTabelle;

const QString& jokerZeichen(); // "*"

struct Karte {
    QString inhalt;          // ein Großbuchstabe des Wortes, "*" für den Joker, oder leer
    int farbe = 0;           // Rücken: Index in FarbTabelle
    bool aufgedeckt = false; // seit dem Legen des Wortes einmal aufgedeckt
    bool gefunden = false;   // für immer gewonnen: in der Folge gefunden, oder der Joker
    bool offen = false;      // liegt gerade offen (weiß, mit Inhalt)
    int jokerBild = 0;       // 1 bis 3, sobald der Joker gezeigt ist
    bool istJoker() const { return inhalt == jokerZeichen(); }
};

enum class Feldergebnis { Leer = 0, Falsch = 1, Richtig = 2, Joker = 3, WortFertig = 4 };

// Was die Wertung einer aufgedeckten Karte tat
struct Wertung {
    Feldergebnis ergebnis = Feldergebnis::Leer;
    QString klang;        // vor den Punkten
    long punkte = 0;      // so viele kamen dazu (negativ: abgezogen, aber nie unter 0)
    QString gefundenDazu; // der gefundene Buchstabe, wie er im Wort steht
    bool fehl() const { return ergebnis == Feldergebnis::Leer || ergebnis == Feldergebnis::Falsch; }
};

// Was nach der Wartezeit geschieht
struct Fortgang {
    bool spielerwechsel = false; // ein Fehlgriff: der nächste ist an der Reihe
    bool neuesWort = false;      // das Wort ist fertig: das nächste kommt, derselbe spielt weiter
};

enum class Richtung { Links, Rechts, Hoch, Runter };

// Der Zug des Computers: welche Karte, und ob es ein Fehlgriff wird
struct Computerzug {
    int feld = -1; // -1: keine Karte mehr zu nehmen
    bool fehl = true;
};

// Die Regeln des Kartenspiels: die 25 Karten mit den Buchstaben des Wortes und dem Joker, das
// Aufdecken in der Folge des Wortes, die Wertung mit dem Einsatz, die Warnung mit dem Angebot
// eines Risikos, die Markierung für die Tastatur und die Kartenwahl des Computers. Eine
// aufgedeckte Karte wird erst einen Takt später gewertet und bleibt dann zwei Sekunden liegen;
// solange nimmt das Spiel keine Karte und kein Risiko an.
class Kartenspiel {
public:
    Kartenspiel(Spielrunde& runde, Wuerfel wuerfel);

    // --- das Feld ---
    // alle Karten leer und verdeckt, jede mit einem neu gezogenen Rücken
    void leereFeld();
    // die Buchstaben des Wortes und vielleicht den Joker auf zufällige leere Karten
    void verteileBuchstaben();
    // die n-te leere Karte (ab 0, in der Folge der Karten); 0, wenn es weniger gibt
    int sucheLeeresFeld(int n) const;
    // legt ein neues Wort: getrimmt und höchstens 24 Buchstaben, damit jeder eine Karte hat
    void neuesWort(const QString& wort);

    const Karte& karte(int i) const { return m_karten[size_t(i)]; }
    const QString& Wort() const { return m_wort; }
    int WortLaenge() const { return int(m_wort.size()); }
    // der nächste gesuchte Buchstabe, ab 1
    int naechsterBuchstabe() const { return m_naechster; }
    // was bisher gefunden ist, wie es im Wort steht
    QString gefunden() const { return m_wort.left(m_naechster - 1); }
    // der gesuchte Buchstabe als Großbuchstabe; leer, wenn das Wort fertig ist
    QString gesucht() const;

    // --- Aufdecken und Wertung ---
    enum class Phase { Bereit, Offen, Warten };
    Phase phase() const { return m_phase; }
    // nimmt das Spiel eine Karte oder ein Risiko an? Nicht, solange eine Karte gewertet wird
    bool bereit() const { return m_phase == Phase::Bereit; }
    // deckt eine Karte auf und bewertet sie; false, wenn sie schon gewonnen ist, außerhalb liegt
    // oder gerade eine Karte gewertet wird
    bool deckeFeldAuf(int feld);
    int aktFeld() const { return m_aktFeld; }
    // der Takt nach dem Aufdecken: Klang und Punkte; das Risiko ist aus. Danach die Wartezeit
    Wertung werteAus();
    // das Ende der Wartezeit: ein Fehlgriff liegt wieder verdeckt
    Fortgang beendeWartezeit();
    // zuletzt, wenn auch das neue Wort liegt: die Warnung, der Einsatz ist verbraucht, und das
    // Spiel nimmt wieder Karten an. true heißt "Achtung": das Risiko wird angeboten
    bool schliesseWertungAb();

    // eine von vier Wertungen: liegt der gesuchte Buchstabe auf einer schon gesehenen Karte?
    bool pruefeAchtung();

    // --- Risiko ---
    int einsatz() const { return m_einsatz; }
    bool risikoAngeboten() const { return m_risikoAn; }
    bool risikoKnopfAn() const { return m_risikoAn && m_risikoKnopf && bereit(); }
    // der Knopf "&Risiko": ein gezogener Einsatz für die nächste Karte; 0, wenn es nichts gibt
    int nimmRisiko();

    // --- die Markierung ---
    int markeSpalte() const { return m_markeSpalte; }
    int markeZeile() const { return m_markeZeile; }
    // ein Schritt; am Rand bleibt sie stehen (dann false)
    bool bewegeMarke(Richtung r);
    int markiertesFeld() const { return m_markeZeile * feldSeite + m_markeSpalte; }

    // --- der Computer ---
    // eine aufgedeckte, nicht gewonnene Karte mit dem gesuchten Buchstaben; -1 ohne
    int sucheBekanntesFeld() const;
    // die erste Karte, die noch nie aufgedeckt war; -1 ohne
    int sucheUnbekanntesFeld() const;
    // von einer gezogenen Karte an die erste nicht gewonnene, dann rückwärts; -1 ohne
    int sucheZufallsFeld();
    // wählt die Karte nach der Stärke und deckt sie auf: "&stark" (0) nimmt immer die bekannte,
    // "sch&wach" (1) in etwa der Hälfte der Züge irgendeine
    Computerzug simuliereComputerZug(int staerke);

private:
    void bewerteFeld(int feld);

    Spielrunde& m_runde;
    Wuerfel m_wuerfel;
    std::array<Karte, feldKarten> m_karten{};
    QString m_wort;
    int m_naechster = 1;
    Phase m_phase = Phase::Bereit;
    int m_aktFeld = 0;
    Feldergebnis m_ergebnis = Feldergebnis::Leer;
    bool m_vorherAufgedeckt = false;
    int m_einsatz = 0;
    bool m_risikoAn = false;
    bool m_risikoKnopf = false;
    int m_markeSpalte = 0, m_markeZeile = 0;
};

} // namespace varku::kartomin
