#pragma once

#include "games/wheel/ZirkomatEinstellungen.h"

#include "gamekit/Einstellungsfenster.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace varku::zirkomat {

// Die Einstellungen des Radspiels. Der Dialog wird mit dem Hauptfenster geladen und verborgen
// statt entladen. Beim Zeigen nimmt er die Werte in seine Steuerelemente, OK gibt sie heraus;
// jeder andere Weg hinaus ist "abbrechen" und lässt die Werte, wie sie waren.
class EinstellFrm : public Einstellungsfenster {
    Q_OBJECT
public:
    explicit EinstellFrm(QWidget* eltern);

    QGroupBox* ComputerFrm;
    QCheckBox* gegenComp;
    std::array<QRadioButton*, 3> SpSt;
    QGroupBox* LoesungswortFrm;
    QRadioButton* LoesWortFarbe;
    QRadioButton* LoesWortSW;
    QGroupBox* VerschiedenesFrm;
    QCheckBox* TastaturAus;
    QCheckBox* TonEin;
    QCheckBox* BstRahmEin;
    QCheckBox* RateZeitEin;
    QSpinBox* nFehlVersuche; // mit seinen Pfeilen: UpDnFehlVersuche
    QCheckBox* EinstSaveOpt;

    // die Werte in die Steuerelemente; der Haken beim Computer zeigt, ob er mitspielt
    void ladeSteuerelemente(const Einstellungen& e, bool computerSpielt);
    // die Steuerelemente als Werte
    Einstellungen werte() const;

public slots:
    void LoesWortFarbe_Click();
    void LoesWortSW_Click();

protected:
    void stelleWiederHer() override { ladeSteuerelemente(m_vorher, m_computerVorher); }

private:
    Einstellungen m_vorher; // was beim Zeigen galt: der Rest der Werte, den der Dialog nicht zeigt
    bool m_computerVorher = false;
};

} // namespace varku::zirkomat
