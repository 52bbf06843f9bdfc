#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace varku::wendomar {

// Die Lösungshilfe: die Umschreibung des Wortes, das gelegt wird, und ein Knopf, der seinen
// Beispielsatz im Hauptfenster zeigt. Sie wird beim ersten Gebrauch gebaut und danach nur
// verborgen.
class UmschrFrm : public QDialog {
    Q_OBJECT
public:
    explicit UmschrFrm(QWidget* eltern);

    QLabel* Label1;
    QFrame* pFrame;
    QLabel* ParaphrLbl;
    QPushButton* BspSatzBtn;
    QPushButton* okBtn;

    // die Umschreibung, so groß, wie sie in den Rahmen passt
    void zeigeUmschreibung(const QString& text);

signals:
    void beispielsatzGewuenscht();
    void geschlossen();

public slots:
    void okBtn_Click();
    // Esc und das Schließfeld wie OK
    void reject() override { okBtn_Click(); }
};

} // namespace varku::wendomar
