#include "platform/WavKopf.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace varku {

namespace {

// Was ein Kopf glaubhaft angeben kann; ein gefälschter soll weder Speicher noch Zeit kosten
constexpr int kleinsteAbtastrate = 4000;
constexpr int groessteAbtastrate = 384000;
constexpr int meisteKanaele = 8;

constexpr uint16_t formatGanzzahl = 1;
constexpr uint16_t formatGleitkomma = 3;
constexpr uint16_t formatErweitert = 0xFFFE;

uint32_t le16(const QByteArray& b, qsizetype i) {
    return uint32_t(uint8_t(b[i])) | uint32_t(uint8_t(b[i + 1])) << 8;
}

uint32_t le32(const QByteArray& b, qsizetype i) {
    return le16(b, i) | le16(b, i + 2) << 16;
}

// Liest den fmt-Block; false, wenn er nichts Spielbares beschreibt
bool leseFormat(const QByteArray& b, qsizetype inhalt, uint32_t laenge, WavKopf& kopf) {
    if (laenge < 16 || inhalt + 16 > b.size())
        return false;
    uint32_t format = le16(b, inhalt);
    const uint32_t kanaele = le16(b, inhalt + 2);
    const uint32_t abtastrate = le32(b, inhalt + 4);
    const uint32_t bits = le16(b, inhalt + 14);
    // im erweiterten Format steht die eigentliche Art vorn in der Kennung des Unterformats
    if (format == formatErweitert) {
        if (laenge < 40 || inhalt + 26 > b.size())
            return false;
        format = le16(b, inhalt + 24);
    }
    if (kanaele < 1 || kanaele > meisteKanaele || abtastrate < kleinsteAbtastrate ||
        abtastrate > groessteAbtastrate)
        return false;
    const bool ganzzahl =
        format == formatGanzzahl && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool gleitkomma = format == formatGleitkomma && bits == 32;
    if (!ganzzahl && !gleitkomma)
        return false;
    kopf.kanaele = int(kanaele);
    kopf.abtastrate = int(abtastrate);
    kopf.bitsJeProbe = int(bits);
    kopf.gleitkomma = gleitkomma;
    return true;
}

} // namespace

int WavKopf::dauerMs() const {
    const int64_t bytesJeSekunde = int64_t(abtastrate) * blockGroesse();
    if (bytesJeSekunde <= 0 || datenLaenge <= 0)
        return 0;
    const int64_t ms = (int64_t(datenLaenge) * 1000 + bytesJeSekunde - 1) / bytesJeSekunde;
    return int(std::min<int64_t>(ms, INT_MAX));
}

std::optional<WavKopf> leseWavKopf(const QByteArray& b, qint64 dateiGroesse) {
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return std::nullopt;
    WavKopf kopf;
    bool formatGelesen = false;
    qsizetype i = 12;
    while (i + 8 <= b.size()) {
        const QByteArray kennung = b.mid(i, 4);
        const uint32_t laenge = le32(b, i + 4);
        const qsizetype inhalt = i + 8;
        if (kennung == "fmt ") {
            if (!leseFormat(b, inhalt, laenge, kopf))
                return std::nullopt;
            formatGelesen = true;
        } else if (kennung == "data") {
            if (!formatGelesen)
                return std::nullopt;
            // der Kopf kann lügen oder die Datei abgeschnitten sein: es zählt, was da ist
            const qint64 vorhanden = std::max<qint64>(0, dateiGroesse - inhalt);
            const qint64 laengeDa = std::min<qint64>(laenge, vorhanden);
            kopf.datenAnfang = inhalt;
            kopf.datenLaenge = laengeDa - laengeDa % kopf.blockGroesse();
            return kopf;
        }
        // Blöcke ungerader Länge werden auf gerade Länge aufgefüllt
        const uint64_t weiter = uint64_t(inhalt) + laenge + (laenge & 1u);
        if (weiter > uint64_t(b.size()))
            return std::nullopt;
        i = qsizetype(weiter);
    }
    return std::nullopt;
}

std::optional<int> wavDauerMs(const QByteArray& dateiAnfang, qint64 dateiGroesse) {
    const auto kopf = leseWavKopf(dateiAnfang, dateiGroesse);
    if (!kopf)
        return std::nullopt;
    return kopf->dauerMs();
}

QByteArray wavProben(const QByteArray& datei, const WavKopf& kopf) {
    const int block = kopf.blockGroesse();
    if (block <= 0 || kopf.datenAnfang < 0 || kopf.datenAnfang >= datei.size())
        return {};
    qint64 laenge = std::min<qint64>(kopf.datenLaenge, datei.size() - kopf.datenAnfang);
    laenge -= laenge % block;
    const QByteArray roh = datei.mid(kopf.datenAnfang, laenge);
    if (kopf.bitsJeProbe != 24)
        return roh;
    // 24 Bit kennt die Tonausgabe nicht: jede Probe wird zur 32-Bit-Zahl mit demselben Wert oben
    QByteArray proben(roh.size() / 3 * 4, Qt::Uninitialized);
    for (qsizetype q = 0, z = 0; q + 3 <= roh.size(); q += 3, z += 4) {
        proben[z] = 0;
        proben[z + 1] = roh[q];
        proben[z + 2] = roh[q + 1];
        proben[z + 3] = roh[q + 2];
    }
    return proben;
}

} // namespace varku
