#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace varku {

// Die Schwerpunktliste Varku.tsp: Datensätze aus Titel und Spalte. Ein Titel mit ">>>" ist die
// Überschrift einer Seite des Schwerpunktdialogs, jeder andere Datensatz eine Kategorie; ihre
// Spalte ist die Boolesche Spalte der Kategorie in WortListe.

constexpr int schwerpunktSeiten = 12;
constexpr int maxKategorien = 52;

// die Spalte jeder Kategorie in der Reihenfolge der Datei; dahinter leer
extern std::array<QString, maxKategorien> RuvoCodes;

struct SchwerpunktDatei {
    std::array<QStringList, schwerpunktSeiten> titel; // Titel der Kategorien je Seite
    QStringList codes;                                // Spalten aller Kategorien, in Dateifolge
};

// Liest die Datei (UTF-8, sonst Windows-1252; CR LF oder LF). Leere Zeilen zählen nicht.
// Eine fehlende Datei, eine Kategorie vor der ersten Überschrift, eine 53. Kategorie und eine
// 13. Überschrift sind Laufzeitfehler, die Datei und Datensatz nennen.
SchwerpunktDatei leseSchwerpunktDatei(const QString& pfad);

// schreibt die Spalten nach RuvoCodes, die übrigen Plätze werden leer
void setzeRuvoCodes(const QStringList& codes);

// der Titel bis vor sein erstes "[", ganz, wenn er keines hat
QString titelOhneZusatz(const QString& titel);

// Dateiname des Bildes einer Kategorie, etwa "LIP_" -> "BST_LIP.gif"
QString bausteinDateiName(const QString& code);

} // namespace varku
