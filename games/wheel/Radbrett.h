#pragma once

#include "games/wheel/Radspiel.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <future>

class QGroupBox;
class QLabel;
class QPushButton;

namespace varku {
class Lampe;
}

namespace varku::zirkomat {

// Das Brett des Radspiels: das Rad mit seiner Marke, die Kästen der Lösung, Umschreibung und
// Satz, die Tasten der Buchstaben und der Züge. Es zeigt, was das Radspiel sagt, und meldet,
// welcher Buchstabe gedrückt wurde; die übrigen Knöpfe verbindet das Fenster.
class Radbrett : public QWidget {
    Q_OBJECT
public:
    Radbrett(const Radspiel& spiel, QWidget* eltern);

    // das Rad
    std::array<QLabel*, 10> RadImg;
    QLabel* RadStopMarke;
    QPushButton* drehenBtn;
    QPushButton* anhaltenBtn;

    // das Rätsel
    QGroupBox* LoesungFrm;
    std::array<QLabel*, maxBuchstaben> BstLbl;
    QLabel* KontextLbl;
    QGroupBox* ParaphrFrm;
    QLabel* ParaphrLbl;
    QGroupBox* SatzFrm;
    QLabel* SatzBspLbl;
    Lampe* WortRatenLampe;
    Lampe* KaufenLampe;
    std::array<QPushButton*, anzahlTasten> bstBtn;
    QPushButton* WortRatenBtn;
    QPushButton* BstKaufBtn;
    QPushButton* showSatzBtn;

    // Gibt es alle zehn Bilder des Rades, und lassen sie sich lesen? Sonst ein Laufzeitfehler,
    // der die Datei nennt
    static void pruefeRadBilder();
    // Die Bilder des Rades, einmal geladen: ein Schritt schaltet nur um. Das gezeigte gleich,
    // die anderen in einem eigenen Faden; das Brett wartet nicht auf sie
    void ladeRadBilder();
    // das Bild der Stellung, auf der das Rad steht, und nur dieses
    void zeigeRad();
    void zeigeKnoepfe(const Radspiel::Knoepfe& k);
    // ein neues Wort: Kästen, Umschreibung, Wortart
    void zeigeRaetsel(const QString& paraphrase, const QString& kontext);
    // die Kästen an ihre Plätze, in ihren Farben
    void ordneKaestenAn();
    void zeichneKasten(int i);
    // der gekaufte Satz, von 12 Punkten an so klein, dass er in die Zeile passt
    void zeigeSatz(const QString& satz);
    void versteckeSatz();

signals:
    void buchstabe(int taste);

private:
    const Radspiel& m_spiel;
    std::array<std::shared_future<QImage>, 10> m_radBilder; // noch nicht gesetzte Radbilder
};

} // namespace varku::zirkomat
