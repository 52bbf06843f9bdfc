#pragma once

#include "foundation/Schwerpunktliste.h"
#include "platform/Fensterablage.h"

#include <QDialog>
#include <QString>
#include <array>

class QCloseEvent;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTabWidget;

namespace varku {

class Uebung;

// Die Wahl des Übungsschwerpunkts: zwölf Seiten mit den Kategorien aus Varku.tsp, die Wahl der
// Wörter (Grundwortschatz oder alle) und das Bild der Kategorie. Die Gruppe muss wählen: es gibt
// keinen Abbruch. OK verbirgt den Dialog, er behält Listen und Wahl.
class UebschwForm : public QDialog, public Einzelfenster<UebschwForm> {
    Q_OBJECT
public:
    // beim ersten Gebrauch angelegt und geladen; die Wahl geht an die Übung
    static UebschwForm& instanz(Uebung& uebung);
    // legt den Dialog schon an, ohne zu laden: geladen wird beim ersten instanz(), wenn die
    // Wortdatenbank offen ist
    static UebschwForm& vorbauen(Uebung& uebung);

    QGroupBox* UebSchwFrame;
    QTabWidget* UebSchwTabStr;
    std::array<QListWidget*, schwerpunktSeiten> RuvoList;
    QGroupBox* GwsFrame;
    QRadioButton* nurGws;
    QRadioButton* ohneGws;
    QLabel* BausteinVorschau;
    QStatusBar* UebSchwStatBar;
    QLabel* UebSchwStatPanel1; // erstes Feld der Statusleiste
    QPushButton* okButton;

    QString gewaehlterTitel; // Titel des zuletzt gewählten Eintrags

    // die Seitentitel, fest im Dialog
    static const std::array<QString, schwerpunktSeiten> seitenTitel;

    // liest ProgPfad/Varku.tsp in die Listen und die Spalten in die Übung
    void Form_Load();
    // füllt die Listen schon vorab aus Varku.tsp, ohne die Spalten zu prüfen: so sind sie beim
    // ersten Zeigen schon angeordnet. Das Laden liest die Datei trotzdem und meldet, was an ihr
    // falsch ist; eine unlesbare Datei lässt die Listen hier leer.
    void fuelleVorab();
    bool listenGeladen() const { return m_geladen; }

signals:
    // für das Hauptfenster: Titel ohne Zusatz in Klammern und Pfad des Kategoriebildes
    void zeigeSchwerpunkt(const QString& titel, const QString& bildPfad);

public slots:
    void RuvoList_Click(int index);
    void UebSchwTabStr_Click(int verlasseneSeite);
    void okButton_Click();
    void zeigeUebSchwerpunkt();
    void reject() override {} // Esc schließt nicht: es muss gewählt werden

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    friend class Einzelfenster<UebschwForm>;
    explicit UebschwForm(Uebung& uebung);
    void zeigeBaustein(const QString& datei);
    // setzt die Listen nur neu, wo sie andere Titel halten
    void fuelleListen(const std::array<QStringList, schwerpunktSeiten>& titel);

    Uebung* m_uebung;
    int m_seite = 0; // die offene Seite, damit der Wechsel die verlassene kennt
    bool m_geladen = false;
    QString m_baustein; // die Datei, die die Vorschau zeigt
};

} // namespace varku
