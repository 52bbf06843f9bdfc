#pragma once

#include <QByteArray>
#include <optional>

namespace varku {

// Was der Kopf einer WAV-Datei über ihre Proben sagt. Angenommen werden nur unkomprimierte
// Proben, wie eine Tonausgabe sie nimmt: ganze Zahlen mit 8, 16, 24 oder 32 Bit, Gleitkomma mit
// 32 Bit. Die Länge der Daten ist, was wirklich in der Datei steht, nicht was der Kopf verspricht.
struct WavKopf {
    int kanaele = 0;
    int abtastrate = 0;
    int bitsJeProbe = 0;
    bool gleitkomma = false;
    qint64 datenAnfang = 0; // Versatz der ersten Probe in der Datei
    qint64 datenLaenge = 0; // in ganzen Blöcken (eine Probe je Kanal)

    int blockGroesse() const { return kanaele * (bitsJeProbe / 8); }
    // Spieldauer in Millisekunden, aufgerundet
    int dauerMs() const;
};

// Liest den Kopf aus dem Anfang der Datei; dateiGroesse ist die Größe der ganzen Datei. Die
// Datenlänge ist die kleinere aus der Angabe des data-Blocks und den Bytes, die nach seinem Kopf
// noch in der Datei stehen. Leer bei einem kaputten oder unglaubwürdigen Kopf.
std::optional<WavKopf> leseWavKopf(const QByteArray& dateiAnfang, qint64 dateiGroesse);

// Die Spieldauer in Millisekunden; leer bei einem kaputten Kopf.
std::optional<int> wavDauerMs(const QByteArray& dateiAnfang, qint64 dateiGroesse);

// Die Proben der ganzen Datei so, wie die Tonausgabe sie nimmt: 24 Bit werden zu 32 Bit.
QByteArray wavProben(const QByteArray& datei, const WavKopf& kopf);

} // namespace varku
