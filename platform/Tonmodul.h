#pragma once

#include "platform/SoundGeraet.h"
#include "platform/Sprachausgabe.h"

#include <QString>

namespace varku {

// Klanggerät und Sprachausgabe brauchen Qt Multimedia und espeak-ng, und beide ziehen beim Start
// gut dreißig Bibliotheken nach. Darum liegen sie in einem eigenen Modul im Programmordner, das
// erst geladen wird, wenn ein Programm Ton braucht, oder vorher im Hintergrund, wenn die ersten
// Fenster schon stehen.
namespace tonmodul {

// So heißt das Modul im Programmordner.
inline const QString dateiName = QStringLiteral("VarkuTon.so");

// Was das Modul anbietet. Die Fassung hält ein Modul aus einem anderen Bau fern.
struct Einstieg {
    int fassung;
    // espeak-ng einrichten und die Stimmen lesen; darf in einem anderen Faden laufen
    void (*bereiteVor)();
    // melde: wohin Gerät und Ausgabe melden, was mangels Tonausgabe nicht zu hören ist
    SoundGeraet* (*neuesSoundGeraet)(void (*melde)());
    Sprachausgabe* (*neueSprachausgabe)(void (*melde)());
};
inline constexpr int fassung = 1;

// So heißt die Funktion im Modul, die den Einstieg gibt: extern "C" const Einstieg* ...()
inline constexpr const char* einstiegName = "varkuTonmodul";

// Lädt das Modul aus dem Ordner und bereitet es vor; nullptr, wenn es fehlt, nicht lädt oder
// nicht passt (der Grund steht dann auf stderr). Ein Modul wird nie wieder entladen.
const Einstieg* lade(const QString& ordner);

// Wo das Modul dieses Programms liegt (der Programmordner).
void setzeOrdner(const QString& ordner);
// Beginnt das Laden in einem eigenen Faden und kehrt sofort zurück; ein zweiter Aufruf tut nichts,
// ebenso einer ohne gesetzten Ordner.
void ladeImHintergrund();
// Das Modul des Programms: wartet auf das Laden im Hintergrund oder lädt jetzt, einmal je
// Prozess. nullptr wie bei lade.
const Einstieg* einstieg();

} // namespace tonmodul
} // namespace varku
