#include "data/woerter/Sprachliste.h"

#include <QSaveFile>

namespace varku {

QString sprechText(const Worteintrag& e) {
    const QString& gesprochen = e.wortTranskr.isEmpty() ? e.wort : e.wortTranskr;
    return e.hatKontext() ? e.kontext + QLatin1Char(' ') + gesprochen : gesprochen;
}

QByteArray sprachliste(const QList<Worteintrag>& woerter) {
    QByteArray liste;
    for (const Worteintrag& e : woerter)
        liste += (e.waveDat + QLatin1Char('\t') + sprechText(e) + QLatin1Char('\n')).toUtf8();
    return liste;
}

QString schreibeSprachliste(const QString& ziel, const QList<Worteintrag>& woerter) {
    QSaveFile datei(ziel);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(sprachliste(woerter)) < 0 ||
        !datei.commit())
        return QStringLiteral("%1 nicht geschrieben: %2").arg(ziel, datei.errorString());
    return {};
}

} // namespace varku
