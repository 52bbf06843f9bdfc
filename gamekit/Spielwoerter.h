#pragma once

#include "foundation/Wortzugang.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace varku {

// Die Wörter eines Spiels: der Zugang zur Wortdatenbank, die Liste der Wörter, die sich die
// Spieler im Rahmenprogramm verschrieben haben, und die Liste der schon gespielten Wörter.
class Spielwoerter {
public:
    Wortzugang& zugang() { return m_zugang; }
    db::Recordset& rdb() { return m_zugang.rdb(); }

    void oeffneWortDatenbank(const QString& pfad, WortTabellen tabellen);
    // der Filter der Kategorie, immer von allen Wörtern aus; gibt AnzahlWoerter
    int setzeWortFilter(const QString& ruvoFeldName, bool gwsFlag, int maxLaenge = 0);
    int AnzahlWoerter() const { return m_zugang.AnzahlWoerter(); }

    // Fehlerwörter: die Nummern der falschen Zeilen aller Protokolldateien, jede einmal
    std::vector<int> FehlerListe;
    int FehlerAnz() const { return int(FehlerListe.size()) - 1; }
    void leseFehlerWoerter(const QString& userPfad, const QStringList& staemme);

    // Gespielte Wörter, in der Reihenfolge des Spiels
    std::vector<int> BenutztListe;
    int BenutztAnz() const { return int(BenutztListe.size()) - 1; }
    bool istWortBenutzt(int nr) const;
    void merkeWortBenutzt(int nr);

    // Wie ein Spiel sein nächstes Wort wählt
    struct Wahl {
        int fehlerSchwelle = 75;    // Fehlerwort, wenn die Ziehung 1 bis 100 darüber liegt
        bool benutztLeeren = false; // sind alle gespielt, beginnt die Liste neu
        bool mitParaphrase = true;  // Paraphr nachschlagen
        int lupeFuerUebNr = 0;      // die Lupenstelle dieser Kategorie; 0 ohne
        // nur Wörter, die das Spiel spielen kann; leere und solche mit Zeichen, die keinen
        // ganzen Buchstaben geben, spielt keines
        std::function<bool(const QString& wort)> taugt;
    };
    // wählt das nächste Wort und lädt es; der Datensatz bleibt darauf stehen. false, wenn es
    // kein Wort gibt, das taugt
    bool naechstesSpielWort(const Wahl& wahl);

    // der Beispielsatz des aktuellen Wortes mit einer Lücke aus "_", höchstens maxStriche;
    // fest: immer so viele. Ohne Zeile leer; ein Satz ohne "@" bekommt die Lücke vorn, oder
    // bleibt mit nurMitStelle leer
    void bildeSatzKontext(int maxStriche = 10, bool fest = false, bool nurMitStelle = false);

    // das aktuelle Wort
    QString Wort;
    QString Kontext;
    QString Paraphrase;
    QString LueckenSatz;
    int vonPos = 0;
    int bisPos = 0;
    long refNr() const { return m_zugang.refNr(); }

private:
    bool taugt(const Wahl& wahl);
    bool waehleFehlerwort(const Wahl& wahl);
    bool waehleZufaellig(const Wahl& wahl);
    void lade(const Wahl& wahl);

    Wortzugang m_zugang;
};

} // namespace varku
