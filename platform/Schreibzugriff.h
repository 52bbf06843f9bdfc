#pragma once

#include "platform/Wert.h"

#include <QString>
#include <vector>

struct sqlite3;

namespace varku::db {

// Eine SQLite-Datei zum Lesen und Schreiben: jede Anweisung wird vorbereitet und bekommt ihre
// Werte gebunden, nie in den Text gesetzt. Fehlt die Datei, wird sie mit dem Schema angelegt.
// Jeder Fehler ist ein Laufzeitfehler, der die Datei nennt.
class Schreibzugriff {
public:
    using Zeile = std::vector<Wert>;

    // öffnet die Datei; fehlt sie oder eine Tabelle, legt schema sie an ("CREATE TABLE IF NOT
    // EXISTS ...")
    Schreibzugriff(const QString& datei, const QString& schema);
    ~Schreibzugriff();
    Schreibzugriff(const Schreibzugriff&) = delete;
    Schreibzugriff& operator=(const Schreibzugriff&) = delete;

    // eine Anweisung ohne Ergebnis; gibt die Zahl der geänderten Zeilen
    int fuehreAus(const QString& sql, const Zeile& werte = {});
    // eine Abfrage; die Zeilen mit ihren Werten
    std::vector<Zeile> frage(const QString& sql, const Zeile& werte = {});

    const QString& datei() const { return m_datei; }

private:
    [[noreturn]] void fehler(const QString& was) const;

    QString m_datei;
    sqlite3* m_db = nullptr;
};

} // namespace varku::db
