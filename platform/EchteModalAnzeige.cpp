#include "platform/EchteModalAnzeige.h"

#include "platform/Anwendung.h"
#include "platform/Bildschirm.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace varku {

namespace {

// wo das Programm das Fenster zuletzt verborgen hat (Lage mit Rand)
constexpr const char* lageName = "varkuLetzteLage";
// gesetzt, solange ein entlassenes Fenster noch steht
constexpr const char* entlassenName = "varkuEntlassen";

QEvent::Type entlassenArt() {
    static const auto art = QEvent::Type(QEvent::registerEventType());
    return art;
}

// Beendet die Schleife, wenn das Programm das Fenster verbirgt, schließt oder entlässt.
// Minimieren schickt auch ein Hide, verbirgt es aber nicht: das Fenster bleibt offen.
class VerbergenFilter : public QObject {
public:
    VerbergenFilter(QWidget& fenster, QEventLoop& schleife)
        : m_fenster(fenster), m_schleife(schleife) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o != &m_fenster)
            return false;
        if (e->type() == QEvent::Hide && m_fenster.isHidden()) {
            beende();
        } else if (e->type() == entlassenArt()) {
            m_fenster.setProperty(entlassenName, true);
            // sperrt nichts mehr (Qt behält es bis zum Abbauen in seiner Liste, ohne Sperre)
            m_fenster.setWindowModality(Qt::NonModal);
            beende();
            return true;
        }
        return false;
    }

private:
    void beende() {
        m_fenster.setProperty(lageName, m_fenster.pos());
        // Ab jetzt zeigt WA_Moved, ob das Programm das Fenster selbst verschoben hat.
        m_fenster.setAttribute(Qt::WA_Moved, false);
        m_schleife.quit();
    }

    QWidget& m_fenster;
    QEventLoop& m_schleife;
};

bool istNutzbar(const QWidget* w, const QWidget& fenster) {
    return w && w != &fenster && w->isVisible() && w->windowType() != Qt::Popup &&
           w->windowType() != Qt::ToolTip && !w->property(entlassenName).toBool();
}

// Das Fenster, das dieses öffnet: sein Elternfenster, sonst das oberste modale (nur dieses nimmt
// Eingaben an), sonst das aktive. Das oberste modale zuerst, denn das Aktivieren kommt später an:
// zeigt ein Fenster gleich beim Öffnen eine Meldung, ist noch sein Öffner aktiv.
QWidget* oeffnerVon(QWidget& fenster) {
    if (QWidget* eltern = fenster.parentWidget())
        return eltern->window();
    QWidget* modal = QApplication::activeModalWidget();
    if (istNutzbar(modal, fenster))
        return modal;
    QWidget* aktiv = QApplication::activeWindow();
    if (istNutzbar(aktiv, fenster))
        return aktiv;
    return nullptr;
}

// ob fenster schon (über andere) zu oeffner gehört; dann gäbe es einen Kreis
bool gehoertZu(const QWindow* oeffner, const QWindow* fenster) {
    for (const QWindow* w = oeffner; w; w = w->transientParent())
        if (w == fenster)
            return true;
    return false;
}

void gehoereZu(QWidget& fenster, QWidget* oeffner) {
    fenster.winId(); // legt das QWindow an
    QWindow* eigen = fenster.windowHandle();
    if (!eigen || fenster.parentWidget())
        return; // mit Elternfenster macht Qt das selbst
    QWindow* ueber = oeffner ? oeffner->windowHandle() : nullptr;
    if (ueber && gehoertZu(ueber, eigen))
        ueber = nullptr;
    eigen->setTransientParent(ueber);
}

void stelleLageWiederHer(QWidget& fenster) {
    const QVariant lage = fenster.property(lageName);
    if (lage.isValid() && !fenster.testAttribute(Qt::WA_Moved))
        fenster.move(lage.toPoint());
}

} // namespace

void EchteModalAnzeige::zeigeModal(QWidget& fenster) {
    if (Anwendung::endet())
        return;
    QPointer<QWidget> oeffner = oeffnerVon(fenster);
    gehoereZu(fenster, oeffner);
    stelleLageWiederHer(fenster);
    // Ohne eigene Lage stellt Qt das Fenster hin: einen Dialog über seinen Öffner (nach dem
    // Zeigen mit dem wirklichen Rand nachgehalten), ein Hauptfenster dorthin, wo der
    // Fenstermanager will; dessen Lage kennt Qt erst später, sie wird nicht nachgerechnet.
    const bool lageGesetzt = fenster.testAttribute(Qt::WA_Moved);
    if (lageGesetzt)
        haltImBildschirm(fenster);
    const bool halten = lageGesetzt || qobject_cast<QDialog*>(&fenster);

    fenster.setProperty(entlassenName, QVariant());
    QPointer<QWidget> w(&fenster);
    QEventLoop schleife;
    VerbergenFilter filter(fenster, schleife);
    fenster.installEventFilter(&filter);
    QObject::connect(&fenster, &QObject::destroyed, &schleife, &QEventLoop::quit);
    fenster.setWindowModality(Qt::ApplicationModal);
    fenster.show();
    if (fenster.isVisible()) {
        if (halten)
            haltImBildschirm(fenster); // jetzt mit dem wirklichen Rand
        fenster.raise();
        fenster.activateWindow();
        // Sonst erführe Qt erst aus der Antwort des Fenstersystems, dass das Fenster aktiv ist,
        // und zeichnete es dann ein zweites Mal (Tastenfokus, Fokusrahmen): so stimmt schon das
        // erste Bild. Die spätere Antwort ändert nichts mehr.
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(&fenster);
        QT_WARNING_POP
        schleife.exec(QEventLoop::DialogExec);
    }
    if (w)
        w->removeEventFilter(&filter);
    // Die Tastatur geht an das öffnende Fenster zurück, auch ohne Fenstermanager.
    if (oeffner && oeffner->isVisible() && !oeffner->isMinimized() && !Anwendung::endet())
        oeffner->activateWindow();
}

void EchteModalAnzeige::entlasse(QWidget& fenster) {
    // nur ein Fenster in der modalen Schleife hört darauf
    QEvent e(entlassenArt());
    QCoreApplication::sendEvent(&fenster, &e);
}

void EchteModalAnzeige::zeige(QWidget& fenster) {
    if (Anwendung::endet())
        return;
    fenster.show();
}

} // namespace varku
