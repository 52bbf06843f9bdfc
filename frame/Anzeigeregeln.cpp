#include "frame/Anzeigeregeln.h"

#include <cmath>

namespace varku {

QString formatiereAnzahl(long anzahl) {
    if (anzahl > 9999)
        anzahl = 9999;
    if (anzahl < 0)
        anzahl = 0;
    return QStringLiteral("%1").arg(anzahl, 4, 10, QLatin1Char('0'));
}

QString formatiereZeit(double sekunden) {
    if (sekunden > 99.99)
        sekunden = 99.99;
    // eine Zeit über Mitternacht kann negativ werden; sie zeigt dann null
    if (!(sekunden >= 0))
        sekunden = 0;
    QString s = QString::asprintf("%05.2f", sekunden);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

QString zaehlerZiffern(const QString& text) {
    QString s = text;
    s.remove(QLatin1Char(','));
    return s.left(4);
}

int kontextGroesse(double wortGroesse) {
    return int(std::floor(wortGroesse / 2.5));
}

WortAnordnung ordneWortAn(double kontextLinks, double kontextBreite, bool mitKontext,
                          double lesenBreite, double schreibenBreite) {
    WortAnordnung a;
    a.wortLinks = mitKontext ? kontextLinks + kontextBreite + 150 : kontextLinks + 400;
    a.wortBreite = lesenBreite - kontextBreite - 400;
    a.feldBreite = schreibenBreite - kontextBreite - 450;
    if (!mitKontext)
        a.feldBreite -= 250;
    return a;
}

double kontextOben(double wortOben, double wortHoehe, double kontextHoehe) {
    return wortOben + wortHoehe - kontextHoehe - 20;
}

Lupenrechteck berechneLupe(double wortLinks, double breiteDavor, double breiteDerStelle) {
    return {wortLinks + breiteDavor - 20, breiteDerStelle + 40};
}

} // namespace varku
