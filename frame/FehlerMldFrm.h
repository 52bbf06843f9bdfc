#pragma once

#include "platform/Fensterablage.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace varku {

// Der Hinweis nach einem falsch geschriebenen Wort: "Hoppla, <Vorname>!" und was zu tun ist.
// Verborgen, nicht entladen.
class FehlerMldFrm : public QDialog, public Einzelfenster<FehlerMldFrm> {
    Q_OBJECT
public:
    QLabel* Bild;
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
    void reject() override { okBtn_Click(); }

private:
    friend class Einzelfenster<FehlerMldFrm>;
    FehlerMldFrm();
};

} // namespace varku
