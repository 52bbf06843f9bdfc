#include "data/grafik/Kachelfarben.h"

namespace varku {

const QList<QColor>& kachelPalette() {
    static const QList<QColor> palette{
        QColor(0xf2, 0x7b, 0x6d), // Tomate
        QColor(0xf8, 0xa3, 0x4e), // Orange
        QColor(0xf7, 0xd1, 0x4c), // Sonnengelb
        QColor(0xa9, 0xd6, 0x5c), // Limette
        QColor(0x6e, 0xcf, 0xa6), // Minze
        QColor(0x62, 0xc7, 0xd3), // Türkis
        QColor(0x74, 0xb4, 0xee), // Himmelblau
        QColor(0xab, 0x9d, 0xeb), // Lavendel
        QColor(0xf2, 0x95, 0xc2), // Rosa
    };
    return palette;
}

QColor leereKachelFarbe() {
    return QColor(0xb8, 0xbd, 0xc4);
}

bool istLeereKachel(const QString& datei) {
    return datei.compare(QLatin1String("BST_NULL.gif"), Qt::CaseInsensitive) == 0;
}

quint32 namensHash(const QString& name) {
    quint32 h = 2166136261u;
    for (const char c : name.toUtf8()) {
        h ^= quint8(c);
        h *= 16777619u;
    }
    return h;
}

QList<QColor> kachelFarben(const QStringList& dateien) {
    const QList<QColor>& palette = kachelPalette();
    const quint32 n = quint32(palette.size());
    QList<QColor> farben;
    int vorige = -1;
    for (const QString& datei : dateien) {
        if (istLeereKachel(datei)) {
            farben.append(leereKachelFarbe());
            vorige = -1;
            continue;
        }
        const quint32 h = namensHash(datei);
        int nr = int(h % n);
        // gleiche Farbe wie der Nachbar: um 1 bis n-1 weiterrücken
        if (nr == vorige)
            nr = int((quint32(nr) + 1 + (h / n) % (n - 1)) % n);
        farben.append(palette[nr]);
        vorige = nr;
    }
    return farben;
}

} // namespace varku
