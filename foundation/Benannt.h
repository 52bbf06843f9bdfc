#pragma once

#include <QObject>
#include <QString>

namespace varku {

// Ein Steuerelement mit seinem Namen, wie Tests und Zugriffstasten es finden
template <typename W> W* benannt(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace varku
