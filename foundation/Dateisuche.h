#pragma once

#include <QString>

namespace varku {

// Sucht eine Datei im Ordner ohne Rücksicht auf Groß- und Kleinschreibung ihres Namens, wie auf
// dem Dateisystem, für das Bilder und Klänge benannt sind. Gibt den Pfad der gefundenen Datei
// zurück, den Pfad mit dem gesuchten Namen, wenn keine passt.
QString findeDatei(const QString& ordner, const QString& name);

// true, wenn es die Datei mit genau diesem Namen gibt
bool dateiGenauVorhanden(const QString& ordner, const QString& name);

} // namespace varku
