#pragma once

#include <QPixmap>

namespace varku {

// Bilder der kleinen Fenster, zur Laufzeit gezeichnet
QPixmap meldungsSymbol(int groesse); // gelber Kreis mit "i"
QPixmap frageSymbol(int groesse);    // blauer Kreis mit "?"

} // namespace varku
