#include "platform/Wert.h"

#include <climits>
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

namespace {

// llround gibt außerhalb von long long irgendetwas, auf x86 die kleinste Zahl: aus einer
// riesigen Zahl würde eine negative. Darum an die Grenze, was keine Zahl ist, wird 0.
long long gerundet(double z) {
    constexpr double grenze = 9223372036854775808.0; // 2^63
    if (std::isnan(z))
        return 0;
    if (z >= grenze)
        return LLONG_MAX;
    if (z < -grenze)
        return LLONG_MIN;
    return std::llround(z);
}

} // namespace

long long Wert::alsGanzzahl() const {
    if (istZahlig())
        return gerundet(zahl);
    if (art == Art::Text) {
        bool ok = false;
        const double d = text.trimmed().toDouble(&ok);
        return ok ? gerundet(d) : 0;
    }
    return 0;
}

} // namespace varku::db
