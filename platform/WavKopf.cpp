#include "platform/WavKopf.h"

#include <cstdint>

namespace varku {

namespace {

uint32_t le32(const QByteArray& b, qsizetype i) {
    return uint32_t(uint8_t(b[i])) | uint32_t(uint8_t(b[i + 1])) << 8 |
           uint32_t(uint8_t(b[i + 2])) << 16 | uint32_t(uint8_t(b[i + 3])) << 24;
}

} // namespace

std::optional<int> wavDauerMs(const QByteArray& b) {
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return std::nullopt;
    uint32_t bytesJeSekunde = 0;
    qsizetype i = 12;
    while (i + 8 <= b.size()) {
        const QByteArray kennung = b.mid(i, 4);
        const uint32_t laenge = le32(b, i + 4);
        const qsizetype inhalt = i + 8;
        if (kennung == "fmt ") {
            if (laenge < 16 || inhalt + 16 > b.size())
                return std::nullopt;
            bytesJeSekunde = le32(b, inhalt + 8);
        } else if (kennung == "data") {
            if (bytesJeSekunde == 0)
                return std::nullopt;
            return int((uint64_t(laenge) * 1000 + bytesJeSekunde - 1) / bytesJeSekunde);
        }
        // Blöcke ungerader Länge werden auf gerade Länge aufgefüllt
        const uint64_t weiter = uint64_t(inhalt) + laenge + (laenge & 1u);
        if (weiter > uint64_t(b.size()))
            return std::nullopt;
        i = qsizetype(weiter);
    }
    return std::nullopt;
}

} // namespace varku
