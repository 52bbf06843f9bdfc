#pragma once

#include <QString>

namespace varku {

// Öffnet eine Hilfedatei des Programmordners (Befehl 0: Standardthema, 15: Kontext).
// Fehlt die Datei, sagt eine Meldung es.
void oeffneHilfe(const QString& datei, int befehl, long kontext = 0);
// Befehl 18: alle Fenster der Hilfedatei schließen
void schliesseHilfe(const QString& datei);
// Hilfe zum aktuellen Übungsschwerpunkt (Menü "Übungsschwerpunkt ...")
void zeigeHilfeZumSchwerpunkt();

} // namespace varku
