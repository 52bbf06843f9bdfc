#pragma once

#include <QString>

namespace varku {

// Was jedes Programm des Systems kennt: seinen Ordner, den Text der laufenden Meldung und die
// Nummer des Übungsschwerpunkts.
extern QString ProgPfad;
extern QString Meldungstext;
extern int UebNr;

// Pfade im Programmordner, mit "/" verbunden
QString imProgrammordner(const QString& name);

} // namespace varku
