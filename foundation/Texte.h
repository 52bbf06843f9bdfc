#pragma once

#include <QString>

namespace varku {

// Kleine Regeln für Texte, die alle Programme brauchen.

// Der Großbuchstabe eines Zeichens, Zeichen für Zeichen: "ß" bleibt "ß" (QString::toUpper
// machte daraus "SS" und änderte die Länge des Wortes), "ä" wird "Ä".
QChar grossbuchstabe(QChar c);
QString grossJeZeichen(const QString& text);

// Die Anrede: wer allein vor dem Rechner sitzt, ist "du", mehrere Kinder sind "ihr". Der Text
// für jede Anrede, denn mit ihr ändert sich der Satz ("Du hast", "Ihr habt").
QString duOderIhr(int menschen, const QString& du, const QString& ihr);

// Der Vorname: der Text vor dem ersten Leerzeichen, der ganze Text ohne Leerzeichen
QString holeVorname(const QString& name);

// Was ein Kind ins Schreibfeld bringt, als eine Zeile: Zeilenumbrüche und andere Steuerzeichen
// fallen weg, und der Text steht in Normalform C (ein "a" mit Trema wird "ä").
QString bereinigeEingabe(const QString& text);

// Ein Wort, das ein Spiel legen kann: nicht leer, und jedes Zeichen ist ein ganzer Buchstabe
// (kein halbes Zeichen außerhalb der Grundebene wie ein Emoji, kein allein stehendes Trema, kein
// Steuerzeichen), damit jeder Buchstabe ein Stein, eine Karte, ein Feld wird. Das Wort steht
// schon in Normalform C.
bool istSpielwort(const QString& wort);

} // namespace varku
