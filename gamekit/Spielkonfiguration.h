#pragma once

#include "foundation/Wortzugang.h"

#include <QString>
#include <QStringList>

namespace varku {

// Was ein Spiel am gemeinsamen Ablauf und Rahmen anders will. Jedes Spiel füllt eine solche
// Beschreibung; Ablauf und Rahmen richten sich danach. Die Vorgaben sind die des Radspiels.
struct Spielkonfiguration {
    QString name;            // "Zirkomat": Fenstertexte, Hilfedatei, Meisterliste
    QString hintergrundBild; // im Grafikordner
    QString version = QStringLiteral("4.0.4");

    // die Meldung zu einer fremden Version bricht vor "Version" um oder danach
    bool versionInLetzterZeile = false;
    QStringList versionsMeldung() const {
        const QString anfang =
            QStringLiteral("Diese Version von ") + name + QStringLiteral(" ist nicht");
        if (versionInLetzterZeile)
            return {anfang, QStringLiteral("kompatibel mit der installierten"),
                    QStringLiteral("Version von VARKU.")};
        return {anfang, QStringLiteral("kompatibel mit der installierten Version"),
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
    // "ProgrammStart" spielt der Start, nicht das Laden des Hauptfensters
    bool startKlangBeimStart = false;
    // die Ratezeit beginnt neu, wenn der Computer an die Reihe kommt
    bool ratezeitNeuFuerComputer = true;
    // "Ende ..." im Menü fragt auch, wenn die Spielzeit abgelaufen ist
    bool endeFragtImmer = false;
    // die Menüs bleiben an, während der Computer zieht
    bool menuesBeimComputer = false;
    // Ratezeit und Spielzeit stehen, während der Computer zieht
    bool uhrenBeimComputerHalten = false;

    // Stellen der Punkteanzeige
    int punktZiffern = 6;

    // mit dem Computer höchstens so viele Spieler
    int hoechstensSpielerMitComputer = 5;
    // setzt sich der Computer nach den Einstellungen oder geht er, ist der erste Spieler dran
    bool ersterSpielerNachSitzwechsel = false;
    // das Spiel schreibt in die Protokolldateien: jede muss beim Start da sein
    bool schreibtProtokolle = false;

    // Die Frage vor einem neuen Spiel: "Bist du wirklich sicher, dass du ... neu starten
    // willst?", die jeden Platz zählt, den Computer mit; sonst "Wenn du das Spiel neu beginnst,
    // ...", die nur die Menschen zählt. Dazu die Reihenfolge der Knöpfe.
    bool neuStartenFrage = false;
    bool neinZuerst = false;

    // Die Wörter: welche Tabellen neben WortListe, eine Längengrenze, die Fehlerwörter aus den
    // Protokolldateien
    WortTabellen wortTabellen{false, true, false};
    int maxWortLaenge = 0;
    bool fehlerWoerterLesen = true;

    QString hilfeDatei() const { return name + QStringLiteral(".chm"); }
};

} // namespace varku
