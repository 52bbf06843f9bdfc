#pragma once

#include <QString>
#include <QStringList>

namespace varku {

// Was ein Spiel vom gemeinsamen Rahmen anders will als das Radspiel, nach dem der Rahmen
// geschrieben ist. Jedes Spiel füllt eine solche Beschreibung; der Rahmen richtet sich danach.
struct Spielkonfiguration {
    QString name;            // "Zirkomat": Fenstertexte, Hilfedatei, Meisterliste
    QString abschnitt;       // Abschnitt der Konfigurationsdatei, "[Zirkomat]" ohne Klammern
    QString hintergrundBild; // im Grafikordner
    QString version = QStringLiteral("4.0.4");

    // Zeilen der Meldung, wenn die Version nicht passt; leer: die übliche Fassung
    QStringList versionsZeilen;
    QStringList versionsMeldung() const {
        if (!versionsZeilen.isEmpty())
            return versionsZeilen;
        return {QStringLiteral("Diese Version von ") + name + QStringLiteral(" ist nicht"),
                QStringLiteral("kompatibel mit der installierten Version"),
                QStringLiteral("von VARKU.")};
    }

    // die Ratezeituhr: Takt und Schritt je Takt bis 1000
    int ratezeitTaktMs = 5000;
    int ratezeitSchritt = 50;
    // der Spielzeitbalken: Takt
    int spielzeitTaktMs = 5000;

    // das Ende: Wartezeit nach "ProgrammEnde" und der Titel der Meldung zur Spielzeit, mit
    // "ProgrammMeldung" davor oder ohne
    int endeWarteSekunden = 3;
    QString spielzeitTitel = QStringLiteral("Ende der Spielzeit");
    bool spielzeitKlang = false;
    // "ProgrammStart" spielt der Start, nicht das Hauptfenster
    bool startKlangBeimStart = false;
    // die Ratezeit beginnt neu, wenn der Computer an die Reihe kommt
    bool ratezeitNeuFuerComputer = true;
    // "Ende ..." im Menü fragt auch, wenn die Spielzeit abgelaufen ist
    bool endeFragtImmer = false;

    // Stellen der Punkteanzeige
    int punktZiffern = 6;

    // der Computer als Spieler: ob es ihn gibt, und mit höchstens wie vielen Spielern
    bool mitComputer = true;
    int hoechstensSpielerMitComputer = 5;

    // die Neues-Spiel-Frage des Radspiels ("Bist du wirklich sicher, ...") oder die der
    // übrigen ("Wenn du das Spiel neu beginnst, ..."), die Knöpfe in ihrer Reihenfolge
    bool radspielFrage = false;
    bool neinZuerst = false;

    // die Wahl der Wörter: Fehlerwörter mit 100 - fehlerSchwelle Prozent; eine Längengrenze
    int fehlerSchwelle = 75;
    int maxWortLaenge = 0;
    bool fehlerWoerterLesen = true;
    bool mitLupe = false;
    bool mitSaetzen = true;

    QString hilfeDatei() const { return name + QStringLiteral(".chm"); }
};

} // namespace varku
