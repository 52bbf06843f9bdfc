#pragma once

#include "foundation/Meldungsrahmen.h"

#include "platform/Fensterablage.h"

#include <QString>

namespace varku {

// Die Frage vor dem Beenden; Antwort "ja" oder "nein". Verborgen, nicht entladen.
class EndeFrm : public Meldungsrahmen, public Einzelfenster<EndeFrm> {
    Q_OBJECT
public:
    // setzt die Frage, zeigt das Fenster modal und gibt die Antwort zurück
    QString frage(const QString& text);

    QLabel* Meldung;
    QPushButton* jaBtn;
    QPushButton* neinBtn;
    QString Antwort;

public slots:
    void jaBtn_Click();
    void neinBtn_Click();

protected:
    // Esc heißt: doch nicht beenden
    QPushButton* abbrechenKnopf() const override { return neinBtn; }

private:
    friend class Einzelfenster<EndeFrm>;
    EndeFrm();
};

} // namespace varku
