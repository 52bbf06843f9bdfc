#pragma once

#include "games/crossword/Kreuzwortbrett.h"

#include <QWidget>
#include <memory>

class QLabel;
class QPushButton;

namespace varku {
class Lampe;
class Blinklampe;
} // namespace varku

namespace varku::wendomar {

class Wendomarspiel;

// Das Brett des Kreuzworträtsels mit seinen Knöpfen darunter (Wortende, zurück, erster oder
// nächster Stein, Hilfe) und der Zeile des Bonus mit ihrer Lampe. Es zeigt, was das Spiel sagt,
// und gibt jeden Knopf als Aufruf an das Spiel.
class Wendomarbrett : public QWidget {
    Q_OBJECT
public:
    Wendomarbrett(Wendomarspiel& spiel, QWidget* eltern);
    ~Wendomarbrett() override;

    Kreuzwortbrett& feld() const { return *SpFld; }
    // die Steine sind nicht zu ziehen, etwa während der Computer legt
    void setzeGesperrt(bool gesperrt) { SpFld->setzeGesperrt(gesperrt); }
    // Steine, Knöpfe und Bonus, wie das Spiel sie gerade hat
    void zeige();

signals:
    // "Hilfe": die Lösungshilfe zeigt das Fenster
    void hilfeGewuenscht();

private:
    void zeigeKnoepfe();

    Wendomarspiel& m_spiel;
    Kreuzwortbrett* SpFld;
    QPushButton* WortEndeBtn;
    QPushButton* zurueckBtn;
    QPushButton* naechstenSteinSetzenBtn;
    QPushButton* HilfeZeigenBtn;
    Lampe* BonusMeldeLampe;
    QLabel* BonusMeldeLbl;
    QLabel* BonusPunkteLbl;
    std::unique_ptr<Blinklampe> BonusBlinker;
    int m_bonusAuslage = -1; // die Auslage, deren Bonus die Lampe zuletzt zeigte
};

} // namespace varku::wendomar
