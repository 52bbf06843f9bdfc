#pragma once

#include "platform/Fensterablage.h"

#include <QDialog>

class QCheckBox;
class QCloseEvent;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace varku {

struct GlobModul;

// Die Einstellung der synthetischen Sprache: Stimme, Lautstärke, Stimmlage, Geschwindigkeit und
// die Transkripte. Was man stellt, hört die Sprachausgabe sofort; OK merkt es in den
// Einstellungen, Abbrechen stellt die Sprachausgabe zurück. Verborgen, nicht entladen: die
// Liste der Stimmen wird einmal gebaut.
class SprAusgEinstFrm : public QDialog, public Einzelfenster<SprAusgEinstFrm> {
    Q_OBJECT
public:
    // beim ersten Gebrauch angelegt und aus glob geladen; mit einem anderen glob neu geladen
    static SprAusgEinstFrm& instanz(GlobModul& glob);

    QGroupBox* StimmeFrame;
    QComboBox* StimmenLst;
    QGroupBox* VerschiedenesFrame;
    QLabel* VolumeLbl;
    QSlider* VolumeSld;
    QLabel* PitchLbl;
    QSlider* PitchSld;
    QLabel* SpeedLbl;
    QSlider* SpeedSld;
    QGroupBox* TranskripteFrame;
    QCheckBox* TranskrWortOpt;
    QCheckBox* TranskrSatzOpt;
    QGroupBox* TestFrame;
    QLineEdit* TestText;
    QPushButton* testBtn;
    QPushButton* okButton;
    QPushButton* abbrBtn;

    void Form_Load();
    // Bereiche und Lagen der Regler für Geschwindigkeit und Stimmlage aus der Sprachausgabe
    void initRegler();

public slots:
    void okButton_Click();
    void abbrBtn_Click();
    void StimmenLst_Click();
    void testBtn_Click();
    void VolumeSld_Change();
    void PitchSld_Change();
    void SpeedSld_Change();
    // Esc wie "abbrechen"
    void reject() override { abbrBtn_Click(); }

protected:
    // das Schließfeld wie "abbrechen"
    void closeEvent(QCloseEvent* e) override;

private:
    friend class Einzelfenster<SprAusgEinstFrm>;
    explicit SprAusgEinstFrm(GlobModul& glob);
    void verberge();
    // Liste, Haken und Regler aus den Einstellungen; die Sprachausgabe folgt ihnen
    void setzeSteuerelemente();

    GlobModul* m_glob;
    // was die Steuerelemente nach dem Laden zeigten: OK schreibt nur, was jemand geändert hat,
    // sonst bleibt der gelesene Wert, auch einer außerhalb der Liste
    struct Gezeigt {
        int stimme = -1, lautstaerke = 0, stimmlage = 0, geschwindigkeit = 0;
    } m_gezeigt;
};

} // namespace varku
