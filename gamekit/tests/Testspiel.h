#pragma once

#include "gamekit/Spielfenster.h"

#include <QDialog>
#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace varku::test {

// Die Regeln des Testspiels: die Sterne sind die eigenen Punkte je Platz, ein neues Spiel nimmt
// sie alle; sie zählen, wie oft der Ablauf sie rief
struct Testregeln : Spielregeln {
    std::array<long, spielerPlaetze> sterne{};
    int neueSpiele = 0, wechsel = 0, computerZuege = 0;

    void neuesSpiel() override {
        ++neueSpiele;
        sterne.fill(0);
    }
    void nachSpielerwechsel() override { ++wechsel; }
    void computerZug() override { ++computerZuege; }
    long punkteDesPlatzes(const Spielrunde& /*runde*/, int platz) const override {
        return sterne[size_t(platz)];
    }
};

// Ein kleines Spiel auf dem Baukasten, das jeden Haken benutzt: ein Wort wird gezeigt,
// "richtig" (oder die Taste "r") gibt zehn Sterne und gibt die Reihe weiter, der Computer nimmt
// sich in seinem Fenster fünf. Die Sterne halten seine Regeln. Ein eigener Zeitgeber zählt,
// solange das Spiel läuft; solange er läuft, sind die Einstellungen gesperrt.
class Testspiel : public Spielfenster {
    Q_OBJECT
public:
    struct Einstellungen : Spieleinstellungen {
        int Tempo = 0; // Takt des eigenen Zeitgebers in Sekunden; 0 steht er
    };
    static Spielkonfiguration konfiguration();
    static const Einstellungsabschnitt<Einstellungen>& abschnitt();

    Testspiel(const Spielkonfiguration& k, const Spielstartdaten& s);

    Einstellungen einst;
    Testregeln regeln;
    QLabel* WortLbl;
    QPushButton* richtigBtn;
    QDialog* CompFrm;
    QDialog* EinstFrm;
    std::unique_ptr<Timer> AnimTimer;

    // was der Einstellungsdialog nach seinem Zeigen tut; true heißt OK. Ohne: abbrechen
    std::function<bool(Einstellungen&)> imDialog;
    // die eigene Meldung, wenn die Ratezeit abläuft
    bool eigeneRatezeit = false;

    // wie oft die Haken kamen
    int vorEnde = 0, animTakte = 0, zeitUm = 0;

    void richtig();

protected:
    void ladeSpiel() override;
    void ratezeitAbgelaufen(Spielablauf& a) override;
    void computerZug() override;
    void neuesSpiel() override;
    bool menueGesperrt(Menue m) const override;
    bool ratezeitGewuenscht(const Spieleinstellungen& e) const override {
        return e.RatezeitBegrenzen == 1;
    }
    bool zeigeEinstellungen() override;
    void vorDemEnde() override { ++vorEnde; }
    bool taste(QKeyEvent* e) override;

private:
    void naechstesWort();
};

} // namespace varku::test
