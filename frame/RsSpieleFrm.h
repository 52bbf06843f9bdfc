#pragma once

#include "platform/Fensterablage.h"

#include <QDialog>

class QGroupBox;
class QListWidget;
class QPushButton;

namespace varku {

// Die Liste der Rechtschreibspiele aus [Spiele]. Sie wird einmal gelesen; der Dialog wird
// verborgen, nicht entladen. "starten" und ein Doppelklick geben das gewählte Spiel weiter.
class RsSpieleFrm : public QDialog, public Einzelfenster<RsSpieleFrm> {
    Q_OBJECT
public:
    QGroupBox* SpieleFrame;
    QListWidget* RsSpListe;
    QPushButton* startRsSpielBtn;
    QPushButton* abbrBtn;

    void Form_Load();
    // die gewählte Stelle, -1 ohne Wahl, und ihr Eintrag
    int gewaehlt() const;
    QString spielDatei(int i) const;

signals:
    // der Dialog ist verborgen; das Hauptfenster startet das Spiel der Stelle i
    void starteSpiel(int i);

public slots:
    void startRsSpielBtn_Click();
    void RsSpListe_DblClick();
    void abbrBtn_Click();
    void reject() override { abbrBtn_Click(); }

private:
    friend class Einzelfenster<RsSpieleFrm>;
    RsSpieleFrm();
};

} // namespace varku
