#pragma once

#include "foundation/Protokolldatei.h"
#include "gamekit/Spielfenster.h"
#include "games/wordcard/ZelkoEinstellungen.h"
#include "games/wordcard/Zelkobrett.h"
#include "games/wordcard/Zelkospiel.h"

#include <memory>

class QDialog;

namespace varku {
class Blinklampe;
class Computerfenster;
} // namespace varku

namespace varku::zelko {

class EinstellFrm;

// Das Fenster des Kartenspiels im Rahmen des Spielbaukastens: die Karten, der Aufruf mit seinen
// Füllungen, die Lampen, der Lösungstipp, der Computer und das Protokoll jeder Antwort.
class MainFrm : public Spielfenster {
    Q_OBJECT
public:
    MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s);
    ~MainFrm() override;

    static Spielkonfiguration konfiguration();

    Einstellungen einst;
    Zelkospiel spiel;
    Zelkobrett* brett;
    // die Lampen "Fehler" und "Zelko" blinken, die eine oder die andere
    std::unique_ptr<Blinklampe> FehlerBlinker;
    std::unique_ptr<Blinklampe> ZelkoBlinker;
    Protokollschreiber prt;
    int lampenZustand = 0;

    EinstellFrm& einstellungen();
    Computerfenster& compZug();
    QDialog& loesTipp();
    QString LoesTipp;

    // eine Wahl aus der Liste für den, der am Zug ist
    void checkBstWahl(int listInd);
    // eine Wahl des Computers; true, wenn sie richtig war
    bool simuliereComputerZug();
    void setzeLampen(int n);

public slots:
    void einsetzenBtn_Click();
    void LoesTippBtn_Click();

protected:
    void ladeSpiel() override;
    void nachSpielerwechsel() override;
    void computerZug() override;
    void neuesSpiel() override;
    bool zeigeEinstellungen() override;
    void vorDemEnde() override { prt.schliesse(); }
    void zeigeSitze() override;
    bool taste(QKeyEvent* e) override;

private:
    // in sechs Takten wählt der Computer
    void naechsteComputerwahl();
    void zeigeLueckensatz();
    void zeigeKarten();
    void zeigeZelkos();
    void initPrtDatei();
    void waehleGetippte();
};

} // namespace varku::zelko
