#include "data/grafik/Computerbild.h"

#include "data/grafik/Zierrat.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace varku {

namespace {

// Der Roboter im Entwurfsraster 200 x 200
void zeichneRoboter(QPainter& p) {
    const QColor blech(0x4f, 0x6f, 0x8f);
    const QColor koerper(0x2a, 0x9c, 0xa1);
    const QColor leuchten(0x7f, 0xe7, 0xff);

    // sein Schatten auf dem Boden
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QPointF(100, 193), 52, 6);

    // die Antenne mit ihrer Kugel und einem Funken
    p.setPen(QPen(blech, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(100, 42), QPointF(100, 22));
    QRadialGradient kugel(QPointF(96, 12), 12);
    kugel.setColorAt(0, QColor(0xff, 0xcc, 0x80));
    kugel.setColorAt(1, QColor(0xf4, 0x51, 0x1e));
    p.setPen(QPen(QColor(0xbf, 0x36, 0x0c), 2));
    p.setBrush(kugel);
    p.drawEllipse(QPointF(100, 16), 9, 9);
    zeichneStern(p, QPointF(130, 18), 8, 12);

    // die Ohren, zwei Schrauben an den Seiten
    p.setPen(QPen(blech.darker(130), 2.5));
    p.setBrush(QColor(0x90, 0xa4, 0xb8));
    p.drawRoundedRect(QRectF(29, 66, 16, 32), 6, 6);
    p.drawRoundedRect(QRectF(155, 66, 16, 32), 6, 6);

    // die Arme: der linke hängt, der rechte winkt
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(koerper.darker(140), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(58, 142), QPointF(38, 170));
    p.drawLine(QPointF(142, 142), QPointF(166, 112));
    p.setPen(QPen(koerper, 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(58, 142), QPointF(38, 170));
    p.drawLine(QPointF(142, 142), QPointF(166, 112));
    p.setPen(QPen(blech.darker(130), 2.5));
    p.setBrush(QColor(0xcf, 0xd8, 0xdc));
    p.drawEllipse(QPointF(35, 175), 8, 8);
    p.drawEllipse(QPointF(170, 106), 9, 9);
    // kleine Bögen zeigen das Winken
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(blech, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(170, 92, 14, 22), -40 * 16, 80 * 16);
    p.drawArc(QRectF(172, 86, 22, 34), -40 * 16, 80 * 16);

    // die Beine
    p.setPen(QPen(blech.darker(130), 2.5));
    p.setBrush(QColor(0x60, 0x7d, 0x8b));
    p.drawRoundedRect(QRectF(70, 176, 20, 16), 5, 5);
    p.drawRoundedRect(QRectF(110, 176, 20, 16), 5, 5);

    // der Hals und der Leib mit seinem Schaltfeld
    p.setBrush(QColor(0x90, 0xa4, 0xb8));
    p.drawRect(QRectF(88, 122, 24, 10));
    QLinearGradient leib(QPointF(0, 130), QPointF(0, 184));
    leib.setColorAt(0, koerper.lighter(140));
    leib.setColorAt(1, koerper);
    p.setPen(QPen(koerper.darker(150), 3));
    p.setBrush(leib);
    p.drawRoundedRect(QRectF(54, 130, 92, 52), 16, 16);
    p.setPen(QPen(koerper.darker(130), 2));
    p.setBrush(QColor(0xe0, 0xf7, 0xfa));
    p.drawRoundedRect(QRectF(70, 142, 60, 28), 8, 8);
    const QColor knoepfe[] = {QColor(0xe5, 0x39, 0x35), QColor(0xfd, 0xd8, 0x35),
                              QColor(0x43, 0xa0, 0x47)};
    for (int i = 0; i < 3; ++i) {
        QRadialGradient knopf(QPointF(82 + i * 18, 153), 8);
        knopf.setColorAt(0, knoepfe[i].lighter(150));
        knopf.setColorAt(1, knoepfe[i]);
        p.setPen(QPen(knoepfe[i].darker(140), 1.5));
        p.setBrush(knopf);
        p.drawEllipse(QPointF(84 + i * 16, 156), 6, 6);
    }

    // der Kopf mit dem Bildschirm als Gesicht
    QLinearGradient kopf(QPointF(0, 40), QPointF(0, 124));
    kopf.setColorAt(0, QColor(0xe3, 0xf0, 0xfa));
    kopf.setColorAt(1, QColor(0x8f, 0xb3, 0xd1));
    p.setPen(QPen(blech, 3));
    p.setBrush(kopf);
    p.drawRoundedRect(QRectF(42, 40, 116, 84), 22, 22);
    QLinearGradient schirm(QPointF(0, 52), QPointF(0, 112));
    schirm.setColorAt(0, QColor(0x2b, 0x4c, 0x7e));
    schirm.setColorAt(1, QColor(0x0d, 0x24, 0x40));
    p.setPen(QPen(QColor(0x0d, 0x24, 0x40), 2));
    p.setBrush(schirm);
    p.drawRoundedRect(QRectF(56, 52, 88, 60), 14, 14);

    // große, freundliche Augen mit Glanzpunkt
    p.setPen(Qt::NoPen);
    for (const qreal x : {82.0, 118.0}) {
        QRadialGradient auge(QPointF(x - 2, 74), 13);
        auge.setColorAt(0, Qt::white);
        auge.setColorAt(0.5, leuchten);
        auge.setColorAt(1, leuchten.darker(130));
        p.setBrush(auge);
        p.drawEllipse(QPointF(x, 77), 10, 12);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x + 3, 72), 3.5, 3.5);
    }
    // rote Bäckchen und ein Lächeln
    p.setBrush(QColor(0xff, 0x8a, 0x80, 150));
    p.drawEllipse(QPointF(67, 97), 7, 4.5);
    p.drawEllipse(QPointF(133, 97), 7, 4.5);
    QPainterPath mund;
    mund.moveTo(84, 95);
    mund.cubicTo(92, 106, 108, 106, 116, 95);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(leuchten, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(mund);
}

} // namespace

QString computerBildName() {
    return QStringLiteral("ComputerBild.png");
}

QImage computerBild() {
    QImage bild(computerBildKante, computerBildKante, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(computerBildKante / 200.0, computerBildKante / 200.0);
    zeichneRoboter(p);
    return bild;
}

} // namespace varku
