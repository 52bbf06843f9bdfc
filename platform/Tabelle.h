#pragma once

#include "platform/Wert.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

namespace varku::db {

// Eine Spalte einer Tabelle im Speicher: Art, Werte und Null-Marken.
struct Spalte {
    enum class Typ : unsigned char { Bool, Ganz, Gleit, Text };

    QString name;
    Typ typ = Typ::Text;
    std::vector<double> zahlen; // Bool (-1/0), Ganz und Gleit
    std::vector<QString> texte; // Text
    std::vector<uint8_t> istNull;
    bool geladen = true;
};

// Woher die Spalten einer Tabelle kommen, die erst bei Bedarf gelesen werden
class SpaltenQuelle {
public:
    virtual ~SpaltenQuelle() = default;
    virtual void lade(Spalte& spalte, int zeilen) = 0;
};

// Eine Tabelle, spaltenweise im Speicher. Aus einer Datenbank wird jede Spalte beim ersten
// Gebrauch einmal ganz gelesen; so kostet das Öffnen einer breiten Tabelle wenig.
struct Tabelle {
    QString name;
    QString datei;
    mutable std::vector<Spalte> spalten;
    int zeilen = 0;
    std::shared_ptr<SpaltenQuelle> quelle;

    // Index der Spalte ohne Rücksicht auf Groß- und Kleinschreibung; -1 wenn es sie nicht gibt
    int spaltenIndex(const QString& feld) const;
    // stellt sicher, dass die Spalte im Speicher ist
    const Spalte& spalte(int i) const;
    Wert wert(int spalte, int zeile) const;
    // wie eine Meldung die Tabelle nennt: "Varku-D.sqlite: WortListe", ohne Datei nur der Name
    QString herkunft() const;
};

} // namespace varku::db
