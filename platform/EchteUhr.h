#pragma once

#include "platform/Uhr.h"

namespace varku {

// Die Systemuhr; Zeitgeber sind QTimer auf dem Fensterthread.
class EchteUhr : public Uhr {
public:
    double sekundenSeitMitternacht() override;
    QDateTime jetzt() override;
    void schlafe(int millisekunden) override;
    std::unique_ptr<Timer> neuerTimer() override;
};

} // namespace varku
