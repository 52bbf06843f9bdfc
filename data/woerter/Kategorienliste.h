#pragma once

#include "data/woerter/Fehler.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>

namespace varku {

// Eine Kategorie aus Varku.tsp; ruvo ist ihre Stelle unter allen Kategorien, von 1 an.
struct Kategorie {
    QString titel;
    QString code;
    int seite = -1; // Registerkarte, von 0 an; -1 vor der ersten Überschrift
    int ruvo = 0;
    int zeile = 0;
};

struct Kategorienliste {
    QString name;
    QList<Kategorie> kategorien;
    QList<int> ueberschriftZeilen; // Zeile jeder Überschrift, eine je Seite
    Fehlerliste fehler;
};

// Kategorien je Registerkarte des Übungsschwerpunkt-Dialogs
inline constexpr std::array<int, 12> kategorienJeSeite = {10, 7, 3, 5, 2, 3, 3, 6, 2, 5, 3, 3};
inline constexpr int anzahlKategorien = 52;

// Liest Varku.tsp (UTF-8, sonst Windows-1252): Datensätze "Titel,CODE"; ein Titel mit ">>>"
// ist die Überschrift einer Seite. Prüft den Aufbau und die Codes.
Kategorienliste leseKategorienliste(const QByteArray& inhalt, const QString& name);

} // namespace varku
