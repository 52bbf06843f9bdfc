#pragma once

#include <QString>
#include <QStringList>

namespace varku {

// Ein Programm starten und auf sein Ende warten: mit einer Liste von Argumenten, nie über eine
// Shell. Während des Wartens zeichnen sich die Fenster neu, nehmen aber keine Eingaben.
class Prozess {
public:
    virtual ~Prozess() = default;
    // false, wenn das Programm nicht startet; dann kehrt der Aufruf sofort zurück
    virtual bool starteUndWarte(const QString& programm, const QStringList& argumente) = 0;
};

} // namespace varku
