#include "data/grafik/Eule.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace varku {

namespace {

// Farben der Eule
const QColor gefieder(0xb0, 0x72, 0x3f);
const QColor gefiederDunkel(0x8a, 0x55, 0x2c);
const QColor gesichtHell(0xf4, 0xd3, 0x9c);
const QColor bauchHell(0xf8, 0xe6, 0xc0);
const QColor schnabelGelb(0xf7, 0xa8, 0x2f);
const QColor augeDunkel(0x3b, 0x2a, 0x22);
const QColor linie(0x5e, 0x3a, 0x1e);

QPen umriss(qreal breite = 2.2) {
    return QPen(linie, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Zeichenfläche auf die Entwurfsgröße bringen, mittig und unverzerrt
void aufEntwurf(QPainter& p, const QRectF& rahmen, const QSizeF& entwurf) {
    const qreal f = qMin(rahmen.width() / entwurf.width(), rahmen.height() / entwurf.height());
    p.translate(rahmen.center());
    p.scale(f, f);
    p.translate(-entwurf.width() / 2, -entwurf.height() / 2);
}

void federohr(QPainter& p, bool links) {
    QPainterPath ohr;
    const qreal s = links ? 1 : -1;
    const qreal x0 = links ? 0 : 200;
    ohr.moveTo(x0 + s * 38, 62);
    ohr.quadTo(x0 + s * 30, 30, x0 + s * 40, 8);
    ohr.quadTo(x0 + s * 62, 28, x0 + s * 82, 44);
    ohr.closeSubpath();
    p.setPen(umriss());
    p.setBrush(gefiederDunkel);
    p.drawPath(ohr);
}

// Gesichtsscheibe, Augen, Brauen, Schnabel und Wangen; Kopfmitte bei (100, 95)
void gesicht(QPainter& p) {
    QPainterPath scheibe;
    scheibe.addEllipse(QPointF(72, 92), 41, 39);
    scheibe.addEllipse(QPointF(128, 92), 41, 39);
    scheibe = scheibe.simplified();
    p.setPen(Qt::NoPen);
    p.setBrush(gesichtHell);
    p.drawPath(scheibe);

    // Wangen
    p.setBrush(QColor(0xf5, 0x9a, 0x8a, 150));
    p.drawEllipse(QPointF(50, 118), 11, 7);
    p.drawEllipse(QPointF(150, 118), 11, 7);

    for (const qreal x : {72.0, 128.0}) {
        const qreal blick = x < 100 ? 3 : -1; // Blick leicht zur Mitte
        p.setPen(umriss(2.4));
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x, 90), 26, 26);
        p.setPen(Qt::NoPen);
        QRadialGradient iris(QPointF(x + blick - 3, 89), 17);
        iris.setColorAt(0, QColor(0x7a, 0x4a, 0x24));
        iris.setColorAt(1, augeDunkel);
        p.setBrush(iris);
        p.drawEllipse(QPointF(x + blick, 93), 15.5, 16.5);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x + blick - 5, 86), 5.5, 5.5);
        p.drawEllipse(QPointF(x + blick + 5, 100), 2.4, 2.4);
        // Braue, freundlich gehoben
        QPainterPath braue;
        braue.moveTo(x - 20, 58);
        braue.quadTo(x, 46, x + 20, 58);
        p.setPen(QPen(gefiederDunkel, 4.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(braue);
    }

    // Schnabel
    QPainterPath schnabel;
    schnabel.moveTo(89, 110);
    schnabel.quadTo(100, 104, 111, 110);
    schnabel.quadTo(106, 124, 100, 131);
    schnabel.quadTo(94, 124, 89, 110);
    p.setPen(umriss(2));
    QLinearGradient gelb(QPointF(100, 104), QPointF(100, 131));
    gelb.setColorAt(0, schnabelGelb.lighter(115));
    gelb.setColorAt(1, schnabelGelb.darker(110));
    p.setBrush(gelb);
    p.drawPath(schnabel);

    // Lächeln unter dem Schnabel
    QPainterPath mund;
    mund.moveTo(84, 124);
    mund.quadTo(100, 142, 116, 124);
    p.setPen(QPen(linie, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mund);
}

void buch(QPainter& p) {
    // Einband hinter den Seiten
    QPainterPath einband;
    einband.moveTo(36, 186);
    einband.lineTo(100, 196);
    einband.lineTo(164, 186);
    einband.lineTo(168, 228);
    einband.lineTo(100, 238);
    einband.lineTo(32, 228);
    einband.closeSubpath();
    p.setPen(umriss());
    p.setBrush(QColor(0x4f, 0x8f, 0xd9));
    p.drawPath(einband);

    for (const qreal s : {-1.0, 1.0}) {
        QPainterPath seite;
        seite.moveTo(100, 196);
        seite.quadTo(100 + s * 30, 180, 100 + s * 60, 184);
        seite.lineTo(100 + s * 63, 223);
        seite.quadTo(100 + s * 30, 220, 100, 233);
        seite.closeSubpath();
        p.setPen(umriss(1.8));
        p.setBrush(QColor(0xff, 0xfb, 0xf0));
        p.drawPath(seite);
        // Zeilen
        p.setPen(QPen(QColor(0x9a, 0xb4, 0xd6), 2, Qt::SolidLine, Qt::RoundCap));
        for (int z = 0; z < 4; ++z) {
            const qreal y = 198 + z * 7.5;
            const qreal laenge = z == 3 ? 26 : 42;
            QPainterPath zeile;
            zeile.moveTo(100 + s * 10, y + 3);
            zeile.quadTo(100 + s * 25, y - 3, 100 + s * (10 + laenge), y - 1);
            p.drawPath(zeile);
        }
    }
}

} // namespace

void zeichneEule(QPainter& p, const QRectF& rahmen) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    aufEntwurf(p, rahmen, QSizeF(200, 248));

