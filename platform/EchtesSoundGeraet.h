#pragma once

#include "platform/SoundGeraet.h"

#include <memory>

class QSoundEffect;

namespace varku {

// Spielt WAV-Dateien über Qt Multimedia.
class EchtesSoundGeraet : public SoundGeraet {
public:
    EchtesSoundGeraet();
    ~EchtesSoundGeraet() override;
    void spiele(const QString& datei) override;
    void spieleUndWarte(const QString& datei) override;
    void schliesse() override;

private:
    std::unique_ptr<QSoundEffect> m_effekt;
};

} // namespace varku
