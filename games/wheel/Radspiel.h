#pragma once

#include "gamekit/Spielrunde.h"

#include <QChar>
#include <QString>
#include <array>

namespace varku::zirkomat {

// Die Werte der zehn Felder des Rades: -1 nimmt alle Punkte, 0 kostet den Zug, 300 ist der
// Glückstreffer (100 Punkte), alle anderen sind der Einsatz eines Buchstabenzugs.
constexpr std::array<int, 10> RadWerte = {0, 20, 80, 300, 150, -1, 200, 10, 40, 100};

constexpr int maxBuchstaben = 15;
constexpr int anzahlTasten = 30; // "A" bis "Z", "Ä", "Ö", "Ü", "ß"

// die Taste eines Zeichens (klein oder groß): 0 bis 29, -1 für jedes andere Zeichen
int tasteFuer(QChar c);
// der Buchstabe einer Taste
QChar buchstabeDerTaste(int taste);
// Kann das Spiel dieses Wort spielen: höchstens 15 Buchstaben, alle auf den Tasten?
bool istSpielbar(const QString& wort);

// Der Stand des Radspiels: das Rad, das Rätsel, der Zug des aktuellen Spielers und die Punkte.
// Jede Handlung sagt, was geschah; das Fenster zeigt es.
class Radspiel {
public:
    explicit Radspiel(Spielrunde& runde) : m_runde(runde) {}

    enum class Phase {
        Drehen,   // der Spieler dreht (nur "drehen")
        Dreht,    // das Rad dreht sich
        Einsatz,  // das Rad steht auf einem Einsatz: Buchstabe, kaufen, Satz, Wort raten
        WortRaten // der Spieler rät das Wort Buchstabe für Buchstabe
    };
    Phase phase = Phase::Drehen;

    // das Rad
    int radPos = 0;
    long RadStartZeit = 0;
    int einsatz() const { return RadWerte[size_t(radPos)]; }
    void RadDrehen(long jetzt);
    // ein Schritt der Drehung; true, wenn das Rad von selbst anhalten muss (mehr als zehn
    // ganze Sekunden)
    bool radSchritt(long jetzt);

    struct Stopp {
        int wert = 0;
        bool naechsterSpieler = false; // 0: der Zug ist verloren
        bool einsatz = false;          // ein Buchstabenzug beginnt
        bool kaufen = false;           // Buchstaben und Satz dürfen gekauft werden
        QString klang;
        bool ratezeitNeu = false;
    };
    Stopp RadStoppen();

    // das Rätsel
    QString Wort;
    int naechsterBst = 0;
    bool WortRatenModus = false;
    int WortRatenStart = 0;
    int Fehlversuche = 0;
    int FehlversucheMaximum = 0;
    int FehlZaehler = 0; // Fehlgriffe des schwachen Computers in Folge

    void neuesWort(const QString& wort);
    bool wortFertig() const { return naechsterBst >= Wort.size(); }
    // die Taste des nächsten verdeckten Buchstabens
    int naechsteTaste() const;
    bool kaufenMoeglich() const;

    // Was ein Buchstabe brachte
    struct Zug {
        bool angenommen = false; // gilt die Taste jetzt überhaupt?
        bool richtig = false;
        int aufgedeckt = -1;         // der Kasten, der aufgedeckt wurde
        bool wortFertig = false;     // das Wort ist gelöst: Glückwunsch, dann ein neues
        bool restWortZeigen = false; // zu viele Fehlversuche: das Wort zeigen, dann ein neues
        bool hilfe = false;          // ein Mensch bekommt Hilfe, der Computer wartet 2 s
        bool wortRatenFehler = false;
        long punkte = 0;      // gewonnen (+) oder verloren (-)
        bool weiter = false;  // die Reihe geht an den nächsten Spieler
        bool nochmal = false; // im Wortraten nennt derselbe den nächsten Buchstaben
        QString klang;
    };
    Zug pruefeBstWahl(int taste);

    // Buchstaben kaufen: der Einsatz kostet, der nächste Buchstabe wird aufgedeckt; fertig
    // gekauft kommt gleich das nächste Wort, ohne Punkte
    Zug kaufeBuchstaben();
    // den Satz kaufen: der Einsatz kostet, derselbe Spieler dreht wieder
    long kaufeSatz();
    // Wort raten beginnt
    void wortRaten();
    // die Ratezeit ist um: der Zug endet ordentlich, bevor der nächste dreht
    void zugBeenden();

    // Der Computer: welche Taste er drückt, nach seiner Stärke (0 stark, 1 mittel, 2 schwach)
    struct Computerwahl {
        int taste = -1;
        bool wortRaten = false; // der starke rät das ganze Wort
        QString klangVorher;    // "TROPFEN" oder "TUTUT", abgewartet
        bool fehlgriff = false;
    };
    Computerwahl computerWahl(int staerke, int zufall0bis100);

private:
    void verliere(long p, Zug& z);
    Spielrunde& m_runde;
};

} // namespace varku::zirkomat
