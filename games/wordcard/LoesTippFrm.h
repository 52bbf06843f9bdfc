#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;

namespace varku::zelko {

// Der Lösungstipp: die kurze Hilfe der Kategorie in einem Rahmen, "&OK" schließt ihn
class LoesTippFrm : public QDialog {
    Q_OBJECT
public:
    explicit LoesTippFrm(QWidget* eltern);

    QGroupBox* TippFrame;
    QLabel* KatKurzHilfeLbl;
};

} // namespace varku::zelko
