#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace varku {

// "Info über ...": Name und Version des Rahmenprogramms. Wird bei jedem Zeigen neu geladen.
class InfoFrm : public QDialog {
    Q_OBJECT
public:
    InfoFrm();

    QLabel* RelLbl;
    QLabel* Bild;
    QPushButton* okBtn;

    void Form_Load();

public slots:
    void okBtn_Click();
};

} // namespace varku
