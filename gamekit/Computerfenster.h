#pragma once

#include "platform/Uhr.h"

#include <QDialog>
#include <memory>

class QLabel;

namespace varku {

// Das kleine Fenster, während der Computer seinen Zug macht: sein Bild, "Bitte warten!" und was
// er tut. Sein Zeitgeber kommt vom Ablauf des Spiels; was ein Takt tut, sagt das Spiel. Die
// Spieler schließen es nicht: der Computer beendet seinen Zug selbst.
class Computerfenster : public QDialog {
    Q_OBJECT
public:
    // ohne Bild nur die beiden Texte (Zirkomat)
    Computerfenster(QWidget* eltern, const QString& titel, const QString& text,
                    std::unique_ptr<Timer> zeitgeber, bool mitBild = true);
    ~Computerfenster() override;

    static constexpr double bildGroesse = 1440; // Twips

    QLabel* Image1 = nullptr; // links neben den Texten
    QLabel* WarteLbl;
    QLabel* TextLbl;
    std::unique_ptr<Timer> CompZugTimer;

    // der Zug ist vorbei: der Zeitgeber steht, das Fenster geht
    void beende();
    void reject() override {}
};

} // namespace varku
