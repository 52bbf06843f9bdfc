#pragma once

#include "foundation/Startparameter.h"
#include "gamekit/Spielkonfiguration.h"

#include <QString>

namespace varku {

// Was ein Spiel beim Start aus seiner Zeichenkette und dem Programmordner erfährt
struct Spielstartdaten {
    Startparameter parameter;
    QString UserPfad;
    int energieSchritt = 0; // Schritt des Spielzeitbalkens; 0 ohne Grenze
    int UebNr = 0;
    QString UebTitel;
};

// Das Ergebnis der Prüfung beim Start: angenommen, oder die Meldung, mit der das Spiel endet
struct Startpruefung {
    bool angenommen = false;
    QString meldung; // Zeilen mit "\r" verbunden; Titel "Laufzeitfehler"
    Spielstartdaten daten;
};

// Prüft die Zeichenkette: ohne "Version" an zweiter Stelle nur aus der Spieleliste des
// Rahmenprogramms; eine andere Version; ungültige Spieler oder Protokollstämme; eine Spalte, die
// die Schwerpunktliste nicht kennt. Liest dann die höchste Spieldauer und den Schwerpunkt aus
// dem Programmordner.
Startpruefung pruefeStart(const QString& kommandozeile, const Spielkonfiguration& k);

// die vier Zeilen für einen Start ohne das Rahmenprogramm
QString nurAusVarkuMeldung();

} // namespace varku
