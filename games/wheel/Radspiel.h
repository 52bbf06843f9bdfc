#pragma once

#include "gamekit/Spielrunde.h"
#include "games/wheel/ZirkomatEinstellungen.h"

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

// Eine Farbe der Kästen
struct Farbe {
    int rot = 0, gruen = 0, blau = 0;
    bool operator==(const Farbe&) const = default;
};
// Die Farben der Kästen: Grund und aufgedeckter Buchstabe, je zehn
extern const std::array<Farbe, 10> KastenGrund;
extern const std::array<Farbe, 10> KastenBuchstabe;
// Index einer Grundfarbe; 0, wenn sie nicht vorkommt
int sucheFarbIndex(const Farbe& grund);

// Der Stand des Radspiels: das Rad, das Rätsel, der Zug des aktuellen Spielers und die Punkte.
// Jede Handlung sagt, was geschah; das Fenster zeigt es. Die Einstellungen liest es nur.
class Radspiel {
public:
    Radspiel(Spielrunde& runde, const Einstellungen& einst) : m_runde(runde), m_einst(einst) {}

    enum class Phase {
        Drehen,    // der Spieler dreht (nur "drehen")
        Dreht,     // das Rad dreht sich
        Einsatz,   // das Rad steht auf einem Einsatz: Buchstabe, kaufen, Satz, Wort raten
        WortRaten, // der Spieler rät das Wort Buchstabe für Buchstabe
        Pause      // das Wort steht fertig oder aufgedeckt da, gleich kommt das nächste
    };
    Phase phase() const { return m_phase; }

    // Was gerade zu drücken ist; der Computer zieht selbst, dann ist für die Menschen nichts
    // zu drücken. Dazu die beiden Lampen.
    struct Knoepfe {
        bool drehen = false, anhalten = false, buchstaben = false, wortRaten = false,
             kaufen = false, satz = false;
        bool kaufenLampe = false, wortRatenLampe = false;
    };
    Knoepfe knoepfe(bool computerAmZug) const;

    // das Rad
    int radPos() const { return m_radPos; }
    int einsatz() const { return RadWerte[size_t(m_radPos)]; }
    void RadDrehen(long jetzt);
    // ein Schritt der Drehung; true, wenn das Rad von selbst anhalten muss (mehr als zehn
    // ganze Sekunden)
    bool radSchritt(long jetzt);

    struct Stopp {
        int wert = 0;
        bool naechsterSpieler = false; // 0: der Zug ist verloren
        bool einsatz = false;          // ein Buchstabenzug beginnt
        QString klang;
        bool ratezeitNeu = false;
    };
    Stopp RadStoppen();

    // das Rätsel
    const QString& Wort() const { return m_wort; }
    bool WortRatenModus() const { return m_phase == Phase::WortRaten; }
    int WortRatenStart() const { return m_wortRatenStart; }
    int Fehlversuche() const { return m_fehlversuche; }
    int FehlZaehler() const { return m_fehlZaehler; }

    // ein neues Wort liegt aus, alles verdeckt; die Farben der Kästen folgen auf ersteFarbe
    void neuesWort(const QString& wort, int ersteFarbe);
    bool wortFertig() const { return m_naechsterBst >= m_wort.size(); }
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
    // zu viele Fehlversuche: alle übrigen Kästen aufdecken (das nächste Wort kommt danach)
    void deckeRestAuf();

    // Buchstaben kaufen: der Einsatz kostet, der nächste Buchstabe wird aufgedeckt; fertig
    // gekauft kommt gleich das nächste Wort, ohne Punkte
    Zug kaufeBuchstaben();
    // den Satz kaufen: der Einsatz kostet, derselbe Spieler dreht wieder
    long kaufeSatz();
    // Wort raten beginnt
    void wortRaten();
    // die Ratezeit ist um oder ein neues Spiel beginnt: der Zug endet ordentlich
    void zugBeenden();

    // Die Farben eines Kastens, wie er gerade zu sehen ist
    struct Kasten {
        Farbe grund, schrift;
        bool rahmen = false;
        bool aufgedeckt = false;
    };
    Kasten kasten(int i) const;
    // die Kästen neu gefärbt, ohne das Wort oder das Aufgedeckte zu ändern
    void faerbeNeu(int ersteFarbe);

    // Der Text der Hilfe: mit einer Ziehung unter 51 der nächste Buchstabe, sonst das Wort
    QString hilfeText(const QString& name, int zufall0bis100) const;

    // Der Computer: welche Taste er drückt, nach seiner Stärke (0 stark, 1 mittel, 2 schwach)
    struct Computerwahl {
        int taste = -1;
        bool wortRaten = false; // der starke rät das ganze Wort
        QString klangVorher;    // "TROPFEN" oder "TUTUT", abgewartet
        bool fehlgriff = false;
    };
    Computerwahl computerWahl(int staerke, int zufall0bis100);
    // was der Computer tut, wenn das Rad steht: noch einmal drehen (-1, 300, ein Fehlgriff des
    // schwachen), fertig (0: die Reihe ist schon weiter), oder einen Buchstaben wählen
    enum class Computerschritt { NochmalDrehen, Fertig, Buchstabe };
    Computerschritt computerNachStopp() const;

private:
    enum class Sicht { Verdeckt, Aufgedeckt, Gekauft };
    void verliere(long p, Zug& z);

    Spielrunde& m_runde;
    const Einstellungen& m_einst;
    Phase m_phase = Phase::Drehen;
    int m_radPos = 0;
    long m_radStartZeit = 0;
    QString m_wort;
    int m_naechsterBst = 0;
    int m_wortRatenStart = 0;
    int m_fehlversuche = 0;
    int m_fehlZaehler = 0; // Fehlgriffe des schwachen Computers in Folge
    std::array<int, maxBuchstaben> m_farbIndex{};
    std::array<Sicht, maxBuchstaben> m_sicht{};
};

} // namespace varku::zirkomat
