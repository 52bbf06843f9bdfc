#include "foundation/Twips.h"

#include <QFontMetricsF>
#include <QWidget>

namespace varku {

void setzeTwips(QWidget& w, double links, double oben, double breite, double hoehe) {
    w.setGeometry(px(links), px(oben), px(breite), px(hoehe));
}

QRectF rechteckTwips(const QWidget& w) {
    const QRect g = w.geometry();
    return QRectF(twips(g.x()), twips(g.y()), twips(g.width()), twips(g.height()));
}

double textBreite(const QFont& schrift, const QString& text) {
    return QFontMetricsF(schrift).horizontalAdvance(text) * twipsJePixel;
}

double textHoehe(const QFont& schrift) {
    return QFontMetricsF(schrift).height() * twipsJePixel;
}

QString alsAnzeigeText(const QString& text) {
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

} // namespace varku
