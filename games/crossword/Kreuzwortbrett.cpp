#include "games/crossword/Kreuzwortbrett.h"

#include "foundation/Twips.h"

#include <QPaintEvent>
#include <QPainter>

namespace varku::wendomar {

namespace {

// eine Zelle ist 448 Twips groß, das Brett hat 30 Twips Rand
int zelle() {
    return px(448);
}
int rand() {
    return px(30);
}

} // namespace

Kreuzwortbrett::Kreuzwortbrett(const Kreuzwortgitter& gitter, QWidget* eltern)
    : QWidget(eltern), m_gitter(gitter) {
    setObjectName(QStringLiteral("SpFld"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize Kreuzwortbrett::sizeHint() const {
    return {2 * rand() + gitterSpalten * zelle(), 2 * rand() + gitterZeilen * zelle()};
}

QSize Kreuzwortbrett::minimumSizeHint() const {
    return sizeHint();
}

QRect Kreuzwortbrett::zellenRechteck(int spalte, int zeile) const {
    const QPoint o((width() - sizeHint().width()) / 2, (height() - sizeHint().height()) / 2);
    return {o.x() + rand() + (spalte - 1) * zelle(), o.y() + rand() + (zeile - 1) * zelle(),
            zelle(), zelle()};
}

void Kreuzwortbrett::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.fillRect(e->rect(), palette().window());
    const QRect brett = zellenRechteck(1, 1).united(zellenRechteck(gitterSpalten, gitterZeilen));
    p.fillRect(brett.adjusted(-rand(), -rand(), rand(), rand()), QColor(46, 84, 140));
    p.setRenderHint(QPainter::Antialiasing);
    QFont schrift = font();
    schrift.setPixelSize(zelle() * 3 / 5);
    schrift.setBold(true);
    p.setFont(schrift);
    // die Zellen des Wortes, das gelegt wird
    const auto imWort = [&](int c, int r) {
        if (m_gitter.WortLaenge <= 0)
            return false;
        if (m_gitter.Richtung == waagrecht)
            return r == m_gitter.StartZeile && c >= m_gitter.StartSpalte &&
                   c < m_gitter.StartSpalte + m_gitter.WortLaenge;
        return c == m_gitter.StartSpalte && r >= m_gitter.StartZeile &&
               r < m_gitter.StartZeile + m_gitter.WortLaenge;
    };
    for (int c = 1; c <= gitterSpalten; ++c)
        for (int r = 1; r <= gitterZeilen; ++r) {
            const QRectF z = QRectF(zellenRechteck(c, r)).adjusted(1, 1, -1, -1);
            const bool buchstabe = m_gitter.zustand(c, r) == zsBuchstabe;
            p.setPen(Qt::NoPen);
            p.setBrush(buchstabe      ? QColor(255, 244, 214)
                       : imWort(c, r) ? QColor(255, 226, 120)
                                      : QColor(232, 238, 248));
            p.drawRoundedRect(z, z.width() / 8, z.width() / 8);
            if (buchstabe) {
                p.setPen(QColor(60, 40, 10));
                p.drawText(z, Qt::AlignCenter, m_gitter.buchstabe(c, r));
            }
        }
}

} // namespace varku::wendomar
