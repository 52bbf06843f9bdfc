#pragma once

#include "platform/Fensterablage.h"

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

namespace varku {

// Die Frage vor dem Beenden; Antwort "ja" oder "nein". Verborgen, nicht entladen.
class EndeFrm : public QDialog, public Einzelfenster<EndeFrm> {
    Q_OBJECT
public:
    // setzt die Frage, zeigt das Fenster modal und gibt die Antwort zurück
    QString frage(const QString& text);

    QFrame* MldFrame;
    QLabel* Meldung;
    QLabel* Bild;
    QPushButton* jaBtn;
    QPushButton* neinBtn;
    QString Antwort;

public slots:
    void jaBtn_Click();
    void neinBtn_Click();
    void reject() override { neinBtn_Click(); } // Esc heißt: doch nicht beenden

private:
    friend class Einzelfenster<EndeFrm>;
    EndeFrm();
};

} // namespace varku
