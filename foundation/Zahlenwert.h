#pragma once

#include <QString>
#include <cstdint>

namespace varku {

// Der Zahlenwert eines Textes: seine führende Zahl ("12abc" gibt 12, "abc" gibt 0),
// Punkt als Dezimalzeichen in jeder Spracheinstellung, Leerzeichen davor zählen nicht. Das
// Ergebnis ist immer endlich: eine Zahl über dem Bereich von double ist ein Laufzeitfehler
// "Überlauf", der den Text nennt; eine zu kleine ist 0.
double zahlenwert(const QString& text);

// Dasselbe für Einstellungen, die jeden Wert auf ihren Bereich bringen: eine Zahl über dem
// Bereich von double ist die größte, mit ihrem Vorzeichen, und wird wie jede zu große behandelt.
double zahlenwertBegrenzt(const QString& text);

// Runden auf die nächste ganze Zahl, eine Hälfte zur geraden Nachbarzahl.
double rundeGerade(double x);

// Umwandlung in eine 16- bzw. 32-Bit-Zahl mit kaufmännisch-gerader Rundung; was nicht
// hineinpasst, ist ein Laufzeitfehler "Überlauf", der den Wert nennt.
int16_t alsInteger(double x, const QString& betrifft = {});
int32_t alsLong(double x, const QString& betrifft = {});

// Text ohne Leerzeichen am Anfang und am Ende
QString trimme(const QString& text);

} // namespace varku
