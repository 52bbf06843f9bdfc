#include "data/woerter/Aufruf.h"

#include <QSet>

namespace varku {

const char aufrufHilfe[] =
    "Aufruf: varku_wortdb --tsp Varku.tsp --bausteine bausteine.txt --db Varku-D.sqlite\n"
    "                     --sprachliste sprachliste.txt seite00.txt ... seite11.txt\n";

std::optional<Aufruf> leseAufruf(const QStringList& argumente, QString& fehler) {
    Aufruf a;
    const std::pair<const char*, QString*> optionen[] = {
        {"--tsp", &a.tsp},
        {"--db", &a.db},
        {"--bausteine", &a.bausteine},
        {"--sprachliste", &a.sprachliste},
    };
    QSet<QString> dateien;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString& arg = argumente[i];
        if (!arg.startsWith(QLatin1Char('-'))) {
            if (dateien.contains(arg)) {
                fehler = QStringLiteral("Wortdatei doppelt angegeben: ") + arg;
                return std::nullopt;
            }
            dateien.insert(arg);
            a.wortdateien.append(arg);
            continue;
        }
        QString* ziel = nullptr;
        for (const auto& [name, wert] : optionen)
            if (arg == QLatin1String(name))
                ziel = wert;
        if (!ziel) {
            fehler = QStringLiteral("unbekannte Option ") + arg;
            return std::nullopt;
        }
        if (!ziel->isEmpty()) {
            fehler = QStringLiteral("Option %1 doppelt angegeben").arg(arg);
            return std::nullopt;
        }
        if (i + 1 >= argumente.size() || argumente[i + 1].isEmpty() ||
            argumente[i + 1].startsWith(QLatin1String("--"))) {
            fehler = QStringLiteral("nach %1 fehlt der Pfad").arg(arg);
            return std::nullopt;
        }
        *ziel = argumente[++i];
    }
    for (const auto& [name, wert] : optionen) {
        if (wert->isEmpty()) {
            fehler = QStringLiteral("Option %1 fehlt").arg(QLatin1String(name));
            return std::nullopt;
        }
    }
    if (a.wortdateien.isEmpty()) {
        fehler = QStringLiteral("keine Wortdatei angegeben");
        return std::nullopt;
    }
    return a;
}

} // namespace varku
