#pragma once

#include "gamekit/Spielfenster.h"
#include "games/hiddenletters/Kartenbrett.h"
#include "games/hiddenletters/Kartenspiel.h"
#include "games/hiddenletters/Kartenzug.h"
#include "games/hiddenletters/KartominEinstellungen.h"

#include <memory>

namespace varku {
class Blinklampe;
}

namespace varku::kartomin {

class EinstellFrm;

// Das Fenster des Kartenspiels im Rahmen des Spielbaukastens: das Brett, das Risiko mit seinen
// Lampen, die Tastatur mit der Markierung und das Fenster des Computers. Klicks und Tasten gehen
// an den Zug; es zeigt, was der Zug und das Kartenspiel sagen.
class MainFrm : public Spielfenster, private Kartensicht {
    Q_OBJECT
public:
    MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s);
    ~MainFrm() override;

    static Spielkonfiguration konfiguration();

    const Einstellungen& einstellungsWerte() const { return einst; }
    const Kartenspiel& kartenspiel() const { return spiel; }
    Kartenbrett& kartenbrett() const { return *brett; }
    const Blinklampe& risikoBlinker() const { return *RisikoBlinker; }

    EinstellFrm& einstellungen();
    Computerfenster& compZug();

protected:
    void ladeSpiel() override;
    void nachSpielerwechsel() override;
    void computerZug() override;
    bool menueGesperrt(Menue m) const override;
    bool zeigeEinstellungen() override;
    bool taste(QKeyEvent* e) override;

private:
    void FldPic_MouseDown(int index, Qt::MouseButton knopf);
    void RisikoBtn_Click();
    void deckeFeldAuf(int feld);
    void computerZieht();
    void schalteRisiko(bool ein);
    void setzeRisikoLampe(int zustand);

    // was der Zug zeigen lässt
    void zeigeWertung(const Wertung& w) override;
    void zeigeWartezeitVorbei() override;
    void zeigeWort(const QString& kontext, int vonPos, int bisPos, bool lupe) override;
    void zeigeRisiko(bool achtung) override;
    void computerGreiftWieder() override;

    Einstellungen einst;
    Kartenspiel spiel;
    Kartenzug zug;
    Kartenbrett* brett;
    // die grüne Lampe des Risikos
    std::unique_ptr<Blinklampe> RisikoBlinker;
};

} // namespace varku::kartomin
