#pragma once

#include "platform/Uhr.h"

#include <QDialog>
#include <memory>

class QLabel;

namespace varku {

// Das kleine Fenster, während der Computer seinen Zug macht: "Bitte warten!" und was er tut.
// Sein Zeitgeber kommt vom Ablauf des Spiels; was ein Takt tut, sagt das Spiel. Die Spieler
// schließen es nicht: der Computer beendet seinen Zug selbst.
class Computerfenster : public QDialog {
    Q_OBJECT
public:
    Computerfenster(QWidget* eltern, const QString& titel, const QString& text,
                    std::unique_ptr<Timer> zeitgeber);
    ~Computerfenster() override;

    QLabel* WarteLbl;
    QLabel* TextLbl;
    std::unique_ptr<Timer> CompZugTimer;

    // der Zug ist vorbei: der Zeitgeber steht, das Fenster geht
    void beende();
    void reject() override {}
};

} // namespace varku
