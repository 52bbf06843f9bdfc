#pragma once

#include "games/crossword/Kreuzwortgitter.h"

#include <QString>
#include <vector>

namespace varku::wendomar {

// Eine Zelle des Bretts (Spalte 1 bis 14, Zeile 1 bis 11) oder ein Platz der Ablage (Spalte 1
// bis 4, Zeile 1 bis 3)
struct Zelle {
    int spalte = 0;
    int zeile = 0;
    bool operator==(const Zelle&) const = default;
};

// die Ablage: 4 Plätze je Reihe, 3 Reihen
constexpr int ablageSpalten = 4, ablageZeilen = 3;

// Was ein vom Programm gelegter Stein und die Lösungshilfe kosten, nach dem Bonus und der Länge
// des Wortes: der Stein Int(Bonus / 0,5 x Länge) + 20, die Hilfe Int(Bonus / Länge) + 10
int steinKosten(int bonus, int wortLaenge);
int hilfeKosten(int bonus, int wortLaenge);

// Ein beweglicher Stein des Wortes, das gerade gelegt wird
struct Stein {
    QChar buchstabe;
    Zelle ablage; // sein Platz in der Ablage, solange er dort liegt
};

// Ein Stein eines fertigen Wortes, fest auf seiner Zelle
struct FesterStein {
    QChar buchstabe;
    Zelle feld;
};

// Die Steine des Kreuzworträtsels als Regeln: je fehlendem Buchstaben des Wortes ein Stein,
// gemischt in der Ablage; Steine auf das Brett und zurück; die Knöpfe, die davon abhängen; die
// Stoppsteine neben einem fertigen Wort und die festen Steine. Wo ein Stein auf dem Brett liegt,
// steht in den Steinzellen des Gitters, und sein Buchstabe im Buchstabengitter.
class Steinlage {
public:
    Steinlage(Kreuzwortgitter& gitter, Wuerfel wuerfel);

    // die Zeichen des Textes in zufälliger Reihenfolge
    static QString mischeBuchstaben(const QString& text, const Wuerfel& wuerfel);
    // der Platz von Stein n (ab 1) in der Ablage
    static Zelle ablagePosition(int n);

    // die Steine des neuen Wortes in die Ablage; die Knöpfe wie am Anfang eines Wortes
    void legeSteineAus();
    // Stein n (ab 1) auf eine Zelle des Bretts; false, wenn er dort nicht liegen kann (außerhalb
    // des Bretts, auf einem Buchstaben, einem Stoppstein oder einem anderen Stein): er bleibt,
    // wo er war
    bool legeAufFeld(int n, Zelle ziel);
    // Stein n auf einen Platz der Ablage; false außerhalb der Ablage oder auf einem anderen Stein
    bool legeInAblage(int n, Zelle platz);
    // alle Steine vom Brett zurück auf ihre eigenen Plätze der Ablage
    void alleZurueck();
    // Der Stein für die erste leere Zelle des Wortes, vom Programm gelegt: der erste Stein der
    // Ablage mit ihrem Buchstaben. 0, wenn es keinen gibt (er liegt schon woanders auf dem Brett),
    // sonst seine Nummer.
    int setzeNaechstenStein();
    // Der Computer legt den Buchstaben an Stelle k (ab 1) des Wortes: den ersten Stein der Ablage
    // mit diesem Buchstaben, auf seine Zelle, wenn sie leer ist. Gibt die Nummer des Steins,
    // 0, wenn nichts zu legen war.
    int legeComputerStein(int k);

    int anzahl() const { return int(m_steine.size()); }
    const Stein& stein(int n) const { return m_steine.at(size_t(n - 1)); }
    // die Zelle des Bretts, auf der Stein n liegt; (0, 0) in der Ablage
    Zelle feld(int n) const;
    bool inAblage(int n) const { return feld(n).spalte == 0; }
    int steineInAblage() const;
    // Zählt jedes neue Auslegen und Abräumen: ein Stein, der vorher gegriffen wurde, ist danach
    // nicht mehr derselbe
    int auslage() const { return m_auslage; }

    // Knöpfe
    bool wortEndeAn = false;
    bool zurueckAn = false;
    bool naechsterSteinAn = true;
    // der Knopf legt den ersten Stein des Wortes, sonst den nächsten
    bool ersterStein = true;
    // gibt es einen Stein, den der Knopf legen kann?
    bool naechsterSteinMoeglich() const { return naechsterSteinAn && steineInAblage() > 0; }

    // ein richtiges Wort: Stoppsteine vor und hinter ihm, seine Steine werden fest
    void setzeStoppSteine();
    void fixiereSteine();
    const std::vector<Zelle>& stoppSteine() const { return m_stopp; }
    const std::vector<FesterStein>& festeSteine() const { return m_fest; }
    // ein neues Brett: keine Steine mehr
    void neuesSpielfeld();

private:
    void knoepfeNachZug(bool aufsBrett);
    std::pair<int, int> zelleDesWortes(int k) const;

    Kreuzwortgitter& m_g;
    Wuerfel m_wuerfel;
    std::vector<Stein> m_steine;
    std::vector<Zelle> m_stopp;
    std::vector<FesterStein> m_fest;
    int m_auslage = 0;
};

} // namespace varku::wendomar
