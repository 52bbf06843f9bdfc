#pragma once

#include "platform/HilfeEngine.h"

namespace varku {

// Öffnet eine vorhandene Hilfedatei mit dem Betrachter des Desktops.
class EchteHilfeEngine : public HilfeEngine {
public:
    bool oeffne(const QString& datei, int befehl, long kontext) override;
    void schliesseAlle(const QString& datei) override;
};

} // namespace varku
