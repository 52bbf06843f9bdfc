#pragma once

#include <QString>
#include <ostream>

// Texte in Meldungen von GoogleTest lesbar statt als Bytes
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
