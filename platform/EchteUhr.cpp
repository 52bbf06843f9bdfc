#include "platform/EchteUhr.h"
#include "platform/Rand.h"

#include <QTimer>
#include <chrono>
#include <thread>

namespace varku {

namespace {

class QtTimer : public Timer {
public:
    QtTimer() {
        // ein Takt ist der Rand: ein Fehler darin läuft nicht durch Qt
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            amRand([this] {
                if (beiTick)
                    beiTick();
            });
        });
    }
    void setzeIntervall(int ms) override { m_timer.setInterval(ms); }
    int intervall() const override { return m_timer.interval(); }
    void setzeAktiv(bool ein) override {
        if (ein)
            m_timer.start();
        else
            m_timer.stop();
    }
    bool aktiv() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};

} // namespace

double EchteUhr::sekundenSeitMitternacht() {
    const QTime t = QDateTime::currentDateTime().time();
    return t.msecsSinceStartOfDay() / 1000.0;
}

QDateTime EchteUhr::jetzt() {
    return QDateTime::currentDateTime();
}

void EchteUhr::schlafe(int millisekunden) {
    std::this_thread::sleep_for(std::chrono::milliseconds(millisekunden));
}

std::unique_ptr<Timer> EchteUhr::neuerTimer() {
    return std::make_unique<QtTimer>();
}

} // namespace varku
