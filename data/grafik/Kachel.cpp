#include "data/grafik/Kachel.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

namespace varku {

namespace {

const QString schriftName = QStringLiteral("Andika");

qreal massstab(const QRectF& rahmen) {
    return qMin(rahmen.width(), rahmen.height()) / 96.0;
}

QRectF kachelKoerper(const QRectF& rahmen) {
    const qreal s = massstab(rahmen);
    const QRectF quadrat(rahmen.center() - QPointF(48 * s, 48 * s), QSizeF(96 * s, 96 * s));
    return quadrat.adjusted(4 * s, 3 * s, -4 * s, -3 * s);
}

QPainterPath abgerundet(const QRectF& r, qreal radius) {
    QPainterPath pfad;
    pfad.addRoundedRect(r, radius, radius);
    return pfad;
}

QPainterPath rohPfad(const QString& text, int pixel) {
    QPainterPath pfad;
    pfad.addText(0, 0, kachelSchrift(pixel), text);
    pfad.setFillRule(Qt::WindingFill); // Umrisse der Glyphen überlappen sich
    return pfad;
}

// dunkle Schrift mit einem Hauch der Kachelfarbe
QColor schriftFarbe(const QColor& farbe) {
    const qreal ton = farbe.hslHueF() < 0 ? 0.66 : farbe.hslHueF();
    return QColor::fromHslF(ton, farbe.hslSaturationF() * 0.45, 0.16);
}

} // namespace

bool ladeKachelSchrift() {
    if (QFontDatabase::hasFamily(schriftName))
        return true;
    for (const char* datei : {"/usr/share/fonts/truetype/andika/Andika-Bold.ttf",
                              "/usr/share/fonts/truetype/andika/Andika-Regular.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(datei));
    return QFontDatabase::hasFamily(schriftName);
}

QFont kachelSchrift(int pixel) {
    QFont f(schriftName);
    f.setPixelSize(pixel);
    f.setWeight(QFont::Bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QRectF kachelOberseite(const QRectF& rahmen) {
    return kachelKoerper(rahmen).adjusted(0, 0, 0, -7 * massstab(rahmen));
}

QRectF kachelTextFeld(const QRectF& rahmen) {
    const qreal s = massstab(rahmen);
    return kachelOberseite(rahmen).adjusted(10 * s, 10 * s, -10 * s, -10 * s);
}

int kachelSchriftPixel(const QString& text, const QSizeF& platz, int groesste) {
    int pixel = groesste;
    for (; pixel > 6; --pixel) {
        const QRectF umriss = rohPfad(text, pixel).boundingRect();
        if (umriss.width() <= platz.width() && umriss.height() <= platz.height())
            break;
    }
    return pixel;
}

QPainterPath kachelTextPfad(const QString& text, const QRectF& rahmen) {
    const QRectF feld = kachelTextFeld(rahmen);
    // einzelne Buchstaben nicht riesig werden lassen
    const int groesste = qRound(64 * massstab(rahmen));
    QPainterPath pfad = rohPfad(text, kachelSchriftPixel(text, feld.size(), groesste));
    // überlange Texte passen selbst in kleinster Schrift nicht: dann stauchen
    const QRectF umriss = pfad.boundingRect();
    const qreal zuviel = qMax(umriss.width() / feld.width(), umriss.height() / feld.height());
    if (zuviel > 1)
        pfad = QTransform::fromScale(1 / zuviel, 1 / zuviel).map(pfad);
    pfad.translate(feld.center() - pfad.boundingRect().center());
    return pfad;
}

void zeichneKachel(QPainter& p, const QRectF& rahmen, const QString& text, const QColor& farbe) {
    const qreal s = massstab(rahmen);
    const QRectF koerper = kachelKoerper(rahmen);
    const QRectF oben = kachelOberseite(rahmen);
    const qreal radius = 15 * s;

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    // Kante unten: der Baustein ist ein Klotz, kein Blatt
    QLinearGradient seite(koerper.topLeft(), koerper.bottomLeft());
    seite.setColorAt(0, farbe.darker(150));
    seite.setColorAt(1, farbe.darker(185));
    p.setBrush(seite);
    p.drawPath(abgerundet(koerper, radius));

    QLinearGradient flaeche(oben.topLeft(), oben.bottomRight());
    flaeche.setColorAt(0, farbe.lighter(122));
    flaeche.setColorAt(0.55, farbe);
    flaeche.setColorAt(1, farbe.darker(108));
    p.setBrush(flaeche);
    p.drawPath(abgerundet(oben, radius));

    // Glanz an der oberen Kante
    QLinearGradient glanz(oben.topLeft(), oben.bottomLeft());
    QColor weiss(255, 255, 255, 190);
    glanz.setColorAt(0, weiss);
    weiss.setAlpha(0);
    glanz.setColorAt(0.45, weiss);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(glanz), 2.2 * s));
    const qreal innen = 1.6 * s;
    p.drawPath(abgerundet(oben.adjusted(innen, innen, -innen, -innen), radius - innen));

    // eingelassene Rille rund um das Buchstabenfeld
    const QRectF rille = oben.adjusted(6 * s, 6 * s, -6 * s, -6 * s);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1.3 * s));
    p.drawPath(abgerundet(rille.translated(0, 1.1 * s), radius - 6 * s));
    QColor dunkel = farbe.darker(135);
    dunkel.setAlpha(150);
    p.setPen(QPen(dunkel, 1.3 * s));
    p.drawPath(abgerundet(rille, radius - 6 * s));

    // feiner Umriss, damit die Kachel auch auf hellem Grund steht
    QColor umriss = farbe.darker(220);
    umriss.setAlpha(140);
    p.setPen(QPen(umriss, 1.0 * s));
    p.drawPath(abgerundet(koerper.adjusted(0.5 * s, 0.5 * s, -0.5 * s, -0.5 * s), radius));

    if (!text.isEmpty()) {
        const QPainterPath buchstaben = kachelTextPfad(text, rahmen);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 120));
        p.drawPath(buchstaben.translated(0, 1.3 * s));
        p.setBrush(schriftFarbe(farbe));
        p.drawPath(buchstaben);
    }
    p.restore();
}

QImage kachelBild(const QString& text, const QColor& farbe, int kante) {
    QImage bild(kante, kante, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    zeichneKachel(p, QRectF(0, 0, kante, kante), text, farbe);
    p.end();
    return bild;
}

} // namespace varku
