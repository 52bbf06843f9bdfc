#include "platform/EchtesSoundGeraet.h"

#include "platform/Dateistand.h"
#include "platform/WavKopf.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>
#include <functional>
#include <optional>

namespace varku {

namespace {

// größer ist kein Klang; eine falsche Datei soll nicht den Speicher füllen
constexpr qint64 groessteDatei = 64 * 1024 * 1024;
// so weit wird für das Warten im Kopf gesucht (Blöcke vor den Daten eingeschlossen)
constexpr qint64 kopfBereich = 64 * 1024;

struct Klang {
    QAudioFormat format;
    QByteArray proben;
    // die Datei, wie sie gelesen wurde: ist sie noch so, braucht sie kein neues Lesen
    Dateistand stand;
};

std::shared_ptr<const Klang> leseKlang(const QString& datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly) || f.size() > groessteDatei)
        return nullptr;
    const Dateistand stand = Dateistand::von(datei);
    const QByteArray inhalt = f.readAll();
    const auto kopf = leseWavKopf(inhalt, inhalt.size());
    if (!kopf)
        return nullptr;
    auto klang = std::make_shared<Klang>();
    klang->stand = stand;
    klang->format.setSampleRate(kopf->abtastrate);
    klang->format.setChannelCount(kopf->kanaele);
    klang->format.setSampleFormat(kopf->gleitkomma          ? QAudioFormat::Float
                                  : kopf->bitsJeProbe == 8  ? QAudioFormat::UInt8
                                  : kopf->bitsJeProbe == 16 ? QAudioFormat::Int16
                                                            : QAudioFormat::Int32);
    klang->proben = wavProben(inhalt, *kopf);
    return klang;
}

} // namespace

struct EchtesSoundGeraet::Innen {
    std::optional<QAudioDevice> festesGeraet;
    QHash<QString, std::shared_ptr<const Klang>> vorrat;
    bool geschlossen = false;
    QThread faden;
    QObject imFaden; // Ziel der Aufrufe, die im Klangfaden laufen
    // gehören dem Klangfaden: dort angelegt, benutzt und abgebaut
    std::unique_ptr<QAudioSink> ausgabe;
    std::unique_ptr<QBuffer> puffer;

    Innen() {
        faden.setObjectName(QStringLiteral("Klang"));
        imFaden.moveToThread(&faden);
        faden.start();
    }

    QAudioDevice geraet() const {
        return festesGeraet ? *festesGeraet : QMediaDevices::defaultAudioOutput();
    }

    // kehrt zurück, wenn tu im Klangfaden gelaufen ist
    void imKlangfaden(const std::function<void()>& tu) {
        QMetaObject::invokeMethod(&imFaden, tu, Qt::BlockingQueuedConnection);
    }

    void stoppe() {
        if (ausgabe)
            ausgabe->stop();
        ausgabe.reset();
        puffer.reset();
    }
};

EchtesSoundGeraet::EchtesSoundGeraet() : m(std::make_unique<Innen>()) {}

EchtesSoundGeraet::EchtesSoundGeraet(const QAudioDevice& geraet) : m(std::make_unique<Innen>()) {
    m->festesGeraet = geraet;
}

EchtesSoundGeraet::~EchtesSoundGeraet() {
    schliesse();
}

void EchtesSoundGeraet::lade(const QStringList& dateien) {
    QHash<QString, std::shared_ptr<const Klang>> vorrat;
    for (const QString& datei : dateien) {
        if (vorrat.contains(datei))
            continue;
        // schon einmal geladen (etwa vorab, während das Logo stand) und seitdem unverändert
        std::shared_ptr<const Klang> klang = m->vorrat.value(datei);
        if (!klang || klang->stand != Dateistand::von(datei))
            klang = leseKlang(datei);
        if (klang)
            vorrat.insert(datei, std::move(klang));
    }
    m->vorrat = std::move(vorrat);
}

void EchtesSoundGeraet::spiele(const QString& datei) {
    if (m->geschlossen)
        return;
    std::shared_ptr<const Klang> klang = m->vorrat.value(datei);
    if (!klang)
        klang = leseKlang(datei);
    // eine fehlende oder unlesbare Datei bleibt still, wie ein stilles Ereignis
    if (!klang)
        return;
    const QAudioDevice geraet = m->geraet();
    if (geraet.isNull()) {
        meldeOhneTon();
        return;
    }
    // Das Öffnen spricht mit dem Tondienst; der Aufrufer wartet nicht darauf. Der Faden lebt,
    // bis schliesse() alles Aufgetragene abgearbeitet hat.
    Innen* innen = m.get();
    QMetaObject::invokeMethod(
        &m->imFaden,
        [innen, klang = std::move(klang), geraet] {
            innen->stoppe();
            innen->puffer = std::make_unique<QBuffer>();
            innen->puffer->setData(klang->proben);
            innen->puffer->open(QIODevice::ReadOnly);
            innen->ausgabe = std::make_unique<QAudioSink>(geraet, klang->format);
            innen->ausgabe->start(innen->puffer.get());
            // das Gerät gab es, aber es nimmt nichts an (etwa weil der Tondienst nicht mehr
            // läuft); gemeldet wird im Fensterfaden
            if (innen->ausgabe->error() == QAudio::OpenError)
                QMetaObject::invokeMethod(QCoreApplication::instance(), &meldeOhneTon,
                                          Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void EchtesSoundGeraet::spieleUndWarte(const QString& datei) {
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const auto dauer = wavDauerMs(f.read(kopfBereich), f.size());
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
    if (m->geschlossen)
        return;
    m->imKlangfaden([this] { m->stoppe(); });
    m->faden.quit();
    m->faden.wait();
    m->vorrat.clear();
    m->geschlossen = true;
}

bool EchtesSoundGeraet::ausgabeMoeglich() {
    return !m->geraet().isNull();
}

void EchtesSoundGeraet::bereiteVor() {
    // die erste Frage nach der Standardausgabe verbindet mit dem Tondienst; das dauert
    m->geraet();
}

qint64 EchtesSoundGeraet::ausgegebenUs() {
    qint64 us = 0;
    if (!m->geschlossen)
        m->imKlangfaden([&] { us = m->ausgabe ? m->ausgabe->processedUSecs() : 0; });
    return us;
}

} // namespace varku
