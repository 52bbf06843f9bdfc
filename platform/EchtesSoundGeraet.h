#pragma once

#include "platform/SoundGeraet.h"

#include <memory>

class QAudioDevice;

namespace varku {

// Spielt WAV-Dateien über Qt Multimedia. Die Ausgabe läuft in einem eigenen Faden mit eigener
// Ereignisschleife: ein Klang spielt weiter, während der Fensterfaden wartet oder rechnet.
class EchtesSoundGeraet : public SoundGeraet {
public:
    // spielt über die jeweils eingestellte Standardausgabe
    EchtesSoundGeraet();
    // spielt immer über dieses Gerät; ein leeres heißt: keine Tonausgabe (für Tests)
    explicit EchtesSoundGeraet(const QAudioDevice& geraet);
    ~EchtesSoundGeraet() override;

    void lade(const QStringList& dateien) override;
    void spiele(const QString& datei) override;
    void spieleUndWarte(const QString& datei) override;
    void schliesse() override;
    bool ausgabeMoeglich() override;
    void bereiteVor() override;

    // wie viel vom laufenden Klang schon an die Ausgabe ging, in Mikrosekunden (für Tests)
    qint64 ausgegebenUs();

private:
    struct Innen;
    std::unique_ptr<Innen> m;
};

} // namespace varku
