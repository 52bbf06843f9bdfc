#pragma once

#include "platform/Tabelle.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace varku::db {

// Öffnet eine Tabelle einer SQLite-Datei zum Lesen; ihre Spalten kommen beim ersten Gebrauch
// ganz in den Speicher. Spaltenarten nach dem angegebenen Typ: BOOLEAN wird Wahrheitswert,
// INTEGER ganze Zahl, REAL Gleitkommazahl, sonst Text. Eine fehlende oder unlesbare Datei und
// eine fehlende Tabelle sind Laufzeitfehler, die sie nennen.
std::shared_ptr<const Tabelle> leseTabelle(const QString& datei, const QString& tabelle);
// mehrere Tabellen derselben Datei, in der Reihenfolge der Namen; schneller als einzeln
std::vector<std::shared_ptr<const Tabelle>> leseTabellen(const QString& datei,
                                                         const QStringList& tabellen);

} // namespace varku::db
