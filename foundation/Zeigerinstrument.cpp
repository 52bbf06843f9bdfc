#include "foundation/Zeigerinstrument.h"

#include "foundation/Twips.h"
#include "foundation/Zeiger.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>

namespace varku {

namespace {

// Richtung eines Wertes auf dem Blatt, wie die Nadel sie nimmt
QPointF richtung(int wert) {
    const double w = (wert / 1000.0 * 264.0 - 42.0) * M_PI / 180.0;
    return {-std::cos(w), -std::sin(w)};
}

void zeichneGehaeuse(QPainter& p, double b, QColor innen, QColor aussen, QColor rand) {
    const QPointF mitte(b / 2, b / 2);
    QRadialGradient verlauf(mitte * 0.8, b * 0.7);
    verlauf.setColorAt(0, innen);
    verlauf.setColorAt(1, aussen);
    p.setPen(QPen(rand, std::max(2.0, b / 60)));
    p.setBrush(verlauf);
    p.drawEllipse(QRectF(b * 0.015, b * 0.015, b * 0.97, b * 0.97));
}

// farbiger Bogen über die 264 Grad der Skala; hue von und bis
void zeichneBogen(QPainter& p, double b, double r, float hueVon, float hueBis, float saettigung) {
    const QPointF mitte(b / 2, b / 2);
    const QRectF bogen(mitte.x() - r, mitte.y() - r, 2 * r, 2 * r);
    for (int i = 0; i < 264; ++i) {
        const float anteil = float(i) / 264.0f;
        p.setPen(QPen(QColor::fromHsvF(hueVon + (hueBis - hueVon) * anteil, saettigung, 0.92f),
                      b * 0.05, Qt::SolidLine, Qt::FlatCap));
        // Qt zählt Winkel gegen den Uhrzeigersinn ab 3 Uhr; der Wert 0 liegt bei 222 Grad
        p.drawArc(bogen, int((222 - i) * 16), -17);
    }
}

void zeichnePunkteblatt(QPainter& p, double b) {
    const QPointF mitte(b / 2, b / 2);
    zeichneGehaeuse(p, b, QColor(255, 253, 240), QColor(236, 226, 196), QColor(140, 110, 60));
    const double r = b * 0.38;
    zeichneBogen(p, b, r, 0.0f, 0.33f, 0.75f);
    QFont f = p.font();
    f.setPixelSize(std::max(1, int(b * 0.055)));
    f.setBold(true);
    p.setFont(f);
    for (int punkte = 0; punkte <= 1000; punkte += 50) {
        const QPointF d = richtung(punkte);
        const bool gross = punkte % 100 == 0;
        p.setPen(QPen(QColor(70, 60, 40), gross ? 2.5 : 1.2));
        p.drawLine(mitte + d * (r * (gross ? 0.80 : 0.86)), mitte + d * (r * 0.93));
        if (punkte % 200 == 0) {
            const QPointF ort = mitte + d * (r * 0.62);
            p.drawText(QRectF(ort.x() - b * 0.1, ort.y() - b * 0.04, b * 0.2, b * 0.08),
                       Qt::AlignCenter, QString::number(punkte));
        }
    }
    QFont titel = p.font();
    titel.setPixelSize(std::max(1, int(b * 0.07)));
    p.setFont(titel);
    p.setPen(QColor(120, 90, 40));
    p.drawText(QRectF(0, b * 0.74, b, b * 0.12), Qt::AlignCenter, QStringLiteral("Punkte"));
}

void zeichneRatezeitblatt(QPainter& p, double b, bool an) {
    const QPointF mitte(b / 2, b / 2);
    if (an)
        zeichneGehaeuse(p, b, QColor(255, 255, 245), QColor(255, 228, 170), QColor(200, 120, 30));
    else
        zeichneGehaeuse(p, b, QColor(245, 245, 245), QColor(205, 205, 205), QColor(140, 140, 140));
    const double r = b * 0.36;
    // eingeschaltet von Grün nach Rot: die Zeit läuft ab
    if (an)
        zeichneBogen(p, b, r, 0.33f, 0.0f, 0.8f);
    else
        zeichneBogen(p, b, r, 0.0f, 0.0f, 0.0f);
    p.setPen(QPen(an ? QColor(90, 60, 20) : QColor(120, 120, 120), std::max(1.0, b / 70)));
    for (int wert = 0; wert <= 1000; wert += 100)
        p.drawLine(mitte + richtung(wert) * (r * 0.78), mitte + richtung(wert) * (r * 0.92));
}

} // namespace

Zeigerinstrument::Zeigerinstrument(Blatt blatt, QWidget* eltern)
    : QWidget(eltern), m_blatt(blatt) {}

void Zeigerinstrument::setzeBlatt(Blatt blatt) {
    m_blatt = blatt;
    update();
}

void Zeigerinstrument::setzeWert(int wert) {
    m_wert = wert;
    update();
}

void Zeigerinstrument::setzeZeigerSichtbar(bool sichtbar) {
    m_zeigerSichtbar = sichtbar;
    update();
}

QImage Zeigerinstrument::alsBild(int groesse) const {
    QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    zeichne(p, groesse);
    return bild;
}

void Zeigerinstrument::paintEvent(QPaintEvent*) {
    const int b = std::min(width(), height());
    const qreal dichte = devicePixelRatioF();
    const QSize groesse = (QSizeF(b, b) * dichte).toSize();
    if (m_blattBild.size() != groesse || m_blattBild.devicePixelRatio() != dichte ||
        m_bildBlatt != m_blatt) {
        m_blattBild = QImage(groesse, QImage::Format_ARGB32_Premultiplied);
        m_blattBild.setDevicePixelRatio(dichte);
        m_blattBild.fill(Qt::transparent);
        QPainter blatt(&m_blattBild);
        zeichneBlatt(blatt, b);
        m_bildBlatt = m_blatt;
    }
    QPainter p(this);
    p.drawImage(QPointF(0, 0), m_blattBild);
    zeichneNadel(p, b);
}

void Zeigerinstrument::zeichne(QPainter& p, double b) const {
    zeichneBlatt(p, b);
    zeichneNadel(p, b);
}

void Zeigerinstrument::zeichneBlatt(QPainter& p, double b) const {
    p.setRenderHint(QPainter::Antialiasing);
    if (m_blatt == Blatt::Punkte)
        zeichnePunkteblatt(p, b);
    else
        zeichneRatezeitblatt(p, b, m_blatt == Blatt::RatezeitAn);
}

void Zeigerinstrument::zeichneNadel(QPainter& p, double b) const {
    if (!m_zeigerSichtbar)
        return;
    p.setRenderHint(QPainter::Antialiasing);
    const bool punkte = m_blatt == Blatt::Punkte;
    // die Nadel nach der Regel in Twips, gezeichnet in Pixeln; der Punktemesser hat ein
    // kurzes Ende und eine kleinere Achse
    const Nadel n =
        berechneNadel(m_wert, QRectF(0, 0, twips(int(b)), twips(int(b))), punkte ? 0.2 : 0.0);
    const auto inPixel = [](QPointF t) { return t / twipsJePixel; };
    p.setPen(QPen(punkte ? QColor(200, 30, 30) : QColor(40, 40, 40), b * 0.025, Qt::SolidLine,
                  Qt::RoundCap));
    p.drawLine(inPixel(n.achse), inPixel(n.spitze));
    if (punkte) {
        p.setPen(QPen(QColor(90, 20, 20), b * 0.035, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(inPixel(n.achse), inPixel(n.ende));
    }
    const double a = b / (punkte ? 12.0 : 8.0);
    const QPointF mitte = inPixel(n.achse);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 50, 40));
    p.drawEllipse(QRectF(mitte.x() - a / 2, mitte.y() - a / 2, a, a));
}

} // namespace varku
