#include "platform/EspeakSprachausgabe.h"

#include "platform/Sprachtext.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <algorithm>
#include <espeak-ng/speak_lib.h>

namespace varku {

namespace {

struct Stimme {
    const char* name;  // so heißt sie bei espeak-ng
    const char* titel; // so heißt sie in der Liste
};

// eine Grundstimme und Varianten, alle deutsch
constexpr Stimme stimmen[] = {
    {"de", "Deutsch – Mann"},
    {"de+f2", "Deutsch – Frau"},
    {"de+m3", "Deutsch – Mann, tief"},
    {"de+f4", "Deutsch – Frau, hell"},
};
constexpr int stimmenZahl = int(sizeof stimmen / sizeof stimmen[0]);

// espeak-ng ruft zurück, während es rechnet; die Samples kommen in den Puffer
int sammle(short* samples, int anzahl, espeak_EVENT* ereignisse) {
    if (samples && anzahl > 0 && ereignisse && ereignisse->user_data) {
        auto* ziel = static_cast<QByteArray*>(ereignisse->user_data);
        ziel->append(reinterpret_cast<const char*>(samples), qsizetype(anzahl) * 2);
    }
    return 0;
}

} // namespace

EspeakSprachausgabe::EspeakSprachausgabe() {
    const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 300, nullptr, 0);
    m_abtastrate = rate > 0 ? rate : 0;
    if (m_abtastrate == 0)
        return;
    espeak_SetSynthCallback(&sammle);
    setzeStimme(1);
    setzeGeschwindigkeit(m_geschwindigkeit);
    setzeStimmlage(m_stimmlage);
}

EspeakSprachausgabe::~EspeakSprachausgabe() {
    if (m_ausgabe)
        m_ausgabe->stop();
    if (m_abtastrate > 0)
        espeak_Terminate();
}

int EspeakSprachausgabe::stimmenAnzahl() {
    return m_abtastrate > 0 ? stimmenZahl : 0;
}

QString EspeakSprachausgabe::stimmenName(int nummer) {
    if (nummer < 1 || nummer > stimmenZahl)
        return {};
    return QString::fromUtf8(stimmen[nummer - 1].titel);
}

void EspeakSprachausgabe::setzeStimme(int nummer) {
    // eine Nummer außerhalb der Liste (0, wenn nichts eingestellt ist) nimmt die erste Stimme
    m_stimme = (nummer >= 1 && nummer <= stimmenZahl) ? nummer : 1;
    if (m_abtastrate > 0)
        espeak_SetVoiceByName(stimmen[m_stimme - 1].name);
}

void EspeakSprachausgabe::setzeStimmlage(int wert) {
    m_stimmlage = std::clamp(wert, 0, 100);
    if (m_abtastrate > 0)
        espeak_SetParameter(espeakPITCH, m_stimmlage, 0);
}

void EspeakSprachausgabe::setzeGeschwindigkeit(int wert) {
    m_geschwindigkeit = std::clamp(wert, 80, 450);
    if (m_abtastrate > 0)
        espeak_SetParameter(espeakRATE, m_geschwindigkeit, 0);
}

void EspeakSprachausgabe::setzeLautstaerke(long wert) {
    if (m_abtastrate > 0)
        espeak_SetParameter(espeakVOLUME, int(std::clamp(wert, 0L, 200L)), 0);
}

QByteArray EspeakSprachausgabe::berechne(const QString& text) {
    QByteArray pcm;
    if (m_abtastrate == 0 || text.trimmed().isEmpty())
        return pcm;
    const QByteArray ssml = alsSsml(text).toUtf8();
    espeak_Synth(ssml.constData(), size_t(ssml.size()) + 1, 0, POS_CHARACTER, 0,
                 espeakCHARS_UTF8 | espeakSSML, nullptr, &pcm);
    espeak_Synchronize();
    return pcm;
}

void EspeakSprachausgabe::sprich(const QString& text) {
    const QByteArray pcm = berechne(text);
    if (!pcm.isEmpty())
        spiele(pcm);
}

void EspeakSprachausgabe::spiele(const QByteArray& pcm) {
    // ein neuer Text ersetzt einen, der noch spricht
    if (m_ausgabe)
        m_ausgabe->stop();
    QAudioFormat format;
    format.setSampleRate(m_abtastrate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice geraet = QMediaDevices::defaultAudioOutput();
    if (geraet.isNull() || !geraet.isFormatSupported(format))
        return;
    m_daten = pcm;
    m_puffer = std::make_unique<QBuffer>(&m_daten);
    m_puffer->open(QIODevice::ReadOnly);
    m_ausgabe = std::make_unique<QAudioSink>(geraet, format);
    m_ausgabe->start(m_puffer.get());
}

} // namespace varku
