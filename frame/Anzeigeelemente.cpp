#include "frame/Anzeigeelemente.h"

#include "foundation/Twips.h"
#include "frame/Anzeigeregeln.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace varku {

Punktemesser::Punktemesser(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("vuPunkteImage"));
}

void Punktemesser::setzePunkte(int punkte) {
    m_punkte = punkte;
    update();
}

void Punktemesser::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double b = width();
    const QPointF mitte(b / 2, b / 2);
    // Gehäuse
    QRadialGradient verlauf(mitte * 0.8, b * 0.7);
    verlauf.setColorAt(0, QColor(255, 253, 240));
    verlauf.setColorAt(1, QColor(236, 226, 196));
    p.setPen(QPen(QColor(140, 110, 60), 4));
    p.setBrush(verlauf);
    p.drawEllipse(QRectF(3, 3, b - 6, b - 6));

    // farbiger Bogen von Rot über Gelb nach Grün, von 0 bis 1000 Punkte
    const double r = b * 0.38;
    const QRectF bogenRect(mitte.x() - r, mitte.y() - r, 2 * r, 2 * r);
    for (int i = 0; i < 264; ++i) {
        const double anteil = i / 264.0;
        const QColor farbe = QColor::fromHsvF(float(0.0 + 0.33 * anteil), 0.75f, 0.92f);
        p.setPen(QPen(farbe, b * 0.05, Qt::SolidLine, Qt::FlatCap));
        // Qt zählt Winkel gegen den Uhrzeigersinn ab 3 Uhr; 0 Punkte liegen bei 222 Grad
        p.drawArc(bogenRect, int((222 - i) * 16), -17);
    }

    // Skala: Striche und Zahlen, in denselben Winkeln wie der Zeiger
    QFont f = font();
    f.setPixelSize(int(b * 0.055));
    f.setBold(true);
    p.setFont(f);
    for (int punkte = 0; punkte <= 1000; punkte += 50) {
        const double grad = punkte / 1000.0 * 264.0 - 42.0;
        const double w = grad * M_PI / 180.0;
        const QPointF richtung(-std::cos(w), -std::sin(w));
        const bool gross = punkte % 100 == 0;
        p.setPen(QPen(QColor(70, 60, 40), gross ? 2.5 : 1.2));
        p.drawLine(mitte + richtung * (r * (gross ? 0.80 : 0.86)), mitte + richtung * (r * 0.93));
        if (punkte % 200 == 0) {
            const QPointF ort = mitte + richtung * (r * 0.62);
            p.drawText(QRectF(ort.x() - 30, ort.y() - 12, 60, 24), Qt::AlignCenter,
                       QString::number(punkte));
        }
    }
    QFont titel = font();
    titel.setPixelSize(int(b * 0.07));
    titel.setBold(true);
    p.setFont(titel);
    p.setPen(QColor(120, 90, 40));
    p.drawText(QRectF(0, b * 0.74, b, b * 0.12), Qt::AlignCenter, QStringLiteral("Punkte"));

    if (!zeigerSichtbar)
        return;
    // der Zeiger nach der Regel in Twips, gezeichnet in Pixeln
    const Nadel n = berechneNadel(m_punkte, QRectF(0, 0, twips(width()), twips(width())));
    const auto inPixel = [](QPointF t) { return t / twipsJePixel; };
    p.setPen(QPen(QColor(200, 30, 30), b * 0.025, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(inPixel(n.achse), inPixel(n.spitze));
    p.setPen(QPen(QColor(90, 20, 20), b * 0.035, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(inPixel(n.achse), inPixel(n.ende));
    // die Achse: ein Zwölftel der Breite
    const double a = b / 12.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 50, 40));
    p.drawEllipse(QRectF(mitte.x() - a / 2, mitte.y() - a / 2, a, a));
}

Schreibfeld::Schreibfeld(QWidget* eltern) : QLineEdit(eltern) {
    setObjectName(QStringLiteral("SchreibenTextfeld"));
}

void Schreibfeld::keyPressEvent(QKeyEvent* e) {
    const QString text = e->text();
    if (!text.isEmpty() && !isReadOnly() && beiTaste) {
        const int code = text.at(0).unicode();
        if (!beiTaste(code))
            return;
    }
    QLineEdit::keyPressEvent(e);
}

void Schreibfeld::inputMethodEvent(QInputMethodEvent* e) {
    if (!e->commitString().isEmpty() && !isReadOnly() && beiTaste)
        beiTaste(e->commitString().at(0).unicode());
    QLineEdit::inputMethodEvent(e);
}

QPixmap lampenBild(int zustand, int g) {
    QPixmap bild(g, g);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QColor farbe = zustand == 1   ? QColor(230, 40, 40)
                   : zustand == 2 ? QColor(40, 200, 70)
                                  : QColor(150, 150, 150);
    QRadialGradient v(g * 0.38, g * 0.35, g * 0.6);
    v.setColorAt(0, zustand == 0 ? farbe.lighter(130) : farbe.lighter(170));
    v.setColorAt(1, zustand == 0 ? farbe.darker(130) : farbe);
    p.setBrush(v);
    p.setPen(QPen(QColor(60, 60, 60), g / 14.0));
    p.drawEllipse(QRectF(g * 0.08, g * 0.08, g * 0.84, g * 0.84));
    if (zustand != 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawEllipse(QRectF(g * 0.28, g * 0.22, g * 0.22, g * 0.16));
    }
    return bild;
}

QPixmap lautsprecherBild(int g) {
    QPixmap bild(g, g);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 80, 150), g / 12.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(120, 180, 240));
    QPainterPath lautsprecher;
    lautsprecher.moveTo(g * 0.12, g * 0.38);
    lautsprecher.lineTo(g * 0.30, g * 0.38);
    lautsprecher.lineTo(g * 0.50, g * 0.18);
    lautsprecher.lineTo(g * 0.50, g * 0.82);
    lautsprecher.lineTo(g * 0.30, g * 0.62);
    lautsprecher.lineTo(g * 0.12, g * 0.62);
    lautsprecher.closeSubpath();
    p.drawPath(lautsprecher);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(g * 0.45, g * 0.32, g * 0.2, g * 0.36), -60 * 16, 120 * 16);
    p.drawArc(QRectF(g * 0.45, g * 0.18, g * 0.38, g * 0.64), -60 * 16, 120 * 16);
    return bild;
}

} // namespace varku
