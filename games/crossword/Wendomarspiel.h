#pragma once

#include "gamekit/Spielregeln.h"
#include "games/crossword/Kreuzwortgitter.h"
#include "games/crossword/Steinlage.h"
#include "games/crossword/Wertung.h"

#include <QObject>
#include <QString>
#include <functional>

namespace varku {
class Spielablauf;
}

namespace varku::wendomar {

// Das Spiel des Kreuzworträtsels: das Gitter, die Steine, der Bonus und die Kosten des Wortes,
// und was auf einen Zug folgt. Das Wortende wertet und gibt den Zug weiter, ein falsches Wort
// kostet und geht zurück in die Ablage; passt kein Wort mehr, endet die Spielrunde mit einem
// neuen Brett. Meldungen, Klänge, Punkte und der Wechsel des Spielers gehen über den Ablauf.
// Bevor eine Meldung kommt oder der Zug weitergeht, sagt geaendert(), dass das Brett neu zu
// zeigen ist.
class Wendomarspiel : public QObject, public Spielregeln {
    Q_OBJECT
public:
    Wendomarspiel(Spielablauf& ablauf, const Wuerfel& wuerfel);
    ~Wendomarspiel() override;

    Kreuzwortgitter gitter;
    Steinlage steine;

    // der Bonus des Wortes, das gerade gelegt wird; 0, wenn es keinen hat
    int BonusPunkte() const { return m_wertung.BonusPunkte(); }
    // was ein vom Programm gelegter Stein und die Lösungshilfe bei diesem Wort kosten
    int steinKosten() const { return m_wertung.steinKosten(); }
    int hilfeKosten() const { return m_wertung.hilfeKosten(); }

    // ein neues Brett mit seinem ersten Wort in der Ablage; ohne Wort endet das Spiel
    bool neuesSpielfeld();
    // nach "ja" zu einem neuen Spiel: ein neues Brett, und der erste Zug hat die ganze Ratezeit
    void neuesSpiel() override;
    // beim Laden: das erste Wort hat keinen Bonus, es liegt in Zeile 6, wo keine Bonusfelder sind
    void ladeSpiel() override { neuesSpielfeld(); }
    // Das Wortende des Spielers am Zug, wenn alle Steine liegen. Richtig: Länge x 10 und der
    // Bonus, das Wort wird fest, das nächste kommt, oder die Spielrunde endet; dann der Nächste.
    // Falsch: erst die Meldung über den gelegten Steinen, dann kostet es, die Steine gehen
    // zurück, und der Nächste legt dasselbe Wort.
    void wortEnde();
    // alle Steine vom Brett zurück in die Ablage
    void alleZurueck();
    // Das Programm legt den Stein der ersten leeren Zelle, für seinen Preis. Liegt der passende
    // Stein woanders auf dem Brett, sagt es das und kostet nichts.
    void naechsterStein();
    // Die Lösungshilfe: zeige bekommt die Umschreibung des Wortes und kehrt zurück, wenn die
    // Hilfe geschlossen ist; danach zahlt der Spieler, was das Wort beim Fragen kostete.
    void loesungshilfe(const std::function<void(const QString& umschreibung)>& zeige);

    // Der Zug des Computers, eine Stelle seines Wortes je Takt von einer Sekunde seines Fensters,
    // auch für einen Buchstaben, der schon liegt; der Takt nach der letzten Stelle beendet ihn.
    static constexpr int computerTaktMs = 1000;
    // er beginnt: was ein Mensch nach einer abgelaufenen Ratezeit liegen ließ, geht zurück, denn
    // er legt jeden Stein selbst
    void computerZug() override;
    // die nächste Stelle, mit dem Klang eines gelegten Steins; false, wenn keine mehr bleibt
    bool computerSchritt();
    // sein Fenster ist zu: liegen alle Steine, das Wortende; sonst gehen sie ohne Wertung zurück,
    // und der Nächste ist dran
    void computerFertig();

signals:
    // das Brett, die Knöpfe, der Bonus oder die Punkte haben sich geändert
    void geaendert();

private:
    Spielablauf& m_ablauf;
    Wortwertung m_wertung;
    int m_computerStelle = 0; // die Stelle, die der Computer zuletzt legte
};

} // namespace varku::wendomar
