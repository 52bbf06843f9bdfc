#include "platform/EchteModalAnzeige.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

namespace varku {

namespace {

// beendet die Schleife, sobald das Fenster verborgen wird
class VerbergenFilter : public QObject {
public:
    explicit VerbergenFilter(QEventLoop& schleife) : m_schleife(schleife) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Hide)
            m_schleife.quit();
        return false;
    }

private:
    QEventLoop& m_schleife;
};

} // namespace

void EchteModalAnzeige::zeigeModal(QWidget& fenster) {
    if (auto* dialog = qobject_cast<QDialog*>(&fenster)) {
        dialog->exec();
        return;
    }
    QPointer<QWidget> w(&fenster);
    QEventLoop schleife;
    VerbergenFilter filter(schleife);
    fenster.installEventFilter(&filter);
    QObject::connect(&fenster, &QObject::destroyed, &schleife, &QEventLoop::quit);
    fenster.setWindowModality(Qt::ApplicationModal);
    fenster.show();
    if (fenster.isVisible())
        schleife.exec(QEventLoop::DialogExec);
    if (w)
        w->removeEventFilter(&filter);
}

void EchteModalAnzeige::zeige(QWidget& fenster) {
    fenster.show();
}

} // namespace varku
