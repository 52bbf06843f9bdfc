#pragma once

#include "platform/Sprachausgabe.h"

#include <QByteArray>
#include <QStringList>
#include <memory>

class QAudioDevice;
class QAudioSink;
class QBuffer;

namespace varku {

// Deutsche Stimmen von espeak-ng: der Text wird zu PCM berechnet und über Qt Multimedia
// gespielt. Ohne espeak-ng-Daten bleibt die Ausgabe stumm, das Programm läuft weiter; ohne
// Tonausgabe wird jedes Wort, das nicht zu hören ist, gemeldet.
class EspeakSprachausgabe : public Sprachausgabe {
public:
    // spricht über die jeweils eingestellte Standardausgabe
    EspeakSprachausgabe();
    // spricht immer über dieses Gerät; ein leeres heißt: keine Tonausgabe (für Tests)
    explicit EspeakSprachausgabe(const QAudioDevice& geraet);
    ~EspeakSprachausgabe() override;

    int stimmenAnzahl() override;
    QString stimmenName(int nummer) override;
    int stimme() override { return m_stimme; }
    void setzeStimme(int nummer) override;

    int stimmlage() override { return m_stimmlage; }
    int hoechsteStimmlage() override { return 100; }
    int niedrigsteStimmlage() override { return 0; }
    void setzeStimmlage(int wert) override;

    int geschwindigkeit() override { return m_geschwindigkeit; }
    int hoechsteGeschwindigkeit() override { return 450; }
    int niedrigsteGeschwindigkeit() override { return 80; }
    void setzeGeschwindigkeit(int wert) override;

    void setzeLautstaerke(long wert) override;
    void sprich(const QString& text) override;
    bool ausgabeMoeglich() override;

    // die Samples eines Textes, ohne zu spielen (für Tests)
    QByteArray berechne(const QString& text);
    int abtastrate() const { return m_abtastrate; }

private:
    void spiele(const QByteArray& pcm);
    QAudioDevice geraet() const;

    int m_abtastrate = 0;
    int m_stimme = 1;
    int m_stimmlage = 50;
    int m_geschwindigkeit = 175;
    int m_lautstaerke = 100;
    std::unique_ptr<QAudioDevice> m_festesGeraet;
    std::unique_ptr<QAudioSink> m_ausgabe;
    std::unique_ptr<QBuffer> m_puffer;
    QByteArray m_daten;
};

} // namespace varku
