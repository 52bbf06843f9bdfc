#pragma once

#include <QRadioButton>
#include <vector>

namespace varku {

// Tab betritt eine Gruppe von Optionsfeldern an ihrer gewählten Option und verlässt sie mit dem
// nächsten Tab; in der Gruppe wählen die Pfeiltasten. Die übrigen Optionen nehmen den Fokus nur
// mit der Maus.
void tabNurAufGewaehlte(const std::vector<QRadioButton*>& gruppe);

} // namespace varku
