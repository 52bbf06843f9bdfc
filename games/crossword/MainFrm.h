#pragma once

#include "gamekit/Spielfenster.h"
#include "games/crossword/Kreuzwortbrett.h"
#include "games/crossword/Kreuzwortgitter.h"
#include "games/crossword/WendomarEinstellungen.h"

namespace varku::wendomar {

// Das Fenster des Kreuzworträtsels im Rahmen des Spielbaukastens: das Brett mit dem ersten
// Wort eines Bretts, gewählt aus den Wörtern der Kategorie, zum Ansehen.
class MainFrm : public Spielfenster {
    Q_OBJECT
public:
    MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s);

    static Spielkonfiguration konfiguration();

    Einstellungen einst;
    Kreuzwortgitter gitter;
    Kreuzwortbrett* brett;

protected:
    void ladeSpiel() override;
    void neuesSpiel() override;
    // auf einem Brett zum Ansehen gibt es noch keine Züge, die die Zeit begrenzen könnte
    bool ratezeitGewuenscht(const Spieleinstellungen& /*e*/) const override { return false; }

private:
    void neuesBrett();
};

} // namespace varku::wendomar
