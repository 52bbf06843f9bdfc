#pragma once

#include "data/woerter/Pruefung.h"

#include <QString>
#include <QStringList>

namespace varku {

// Liest Varku.tsp, bausteine.txt und die Wortdateien; eine fehlende oder unlesbare Datei wird
// ein Fehler wie jeder andere. Die Pfade stehen so in den Meldungen, wie sie hier ankommen.
Wortquellen ladeWortquellen(const QString& tspPfad, const QString& bausteinePfad,
                            const QStringList& wortdateiPfade);

} // namespace varku
