#pragma once

#include "platform/Fensterablage.h"

#include <QDialog>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class QCheckBox;
class QCloseEvent;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace varku {

struct GlobModul;

// Die Einstellungen des Rahmenprogramms: Schrift der Übung, Übungsform, Schwierigkeit und vier
// Schalter. Der Dialog arbeitet auf seinen Steuerelementen; erst OK schreibt sie in die
// Einstellungen zurück, Abbrechen stellt sie wieder her. Er wird beim Laden des Hauptfensters
// angelegt und lebt verborgen weiter; Klang und Spielstart lesen die Einstellungen.
class EinstellFrm : public QDialog, public Einzelfenster<EinstellFrm> {
    Q_OBJECT
public:
    // beim ersten Gebrauch angelegt und aus glob geladen; mit einem anderen glob neu geladen
    static EinstellFrm& instanz(GlobModul& glob);
    // lädt die Steuerelemente neu aus glob; ein schon gebauter Dialog bleibt und behält seine
    // Schriftliste
    static EinstellFrm& lade(GlobModul& glob);

    // die Schriften des Bildschirms in seiner Reihenfolge; Tests setzen ihre eigene Liste
    static std::function<QStringList()>& schriftQuelle();

    QGroupBox* SchriftFrame;
    QComboBox* FontNameCBox;
    QLabel* GroesseLbl;
    QSpinBox* SchriftGrUpDn; // mit seinem Feld Schriftgrad
    QLabel* ptLbl;
    QCheckBox* fettSchriftChk;
    QCheckBox* kursivSchriftChk;
    QLabel* FontBspLbl;

    QGroupBox* UebFormFrame;
    QRadioButton* NachschrOpt;
    QRadioButton* DiktOpt;
    QCheckBox* SynthOpt;
    QCheckBox* SynthSatzOpt;
    QCheckBox* LupeOpt;

    QGroupBox* SchwierigkeitFrame;
    std::array<QRadioButton*, 3> SchwGr;

    QGroupBox* SonstigesFrame;
    QCheckBox* AutoStartOpt;
    QCheckBox* TonEinOpt;
    QCheckBox* EinstSaveOpt;
    QCheckBox* BspSatzOpt;

    QPushButton* okButton;
    QPushButton* abbrBtn;

    void Form_Load();
    // füllt die Liste mit den Schriften und wählt die gleichnamige, sonst die erste; bei
    // leerem Namen keine
    void fuelleFontListe(const QString& name);

signals:
    // nach OK: das Hauptfenster übernimmt Übungsform und Sprachausgabe
    void einstellungenUebernommen();

public slots:
    void okButton_Click();
    void abbrBtn_Click();
    void FontNameCBox_Click();
    void fettSchriftChk_Click();
    void kursivSchriftChk_Click();
    void SchriftGrUpDn_Change();
    void NachschrOpt_Click();
    void DiktOpt_Click();
    void SynthOpt_Click();
    // Esc wie "abbrechen"
    void reject() override { abbrBtn_Click(); }

protected:
    // das Schließfeld wie "abbrechen"
    void closeEvent(QCloseEvent* e) override;
    // die Tastatur beginnt links oben
    void showEvent(QShowEvent* e) override;

private:
    friend class Einzelfenster<EinstellFrm>;
    explicit EinstellFrm(GlobModul& glob);
    void verberge();
    // die Steuerelemente aus den Einstellungen, ohne die Schriftliste neu zu füllen
    void setzeSteuerelemente();
    void waehleSchrift(const QString& name);
    // "synthetisch" nur beim Diktat, "im ganzen Satz" nur dazu mit "synthetisch"
    void setzeSprachFreigabe();
    void zeigeBeispiel();

    GlobModul* m_glob;
    QSize m_beispielPlatz;
    // die Größe, wie sie nach dem Laden stand: OK schreibt sie nur, wenn jemand sie geändert hat
    int m_gezeigteGroesse = 0;
};

} // namespace varku
