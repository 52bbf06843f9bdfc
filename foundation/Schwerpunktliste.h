#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace varku {

// Die Schwerpunktliste Varku.tsp: Datensätze aus Titel und Spalte. Eine Überschrift beginnt eine
// Seite des Schwerpunktdialogs, jeder andere Datensatz ist eine Kategorie; ihre Spalte ist die
// Boolesche Spalte der Kategorie in WortListe.

constexpr int schwerpunktSeiten = 12;
constexpr int maxKategorien = 52;

// Woran eine Überschrift zu erkennen ist: das Rahmenprogramm nimmt ">>>" irgendwo im Titel,
// die Spiele nur am Anfang.
enum class Ueberschrift { Irgendwo, AmAnfang };
bool istUeberschrift(const QString& titel, Ueberschrift regel);

struct SchwerpunktDatei {
    std::array<QStringList, schwerpunktSeiten> titel; // Titel der Kategorien je Seite
    QStringList codes;                                // Spalten aller Kategorien, in Dateifolge
};

// Liest die Datei für den Schwerpunktdialog (UTF-8, sonst Windows-1252; CR LF oder LF). Leere
// Zeilen zählen nicht. Laufzeitfehler, die Datei und Zeile nennen: eine fehlende Datei, eine
// Datei ohne Kategorie, eine Kategorie vor der ersten Überschrift, ohne Spalte oder mit einer
// Spalte, die istSpalte nicht kennt, eine 53. Kategorie und eine 13. Überschrift.
SchwerpunktDatei
leseSchwerpunktDatei(const QString& pfad,
                     const std::function<bool(const QString& spalte)>& istSpalte = {});

// Der Schwerpunkt eines Spiels: seine Nummer unter den Kategorien und sein Titel
struct Uebungsschwerpunkt {
    int UebNr = 0;    // ohne Treffer die Zahl aller Kategorien
    QString UebTitel; // "" ohne Treffer
    bool gefunden = false;
};
// sucht die Spalte in der Datei; Überschriften nur mit ">>>" am Anfang
Uebungsschwerpunkt leseUebungsschwerpunkt(const QString& pfad, const QString& ruvoFeldName);

// der Titel bis vor sein erstes "[", ganz, wenn er keines hat
QString titelOhneZusatz(const QString& titel);

// Dateiname des Bildes einer Kategorie, etwa "LIP_" -> "BST_LIP.gif"; die Spiele enden auf
// ".GIF" (die Bilder werden ohne Rücksicht auf Groß- und Kleinschreibung gefunden)
QString bausteinDateiName(const QString& code, const QString& endung = QStringLiteral(".gif"));

} // namespace varku
