#pragma once

#include <QFont>
#include <QMainWindow>
#include <QPixmap>
#include <array>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace varku {

class Punktemesser;
class Schreibfeld;

// Das Hauptfenster des Rahmenprogramms: die Übung mit Punktemesser, Lampen, Zählern, dem Wort,
// dem Schreibfeld und dem Beispielsatz. Es bleibt modal offen, bis das Programm endet.
class VarkuForm : public QMainWindow {
    Q_OBJECT
public:
    VarkuForm();
    ~VarkuForm() override;

    // das eine Hauptfenster, für die Dialoge, die es benachrichtigen
    static VarkuForm* hauptfenster();

    // Menüs in Menüreihenfolge
    QMenu* mnuDatei;
    QAction* mnuNeu;
    QAction* mnuUebung;
    QAction* mnuDateiInfo;
    QAction* mnuDrucken;
    QAction* mnuSpiele;
    QAction* mnuEnde;
    QMenu* mnuBearbeiten;
    QAction* mnuSpielerliste;
    QAction* mnuEinstellungen;
    QAction* mnuSprachAusgEinst;
    QMenu* mnuHilfe;
    QAction* mnuInfo;
    QAction* mnuBedienung;
    QAction* mnuRechtschreibregeln;
    QAction* mnuHilfeAktKat;

    // Übungsfläche
    QFrame* UebRahmen;
    QLabel* UebBausteinImage;
    QLabel* UebTitelLabel;
    QLabel* SatzBspLbl;
    QGroupBox* LesenFrame;
    QLabel* LesenKontLabel;
    QLabel* LesenLabel;
    QFrame* LeseLupe;
    QGroupBox* SchreibenFrame;
    QLabel* SchreibenKontLabel;
    Schreibfeld* SchreibenTextfeld;
    QPushButton* zeigenTaste;
    QPushButton* diktierTaste;
    QPushButton* WortendeTaste;
    QPushButton* loeschTaste;
    std::array<QLabel*, 3> LampeImg;
    QPixmap LampeAusImg, LampeRotImg, LampeGruenImg;
    Punktemesser* vuPunkteImage;
    std::array<QLabel*, 4> nWoerLbl, nRichLbl, aLzLbl, dLzLbl;
    QLabel* NameLabel;
    QLabel* DirSp; // die Sprachausgabe, sichtbar beim Diktat mit synthetischer Sprache

    // linker Rand der Kontexte in den Rahmen, in Twips
    static constexpr double kontextLinks = 240;

    int Zielpunkte = 1000;
    bool schreibenBegonnen = false;
    bool lesezeitAktiv = false;
    long leseStart = 0;
    long leseEnde = 0;

    void Form_Load();
    void Form_Activate();
    void beendeProgramm(bool& ende);
    bool beendet() const { return m_beendet; }

    // Anzeige
    void setSFModus(bool ein);
    void initTasten();
    void drawVuZeiger(int punkte);
    void SwitchLampe(int nr, int zustand);
    void SwitchDigAnzOn();
    void SwitchUebModus(int modus);
    void zeigeZaehler(int nr, const QString& text);
    void zeigeBeispielSatz();
    void wendeTextFontAn();
    bool textFontGeaendert() const;
    int lampenZustand(int nr) const { return m_lampe[size_t(nr)]; }
    const QFont& wortSchrift() const { return m_wortFont; }

    // Übung
    void setzeSprachAusgabe();
    void spieleWortDatei(const QString& name);
    bool SchreibenTextfeld_KeyPress(int keyAscii);
    void fehlerMeldung(bool lupenFehler);
    bool lupenFehler() const;
    void setzeLupe(bool lesen);
    void spielerWechsel();
    void zeigeLesezeit();
    QString holeVorname(int spieler) const;

public slots:
    void mnuNeu_Click();
    void mnuUebung_Click();
    void mnuDateiInfo_Click();
    void mnuDrucken_Click();
    void mnuSpiele_Click();
    void mnuEnde_Click();
    void mnuSpielerliste_Click();
    void mnuEinstellungen_Click();
    void mnuSprachAusgEinst_Click();
    void mnuInfo_Click();
    void mnuBedienung_Click();
    void mnuRechtschreibregeln_Click();
    void mnuHilfeAktKat_Click();

    void zeigenTaste_Click();
    void diktierTaste_Click();
    void WortendeTaste_Click();
    void loeschTaste_Click();

    // vom Schwerpunktdialog: Titel und Bild des gewählten Schwerpunkts
    void zeigeUebSchwerpunkt(const QString& titel, const QString& bildPfad);

protected:
    // Form_Unload: das Schließfeld fragt wie "Ende"
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void baueMenues();
    void baueUebungsflaeche();
    void ordneSenkrechtAn();
    void zeigeWort();
    void platziereWort();
    void bereiteSchreibfeld();
    void zeigeSpielerZaehler();
    // Schwerpunkt und Spieler da: Protokoll öffnen und das erste Wort wählen
    void beginneUebung();
    void bewerteRichtigesWort();
    double kontextBreite() const;

    std::array<int, 3> m_lampe{};
    QFont m_wortFont;
    QFont m_kontextFont;
    QFont m_satzFont;
    bool m_aktiviert = false;
    bool m_beendet = false;
};

} // namespace varku
