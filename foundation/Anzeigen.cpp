#include "foundation/Anzeigen.h"

#include "foundation/Twips.h"
#include "platform/Dienste.h"
#include "platform/Uhr.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QRadialGradient>

namespace varku {

namespace {

QPixmap maleLampe(Lampenzustand zustand, int g) {
    QPixmap bild(g, g);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const bool aus = zustand == Lampenzustand::Aus;
    const QColor farbe = zustand == Lampenzustand::Rot     ? QColor(230, 40, 40)
                         : zustand == Lampenzustand::Gruen ? QColor(40, 200, 70)
                         : zustand == Lampenzustand::Gelb  ? QColor(245, 200, 30)
                                                           : QColor(150, 150, 150);
    QRadialGradient v(g * 0.38, g * 0.35, g * 0.6);
    v.setColorAt(0, aus ? farbe.lighter(130) : farbe.lighter(170));
    v.setColorAt(1, aus ? farbe.darker(130) : farbe);
    p.setBrush(v);
    p.setPen(QPen(QColor(60, 60, 60), g / 14.0));
    p.drawEllipse(QRectF(g * 0.08, g * 0.08, g * 0.84, g * 0.84));
    if (!aus) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawEllipse(QRectF(g * 0.28, g * 0.22, g * 0.22, g * 0.16));
    }
    return bild;
}

} // namespace

// Eine Lampe wechselt mit jedem Wort; gemalt wird jedes Bild nur einmal (ein weicher Verlauf
// mit Kantenglättung kostet jedes Mal spürbar Zeit).
QPixmap lampenBild(Lampenzustand zustand, int g) {
    const QString schluessel =
        QStringLiteral("varku-lampe-%1-%2").arg(static_cast<int>(zustand)).arg(g);
    QPixmap bild;
    if (!QPixmapCache::find(schluessel, &bild)) {
        bild = maleLampe(zustand, g);
        QPixmapCache::insert(schluessel, bild);
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

Lampe::Lampe(QWidget* eltern, int groesse) : QLabel(eltern), m_groesse(groesse) {
    setPixmap(lampenBild(m_zustand, m_groesse));
    // die anderen beiden Bilder gleich mit: der erste Wechsel soll nicht erst malen
    lampenBild(Lampenzustand::Rot, m_groesse);
    lampenBild(Lampenzustand::Gruen, m_groesse);
}

void Lampe::setzeZustand(Lampenzustand z) {
    if (z == m_zustand)
        return;
    m_zustand = z;
    setPixmap(lampenBild(z, m_groesse));
}

Blinklampe::Blinklampe(Lampe& lampe, int taktMs, bool sofort)
    : m_lampe(lampe), m_timer(dienste::uhr().neuerTimer()), m_sofort(sofort) {
    m_timer->setzeIntervall(taktMs);
    m_timer->beiTick = [this] { takt(); };
}

Blinklampe::~Blinklampe() = default;

void Blinklampe::blinke(Lampenzustand hell, Lampenzustand dunkel, int schritte,
                        Lampenzustand ende) {
    m_hellZ = hell;
    m_dunkelZ = dunkel;
    m_schritte = schritte;
    m_endeZ = ende;
    m_schritt = 0;
    m_hell = m_sofort;
    if (m_hell)
        m_lampe.setzeZustand(hell);
    m_timer->setzeAktiv(true);
}

void Blinklampe::halte(Lampenzustand z) {
    m_timer->setzeAktiv(false);
    m_lampe.setzeZustand(z);
}

bool Blinklampe::blinkt() const {
    return m_timer->aktiv();
}

void Blinklampe::takt() {
    m_hell = !m_hell;
    m_lampe.setzeZustand(m_hell ? m_hellZ : m_dunkelZ);
    if (m_schritte <= 0 || ++m_schritt < m_schritte)
        return;
    halte(m_endeZ);
    if (beiEnde)
        beiEnde();
}

namespace {

constexpr QRgb ziffernGrund = 0x1d2530;

// der Umriss eines Ziffernfelds: das Rechteck mit runden Ecken
QPainterPath ziffernfeldUmriss(const QRect& feld) {
    const QRectF r(feld);
    constexpr qreal rx = 4, ry = 4;
    QPainterPath umriss;
    // zu klein für die Ecken: eckig
    if (r.width() < 2 * rx || r.height() < 2 * ry)
        umriss.addRect(r);
    else
        umriss.addRoundedRect(r, rx, ry);
    return umriss;
}

// Ein Ziffernfeld: dunkler Grund mit runden Ecken (4 Pixel), die Ziffer in seiner Farbe. Es
// malt den Grund selbst, so wie ein Stilblatt "background; border-radius: 4px" ihn malt, nur
// ohne dessen Kosten bei jedem Bild.
class Ziffernfeld : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* e) override {
        {
            QPainter p(this);
            p.setRenderHint(QPainter::Antialiasing);
            p.fillPath(ziffernfeldUmriss(rect()), QColor(ziffernGrund));
        }
        QLabel::paintEvent(e);
    }
};

} // namespace

Ziffernanzeige::Ziffernanzeige(const QString& name, int stellen, bool komma, QWidget* eltern)
    : QWidget(eltern), m_farbe(QColor(0x6b, 0x74, 0x80)) {
    setObjectName(name);
    QFont ziffer(QStringLiteral("Liberation Mono"));
    ziffer.setPointSize(18);
    ziffer.setBold(true);
    const int mitte = stellen / 2;
    double links = 0;
    for (int k = 0; k < stellen; ++k) {
        if (komma && k == mitte) {
            auto* zeichen = new QLabel(QStringLiteral(","), this);
            zeichen->setFont(ziffer);
            setzeTwips(*zeichen, links - 30, 60, 150, 600);
            links += kommaBreite;
        }
        auto* l = new Ziffernfeld(QStringLiteral("0"), this);
        l->setObjectName(name + QString::number(k));
        l->setAlignment(Qt::AlignCenter);
        l->setFont(ziffer);
        setzeTwips(*l, links, 0, feldBreite, feldHoehe);
        links += feldAbstand;
        m_felder.push_back(l);
    }
    setzeTwips(*this, 0, 0, links, feldHoehe);
    setzeFarbe(m_farbe);
}

void Ziffernanzeige::zeige(const QString& ziffern) {
    for (size_t k = 0; k < m_felder.size(); ++k)
        m_felder[k]->setText(qsizetype(k) < ziffern.size() ? QString(ziffern.at(qsizetype(k)))
                                                           : QString());
}

void Ziffernanzeige::setzeFarbe(const QColor& farbe) {
    m_farbe = farbe;
    for (QLabel* l : m_felder) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, farbe);
        l->setPalette(p);
    }
}

QString Ziffernanzeige::text() const {
    QString s;
    for (const QLabel* l : m_felder)
        s += l->text();
    return s;
}

} // namespace varku
