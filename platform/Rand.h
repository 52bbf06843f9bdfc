#pragma once

#include <QObject>
#include <concepts>
#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

namespace varku {

// Der Rand eines Fensters: wo eine Behandlung beginnt (ein Knopf, ein Menü, ein Zeitgeber, eine
// Taste). Ein Fehler endet hier bei der Fehlerbehandlung des Programms, statt durch die Schleife
// von Qt zu laufen, die keine Ausnahme verträgt. Ohne eingesetzte Behandlung (in Tests) geht er
// weiter.
using Randbehandlung = std::function<void(const std::exception&)>;
void setzeRandbehandlung(Randbehandlung b);
bool randbehandlungDa();
void behandleAmRand(const std::exception& e);

template <typename F> void amRand(F&& f) {
    try {
        std::forward<F>(f)();
    } catch (const std::exception& e) {
        if (!randbehandlungDa())
            throw;
        behandleAmRand(e);
    }
}

// dasselbe mit einem Ergebnis; nach einem Fehler gilt sonst
template <typename R, typename F> R amRandOder(R sonst, F&& f) {
    R ergebnis = sonst;
    amRand([&] { ergebnis = std::forward<F>(f)(); });
    return ergebnis;
}

// Verbindet ein Signal mit einer Behandlung des Empfängers (eine Methode oder eine Funktion), die
// am Rand läuft. Wie bei QObject::connect darf sie weniger Argumente nehmen als das Signal gibt.
template <typename Sender, typename Signal, typename Empfaenger, typename Slot>
QMetaObject::Connection verbinde(const Sender* sender, Signal signal, Empfaenger* empfaenger,
                                 Slot slot) {
    if constexpr (std::is_member_function_pointer_v<Slot>) {
        return QObject::connect(
            sender, signal, empfaenger,
            [ empfaenger,
              slot ]<typename... A>(A && ... a) requires std::invocable<Slot, Empfaenger*, A...> {
                amRand([&] { std::invoke(slot, empfaenger, std::forward<A>(a)...); });
            });
    } else {
        return QObject::connect(
            sender, signal, empfaenger,
            [slot]<typename... A>(A && ... a) mutable requires std::invocable<Slot&, A...> {
                amRand([&] { std::invoke(slot, std::forward<A>(a)...); });
            });
    }
}

} // namespace varku
