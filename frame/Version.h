#pragma once

#include <QString>

namespace varku {

// Version 4.00.0003: die Fenster zeigen "4." mit Unter- und Revisionsnummer
constexpr int VersionUnter = 0;
constexpr int VersionRevision = 3;

inline QString versionsText() {
    return QStringLiteral("4.%1.%2").arg(VersionUnter).arg(VersionRevision);
}

} // namespace varku
