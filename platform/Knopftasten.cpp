#include "platform/Knopftasten.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QRegularExpression>

namespace varku {

namespace {

// der sichtbare, freigegebene Knopf im Fenster des Empfängers, dessen unterstrichener Buchstabe
// zu Alt und dieser Taste gehört; nullptr, wenn es keinen oder mehrere gibt
QAbstractButton* knopfZuAltTaste(QObject* empfaenger, const QKeyEvent& taste) {
    if ((taste.modifiers() & ~Qt::ShiftModifier) != Qt::AltModifier)
        return nullptr;
    auto* w = qobject_cast<QWidget*>(empfaenger);
    if (!w)
        return nullptr;
    const QString zeichen = QKeySequence(taste.key()).toString().toLower();
    if (zeichen.size() != 1 || !zeichen.at(0).isLetter())
        return nullptr;
    QAbstractButton* gefunden = nullptr;
    for (QAbstractButton* k : w->window()->findChildren<QAbstractButton*>()) {
        if (!k->isVisible() || !k->isEnabled() || k->window() != w->window())
            continue;
        const QString text = k->text();
        const qsizetype amp = text.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
        if (amp < 0 || text.at(amp + 1).toLower() != zeichen.at(0))
            continue;
        if (gefunden)
            return nullptr;
        gefunden = k;
    }
    return gefunden;
}

} // namespace

bool Knopftasten::eventFilter(QObject* empfaenger, QEvent* ereignis) {
    if (ereignis->type() == QEvent::ShortcutOverride) {
        // vor den Tastenkürzeln: gehört Alt und die Taste einem Knopf, kommt sie als Taste an
        if (knopfZuAltTaste(empfaenger, *static_cast<QKeyEvent*>(ereignis))) {
            ereignis->accept();
            return true;
        }
        return false;
    }
    if (ereignis->type() != QEvent::KeyPress)
        return false;
    auto* taste = static_cast<QKeyEvent*>(ereignis);
    if (QAbstractButton* knopf = knopfZuAltTaste(empfaenger, *taste)) {
        if (!taste->isAutoRepeat())
            knopf->animateClick();
        return true;
    }
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
