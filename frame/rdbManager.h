#pragma once

#include "foundation/Wortzugang.h"

#include <QString>
#include <cstdint>

namespace varku {

// Der Zugang des Rahmenprogramms zur Wortdatenbank: die vier Tabellen, der Filter auf die
// Kategorie des Übungsschwerpunkts und die Angaben des aktuellen Wortes.
class rdbManager {
public:
    void oeffneWortDatenbank(const QString& pfad);
    // dieselben Tabellen schon vorab (während das Logo steht), siehe Wortzugang::oeffneVorab
    void oeffneVorab(const QString& pfad);
    bool istOffen() const { return m_zugang.istOffen(); }
    // filtert die Wörter der Kategorie, immer von allen Wörtern aus; gibt AnzahlWoerter
    int setzeWortFilter(const QString& ruvoFeldName, bool nurGws);
    int AnzahlWoerter() const { return m_zugang.AnzahlWoerter(); }
    // macht das Wort an Stelle position (ab 1) unter den gefilterten Wörtern zum aktuellen
    void positioniereWort(int position);
    // die Lupenstelle des aktuellen Wortes in der Kategorie uebNr nach vonPos und bisPos;
    // ohne Stelle beide 0
    bool sucheLupenStelle(int uebNr);
    // Beispielsatz mit dem Wort oder mit einer Lücke aus höchstens zehn "_"
    void bildeSatzKontext(bool mitWort);
    // die gesprochenen Formen des aktuellen Wortes, soweit eingeschaltet
    void ladeTranskripte(bool woerter, bool saetze);
    // die Felder des aktuellen Wortes; ein Null-Feld lässt den Wert, wie er war
    void ladeWort(bool mitAufnahme);
    // die Aufnahme des aktuellen Wortes neu lesen; false, wenn das Feld leer ist
    bool ladeAufnahme();
    bool hatKategorie(const QString& feld) const { return m_zugang.hatKategorie(feld); }
    long refNr() const { return m_zugang.refNr(); }
    bool stehtAufWort() const;
    Wortzugang& zugang() { return m_zugang; }

    // das aktuelle Wort
    QString Wort;
    QString Kontext;
    QString Beispielsatz;
    QString WaveDat;
    int16_t KomplexInd = 0;
    int vonPos = 0;
    int bisPos = 0;
    QString WortTranskr;
    QString SatzTranskr;

    Lupenstelle lupe() const { return {vonPos, bisPos}; }
    // hat das Wort eine Lupenstelle, die in es passt?
    bool hatLupe() const { return lupe().gueltigFuer(Wort.size()); }

private:
    Wortzugang m_zugang;
};

} // namespace varku
