#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <future>

namespace varku {

// Lädt ein Bild aus ProgPfad/Grafik, ohne Rücksicht auf Groß- und Kleinschreibung des Namens;
// ein fehlendes Bild gibt ein leeres.
QPixmap ladeBild(const QString& name);

// Dasselbe in einem eigenen Faden: für ein Bild, das ein Fenster beim Start braucht, während der
// Fensterfaden noch anderes baut. Ein QImage, denn ein QPixmap entsteht nur im Fensterfaden.
std::shared_future<QImage> ladeBildImHintergrund(const QString& name);

} // namespace varku
