#pragma once

#include "foundation/Startparameter.h"

#include <QString>
#include <QStringList>
#include <array>
#include <utility>
#include <vector>

namespace varku {

// Die Spieler eines Spiels in den Plätzen 0 bis 4: Namen, Punkte, Protokollstämme, wer an der
// Reihe ist, und der Platz des Computers, der immer der letzte ist.
constexpr int spielerPlaetze = 5;

class Spielrunde {
public:
    Spielrunde() = default;
    explicit Spielrunde(const Startparameter& p);

    int nSpieler = 0;
    int aktSpieler = 0;
    std::array<QString, spielerPlaetze> SpielerName;
    std::array<long, spielerPlaetze> SpielerPunkte{};
    std::array<QString, spielerPlaetze> SpielerDatei;

    static const QString computerName;

    // Sitzt der Computer auf dem letzten Platz?
    bool computerSitzt() const;
    // die Menschen, aus den Plätzen gezählt
    int menschen() const;
    // Ist der Computer an der Reihe?
    bool computerAmZug() const;

    enum class Sitz { Unveraendert, Gesetzt, Entfernt, KeinPlatz };
    // setzt den Computer auf den letzten Platz oder nimmt ihn weg; höchstens so viele Spieler
    Sitz setzeComputer(bool mitspielen, int hoechstens = spielerPlaetze);

    // der nächste Spieler; wer auf oder hinter dem letzten Platz steht, kommt wieder an Platz 0
    void naechsterSpieler();
    // der Platz, der als nächster an der Reihe wäre, ohne dass die Reihe weitergeht
    int naechsterPlatz() const;
    // der erste Spieler ist wieder an der Reihe
    void ersterSpieler();

    long punkte() const { return SpielerPunkte[size_t(aktSpieler)]; }
    void gibPunkte(long p);
    // abziehen, aber nie unter 0
    void ziehePunkteAb(long p);
    void setzePunkte(long p) { SpielerPunkte[size_t(aktSpieler)] = p; }
    void allePunkteNull();
    const QString& name() const { return SpielerName[size_t(aktSpieler)]; }

    // Namen und Punkte aller Spieler, für die Meisterliste
    std::vector<std::pair<QString, long>> stand() const;
};

// Die Fragen des Rahmens an einen oder mehrere Menschen
QString endeFrage(const QString& spiel, int menschen);

struct Frage {
    QString text; // Zeilen mit "\r" verbunden
    QString knopf1, knopf2;
};
// die Frage vor einem neuen Spiel: das Radspiel zählt alle Spieler mit dem Computer,
// die anderen nur die Menschen
Frage neuesSpielFrage(const QString& spiel, bool radspiel, bool neinZuerst, int gezaehlt);

// "Die Ratezeit ist leider abgelaufen, <Vorname>."
QString ratezeitMeldung(const QString& name);
// "Die Höchstspielzeit ist abgelaufen! <Spiel> wird jetzt beendet."
QString spielzeitMeldung(const QString& spiel);

} // namespace varku
