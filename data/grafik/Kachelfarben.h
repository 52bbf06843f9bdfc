#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

namespace varku {

// Fröhliche, nicht zu dunkle Farben, auf denen dunkle Buchstaben gut lesbar bleiben.
const QList<QColor>& kachelPalette();
QColor leereKachelFarbe();

// BST_NULL.gif ist die graue Kachel mit "?"
bool istLeereKachel(const QString& datei);

// FNV-1a über UTF-8: gleich auf jedem Rechner und bei jedem Lauf.
quint32 namensHash(const QString& name);

// Farbe je Bildname in Listenreihenfolge; aufeinanderfolgende Kacheln bekommen nie
// dieselbe Farbe.
QList<QColor> kachelFarben(const QStringList& dateien);

} // namespace varku
