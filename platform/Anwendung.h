#pragma once

#include "platform/Laufzeitfehler.h"

#include <QApplication>
#include <functional>

namespace varku {

// Die Anwendung fängt Laufzeitfehler ab, die aus einer Ereignisbehandlung kommen, und gibt sie
// der Fehlerbehandlung des Programms; Qt selbst lässt keine Ausnahme durch seine Schleife.
// Sie legt auch die Tastenregeln für alle Fenster fest (Return und Enter drücken Knöpfe).
class Anwendung : public QApplication {
public:
    using Behandlung = std::function<void(const Laufzeitfehler&)>;

    Anwendung(int& argc, char** argv);
    bool notify(QObject* empfaenger, QEvent* ereignis) override;

    // Ohne Behandlung gehen Fehler weiter, wie bei jeder QApplication (in Tests).
    static void setzeBehandlung(Behandlung b);
    // Übergibt einen Fehler der Behandlung (auch außerhalb der Ereignisschleife); danach endet
    // das Programm: jede laufende Schleife wird verlassen, modale Fenster kehren sofort zurück.
    static void behandle(const Laufzeitfehler& f);
    // ob das Programm nach einem Laufzeitfehler zu Ende geht
    static bool endet();
    // nach dem Aufräumen eines beendeten Laufs (für den nächsten Lauf im selben Prozess)
    static void setzeEndeZurueck();
};

} // namespace varku
