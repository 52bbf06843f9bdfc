#pragma once

#include "platform/SoundGeraet.h"
#include "platform/Sprachausgabe.h"

#include <QStringList>
#include <functional>
#include <memory>

namespace varku {

// Ein Klanggerät, das das echte erst beim ersten Klang anlegt: bis dahin braucht das Programm
// weder Qt Multimedia noch eine Tonausgabe. Was vorab geladen werden soll, bekommt das echte
// Gerät, sobald es da ist. Ein Schließen vor dem ersten Klang legt nichts an.
class SoundBeiBedarf : public SoundGeraet {
public:
    using Erzeuger = std::function<std::unique_ptr<SoundGeraet>()>;
    explicit SoundBeiBedarf(Erzeuger erzeuger);
    ~SoundBeiBedarf() override;

    void lade(const QStringList& dateien) override;
    void spiele(const QString& datei) override;
    void spieleUndWarte(const QString& datei) override;
    void schliesse() override;
    bool ausgabeMoeglich() override;
    // legt das echte Gerät an und lässt es sich vorbereiten
    void bereiteVor() override;

    bool angelegt() const { return m_echt != nullptr; }

private:
    SoundGeraet& echt();

    Erzeuger m_erzeuger;
    std::unique_ptr<SoundGeraet> m_echt;
    QStringList m_vorab;
};

// Eine Sprachausgabe, die die echte beim ersten Gebrauch anlegt.
class SpracheBeiBedarf : public Sprachausgabe {
public:
    using Erzeuger = std::function<std::unique_ptr<Sprachausgabe>()>;
    explicit SpracheBeiBedarf(Erzeuger erzeuger);
    ~SpracheBeiBedarf() override;

    int stimmenAnzahl() override { return echt().stimmenAnzahl(); }
    QString stimmenName(int nummer) override { return echt().stimmenName(nummer); }
    int stimme() override { return echt().stimme(); }
    void setzeStimme(int nummer) override { echt().setzeStimme(nummer); }

    int stimmlage() override { return echt().stimmlage(); }
    int hoechsteStimmlage() override { return echt().hoechsteStimmlage(); }
    int niedrigsteStimmlage() override { return echt().niedrigsteStimmlage(); }
    void setzeStimmlage(int wert) override { echt().setzeStimmlage(wert); }

    int geschwindigkeit() override { return echt().geschwindigkeit(); }
    int hoechsteGeschwindigkeit() override { return echt().hoechsteGeschwindigkeit(); }
    int niedrigsteGeschwindigkeit() override { return echt().niedrigsteGeschwindigkeit(); }
    void setzeGeschwindigkeit(int wert) override { echt().setzeGeschwindigkeit(wert); }

    void setzeLautstaerke(long wert) override { echt().setzeLautstaerke(wert); }
    long lautstaerke() override { return echt().lautstaerke(); }
    long hoechsteLautstaerke() override { return echt().hoechsteLautstaerke(); }
    long niedrigsteLautstaerke() override { return echt().niedrigsteLautstaerke(); }

    bool sichtbar() override { return echt().sichtbar(); }
    void setzeSichtbar(bool ein) override { echt().setzeSichtbar(ein); }
    void sprich(const QString& text) override { echt().sprich(text); }
    bool ausgabeMoeglich() override { return echt().ausgabeMoeglich(); }

    bool angelegt() const { return m_echt != nullptr; }

private:
    Sprachausgabe& echt();

    Erzeuger m_erzeuger;
    std::unique_ptr<Sprachausgabe> m_echt;
};

// Ersatz, wenn das Tonmodul fehlt: wie ein Rechner ohne Tonausgabe. Jeder Klang, der zu hören
// wäre, wird gemeldet; das Warten dauert so lange wie der Klang.
class StummesSoundGeraet : public SoundGeraet {
public:
    void lade(const QStringList&) override {}
    void spiele(const QString& datei) override;
    void spieleUndWarte(const QString& datei) override;
    void schliesse() override {}
    bool ausgabeMoeglich() override { return false; }
};

// Ersatz, wenn das Tonmodul fehlt: keine Stimmen, die Werte bleiben in ihren Bereichen, jedes
// Wort wird gemeldet.
class StummeSprachausgabe : public Sprachausgabe {
public:
    int stimmenAnzahl() override { return 0; }
    QString stimmenName(int) override { return {}; }
    int stimme() override { return 1; }
    void setzeStimme(int) override {}

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
    bool ausgabeMoeglich() override { return false; }

private:
    int m_stimmlage = 50;
    int m_geschwindigkeit = 175;
    long m_lautstaerke = 100;
    bool m_sichtbar = false;
};

} // namespace varku
