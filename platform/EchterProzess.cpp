#include "platform/EchterProzess.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QProcess>

namespace varku {

namespace {

// Solange das Spiel läuft, zeichnen sich die Fenster des Rahmens neu, aber Tasten, Maus und
// das Schließfeld gehen ins Leere; sie werden auch danach nicht nachgeholt.
class Eingabesperre : public QObject {
public:
    Eingabesperre() {
        if (QCoreApplication* app = QCoreApplication::instance())
            app->installEventFilter(this);
    }
    ~Eingabesperre() override {
        if (QCoreApplication* app = QCoreApplication::instance())
            app->removeEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::ContextMenu:
        case QEvent::InputMethod:
        case QEvent::Close:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

bool EchterProzess::starteUndWarte(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.setProgram(programm);
    p.setArguments(argumente);
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.setInputChannelMode(QProcess::ForwardedInputChannel);
    QEventLoop schleife;
    QObject::connect(&p, &QProcess::finished, &schleife, &QEventLoop::quit);
    QObject::connect(&p, &QProcess::errorOccurred, &schleife, [&](QProcess::ProcessError f) {
        if (f == QProcess::FailedToStart)
            schleife.quit();
    });
    p.start();
    if (!p.waitForStarted(-1))
        return false;
    if (p.state() != QProcess::NotRunning) {
        Eingabesperre sperre;
        schleife.exec();
    }
    return true;
}

} // namespace varku
