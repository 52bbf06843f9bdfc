#include "data/woerter/WaveNamen.h"

#include <QSet>

namespace varku {

QString waveGrundname(const QString& wort) {
    QString name;
    name.reserve(wort.size() + 4);
    for (const QChar z : wort) {
        switch (z.unicode()) {
        case u'ä':
            name += QLatin1String("ae");
            break;
        case u'ö':
            name += QLatin1String("oe");
            break;
        case u'ü':
            name += QLatin1String("ue");
            break;
        case u'Ä':
            name += QLatin1String("Ae");
            break;
        case u'Ö':
            name += QLatin1String("Oe");
            break;
        case u'Ü':
            name += QLatin1String("Ue");
            break;
        case u'ß':
            name += QLatin1String("ss");
            break;
        default:
            name += z;
        }
    }
    return name;
}

void vergebeWaveNamen(QList<Worteintrag>& woerter) {
    // Dateisysteme unter Windows unterscheiden die Schreibung nicht
    QSet<QString> vergeben;
    for (Worteintrag& e : woerter) {
        const QString name = waveGrundname(e.wort);
        const QString schluessel = name.toLower();
        if (vergeben.contains(schluessel)) {
            e.waveDat = name + QLatin1Char('_') + QString::number(e.refNr);
        } else {
            e.waveDat = name;
            vergeben.insert(schluessel);
        }
    }
}

} // namespace varku
