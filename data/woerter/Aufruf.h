#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace varku {

// varku_wortdb --tsp Varku.tsp --bausteine bausteine.txt --db Varku-D.sqlite
//              --sprachliste sprachliste.txt seite00.txt ... seite11.txt
struct Aufruf {
    QString tsp;
    QString bausteine;
    QString db;
    QString sprachliste;
    QStringList wortdateien;
};

// die Argumente ohne den Programmnamen; bei einem Fehler nullopt und der Grund
std::optional<Aufruf> leseAufruf(const QStringList& argumente, QString& fehler);

extern const char aufrufHilfe[];

} // namespace varku
