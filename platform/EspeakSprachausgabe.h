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
// Die Stimmen sind die deutschen Grundstimmen, jede gefolgt von ihren Varianten, nach Namen
// geordnet, damit eine gespeicherte Nummer beim nächsten Start dieselbe Stimme meint.
// espeak-ng wird erst eingerichtet und nach Stimmen gefragt, wenn gesprochen wird oder die Liste
// gebraucht wird: das Einrichten liest gut zweihundert Dateien.
class EspeakSprachausgabe : public Sprachausgabe {
public:
    // spricht über die jeweils eingestellte Standardausgabe
    EspeakSprachausgabe();
    // spricht immer über dieses Gerät; ein leeres heißt: keine Tonausgabe (für Tests)
    explicit EspeakSprachausgabe(const QAudioDevice& geraet);
    ~EspeakSprachausgabe() override;

    int stimmenAnzahl() override;
    QString stimmenName(int nummer) override;
    int stimme() override;
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
    long lautstaerke() override { return m_lautstaerke; }
    long hoechsteLautstaerke() override { return 200; }
    long niedrigsteLautstaerke() override { return 0; }
    bool sichtbar() override { return m_sichtbar; }
    void setzeSichtbar(bool ein) override { m_sichtbar = ein; }
    void sprich(const QString& text) override;
    bool ausgabeMoeglich() override;

    // die Samples eines Textes, ohne zu spielen (für Tests)
    QByteArray berechne(const QString& text);
    // 0 ohne espeak-ng-Daten; richtet espeak-ng ein
    int abtastrate() const;

    // espeak-ng einrichten und die Stimmen lesen, einmal je Prozess; darf in einem anderen Faden
    // laufen als das Sprechen
    static void bereiteVor();

private:
    void spiele(const QByteArray& pcm);
    QAudioDevice geraet() const;

    long m_lautstaerke = 100;
    bool m_sichtbar = false;
    int m_stimme = 1; // wie gesetzt; was außerhalb der Liste liegt, meint die erste Stimme
    int m_stimmlage = 50;
    int m_geschwindigkeit = 175;
    std::unique_ptr<QAudioDevice> m_festesGeraet;
    std::unique_ptr<QAudioSink> m_ausgabe;
    std::unique_ptr<QBuffer> m_puffer;
    QByteArray m_daten;
};

} // namespace varku
