#pragma once

#include "gamekit/Spielfenster.h"
#include "games/wheel/Radbrett.h"
#include "games/wheel/Radspiel.h"
#include "games/wheel/Radzug.h"
#include "games/wheel/ZirkomatEinstellungen.h"

namespace varku::zirkomat {

class EinstellFrm;

// Das Fenster des Radspiels: das Rad, die Buchstabenkästen, die Umschreibung und der Satz, die
// Tasten der Buchstaben und der Züge, im Rahmen des Spielbaukastens. Den Zug hat der Radzug; das
// Fenster gibt ihm Knöpfe und Tasten und zeigt, was er sagt. Welche Knöpfe gehen, folgt aus der
// Phase des Radspiels.
class MainFrm : public Spielfenster, private Radsicht {
    Q_OBJECT
public:
    MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s);
    ~MainFrm() override;

    static Spielkonfiguration konfiguration();

    // für die Tests: der Zug mit Regeln, Einstellungen und Zeitgebern, das Brett, die Fenster
    Radzug& zug() { return m_zug; }
    Radspiel& spiel() { return m_zug.spiel(); }
    Radbrett* brett() const { return m_brett; }
    EinstellFrm& einstellungen();
    Computerfenster& compZug();

protected:
    void ladeSpiel() override;
    void nachSpielerwechsel() override { zeigeKnoepfe(); }
    void ratezeitAbgelaufen(Spielablauf& a) override;
    void computerZug() override;
    bool menueGesperrt(Menue m) const override { return m_zug.menueGesperrt(m); }
    bool zeigeEinstellungen() override;
    bool taste(QKeyEvent* e) override;

private slots:
    void drehenBtn_Click() { m_zug.drehen(); }
    void anhaltenBtn_Click() { m_zug.anhalten(); }
    void bstBtn_Click(int taste) { m_zug.bstWahl(taste); }
    void BstKaufBtn_Click() { m_zug.kaufeBuchstaben(); }
    void showSatzBtn_Click() { m_zug.kaufeSatz(); }
    void WortRatenBtn_Click() { m_zug.wortRaten(); }

private:
    void EinstellAenderungUebernehmen();
    // Radsicht
    void zeigeKnoepfe() override;
    void zeigeRad() override;
    void zeigeRaetsel() override;
    void zeichneKasten(int i) override;
    void zeigeStand() override { zeigePunkte(); }
    void zeigeSatz() override;
    void versteckeSatz() override;
    void fokusAufBuchstaben() override;
    void computerWaehlt() override { zeigeComputerschritt(m_zug.computerWaehlt()); }
    void computerZugEnde() override { zeigeComputerschritt(m_zug.computerZugEnde()); }
    // der Computer: sein Fenster wartet, was ein Schritt sagt, oder geht
    void zeigeComputerschritt(const Radzug::Computerschritt& s);

    Radzug m_zug;
    Radbrett* m_brett;
};

} // namespace varku::zirkomat
