#pragma once

#include <QString>

namespace varku {

// Die Sprachausgabe: Stimmen, Stimmlage, Geschwindigkeit, Lautstärke und das Sprechen eines
// Textes. Werte werden so weitergegeben, wie sie in den Einstellungen stehen; ihre Bereiche sind
// die der Ausgabe. Im Text steht "\Pau=500\" für eine Pause von 500 ms.
class Sprachausgabe {
public:
    virtual ~Sprachausgabe() = default;

    virtual int stimmenAnzahl() = 0;
    virtual QString stimmenName(int nummer) = 0; // ab 1
    virtual int stimme() = 0;
    virtual void setzeStimme(int nummer) = 0;

    virtual int stimmlage() = 0;
    virtual int hoechsteStimmlage() = 0;
    virtual int niedrigsteStimmlage() = 0;
    virtual void setzeStimmlage(int wert) = 0;

    virtual int geschwindigkeit() = 0;
    virtual int hoechsteGeschwindigkeit() = 0;
    virtual int niedrigsteGeschwindigkeit() = 0;
    virtual void setzeGeschwindigkeit(int wert) = 0;

    virtual void setzeLautstaerke(long wert) = 0;
    virtual long lautstaerke() = 0;
    virtual long hoechsteLautstaerke() = 0;
    virtual long niedrigsteLautstaerke() = 0;

    // ob das Hauptfenster die Sprachausgabe zeigt (beim Diktat mit synthetischer Sprache)
    virtual bool sichtbar() = 0;
    virtual void setzeSichtbar(bool ein) = 0;

    // kehrt sofort zurück; der Text wird gesprochen, während das Programm weiterläuft. Ohne
    // Tonausgabe wird das Wort gemeldet (meldeOhneTon in platform/SoundGeraet.h).
    virtual void sprich(const QString& text) = 0;
    // false, wenn der Rechner keine Tonausgabe hat
    virtual bool ausgabeMoeglich() = 0;
};

} // namespace varku
