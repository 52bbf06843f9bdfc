#pragma once

#include "data/woerter/Kategorienliste.h"
#include "data/woerter/Wortdatei.h"

#include <QList>
#include <QString>

namespace varku {

// Schreibt die Wortdatenbank mit den Tabellen WortListe (eine Spalte je Kategorie),
// LupenStellen, SemSynt und Transkripte; die Wörter stehen nach RefNr geordnet bereit.
// Geschrieben wird erst nach <ziel>.tmp, das dann <ziel> ersetzt; eine alte Datei bleibt
// bei einem Fehler unberührt. Gibt leer zurück oder den Grund des Fehlers.
QString schreibeWortdatenbank(const QString& ziel, const QList<Kategorie>& kategorien,
                              const QList<Worteintrag>& woerter);

} // namespace varku
