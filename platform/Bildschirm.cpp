#include "platform/Bildschirm.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace varku {

namespace {

QMargins randVon(const QWidget& w) {
    const QWindow* fenster = w.windowHandle();
    return fenster ? fenster->frameMargins() : QMargins();
}

} // namespace

QRect verfuegbareFlaeche(const QWidget& fenster) {
    QScreen* schirm = nullptr;
    if (fenster.isVisible())
        schirm = fenster.screen();
    else if (const QWidget* aktiv = QApplication::activeWindow())
        schirm = aktiv->screen();
    if (!schirm)
        schirm = fenster.screen();
    if (!schirm)
        schirm = QGuiApplication::primaryScreen();
    return schirm ? schirm->availableGeometry() : QRect();
}

QMargins fensterRand(const QWidget& fenster) {
    if (fenster.windowFlags() & Qt::FramelessWindowHint)
        return {};
    QMargins rand = randVon(fenster);
    if (!rand.isNull())
        return rand;
    // ein anderes Fenster mit Rand verrät, wie breit der Fenstermanager ihn macht
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w == &fenster || !w->isVisible() || (w->windowFlags() & Qt::FramelessWindowHint))
            continue;
        rand = randVon(*w);
        if (!rand.isNull())
            return rand;
    }
    // geschätzt, lieber zu groß: eine Titelleiste und schmale Kanten
    return {8, 32, 8, 8};
}

void haltImBildschirm(QWidget& fenster) {
    const QRect flaeche = verfuegbareFlaeche(fenster);
    if (flaeche.isEmpty())
        return;
    const QMargins rand = fensterRand(fenster);
    const QRect aussen = fenster.geometry().marginsAdded(rand);
    QPoint ecke = aussen.topLeft();
    if (aussen.right() > flaeche.right())
        ecke.setX(flaeche.right() + 1 - aussen.width());
    if (aussen.bottom() > flaeche.bottom())
        ecke.setY(flaeche.bottom() + 1 - aussen.height());
    ecke.setX(std::max(ecke.x(), flaeche.left()));
    ecke.setY(std::max(ecke.y(), flaeche.top()));
    if (ecke == aussen.topLeft())
        return;
    // Vor dem ersten Zeigen nimmt der Fenstermanager die Lage als die des Rahmens (Qt kennt den
    // Rand dann noch nicht); danach rechnet move mit dem Rand, den Qt kennt.
    if (!fenster.isVisible()) {
        fenster.move(ecke);
        return;
    }
    const QPoint qtRand = fenster.geometry().topLeft() - fenster.pos();
    fenster.move(ecke + QPoint(rand.left(), rand.top()) - qtRand);
}

void setzeLage(QWidget& fenster, const QPoint& lage) {
    fenster.move(lage);
    if (QWindow* w = fenster.windowHandle(); w && fenster.isWindow())
        w->setFramePosition(lage);
}

} // namespace varku
