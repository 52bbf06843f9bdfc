#pragma once

#include "gamekit/Spielfenster.h"
#include "games/wheel/Radbrett.h"
#include "games/wheel/Radspiel.h"
#include "games/wheel/ZirkomatEinstellungen.h"

#include <memory>

namespace varku::zirkomat {

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
    // die Wartezeit nach einem Buchstaben: das fertige oder gezeigte Wort bleibt stehen, der
    // Computer wartet nach seiner Hilfe; was währenddessen kommt, fällt weg
    std::unique_ptr<Timer> WarteTimer;

    EinstellFrm& einstellungen();
    Computerfenster& compZug();

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
    bool menueGesperrt(Menue m) const override;
    bool zeigeEinstellungen() override;
    bool taste(QKeyEvent* e) override;

private:
    void zirkTimer_Timer();
    // versteckt den Satz und legt das nächste Wort aus
    void neuesRaetsel();
    // false, wenn der Buchstabe jetzt nicht gilt
    bool pruefeBstWahl(int taste);
    // das Ende eines Buchstabens, gleich oder nach der Wartezeit: wer weiter ist, dreht
    void beendeZug(const Radspiel::Zug& z);
    void warteDann(int sekunden, const Radspiel::Zug& z);
    void WarteTimer_Timer();
    void versteckeSatz();
    void zeigeKnoepfe();
    void EinstellAenderungUebernehmen();
    // der Computer
    void computerHaeltAn();
    void computerZieht();
    void computerWaehlt();
    // nach einem Zug des Computers: er dreht noch einmal, oder sein Fenster geht
    void computerWeiter(bool nochmalDrehen);

    Radspiel::Zug m_gewartet;         // der Buchstabe, nach dem gewartet wird
    bool m_computerFehlgriff = false; // der Computer griff daneben: er dreht wieder
};

} // namespace varku::zirkomat
