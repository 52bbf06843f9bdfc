#include "games/fallingletters/Steinbilder.h"

#include "games/fallingletters/Fallspiel.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmapCache>
#include <algorithm>
#include <array>

namespace varku::dolmix {

namespace {

// Im Entwurf ist eine Zelle 448 Twips groß, der Rand links 30 und unten 45 Twips
int randLinks(int z) {
    return std::max(2, (z * 30 + 224) / 448);
}
int randUnten(int z) {
    return std::max(3, (z * 45 + 224) / 448);
}

QPixmap maleFeld(int z) {
    const int links = randLinks(z);
    QPixmap bild(spielfeldGroesse(z));
    bild.fill(QColor(58, 66, 92));
    QPainter p(&bild);
    const QRect innen(links, links, feldSpalten * z, feldZeilen * z);
    QLinearGradient grund(innen.topLeft(), innen.bottomLeft());
    grund.setColorAt(0, QColor(236, 242, 252));
    grund.setColorAt(1, QColor(214, 224, 242));
    p.fillRect(innen, grund);
    // feine Linien zwischen den Zellen, damit Kinder die Spalten sehen
    p.setPen(QColor(196, 206, 228));
    for (int s = 1; s < feldSpalten; ++s)
        p.drawLine(innen.left() + s * z, innen.top(), innen.left() + s * z, innen.bottom());
    for (int r = 1; r < feldZeilen; ++r)
        p.drawLine(innen.left(), innen.top() + r * z, innen.right(), innen.top() + r * z);
    return bild;
}

QPixmap maleSteinBild(int farbe, QSize g) {
    QPixmap bild(g);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = steinFarbe(farbe).stein;
    const QRectF r = QRectF(bild.rect()).adjusted(1, 1, -1, -1);
    const double rund = g.width() / 6.0;
    QLinearGradient v(r.topLeft(), r.bottomRight());
    v.setColorAt(0, c.lighter(125));
    v.setColorAt(1, c.darker(115));
    p.setPen(QPen(c.darker(160), std::max(1.0, g.width() / 28.0)));
    p.setBrush(v);
    p.drawRoundedRect(r, rund, rund);
    // ein heller Schein oben links lässt den Stein erhaben wirken
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.12, r.top() + r.height() * 0.08,
                             r.width() * 0.76, r.height() * 0.22),
                      rund / 2, rund / 2);
    return bild;
}

QPixmap steinBild(int farbe, QSize g) {
    const QString schluessel =
        QStringLiteral("dolmix-stein-%1-%2x%3").arg(farbe).arg(g.width()).arg(g.height());
    QPixmap bild;
    if (!QPixmapCache::find(schluessel, &bild)) {
        bild = maleSteinBild(farbe, g);
        QPixmapCache::insert(schluessel, bild);
    }
    return bild;
}

} // namespace

Steinfarbe steinFarbe(int farbe) {
    // Pink, Rot, Gelb, Grün, Blau, Ocker; die Schrift je so, dass sie sich klar abhebt
    static const std::array<Steinfarbe, steinFarben + 1> tabelle{{
        {QColor(170, 170, 176), QColor(40, 40, 40)}, // blank
        {QColor(255, 150, 200), QColor(90, 0, 60)},
        {QColor(215, 40, 40), QColor(255, 255, 255)},
        {QColor(250, 215, 60), QColor(90, 55, 0)},
        {QColor(30, 130, 55), QColor(255, 255, 255)},
        {QColor(50, 100, 220), QColor(255, 255, 255)},
        {QColor(205, 150, 60), QColor(55, 28, 0)},
    }};
    return tabelle[size_t(farbe >= 1 && farbe <= steinFarben ? farbe : 0)];
}

QPixmap spielfeldBild(int z) {
    const QString schluessel = QStringLiteral("dolmix-feld-%1").arg(z);
    QPixmap bild;
    if (!QPixmapCache::find(schluessel, &bild)) {
        bild = maleFeld(z);
        QPixmapCache::insert(schluessel, bild);
    }
    return bild;
}

QSize spielfeldGroesse(int z) {
    const int links = randLinks(z);
    return {links * 2 + feldSpalten * z, links + randUnten(z) + feldZeilen * z};
}

QRect zellenRechteck(int spalte, int zeile, int z) {
    const int links = randLinks(z);
    return {links + (spalte - 1) * z, links + (feldZeilen - zeile) * z, z, z};
}

QFont steinSchrift(int z) {
    QFont f(QStringLiteral("Sans Serif"));
    f.setPixelSize(std::max(8, z * 2 / 3));
    f.setBold(true);
    return f;
}

void maleStein(QPainter& p, const QRect& rechteck, int farbe, const QString& buchstabe,
               int drehung) {
    const bool blank = farbe < 1 || farbe > steinFarben;
    p.drawPixmap(rechteck.topLeft(), steinBild(blank ? 0 : farbe, rechteck.size()));
    if (blank || buchstabe.isEmpty())
        return;
    schreibeGedrehtenText(p, buchstabe, steinSchrift(rechteck.width()), steinFarbe(farbe).buchstabe,
                          drehung, rechteck);
}

bool schreibeGedrehtenText(QPainter& p, const QString& text, const QFont& schrift,
                           const QColor& farbe, int winkel, const QRectF& kasten) {
    if (winkel != 0 && winkel != 90 && winkel != 180 && winkel != 270)
        return false;
    p.save();
    p.setFont(schrift);
    p.setPen(farbe);
    p.translate(kasten.center());
    // der Bildschirm zählt y nach unten: gegen den Uhrzeigersinn heißt hier ein negativer Winkel
    p.rotate(-winkel);
    const QRectF um(-kasten.width() / 2, -kasten.height() / 2, kasten.width(), kasten.height());
    p.drawText(um, Qt::AlignCenter, text);
    p.restore();
    return true;
}

} // namespace varku::dolmix
