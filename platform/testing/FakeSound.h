#pragma once

#include "platform/SoundGeraet.h"

#include <QStringList>

namespace varku::test {

// Merkt sich die Befehle: "spiele <datei>", "warte <datei>", "Close".
class FakeSound : public SoundGeraet {
public:
    void spiele(const QString& datei) override { befehle << QStringLiteral("spiele ") + datei; }
    void spieleUndWarte(const QString& datei) override {
        befehle << QStringLiteral("warte ") + datei;
    }
    void schliesse() override { befehle << QStringLiteral("Close"); }

    QStringList befehle;
};

} // namespace varku::test
