#pragma once

#include <functional>

namespace varku {

// Der Rahmen jedes main: Anwendung anlegen, echte Dienste einsetzen, ProgPfad setzen, das
// Hauptprogramm ausführen. Ein Laufzeitfehler zeigt das Meldungsfenster "Laufzeitfehler" und
// beendet das Programm mit Code 1.
int fuehreProgrammAus(int argc, char** argv, const std::function<int()>& hauptprogramm);

} // namespace varku
