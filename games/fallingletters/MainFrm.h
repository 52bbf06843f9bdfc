#pragma once

#include "gamekit/Spielfenster.h"
#include "games/fallingletters/DolmixEinstellungen.h"
#include "games/fallingletters/Fallbrett.h"
#include "games/fallingletters/Fallspiel.h"

#include <memory>

namespace varku::dolmix {

class EinstellFrm;

// Das Fenster des Fallspiels im Rahmen des Spielbaukastens: das Brett, der Takt des Falls, die
// Warnlampe und die Wortwahl. Es zeigt, was das Fallspiel nach jedem Schritt und jeder Taste
// sagt.
class MainFrm : public Spielfenster {
    Q_OBJECT
public:
    MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s);
    ~MainFrm() override;

    static Spielkonfiguration konfiguration();

    Einstellungen einst;
    Fallspiel spiel;
    Fallbrett* brett;
    std::unique_ptr<Timer> SteinTimer;

    EinstellFrm& einstellungen();

public slots:
    void StartBtn_Click();
    void PauseBtn_Click();

protected:
    void ladeSpiel() override;
    void nachSpielerwechsel() override { zeigeZiffern(); }
    void ratezeitAbgelaufen(Spielablauf& a) override;
    void neuesSpiel() override;
    bool menueGesperrt(Menue m) const override;
    long punkteDesPlatzes(const Spielrunde& runde, int platz) const override;
    bool ratezeitGewuenscht(const Spieleinstellungen& e) const override;
    bool zeigeEinstellungen() override;
    bool taste(QKeyEvent* e) override;

private:
    void SteinTimer_Timer();
    // Klänge, Zellen, Warnung und Ziffern nach einem Schritt oder einer Taste
    void zeige(const Ereignis& e);
    // das nächste Wort, angezeigt, mit seinem ersten Stein; false, wenn es keines gibt
    bool naechstesWort();
    void zeigeUebWort();
    void zeigeZiffern();
    void zeigeLauf();
    void setzeFallTimer();
    void setzeZugdauer();
    void fehlerSpielerwechsel();
    void meldeSpielerwechsel();
    void rundenEnde();
};

} // namespace varku::dolmix
