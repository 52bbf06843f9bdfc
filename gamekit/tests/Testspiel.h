#pragma once

#include "foundation/Einstellungen.h"
#include "gamekit/Spielfenster.h"

#include <functional>

class QLabel;
class QPushButton;

namespace varku::test {

// Ein kleines Spiel auf dem Rahmen, das jeden Haken benutzt: ein Wort wird gezeigt, "richtig"
// gibt Punkte und gibt die Reihe weiter, der Computer nimmt sich fünf Punkte.
class Testspiel : public Spielfenster {
    Q_OBJECT
public:
    struct Einstellungen {
        int GegenComputer = 0;
        int TonEinschalten = 0;
        int RatezeitBegrenzen = 0;
        int EinstellungenSpeichern = 0;
    };
    static Spielkonfiguration konfiguration();
    static const Einstellungsabschnitt<Einstellungen>& abschnitt();

    Testspiel(const Spielkonfiguration& k, const Spielstartdaten& s);

    Einstellungen einst;
    QLabel* WortLbl;
    QPushButton* richtigBtn;

    // was der Einstellungsdialog tut; der Test setzt es
    std::function<void(Einstellungen&)> imDialog;

    // wie oft die Haken kamen
    int neueSpiele = 0, zugEnden = 0, computerZuege = 0, gespeichert = 0, vorEnde = 0;
    int haltAn = 0;

    void richtig();

protected:
    void neuesSpiel() override;
    void ratezeitZugBeenden() override { ++zugEnden; }
    void computerZug() override;
    void halteAnimationen(bool halt) override { haltAn += halt ? 1 : -1; }
    void zeigeEinstellungen() override;
    void speichereEinstellungen() override;
    bool tonEin() const override { return einst.TonEinschalten == 1; }
    void vorDemEnde() override { ++vorEnde; }

private:
    void Form_Load();
    void naechstesWort();
};

} // namespace varku::test
