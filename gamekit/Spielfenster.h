#pragma once

#include "gamekit/Spielablauf.h"

#include <QMainWindow>

class QAction;
class QFont;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;

namespace varku {

class Computerfenster;
class Zeigerinstrument;
class Ziffernanzeige;

// Der Rahmen, den jedes Spielfenster um sein eigenes Brett hat, als Ansicht des Ablaufs:
// Menüs, Schwerpunkt, Spieler und Punkte, Ratezeituhr und Spielzeitbalken, die Meldungen. Er
// hält keine Regel; was geschieht, sagt der Ablauf. Ein Spiel erbt davon, stellt sein Brett
// hinein, überschreibt die Haken, an denen es sich unterscheidet, und ruft am Ende seines
// Aufbaus lade().
class Spielfenster : public QMainWindow, protected Spielsicht, protected Spielhaken {
    Q_OBJECT
public:
    Spielfenster(Spielkonfiguration konfig, Spielstartdaten start);
    ~Spielfenster() override;

    Spielablauf ablauf;
    // kurz für die Teile des Ablaufs, die jedes Spiel liest
    Spielrunde& runde;
    Spielwoerter& woerter;
    const Spielkonfiguration& konfig() const { return ablauf.konfig; }

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

    // die Ratezeituhr
    void drawVuZeiger(int wert);
    void switchVuRestZeit(bool ein) { ablauf.switchVuRestZeit(ein); }
    void resetVuZeiger() { ablauf.resetVuZeiger(); }

    // die Punkte des aktuellen Spielers in den Ziffern
    void zeigePunkte();
    // eine Meldung, während der die Uhren stehen; sagt die Antwort ohne "&"
    QString meldung(const QString& text, const QString& titel, const QString& knopf1 = "&OK",
                    const QString& knopf2 = {}) {
        return ablauf.meldung(text, titel, knopf1, knopf2);
    }
    // spielt einen Klang und wartet sein Ende ab, auch ohne Ton; das Fenster ist vorher neu
    // gezeichnet, denn während des Wartens zeichnet sich nichts
    void spieleWavWarten(const QString& datei);

    void programmEnde() { ablauf.programmEnde(); }
    bool beendet() const { return ablauf.beendet(); }

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

protected:
    // das Brett des Spiels; der Rahmen stellt es links neben sich
    void setzeSpielbrett(QWidget* brett);
    // Ein Fenster des Spiels, das einmal gebaut und danach behalten wird (ein Dialog wird
    // verborgen, nicht geschlossen): das Kind dieses Namens, null, solange es keines gibt
    template <typename F> F* behaltenesFenster(const QString& name) const {
        return findChild<F*>(name, Qt::FindDirectChildrenOnly);
    }
    // ein Dialog, der nichts braucht als sein Fenster: beim ersten Mal gebaut
    template <typename F> F& behaltenerDialog(const QString& name) {
        F* f = behaltenesFenster<F>(name);
        return f ? *f : *new F(this);
    }
    // Der Einstellungsdialog des Spiels, modal: lade bereitet ihn mit den Werten vor; nach OK
    // gelten seine Werte in einst. false, wenn er anders als mit OK verlassen wurde.
    template <typename F, typename E, typename Lade>
    bool zeigeEinstellungsdialog(F& dialog, E& einst, Lade lade) {
        lade(dialog);
        zeigeModal(dialog);
        if (!dialog.bestaetigt())
            return false;
        einst = dialog.werte();
        return true;
    }
    // das Laden des Ablaufs, am Ende des Aufbaus; false ohne Wörter
    bool lade() { return ablauf.lade(); }

    // Das Fenster, in dem der Computer zieht ("CompZugFrm"): beim ersten Aufruf angelegt, mit
    // einem Zeitgeber des Ablaufs in diesem Takt, und beim Ablauf gemeldet; sein Tempo gibt
    // warteTakte. Ohne Bild nur die Texte.
    Computerfenster& computerfenster(const QString& text, int taktMs, bool mitBild = true);
    // eine Taste im Fenster, bevor ein Knopf sie bekommt; true, wenn das Spiel sie nimmt
    virtual bool taste(QKeyEvent* /*e*/) { return false; }

    // Spielsicht
    void zeigeSchwerpunkt() override;
    void zeigeSpieler() override;
    void zeigeRatezeit() override;
    void zeigeSpielzeit() override;
    void zeigeMenues() override;
    void zeigeSitze() override;
    QString zeigeMeldungsfenster(const QString& text, const QString& titel, const QString& knopf1,
                                 const QString& knopf2) override;
    bool endeBestaetigt(const QString& frage) override;
    void zeichneSofort() override;
    void schliesseFenster() override;

    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    static void zeigeModal(QWidget& fenster);
    void baueMenues();
    QWidget* baueRahmen();
    // die Schrift des Schwerpunkttitels, damit er in sein Feld passt
    void passeTitelAn();
};

// Die Breite eines Textes in Twips in dieser Schrift
double textBreite(const QString& text, const QFont& schrift);
// Setzt die Schrift eines Beschriftungsfeldes von startPunkte an Punkt um Punkt kleiner, bis der
// Text in seine Breite passt, höchstens bis kleinstePunkte. Ein umbrechendes Feld darf so viele
// Zeilen füllen.
void passeSchriftAn(QLabel& feld, const QString& text, int startPunkte, int kleinstePunkte = 6,
                    int zeilen = 1);
// Zwei Beschriftungen in einer Zeile, ein Vorspann vor dem Feld (etwa der Artikel vor dem Wort):
// beide von ihrer Startgröße an zugleich Punkt um Punkt kleiner, bis ihre Texte nebeneinander in
// die Breite beider Felder passen; das Feld höchstens bis kleinstePunkte, der Vorspann nicht unter
// 1 Punkt. Der Vorspann zeigt seinen Text schon.
void passeSchriftAn(QLabel& vorspann, int vorspannPunkte, QLabel& feld, const QString& text,
                    int startPunkte, int kleinstePunkte = 6);

} // namespace varku
