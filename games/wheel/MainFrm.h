#pragma once

#include "gamekit/Spielfenster.h"
#include "games/wheel/Radspiel.h"
#include "games/wheel/ZirkomatEinstellungen.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <array>
#include <future>
#include <memory>

class QFrame;
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
// Tasten der Buchstaben und der Züge, im Rahmen des Spielbaukastens.
class MainFrm : public Spielfenster {
    Q_OBJECT
public:
    MainFrm(const Spielkonfiguration& k, const Spielstartdaten& s);
    ~MainFrm() override;

    static Spielkonfiguration konfiguration();

    Einstellungen einst;
    Radspiel spiel{runde};

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
    // ein Zug des Computers für das Feld, auf dem das Rad steht; true: sein Zug ist vorbei
    bool simuliereComputerZug();

    // das Rätsel
    void zeigeRaetsel();
    void pruefeBstWahl(int taste);
    void hilfeGeben();
    void zeigeRestWort();
    void versteckeSatz();
    void setzeLampe(int nr, bool gruen);
    void schalteBstTasten(bool ein);
    // die Kästen neu anordnen und färben, ohne das Wort oder das Aufgedeckte zu ändern
    void EinstellAenderungUebernehmen();
    bool kastenAufgedeckt(int i) const;

public slots:
    void drehenBtn_Click();
    void anhaltenBtn_Click();
    void bstBtn_Click(int taste);
    void BstKaufBtn_Click();
    void showSatzBtn_Click();
    void WortRatenBtn_Click();

protected:
    void neuesSpiel() override;
    void ratezeitZugBeenden() override;
    void computerZug() override;
    void halteAnimationen(bool halt) override;
    void zeigeEinstellungen() override;
    void speichereEinstellungen() override;
    bool tonEin() const override { return einst.TonEinschalten != 0; }
    bool taste(QKeyEvent* e) override;

private:
    void Form_Load();
    QWidget* baueBrett();
    void zirkTimer_Timer();
    void naechstesWort();
    void deckeAuf(int i);
    void farbeKasten(int i, bool aufgedeckt);
    void zeigePunkteUndStand();
    void zugEnde();
    void zeigeRad();
    // setzt das Bild einer Stellung, sobald es gebraucht wird (geladen im eigenen Faden)
    void holeRadBild(int stellung);

    std::array<std::shared_future<QImage>, 10> m_radBilder; // noch nicht gesetzte Radbilder
    int m_farbe = 0;                                        // Farbindex des ersten Kastens
    std::array<int, maxBuchstaben> m_farbIndex{};
    std::array<bool, maxBuchstaben> m_aufgedeckt{};
};

// Die Farben der Kästen: Grund und aufgedeckter Buchstabe, je zehn
extern const std::array<QColor, 10> KastenGrund;
extern const std::array<QColor, 10> KastenBuchstabe;
// Index einer Grundfarbe; 0, wenn sie nicht vorkommt
int sucheFarbIndex(const QColor& grund);

} // namespace varku::zirkomat
