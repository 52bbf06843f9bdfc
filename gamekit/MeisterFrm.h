#pragma once

#include "gamekit/Meisterliste.h"

#include <QDialog>
#include <vector>

class QLabel;
class QPushButton;

namespace varku {

class MeisterTafel;

// "Meisterliste": die 10 besten Einträge des laufenden Spiels als Tabelle. Wird bei jedem
// Zeigen neu angelegt und geladen; okBtn schließt es.
class MeisterFrm : public QDialog {
    Q_OBJECT
public:
    explicit MeisterFrm(Meisterliste liste, QWidget* eltern = nullptr);

    // legt das Fenster an, lädt die Liste und zeigt es modal; ist die Datei nicht zu lesen,
    // kommt statt der Liste eine Meldung
    static void zeige(const Meisterliste& liste, QWidget* eltern = nullptr);

    QLabel* lfdNrLbl;
    QLabel* MstNameLbl;
    QLabel* DatLbl;
    QLabel* PunkteLbl;
    QPushButton* okBtn;

    // liest die Liste und zeigt sie; false (nach der Meldung), wenn die Datei nicht zu lesen war
    bool Form_Load();
    // füllt die vier Spalten, eine Zeile je Eintrag
    void zeigeMeisterliste(const std::vector<MeisterEintrag>& liste);

public slots:
    void okBtn_Click();

private:
    Meisterliste m_liste;
    MeisterTafel* m_tafel;
};

} // namespace varku
