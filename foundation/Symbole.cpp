#include "foundation/Symbole.h"

#include <QPainter>
#include <QRadialGradient>

namespace varku {

namespace {

QPixmap kreisMitZeichen(int g, QColor hell, QColor dunkel, const QString& zeichen) {
    QPixmap bild(g, g);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient verlauf(g * 0.35, g * 0.3, g * 0.8);
    verlauf.setColorAt(0, hell.lighter(130));
    verlauf.setColorAt(1, hell);
    p.setBrush(verlauf);
    p.setPen(QPen(dunkel, g / 16.0));
    p.drawEllipse(QRectF(g * 0.05, g * 0.05, g * 0.9, g * 0.9));
    QFont f(QStringLiteral("Andika"));
    f.setPixelSize(int(g * 0.62));
    f.setBold(true);
    p.setFont(f);
    p.setPen(dunkel);
    p.drawText(QRectF(0, 0, g, g), Qt::AlignCenter, zeichen);
    return bild;
}

} // namespace

QPixmap meldungsSymbol(int g) {
    return kreisMitZeichen(g, QColor(255, 214, 64), QColor(150, 90, 0), QStringLiteral("i"));
}

QPixmap frageSymbol(int g) {
    return kreisMitZeichen(g, QColor(120, 190, 255), QColor(20, 70, 150), QStringLiteral("?"));
}

} // namespace varku
