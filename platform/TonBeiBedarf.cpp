#include "platform/TonBeiBedarf.h"

#include "platform/WavKopf.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <algorithm>

namespace varku {

namespace {

// so weit wird für die Länge im Kopf gesucht (wie beim echten Gerät)
constexpr qint64 kopfBereich = 64 * 1024;

std::optional<int> dauerMs(const QString& datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return wavDauerMs(f.read(kopfBereich), f.size());
}

} // namespace

SoundBeiBedarf::SoundBeiBedarf(Erzeuger erzeuger) : m_erzeuger(std::move(erzeuger)) {}

SoundBeiBedarf::~SoundBeiBedarf() = default;

SoundGeraet& SoundBeiBedarf::echt() {
    if (!m_echt) {
        m_echt = m_erzeuger();
        if (!m_echt)
            m_echt = std::make_unique<StummesSoundGeraet>();
        if (!m_vorab.isEmpty())
            m_echt->lade(std::exchange(m_vorab, {}));
    }
    return *m_echt;
}

void SoundBeiBedarf::lade(const QStringList& dateien) {
    if (m_echt)
        m_echt->lade(dateien);
    else
        m_vorab = dateien;
}

void SoundBeiBedarf::spiele(const QString& datei) {
    echt().spiele(datei);
}

void SoundBeiBedarf::spieleUndWarte(const QString& datei) {
    echt().spieleUndWarte(datei);
}

void SoundBeiBedarf::schliesse() {
    // was nie gespielt hat, ist nicht offen
    if (m_echt)
        m_echt->schliesse();
    m_vorab.clear();
}

bool SoundBeiBedarf::ausgabeMoeglich() {
    return echt().ausgabeMoeglich();
}

void SoundBeiBedarf::bereiteVor() {
    echt().bereiteVor();
}

SpracheBeiBedarf::SpracheBeiBedarf(Erzeuger erzeuger) : m_erzeuger(std::move(erzeuger)) {}

SpracheBeiBedarf::~SpracheBeiBedarf() = default;

Sprachausgabe& SpracheBeiBedarf::echt() {
    if (!m_echt) {
        m_echt = m_erzeuger();
        if (!m_echt)
            m_echt = std::make_unique<StummeSprachausgabe>();
    }
    return *m_echt;
}

void StummesSoundGeraet::spiele(const QString& datei) {
    // eine fehlende oder unlesbare Datei bliebe auch mit Tonausgabe still
    if (dauerMs(datei))
        meldeOhneTon();
}

void StummesSoundGeraet::spieleUndWarte(const QString& datei) {
    const std::optional<int> dauer = dauerMs(datei);
    if (!dauer)
        return;
    meldeOhneTon();
    if (*dauer <= 0)
        return;
    // Warten, ohne Eingaben anzunehmen; das Fenster darf sich neu zeichnen
    QEventLoop schleife;
    QTimer::singleShot(*dauer, &schleife, &QEventLoop::quit);
    schleife.exec(QEventLoop::ExcludeUserInputEvents);
}

void StummeSprachausgabe::setzeStimmlage(int wert) {
    m_stimmlage = std::clamp(wert, 0, 100);
}

void StummeSprachausgabe::setzeGeschwindigkeit(int wert) {
    m_geschwindigkeit = std::clamp(wert, 80, 450);
}

void StummeSprachausgabe::setzeLautstaerke(long wert) {
    m_lautstaerke = std::clamp(wert, 0L, 200L);
}

void StummeSprachausgabe::sprich(const QString& text) {
    if (!text.trimmed().isEmpty())
        meldeOhneTon();
}

} // namespace varku
