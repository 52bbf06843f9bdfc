#pragma once

#include "data/woerter/Wortdatei.h"

#include <QList>
#include <QString>

namespace varku {

// Der ASCII-Name der Aufnahme eines Wortes: Umlaute als ae, oe, ue, Ae, Oe, Ue, ß als ss.
QString waveGrundname(const QString& wort);

// Setzt waveDat für alle Wörter, in ihrer Reihenfolge (nach RefNr). Ergäben zwei Wörter Namen,
// die sich nur in der Schreibung unterscheiden, bekommt jedes spätere "_" und seine RefNr.
void vergebeWaveNamen(QList<Worteintrag>& woerter);

} // namespace varku
