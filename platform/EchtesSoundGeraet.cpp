#include "platform/EchtesSoundGeraet.h"

#include "platform/WavKopf.h"

#include <QEventLoop>
#include <QFile>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace varku {

EchtesSoundGeraet::EchtesSoundGeraet() : m_effekt(std::make_unique<QSoundEffect>()) {}

EchtesSoundGeraet::~EchtesSoundGeraet() = default;

void EchtesSoundGeraet::spiele(const QString& datei) {
    if (!m_effekt || !QFile::exists(datei))
        return;
    m_effekt->stop();
    const QUrl quelle = QUrl::fromLocalFile(datei);
    if (m_effekt->source() != quelle)
        m_effekt->setSource(quelle);
    m_effekt->play();
}

void EchtesSoundGeraet::spieleUndWarte(const QString& datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const auto dauer = wavDauerMs(f.read(64 * 1024), f.size());
    f.close();
    spiele(datei);
    if (!dauer || *dauer <= 0)
        return;
    // Warten, ohne Eingaben anzunehmen; das Fenster darf sich neu zeichnen
    QEventLoop schleife;
    QTimer::singleShot(*dauer, &schleife, &QEventLoop::quit);
    schleife.exec(QEventLoop::ExcludeUserInputEvents);
}

void EchtesSoundGeraet::schliesse() {
    if (m_effekt)
        m_effekt->stop();
    m_effekt.reset();
}

} // namespace varku
