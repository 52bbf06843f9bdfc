#pragma once

#include <QString>

namespace varku {

// Die Hilfe: eine Hilfedatei beim Standardthema oder bei einer Kontextnummer öffnen,
// alle Fenster einer Hilfedatei schließen.
class HilfeEngine {
public:
    // Befehle wie im Hilfesystem
    enum Befehl : int { Standardthema = 0, Kontext = 15, AlleSchliessen = 18 };

    virtual ~HilfeEngine() = default;
    // false, wenn die Datei fehlt; der Aufrufer meldet es
    virtual bool oeffne(const QString& datei, int befehl, long kontext) = 0;
    virtual void schliesseAlle(const QString& datei) = 0;
};

} // namespace varku
