#include "data/grafik/Bilder.h"

#include "data/grafik/Eule.h"
#include "data/grafik/Kachel.h"
#include "data/grafik/Kachelfarben.h"
#include "data/grafik/Zierrat.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace varku {

namespace {

QImage leeresBild(int breite, int hoehe) {
    QImage bild(breite, hoehe, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    return bild;
}

// weicher heller Fleck als ruhiger Grund hinter einer Figur
void lichtFleck(QPainter& p, const QPointF& mitte, qreal rx, qreal ry, int alpha) {
    QRadialGradient fleck(QPointF(0, 0), 1);
    fleck.setColorAt(0, QColor(255, 255, 255, alpha));
    fleck.setColorAt(0.7, QColor(255, 255, 255, alpha * 2 / 3));
    fleck.setColorAt(1, QColor(255, 255, 255, 0));
    p.save();
    p.translate(mitte);
    p.scale(rx, ry);
    p.setPen(Qt::NoPen);
    p.setBrush(fleck);
    p.drawEllipse(QPointF(0, 0), 1, 1);
    p.restore();
}

} // namespace

namespace {

// das Logo in seiner Entwurfsgröße 480 x 300
void zeichneVarkuLogo(QPainter& p) {
    lichtFleck(p, QPointF(240, 150), 235, 145, 170);

    // Buchstaben in Palettenfarben, leicht verspielt gedreht und versetzt
    const QString wort = QStringLiteral("VARKU");
    const int farbe[] = {0, 6, 2, 4, 8};
    const qreal drehung[] = {-7, 4, -3, 6, -5};
    const qreal hub[] = {6, -6, 4, -4, 5};
    const qreal kante = 86;
    const qreal abstand = 2;
    const qreal links = (480 - 5 * kante - 4 * abstand) / 2;
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(links + i * (kante + abstand) + kante / 2, 122 + hub[i]);
        p.rotate(drehung[i]);
        zeichneKachel(p, QRectF(-kante / 2, -kante / 2, kante, kante), wort.mid(i, 1),
                      kachelPalette()[farbe[i]]);
        p.restore();
    }

