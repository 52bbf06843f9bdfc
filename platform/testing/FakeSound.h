#pragma once

#include "platform/SoundGeraet.h"

#include <QStringList>

namespace varku::test {

// Merkt sich die Befehle: "spiele <datei>", "warte <datei>", "Close"; die vorab geladenen
// Dateien stehen in geladen. Mit ohneAusgabe spielt es wie ein Rechner ohne Tonausgabe.
class FakeSound : public SoundGeraet {
public:
    void lade(const QStringList& dateien) override { geladen = dateien; }
    void spiele(const QString& datei) override {
        befehle << QStringLiteral("spiele ") + datei;
        if (ohneAusgabe)
            meldeOhneTon();
    }
    void spieleUndWarte(const QString& datei) override {
        befehle << QStringLiteral("warte ") + datei;
        if (ohneAusgabe)
            meldeOhneTon();
    }
    void schliesse() override { befehle << QStringLiteral("Close"); }
    bool ausgabeMoeglich() override { return !ohneAusgabe; }

    QStringList befehle;
    QStringList geladen;
    bool ohneAusgabe = false;
};

} // namespace varku::test
