#include "data/grafik/Joker.h"

#include "data/grafik/Zierrat.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace varku {

namespace {

struct Narr {
    QColor grund, kappe[3], kragen;
    bool zwinkert;  // das rechte Auge zu
    bool zungeRaus; // lacht mit offenem Mund und Zunge
};

Narr narr(int nr) {
    switch (nr) {
    case 2:
        return {QColor(0xe3, 0xf6, 0xe0),
                {QColor(0x43, 0xa0, 0x47), QColor(0x8e, 0x44, 0xad), QColor(0xf3, 0x9c, 0x12)},
                QColor(0x8e, 0x44, 0xad),
                true,
                false};
    case 3:
        return {QColor(0xfd, 0xe7, 0xf1),
                {QColor(0x00, 0x96, 0x88), QColor(0xe9, 0x1e, 0x63), QColor(0xfb, 0xc0, 0x2d)},
                QColor(0x00, 0x96, 0x88),
                false,
                true};
    default:
        return {QColor(0xff, 0xf6, 0xd5),
                {QColor(0xe5, 0x39, 0x35), QColor(0x1e, 0x88, 0xe5), QColor(0xfd, 0xd8, 0x35)},
                QColor(0xe5, 0x39, 0x35),
                false,
                false};
    }
}

// eine Schelle an der Spitze eines Zipfels
void schelle(QPainter& p, const QPointF& ort, qreal r) {
    QRadialGradient gold(ort - QPointF(r * 0.35, r * 0.35), r * 1.3);
    gold.setColorAt(0, QColor(0xff, 0xf5, 0x9d));
    gold.setColorAt(1, QColor(0xf9, 0xa8, 0x25));
    p.setPen(QPen(QColor(0xc7, 0x7c, 0x02), r * 0.18));
    p.setBrush(gold);
    p.drawEllipse(ort, r, r);
}

void zeichneNarr(QPainter& p, const Narr& n) {
    const qreal k = jokerKante;
    // der Grund füllt die ganze Karte, mit einem hellen Schein hinter dem Kopf
    QRadialGradient schein(QPointF(k / 2, k * 0.55), k * 0.7);
    schein.setColorAt(0, Qt::white);
    schein.setColorAt(1, n.grund);
    p.setPen(Qt::NoPen);
    p.setBrush(schein);
    p.drawRoundedRect(QRectF(0, 0, k, k), k * 0.1, k * 0.1);

    // Konfetti in den Ecken
    const QColor konfetti[] = {n.kappe[0], n.kappe[1], n.kappe[2]};
    const QPointF punkte[] = {{18, 196}, {34, 176}, {200, 190}, {186, 172}, {16, 150}, {204, 146}};
    for (int i = 0; i < 6; ++i) {
        p.setBrush(konfetti[i % 3]);
        p.drawEllipse(punkte[i], 5, 5);
    }
    zeichneStern(p, QPointF(26, 110), 11, -12);
    zeichneStern(p, QPointF(196, 104), 9, 15);

    // der Kragen mit Zacken unter dem Kinn
    QPainterPath kragen;
    kragen.moveTo(44, 178);
    for (int i = 0; i <= 6; ++i) {
        const qreal x = 44 + i * 22;
        kragen.lineTo(x, 178);
        if (i < 6)
            kragen.lineTo(x + 11, 212);
    }
    kragen.lineTo(176, 178);
    kragen.closeSubpath();
    p.setBrush(n.kragen);
    p.setPen(QPen(n.kragen.darker(140), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(kragen);
    for (int i = 0; i < 6; ++i)
        schelle(p, QPointF(55 + i * 22, 210), 5);

    // das Gesicht
    const QRectF gesicht(56, 74, 108, 108);
    QRadialGradient haut(gesicht.center() - QPointF(18, 20), 70);
    haut.setColorAt(0, QColor(0xff, 0xe9, 0xd6));
    haut.setColorAt(1, QColor(0xf7, 0xc6, 0x9f));
    p.setPen(QPen(QColor(0xc9, 0x8b, 0x5f), 2.5));
    p.setBrush(haut);
    p.drawEllipse(gesicht);

    // die Kappe mit drei Zipfeln und ihren Schellen
    const QPointF zipfel[3] = {{22, 52}, {110, 8}, {198, 52}};
    const QPointF fuss[3][2] = {
        {{58, 104}, {92, 82}}, {{84, 84}, {136, 84}}, {{128, 82}, {162, 104}}};
    for (int i : {0, 2, 1}) {
        QPainterPath z;
        z.moveTo(fuss[i][0]);
        z.quadTo((fuss[i][0] + zipfel[i]) / 2 + QPointF(i == 0   ? -6
                                                        : i == 2 ? 6
                                                                 : -14,
                                                        -10),
                 zipfel[i]);
        z.quadTo((fuss[i][1] + zipfel[i]) / 2 + QPointF(i == 1 ? 14 : 0, 4), fuss[i][1]);
        z.closeSubpath();
        p.setBrush(n.kappe[i]);
        p.setPen(QPen(n.kappe[i].darker(150), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(z);
    }
    // das Band der Kappe über der Stirn
    p.setBrush(n.kappe[2]);
    p.setPen(QPen(n.kappe[2].darker(150), 2.5));
    p.drawRoundedRect(QRectF(54, 82, 112, 20), 10, 10);
    for (int i = 0; i < 3; ++i)
        schelle(p, zipfel[i], 9);

    // Augen: fröhlich, eines vielleicht zwinkernd
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3e, 0x27, 0x23));
    p.drawEllipse(QPointF(92, 124), 7.5, 9);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(94.5, 120.5), 2.6, 2.6);
    if (n.zwinkert) {
        p.setPen(QPen(QColor(0x3e, 0x27, 0x23), 4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(120, 118, 18, 12), 20 * 16, 140 * 16);
    } else {
        p.setBrush(QColor(0x3e, 0x27, 0x23));
        p.drawEllipse(QPointF(128, 124), 7.5, 9);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(130.5, 120.5), 2.6, 2.6);
    }
    // rote Bäckchen und eine runde Nase
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x8a, 0x80, 150));
    p.drawEllipse(QPointF(74, 146), 11, 7);
    p.drawEllipse(QPointF(146, 146), 11, 7);
    QRadialGradient nase(QPointF(107, 136), 12);
    nase.setColorAt(0, QColor(0xff, 0x8a, 0x80));
    nase.setColorAt(1, QColor(0xe5, 0x39, 0x35));
    p.setBrush(nase);
    p.drawEllipse(QPointF(110, 140), 9, 8);

    // der lachende Mund
    QPainterPath mund;
    mund.moveTo(84, 152);
    mund.cubicTo(92, 176, 128, 176, 136, 152);
    mund.cubicTo(120, 160, 100, 160, 84, 152);
    p.setBrush(QColor(0x8e, 0x24, 0x2b));
    p.setPen(QPen(QColor(0x6d, 0x1b, 0x20), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(mund);
    if (n.zungeRaus) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0x80, 0xab));
        p.drawEllipse(QPointF(110, 166), 10, 7);
    }
}

} // namespace

QString jokerBildName(int nr) {
    return QStringLiteral("JOKER%1.png").arg(nr);
}

QImage jokerBild(int nr) {
    QImage bild(jokerKante, jokerKante, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    zeichneNarr(p, narr(nr));
    return bild;
}

} // namespace varku
