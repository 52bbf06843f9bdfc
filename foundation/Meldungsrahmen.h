#pragma once

#include <QDialog>
#include <QPixmap>
#include <QString>

class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace varku {

// Das Gerüst der kleinen Fenster mit Bild (Meldung, Endefrage, Fehlerhinweis): ein modaler
// Dialog mit Titelleiste ohne Schließfeld, darin der Rahmen MldFrame mit dem Bild links. Texte und
// Knöpfe ordnet jedes Fenster selbst an. Esc drückt den Knopf, der abbricht, wenn es einen gibt;
// der unterstrichene Buchstabe eines Knopfes drückt ihn auch ohne Alt, da es nichts zu schreiben
// gibt.
class Meldungsrahmen : public QDialog {
    Q_OBJECT
public:
    QFrame* MldFrame;
    QLabel* Bild;

public slots:
    void reject() override;

protected:
    struct Aussehen {
        QPixmap bild;
        const char* hintergrund; // des Rahmens
        const char* randfarbe;
    };
    Meldungsrahmen(const QString& name, const QString& titel, const Aussehen& aussehen);

    void keyPressEvent(QKeyEvent* e) override;

    // der Knopf, den Esc drückt; nullptr: Esc tut nichts
    virtual QPushButton* abbrechenKnopf() const = 0;

    // ein Text im Rahmen, etwas größer als die Schrift des Fensters
    QLabel* neuerText(const QString& name, double groesser, bool fett = false);
    // ein Knopf unter dem Rahmen
    QPushButton* neuerKnopf(const QString& caption, const QString& name);
};

} // namespace varku
