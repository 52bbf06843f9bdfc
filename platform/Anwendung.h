#pragma once

#include "platform/Laufzeitfehler.h"

#include <QApplication>
#include <functional>

namespace varku {

// Die Anwendung fängt Laufzeitfehler ab, die aus einer Ereignisbehandlung kommen, und gibt sie
// der Fehlerbehandlung des Programms; Qt selbst lässt keine Ausnahme durch seine Schleife.
class Anwendung : public QApplication {
public:
    using Behandlung = std::function<void(const Laufzeitfehler&)>;

    Anwendung(int& argc, char** argv);
    bool notify(QObject* empfaenger, QEvent* ereignis) override;

    static void setzeBehandlung(Behandlung b);
    // übergibt einen Fehler der Behandlung (auch außerhalb der Ereignisschleife)
    static void behandle(const Laufzeitfehler& f);
};

} // namespace varku
