#include "data/grafik/Zierrat.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace varku {

void zeichneStern(QPainter& p, const QPointF& mitte, qreal radius, qreal drehungGrad) {
    QPainterPath stern;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? radius : radius * 0.48;
        const qreal w = qDegreesToRadians(drehungGrad - 90 + i * 36);
        const QPointF punkt = mitte + QPointF(r * qCos(w), r * qSin(w));
        if (i == 0)
            stern.moveTo(punkt);
        else
            stern.lineTo(punkt);
    }
    stern.closeSubpath();

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient licht(mitte - QPointF(radius * 0.3, radius * 0.3), radius * 1.2);
    licht.setColorAt(0, QColor(0xff, 0xf1, 0x9a));
    licht.setColorAt(1, QColor(0xf9, 0xc8, 0x2e));
    // breiter runder Rand macht die Spitzen weich
    QPen rand(QColor(0xe8, 0xa5, 0x1c), radius * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(rand);
    p.setBrush(licht);
    p.drawPath(stern);
    p.restore();
}

void zeichneBleistift(QPainter& p, const QPointF& spitze, qreal winkelGrad, qreal laenge,
                      qreal dicke) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(spitze);
    p.rotate(winkelGrad);
    // ab hier liegt der Stift auf der x-Achse, Spitze im Ursprung
    const qreal h = dicke / 2;
    const qreal kegel = dicke * 1.5;
    const qreal mine = kegel * 0.33;
    const qreal zwinge = dicke * 0.75;
    const qreal gummi = dicke * 0.8;
    const qreal schaft = laenge - kegel - zwinge - gummi;
    const QColor linie(0x5a, 0x3d, 0x2b);
    const QPen umriss(linie, qMax<qreal>(1.0, dicke * 0.07), Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin);

    // Holzkegel mit Mine
    QPainterPath holz;
    holz.moveTo(0, 0);
    holz.lineTo(kegel, -h);
    holz.lineTo(kegel, h);
    holz.closeSubpath();
    p.setPen(umriss);
    p.setBrush(QColor(0xf6, 0xd6, 0xa8));
    p.drawPath(holz);
    QPainterPath spitzeMine;
    spitzeMine.moveTo(0, 0);
    spitzeMine.lineTo(mine, -h * mine / kegel);
    spitzeMine.lineTo(mine, h * mine / kegel);
    spitzeMine.closeSubpath();
    p.setBrush(QColor(0x45, 0x45, 0x52));
    p.drawPath(spitzeMine);

    // Schaft in drei Streifen
    const QRectF schaftRect(kegel, -h, schaft, dicke);
    QLinearGradient lack(0, -h, 0, h);
    lack.setColorAt(0, QColor(0xff, 0xd8, 0x4d));
    lack.setColorAt(0.33, QColor(0xff, 0xd8, 0x4d));
    lack.setColorAt(0.34, QColor(0xf6, 0xb8, 0x26));
    lack.setColorAt(0.66, QColor(0xf6, 0xb8, 0x26));
    lack.setColorAt(0.67, QColor(0xe4, 0x98, 0x18));
    lack.setColorAt(1, QColor(0xe4, 0x98, 0x18));
    p.setBrush(lack);
    p.drawRect(schaftRect);

    // Metallzwinge und Radiergummi
    const QRectF zwingeRect(kegel + schaft, -h, zwinge, dicke);
    QLinearGradient metall(0, -h, 0, h);
    metall.setColorAt(0, QColor(0xe9, 0xec, 0xf0));
    metall.setColorAt(0.5, QColor(0xb4, 0xbb, 0xc4));
    metall.setColorAt(1, QColor(0x8e, 0x96, 0xa1));
    p.setBrush(metall);
    p.drawRect(zwingeRect);
    p.setPen(QPen(QColor(0x7d, 0x85, 0x90), qMax<qreal>(1.0, dicke * 0.06)));
    for (int i = 1; i < 3; ++i) {
        const qreal x = zwingeRect.left() + zwinge * i / 3.0;
        p.drawLine(QPointF(x, -h), QPointF(x, h));
    }
    QPainterPath gummiPfad;
    gummiPfad.addRoundedRect(QRectF(kegel + schaft + zwinge, -h, gummi, dicke), dicke * 0.3,
                             dicke * 0.3);
    QPainterPath gummiEcke;
    gummiEcke.addRect(QRectF(kegel + schaft + zwinge, -h, gummi / 2, dicke));
    p.setPen(umriss);
    p.setBrush(QColor(0xf2, 0x8f, 0xa5));
    p.drawPath(gummiPfad.united(gummiEcke));
    p.restore();
}

void zeichneWolke(QPainter& p, const QPointF& mitte, qreal breite, const QColor& farbe) {
    const qreal b = breite;
    QPainterPath wolke;
    wolke.addEllipse(mitte + QPointF(-0.28 * b, 0.02 * b), 0.22 * b, 0.16 * b);
    wolke.addEllipse(mitte + QPointF(-0.05 * b, -0.08 * b), 0.24 * b, 0.22 * b);
    wolke.addEllipse(mitte + QPointF(0.2 * b, -0.02 * b), 0.2 * b, 0.17 * b);
    wolke.addEllipse(mitte + QPointF(0.33 * b, 0.05 * b), 0.15 * b, 0.11 * b);
    wolke.setFillRule(Qt::WindingFill);
    QPainterPath unten;
    unten.addRect(QRectF(mitte.x() - b, mitte.y() + 0.1 * b, 2 * b, b));
    wolke = wolke.simplified().subtracted(unten);

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawPath(wolke);
    p.restore();
}

} // namespace varku
