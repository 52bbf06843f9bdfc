#pragma once

#include "platform/Prozess.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace varku::test {

// Merkt sich jeden Start; statt zu warten läuft, was der Test als "Spiel" vorgibt.
class FakeProzess : public Prozess {
public:
    struct Start {
        QString programm;
        QStringList argumente;
    };
    bool starteUndWarte(const QString& programm, const QStringList& argumente) override {
        starts.push_back({programm, argumente});
        if (!startet)
            return false;
        if (waehrendDesSpiels)
            waehrendDesSpiels();
        return true;
    }

    std::vector<Start> starts;
    bool startet = true;
    std::function<void()> waehrendDesSpiels;
};

} // namespace varku::test
