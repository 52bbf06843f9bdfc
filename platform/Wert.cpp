#include "platform/Wert.h"

#include <cmath>

namespace varku::db {

QString Wert::alsText() const {
    switch (art) {
    case Art::Null:
        return {};
    case Art::Bool:
        return zahl != 0 ? QStringLiteral("Wahr") : QStringLiteral("Falsch");
    case Art::Zahl:
        return QString::number(zahl, 'g', 15);
    case Art::Text:
        return text;
    }
    return {};
}

long long Wert::alsGanzzahl() const {
    if (istZahlig())
        return static_cast<long long>(std::llround(zahl));
    if (art == Art::Text) {
        bool ok = false;
        const double d = text.trimmed().toDouble(&ok);
        return ok ? static_cast<long long>(std::llround(d)) : 0;
    }
    return 0;
}

} // namespace varku::db
