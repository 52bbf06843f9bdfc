#pragma once

#include "gamekit/Spielkonfiguration.h"
#include "gamekit/Spielrunde.h"
#include "gamekit/Spielstart.h"
#include "gamekit/Spieluhren.h"
#include "gamekit/Spielwoerter.h"
#include "platform/Uhr.h"

#include <QMainWindow>
#include <memory>
#include <utility>
#include <vector>

class QAction;
class QKeyEvent;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;

namespace varku {

class Zeigerinstrument;
class Ziffernanzeige;

// Der Rahmen, den jedes Spielfenster um sein eigenes Spielbrett hat: Ratezeituhr,
// Spielzeitbalken, Spieler und Punkte, Menüs, die Fragen vor dem Beenden und vor einem neuen
// Spiel, das Ende des Programms, der Spielerwechsel mit der Übergabe an den Computer. Ein Spiel
// erbt davon, stellt sein Brett hinein und füllt die Haken, an denen es sich unterscheidet.
class Spielfenster : public QMainWindow {
    Q_OBJECT
public:
    Spielfenster(Spielkonfiguration konfig, Spielstartdaten start);
    ~Spielfenster() override;

    const Spielkonfiguration konfig;
    const Spielstartdaten start;
    Spielrunde runde;
    Spielwoerter woerter;
    Ratezeit ratezeit;
    Spielzeitbalken spielzeit;
    bool computerAmZug = false;

    // Menüs in Menüreihenfolge
    QMenu* mnuDatei;
    QAction* mnuDateiNeu;
    QAction* mnuDateiInfo;
    QAction* mnuDateiMeisterliste;
    QAction* mnuDateiEnde;
    QMenu* mnuBearbeiten;
    QAction* mnuBearbEinstell;
    QMenu* mnuHilfe;
    QAction* mnuHilfeInfo;
    QAction* mnuHilfeBedienung;
    QAction* mnuHilfeSpielregeln;
    QAction* mnuHilfeAktKat;

    // der Rahmen rechts neben dem Brett
    QLabel* UebBausteinImage;
    QLabel* UebTitelLabel;
    QLabel* SpNameLbl;
    Ziffernanzeige* punkZiff;
    Zeigerinstrument* vuRestZeitImage;
    QFrame* RestZeitStand;
    std::unique_ptr<Timer> RestZeitTimer;
    std::unique_ptr<Timer> EnergTimer;

    // Die Schritte beim Laden, die alle Spiele gleich tun; das Spiel ruft sie in seiner
    // Reihenfolge aus seinem Form_Load
    void ladeSchwerpunkt(); // Bild und Titel des Schwerpunkts, Name des ersten Spielers
    void ladeFehlerwoerter();
    // die Wortdatenbank öffnen und filtern; false, wenn der Schwerpunkt für dieses Spiel keine
    // Wörter hat (dann hat es die Meldung schon gezeigt)
    bool ladeWoerter(WortTabellen tabellen);
    void starteSpielzeit(); // der Balken beginnt, EnergTimer an
    void initVuZeiger();

    // Ratezeituhr
    void drawVuZeiger(int wert);
    void switchVuRestZeit(bool ein);
    void resetVuZeiger();
    bool ratezeitAn() const;

    // Anzeigen
    void zeigePunkte();     // Punkte des aktuellen Spielers in den Ziffern
    void zeigeSpielstand(); // ebenso im Infofenster
    void zeigeSpieler();    // Name und Punkte des aktuellen Spielers

    void naechsterSpieler();
    void schalteMenues(bool ein);
    // der Computer setzt sich auf den letzten Platz oder geht; im Infofenster ebenso
    Spielrunde::Sitz setzeComputer(bool mitspielen);

    // Eine Meldung, während der die Uhren des Spiels stehen; sagt die Antwort ohne "&"
    QString meldung(const QString& text, const QString& titel, const QString& knopf1 = "&OK",
                    const QString& knopf2 = {});
    // hält die Uhren an oder lässt sie weiterlaufen; geschachtelt zählt der äußerste
    void halteUhren(bool halt);

    // spielt einen Klang und wartet sein Ende ab, auch ohne Ton; das Fenster ist vorher neu
    // gezeichnet, denn während des Wartens zeichnet sich nichts
    void spieleWavWarten(const QString& datei);

    bool setzeEndeFrage();
    void programmEnde();
    bool beendet() const { return m_beendet; }
    // der Schwerpunkt hat für dieses Spiel keine Wörter: es endet, ohne eine Datei anzufassen
    bool ohneWoerter() const { return m_ohneWoerter; }

public slots:
    void mnuDateiNeu_Click();
    void mnuDateiInfo_Click();
    void mnuDateiMeisterliste_Click();
    void mnuDateiEnde_Click();
    void mnuBearbEinstell_Click();
    void mnuHilfeInfo_Click();
    void mnuHilfeBedienung_Click();
    void mnuHilfeSpielregeln_Click();
    void mnuHilfeAktKat_Click();
    void RestZeitTimer_Timer();
    void EnergTimer_Timer();

protected:
    // das Brett des Spiels; der Rahmen stellt es links neben sich
    void setzeSpielbrett(QWidget* brett);
    void closeEvent(QCloseEvent* e) override;

    // Die Haken der Spiele
    // nach "ja" auf die Frage nach einem neuen Spiel: ein neues Wort, ein neues Brett
    virtual void neuesSpiel() {}
    // die Ratezeit ist abgelaufen: den Zug ordentlich beenden, bevor der nächste dran ist
    virtual void ratezeitZugBeenden() {}
    // der Computer ist an der Reihe: sein Fenster modal zeigen
    virtual void computerZug() {}
    // eigene Zeitgeber des Spiels anhalten oder weiterlaufen lassen
    virtual void halteAnimationen(bool /*halt*/) {}
    // der Einstellungsdialog des Spiels, modal; danach gelten die Werte
    virtual void zeigeEinstellungen() {}
    // die Einstellungen am Ende schreiben, wenn das Speichern an ist
    virtual void speichereEinstellungen() {}
    // Klänge an?
    virtual bool tonEin() const { return false; }
    // Namen und Punkte für die Meisterliste; manche Spiele zählen anders
    virtual std::vector<std::pair<QString, long>> meisterStand() const { return runde.stand(); }
    // kurz vor dem Ende (das Kartenspiel schließt seine Protokolldatei)
    virtual void vorDemEnde() {}
    // eine Taste im Fenster, bevor ein Knopf sie bekommt; true, wenn das Spiel sie nimmt
    virtual bool taste(QKeyEvent* /*e*/) { return false; }

    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    void baueMenues();
    QWidget* baueRahmen();
    void setzeBalken();
    void trageMeisterEin();

    bool m_beendet = false;
    bool m_ohneWoerter = false;
    int m_halt = 0;
    bool m_ratezeitLief = false;
    bool m_energieLief = false;
};

} // namespace varku
