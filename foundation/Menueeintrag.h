#pragma once

#include "platform/Rand.h"

#include <QAction>
#include <QMenu>

namespace varku {

// Ein Eintrag am Ende des Menüs mit seinem Namen, wie Tests und Zugriffstasten ihn finden; wer
// ihn wählt, löst die Behandlung des Fensters aus, am Rand
template <typename Fenster, typename Slot>
QAction* menueEintrag(QMenu* menue, const char* name, const QString& text, Fenster* fenster,
                      Slot slot) {
    QAction* a = menue->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    verbinde(a, &QAction::triggered, fenster, slot);
    return a;
}

} // namespace varku
