#pragma once

#include "foundation/Protokolldatei.h"
#include "gamekit/Spielregeln.h"
#include "gamekit/Wuerfel.h"
#include "games/wordcard/Lueckenwoerter.h"

#include <QString>
#include <array>
#include <memory>

namespace varku {
class Spielrunde;
}

namespace varku::zelko {

// Karten gibt es für vier Spieler; mit vier Menschen setzt sich kein Computer dazu
constexpr int kartenSpieler = 4;
constexpr int kartenFelder = 25;

// "Z1" für Feld 1, "E2" für 7, "O5" für 25: Spalte Z, E, L, K, O und die Reihe
QString feldKennung(int feld);

// Die Karten der Spieler: je 5 × 5 Felder, Reihe für Reihe von links oben gezählt (1 bis 25)
class Zelkokarten {
public:
    bool markiert(int spieler, int feld) const;
    void markiere(int spieler, int feld);
    // eine volle Reihe, Spalte oder Diagonale auf der Karte des Spielers
    bool pruefeZelkoReihe(int spieler) const;
    void loescheKarten();
    // das Feld des nächsten Aufrufs: eines, das kein Spieler hat; haben alle schon jedes
    // irgendwo, eines, das der aktuelle noch nicht hat
    int sucheZufallsFeld(int nSpieler, int aktSpieler, const Wuerfel& zufall) const;

private:
    bool vonJemandem(int nSpieler, int feld) const;
    std::array<std::array<bool, kartenFelder + 1>, kartenSpieler> m_marke{};
};

// Die Lampen: "Fehler" blinkt rot, "Zelko" gelb, "Du bist dran" leuchtet grün, wenn ein Zug
// beginnt
enum class Lampen { Aus = 0, Fehler = 1, Zelko = 2, Laden = 3 };

// Was eine Wahl aus der Liste ergab
struct Antwort {
    bool richtig = false;
    int einsatz = 0;
    bool zelko = false;
    QString protokoll;      // "OK" oder das Wort, wie es gefüllt wurde
    QString klang;          // das Klangereignis; leer, wenn nichts gewählt war
    QString meldung, titel; // die Meldung an den Spieler; leer ohne
};

// Die Regeln des Kartenspiels: die Karten, der Aufruf mit seinem Feld, die Wahl einer Füllung mit
// Einsatz und Zelko, was ihr folgt, die Lampen, das Protokoll der Menschen, die getippten
// Buchstaben und die Wahl des Computers.
class Zelkospiel : public Spielregeln {
public:
    Zelkospiel(Spielrunde& runde, Wuerfel zufall);

    const Spielrunde& runde() const { return m_runde; }

    Zelkokarten karten;
    std::array<long, 5> ZelkoAnzahl{};
    int aktFeld = 1;

    // die Lückenwörter, sobald die Wortdatenbank offen ist
    void setzeWoerter(std::unique_ptr<Lueckenwoerter> w) { m_woerter = std::move(w); }
    Lueckenwoerter* woerter() const { return m_woerter.get(); }
    const Luecke& luecke() const;
    // die kurze Hilfe der Kategorie
    QString LoesTipp() const;
    const QStringList& auswahl() const;
    // der nächste Aufruf; false, wenn es keinen gibt
    bool naechsteLuecke();
    void naechstesFeld();

    static int einsatz(int komplexInd, int anzahl) { return 2 * (komplexInd + anzahl); }
    bool pruefeWahl(int n) const;
    // die erste Füllung, die richtig ist; die Länge der Liste, wenn keine
    int richtigerListenIndex() const;
    // Wählt der aktuelle Spieler die Füllung n: Punkte, Feld, Zelko, Lampen, Klang, Meldung und
    // die Zeile in seinem Protokoll (der Computer hat keines). Ist die Wahl richtig, steht danach
    // das Feld markiert; bei einem Zelko sind die Karten noch nicht gelöscht: die volle Reihe
    // steht, solange die Meldung steht.
    Antwort checkBstWahl(int n);
    // Nach der Meldung: ein Zelko leert alle Karten, eine richtige Antwort zieht den nächsten
    // Aufruf. true, wenn der Zug damit an den Nächsten geht; nach einer falschen wählt derselbe
    // noch einmal.
    bool nachDerAntwort(const Antwort& a);
    // Ein Zug beginnt: ein neues Feld zum selben Lückenwort, nichts getippt, die grüne Lampe, und
    // für einen Menschen ist sein Protokoll offen. false, solange es keine Wörter gibt.
    bool beginneZug();
    // Spielregeln: nach jedem Wechsel des Spielers beginnt sein Zug
    void nachSpielerwechsel() override { beginneZug(); }

    Lampen lampen() const { return m_lampen; }
    // das Blinken ist vorbei
    void lampenAus() { m_lampen = Lampen::Aus; }

    // wo die Protokolldateien der Spieler liegen; ohne schreibt keiner
    void setzeProtokollOrdner(const QString& ordner) { m_protokollOrdner = ordner; }
    const Protokollschreiber& protokoll() const { return m_prt; }
    void schliesseProtokoll() { m_prt.schliesse(); }

    // Getippte Buchstaben wählen die Füllung, die genau so heißt
    enum class Tipp { Angenommen, NichtDruckbar };
    Tipp tippe(QChar c);
    void loescheLetztesZeichen();
    void leereTippPuffer() { m_tippPuffer.clear(); }
    const QString& tippPuffer() const { return m_tippPuffer; }
    // die Füllung, die der Puffer wählt; -1 ohne
    int tippAuswahl() const;

    // Die Füllung, die der Computer wählt: stark immer die richtige, schwach die richtige mit
    // 50 zu 101, sonst die Liste von vorn durch
    int computerWahl(int staerke);
    // Ein Schritt im Zug des Computers, im sechsten Takt von 200 ms seines Fensters: die Füllung,
    // die er wählt, und ob er danach noch einmal wählt (nach einer falschen); nach der richtigen
    // ist sein Zug vorbei
    static constexpr int computerTaktMs = 200, takteBisZurWahl = 6;
    struct Computerschritt {
        int wahl = -1;
        bool weiter = false;
    };
    Computerschritt computerSchritt(int staerke);
    int falschIndex() const { return m_falschIndex; }

    // ein neues Spiel: Karten und Zelkos leer, ein neuer Aufruf
    void neuesSpiel() override;

private:
    Spielrunde& m_runde;
    Wuerfel m_zufall;
    QString m_protokollOrdner;
    Protokollschreiber m_prt;
    Lampen m_lampen = Lampen::Aus;
    std::unique_ptr<Lueckenwoerter> m_woerter;
    QString m_tippPuffer;
    int m_falschIndex = 0;
};

} // namespace varku::zelko
