#pragma once

#include "games/wordcard/Lueckenwoerter.h"

#include <QString>
#include <QStringList>

namespace varku::zelko {

// Was ein Aufruf der Kategorietabelle nicht darf, geprüft beim Bau für jeden Aufruf jeder
// Kategorie (zelko_kategorien).

// Die anderen richtigen Schreibungen eines Wortes, die das Wörterbuch kennt (Yacht: Jacht), auch
// vorn oder hinten in einem zusammengesetzten Wort (Fotoapparat: Photoapparat); leer für ein Wort
// mit nur einer Schreibung.
QStringList andereSchreibungen(const QString& wort);

// Was an einem Aufruf falsch ist, ein Satz je Fehler: die richtige Füllung fehlt, er bietet nur
// eine an, oder eine andere Füllung ergibt das Wort in einer anderen richtigen Schreibung (Yoga
// mit J ist Joga: das Kind schriebe richtig und verlöre doch den Einsatz).
QStringList fehlerDesAufrufs(const Luecke& l, const QStringList& auswahl);

} // namespace varku::zelko
