#pragma once

#include "platform/SoundGeraet.h"
#include "platform/Sprachausgabe.h"

#include <QStringList>

namespace varku::test {

// Merkt sich, was gesprochen und eingestellt wurde; zwei Stimmen mit eigenen Bereichen. Mit
// ohneAusgabe spricht es wie auf einem Rechner ohne Tonausgabe.
class FakeSprache : public Sprachausgabe {
public:
    int stimmenAnzahl() override { return 2; }
    QString stimmenName(int n) override { return n == 1 ? "Anna" : n == 2 ? "Bernd" : QString(); }
    int stimme() override { return m_stimme; }
    void setzeStimme(int n) override {
        m_stimme = n;
        befehle << QStringLiteral("Stimme %1").arg(n);
    }
    int stimmlage() override { return m_lage; }
    int hoechsteStimmlage() override { return m_stimme == 2 ? 80 : 100; }
    int niedrigsteStimmlage() override { return m_stimme == 2 ? 20 : 0; }
    void setzeStimmlage(int w) override {
        m_lage = w;
        befehle << QStringLiteral("Stimmlage %1").arg(w);
    }
    int geschwindigkeit() override { return m_tempo; }
    int hoechsteGeschwindigkeit() override { return 400; }
    int niedrigsteGeschwindigkeit() override { return 80; }
    void setzeGeschwindigkeit(int w) override {
        m_tempo = w;
        befehle << QStringLiteral("Geschwindigkeit %1").arg(w);
    }
    void setzeLautstaerke(long w) override {
        m_laut = w;
        befehle << QStringLiteral("Lautstärke %1").arg(w);
    }
    long lautstaerke() override { return m_laut; }
    long hoechsteLautstaerke() override { return 100; }
    long niedrigsteLautstaerke() override { return 0; }
    bool sichtbar() override { return m_sichtbar; }
    void setzeSichtbar(bool ein) override { m_sichtbar = ein; }
    void sprich(const QString& text) override {
        gesprochen << text;
        if (ohneAusgabe)
            meldeOhneTon();
    }
    bool ausgabeMoeglich() override { return !ohneAusgabe; }

    QStringList befehle;
    QStringList gesprochen;
    bool ohneAusgabe = false;

private:
    int m_stimme = 1, m_lage = 50, m_tempo = 175;
    long m_laut = 80;
    bool m_sichtbar = false;
};

} // namespace varku::test
