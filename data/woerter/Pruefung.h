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
// Kategorie in Varku.tsp, jedes Wort passt zur Regel seiner Kategorien, genug Wörter je
// Kategorie, die Kachelbilder in bausteine.txt.
Wortbestand pruefeWortbestand(const Wortquellen& quellen);

// Die Regel der Kategorie in Worten, wie Meldungen sie nennen; leer, wenn der Code keine hat.
QString kategorieregel(const QString& code);

// Leer, wenn das Wort mit dieser Lupenstelle zur Regel ihrer Kategorie passt (oder der Code keine
// Regel hat); sonst der Grund, z. B. "Dehnungszeichen 'ee' im Wort".
QString pruefeKategorieregel(const Worteintrag& e, const Lupenstelle& stelle);

} // namespace varku
