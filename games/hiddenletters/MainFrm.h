#pragma once

#include "gamekit/Spielfenster.h"
#include "games/hiddenletters/Kartenbrett.h"
#include "games/hiddenletters/Kartenspiel.h"
#include "games/hiddenletters/KartominEinstellungen.h"

#include <memory>

namespace varku {
class Blinklampe;
}

namespace varku::kartomin {

class EinstellFrm;

// Das Fenster des Kartenspiels im Rahmen des Spielbaukastens: das Brett, die Wertung einen Takt
// nach dem Aufdecken und die zwei Sekunden danach, das Risiko mit seinen Lampen, die Tastatur
// mit der Markierung und der Zug des Computers. Es zeigt, was das Kartenspiel sagt.
class MainFrm : public Spielfenster {
    Q_OBJECT
public:
    MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s);
    ~MainFrm() override;

    static Spielkonfiguration konfiguration();

    Einstellungen einst;
    Kartenspiel spiel;
    Kartenbrett* brett;
    // die aufgedeckte Karte ist gemalt, bevor sie gewertet wird
    std::unique_ptr<Timer> FldAnzTimer;
    // die zwei Sekunden, die eine gewertete Karte liegen bleibt; ohne das Fenster anzuhalten
    std::unique_ptr<Timer> WarteTimer;
    // die grüne Lampe des Risikos
    std::unique_ptr<Blinklampe> RisikoBlinker;

    static constexpr int warteMs = 2000;

    EinstellFrm& einstellungen();
    Computerfenster& compZug();

public slots:
    void FldPic_MouseDown(int index, Qt::MouseButton knopf);
    void RisikoBtn_Click();

protected:
    void ladeSpiel() override;
    void nachSpielerwechsel() override;
    void computerZug() override;
    void neuesSpiel() override;
    bool menueGesperrt(Menue m) const override;
    bool zeigeEinstellungen() override;
    bool taste(QKeyEvent* e) override;

private:
    void deckeFeldAuf(int feld);
    void FldAnzTimer_Timer();
    void WarteTimer_Timer();
    void computerZieht();
    // das nächste Wort auf dem Feld und in den Rahmen
    void naechstesWort();
    void schalteRisiko(bool ein);
    void setzeRisikoLampe(int zustand);
    void zeigeJoker(int feld);
};

} // namespace varku::kartomin
