#pragma once

#include <functional>
#include <memory>
#include <vector>

namespace varku {

class VarkuForm;

// Was nach "OK" in der Begrüßung sofort stehen soll, bereitet der Start vor, während das Logo
// steht: das Hauptfenster (noch ohne zu laden), Schwerpunktdialog und Spielerliste (noch ohne
// Listen), jedes einmal unsichtbar gezeichnet, damit Stil, Schriften und Bilder bereitliegen,
// und die Tonausgabe. Das sind die Schritte, jeder kurz, damit die Schleife dazwischen atmen
// kann. Sie ändern nichts, was man sieht oder hört; geladen wird erst nach "OK", in der
// Reihenfolge wie immer.
std::vector<std::function<void()>> vorbereitung(std::unique_ptr<VarkuForm>& hauptfenster);

// Der Ablauf beim Start: Hintergrund, Logo, Begrüßung, dann das Hauptfenster bis zum Ende.
int Main();

} // namespace varku
