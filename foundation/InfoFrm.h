#pragma once

#include <QDialog>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;

namespace varku {

// "Info über ...": Name und Version eines Programms. Wird bei jedem Zeigen neu geladen.
struct Programmangaben {
    QString rahmen;       // Titel des Rahmens: "Rahmenprogramm" oder der Name des Spiels
    QString name;         // groß darin
    QString beschreibung; // eine Zeile darunter
    QString version;      // "4.0.3"
    QString bild;         // aus dem Grafikordner
};

class InfoFrm : public QDialog {
    Q_OBJECT
public:
    explicit InfoFrm(const Programmangaben& angaben);

    QGroupBox* Rahmen;
    QLabel* RelLbl;
    QLabel* Bild;
    QPushButton* okBtn;

    void Form_Load();

public slots:
    void okBtn_Click();

private:
    Programmangaben m_angaben;
};

} // namespace varku
