#include "gamekit/Lupenwort.h"

#include "foundation/Twips.h"
#include "gamekit/Spielfenster.h"

#include <QEvent>
#include <QLabel>

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
    legeLupe();
}

void Lupenwort::markiere(const QString& wort, int von, int bis, bool an) {
    m_wort = wort;
    m_von = von;
    m_bis = bis;
    m_an = an;
    legeLupe();
}

bool Lupenwort::eventFilter(QObject* o, QEvent* e) {
    if (o == &m_feld && e->type() == QEvent::Resize) {
        m_passeSchrift(m_wort);
        legeLupe();
    }
    return QObject::eventFilter(o, e);
}

void Lupenwort::legeLupe() {
    legeLeseLupe(m_lupe, m_feld, m_wort, m_von, m_bis, m_an, m_rand);
}

void legeLeseLupe(QWidget& lupe, const QLabel& wortFeld, const QString& wort, int von, int bis,
                  bool an, double rand) {
    // eine Stelle außerhalb des Wortes markiert nichts
    if (!an || von < 1 || bis < von || bis > wort.size() || !lupe.parentWidget()) {
        lupe.hide();
        return;
    }
    const QFont& f = wortFeld.font();
    const int links = px(textBreite(wort.left(von - 1), f));
    const int breite = px(textBreite(wort.mid(von - 1, bis - von + 1), f));
    const QRect inhalt = wortFeld.contentsRect();
    const QRect feld(wortFeld.mapTo(lupe.parentWidget(), inhalt.topLeft()), inhalt.size());
    const int hoehe = int(feld.height() * 1.1);
    lupe.setGeometry(feld.left() + links - px(rand), feld.top() + (feld.height() - hoehe) / 2,
                     breite + 2 * px(rand), hoehe);
    lupe.show();
    lupe.raise();
}

} // namespace varku
