#pragma once

#include "gamekit/Spielablauf.h"
#include "gamekit/Spielregeln.h"
#include "games/hiddenletters/Kartenspiel.h"
#include "games/hiddenletters/KartominEinstellungen.h"

#include <memory>

namespace varku::kartomin {

// Was der Zug seinem Fenster zu zeigen gibt, wenn seine Zeitgeber weiterschalten
class Kartensicht {
public:
    virtual ~Kartensicht() = default;
    // einen Takt nach dem Aufdecken: die Karte ist gewertet, Klang und Punkte sind schon da
    virtual void zeigeWertung(const Wertung& w) = 0;
    // die zwei Sekunden sind um: die Karte, ein Fehlgriff wieder verdeckt
    virtual void zeigeWartezeitVorbei() = 0;
    // ein neues Wort liegt auf dem Feld; die Lupe um vonPos bis bisPos, wenn lupe
    virtual void zeigeWort(const QString& kontext, int vonPos, int bisPos, bool lupe) = 0;
    // die Wertung ist abgeschlossen: der Einsatz, und mit achtung das Angebot des Risikos
    virtual void zeigeRisiko(bool achtung) = 0;
    // ein Treffer des Computers ist gewertet: er greift wieder
    virtual void computerGreiftWieder() = 0;
};

// Der Zug im Kartenspiel auf den gehaltenen Zeitgebern des Ablaufs: eine aufgedeckte Karte wird
// einen Takt später gewertet, damit sie vorher offen gemalt ist, und bleibt dann zwei Sekunden
// liegen. Danach ein Fehlgriff verdeckt und der nächste Spieler, ein fertiges Wort das nächste
// für denselben, die Warnung mit dem Risiko. Solange nimmt das Spiel keine Karte an; im Zug des
// Computers und nach dem Ende nimmt es keine eines Menschen.
class Kartenzug : public Spielregeln {
public:
    static constexpr int warteMs = 2000;
    // Das Tempo des Computers in Takten seines Fensters: gegriffen wird im elften Takt nach dem
    // Beginn seines Zugs und im sechsten nach einem Treffer; während eine Karte gewertet wird,
    // greift er nicht
    static constexpr int computerTaktMs = 200, takteBisZumErstenGriff = 11,
                         takteBisZumNaechstenGriff = 6;

    // ein Schritt im Zug des Computers: die Karte, die er aufdeckt (-1 keine), und ob sein Zug
    // weitergeht; geht er nicht weiter, geht sein Fenster
    struct Computerschritt {
        int feld = -1;
        bool weiter = true;
    };

    Kartenzug(Spielablauf& ablauf, Kartenspiel& spiel, const Einstellungen& einst,
              Kartensicht& sicht, std::unique_ptr<Timer> anzeige, std::unique_ptr<Timer> warte);

    // das nächste Wort aufs Feld; false, wenn der Schwerpunkt keins mehr hat: dann ist das Spiel
    // zu Ende
    bool naechstesWort();
    // Spielregeln: beim Laden und nach einem neuen Spiel das nächste Wort; die Liste der
    // gespielten Wörter, die Spielzeit und das Risiko gehen weiter
    void ladeSpiel() override { naechstesWort(); }
    void neuesSpiel() override { naechstesWort(); }
    // ein Mensch deckt eine Karte auf; true, wenn sie jetzt offen liegt und gewertet wird
    bool deckeAuf(int feld);
    // die Markierung einen Schritt; false, wenn sie stehen bleibt
    bool bewegeMarke(Richtung r);
    // "&Risiko" eines Menschen: der gezogene Einsatz; 0, wenn es keinen gibt
    int nimmRisiko();
    // ein Griff des Computers mit seiner Stärke; feld -1, wenn er gerade nicht greifen kann oder
    // keine Karte mehr bleibt, dann ist sein Zug vorbei
    Computerzug computerGreift();
    // der nächste Schritt des Computers: ist er nicht mehr am Zug oder das Spiel zu Ende, ist sein
    // Zug vorbei; sonst greift er
    Computerschritt computerSchritt();

    // die aufgedeckte Karte ist gemalt, bevor sie gewertet wird
    const Timer& FldAnzTimer() const { return *m_anzeige; }
    // die zwei Sekunden, die eine gewertete Karte liegen bleibt
    const Timer& WarteTimer() const { return *m_warte; }

private:
    bool menschDarf() const;
    // die Karte liegt offen: gewertet wird mit dem nächsten Takt
    void wirdGewertet();
    void FldAnzTimer_Timer();
    void WarteTimer_Timer();

    Spielablauf& m_ablauf;
    Kartenspiel& m_spiel;
    const Einstellungen& m_einst;
    Kartensicht& m_sicht;
    std::unique_ptr<Timer> m_anzeige;
    std::unique_ptr<Timer> m_warte;
};

} // namespace varku::kartomin
