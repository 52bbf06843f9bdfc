#include "platform/EspeakSprachausgabe.h"

#include "platform/SoundGeraet.h"
#include "platform/Sprachtext.h"

#include <QAudioDevice>
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

// espeak-ng lässt sich nach espeak_Terminate nicht wieder einrichten: die nächste Rechnung
// wartet dann für immer. Es wird einmal je Prozess eingerichtet und bleibt bis zum Ende.
int espeakAbtastrate() {
    static const int rate = [] {
        const int r = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 300, nullptr, 0);
        if (r <= 0)
            return 0;
        espeak_SetSynthCallback(&sammle);
        return r;
    }();
    return rate;
}

} // namespace

EspeakSprachausgabe::EspeakSprachausgabe() : m_abtastrate(espeakAbtastrate()) {}

EspeakSprachausgabe::EspeakSprachausgabe(const QAudioDevice& geraet) : EspeakSprachausgabe() {
    m_festesGeraet = std::make_unique<QAudioDevice>(geraet);
}

EspeakSprachausgabe::~EspeakSprachausgabe() {
    if (m_ausgabe)
        m_ausgabe->stop();
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
}

void EspeakSprachausgabe::setzeStimmlage(int wert) {
    m_stimmlage = std::clamp(wert, 0, 100);
}

void EspeakSprachausgabe::setzeGeschwindigkeit(int wert) {
    m_geschwindigkeit = std::clamp(wert, 80, 450);
}

void EspeakSprachausgabe::setzeLautstaerke(long wert) {
    m_lautstaerke = int(std::clamp(wert, 0L, 200L));
}

QByteArray EspeakSprachausgabe::berechne(const QString& text) {
    QByteArray pcm;
    if (m_abtastrate == 0 || text.trimmed().isEmpty())
        return pcm;
    // espeak-ng ist eines für den ganzen Prozess: die eigenen Einstellungen vor jeder Rechnung
    espeak_SetVoiceByName(stimmen[m_stimme - 1].name);
    espeak_SetParameter(espeakRATE, m_geschwindigkeit, 0);
    espeak_SetParameter(espeakPITCH, m_stimmlage, 0);
    espeak_SetParameter(espeakVOLUME, m_lautstaerke, 0);
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

bool EspeakSprachausgabe::ausgabeMoeglich() {
    return !geraet().isNull();
}

QAudioDevice EspeakSprachausgabe::geraet() const {
    return m_festesGeraet ? *m_festesGeraet : QMediaDevices::defaultAudioOutput();
}

void EspeakSprachausgabe::spiele(const QByteArray& pcm) {
    // ein neuer Text ersetzt einen, der noch spricht
    if (m_ausgabe)
        m_ausgabe->stop();
    QAudioFormat format;
    format.setSampleRate(m_abtastrate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice ausgabe = geraet();
    if (ausgabe.isNull()) {
        meldeOhneTon();
        return;
    }
    if (!ausgabe.isFormatSupported(format))
        return;
    m_daten = pcm;
    m_puffer = std::make_unique<QBuffer>(&m_daten);
    m_puffer->open(QIODevice::ReadOnly);
    m_ausgabe = std::make_unique<QAudioSink>(ausgabe, format);
    m_ausgabe->start(m_puffer.get());
    // das Gerät gab es, aber es nimmt nichts an (etwa weil der Tondienst nicht mehr läuft)
    if (m_ausgabe->error() == QAudio::OpenError)
        meldeOhneTon();
}

} // namespace varku
