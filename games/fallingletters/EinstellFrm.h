#pragma once

#include "games/fallingletters/DolmixEinstellungen.h"

#include "gamekit/Einstellungsfenster.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace varku::dolmix {

// Die Einstellungen des Fallspiels. Der Dialog wird mit dem Hauptfenster geladen und verborgen
// statt entladen. Vor dem Zeigen nimmt er die Werte in seine Steuerelemente, OK gibt sie heraus;
// jeder andere Weg hinaus ist "abbrechen" und lässt die Werte, wie sie waren.
//
// Die beiden Optionen des Spielerwechsels schließen einander aus, aber keine muss gewählt sein:
// ohne Wahl wechseln die Spieler nicht. Die Wahl der einen löscht die andere; ein zweiter Klick
// lässt die gewählte stehen.
class EinstellFrm : public Einstellungsfenster {
    Q_OBJECT
public:
    explicit EinstellFrm(QWidget* eltern);

    QGroupBox* SpielsteineFrm;
    QLabel* FallGeschwLbl;
    QSpinBox* FallGeschwUpDn; // mit seinem Feld FallGeschwTxt
    QCheckBox* ZufallFolgeOpt;
    QCheckBox* NurGrossBstOpt;
    QGroupBox* SpielerwechselFrm;
    QRadioButton* SpWechsFehlOpt;
    QRadioButton* SpWechsZeitOpt;
    QSpinBox* SpWechsZeitUpDn;
    QLabel* SpWechsZeitMin;
    QGroupBox* VerschiedenesFrm;
    QCheckBox* FehlWarnOpt;
    QCheckBox* EinstSaveOpt;
    QCheckBox* TonEinOpt;

    // die Werte in die Steuerelemente; "abbrechen" stellt diese wieder her
    void ladeSteuerelemente(const Einstellungen& e);
    // die Steuerelemente als Werte; was niemand geändert hat, bleibt, wie es geladen wurde
    Einstellungen werte() const;

public slots:
    void SpWechsFehlOpt_Click();
    void SpWechsZeitOpt_Click();
    void SpWechsZeitUpDn_Change();

protected:
    void stelleWiederHer() override { ladeSteuerelemente(m_vorher); }
    // die Tastatur beginnt links oben
    QWidget* ersterFokus() const override;
    void verberge() override;

private:
    void setzeMinutenFreigabe(bool an);

    Einstellungen m_vorher; // wie geladen: auch der Rest der Werte, den der Dialog nicht zeigt
    // was nach dem Laden zu sehen war: nur ein geänderter Wert ersetzt den geladenen
    int m_gezeigteGeschw = langsamsterFall;
    int m_gezeigteMinuten = 0;
    bool m_zeitGezeigt = false;
};

} // namespace varku::dolmix
