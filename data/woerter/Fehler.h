#pragma once

#include <QList>
#include <QString>

namespace varku {

// Ein Fehler in einer Eingabedatei; Zeile 0 heißt: die Datei als Ganzes.
struct Fehler {
    QString datei;
    int zeile = 0;
    QString text;
};

using Fehlerliste = QList<Fehler>;

// "seite00.txt:12: Satz ohne '@'" oder ohne Zeile "Varku.tsp: Code LIP_ fehlt"
QString alsMeldung(const Fehler& f);

} // namespace varku
