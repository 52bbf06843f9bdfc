#pragma once

#include "data/woerter/Fehler.h"
#include "data/woerter/Kategorienliste.h"
#include "data/woerter/Wortdatei.h"

#include <QList>
#include <QSet>
#include <QString>

namespace varku {

// Alles, was ein Lauf gelesen hat, samt den Fehlern beim Lesen
struct Wortquellen {
    Kategorienliste kategorienliste;
    QString bildlisteName;
    QSet<QString> kachelbilder;
    QList<Wortdatei> wortdateien;
    Fehlerliste lesefehler; // Dateien, die sich nicht lesen ließen
};

// Der geprüfte Bestand; nur ohne Fehler darf er geschrieben werden.
struct Wortbestand {
    QList<Kategorie> kategorien;
    QList<Worteintrag> woerter; // nach RefNr, mit WaveDat
    Fehlerliste fehler;         // alle, nach Datei und Zeile
};

// Mindestanzahlen je Kategorie
inline constexpr int mindestWoerter = 20;
inline constexpr int mindestKurzeWoerter = 15;
inline constexpr int kurzBis = 12; // Buchstaben

// Prüft, was über eine Zeile hinausgeht: RefNr und Wort mit Kontext nur einmal, jede
// Kategorie in Varku.tsp, genug Wörter je Kategorie, die Kachelbilder in bausteine.txt.
Wortbestand pruefeWortbestand(const Wortquellen& quellen);

} // namespace varku