    federohr(p, true);
    federohr(p, false);

    // Körper als Ei
    QPainterPath koerper;
    koerper.moveTo(100, 22);
    koerper.cubicTo(160, 22, 184, 80, 182, 140);
    koerper.cubicTo(180, 200, 150, 240, 100, 240);
    koerper.cubicTo(50, 240, 20, 200, 18, 140);
    koerper.cubicTo(16, 80, 40, 22, 100, 22);
    QRadialGradient fell(QPointF(80, 80), 170);
    fell.setColorAt(0, gefieder.lighter(115));
    fell.setColorAt(1, gefieder.darker(110));
    p.setPen(umriss(2.6));
    p.setBrush(fell);
    p.drawPath(koerper);

    // Bauch mit Federbögen
    p.setPen(Qt::NoPen);
    p.setBrush(bauchHell);
    p.drawEllipse(QPointF(100, 182), 52, 50);
    p.setPen(QPen(QColor(0xd9, 0xae, 0x74), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int reihe = 0; reihe < 2; ++reihe) {
        const qreal y = 150 + reihe * 13;
        for (int i = -2; i <= 2; ++i) {
            const qreal x = 100 + i * 16 + (reihe % 2) * 8;
            if (reihe == 1 && i == 2)
                continue;
            QPainterPath bogen;
            bogen.moveTo(x - 6, y);
            bogen.quadTo(x, y + 7, x + 6, y);
            p.drawPath(bogen);
        }
    }

    gesicht(p);
    buch(p);

    // Flügel halten das Buch von der Seite
    for (const qreal s : {-1.0, 1.0}) {
        QPainterPath fluegel;
        fluegel.moveTo(100 + s * 78, 118);
        fluegel.cubicTo(100 + s * 96, 150, 100 + s * 90, 195, 100 + s * 58, 214);
        fluegel.cubicTo(100 + s * 62, 188, 100 + s * 64, 150, 100 + s * 78, 118);
        p.setPen(umriss());
        p.setBrush(gefiederDunkel);
        p.drawPath(fluegel);
    }

    // Füße
    p.setPen(umriss(1.8));
    p.setBrush(schnabelGelb);
    for (const qreal x : {78.0, 122.0})
        for (const qreal d : {-7.0, 0.0, 7.0})
            p.drawEllipse(QPointF(x + d, 240), 4.5, 6);
    p.restore();
}

void zeichneEulenKopf(QPainter& p, const QRectF& rahmen) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    aufEntwurf(p, rahmen, QSizeF(200, 160));
    p.translate(0, 6);

    federohr(p, true);
    federohr(p, false);
    QPainterPath kopf;
    kopf.moveTo(100, 24);
    kopf.cubicTo(165, 24, 188, 70, 186, 100);
    kopf.cubicTo(184, 135, 150, 150, 100, 150);
    kopf.cubicTo(50, 150, 16, 135, 14, 100);
    kopf.cubicTo(12, 70, 35, 24, 100, 24);
    QRadialGradient fell(QPointF(80, 60), 140);
    fell.setColorAt(0, gefieder.lighter(115));
    fell.setColorAt(1, gefieder.darker(110));
    p.setPen(umriss(2.6));
    p.setBrush(fell);
    p.drawPath(kopf);
    gesicht(p);
    p.restore();
}

} // namespace varku
