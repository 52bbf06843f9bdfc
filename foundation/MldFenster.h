#pragma once

#include "foundation/MeldungsLayout.h"

#include "platform/Fensterablage.h"

#include <QDialog>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

namespace varku {

// Das Meldungsfenster aller Programme: Text, bis zu zwei Knöpfe, ein Titel. Es wird beim ersten
// Gebrauch angelegt, nach einer Antwort verborgen und behält seinen Zustand.
class MldFenster : public QDialog, public Einzelfenster<MldFenster> {
    Q_OBJECT
public:
    // Antwort = caption ohne jedes "&"
    void setzeAntwort(const QString& caption);
    void ordneAn(const QString& text, const QString& knopf1, const QString& knopf2,
                 const QString& titel);

    QFrame* MldFrame;
    QLabel* Meldung;
    QLabel* Bild;
    QPushButton* Btn1;
    QPushButton* Btn2;
    QString Antwort;

    static const MeldungsEntwurf entwurf;

public slots:
    void Btn1_Click();
    void Btn2_Click();
    void reject() override {} // nur die Knöpfe schließen das Fenster

private:
    friend class Einzelfenster<MldFenster>;
    MldFenster();
};

// Zeigt eine Meldung modal; die Zeilen des Textes sind mit "\r" verbunden, ein leerer Knopftext
// zeigt den Knopf nicht. Wer gefragt hat, liest danach MldFenster::instanz().Antwort.
void zeigeMeldung(const QString& text, const QString& knopf1, const QString& knopf2,
                  const QString& titel);

} // namespace varku
