#pragma once

#include "gamekit/Computerfenster.h"
#include "gamekit/Spielfenster.h"
#include "games/crossword/Kreuzwortbrett.h"
#include "games/crossword/Kreuzwortgitter.h"
#include "games/crossword/Steinlage.h"
#include "games/crossword/WendomarEinstellungen.h"
#include "games/crossword/Wertung.h"

#include <memory>

class QLabel;
class QPushButton;

namespace varku {
class Lampe;
class Blinklampe;
} // namespace varku

namespace varku::wendomar {

class EinstellFrm;
class UmschrFrm;

// Das Fenster des Kreuzworträtsels im Rahmen des Spielbaukastens: das Brett mit der Ablage,
// Wortende und Zurück, die Bonusanzeige. Es zeigt, was Gitter, Steinlage und Wertung sagen.
class MainFrm : public Spielfenster {
    Q_OBJECT
public:
    MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s);
    ~MainFrm() override;

    static Spielkonfiguration konfiguration();

    Einstellungen einst;
    Kreuzwortgitter gitter;
    Steinlage steine;
    Wortwertung wertung;
    Kreuzwortbrett* brett;
    QPushButton* WortEndeBtn;
    QPushButton* zurueckBtn;
    QPushButton* naechstenSteinSetzenBtn;
    QPushButton* HilfeZeigenBtn;
    // der Beispielsatz der Lösungshilfe, im Rahmen des Übungsschwerpunkts an Stelle des Titels
    QLabel* SatzBspLbl;
    QLabel* BonusMeldeLbl;
    QLabel* BonusPunkteLbl; // zeigt den Bonus der Wertung
    Lampe* BonusMeldeLampe;
    std::unique_ptr<Blinklampe> BonusBlinker;

    UmschrFrm& loesungshilfe();
    EinstellFrm& einstellungen();
    Computerfenster& compZug();

public slots:
    void WortEndeBtn_Click();
    void zurueckBtn_Click();
    void naechstenSteinSetzenBtn_Click();
    void HilfeZeigenBtn_Click();

protected:
    void ladeSpiel() override;
    void neuesSpiel() override;
    void computerZug() override;
    bool zeigeEinstellungen() override;

private:
    // ein neues Brett mit seinem ersten Wort in der Ablage; false, wenn es keines gibt
    bool neuesSpielfeld();
    void zeigeKnoepfe();
    // zieht dem Spieler am Zug Punkte ab, nicht unter 0
    void belaste(int kosten);
    void setzePunkte(int64_t punkte);
    // der Bonus des Wortes, wenn es einen hat
    void zeigeBonus();
    void resetBonus();
    void zeigeBeispielsatz();
    void CompZugTimer_Timer();
    void verbergeBeispielsatz();

    int m_computerSchritt = 0; // die Stelle des Wortes, die der Computer als Nächstes legt
};

} // namespace varku::wendomar
