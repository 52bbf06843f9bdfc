#include "data/woerter/Fehler.h"

namespace varku {

QString alsMeldung(const Fehler& f) {
    // alle Teile auf einmal: ein "%1" in Pfad oder Text bleibt, wie es ist
    if (f.zeile > 0)
        return QStringLiteral("%1:%2: %3").arg(f.datei, QString::number(f.zeile), f.text);
    return QStringLiteral("%1: %2").arg(f.datei, f.text);
}

} // namespace varku
