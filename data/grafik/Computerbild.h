#pragma once

#include <QImage>
#include <QString>

namespace varku {

// Der Computer, der in den Spielen mitspielt: ein freundlicher kleiner Roboter mit einem
// Bildschirm als Gesicht, der winkt. Das Fenster, in dem er seinen Zug macht, zeigt ihn links
// neben "Bitte warten!"; um ihn herum ist das Bild durchsichtig.

constexpr int computerBildKante = 96; // 1440 Twips

QString computerBildName(); // "ComputerBild.png"
QImage computerBild();

} // namespace varku
