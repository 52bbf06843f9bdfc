#pragma once

#include "gamekit/Spielfenster.h"
#include "games/wheel/Radbrett.h"
#include "games/wheel/Radspiel.h"
#include "games/wheel/ZirkomatEinstellungen.h"

#include <memory>

namespace varku::zirkomat {

class CompZugFrm;
class EinstellFrm;

// Das Fenster des Radspiels: das Rad, die Buchstabenkästen, die Umschreibung und der Satz, die
// Tasten der Buchstaben und der Züge, im Rahmen des Spielbaukastens. Es zeigt, was das Radspiel
// sagt; welche Knöpfe gehen, folgt aus dessen Phase.
class MainFrm : public Spielfenster {
    Q_OBJECT
public:
    MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s);
    ~MainFrm() override;

    static Spielkonfiguration konfiguration();

    Einstellungen einst;
    Radspiel spiel{runde, einst};

    Radbrett* brett;
    std::unique_ptr<Timer> zirkTimer;

    EinstellFrm& einstellungen();
    CompZugFrm& compZug();

    // das Rad
    void RadDrehen();
    void RadStoppen();

    // das Rätsel: legt das Wort des Radspiels aus
    void zeigeRaetsel() { brett->zeigeRaetsel(woerter.Paraphrase, woerter.Kontext); }

public slots:
    void drehenBtn_Click();
    void anhaltenBtn_Click();
    void bstBtn_Click(int taste);
    void BstKaufBtn_Click();
    void showSatzBtn_Click();
    void WortRatenBtn_Click();

protected:
    void ladeSpiel() override;
    void nachSpielerwechsel() override { zeigeKnoepfe(); }
    void ratezeitAbgelaufen(Spielablauf& a) override;
    void computerZug() override;
    void neuesSpiel() override;
    bool zeigeEinstellungen() override;
    bool taste(QKeyEvent* e) override;

private:
    void zirkTimer_Timer();
    // versteckt den Satz und legt das nächste Wort aus
    void neuesRaetsel();
    void pruefeBstWahl(int taste);
    void versteckeSatz();
    void zeigeKnoepfe();
    void EinstellAenderungUebernehmen();
    // der Computer
    void computerHaeltAn();
    void computerZieht();
    bool computerWaehlt(); // true: sein Zug ist vorbei
};

} // namespace varku::zirkomat
