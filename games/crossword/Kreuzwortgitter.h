#pragma once

#include "gamekit/Wuerfel.h"
#include "platform/Recordset.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace varku::wendomar {

// Das Brett: 14 Spalten von links, 11 Zeilen von oben
constexpr int gitterSpalten = 14, gitterZeilen = 11;
// das längste Wort, das auf ein Brett passt, mit je einer Zelle davor und dahinter
constexpr int hoechstensBuchstaben = 12;
// die Steine 0 bis 12
constexpr int steinAnzahl = 13;
// so viele Wortplätze hat jede Richtung höchstens; ein weiterer fällt weg
constexpr int hoechstensWortplaetze = 26;

// Die Zustände der Zellen: jeder negative ist frei
enum Zellzustand : int {
    zsFrei = -1,
    zsBuchstabe = 1,
    zsGesperrt = 0, // vor dem ersten oder hinter dem letzten Buchstaben eines Wortes ("@")
    zsNebenWaagrecht = -2,
    zsNebenSenkrecht = -3,
    zsNebenBeiden = -5,
};

// die Richtung eines Wortes und einer Tabelle von Wortplätzen
constexpr int waagrecht = -1, senkrecht = 0;

// Ein Stück einer Zeile (waagrecht) oder Spalte (senkrecht), in dem ein kreuzendes Wort gesucht
// werden kann
struct Wortplatz {
    int linie = 0; // die Zeile oder Spalte
    int von = 0;
    int bis = 0;
    bool operator==(const Wortplatz&) const = default;
};

// Wo ein Wort in einem Wortplatz liegt; (0, 0): es passt nicht
struct Lage {
    int von = 0;
    int bis = 0;
    bool passt() const { return von >= 1 && bis >= 1; }
    bool operator==(const Lage&) const = default;
};

// Das Kreuzworträtsel eines Bretts, wie es während des Spiels wächst: Buchstaben und Zustände
// der Zellen, das Wort, das als Nächstes gelegt wird, die Wörter, die schon liegen, und die
// Wortplätze, in denen das nächste gesucht wird. Gesucht wird in den Wörtern der Kategorie
// (höchstens 12 Buchstaben); der Datensatz bleibt auf dem zuletzt gefundenen Wort stehen.
class Kreuzwortgitter {
public:
    Kreuzwortgitter(db::Recordset& woerter, Wuerfel wuerfel);

    // die obere linke Ecke einer Zelle im Bild des Bretts, in Twips
    static QPoint feldPosition(int spalte, int zeile);

    const QString& buchstabe(int spalte, int zeile) const;
    int zustand(int spalte, int zeile) const;
    // die Buchstaben der Steine, die auf dem Brett liegen, schreibt das Legen selbst
    void setzeBuchstabe(int spalte, int zeile, const QString& b);
    // das Brett als Text, Zeile für Zeile: Buchstaben, "@", "." für freie Zellen
    QStringList alsText() const;

    // das Wort, das als Nächstes gelegt wird, ohne Leerzeichen am Rand
    QString Wort;
    int WortLaenge = 0;
    int StartSpalte = 0;
    int StartZeile = 0;
    int Richtung = waagrecht;
    // wo jeder Stein des Wortes liegt; 0: nicht auf dem Brett
    std::array<int, steinAnzahl> SteinSpalte{};
    std::array<int, steinAnzahl> SteinZeile{};

    // die Wörter, die auf diesem Brett liegen
    QStringList BenutzteWoerter;

    // die Wortplätze je Richtung
    std::vector<Wortplatz> WaagPlaetze;
    std::vector<Wortplatz> SenkPlaetze;
    std::vector<Wortplatz>& plaetze(int richtung) {
        return richtung == waagrecht ? WaagPlaetze : SenkPlaetze;
    }
    const std::vector<Wortplatz>& plaetze(int richtung) const {
        return richtung == waagrecht ? WaagPlaetze : SenkPlaetze;
    }

    void loescheGitter();
    // ein neues Brett: leer, ohne Wortplätze und ohne gelegte Wörter
    void neuesBrett();
    // schreibt das Wort in beide Gitter
    void setzeWortInsGitter();
    // das erste Wort eines Bretts, waagrecht in der Mitte von Zeile 6; ein Fehlerwort (RefNr)
    // mit 20 %. false, wenn die Kategorie kein Wort hat.
    bool ersterWort(const std::vector<int>& fehlerListe = {});
    void merkeWort();
    bool wortSchonBenutzt(const QString& wort) const;

    void loescheWortplaetze();
    void sammleWortplaetze();
    void speichereWortplatz(int richtung, int von, int bis, int linie);
    // die Buchstaben im Platz; genau einer zählt als keiner
    int zaehleBuchstabenImPlatz(int index, int richtung) const;
    void kuerzeWortplatz(int von, int bis, int linie, int richtung);
    void entferneWortplatz(int index, int richtung);
    // das Like-Muster eines Platzes: seine Buchstaben in ihrer Reihenfolge, "*" dazwischen
    QString bildeSuchmuster(int index, int richtung) const;
    // die erste Lage des Wortes im Platz, die das Brett kreuzt
    Lage passtWortInPlatz(int index, int richtung) const;
    // das nächste Wort und seine Lage; false, wenn kein Platz mehr bleibt
    bool naechstesWortSuchen();

private:
    int& zst(int spalte, int zeile);
    QString& bst(int spalte, int zeile);
    // die Zelle k eines Platzes (Zeile oder Spalte linie, Stelle p)
    int zustandIm(int richtung, int linie, int p) const;
    const QString& buchstabeIm(int richtung, int linie, int p) const;
    void nimmWort(const QString& feld);
    // das genommene Wort lässt sich mit Steinen legen
    bool wortLegbar() const;
    void steineVomBrett();
    // die Zellen eines Platzes als Vorlage: ihr Buchstabe, oder 0 für eine freie Zelle; dazu,
    // ob die Zelle vor und hinter jeder Stelle einen Buchstaben eines anderen Wortes trägt
    struct Vorlage {
        std::vector<QChar> zeichen;
        std::vector<bool> buchstabeDavor, buchstabeDahinter;
    };
    Vorlage vorlage(int index, int richtung) const;
    Lage passt(const Vorlage& v, const Wortplatz& w) const;

    db::Recordset& m_woerter;
    Wuerfel m_wuerfel;
    std::array<QString, gitterSpalten * gitterZeilen> m_buchstaben;
    std::array<int, gitterSpalten * gitterZeilen> m_zustand{};
};

// Ein Wort, wie es auf dem Brett liegt
struct GelegtesWort {
    QString wort;
    int spalte = 0;
    int zeile = 0;
    int richtung = waagrecht;
};

// Legt ein ganzes Brett, wie das Spiel es täte, wenn jedes Wort richtig gelegt würde: das
// erste Wort, dann Wort um Wort, bis kein Platz mehr bleibt. Gibt die Wörter in ihrer
// Reihenfolge; leer, wenn die Kategorie kein Wort hat.
std::vector<GelegtesWort> legeGanzesBrett(Kreuzwortgitter& g,
                                          const std::vector<int>& fehlerListe = {});

} // namespace varku::wendomar