    // Bleistift zieht eine Schwungline unter das Wort
    QPainterPath schwung;
    schwung.moveTo(64, 226);
    schwung.cubicTo(136, 246, 206, 208, 276, 230);
    schwung.cubicTo(316, 242, 348, 242, 372, 236);
    p.setPen(QPen(QColor(0x45, 0x45, 0x52), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(schwung);
    zeichneBleistift(p, QPointF(372, 236), -24, 104, 19);

    zeichneStern(p, QPointF(40, 48), 17, -10);
    zeichneStern(p, QPointF(448, 42), 13, 12);
    zeichneStern(p, QPointF(418, 24), 7, 5);
}

// Punkte je Meter für ein Maß in Zentimetern: der Drucker nimmt die Größe daraus
int punkteJeMeter(int pixel, double zentimeter) {
    return qRound(pixel / (zentimeter / 100.0));
}

} // namespace

QImage varkuLogo() {
    QImage bild = leeresBild(480, 300);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    zeichneVarkuLogo(p);
    return bild;
}

QImage druckLogo() {
    // ohne den leeren Rand des Fensterbilds und doppelt so fein: auf dem Blatt 2 cm hoch
    QImage bild = leeresBild(928, 500);
    {
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(2, 2);
        p.translate(-8, -4);
        zeichneVarkuLogo(p);
    }
    const int dpm = punkteJeMeter(bild.height(), 2.0);
    bild.setDotsPerMeterX(dpm);
    bild.setDotsPerMeterY(dpm);
    return bild;
}

QImage verlagLogo() {
    // 3 x 1,5 cm: die Eule im Kreis, daneben der Name des Verlags
    QImage bild = leeresBild(720, 360);
    {
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor tinte(0x24, 0x3b, 0x5a);
        QRadialGradient grund(QPointF(160, 150), 170);
        grund.setColorAt(0, QColor(0xee, 0xf6, 0xfc));
        grund.setColorAt(1, QColor(0xc8, 0xe2, 0xf4));
        p.setPen(QPen(tinte, 8));
        p.setBrush(grund);
        p.drawEllipse(QPointF(180, 180), 166, 166);
        zeichneEulenKopf(p, QRectF(48, 56, 264, 220));

        // so groß, wie der Name neben den Kreis passt
        int pixel = 150;
        while (pixel > 20 &&
               QFontMetricsF(kachelSchrift(pixel)).horizontalAdvance(QStringLiteral("Morlo")) > 330)
            --pixel;
        p.setFont(kachelSchrift(pixel));
        p.setPen(tinte);
        p.drawText(QRectF(370, 40, 350, 190), Qt::AlignLeft | Qt::AlignBottom,
                   QStringLiteral("Morlo"));
        QFont zusatz = kachelSchrift(50);
        zusatz.setWeight(QFont::Normal);
        zusatz.setLetterSpacing(QFont::AbsoluteSpacing, 4);
        p.setFont(zusatz);
        p.drawText(QRectF(374, 236, 346, 80), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("Lernverlag"));
    }
    const int dpm = punkteJeMeter(bild.width(), 3.0);
    bild.setDotsPerMeterX(dpm);
    bild.setDotsPerMeterY(dpm);
    return bild;
}

QImage varkuHintergrund() {
    const int breite = 1600, hoehe = 1000;
    QImage bild(breite, hoehe, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient himmel(0, 0, 0, hoehe);
    himmel.setColorAt(0, QColor(0xcd, 0xe7, 0xf8));
    himmel.setColorAt(0.6, QColor(0xdf, 0xf0, 0xf3));
    himmel.setColorAt(1, QColor(0xe4, 0xf3, 0xdc));
    p.fillRect(bild.rect(), himmel);

    // fester Startwert: bei jedem Bau dasselbe Bild
    QRandomGenerator zufall(20240611);
    const auto wert = [&zufall](double von, double bis) {
        return von + zufall.generateDouble() * (bis - von);
    };

    // blasse Buchstaben, verstreut, ohne Ordnung
    const QString buchstaben = QStringLiteral("AaBbDdEeFfGgHhKkLlMmNnOoPpRrSsTtUuWwZzÄäÖöÜüß");
    const QColor farben[] = {QColor(255, 255, 255, 80), QColor(0x9c, 0xc4, 0xe4, 34),
                             QColor(0xa8, 0xd4, 0x9c, 34), QColor(0xf4, 0xd6, 0x8c, 40)};
    p.setPen(Qt::NoPen);
    const int spalten = 8, zeilen = 5;
    for (int z = 0; z < zeilen; ++z) {
        for (int s = 0; s < spalten; ++s) {
            const QPointF ort((s + wert(0.15, 0.85)) * breite / spalten,
                              (z + wert(0.15, 0.85)) * hoehe / zeilen);
            const QString zeichen = buchstaben.mid(int(wert(0, buchstaben.size())), 1);
            const int groesse = int(wert(54, 110));
            QPainterPath pfad;
            pfad.addText(0, 0, kachelSchrift(groesse), zeichen);
            pfad.setFillRule(Qt::WindingFill);
            pfad.translate(-pfad.boundingRect().center());
            p.save();
            p.translate(ort);
            p.rotate(wert(-25, 25));
            p.setBrush(farben[int(wert(0, 4))]);
            p.drawPath(pfad);
            p.restore();
        }
    }

    // Wolken über den Buchstaben
    const QPointF wolken[] = {{220, 150}, {760, 90}, {1290, 190}, {520, 330}, {1450, 420}};
    const qreal wolkenBreite[] = {300, 240, 340, 200, 220};
    for (int i = 0; i < 5; ++i)
        zeichneWolke(p, wolken[i], wolkenBreite[i], QColor(255, 255, 255, 140));
    p.end();
    return bild.convertToFormat(QImage::Format_RGB32);
}

QImage willkommenBild() {
    QImage bild = leeresBild(320, 240);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    lichtFleck(p, QPointF(160, 122), 150, 112, 190);

    // Ast, auf dem die Eule sitzt
    QPainterPath ast;
    ast.moveTo(18, 218);
    ast.cubicTo(90, 206, 220, 214, 304, 204);
    ast.lineTo(306, 214);
    ast.cubicTo(220, 226, 90, 222, 20, 230);
    ast.closeSubpath();
    p.setPen(QPen(QColor(0x6b, 0x45, 0x26), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0x9a, 0x6a, 0x3e));
    p.drawPath(ast);
    for (const QPointF& blatt : {QPointF(42, 214), QPointF(270, 204), QPointF(292, 200)}) {
        p.save();
        p.translate(blatt);
        p.rotate(blatt.x() < 160 ? 200 : -30);
        QPainterPath form;
        form.moveTo(0, 0);
        form.quadTo(10, -9, 24, 0);
        form.quadTo(10, 9, 0, 0);
        p.setPen(QPen(QColor(0x4d, 0x8a, 0x3a), 1.5));
        p.setBrush(QColor(0x8c, 0xcb, 0x62));
        p.drawPath(form);
        p.restore();
    }

    zeichneEule(p, QRectF(90, 29, 140, 196));

    zeichneStern(p, QPointF(268, 50), 15, 10);
    zeichneStern(p, QPointF(54, 70), 11, -8);
    zeichneStern(p, QPointF(292, 110), 7, 0);
    return bild;
}

namespace {

// der Eulenkopf in seinem Kreis mit dem V, in der Entwurfsgröße 160 x 160
void zeichneEulenSymbol(QPainter& p) {
    QRadialGradient grund(QPointF(70, 60), 90);
    grund.setColorAt(0, QColor(0xe9, 0xf5, 0xfd));
    grund.setColorAt(1, QColor(0xbf, 0xdf, 0xf4));
    p.setPen(QPen(QColor(0x8f, 0xbf, 0xe3), 2));
    p.setBrush(grund);
    p.drawEllipse(QPointF(80, 80), 77, 77);
    zeichneEulenKopf(p, QRectF(12, 14, 130, 108));
    zeichneKachel(p, QRectF(102, 103, 48, 48), QStringLiteral("V"), kachelPalette()[6]);
}

} // namespace

QImage infoBild() {
    QImage bild = leeresBild(160, 160);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    zeichneEulenSymbol(p);
    return bild;
}

QImage programmSymbol(int kante) {
    QImage bild = leeresBild(kante, kante);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kante / 160.0, kante / 160.0);
    zeichneEulenSymbol(p);
    return bild;
}

} // namespace varku
