#include "platform/WavKopf.h"
#include "platform/testing/Klangdateien.h"

#include <gtest/gtest.h>

using namespace varku;
using varku::test::le32;

namespace {

QByteArray le16(uint16_t v) {
    return QByteArray(1, char(v & 0xff)) + char(v >> 8);
}

struct Format {
    uint16_t art = 1;
    uint16_t kanaele = 1;
    uint32_t abtastrate = 22050;
    uint16_t bits = 16;
};

QByteArray fmtBlock(Format f) {
    const uint16_t block = uint16_t(f.kanaele * f.bits / 8);
    return "fmt " + le32(16) + le16(f.art) + le16(f.kanaele) + le32(f.abtastrate) +
           le32(f.abtastrate * block) + le16(block) + le16(f.bits);
}

// der Kopf bis einschließlich der Größenangabe des data-Blocks (44 Bytes ohne Zwischenblock)
QByteArray kopf(uint32_t datenGroesse, Format f = {}, QByteArray zwischen = {}) {
    return "RIFF" + le32(36 + datenGroesse) + "WAVE" + fmtBlock(f) + zwischen + "data" +
           le32(datenGroesse);
}

} // namespace

TEST(WavKopf, DauerAusDenVorhandenenDaten) {
    struct Fall {
        const char* name;
        QByteArray anfang;
        qint64 dateiGroesse;
        std::optional<int> dauer;
    };
    const QByteArray k = kopf(44100);
    const QByteArray luege = kopf(0xFFFFFFFFu);
    const Format stereo{1, 2, 44100, 16};
    const Format breit{1, 1, 48000, 24};
    const QByteArray erweitert = "RIFF" + le32(0) + "WAVE" + "fmt " + le32(40) + le16(0xFFFE) +
                                 le16(1) + le32(8000) + le32(16000) + le16(2) + le16(16) +
                                 le16(22) + le16(16) + le32(4) + le16(1) + QByteArray(14, '\x10') +
                                 "data" + le32(8000);
    const Fall faelle[] = {
        {"eine Sekunde", k, 44 + 44100, 1000},
        {"halbe Sekunde", kopf(22050), 44 + 22050, 500},
        {"Bruchteil aufgerundet", kopf(2), 44 + 2, 1},
        {"leere Daten", kopf(0), 44, 0},
        {"Stereo zählt beide Kanäle", kopf(176400, stereo), 44 + 176400, 1000},
        {"24 Bit", kopf(144000, breit), 44 + 144000, 1000},
        {"Gleitkomma", kopf(88200, {3, 1, 22050, 32}), 44 + 88200, 1000},
        {"erweitertes Format mit ganzen Zahlen", erweitert, erweitert.size() + 8000, 500},
        {"LIST-Block davor, ungerade Länge",
         kopf(44100, {}, "LIST" + le32(3) + QByteArray("abc\0", 4)), 56 + 44100, 1000},
        // der Kopf verspricht mehr, als in der Datei steht
        {"Kopf sagt 4 GB, eine Sekunde da", luege, 44 + 44100, 1000},
        {"Kopf sagt 4 GB, nichts da", luege, 44, 0},
        {"abgeschnittene Datei", k, 44 + 4410, 100},
        {"Dateigröße kleiner als der Kopf", k, 20, 0},
        {"halbe Probe am Ende zählt nicht", kopf(3), 44 + 3, 1},
        {"Anhang nach den Daten zählt nicht", kopf(22050), 44 + 44100 + 1000, 500},
        // kaputt oder unglaubwürdig: kein Warten
        {"kein RIFF", QByteArray("RIFX") + k.mid(4), 44 + 44100, std::nullopt},
        {"kein fmt vor data", QByteArray("RIFF") + le32(4) + "WAVE" + "data" + le32(10), 30,
         std::nullopt},
        {"im Kopf abgeschnitten", k.left(20), 20, std::nullopt},
        {"data-Kopf nicht mehr gelesen", k.left(40), 44 + 44100, std::nullopt},
        {"leer", QByteArray(), 0, std::nullopt},
        {"Abtastrate null", kopf(100, {1, 1, 0, 16}), 144, std::nullopt},
        {"Abtastrate 1 dehnt jedes Byte", kopf(100, {1, 1, 1, 16}), 144, std::nullopt},
        {"Abtastrate zu hoch", kopf(100, {1, 1, 4000000, 16}), 144, std::nullopt},
        {"keine Kanäle", kopf(100, {1, 0, 22050, 16}), 144, std::nullopt},
        {"zu viele Kanäle", kopf(100, {1, 300, 22050, 16}), 144, std::nullopt},
        {"12 Bit", kopf(100, {1, 1, 22050, 12}), 144, std::nullopt},
        {"komprimiert", kopf(100, {2, 1, 22050, 4}), 144, std::nullopt},
        {"Gleitkomma mit 64 Bit", kopf(100, {3, 1, 22050, 64}), 144, std::nullopt},
        {"Zwischenblock größer als die Datei", kopf(100, {}, "LIST" + le32(0xFFFFFFF0u)), 152,
         std::nullopt},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(wavDauerMs(f.anfang, f.dateiGroesse), f.dauer) << f.name;
}

TEST(WavKopf, ProbenWieDieAusgabeSieNimmt) {
    struct Fall {
        const char* name;
        QByteArray datei;
        QByteArray proben;
    };
    const QByteArray sechzehn("\x01\x02\x03\x04\x05", 5);
    const QByteArray vierundzwanzig("\x01\x02\x03\xfd\xfe\xff\x07", 7);
    const Fall faelle[] = {
        {"16 Bit unverändert, halbe Probe fällt weg", kopf(5) + sechzehn,
         QByteArray("\x01\x02\x03\x04", 4)},
        {"Kopf verspricht mehr als da ist", kopf(1000) + sechzehn.left(4),
         QByteArray("\x01\x02\x03\x04", 4)},
        {"24 Bit werden 32 Bit mit demselben Vorzeichen",
         kopf(7, {1, 1, 8000, 24}) + vierundzwanzig,
         QByteArray("\x00\x01\x02\x03\x00\xfd\xfe\xff", 8)},
        {"8 Bit unverändert", kopf(3, {1, 1, 8000, 8}) + "abc", "abc"},
        {"ohne Daten", kopf(0), QByteArray()},
    };
    for (const Fall& f : faelle) {
        const auto k = leseWavKopf(f.datei, f.datei.size());
        ASSERT_TRUE(k) << f.name;
        EXPECT_EQ(wavProben(f.datei, *k), f.proben) << f.name;
    }
}
