#pragma once

#include <QObject>

namespace varku {

// Return und Enter drücken den Knopf, der die Tastatur hat, in jedem Fenster: auch außerhalb von
// Dialogen, und im Dialog vor dessen Standardknopf. Ein Textfeld, das Enter selbst nimmt,
// behält es. Als Ereignisfilter der ganzen Anwendung eingesetzt.
class Knopftasten : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* empfaenger, QEvent* ereignis) override;
};

} // namespace varku
