#pragma once

#include "foundation/Textkodierung.h"

#include <QByteArray>
#include <QStringList>

namespace varku::test {

// drei Seiten mit Kategorien, die Seiten 3 bis 10 leer, eine Kategorie auf der letzten
inline const QStringList testZeilen = {
    "\">>> Erste Seite\",-",
    "Igel und Kino [i lang],KAT1",
    "Tiger,KAT2",
    "Grapheme >>> zweite Seite,-", // ">>>" nicht am Anfang
    "Schmetterling,KAT2",
    "\"Komma, im Titel\",KAT1",
    ">>> dritte,-",
    "Dritte Kategorie [mit Zusatz],KAT2",
    "Kurz,AB",
    ">>> 4,-",
    ">>> 5,-",
    ">>> 6,-",
    ">>> 7", // ohne zweites Feld
    ">>> 8,-",
    ">>> 9,-",
    ">>> 10,-",
    ">>> 11,-",
    ">>> Großschreibung,-",
    "Nomen für Dinge,KAT1",
};

inline QByteArray alsDatei(const QStringList& zeilen, const char* ende = "\r\n",
                           Kodierung k = Kodierung::Utf8) {
    return kodiere(zeilen.join(QString::fromLatin1(ende)) + QString::fromLatin1(ende), k);
}

} // namespace varku::test
