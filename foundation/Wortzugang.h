#pragma once

#include "platform/Dateistand.h"
#include "platform/Recordset.h"

#include <QString>
#include <optional>
#include <vector>

namespace varku {

// Welche Tabellen ein Programm neben WortListe öffnet
struct WortTabellen {
    bool lupenStellen = false;
    bool semSynt = false;
    bool transkripte = false;
    bool operator==(const WortTabellen&) const = default;
};

// Die Buchstaben vonPos bis bisPos (ab 1, einschließlich), um die es einer Kategorie geht
struct Lupenstelle {
    int vonPos = 0;
    int bisPos = 0;
    // passt die Stelle in ein Wort dieser Länge?
    bool gueltigFuer(qsizetype wortLaenge) const {
        return vonPos >= 1 && bisPos >= vonPos && bisPos <= wortLaenge;
    }
};

// Die gesprochenen Formen eines Wortes; leer, wo die Zeile oder das Feld fehlt
struct Transkript {
    QString wort;
    QString satz;
};

// Der Zugang zur Wortdatenbank für das Rahmenprogramm und die Spiele: er besitzt seine
// Datensätze, filtert die Wörter einer Kategorie immer von allen Wörtern aus und schlägt zu
// einer RefNr Lupenstelle, Satz, Umschreibung und Transkripte nach.
class Wortzugang {
public:
    // öffnet WortListe und die gewünschten Tabellen; AnzahlWoerter wird 0
    void oeffneWortDatenbank(const QString& pfad, WortTabellen tabellen);
    // Öffnet die Tabellen schon vorab (etwa während das Logo steht): das nächste Öffnen derselben
    // Datei mit denselben Tabellen nimmt sie, wenn die Datei sich seitdem nicht geändert hat.
    // Ein Fehler bleibt hier still; das Öffnen meldet ihn.
    void oeffneVorab(const QString& pfad, WortTabellen tabellen);
    bool istOffen() const { return m_alle.istOffen(); }

    // Filter "<feld>=TRUE", davor "GWS=TRUE AND " mit nurGws, dahinter
    // " AND Len(Trim(Wort))<= <maxLaenge>" bei einer Längengrenze über 0; gibt AnzahlWoerter
    int setzeWortFilter(const QString& ruvoFeldName, bool nurGws, int maxLaenge = 0);
    static QString wortFilter(const QString& ruvoFeldName, bool nurGws, int maxLaenge = 0);
    int AnzahlWoerter() const { return m_anzahl; }

    // alle Wörter, wie geöffnet (für ein Spiel, das mit eigenen Kriterien sucht)
    const db::Recordset& alle() const { return m_alle; }
    // die gefilterten Wörter und die übrigen Tabellen
    db::Recordset& rdb() { return m_rdb; }
    const db::Recordset& rdb() const { return m_rdb; }
    db::Recordset& ruv() { return m_ruv; }
    db::Recordset& phr() { return m_phr; }
    db::Recordset& tts() { return m_tts; }

    // macht das Wort an Stelle position (ab 1) unter den gefilterten Wörtern zum aktuellen
    void positioniereWort(int position);
    // RefNr des aktuellen Wortes
    long refNr() const;
    // sucht in den gefilterten Wörtern das erste mit dieser RefNr
    bool findeWort(long refNr);
    // ist die Kategorie eine Spalte von WortListe?
    bool hatKategorie(const QString& feld) const;

    // die Lupenstelle des Wortes in der Kategorie uebNr; die Zeilen eines Wortes stehen
    // beisammen, gesucht wird ab der ersten bis zur ersten Zeile eines anderen Wortes
    std::optional<Lupenstelle> sucheLupenStelle(long refNr, int uebNr);
    // SatzKontext der Zeile in SemSynt; leer ohne Zeile
    std::optional<QString> satzKontext(long refNr);
    // Paraphr der Zeile in SemSynt; leer ohne Zeile
    QString paraphrase(long refNr);
    Transkript transkript(long refNr);

private:
    bool suche(db::Recordset& r, long refNr);

    db::Recordset m_alle; // WortListe wie geöffnet: jeder neue Filter beginnt hier
    db::Recordset m_rdb;
    db::Recordset m_ruv;
    db::Recordset m_phr;
    db::Recordset m_tts;
    // vorab geöffnet, mit der Datei, wie sie da war
    struct Vorab {
        QString pfad;
        WortTabellen tabellen;
        Dateistand stand;
        std::vector<db::Recordset> saetze;
    };
    std::optional<Vorab> m_vorab;
    int m_anzahl = 0;
};

// Die Lücke für ein Wort: so viele "_" wie das Wort Zeichen hat, höchstens maxStriche
QString luecke(const QString& wort, int maxStriche = 10);
// Der Satz mit dem Text an der Stelle des "@"; ein Satz ohne "@" bekommt ihn vorn
QString satzMitEinsatz(const QString& satz, const QString& einsatz);

} // namespace varku
