#include "platform/Knopftasten.h"

#include <QKeyEvent>
#include <QPushButton>

namespace varku {

bool Knopftasten::eventFilter(QObject* empfaenger, QEvent* ereignis) {
    if (ereignis->type() != QEvent::KeyPress)
        return false;
    auto* taste = static_cast<QKeyEvent*>(ereignis);
    if (taste->key() != Qt::Key_Return && taste->key() != Qt::Key_Enter)
        return false;
    // mit Strg, Alt oder Umschalt meint die Taste etwas anderes
    if ((taste->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // Tastenereignisse gehen an das Steuerelement mit der Tastatur
    auto* knopf = qobject_cast<QPushButton*>(empfaenger);
    if (!knopf || !knopf->isVisible() || !knopf->isEnabled())
        return false;
    // Eine gehaltene Taste drückt einmal, nicht auch noch die Knöpfe der nächsten Fenster.
    if (!taste->isAutoRepeat())
        knopf->click();
    return true;
}

} // namespace varku
