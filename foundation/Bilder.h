#pragma once

#include <QPixmap>
#include <QString>

namespace varku {

// Lädt ein Bild aus ProgPfad/Grafik, ohne Rücksicht auf Groß- und Kleinschreibung des Namens;
// ein fehlendes Bild gibt ein leeres.
QPixmap ladeBild(const QString& name);

} // namespace varku
