#include "foundation/Hilfe.h"

#include "foundation/Global.h"
#include "foundation/HilfeKontext.h"
#include "foundation/MldFenster.h"
#include "platform/Dienste.h"

#include <QFileInfo>

namespace varku {

void oeffneHilfe(const QString& datei, int befehl, long kontext) {
    if (dienste::hilfe().oeffne(imProgrammordner(datei), befehl, kontext))
        return;
    Meldungstext = QStringLiteral("Die Hilfedatei ") + QFileInfo(datei).fileName() +
                   QStringLiteral("\rist auf diesem Computer nicht vorhanden.");
    zeigeMeldung(Meldungstext, QStringLiteral("&OK"), QString(), QStringLiteral("Hilfe"));
}

void schliesseHilfe(const QString& datei) {
    dienste::hilfe().schliesseAlle(imProgrammordner(datei));
}

void zeigeHilfeZumSchwerpunkt() {
    oeffneHilfe(QStringLiteral("Ruvo.chm"), HilfeEngine::Kontext, HilfeKontext);
}

} // namespace varku
