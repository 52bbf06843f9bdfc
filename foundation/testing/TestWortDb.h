#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace varku::test {

// Eine kleine Wortdatenbank für Tests, mit den vier Tabellen und den Kategorien KAT1 und KAT2
// (und weiteren, die keinem Wort gehören).
struct TestWort {
    int refNr;
    QString wort;
    QString kontext; // leer: Null
    int komplexInd = 1;
    bool gws = false;
    bool kat1 = true;
    bool kat2 = false;
    QString satz;    // leer: keine Zeile in SemSynt
    QString waveDat; // leer: Null
};

struct TestLupe {
    int refNr, ruvo, von, bis;
};

struct TestTranskript {
    int refNr;
    QString wort, satz; // leer: Null
};

// legt die Datei an; gibt ihren Pfad zurück
QString legeWortDbAn(const QString& pfad, const std::vector<TestWort>& woerter,
                     const std::vector<TestLupe>& lupen = {},
                     const std::vector<TestTranskript>& transkripte = {},
                     const QStringList& weitereKategorien = {});

} // namespace varku::test
