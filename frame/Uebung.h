#pragma once

#include "foundation/Protokolldatei.h"
#include "foundation/Schwerpunktliste.h"
#include "foundation/Startparameter.h"
#include "frame/GlobModul.h"
#include "frame/Spielergruppe.h"
#include "frame/rdbManager.h"

#include <QDateTime>
#include <QString>
#include <array>

namespace varku {

// Die Übung des Rahmenprogramms als Objekt: Spieler, Schwerpunkt, das aktuelle Wort, Punkte,
// Lesezeiten und Protokolle. Jede Handlung ist ein Aufruf, der sagt, was geschah; das
// Hauptfenster zeigt es und leitet nur weiter.
class Uebung {
public:
    explicit Uebung(GlobModul& glob);
    // Die Protokolldateien überdauern keine Sitzung: was das Ende nicht gelöscht hat (nach
    // einem Laufzeitfehler), geht hier.
    ~Uebung();
    Uebung(const Uebung&) = delete;
    Uebung& operator=(const Uebung&) = delete;

    GlobModul& glob;
    Spielergruppe gruppe;
    rdbManager wortDb;
    Protokollschreiber protokoll;

    // Schwerpunkt
    bool uebungGewaehlt = false;
    QString RuvoFeldName;                         // Spalte der Kategorie
    std::array<QString, maxKategorien> RuvoCodes; // Spalten aller Kategorien in Dateifolge
    bool nurGws = false;                          // nur der Grundwortschatz

    // Runde und Gruppe
    QDateTime sitzungsBeginn;
    int SitzungsPunkte = 0;
    int Zielpunkte = 1000;
    int aktSpieler = 0;
    long spielStartZeit = 0; // Sekunden seit Mitternacht beim letzten Spielstart; 0: keins
    // ein Spiel lief, und die Gruppe hat noch nicht "Fortsetzen" gewählt
    bool spielLief = false;

    // das aktuelle Wort
    int wortPosition = 0; // Stelle unter den gefilterten Wörtern, ab 1
    bool letzteWahlWiederholung = false;
    bool fehlerBeiWort = false; // schon einmal falsch geschrieben
    bool schreibenBegonnen = false;
    bool lesezeitAktiv = false;
    long leseStart = 0;
    long leseEnde = 0;

    int nSpieler() const { return gruppe.anzahl(); }
    int protokollDateiNr() const { return protokoll.offen() ? 1 : 0; }
    int AnzahlWoerter() const { return wortDb.AnzahlWoerter(); }
    // Schwerpunkt und Spieler da: es wird geübt
    bool bereit() const { return uebungGewaehlt && nSpieler() >= 1; }
    const Statistik& statistik() const { return gruppe.SpielerStatistik[size_t(aktSpieler)]; }
    QString spielerName() const { return gruppe.name(aktSpieler); }

    // beim Laden des Hauptfensters: Einstellungen, Wortdatenbank, Startwerte
    void lade(const QDateTime& jetzt);

    // Der Schwerpunktdialog: die Wahl gilt sofort, das Annehmen filtert die Wörter und leert
    // die Wiederhollisten; gibt AnzahlWoerter
    void setzeRuvoCodes(const QStringList& codes);
    void waehleSchwerpunkt(int nummer);
    int nimmSchwerpunktAn(bool nurGrundwortschatz);

    // Die Spielerliste: Platz i austragen; die offene Datei des aktuellen Spielers wird vorher
    // geschlossen
    bool entferneSpieler(int i);

    // Was die Wahl eines Wortes zu sagen hat
    struct Wortwahl {
        bool gewaehlt = false;
        bool keineAufnahme = false; // Diktat ohne Sprachausgabe und ohne Aufnahme
    };
    // wählt und lädt das nächste Wort für aktSpieler; verlangt AnzahlWoerter > 0
    Wortwahl naechstesWort();

    // Nach den Dialogen und "Neu": Protokoll öffnen und das erste Wort wählen
    struct Beginn {
        bool keineWoerter = false;
        Wortwahl wahl;
    };
    Beginn beginneUebung();

    // Repeat- und Erledigtlisten
    int sucheFehlerwort(int position) const;
    void merkeFehlerwort();
    void loescheFehlerwort(int index);
    bool istWortErledigt(int position, int spieler) const;
    void merkeWortErledigt();
    void zaehleRichtigenVersuch();

    // zeigen: die Lesezeit beginnt
    void zeigen(long jetzt);
    // diktieren: der Text für die Sprachausgabe (mit "\Pau=500\" vor dem Wort im Satz)
    QString diktieren();
    // die erste Taste eines Wortes: die Lesezeit endet; false bei jeder weiteren Taste
    bool ersteTaste(long jetzt);

    // Was das Wortende brachte
    struct Wortende {
        QString eingabe; // als eine Zeile, wie geprüft und protokolliert
        bool richtig = false;
        bool lupenFehler = false;
        // die Lesezeit, nur nach dem Zeigen
        bool lesezeitGemessen = false;
        double lesezeit = 0;
        double lesezeitSchnitt = 0;
        // nach einem richtigen Wort
        bool ersterVersuch = false;
        int richtigeWoerter = 0; // Zähler des Spielers, der geschrieben hat
        int punkte = 0;
        bool glueckwunsch = false; // die 1000 Punkte sind erreicht
        bool uebergabe = false;    // der Spieler gibt ab
        QString abgebender;        // sein Name
        Statistik neuerSpieler;    // Zähler des neuen Spielers beim Wechsel
        Wortwahl naechstes;
    };
    Wortende wortende(const QString& eingabe);
    // löschen nach einem falschen Wort: dasselbe Wort wird neu vorgelegt
    void loeschen();

    // der nächste Spieler ist an der Reihe; seine Protokolldatei wird geöffnet
    void spielerWechsel();
    void oeffneProtokoll();
    void schliesseProtokoll();

    // "Neu", nach einem Spiel "Fortsetzen": false, wenn nichts zu tun ist (keine Punkte, kein
    // Spiel)
    bool neueRunde(long jetzt, int maxSpielDauer);

    // Die Zeichenkette für ein Spiel; lupe ist der Haken "Lupe einblenden"
    Startparameter startParameter(bool lupe) const;

    // Vor einem Spiel: die Punkte gehen auf 0, das Protokoll wird geschlossen, die Startzeit
    // gemerkt. Startet das Spiel nicht, geht die Übung weiter wie vorher.
    struct VorDemSpiel {
        int punkte = 0;
        long startZeit = 0;
    };
    VorDemSpiel starteSpiel(long jetzt);
    void spielNichtGestartet(const VorDemSpiel& vorher);
};

} // namespace varku
