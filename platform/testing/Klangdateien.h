#pragma once

#include "platform/SoundGeraet.h"

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace varku::test {

// vier Bytes, niedrigstes zuerst, wie in einem WAV-Kopf
inline QByteArray le32(uint32_t v) {
    QByteArray b(4, 0);
    for (int i = 0; i < 4; ++i)
        b[i] = char((v >> (8 * i)) & 0xff);
    return b;
}

// Stille in 16 Bit mono, 22050 Hz, damit kein Test Lärm macht; kopfSagt: die Größe, die der
// data-Block angibt, wenn sie lügen soll
inline QByteArray stilleWav(int ms, std::optional<uint32_t> kopfSagt = {}) {
    const uint32_t bytes = uint32_t(ms) * 44100 / 1000;
    const QByteArray fmt = "fmt " + le32(16) + QByteArray("\x01\x00\x01\x00", 4) + le32(22050) +
                           le32(44100) + QByteArray("\x02\x00\x10\x00", 4);
    return "RIFF" + le32(36 + bytes) + "WAVE" + fmt + "data" + le32(kopfSagt.value_or(bytes)) +
           QByteArray(qsizetype(bytes), '\0');
}

// zählt, was Klanggerät und Sprachausgabe als stumm melden, solange es lebt
struct OhneTonMeldungen {
    int anzahl = 0;
    OhneTonMeldungen() {
        setzeOhneTonMelder([this] { ++anzahl; });
    }
    ~OhneTonMeldungen() { setzeOhneTonMelder({}); }
    OhneTonMeldungen(const OhneTonMeldungen&) = delete;
    OhneTonMeldungen& operator=(const OhneTonMeldungen&) = delete;
};

} // namespace varku::test
