#include "platform/WavKopf.h"

#include <gtest/gtest.h>

using namespace varku;

namespace {

QByteArray le32(uint32_t v) {
    QByteArray b(4, 0);
    for (int i = 0; i < 4; ++i)
        b[i] = char((v >> (8 * i)) & 0xff);
    return b;
}

QByteArray wav(uint32_t bytesJeSekunde, uint32_t datenGroesse, QByteArray zwischen = {}) {
    QByteArray fmt = QByteArray("\x01\x00\x01\x00", 4) + le32(22050) + le32(bytesJeSekunde) +
                     QByteArray("\x02\x00\x10\x00", 4);
    QByteArray b = "RIFF" + le32(36 + datenGroesse) + "WAVE" + "fmt " + le32(16) + fmt + zwischen +
                   "data" + le32(datenGroesse);
    return b;
}

} // namespace

TEST(WavKopf, DauerAusDemKopf) {
    struct Fall {
        const char* name;
        QByteArray kopf;
        std::optional<int> dauer;
    };
    const Fall faelle[] = {
        {"eine Sekunde", wav(44100, 44100), 1000},
        {"halbe Sekunde", wav(44100, 22050), 500},
        {"Bruchteil aufgerundet", wav(1000, 1), 1},
        {"leere Daten", wav(44100, 0), 0},
        {"LIST-Block davor, ungerade Länge",
         wav(8000, 8000, "LIST" + le32(3) + QByteArray("abc\0", 4)), 1000},
        {"kein RIFF", QByteArray("RIFX") + wav(44100, 44100).mid(4), std::nullopt},
        {"kein fmt vor data", QByteArray("RIFF") + le32(4) + "WAVE" + "data" + le32(10),
         std::nullopt},
        {"abgeschnitten", wav(44100, 44100).left(20), std::nullopt},
        {"leer", QByteArray(), std::nullopt},
        {"Bytes je Sekunde null", wav(0, 100), std::nullopt},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(wavDauerMs(f.kopf), f.dauer) << f.name;
}
