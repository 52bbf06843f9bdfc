#include "gamekit/Lupenwort.h"

#include "foundation/Twips.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QLayout>
#include <QStyle>

namespace varku {

Lupenwort::Lupenwort(QLabel& wortFeld, QWidget& lupe, double rand,
                     std::function<void(const QString&)> passeSchrift)
    : QObject(&wortFeld), m_feld(wortFeld), m_lupe(lupe), m_rand(rand),
      m_passeSchrift(std::move(passeSchrift)) {
    wortFeld.installEventFilter(this);
}

void Lupenwort::zeige(const QString& wort) {
    m_wort = wort;
    m_passeSchrift(m_wort);
    ordneFeldAn();
    legeLupe();
}

void Lupenwort::markiere(const QString& wort, int von, int bis, bool an) {
    m_wort = wort;
    m_von = von;
    m_bis = bis;
    m_an = an;
    ordneFeldAn();
    legeLupe();
}

void Lupenwort::ordneFeldAn() {
    // ein neuer Text oder eine neue Schrift neben dem Feld (der Kontext davor) verschiebt es erst
    // mit der nächsten Anordnung; die Lupe misst dort, wo das Wort gleich steht. Die neue Breite
    // kann die Schrift noch einmal ändern und damit die Anordnung
    QWidget* eltern = m_feld.parentWidget();
    if (!eltern || !eltern->layout())
        return;
    for (int i = 0; i < 3 && eltern->layout()->activate(); ++i) {
    }
}

bool Lupenwort::eventFilter(QObject* o, QEvent* e) {
    if (o == &m_feld && e->type() == QEvent::Resize) {
        m_passeSchrift(m_wort);
        legeLupe();
    } else if (o == &m_feld && e->type() == QEvent::Move) {
        // das Feld rückt, ohne breiter zu werden: nur die Lupe geht mit
        legeLupe();
    }
    return QObject::eventFilter(o, e);
}

void Lupenwort::legeLupe() {
    legeLeseLupe(m_lupe, m_feld, m_wort, m_von, m_bis, m_an, m_rand);
}

namespace {

QRect textRechteck(const QLabel& feld, const QString& text) {
    // wie das Feld seinen Text malt: im Inhalt ohne den Rand, mit dem Einzug und der Ausrichtung
    const int rand = feld.margin();
    QRect r = feld.contentsRect().adjusted(rand, rand, -rand, -rand);
    const QFontMetrics m(feld.font());
    int einzug = feld.indent();
    if (einzug < 0 && feld.frameWidth() > 0)
        einzug = m.horizontalAdvance(QLatin1Char('x')) / 2;
    const Qt::Alignment a = QStyle::visualAlignment(feld.layoutDirection(), feld.alignment());
    if (einzug > 0) {
        if (a & Qt::AlignLeft)
            r.setLeft(r.left() + einzug);
        if (a & Qt::AlignRight)
            r.setRight(r.right() - einzug);
        if (a & Qt::AlignTop)
            r.setTop(r.top() + einzug);
        if (a & Qt::AlignBottom)
            r.setBottom(r.bottom() - einzug);
    }
    return feld.style()->itemTextRect(m, r, int(a), feld.isEnabled(), text);
}

} // namespace

void legeLeseLupe(QWidget& lupe, const QLabel& wortFeld, const QString& wort, int von, int bis,
                  bool an, double rand) {
    // eine Stelle außerhalb des Wortes markiert nichts
    if (!an || von < 1 || bis < von || bis > wort.size() || !lupe.parentWidget()) {
        lupe.hide();
        return;
    }
    // die Buchstaben im ganzen Wort gemessen, wie es gemalt wird, mit dem Abstand der Paare
    const QFontMetricsF m(wortFeld.font());
    const int links = qRound(m.horizontalAdvance(wort, von - 1));
    const int rechts = qRound(m.horizontalAdvance(wort, bis));
    const QRect inhalt = wortFeld.contentsRect();
    const QRect feld(wortFeld.mapTo(lupe.parentWidget(), inhalt.topLeft()), inhalt.size());
    const int textLinks =
        wortFeld.mapTo(lupe.parentWidget(), textRechteck(wortFeld, wort).topLeft()).x();
    const int hoehe = int(feld.height() * 1.1);
    lupe.setGeometry(textLinks + links - px(rand), feld.top() + (feld.height() - hoehe) / 2,
                     rechts - links + 2 * px(rand), hoehe);
    lupe.show();
    lupe.raise();
}

} // namespace varku
