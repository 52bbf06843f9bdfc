#pragma once

#include <QByteArray>
#include <optional>

namespace varku {

// Die Spieldauer einer WAV-Datei in Millisekunden, aus ihrem Kopf gelesen
// (Bytes je Sekunde des fmt-Blocks, Größe des data-Blocks); leer bei einem kaputten Kopf.
std::optional<int> wavDauerMs(const QByteArray& dateiAnfang);

} // namespace varku
