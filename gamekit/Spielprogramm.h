#pragma once

#include "gamekit/Spielfenster.h"

#include <functional>
#include <memory>

namespace varku {

using Spielfensterfabrik =
    std::function<std::unique_ptr<Spielfenster>(const Spielkonfiguration&, const Spielstartdaten&)>;

// Der Ablauf eines Spiels von der Zeichenkette bis zum Ende: prüfen, Klänge und Schwerpunkt
// lesen, den Hintergrund zeigen, dann das Hauptfenster modal, bis es das Programm beendet.
// Eine abgewiesene Zeichenkette zeigt ihre Meldung "Laufzeitfehler" und gibt 1.
int spielAblauf(const QString& kommandozeile, const Spielkonfiguration& k,
                const Spielfensterfabrik& fabrik);

// main eines Spiels: die Anwendung, die echten Dienste, dann spielAblauf mit dem einen Argument
int spielMain(int argc, char** argv, const Spielkonfiguration& k, const Spielfensterfabrik& fabrik);

} // namespace varku
