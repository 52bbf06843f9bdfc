#pragma once

#include "platform/Fensterablage.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace varku {

class Uebung;

// Die Spielerliste: bis zu vier Spieler aus der Benutzerliste eintragen (Gäste werden
// nummeriert) und wieder austragen. Verborgen, nicht entladen; die Liste bleibt, wie sie ist.
class SpielerListeFrm : public QDialog, public Einzelfenster<SpielerListeFrm> {
    Q_OBJECT
public:
    QComboBox* UserList;
    QLabel* NameLbl;
    QLabel* pwLbl;
    QLineEdit* pwInp;
    QListWidget* SpielerLst;
    QPushButton* addSpBtn;
    QPushButton* delSpBtn;
    QPushButton* okBtn;
    QPushButton* abbrBtn;

    // beim ersten Gebrauch angelegt; die Spieler gehören der Übung
    static SpielerListeFrm& instanz(Uebung& uebung);

    void Form_Load();
    // true, wenn ein Eintrag von SpielerLst genau so heißt
    bool spielerVorhanden(const QString& name) const;

signals:
    // nach jedem Ein- und Austragen, damit andere Listen gleich bleiben
    void spielerlisteGeaendert();

public slots:
    void UserList_Click();
    void pwInp_Change();
    void SpielerLst_Click();
    void addSpBtn_Click();
    void delSpBtn_Click();
    void okBtn_Click();
    void abbrBtn_Click();
    // Esc wie "abbrechen"
    void reject() override { abbrBtn_Click(); }

protected:
    // das Schließfeld wie "abbrechen"
    void closeEvent(QCloseEvent* e) override;

private:
    friend class Einzelfenster<SpielerListeFrm>;
    explicit SpielerListeFrm(Uebung& uebung);
    void setzeStandardKnopf(QPushButton* knopf);

    Uebung* m_uebung;
};

} // namespace varku
