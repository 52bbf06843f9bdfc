#include "games/crossword/Kreuzwortbrett.h"

#include "games/crossword/Wertung.h"
#include "platform/Dienste.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace varku::wendomar {

namespace {

// Im Entwurf ist eine Zelle 448 Twips groß und das Bild hat 30 Twips Rand; hier groß genug für
// Kinderhände
constexpr int zelle = 40;
constexpr int rand = zelle * 30 / 448 + 1;
constexpr int abstand = 24; // zwischen Brett und Ablage

// ein Punkt in einem Bild, in Twips, wie die Regeln rechnen
double twips(int px) {
    return double(px) * 448.0 / zelle;
}

const QColor brettRahmen(46, 84, 140);
const QColor freieZelle(232, 238, 248);
const QColor festerStein(236, 206, 150);
const QColor beweglicherStein(255, 214, 64);

// schatten: wie hoch der Stein über dem Brett liegt, in Pixeln; ein gezogener liegt höher
void maleStein(QPainter& p, const QRectF& r, const QColor& farbe, QChar buchstabe,
               const QColor& schrift, int schatten) {
    const double rund = r.width() / 6;
    if (schatten > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40 + 10 * schatten));
        p.drawRoundedRect(r.translated(schatten, schatten), rund, rund);
    }
    p.setPen(QPen(farbe.darker(150), 1.5));
    p.setBrush(farbe);
    p.drawRoundedRect(r, rund, rund);
    p.setPen(schrift);
    p.drawText(r, Qt::AlignCenter, QString(buchstabe));
}

} // namespace

Kreuzwortbrett::Kreuzwortbrett(const Kreuzwortgitter& gitter, Steinlage& steine, QWidget* eltern)
    : QWidget(eltern), m_gitter(gitter), m_steine(steine) {
    setObjectName(QStringLiteral("SpFld"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    m_modal = std::make_unique<dienste::Beobachtung>([this](QWidget&, bool offen) {
        if (offen)
            brichZiehenAb();
    });
}

Kreuzwortbrett::~Kreuzwortbrett() = default;

Zelle Kreuzwortbrett::zelleUnter(double xTwips, double yTwips) {
    return {int(std::floor((xTwips - 30) / 448)) + 1, int(std::floor((yTwips - 30) / 448)) + 1};
}

void Kreuzwortbrett::setzeGesperrt(bool gesperrt) {
    m_gesperrt = gesperrt;
    if (gesperrt)
        brichZiehenAb();
}

int Kreuzwortbrett::gezogenerStein() const {
    // sind die Steine seit dem Griff neu ausgelegt, hält die Maus keinen mehr
    if (m_gezogen < 1 || m_gezogen > m_steine.anzahl() || m_griffAuslage != m_steine.auslage())
        return -1;
    return m_gezogen;
}

void Kreuzwortbrett::brichZiehenAb() {
    if (m_gezogen == -1)
        return;
    m_gezogen = -1;
    update();
}

QSize Kreuzwortbrett::sizeHint() const {
    return {2 * rand + gitterSpalten * zelle + abstand + 2 * rand + ablageSpalten * zelle,
            2 * rand + gitterZeilen * zelle};
}

QSize Kreuzwortbrett::minimumSizeHint() const {
    return sizeHint();
}

QRect Kreuzwortbrett::brettBild() const {
    return {0, 0, 2 * rand + gitterSpalten * zelle, 2 * rand + gitterZeilen * zelle};
}

QRect Kreuzwortbrett::ablageBild() const {
    return {brettBild().right() + 1 + abstand, 0, 2 * rand + ablageSpalten * zelle,
            2 * rand + ablageZeilen * zelle};
}

QRect Kreuzwortbrett::zellenRechteck(int spalte, int zeile) const {
    return {rand + (spalte - 1) * zelle, rand + (zeile - 1) * zelle, zelle, zelle};
}

QRect Kreuzwortbrett::ablageRechteck(int spalte, int zeile) const {
    return {ablageBild().left() + rand + (spalte - 1) * zelle, rand + (zeile - 1) * zelle, zelle,
            zelle};
}

QRect Kreuzwortbrett::steinRechteck(int n) const {
    if (n < 1 || n > m_steine.anzahl())
        return {};
    const Zelle f = m_steine.feld(n);
    if (f.spalte > 0)
        return zellenRechteck(f.spalte, f.zeile);
    const Zelle a = m_steine.stein(n).ablage;
    return ablageRechteck(a.spalte, a.zeile);
}

QRect Kreuzwortbrett::gezogenRechteck() const {
    return QRect(m_zeiger - m_griff, QSize(zelle, zelle));
}

int Kreuzwortbrett::steinUnter(QPoint p) const {
    // der zuletzt gemalte liegt oben
    for (int n = m_steine.anzahl(); n >= 1; --n)
        if (steinRechteck(n).contains(p))
            return n;
    return -1;
}

void Kreuzwortbrett::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.fillRect(e->rect(), palette().window());
    p.setRenderHint(QPainter::Antialiasing);
    QFont gross = font();
    gross.setPixelSize(zelle * 3 / 5);
    gross.setBold(true);
    QFont klein = font();
    klein.setPixelSize(zelle * 3 / 10);
    klein.setBold(true);

    for (const QRect& bild : {brettBild(), ablageBild()}) {
        p.setPen(Qt::NoPen);
        p.setBrush(brettRahmen);
        p.drawRoundedRect(bild, 6, 6);
    }
    // die Zellen, mit den Bonusfeldern: nur hier stehen ihre Zeichen
    for (int c = 1; c <= gitterSpalten; ++c)
        for (int r = 1; r <= gitterZeilen; ++r) {
            const QRectF z = QRectF(zellenRechteck(c, r)).adjusted(1, 1, -1, -1);
            const QString& code = bonusFeld(c, r);
            const QColor grund = code.isEmpty()          ? freieZelle
                                 : code.startsWith(u'*') ? QColor(250, 170, 170)
                                                         : QColor(170, 215, 250);
            p.setPen(Qt::NoPen);
            p.setBrush(grund);
            p.drawRoundedRect(z, 4, 4);
            if (!code.isEmpty()) {
                p.setFont(klein);
                p.setPen(grund.darker(220));
                p.drawText(z, Qt::AlignCenter,
                           code.startsWith(u'*') ? QStringLiteral("×") + code.mid(1) : code);
            }
        }
    for (int c = 1; c <= ablageSpalten; ++c)
        for (int r = 1; r <= ablageZeilen; ++r) {
            p.setBrush(freieZelle.darker(108));
            p.drawRoundedRect(QRectF(ablageRechteck(c, r)).adjusted(1, 1, -1, -1), 4, 4);
        }

    p.setFont(gross);
    // Stoppsteine und feste Steine der fertigen Wörter
    for (const Zelle& s : m_steine.stoppSteine()) {
        const QRectF z = QRectF(zellenRechteck(s.spalte, s.zeile)).adjusted(3, 3, -3, -3);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 96, 110));
        p.drawRoundedRect(z, 6, 6);
    }
    for (const FesterStein& f : m_steine.festeSteine())
        maleStein(p, QRectF(zellenRechteck(f.feld.spalte, f.feld.zeile)).adjusted(2, 2, -2, -2),
                  festerStein, f.buchstabe, QColor(70, 45, 10), 0);

    // der Rahmen um die Zellen des Wortes
    if (m_gitter.WortLaenge > 0) {
        const bool waag = m_gitter.Richtung == waagrecht;
        const QRect a = zellenRechteck(m_gitter.StartSpalte, m_gitter.StartZeile);
        const QRect b = waag ? zellenRechteck(m_gitter.StartSpalte + m_gitter.WortLaenge - 1,
                                              m_gitter.StartZeile)
                             : zellenRechteck(m_gitter.StartSpalte,
                                              m_gitter.StartZeile + m_gitter.WortLaenge - 1);
        p.setPen(QPen(QColor(255, 140, 0), 3));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(a.united(b)).adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
    }

    // die beweglichen Steine, der gezogene zuletzt unter dem Zeiger
    const int gezogen = gezogenerStein();
    for (int n = 1; n <= m_steine.anzahl(); ++n) {
        if (n == gezogen)
            continue;
        maleStein(p, QRectF(steinRechteck(n)).adjusted(2, 2, -2, -2), beweglicherStein,
                  m_steine.stein(n).buchstabe, QColor(20, 50, 120), 2);
    }
    if (gezogen > 0)
        maleStein(p, QRectF(gezogenRechteck()).adjusted(2, 2, -2, -2),
                  beweglicherStein.lighter(108), m_steine.stein(gezogen).buchstabe,
                  QColor(20, 50, 120), 5);
}

