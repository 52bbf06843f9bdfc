#include "platform/EspeakSprachausgabe.h"

#include "platform/SoundGeraet.h"
#include "platform/Sprachtext.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <algorithm>
#include <cstring>
#include <espeak-ng/speak_lib.h>
#include <vector>

namespace varku {

namespace {

struct Stimmeintrag {
    const char* name;
    const char* titel;
};

// falls espeak-ng keine Liste liefert: eine Grundstimme und Varianten, alle deutsch
constexpr Stimmeintrag ersatzStimmen[] = {
    {"de", "Deutsch – Mann"},
    {"de+f2", "Deutsch – Frau"},
    {"de+m3", "Deutsch – Mann, tief"},
    {"de+f4", "Deutsch – Frau, hell"},
};

// Was von einer Stimme gebraucht wird, kopiert: die nächste Liste gibt den Speicher frei.
struct Eintrag {
    QString name;
    QByteArray datei; // Kennung unter espeak-ng-data/voices
    bool deutsch = false;
};

bool sprichtDeutsch(const char* sprachen) {
    // Paare aus einem Byte Vorrang und dem Sprachnamen mit Nullbyte; ein Nullbyte am Ende
    for (const char* p = sprachen; p && *p; p += std::strlen(p + 1) + 2) {
        const QByteArray sprache(p + 1);
        if (sprache == "de" || sprache.startsWith("de-"))
            return true;
    }
    return false;
}

// "female_whisper" wird "Female whisper": so steht es in der Liste
QString anzeigeName(const char* name) {
    QString n = QString::fromUtf8(name).replace(QLatin1Char('_'), QLatin1Char(' '));
    if (!n.isEmpty())
        n[0] = n[0].toUpper();
    return n;
}

std::vector<Eintrag> liste(const char* sprache) {
    espeak_VOICE muster{};
    muster.languages = sprache;
    std::vector<Eintrag> l;
    if (const espeak_VOICE** v = espeak_ListVoices(&muster))
        for (; *v; ++v)
            if ((*v)->name && (*v)->identifier)
                l.push_back({anzeigeName((*v)->name), QByteArray((*v)->identifier),
                             sprichtDeutsch((*v)->languages)});
    // Namen ohne Rücksicht auf Groß und Klein, bei Gleichheit die Datei: jedes Mal dieselbe Folge
    std::sort(l.begin(), l.end(), [](const Eintrag& a, const Eintrag& b) {
        const int n = QString::compare(a.name, b.name, Qt::CaseInsensitive);
        return n != 0 ? n < 0 : a.datei < b.datei;
    });
    return l;
}

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
        // ohne gewählte Stimme stürzt espeak-ng bei der ersten Lautschrift ab
        espeak_SetVoiceByName("de");
        return r;
    }();
    return rate;
}

struct Stimme {
    QByteArray name; // so heißt sie bei espeak-ng
    QString titel;   // so heißt sie in der Liste
};

// Die Liste ändert sich nicht, solange das Programm läuft: einmal je Prozess gelesen.
const std::vector<Stimme>& stimmen() {
    static const std::vector<Stimme> alle = [] {
        std::vector<Stimme> s;
        if (espeakAbtastrate() <= 0)
            return s;
        const std::vector<Eintrag> grund = liste("de");
        const std::vector<Eintrag> varianten = liste("variant");
        for (const Eintrag& g : grund) {
            // MBROLA-Stimmen brauchen ein eigenes Programm und seine Daten; ohne sie blieben sie
            // stumm
            if (!g.deutsch || g.datei.startsWith("mb/"))
                continue;
            const QString titel =
                g.name == QStringLiteral("German") ? QStringLiteral("Deutsch") : g.name;
            s.push_back({g.datei, titel});
            for (const Eintrag& v : varianten)
                if (v.datei.startsWith("!v/"))
                    s.push_back(
                        {g.datei + '+' + v.datei.mid(3), titel + QStringLiteral(" – ") + v.name});
        }
        if (s.empty())
            for (const Stimmeintrag& e : ersatzStimmen)
                s.push_back({QByteArray(e.name), QString::fromUtf8(e.titel)});
        return s;
    }();
    return alle;
}

} // namespace

EspeakSprachausgabe::EspeakSprachausgabe() = default;

EspeakSprachausgabe::EspeakSprachausgabe(const QAudioDevice& geraet) : EspeakSprachausgabe() {
    m_festesGeraet = std::make_unique<QAudioDevice>(geraet);
}

EspeakSprachausgabe::~EspeakSprachausgabe() {
    if (m_ausgabe)
        m_ausgabe->stop();
}

void EspeakSprachausgabe::bereiteVor() {
    stimmen();
}

int EspeakSprachausgabe::abtastrate() const {
    return espeakAbtastrate();
}

int EspeakSprachausgabe::stimmenAnzahl() {
    return abtastrate() > 0 ? int(stimmen().size()) : 0;
}

QString EspeakSprachausgabe::stimmenName(int nummer) {
    if (nummer < 1 || nummer > stimmenAnzahl())
        return {};
    return stimmen()[size_t(nummer - 1)].titel;
}

int EspeakSprachausgabe::stimme() {
    // eine Nummer außerhalb der Liste (0, wenn nichts eingestellt ist) nimmt die erste Stimme;
    // erst hier nachgesehen, damit das Setzen espeak-ng nicht einrichten muss
    return (m_stimme >= 1 && m_stimme <= stimmenAnzahl()) ? m_stimme : 1;
}

void EspeakSprachausgabe::setzeStimme(int nummer) {
    m_stimme = nummer;
}

void EspeakSprachausgabe::setzeStimmlage(int wert) {
    m_stimmlage = std::clamp(wert, 0, 100);
}

void EspeakSprachausgabe::setzeGeschwindigkeit(int wert) {
    m_geschwindigkeit = std::clamp(wert, 80, 450);
}

void EspeakSprachausgabe::setzeLautstaerke(long wert) {
    m_lautstaerke = std::clamp(wert, 0L, 200L);
}

QByteArray EspeakSprachausgabe::berechne(const QString& text) {
    QByteArray pcm;
    if (text.trimmed().isEmpty() || abtastrate() == 0)
        return pcm;
    // espeak-ng ist eines für den ganzen Prozess: die eigenen Einstellungen vor jeder Rechnung
    espeak_SetVoiceByName(stimmen()[size_t(stimme() - 1)].name.constData());
    espeak_SetParameter(espeakRATE, m_geschwindigkeit, 0);
    espeak_SetParameter(espeakPITCH, m_stimmlage, 0);
    espeak_SetParameter(espeakVOLUME, int(m_lautstaerke), 0);
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
    format.setSampleRate(abtastrate());
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
