#pragma once

#include "gamekit/Spielrunde.h"
#include "gamekit/Wuerfel.h"
#include "games/fallingletters/DolmixEinstellungen.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace varku::dolmix {

// Das Feld: 14 Spalten von links, 11 Zeilen von unten; darüber die unsichtbare Eingangszeile
constexpr int feldSpalten = 14, feldZeilen = 11, eingangsZeile = 12;
constexpr int hoechstensBuchstaben = feldSpalten;
constexpr int steinFarben = 6;

struct FeldZelle {
    bool istBlank = false;
    int farbe = 0;     // 1 bis 6 für einen Buchstabenstein, sonst 0
    int steinNr = 0;   // 0: leer
    QString buchstabe; // leer, der Buchstabe, oder "*" für einen Blankstein und einen gewischten
    int drehung = 0;   // 0, 90, 180, 270 Grad gegen den Uhrzeigersinn
    bool zaehltFuerZeile = false;
    bool belegt() const { return !buchstabe.isEmpty(); }
    bool sternOderLeer() const { return buchstabe.isEmpty() || buchstabe == u"*"; }
};

struct Stein {
    bool istBlank = false;
    int farbe = 0;
    int steinNr = 0;
    QString buchstabe;
    int drehung = 0;
    int spalte = 1;
    int zeile = eingangsZeile;
    bool fallGelassen = false;
};

// Punkte, Wörter und volle Reihen eines Platzes
struct Stand {
    int32_t punkte = 0;
    int woerter = 0;
    int zeilen = 0;
};

// Wo ein gelandeter Buchstabe des Wortes liegt; die Zeile 0 heißt: mit der untersten Reihe fort
struct Lage {
    int spalte = 0;
    int zeile = 0;
    int drehung = 0;
};

enum class Taste { Links, Rechts, Hoch, Runter, Fallen };

// Was ein Fallschritt oder eine Taste getan hat
struct Ereignis {
    QStringList klaenge;     // in dieser Reihenfolge
    bool warnungEin = false; // "drehen" gemeldet (die Lampe blinkt von vorn)
    bool sichtbar = false;   // der Stein ist ins Feld gekommen
    bool gelandet = false;
    bool blockiert = false;  // kein Stein kommt mehr hinein: die Runde ist zu Ende
    int entfernteZeilen = 0; // die unterste Reihe ging so oft
    bool wortFertig = false; // alle Buchstaben liegen, das Wort ist geprüft
    bool wortRichtig = false;
    bool punkte = false; // der Stand des Spielers hat sich geändert
    // Zellen (Spalte, Zeile), die neu zu zeichnen sind; oder gleich das ganze Feld
    std::vector<std::pair<int, int>> zellen;
    bool ganzesFeld = false;
};

// Wie lang ein Zug auf der Ratezeituhr ist: ein Schritt je Sekunde, oder bei langen Zügen, deren
// Schritt unter 1 läge, eine Zahl von Sekunden
struct Zugdauer {
    int schritt = 0;
    int sekunden = 0;
};
Zugdauer zugdauer(int minuten);

// Die Regeln des Fallspiels: das Feld, der fallende Stein, das Wort, das gerade fällt, die
// Prüfung des gelegten Wortes und die Stände der Plätze. Jeder Schritt und jede Taste ist ein
// Aufruf, der sagt, was geschah; ein neues Wort wählt das Fenster, wenn eines fertig ist.
class Fallspiel {
public:
    Fallspiel(const Spielrunde& runde, const Einstellungen& einst, Wuerfel wuerfel);

    // das Feld, Spalte 1 bis 14, Zeile 1 bis 11
    const FeldZelle& zelle(int spalte, int zeile) const;
    // stellt eine Zelle, wie ein Stein sie hinterließe (für Tests und Messungen)
    void legeZelle(int spalte, int zeile, const FeldZelle& z) { feld(spalte, zeile) = z; }
    const Stein& aktStein() const { return m_stein; }
    bool steinSichtbar() const { return m_stein.steinNr > 0 && m_stein.zeile <= feldZeilen; }
    bool warnt() const { return m_warnt; }

    // das Wort, das jetzt fällt: Reihenfolge, Groß und Farbe stehen ab hier fest
    void neuesWort(const QString& wort);
    const QString& Wort() const { return m_wort; }
    const QString& fallFolge() const { return m_fallFolge; }
    int bstIndex() const { return m_bstIndex; }
    int wortFarbe() const { return m_wortFarbe; }
    const std::vector<Lage>& wortBuchstaben() const { return m_wortBuchstaben; }
    // die Buchstaben in zufälliger Reihenfolge
    QString mischeWort(const QString& wort);

    // der nächste Stein in der Eingangszeile, noch unsichtbar
    void neuerStein();
    // die Zeile, in der ein Stein in dieser Spalte landet
    int findeZielZeile(int spalte) const;
    int findeZielZeile() const { return findeZielZeile(m_stein.spalte); }

    // ein Takt des Falls; nur, solange das Spiel läuft
    Ereignis fallSchritt();
    // eine Taste des Spielers; nur, solange das Spiel läuft und der Stein zu sehen ist
    Ereignis taste(Taste t);

    // Start und Pause
    void starte();
    void pausiere() { m_laeuft = false; }
    bool laeuft() const { return m_laeuft; }
    bool spielGestartet() const { return m_gestartet; }

    // liegen die Buchstaben des Wortes aufrecht, in der Folge des Wortes, mit freien Rändern?
    bool pruefeWort() const;
    // die längste Folge freier Zellen, auf denen ein Wort ruhen könnte; 14 ohne eine
    int maxFreieLaenge() const;
    // leert das Feld; danach braucht es ein neues Wort und einen neuen Stein
    void loescheSpielfeld();
    // alle Stände auf 0, das Feld leer, das Spiel steht und gilt als nicht gestartet
    void neuesSpiel();

    std::array<Stand, spielerPlaetze> SpielerStand{};
    const Stand& stand() const { return SpielerStand[size_t(m_runde.aktSpieler)]; }

private:
    FeldZelle& feld(int spalte, int zeile);
    void lande(Ereignis& e);
    bool pruefeZeileVoll(int zeile) const;
    void entferneZeile(Ereignis& e);
    void wischeWort(Ereignis& e);
    void warnung(bool ein, Ereignis& e);
    Stand& standAmZug() { return SpielerStand[size_t(m_runde.aktSpieler)]; }

    const Spielrunde& m_runde;
    const Einstellungen& m_einst;
    Wuerfel m_wuerfel;
    std::array<std::array<FeldZelle, feldZeilen>, feldSpalten> m_feld{};
    Stein m_stein;
    int m_letzteNr = 0;
    bool m_warnt = false;
    bool m_laeuft = false;
    bool m_gestartet = false;

    QString m_wort;
    QString m_fallFolge;
    int m_bstIndex = 1;
    int m_wortFarbe = 0;
    int m_vorigeFarbe = 0;
    bool m_gross = false;  // wie das Wort fiel: in Großbuchstaben
    bool m_zufall = false; // in zufälliger Folge (dreifache Punkte)
    std::vector<Lage> m_wortBuchstaben;
};

} // namespace varku::dolmix
