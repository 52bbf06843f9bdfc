#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace varku {

// Begrüßung nach dem Logo; "Hilfe" öffnet die Programmhilfe, "OK" geht weiter.
class WillkommenFrm : public QDialog {
    Q_OBJECT
public:
    WillkommenFrm();

    QLabel* InfoLbl;
    QLabel* Bild;
    QPushButton* HilfeBtn;
    QPushButton* okBtn;

    void Form_Load();

public slots:
    void HilfeBtn_Click();
    void okBtn_Click();
    void reject() override { okBtn_Click(); }
};

} // namespace varku
