#pragma once

#include "games/wordcard/ZelkoEinstellungen.h"

#include "gamekit/Einstellungsfenster.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace varku::zelko {

// Die Einstellungen des Kartenspiels: der Computer und seine Stärke, Ton, Ratezeit, Speichern.
// Beim Zeigen nimmt der Dialog die Werte, OK gibt sie heraus; jeder andere Weg lässt sie.
class EinstellFrm : public Einstellungsfenster {
    Q_OBJECT
public:
    explicit EinstellFrm(QWidget* eltern);

    QGroupBox* ComputerFrm;
    QCheckBox* gegenComp;
    std::array<QRadioButton*, 2> SpSt;
    QGroupBox* VerschiedenesFrm;
    QCheckBox* TonEin;
    QCheckBox* RateZeitEin;
    QCheckBox* EinstSaveOpt;

    // Die Werte in die Steuerelemente. Ohne freien Platz (vier Spieler) ist der Computer aus
    // und nicht wählbar.
    void ladeSteuerelemente(const Einstellungen& e, bool computerSpielt, bool platzFrei);
    Einstellungen werte() const;

protected:
    void stelleWiederHer() override { ladeSteuerelemente(m_vorher, m_computerVorher, m_platzFrei); }
    QWidget* ersterFokus() const override;

private:
    Einstellungen m_vorher;
    bool m_computerVorher = false;
    bool m_platzFrei = true;
};

} // namespace varku::zelko
