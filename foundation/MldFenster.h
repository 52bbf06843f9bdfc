#pragma once

#include "foundation/MeldungsLayout.h"
#include "foundation/Meldungsrahmen.h"

#include "platform/Fensterablage.h"

#include <QString>

class QScrollArea;

namespace varku {

// Das Meldungsfenster aller Programme: Text, bis zu zwei Knöpfe, ein Titel. Es wird beim ersten
// Gebrauch angelegt, nach einer Antwort verborgen und behält seinen Zustand. Ein Text, der nicht
// auf den Bildschirm passt, wird umbrochen und zuletzt rollbar.
class MldFenster : public Meldungsrahmen, public Einzelfenster<MldFenster> {
    Q_OBJECT
public:
    // Antwort = caption ohne jedes "&"
    void setzeAntwort(const QString& caption);
    void ordneAn(const QString& text, const QString& knopf1, const QString& knopf2,
                 const QString& titel);

    QLabel* Meldung;
    QScrollArea* MeldungsFlaeche; // um Meldung, rollt nur bei übergroßen Texten
    QPushButton* Btn1;
    QPushButton* Btn2;
    QString Antwort;

    static const MeldungsEntwurf entwurf;

public slots:
    void Btn1_Click();
    void Btn2_Click();

protected:
    // Esc und das Schließfeld drücken den einzigen Knopf, in einer Frage "nein" oder sonst den
    // zweiten
    QPushButton* abbrechenKnopf() const override;

private:
    friend class Einzelfenster<MldFenster>;
    MldFenster();
};

// Zeigt eine Meldung modal; die Zeilen des Textes sind mit "\r" verbunden, ein leerer Knopftext
// zeigt den Knopf nicht. Wer gefragt hat, liest danach MldFenster::instanz().Antwort.
void zeigeMeldung(const QString& text, const QString& knopf1, const QString& knopf2,
                  const QString& titel);

} // namespace varku
