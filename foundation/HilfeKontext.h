#pragma once

#include <QString>

namespace varku {

// Der Hilfekontext des Übungsschwerpunkts in der Kategorienhilfe; 0 am Anfang.
extern long HilfeKontext;

// Hilfekontext der Kategorie nummer (1 bis 52); außerhalb bleibt der bisherige.
long hilfeKontextFuer(int nummer, long bisher);
// setzt HilfeKontext aus UebNr
void setzeHilfeKontext();

} // namespace varku
