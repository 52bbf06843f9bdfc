#pragma once

#include "gamekit/Spielregeln.h"
#include "games/fallingletters/DolmixEinstellungen.h"
#include "games/fallingletters/Fallspiel.h"

#include <memory>

namespace varku {
class Spielablauf;
class Timer;
enum class Menue;
} // namespace varku

namespace varku::dolmix {

// Was das Fenster nach einem Schritt des Zuges zeigt
class Fallsicht {
public:
    virtual ~Fallsicht() = default;
    // Klänge, Zellen, Warnung und Ziffern nach einem Schritt oder einer Taste
    virtual void zeige(const Ereignis& e) = 0;
    // das neue Wort mit seiner Lupe, das Feld mit seinem ersten Stein
    virtual void zeigeWort() = 0;
    // Start und Pause
    virtual void zeigeLauf(bool laeuft) = 0;
    // das Feld ist leer: das ganze Feld neu, die Warnung aus
    virtual void zeigeLeeresFeld() = 0;
};

// Der Lauf des Fallspiels auf dem Ablauf des Baukastens: der Takt des Falls, was nach einem
// fertigen Wort kommt (bei einem falschen der Wechsel, wenn mehr als einer spielt), das Ende einer
// Runde, das nächste Wort, Start und Pause. Der Takt ist ein Zeitgeber des Ablaufs und steht, wenn
// eine Meldung über dem Spiel steht.
class Fallzug : public Spielregeln {
public:
    Fallzug(Spielablauf& ablauf, const Einstellungen& einst, Wuerfel wuerfel, Fallsicht& sicht);
    ~Fallzug();
    Fallzug(const Fallzug&) = delete;
    Fallzug& operator=(const Fallzug&) = delete;

    Fallspiel& spiel() { return m_spiel; }
    const Fallspiel& spiel() const { return m_spiel; }
    const Timer& SteinTimer() const { return *m_steinTimer; }

    // beim Laden: Takt, Zugdauer, das erste Wort
    void lade();
    void ladeSpiel() override { lade(); }
    // nach den Einstellungen: Takt und Zugdauer
    void einstellungenUebernehmen();
    // das nächste Wort, angezeigt, mit seinem ersten Stein; false, wenn es keines gibt
    bool naechstesWort();

    void starte();
    void pausiere();
    // ein Takt des Falls und was darauf folgt
    void SteinTimer_Timer();
    Ereignis taste(Taste t) { return m_spiel.taste(t); }

    // die Ratezeit ist um: wer allein spielt, erfährt nichts
    void ratezeitAbgelaufen();
    // nach "ja" zu einem neuen Spiel
    void neuesSpiel() override;

    bool ratezeitGewuenscht() const { return m_einst.SpielerWechselNachZeit > 0; }
    // die Einstellungen nur in der Pause
    bool menueGesperrt(Menue m) const;
    long punkteDesPlatzes(int platz) const { return m_spiel.SpielerStand[size_t(platz)].punkte; }
    long punkteDesPlatzes(const Spielrunde& /*runde*/, int platz) const override {
        return punkteDesPlatzes(platz);
    }

private:
    void zeigeLauf();
    void rundenEnde();
    void fehlerSpielerwechsel();
    void meldeSpielerwechsel();

    Spielablauf& m_ablauf;
    const Einstellungen& m_einst;
    Fallsicht& m_sicht;
    Fallspiel m_spiel;
    std::unique_ptr<Timer> m_steinTimer;
};

} // namespace varku::dolmix
