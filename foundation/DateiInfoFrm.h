#pragma once

#include "platform/Fensterablage.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QGroupBox;

namespace varku {

// Das Informationsfenster: Zahl der Wörter und Grundwortschatz (DatInfLbl 0 und 1), in den
// Spielen dazu die Spieler mit ihren Punkten (SpName, SpPunkte, anfangs unsichtbar).
// Die Aufrufer füllen es; sein Knopf verbirgt es.
class DateiInfoFrm : public QDialog, public Einzelfenster<DateiInfoFrm> {
    Q_OBJECT
public:
    std::array<QLabel*, 2> DatInfLbl;
    std::array<QLabel*, 5> SpName;
    std::array<QLabel*, 5> SpPunkte;
    QGroupBox* SpielerFrame;
    QPushButton* Command1;

public slots:
    void Command1_Click();
    // macht die Spielerzeilen sichtbar, sobald eine gezeigt wird
    void zeigeSpieler(int i, bool sichtbar);

private:
    friend class Einzelfenster<DateiInfoFrm>;
    DateiInfoFrm();
};

} // namespace varku
