#pragma once

#include <QObject>

namespace varku {

// Return und Enter drücken den Knopf, der die Tastatur hat, in jedem Fenster: auch außerhalb von
// Dialogen, und im Dialog vor dessen Standardknopf. Ein Textfeld, das Enter selbst nimmt,
// behält es. Alt und ein Buchstabe drücken den Knopf des Fensters mit diesem unterstrichenen
// Buchstaben, auch wenn ein Menü denselben hat ("&Datei" und "&drehen"); sonst täte keiner von
// beiden etwas. Als Ereignisfilter der ganzen Anwendung eingesetzt.
class Knopftasten : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* empfaenger, QEvent* ereignis) override;
};

} // namespace varku
