#pragma once

#include "gamekit/Spielrunde.h"

#include <cstddef>

namespace varku {

// Die Regeln eines Spiels, wie der Ablauf sie ruft: ein Objekt ohne Fenster (die Regeln selbst
// oder der Zug des Spiels). Jeder Aufruf hat sein Verhalten ohne Spiel; was das Fenster dazu
// zeigt, zeigt es danach in seinen Haken.
class Spielregeln {
public:
    virtual ~Spielregeln() = default;
    // beim Laden, nachdem die Wörter offen sind und das Fenster sein Brett hat: das erste Wort
    virtual void ladeSpiel() {}
    // nach "ja" auf die Frage nach einem neuen Spiel; die Plätze haben schon 0 Punkte
    virtual void neuesSpiel() {}
    // nach jedem Spielerwechsel, auch nach der Ratezeit und einem neuen Spiel
    virtual void nachSpielerwechsel() {}
    // der Computer ist an der Reihe
    virtual void computerZug() {}
    // Punkte eines Platzes für das Infofenster, den Neubeginn und die Meisterliste
    virtual long punkteDesPlatzes(const Spielrunde& runde, int platz) const {
        return runde.SpielerPunkte[size_t(platz)];
    }
};

} // namespace varku
