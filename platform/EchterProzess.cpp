#include "platform/EchterProzess.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QProcess>

namespace varku {

namespace {

// Solange das Spiel läuft, zeichnen sich die Fenster des Rahmens neu, aber Tasten, Maus und
// das Schließfeld gehen ins Leere; sie werden auch danach nicht nachgeholt.
// Ein Klick oder das Aktivieren eines Fensters meint das Spiel: es kommt nach vorn.
class Eingabesperre : public QObject {
public:
    explicit Eingabesperre(std::function<void()> beiGriff) : m_beiGriff(std::move(beiGriff)) {
        if (QCoreApplication* app = QCoreApplication::instance())
            app->installEventFilter(this);
    }
    ~Eingabesperre() override {
        if (QCoreApplication* app = QCoreApplication::instance())
            app->removeEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if ((e->type() == QEvent::MouseButtonPress || e->type() == QEvent::WindowActivate) &&
            m_beiGriff)
            m_beiGriff();
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

private:
    std::function<void()> m_beiGriff;
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
        const qint64 nummer = p.processId();
        Eingabesperre sperre(m_beiGriff
                                 ? std::function<void()>([this, nummer] { m_beiGriff(nummer); })
                                 : std::function<void()>());
        schleife.exec();
    }
    return true;
}

} // namespace varku
