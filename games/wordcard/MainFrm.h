#pragma once

#include "gamekit/Spielfenster.h"
#include "games/wordcard/ZelkoEinstellungen.h"
#include "games/wordcard/Zelkobrett.h"
#include "games/wordcard/Zelkospiel.h"

namespace varku {
class Computerfenster;
} // namespace varku

namespace varku::zelko {

class EinstellFrm;

// Das Fenster des Kartenspiels im Rahmen des Spielbaukastens: es gibt Wahl und Tasten an die
// Regeln und zeigt auf dem Brett, was sie halten; dazu der Lösungstipp und der Computer.
class MainFrm : public Spielfenster {
    Q_OBJECT
public:
    MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s);
    ~MainFrm() override;

    static Spielkonfiguration konfiguration();

    Zelkobrett* brett() const { return m_brett; }
    // die Regeln: Karten, Aufruf, Lampen, Protokoll
    Zelkospiel& regeln() { return spiel; }
    const Zelkospiel& regeln() const { return spiel; }

public slots:
    void einsetzenBtn_Click();
    void LoesTippBtn_Click();

protected:
    void ladeSpiel() override;
    void nachSpielerwechsel() override;
    void computerZug() override;
    void neuesSpiel() override;
    bool zeigeEinstellungen() override;
    void vorDemEnde() override { spiel.schliesseProtokoll(); }
    void zeigeSitze() override;
    bool taste(QKeyEvent* e) override;

private:
    EinstellFrm& einstellungen();
    Computerfenster& compZug();
    // eine Wahl aus der Liste für den, der am Zug ist
    void checkBstWahl(int listInd);
    // in sechs Takten wählt der Computer
    void naechsteComputerwahl();

    Einstellungen einst;
    Zelkospiel spiel;
    Zelkobrett* m_brett;
};

} // namespace varku::zelko
