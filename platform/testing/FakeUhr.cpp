#include "platform/testing/FakeUhr.h"

#include <algorithm>
#include <cmath>

namespace varku::test {

class FakeUhr::FakeTimer : public Timer {
public:
    explicit FakeTimer(FakeUhr* uhr) : m_uhr(uhr) { m_uhr->m_timer.push_back(this); }
    ~FakeTimer() override {
        if (m_uhr) {
            auto& v = m_uhr->m_timer;
            v.erase(std::remove(v.begin(), v.end(), this), v.end());
        }
    }
    void setzeIntervall(int ms) override {
        m_intervall = ms;
        if (m_aktiv)
            m_faellig = m_uhr->m_ms + m_intervall;
    }
    int intervall() const override { return m_intervall; }
    // wie bei Qt: ohne Intervall feuert er, sobald die Schleife wieder läuft (beim nächsten
    // vorstellen, auch um 0), danach jede Millisekunde
    void setzeAktiv(bool ein) override {
        if (ein)
            m_faellig = m_uhr->m_ms + m_intervall;
        m_aktiv = ein && m_intervall >= 0;
    }
    bool aktiv() const override { return m_aktiv; }

    FakeUhr* m_uhr;
    int m_intervall = 0;
    bool m_aktiv = false;
    long long m_faellig = 0;
};

// Start um 10 Uhr, damit kein Test zufällig über Mitternacht läuft
FakeUhr::FakeUhr() : m_ms(10LL * 3600 * 1000), m_datum(2026, 12, 9) {}

FakeUhr::~FakeUhr() {
    for (FakeTimer* t : m_timer)
        t->m_uhr = nullptr;
}

double FakeUhr::sekundenSeitMitternacht() {
    const long long tag = 86400LL * 1000;
    return double(((m_ms % tag) + tag) % tag) / 1000.0;
}

QDateTime FakeUhr::jetzt() {
    return QDateTime(m_datum, QTime(0, 0)).addMSecs(m_ms);
}

void FakeUhr::schlafe(int millisekunden) {
    // Während des Schlafens laufen keine Ereignisse: die Zeitgeber holen es später nach.
    m_ms += millisekunden;
    geschlafenMs += millisekunden;
}

std::unique_ptr<Timer> FakeUhr::neuerTimer() {
    return std::make_unique<FakeTimer>(this);
}

void FakeUhr::stelle(double sekunden) {
    const long long tag = 86400LL * 1000;
    m_ms = (m_ms / tag) * tag + std::llround(sekunden * 1000.0);
}

void FakeUhr::vorstellen(int millisekunden) {
    const long long ende = m_ms + millisekunden;
    for (;;) {
        FakeTimer* naechster = nullptr;
        for (FakeTimer* t : m_timer)
            if (t->m_aktiv && t->m_faellig <= ende &&
                (!naechster || t->m_faellig < naechster->m_faellig))
                naechster = t;
        if (!naechster)
            break;
        m_ms = std::max(m_ms, naechster->m_faellig);
        naechster->m_faellig = m_ms + std::max(1, naechster->m_intervall);
        if (naechster->beiTick)
            naechster->beiTick();
    }
    m_ms = std::max(m_ms, ende);
}

} // namespace varku::test
