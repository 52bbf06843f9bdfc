#pragma once

#include "Wert.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace varku::db {

// Eine Tabelle, ganz im Speicher, spaltenweise: je Spalte Art, Werte und Null-Marken.
struct Spalte {
    enum class Typ : unsigned char { Bool, Ganz, Gleit, Text };

    QString name;
    Typ typ = Typ::Text;
    std::vector<double> zahlen;  // Bool (-1/0), Ganz und Gleit
    std::vector<QString> texte;  // Text
    std::vector<uint8_t> istNull;
};

struct Tabelle {
    QString name;
    QString datei;
    std::vector<Spalte> spalten;
    int zeilen = 0;

    // Index der Spalte ohne Rücksicht auf Groß- und Kleinschreibung; -1 wenn es sie nicht gibt
    int spaltenIndex(const QString& feld) const;
    Wert wert(int spalte, int zeile) const;
};

} // namespace varku::db
