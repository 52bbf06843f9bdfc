#pragma once

#include "foundation/Meldungsrahmen.h"

#include "platform/Fensterablage.h"

namespace varku {

// Der Hinweis nach einem falsch geschriebenen Wort: "Hoppla, <Vorname>!" und was zu tun ist.
// Verborgen, nicht entladen.
class FehlerMldFrm : public Meldungsrahmen, public Einzelfenster<FehlerMldFrm> {
    Q_OBJECT
public:
    QLabel* FehlerNameLbl;
    QLabel* FehlerHinweisLbl;
    QPushButton* WortSprBtn;
    QPushButton* FehlerSprBtn;
    QPushButton* okBtn;

    // was die Sprechknöpfe sagen
    QString wortText;
    QString eingabeText;

public slots:
    void WortSprBtn_Click();
    void FehlerSprBtn_Click();
    void okBtn_Click();

protected:
    QPushButton* abbrechenKnopf() const override { return okBtn; }

private:
    friend class Einzelfenster<FehlerMldFrm>;
    FehlerMldFrm();
};

} // namespace varku
