#pragma once

#include "platform/Fensterablage.h"

#include <QDialog>
#include <QString>
#include <array>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStatusBar;

namespace varku {

class Uebung;

// Der Druckdialog: Zeugnis oder Protokoll für einen Spieler. Verborgen, nicht entladen; seine
// Liste bleibt der Spielerliste gleich. OK druckt und lässt ihn offen; jedes Schließen ist
// "abbrechen" und öffnet die Protokolldatei des Spielers am Zug wieder.
class DruckFrm : public QDialog, public Einzelfenster<DruckFrm> {
    Q_OBJECT
public:
    QGroupBox* DokumentFrame;
    std::array<QRadioButton*, 2> DruckOpt; // 0 Zeugnis, 1 Protokoll
    QGroupBox* SpielerFrame;
    QListWidget* SpielerLst;
    QStatusBar* StatBar;
    QLabel* StatText; // der Text im Stand, umbrochen: ein langer Pfad bleibt lesbar
    QPushButton* okBtn;
    QPushButton* abbrBtn;

    // der Titel des Schwerpunkts, wie ihn das Hauptfenster zeigt; vor dem Zeigen gesetzt
    QString schwerpunkt;

    // beim ersten Gebrauch angelegt; die Spieler gehören der Übung
    static DruckFrm& instanz(Uebung& uebung);

    void Form_Activate();

public slots:
    void okBtn_Click();
    void abbrBtn_Click();
    // Esc wie "abbrechen"
    void reject() override { abbrBtn_Click(); }
    // die Liste wie die Spielerliste, Eintrag für Eintrag
    void uebernimmSpieler();

protected:
    void showEvent(QShowEvent* e) override;
    // das Schließfeld wie "abbrechen"
    void closeEvent(QCloseEvent* e) override;

private:
    friend class Einzelfenster<DruckFrm>;
    explicit DruckFrm(Uebung& uebung);

    Uebung* m_uebung;
};

} // namespace varku
