#pragma once

#include "frame/GlobModul.h"
#include "frame/Uebung.h"
#include "frame/VarkuAnzeige.h"

#include <QMainWindow>

class QAction;
class QMenu;

namespace varku {

// Das Hauptfenster des Rahmenprogramms: es zeigt die Übung und leitet die Ereignisse an sie
// weiter. Es bleibt modal offen, bis das Programm endet.
class VarkuForm : public QMainWindow, public VarkuAnzeige {
    Q_OBJECT
public:
    VarkuForm();
    // baut nur das Fenster; Form_Load folgt, wenn es gebraucht wird (der Start baut es, während
    // das Logo steht)
    struct OhneLaden {};
    explicit VarkuForm(OhneLaden);
    ~VarkuForm() override;

    GlobModul glob;
    Uebung uebung{glob};

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

    void Form_Load();
    void Form_Activate();
    void beendeProgramm(bool& ende);
    bool beendet() const { return m_beendet; }

    void setzeSprachAusgabe();
    void spieleWortDatei(const QString& name);
    bool SchreibenTextfeld_KeyPress(int keyAscii);
    void fehlerMeldung(bool lupenFehler, const QString& eingabe);
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
    // aus der Spieleliste: das Spiel der Stelle i starten und auf sein Ende warten
    void starteSpiel(int i);

protected:
    // Form_Unload: das Schließfeld fragt wie "Ende"
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void baueMenues();
    void passeGroesseAn();
    // Schwerpunkt und Spieler da: Protokoll öffnen und das erste Wort wählen
    void beginneUebung();
    void zeigeWortwahl(const Uebung::Wortwahl& wahl);
    void zeigeSpielerZaehler(const Statistik& s);
    void zeigeSpieler();
    void zeigeRichtigesWort(const Uebung::Wortende& e);
    void zeigeFalschesWort(const Uebung::Wortende& e);
    void meldung(const QString& text, const QString& titel);

    bool m_aktiviert = false;
    bool m_beendet = false;
    bool m_spielLaeuft = false;
};

} // namespace varku
