#include "platform/EchterProzess.h"

#include <QEventLoop>
#include <QProcess>

namespace varku {

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
    // Die Fenster zeichnen sich neu, aber Tasten und Maus bleiben, bis das Programm endet.
    if (p.state() != QProcess::NotRunning)
        schleife.exec(QEventLoop::ExcludeUserInputEvents);
    return true;
}

} // namespace varku
