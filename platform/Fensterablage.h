#pragma once

namespace varku {

// Fenster, die bis zum Programmende leben, müssen vor der Anwendung abgebaut werden.
// Jedes meldet beim Anlegen, wie es entladen wird; main entlädt alle zum Schluss.
void merkeFenster(void (*entlade)());
void entladeAlleFenster();

} // namespace varku

#include <memory>
#include <utility>

namespace varku {

// Ein Fenster, das beim ersten Gebrauch angelegt wird und bis zum Programmende lebt; verborgen,
// nicht entladen, behält es seinen Zustand. T erbt davon und ist mit ihm befreundet.
template <typename T> class Einzelfenster {
public:
    // beim ersten Gebrauch mit diesen Argumenten angelegt; wirft der Aufbau, bleibt nichts
    template <typename... A> static T& instanz(A&&... argumente) {
        if (!ablage()) {
            ablage().reset(new T(std::forward<A>(argumente)...));
            merkeFenster(&entlade);
        }
        return *ablage();
    }
    // am Programmende und zwischen Tests
    static void entlade() { ablage().reset(); }
    // das Fenster, wenn es schon angelegt ist; sonst nullptr
    static T* geladen() { return ablage().get(); }

private:
    static std::unique_ptr<T>& ablage() {
        static std::unique_ptr<T> f;
        return f;
    }
};

} // namespace varku
