#pragma once

#include <QImage>

namespace varku {

// Die festen Bilder des Programms, jeweils in ihrer Programmgröße

QImage varkuLogo();        // 480 x 300, "VARKU" aus Bausteinen
QImage varkuHintergrund(); // 1600 x 1000, ruhiger Himmel hinter allen Fenstern
QImage willkommenBild();   // 320 x 240, die Eule mit Buch
QImage infoBild();         // 160 x 160, Eulenkopf für das Info-Fenster

} // namespace varku
