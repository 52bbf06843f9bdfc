#pragma once

#include "platform/Uhr.h"

#include <QDialog>
#include <functional>
#include <memory>

class QLabel;

namespace varku {

// Das kleine Fenster, während der Computer seinen Zug macht: sein Bild, "Bitte warten!" und was
// er tut. Sein Zeitgeber kommt vom Ablauf des Spiels und gibt dem Computer sein Tempo
// (warteTakte). Die Spieler schließen es nicht: der Computer beendet seinen Zug selbst.
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

    // Das Tempo des Computers: der Zeitgeber läuft n Takte, im letzten steht er, und dann
    // geschieht (das darf gleich weiter warten). Gilt zugLaeuft in einem Takt nicht mehr, ist der
    // Zug vorbei, und das Fenster geht. Ein neues Warten ersetzt das alte, beende bricht es ab.
    void warteTakte(int n, std::function<void()> dann, std::function<bool()> zugLaeuft = {});
    // die Takte, bis es geschieht; 0, wenn nichts wartet
    int restTakte() const { return m_restTakte; }

    // der Zug ist vorbei: der Zeitgeber steht, das Fenster geht
    void beende();
    void reject() override {}

private:
    void CompZugTimer_Timer();

    int m_restTakte = 0;
    std::function<void()> m_dann;
    std::function<bool()> m_zugLaeuft;
};

} // namespace varku
