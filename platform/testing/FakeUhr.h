#pragma once

#include "platform/Uhr.h"

#include <vector>

namespace varku::test {

// Eine Uhr, die nur weitergeht, wenn der Test sie stellt. Zeitgeber feuern beim Vorstellen.
class FakeUhr : public Uhr {
public:
    FakeUhr();
    ~FakeUhr() override;

    double sekundenSeitMitternacht() override;
    QDateTime jetzt() override;
    void schlafe(int millisekunden) override;
    std::unique_ptr<Timer> neuerTimer() override;

    // Sekunden seit Mitternacht setzen (das Datum bleibt)
    void stelle(double sekunden);
    // die Zeit vorstellen; fällige Zeitgeber feuern in zeitlicher Folge, einer ohne Intervall
    // schon bei vorstellen(0)
    void vorstellen(int millisekunden);

    long long geschlafenMs = 0;

    class FakeTimer;

private:
    friend class FakeTimer;
    long long m_ms; // Millisekunden seit Mitternacht des Startdatums
    QDate m_datum;
    std::vector<FakeTimer*> m_timer;
};

} // namespace varku::test
