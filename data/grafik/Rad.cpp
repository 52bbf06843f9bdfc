#include "data/grafik/Rad.h"

#include "data/grafik/Kachel.h"
#include "data/grafik/Kachelfarben.h"
#include "data/grafik/Zierrat.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <array>

namespace varku {

namespace {

// Halbmesser, vom Mittelpunkt aus
constexpr qreal randAussen = radRadius;
constexpr qreal feldAussen = 151;
constexpr qreal nabe = 31;
constexpr qreal lampenKreis = 164.5;
constexpr qreal feldWinkel = 360.0 / radFelder;

enum class Art { Einsatz, Aussetzen, AllesWeg, Glueck };

struct Feld {
    int wert;
    Art art;
    QColor farbe;
};

const QColor rot(0xe8, 0x4a, 0x3c);
const QColor dunkelBlau(0x1f, 0x3f, 0x7a);

// Reihenfolge wie die Werte des Spiels; Nachbarn haben nie ähnliche Farben
const std::array<Feld, radFelder>& felder() {
    const QList<QColor>& pal = kachelPalette();
    static const std::array<Feld, radFelder> f{{
        {0, Art::Aussetzen, leereKachelFarbe()},
        {20, Art::Einsatz, pal[2]},
        {80, Art::Einsatz, pal[4]},
        {300, Art::Glueck, pal[7]},
        {150, Art::Einsatz, pal[3]},
        {-1, Art::AllesWeg, rot},
        {200, Art::Einsatz, pal[1]},
        {10, Art::Einsatz, pal[5]},
        {40, Art::Einsatz, pal[8]},
        {100, Art::Einsatz, pal[6]},
    }};
    return f;
}

// mehr Punkte, höherer Münzstapel: so sieht man den Einsatz auch ohne die Zahl
int muenzen(int wert) {
    const int stufen[] = {10, 20, 40, 80, 100, 150, 200};
    int n = 0;
    for (const int s : stufen)
        n += wert >= s ? 1 : 0;
    return n;
}

QColor schrift(const QColor& farbe) {
    const qreal ton = farbe.hslHueF() < 0 ? 0.66 : farbe.hslHueF();
    return QColor::fromHslF(ton, farbe.hslSaturationF() * 0.5, 0.15);
}

// Text auf einem Bogen über dem Mittelpunkt, Mitte oben, Zeichen aufrecht zum Rand hin.
// radius ist die Grundlinie; gelesen wird von links nach rechts.
QPainterPath bogenText(const QString& text, const QFont& schriftart, qreal radius) {
    const QFontMetricsF mass(schriftart);
    // Abstände auf halber Höhe der Kleinbuchstaben messen, sonst stehen sie oben zu weit
    const qreal mitte = radius + mass.xHeight() / 2;
    const qreal breite = mass.horizontalAdvance(text);
    QPainterPath pfad;
    pfad.setFillRule(Qt::WindingFill);
    qreal x = -breite / 2;
    for (const QChar c : text) {
        const qreal w = mass.horizontalAdvance(c);
        QPainterPath zeichen;
        zeichen.addText(-w / 2, 0, schriftart, QString(c));
        QTransform t;
        t.rotateRadians((x + w / 2) / mitte);
        t.translate(0, -radius);
        pfad.addPath(t.map(zeichen));
        x += w;
    }
    return pfad;
}

// größte Schrift, mit der der Text auf dem Bogen höchstens winkelGrad breit ist
QFont passendeSchrift(const QString& text, qreal radius, qreal winkelGrad, int groesste) {
    for (int pixel = groesste; pixel > 8; --pixel) {
        const QFont f = kachelSchrift(pixel);
        const QFontMetricsF mass(f);
        const qreal bogen = mass.horizontalAdvance(text) / (radius + mass.xHeight() / 2);
        if (qRadiansToDegrees(bogen) <= winkelGrad)
            return f;
    }
    return kachelSchrift(8);
}

// Schrift mit hellem Schein darunter, wie auf den Kacheln
void zeichneSchrift(QPainter& p, const QPainterPath& text, const QColor& farbe,
                    const QColor& schein) {
    p.setPen(QPen(schein, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(schein);
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    p.drawPath(text);
}

// Tortenstück von innen bis aussen, Mitte oben
QPainterPath feldForm(qreal innen, qreal aussen) {
    const qreal von = 90 - feldWinkel / 2;
    QPainterPath form;
    form.arcMoveTo(QRectF(-aussen, -aussen, 2 * aussen, 2 * aussen), von);
    form.arcTo(QRectF(-aussen, -aussen, 2 * aussen, 2 * aussen), von, feldWinkel);
    form.arcTo(QRectF(-innen, -innen, 2 * innen, 2 * innen), von + feldWinkel, -feldWinkel);
    form.closeSubpath();
    return form;
}

void zeichneMuenzStapel(QPainter& p, const QPointF& boden, int anzahl) {
    const qreal rx = 11, ry = 4.2, dicke = 4.6;
    const QColor gold(0xf9, 0xc8, 0x2e), kante(0xc7, 0x8a, 0x12), linie(0x8a, 0x5a, 0x10);
    for (int i = 0; i < anzahl; ++i) {
        // leicht versetzt, ein echter Stapel steht nie ganz gerade
        const qreal versatz = (i % 3 == 1 ? 1.2 : i % 3 == 2 ? -0.9 : 0);
        const QPointF m = boden + QPointF(versatz, -i * dicke);
        QPainterPath seite;
        seite.moveTo(m + QPointF(-rx, 0));
        seite.arcTo(QRectF(m.x() - rx, m.y() - ry, 2 * rx, 2 * ry), 180, 180);
        seite.lineTo(m + QPointF(rx, -dicke));
        seite.arcTo(QRectF(m.x() - rx, m.y() - dicke - ry, 2 * rx, 2 * ry), 0, -180);
        seite.closeSubpath();
        p.setPen(QPen(linie, 1.1));
        p.setBrush(kante);
        p.drawPath(seite);
        QRadialGradient glanz(m + QPointF(-3, -dicke - 1), rx);
        glanz.setColorAt(0, QColor(0xff, 0xf3, 0xa8));
        glanz.setColorAt(1, gold);
        p.setBrush(glanz);
        p.drawEllipse(m + QPointF(0, -dicke), rx, ry);
        p.setPen(QPen(kante, 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(m + QPointF(0, -dicke), rx * 0.62, ry * 0.55);
    }
}

void zeichnePauseZeichen(QPainter& p, const QPointF& mitte, qreal radius) {
    QRadialGradient grund(mitte, radius);
    grund.setColorAt(0, Qt::white);
    grund.setColorAt(1, QColor(0xf1, 0xf3, 0xf6));
    p.setPen(QPen(QColor(0x4a, 0x52, 0x5e), 2.2));
    p.setBrush(grund);
    p.drawEllipse(mitte, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4a, 0x52, 0x5e));
    const qreal b = radius * 0.26, h = radius * 1.0;
    p.drawRoundedRect(QRectF(mitte.x() - radius * 0.42, mitte.y() - h / 2, b, h), 2, 2);
    p.drawRoundedRect(QRectF(mitte.x() + radius * 0.42 - b, mitte.y() - h / 2, b, h), 2, 2);
}

// Sparschwein, in zwei Hälften zerbrochen
void zeichneKaputtesSchwein(QPainter& p, const QPointF& mitte, qreal breite) {
    const qreal s = breite / 40;
    const QColor rosa(0xfb, 0xb6, 0xce), linie(0x6e, 0x1f, 0x2c);
    QPainterPath schwein;
    schwein.setFillRule(Qt::WindingFill);
    schwein.addEllipse(QPointF(0, 0), 16, 11.5);          // Bauch
    schwein.addRoundedRect(QRectF(14, -5, 7, 9), 3, 3);   // Rüssel
    schwein.addRoundedRect(QRectF(-11, 7, 5.5, 8), 2, 2); // Beine
    schwein.addRoundedRect(QRectF(5, 7, 5.5, 8), 2, 2);
    QPainterPath ohr;
    ohr.moveTo(3, -10);
    ohr.lineTo(9, -17);
    ohr.lineTo(11, -8);
    ohr.closeSubpath();
    schwein.addPath(ohr);
    schwein = schwein.simplified();

    // Zickzack-Riss quer durch den Bauch
    QPainterPath links;
    links.moveTo(-30, -30);
    links.lineTo(-1, -30);
    links.lineTo(-1, -12);
    links.lineTo(-5, -6);
    links.lineTo(1, -1);
    links.lineTo(-4, 4);
    links.lineTo(0, 9);
    links.lineTo(-2, 30);
    links.lineTo(-30, 30);
    links.closeSubpath();
    QPainterPath rechts;
    rechts.addRect(QRectF(-30, -30, 60, 60));
    rechts = rechts.subtracted(links);

    p.save();
    p.translate(mitte);
    p.scale(s, s);
    const QPen umriss(linie, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const struct {
        const QPainterPath& teil;
        qreal dx, grad;
    } haelften[] = {{links, -2.6, -9}, {rechts, 2.6, 8}};
    for (const auto& h : haelften) {
        p.save();
        p.translate(h.dx, 2);
        p.rotate(h.grad);
        p.setPen(umriss);
        p.setBrush(rosa);
        p.drawPath(schwein.intersected(h.teil));
        p.restore();
    }
    // Schlitz, Auge, Nasenlöcher, Schwänzchen auf der rechten bzw. linken Hälfte
    p.save();
    p.translate(2.6, 2);
    p.rotate(8);
    p.setPen(Qt::NoPen);
    p.setBrush(linie);
    p.drawEllipse(QPointF(9.5, -3.5), 1.6, 1.6);
    p.drawEllipse(QPointF(18.3, -1.6), 0.9, 1.3);
    p.drawEllipse(QPointF(18.3, 1.6), 0.9, 1.3);
    p.setPen(QPen(linie, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2.5, -10.5), QPointF(7, -10.5));
    p.restore();
    p.save();
    p.translate(-2.6, 2);
    p.rotate(-9);
    QPainterPath schwanz;
    schwanz.moveTo(-16, -2);
    schwanz.cubicTo(-22, -6, -24, 2, -20, 1);
    schwanz.cubicTo(-17, 0, -20, -6, -23, -5);
    p.setPen(umriss);
    p.setBrush(Qt::NoBrush);
    p.drawPath(schwanz);
    p.restore();
    // Splitter
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-1, -20), QPointF(-2, -25));
    p.drawLine(QPointF(3, -19), QPointF(6, -23));
    p.drawLine(QPointF(-5, -19), QPointF(-9, -22));
    p.restore();
}

// kleines funkelndes Kreuz
void zeichneFunkeln(QPainter& p, const QPointF& mitte, qreal r) {
    QPainterPath f;
    f.moveTo(mitte + QPointF(0, -r));
    f.quadTo(mitte, mitte + QPointF(r, 0));
    f.quadTo(mitte, mitte + QPointF(0, r));
    f.quadTo(mitte, mitte + QPointF(-r, 0));
    f.quadTo(mitte, mitte + QPointF(0, -r));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawPath(f);
}

// ein Feld, oben stehend, Ursprung im Radmittelpunkt
void zeichneFeld(QPainter& p, const Feld& feld) {
    const QPainterPath form = feldForm(nabe, feldAussen);
    QRadialGradient grund(QPointF(0, 0), feldAussen);
    grund.setColorAt(0, feld.farbe.lighter(125));
    grund.setColorAt(0.55, feld.farbe.lighter(108));
    grund.setColorAt(1, feld.farbe.darker(104));
    p.setPen(Qt::NoPen);
    p.setBrush(grund);
    p.drawPath(form);

    const QColor schein(255, 255, 255, 130);
    switch (feld.art) {
    case Art::Einsatz: {
        const QString zahl = QString::number(feld.wert);
        const QFont f = passendeSchrift(QStringLiteral("200"), 107, 29, 44);
        zeichneSchrift(p, bogenText(zahl, f, 107), schrift(feld.farbe), schein);
        zeichneMuenzStapel(p, QPointF(0, -48), muenzen(feld.wert));
        break;
    }
    case Art::Glueck: {
        const QFont f = passendeSchrift(QStringLiteral("+100"), 113, 29, 36);
        zeichneSchrift(p, bogenText(QStringLiteral("+100"), f, 113), schrift(feld.farbe), schein);
        zeichneStern(p, QPointF(0, -76), 25);
        zeichneFunkeln(p, QPointF(-20, -97), 5);
        zeichneFunkeln(p, QPointF(19, -58), 4);
        zeichneFunkeln(p, QPointF(-13, -49), 3);
        break;
    }
    case Art::AllesWeg: {
        const QColor weiss(0xff, 0xff, 0xff), dunkel(0x7a, 0x14, 0x14, 200);
        const QFont f = passendeSchrift(QStringLiteral("alles"), 124, 29, 26);
        zeichneSchrift(p, bogenText(QStringLiteral("alles"), f, 124), weiss, dunkel);
        zeichneSchrift(p, bogenText(QStringLiteral("weg"), f, 101), weiss, dunkel);
        zeichneKaputtesSchwein(p, QPointF(0, -69), 44);
        break;
    }
    case Art::Aussetzen: {
        // in zwei Zeilen, nach Silben getrennt: in einer Zeile wäre es zu klein
        const QFont f = passendeSchrift(QStringLiteral("setzen"), 101, 30, 26);
        zeichneSchrift(p, bogenText(QStringLiteral("aus-"), f, 124), schrift(feld.farbe), schein);
        zeichneSchrift(p, bogenText(QStringLiteral("setzen"), f, 101), schrift(feld.farbe), schein);
        zeichnePauseZeichen(p, QPointF(0, -71), 16);
        break;
    }
    }
}

void zeichneRand(QPainter& p) {
    // blauer Reifen, rund beleuchtet
    QPainterPath reifen;
    reifen.addEllipse(QPointF(0, 0), randAussen - 1, randAussen - 1);
    reifen.addEllipse(QPointF(0, 0), feldAussen - 1, feldAussen - 1);
    QRadialGradient blau(QPointF(0, 0), randAussen);
    const qreal innen = feldAussen / randAussen;
    blau.setColorAt(innen, QColor(0x2c, 0x5c, 0xb0));
    blau.setColorAt((innen + 1) / 2, QColor(0x4c, 0x8c, 0xe0));
    blau.setColorAt(1, QColor(0x28, 0x52, 0x9e));
    p.setPen(QPen(dunkelBlau, 2));
    p.setBrush(blau);
    p.drawPath(reifen);

    // goldener Innenring
    p.setPen(QPen(QColor(0xf9, 0xc8, 0x2e), 3.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), feldAussen + 1, feldAussen + 1);
    p.setPen(QPen(QColor(0xc7, 0x8a, 0x12), 1));
    p.drawEllipse(QPointF(0, 0), feldAussen - 0.8, feldAussen - 0.8);

    // Lämpchen: eines über jeder Feldmitte, eines über jeder Grenze
    for (int i = 0; i < 2 * radFelder; ++i) {
        const qreal w = qDegreesToRadians(i * feldWinkel / 2 - 90);
        const QPointF m(lampenKreis * qCos(w), lampenKreis * qSin(w));
        QRadialGradient schein(m, 10);
        schein.setColorAt(0, QColor(255, 240, 150, 150));
        schein.setColorAt(1, QColor(255, 240, 150, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(schein);
        p.drawEllipse(m, 10, 10);
        QRadialGradient lampe(m, 6);
        lampe.setColorAt(0, Qt::white);
        lampe.setColorAt(0.45, QColor(0xff, 0xf0, 0x8a));
        lampe.setColorAt(1, QColor(0xf6, 0xb0, 0x26));
        p.setPen(QPen(QColor(0xa0, 0x62, 0x10), 1));
        p.setBrush(lampe);
        p.drawEllipse(m, 5.6, 5.6);
    }
}

void zeichneNabe(QPainter& p) {
    QRadialGradient gold(QPointF(0, 0), nabe + 2);
    gold.setColorAt(0.6, QColor(0xff, 0xe3, 0x6e));
    gold.setColorAt(1, QColor(0xe8, 0xa5, 0x1c));
    p.setPen(QPen(QColor(0xa0, 0x62, 0x10), 1.6));
    p.setBrush(gold);
    p.drawEllipse(QPointF(0, 0), nabe + 2, nabe + 2);

    // Schrauben im Kreis
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc7, 0x8a, 0x12));
    for (int i = 0; i < radFelder; ++i) {
        const qreal w = qDegreesToRadians(i * feldWinkel + feldWinkel / 2);
        p.drawEllipse(QPointF(26.5 * qCos(w), 26.5 * qSin(w)), 1.8, 1.8);
    }

    QRadialGradient knopf(QPointF(0, 0), 21);
    knopf.setColorAt(0, QColor(0xff, 0x8a, 0x78));
    knopf.setColorAt(0.7, rot);
    knopf.setColorAt(1, rot.darker(125));
    p.setPen(QPen(rot.darker(170), 1.5));
    p.setBrush(knopf);
    p.drawEllipse(QPointF(0, 0), 20, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(0, 0), 6, 6);
}

} // namespace

QString radBildName(int feld) {
    return QStringLiteral("ZIRK%1.png").arg(feld);
}

QString radMarkeName() {
    return QStringLiteral("ZIRKMARKE.png");
}

QImage radBild(int feldOben) {
    const int oben = ((feldOben % radFelder) + radFelder) % radFelder;
    QImage bild(radKante, radKante, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(radKante / 2.0, radKante / 2.0);
    // Feld k steht (oben - k) * 36 Grad im Uhrzeigersinn von oben: das nächste Feld kommt
    // von links und wandert bei jedem Bild unter die Marke
    p.rotate(oben * feldWinkel);
    // weißer Grund: wo zwei geglättete Kanten aneinanderstoßen, schiene sonst etwas durch
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), feldAussen + 1, feldAussen + 1);
    for (int k = 0; k < radFelder; ++k) {
        p.save();
        p.rotate(-k * feldWinkel);
        zeichneFeld(p, felder()[k]);
        p.restore();
    }

    // weiße Speichen zwischen den Feldern
    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < radFelder; ++k) {
        const qreal w = qDegreesToRadians(k * feldWinkel + feldWinkel / 2 - 90);
        const QPointF r(qCos(w), qSin(w));
        p.drawLine(r * nabe, r * feldAussen);
    }
    zeichneRand(p);
    zeichneNabe(p);
    return bild;
}

QImage radMarke() {
    QImage bild(60, 50, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath zeiger;
    zeiger.moveTo(6, 5);
    zeiger.lineTo(54, 5);
    zeiger.lineTo(30, 46);
    zeiger.closeSubpath();
    QLinearGradient farbe(0, 5, 0, 46);
    farbe.setColorAt(0, QColor(0xff, 0x9a, 0x3c));
    farbe.setColorAt(1, rot);
    p.setPen(QPen(QColor(0x7a, 0x14, 0x14), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(farbe);
    p.drawPath(zeiger);

    // Glanzkante links
    p.setPen(QPen(QColor(255, 255, 255, 170), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 9), QPointF(28, 37));

    QRadialGradient niete(QPointF(28.5, 12.5), 6);
    niete.setColorAt(0, QColor(0xff, 0xf1, 0x9a));
    niete.setColorAt(1, QColor(0xe8, 0xa5, 0x1c));
    p.setPen(QPen(QColor(0xa0, 0x62, 0x10), 1.2));
    p.setBrush(niete);
    p.drawEllipse(QPointF(30, 14), 4.5, 4.5);
    return bild;
}

} // namespace varku