void Kreuzwortbrett::mousePressEvent(QMouseEvent* e) {
    // ein Griff, dessen Loslassen verloren ging, endet mit dem nächsten Drücken
    brichZiehenAb();
    if (m_gesperrt)
        return;
    const QPoint p = e->position().toPoint();
    const int n = steinUnter(p);
    if (n < 1)
        return;
    m_gezogen = n;
    m_griffAuslage = m_steine.auslage();
    m_griff = p - steinRechteck(n).topLeft();
    m_zeiger = p;
    // der Stein hebt sich: ein tieferer Schatten zeigt, dass er jetzt an der Maus hängt
    update(gezogenRechteck().adjusted(-2, -2, 7, 7));
}

void Kreuzwortbrett::mouseMoveEvent(QMouseEvent* e) {
    if (gezogenerStein() < 1) {
        brichZiehenAb();
        return;
    }
    const QRect alt = gezogenRechteck();
    m_zeiger = e->position().toPoint();
    // nur der alte und der neue Platz des Steins, mit seinem Schatten
    update(alt.adjusted(-2, -2, 7, 7));
    update(gezogenRechteck().adjusted(-2, -2, 7, 7));
}

void Kreuzwortbrett::mouseReleaseEvent(QMouseEvent* e) {
    const int n = gezogenerStein();
    if (n < 1) {
        brichZiehenAb();
        return;
    }
    const QRect vorher = steinRechteck(n);
    const QRect gezogen = gezogenRechteck();
    m_gezogen = -1;
    const QPoint p = e->position().toPoint();
    bool genommen = false;
    if (brettBild().contains(p)) {
        genommen = m_steine.legeAufFeld(n, zelleUnter(twips(p.x()), twips(p.y())));
    } else if (ablageBild().contains(p)) {
        const QPoint q = p - ablageBild().topLeft();
        genommen = m_steine.legeInAblage(n, zelleUnter(twips(q.x()), twips(q.y())));
    }
    update(vorher.adjusted(-2, -2, 7, 7));
    update(gezogen.adjusted(-2, -2, 7, 7));
    update(steinRechteck(n).adjusted(-2, -2, 7, 7));
    if (genommen)
        emit gelegt();
}

} // namespace varku::wendomar
