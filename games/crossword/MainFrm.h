#pragma once

#include "gamekit/Computerfenster.h"
#include "gamekit/Spielfenster.h"
#include "games/crossword/WendomarEinstellungen.h"
#include "games/crossword/Wendomarbrett.h"
#include "games/crossword/Wendomarspiel.h"

class QLabel;

namespace varku::wendomar {

class EinstellFrm;
class UmschrFrm;

// Das Fenster des Kreuzworträtsels im Rahmen des Spielbaukastens: das Brett mit seinen Knöpfen
// und dem Bonus, die Lösungshilfe mit dem Beispielsatz an Stelle des Schwerpunkttitels. Es zeigt,
// was das Spiel sagt.
class MainFrm : public Spielfenster {
    Q_OBJECT
public:
    MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s);
    ~MainFrm() override;

    static Spielkonfiguration konfiguration();

    const Wendomarspiel& spiel() const { return m_spiel; }
    Kreuzwortbrett& brett() const { return m_brett->feld(); }
    const Einstellungen& einstellungsWerte() const { return einst; }

    UmschrFrm& loesungshilfe();
    EinstellFrm& einstellungen();
    Computerfenster& compZug();

protected:
    void computerZug() override;
    bool zeigeEinstellungen() override;

private:
    void HilfeZeigenBtn_Click();
    void zeigeBeispielsatz();
    // der Computer legt die nächste Stelle seines Wortes im nächsten Takt, dann die folgende
    void legeComputerStein();
    void verbergeBeispielsatz();

    Einstellungen einst;
    Wendomarspiel m_spiel;
    Wendomarbrett* m_brett;
    // der Beispielsatz der Lösungshilfe, im Rahmen des Übungsschwerpunkts an Stelle des Titels
    QLabel* SatzBspLbl;
};

} // namespace varku::wendomar
