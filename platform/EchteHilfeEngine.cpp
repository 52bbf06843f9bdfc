#include "platform/EchteHilfeEngine.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace varku {

bool EchteHilfeEngine::oeffne(const QString& datei, int befehl, long) {
    if (befehl == AlleSchliessen)
        return true;
    if (!QFileInfo(datei).isFile())
        return false;
    // Der Betrachter kennt keine Kontextnummern: er zeigt die Datei vom Anfang an.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(datei));
}

void EchteHilfeEngine::schliesseAlle(const QString&) {
    // Ein fremder Betrachter lässt sich nicht schließen; er gehört dem Desktop.
}

} // namespace varku
