#pragma once

#include "games/wheel/ZirkomatEinstellungen.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace varku::zirkomat {

class MainFrm;

// Die Einstellungen des Radspiels. Der Dialog wird mit dem Hauptfenster geladen, verborgen statt
// entladen und behält seine Steuerelemente; OK übernimmt sie, jeder andere Weg heraus ist
// "abbrechen".
class EinstellFrm : public QDialog {
    Q_OBJECT
public:
    explicit EinstellFrm(MainFrm& haupt);

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
    QPushButton* okBtn;
    QPushButton* abbrBtn;

    // liest [Zirkomat] in die Einstellungen und die Steuerelemente, dann gelten sie
    void loadVarkuIni();
    // schreibt [Zirkomat], wenn "Einstellungen speichern" angehakt ist
    void saveVarkuIni();
    // die Steuerelemente aus den Einstellungen, und was sie zeigen
    void ladeSteuerelemente();
    Einstellungen werte() const;

public slots:
    void okBtn_Click();
    void abbrBtn_Click();
    void LoesWortFarbe_Click();
    void LoesWortSW_Click();
    void reject() override { abbrBtn_Click(); }

private:
    MainFrm& m_haupt;
};

} // namespace varku::zirkomat
