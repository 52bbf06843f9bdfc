#include "foundation/Dateisuche.h"

#include <QDir>
#include <QFileInfo>

namespace varku {

QString findeDatei(const QString& ordner, const QString& name) {
    const QString genau = ordner + QLatin1Char('/') + name;
    if (QFileInfo(genau).isFile())
        return genau;
    const QStringList eintraege = QDir(ordner).entryList(QDir::Files);
    for (const QString& e : eintraege)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return ordner + QLatin1Char('/') + e;
    return genau;
}

bool dateiGenauVorhanden(const QString& ordner, const QString& name) {
    return QDir(ordner).entryList(QDir::Files).contains(name);
}

} // namespace varku
