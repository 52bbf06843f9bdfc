#pragma once

#include "gamekit/Spielfenster.h"
#include "games/fallingletters/DolmixEinstellungen.h"
#include "games/fallingletters/Fallbrett.h"
#include "games/fallingletters/Fallspiel.h"
#include "games/fallingletters/Fallzug.h"

namespace varku::dolmix {

class EinstellFrm;

// Das Fenster des Fallspiels im Rahmen des Spielbaukastens: das Brett mit der Warnlampe. Den Lauf
// (Takt, Wort, Wechsel, Ende der Runde) hat der Fallzug; das Fenster gibt ihm Knöpfe und Tasten
// und zeigt, was er nach jedem Schritt sagt.
class MainFrm : public Spielfenster, private Fallsicht {
    Q_OBJECT
public:
    MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s);
    ~MainFrm() override;

    static Spielkonfiguration konfiguration();

    // für die Tests: die Regeln, ihr Takt, das Brett und die Einstellungen
    Fallspiel& spiel() { return m_zug.spiel(); }
    const Timer& SteinTimer() const { return m_zug.SteinTimer(); }
    Fallbrett* brett() const { return m_brett; }
    const Einstellungen& einst() const { return m_einst; }

protected:
    void nachSpielerwechsel() override { zeigeZiffern(); }
    void ratezeitAbgelaufen(Spielablauf& /*a*/) override { m_zug.ratezeitAbgelaufen(); }
    bool menueGesperrt(Menue m) const override { return m_zug.menueGesperrt(m); }
    bool ratezeitGewuenscht(const Spieleinstellungen& /*e*/) const override {
        return m_zug.ratezeitGewuenscht();
    }
    bool zeigeEinstellungen() override;
    bool taste(QKeyEvent* e) override;

private slots:
    void StartBtn_Click() { m_zug.starte(); }
    void PauseBtn_Click() { m_zug.pausiere(); }

private:
    EinstellFrm& einstellungen();
    // Fallsicht
    void zeige(const Ereignis& e) override;
    void zeigeWort() override;
    void zeigeLauf(bool laeuft) override;
    void zeigeLeeresFeld() override;
    void zeigeZiffern();

    Einstellungen m_einst;
    Fallzug m_zug;
    Fallbrett* m_brett;
};

} // namespace varku::dolmix
