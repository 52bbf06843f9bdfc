#pragma once

#include <QDialog>

class QHBoxLayout;
class QPushButton;

namespace varku {

// Der Rahmen der Einstellungsdialoge der Spiele: gebaut wird er einmal, danach nur verborgen.
// Vor dem Zeigen lädt das Spiel die Werte in die Steuerelemente; OK gibt sie heraus, jeder
// andere Weg hinaus (abbrechen, Esc, das Schließfeld) stellt die Steuerelemente wieder her, wie
// sie geladen wurden.
class Einstellungsfenster : public QDialog {
    Q_OBJECT
public:
    explicit Einstellungsfenster(QWidget* eltern);

    QPushButton* okBtn;
    QPushButton* abbrBtn;

    // wurde der Dialog zuletzt mit OK verlassen?
    bool bestaetigt() const { return m_bestaetigt; }

public slots:
    void okBtn_Click();
    void abbrBtn_Click();
    void reject() override { abbrBtn_Click(); }

protected:
    // die Zeile der Knöpfe, rechts bündig, für das Layout des Dialogs
    QHBoxLayout* knopfzeile();
    // die Steuerelemente zurück auf die geladenen Werte
    virtual void stelleWiederHer() = 0;
    // wo die Tastatur beim Zeigen beginnt; ohne eines bleibt sie, wo Qt sie hinsetzt
    virtual QWidget* ersterFokus() const { return nullptr; }
    // das Verbergen; ein Dialog kann dabei noch aufräumen
    virtual void verberge() { hide(); }
    void showEvent(QShowEvent* e) override;

private:
    bool m_bestaetigt = false;
};

} // namespace varku
