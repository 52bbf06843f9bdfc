#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace varku {

// Eine Zeile aus bausteine.txt: "BST_SCH.gif | sch"
struct Baustein {
    QString datei;
    QString text;
};

struct BausteinListe {
    QList<Baustein> bausteine;
    QStringList fehler; // "Zeile 7: ..."
};

// UTF-8, "#" am Zeilenanfang ist ein Kommentar, Leerzeilen zählen nicht.
BausteinListe leseBausteine(const QByteArray& inhalt);
BausteinListe leseBausteinDatei(const QString& pfad);

} // namespace varku
