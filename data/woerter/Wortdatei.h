#pragma once

#include "data/woerter/Fehler.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace varku {

// Die Lupenstelle eines Wortes in einer Kategorie: erster und letzter markierter Buchstabe,
// von 1 an gezählt; ein Umlaut ist ein Buchstabe.
struct Lupenstelle {
    QString code;
    int vonPos = 0;
    int bisPos = 0;
};

// Eine Zeile einer Wortdatei (Aufbau in FORMAT.md).
struct Worteintrag {
    QString datei;
    int zeile = 0;
    int refNr = 0; // 0, wenn die Nummer unbrauchbar ist
    QString wort;
    QString kontext; // "der", "die", "das" oder "-"
    int komplexInd = 0;
    bool gws = false;
    QList<Lupenstelle> kategorien; // in der Reihenfolge der Zeile
    QString satz;
    QString umschreibung;
    QString wortTranskr; // leer: keine
    QString satzTranskr; // leer: keine
    QString waveDat;     // vergibt vergebeWaveNamen

    bool hatKontext() const { return kontext != QLatin1String("-"); }
};

struct Wortdatei {
    QString name;
    QList<Worteintrag> woerter; // jede Zeile mit richtiger Feldzahl, auch wenn sie Fehler hat
    Fehlerliste fehler;
};

inline constexpr int maxWortlaenge = 14;

// Prüft jede Zeile für sich. Was mehrere Zeilen oder Varku.tsp betrifft (doppelte Nummern und
// Wörter, unbekannte Kategorien, Anzahlen), prüft pruefeWortbestand.
Wortdatei leseWortdatei(const QByteArray& inhalt, const QString& name);

// "Fi[sch]" zum Wort "Fisch": 3 bis 5; sonst nullopt und der Grund in fehler
std::optional<Lupenstelle> leseLupenstelle(const QString& code, const QString& markiert,
                                           const QString& wort, QString& fehler);

// leer, wenn das Wort nur erlaubte Buchstaben hat und nicht zu lang ist; sonst der Grund
QString pruefeWort(const QString& wort);

} // namespace varku
