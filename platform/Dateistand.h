#pragma once

#include <QDateTime>
#include <QFileInfo>
#include <QString>

namespace varku {

// Größe und Änderungszeit einer Datei. Sind beide gleich geblieben, gilt die Datei als
// unverändert, etwa seit etwas aus ihr vorab gelesen wurde; eine fehlende Datei hat keinen Stand.
struct Dateistand {
    qint64 groesse = -1;
    QDateTime geaendert;

    static Dateistand von(const QString& pfad) {
        const QFileInfo info(pfad);
        if (!info.exists())
            return {};
        return {info.size(), info.lastModified()};
    }
    bool operator==(const Dateistand&) const = default;
};

} // namespace varku
