#pragma once

#include "games/crossword/WendomarEinstellungen.h"

#include "gamekit/Einstellungsfenster.h"

class QCheckBox;
class QGroupBox;
class QPushButton;

namespace varku::wendomar {

// Die Einstellungen des Kreuzworträtsels: vier Haken. Der Dialog wird einmal gebaut und danach
// nur verborgen. Beim Zeigen nimmt er die Werte, OK gibt sie heraus; jeder andere Weg hinaus
// lässt sie, wie sie waren.
class EinstellFrm : public Einstellungsfenster {
    Q_OBJECT
public:
    explicit EinstellFrm(QWidget* eltern);

    QGroupBox* Frame1;
    QCheckBox* gegenComp;
    QCheckBox* TonEin;
    QCheckBox* RateZeitBegrOpt;
    QCheckBox* EinstSaveOpt;

    // die Werte in die Haken; der beim Computer zeigt, ob er mitspielt
    void ladeSteuerelemente(const Einstellungen& e, bool computerSpielt);
    Einstellungen werte() const;

protected:
    void stelleWiederHer() override { ladeSteuerelemente(m_vorher, m_computerVorher); }
    QWidget* ersterFokus() const override;

private:
    Einstellungen m_vorher;
    bool m_computerVorher = false;
};

} // namespace varku::wendomar
