#pragma once

#include <QMainWindow>

class QAction;
class QMenu;

namespace varku {

// Das Hauptfenster des Rahmenprogramms; es bleibt modal offen, bis das Programm endet.
class VarkuForm : public QMainWindow {
    Q_OBJECT
public:
    VarkuForm();
    ~VarkuForm() override;

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

    int Zielpunkte = 1000;

    void Form_Load();
    void Form_Activate();
    // fragt, ob das Programm enden soll; ende sagt, ob es endet
    void beendeProgramm(bool& ende);
    bool beendet() const { return m_beendet; }

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

protected:
    // Form_Unload: das Schließfeld fragt wie "Ende"
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void baueMenues();

    bool m_aktiviert = false;
    bool m_beendet = false;
};

} // namespace varku
