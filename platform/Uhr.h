#pragma once

#include <QDateTime>
#include <functional>
#include <memory>

namespace varku {

// Ein Zeitgeber mit Intervall und Ein-Schalter; er ruft beiTick auf dem Fensterthread.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setzeIntervall(int millisekunden) = 0;
    virtual int intervall() const = 0;
    virtual void setzeAktiv(bool ein) = 0;
    virtual bool aktiv() const = 0;

    std::function<void()> beiTick;
};

// Die Uhr: Sekunden seit Mitternacht, Datum und Zeit, Schlafen und Zeitgeber.
class Uhr {
public:
    virtual ~Uhr() = default;
    // Sekunden seit Mitternacht mit Bruchteil
    virtual double sekundenSeitMitternacht() = 0;
    virtual QDateTime jetzt() = 0;
    // blockiert den Thread, ohne Fensterereignisse zu bearbeiten
    virtual void schlafe(int millisekunden) = 0;
    virtual std::unique_ptr<Timer> neuerTimer() = 0;
};

} // namespace varku
