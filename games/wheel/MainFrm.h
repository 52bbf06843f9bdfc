#pragma once

#include "gamekit/Spielfenster.h"
#include "games/wheel/Radspiel.h"
#include "games/wheel/ZirkomatEinstellungen.h"

#include <QImage>
#include <array>
#include <future>
#include <memory>

class QGroupBox;
class QLabel;
class QPushButton;

namespace varku {
class Lampe;
}

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

    // das Rad
    std::array<QLabel*, 10> RadImg;
    QLabel* RadStopMarke;
    std::unique_ptr<Timer> zirkTimer;
    QPushButton* drehenBtn;
    QPushButton* anhaltenBtn;

    // das Rätsel
    QGroupBox* LoesungFrm;
    std::array<QLabel*, maxBuchstaben> BstLbl;
    QLabel* KontextLbl;
    QGroupBox* ParaphrFrm;
    QLabel* ParaphrLbl;
    QGroupBox* SatzFrm;
    QLabel* SatzBspLbl;
    Lampe* WortRatenLampe;
    Lampe* KaufenLampe;
    std::array<QPushButton*, anzahlTasten> bstBtn;
    QPushButton* WortRatenBtn;
    QPushButton* BstKaufBtn;
    QPushButton* showSatzBtn;

    EinstellFrm& einstellungen();
    CompZugFrm& compZug();

    // das Rad
    void RadDrehen();
    void RadStoppen();

    // das Rätsel: legt das Wort des Radspiels aus
    void zeigeRaetsel();

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
    QWidget* baueBrett();
    void pruefeRadBilder() const;
    void zirkTimer_Timer();
    void naechstesWort();
    void pruefeBstWahl(int taste);
    void zeichneKasten(int i);
    void ordneKaestenAn();
    void versteckeSatz();
    void zeigeKnoepfe();
    void EinstellAenderungUebernehmen();
    // der Computer
    void computerHaeltAn();
    void computerZieht();
    bool computerWaehlt(); // true: sein Zug ist vorbei
    // setzt das Bild einer Stellung, sobald es gebraucht wird (geladen im eigenen Faden)
    void holeRadBild(int stellung);

    std::array<std::shared_future<QImage>, 10> m_radBilder; // noch nicht gesetzte Radbilder
};

} // namespace varku::zirkomat
