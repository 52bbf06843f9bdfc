#pragma once

#include "games/hiddenletters/KartominEinstellungen.h"

#include "gamekit/Einstellungsfenster.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace varku::kartomin {

// Die Einstellungen des Kartenspiels. Der Dialog wird einmal gebaut und danach nur verborgen; er
// behält, was er zeigt. Ohne Abschnitt zeigt er seinen Entwurf (Ton und Speichern an, "&stark"),
// auch wenn die Werte 0 sind; OK übernimmt, was er zeigt, jeder andere Weg hinaus gibt jedem
// Steuerelement den Wert seiner Einstellung zurück.
class EinstellFrm : public Einstellungsfenster {
    Q_OBJECT
public:
    explicit EinstellFrm(QWidget* eltern);

    QGroupBox* VerschiedenesFrm;
    QCheckBox* TonEin;
    QCheckBox* RateZeitEin;
    QCheckBox* FeldMarkEin;
    QCheckBox* EinstSaveOpt;
    QGroupBox* ComputerFrm;
    QCheckBox* gegenComp;
    std::array<QRadioButton*, 2> SpSt;

    // die Werte, wie der Dialog gebaut ist: Ton und Speichern an, "&stark"
    static Einstellungen entwurf();
    // die Werte in die Steuerelemente
    void zeige(const Einstellungen& e);
    // der Haken beim Computer zeigt, ob er sitzt; ohne freien Platz ist er nicht wählbar
    void zeigeSitz(bool sitzt, bool platzFrei);
    // die Einstellungen beim Öffnen, für "abbrechen"
    void merke(const Einstellungen& e) { m_vorher = e; }
    // die Steuerelemente als Werte
    Einstellungen werte() const;

protected:
    void stelleWiederHer() override;
    QWidget* ersterFokus() const override;

private:
    Einstellungen m_vorher;
};

} // namespace varku::kartomin
