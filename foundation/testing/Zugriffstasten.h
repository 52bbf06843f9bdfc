#pragma once

#include <string>

class QMainWindow;
class QWidget;

namespace varku::test {

class FakeAnzeige;

// Die Zugriffstasten eines Fensters, die mehr als ein sichtbares Steuerelement haben, je eine
// Zeile "Alt+D: &Datei, &drehen"; leer, wenn jede nur einmal vorkommt (als std::string, damit
// ein Test sie lesbar zeigt). Zum Fenster gehören
// seine Knöpfe, Haken und Optionen, Beschriftungen mit Partner, Rahmen mit Titel und die
// Titel seiner Menüleiste; die Einträge jedes Menüs sind unter sich. Gesperrte zählen mit: was
// jetzt gesperrt ist, ist es im nächsten Zug nicht mehr.
std::string doppelteZugriffstasten(QWidget& fenster);

// Dasselbe für das Hauptfenster und jedes Fenster, das einer seiner freigegebenen Menüeinträge
// modal zeigt, mit dem Titel des Fensters davor. Jedes wird ohne Folgen verlassen: mit "nein",
// "abbrechen" oder "OK".
std::string doppelteZugriffstastenMitMenues(QMainWindow& fenster, FakeAnzeige& anzeige);

} // namespace varku::test
