#pragma once

#include <functional>

namespace varku {

// Der Rahmen jedes main: Anwendung anlegen, echte Dienste einsetzen, ProgPfad setzen, das
// Hauptprogramm ausführen (fuehreAus).
int fuehreProgrammAus(int argc, char** argv, const std::function<int()>& hauptprogramm);

// Stil und Schrift, in denen jedes Programm seine Fenster zeigt
void setzeProgrammschrift();

// Führt das Hauptprogramm in der schon angelegten Anwendung aus und baut danach die Fenster und
// Dienste ab. Ein Laufzeitfehler zeigt das Meldungsfenster "Laufzeitfehler"; danach werden alle
// Schleifen verlassen, kein Fenster öffnet sich mehr, das Aufräumen läuft und das Ergebnis ist 1.
int fuehreAus(const std::function<int()>& hauptprogramm);

// Der Hinweis, dass dieser Rechner keine Tonausgabe hat; fuehreProgrammAus lässt ihn beim ersten
// stummen Klang zeigen.
void zeigeOhneTonHinweis();

// Qt malt große Flächen von hier an mit nur einem Helferfaden (siehe Programmstart.cpp);
// fuehreProgrammAus ruft es nach dem ersten Bild.
void malMitEinemHelfer();

// Was nach einem Laufzeitfehler aufzuräumen ist (das reguläre Ende räumt selbst auf); es läuft
// einmal, nachdem die Fenster abgebaut sind.
void setzeAufraeumen(std::function<void()> aufraeumen);

} // namespace varku
