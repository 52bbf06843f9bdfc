#pragma once

#include "gamekit/Wuerfel.h"
#include "games/wordcard/Kategorietabelle.h"
#include "platform/Recordset.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

namespace varku::zelko {

// Der aktuelle Aufruf: ein Wort mit seiner Lücke
struct Luecke {
    long RefNr = 0;
    QString Wort;
    QString LueckWort; // das Wort mit einem "_" statt der Lücke
    int vonPos = 0;    // erster Buchstabe der Lücke, ab 1
    int Laenge = 0;
    int PaarNr = -1;
    QString Paraphr;
    QString Kontext;
    QString SatzKontext; // der Beispielsatz mit "@" an der Stelle des Wortes
    bool gws = false;
    int KomplexInd = 0;

    QString richtigeLuecke() const { return Wort.mid(vonPos - 1, Laenge); }
    // das Wort, wie ein Kind es mit dieser Füllung geschrieben hat
    QString gefuellt(const QString& fuellung) const;
};

// Eine Zeile von LupenStellen
struct LupenZeile {
    int ruvo = 0;
    int vonPos = 0;
};

// Wo die Lücke eines Wortes steht und welches Paar sie macht
struct Lueckenstelle {
    int pos = 0; // ab 1
    int paar = 0;
    bool operator==(const Lueckenstelle&) const = default;
};

enum class Vorrat { A, B };

// Die Stelle der Lücke in einem Wort des Vorrats: zuerst an den Lupenstellen der Kategorie (A)
// oder der Kategorien der Liste (B), dann fest an der Stelle oder beim ersten Vorkommen.
// kategorieIndex gibt die Nummer einer Kategorie in der Schwerpunktliste, -1 ohne.
std::optional<Lueckenstelle>
findeLueckenstelle(const Kategoriesatz& k, Vorrat v, const QString& wort,
                   const std::vector<LupenZeile>& lupen,
                   const std::function<int(const QString&)>& kategorieIndex);

// Die Füllungen zur Lücke: das Paar der Lücke, dann die anderen Seiten jedes Paares, dessen Seite
// des Vorrats die richtige Füllung ist; ohne Doppelte, am Wortanfang groß, wo das Wort groß
// beginnt (außer in den Kategorien der Groß- und Kleinschreibung).
QStringList bildeLueckenAuswahl(const Kategoriesatz& k, Vorrat v, const QString& wort, int vonPos,
                                int paar);

// Die Lückenwörter einer Kategorie aus der Wortdatenbank: die beiden Vorräte, gezählt beim
// Anlegen, und die Ziehung des nächsten Aufrufs.
class Lueckenwoerter {
public:
    // kategorien: die Spalten der Schwerpunktliste in ihrer Reihenfolge (deren Nummern stehen in
    // LupenStellen.ruvo). Ein fehlerhaftes Kriterium ist ein Laufzeitfehler, der Varku.kmp, den
    // Datensatz und das Kriterium nennt.
    Lueckenwoerter(Kategoriesatz k, QStringList kategorien, db::Recordset dbWort,
                   db::Recordset dbLup, db::Recordset dbPhras, Wuerfel zufall);

    const Kategoriesatz& kategorie() const { return m_kat; }
    int PoolAnzahlA() const { return int(m_vorrat[0].size()); }
    int PoolAnzahlB() const { return int(m_vorrat[1].size()); }
    int kategorieIndex(const QString& schluessel) const;

    // Zieht den nächsten Aufruf: halb aus A, halb aus B, aus dem anderen, wenn einer leer ist.
    // Gibt die Füllungen als Kommaliste; "" nur, wenn beide Vorräte leer sind.
    QString naechsteLuecke();
    // lädt den k-ten Kandidaten (ab 1) des Vorrats; derselbe noch einmal liest nichts neu
    bool geheZuKandidat(int k, Vorrat v);
    int KandidatNr() const { return m_kandidatNr; }

    const Luecke& aktLuecke() const { return m_luecke; }
    QString LueckAuswahl() const { return m_auswahl.join(QLatin1Char(',')); }
    const QStringList& auswahl() const { return m_auswahl; }

private:
    struct Kandidat {
        int zeile; // Stelle in dbWort
        Lueckenstelle stelle;
    };
    void zaehle(Vorrat v);
    // FindFirst oder FindNext; ein fehlerhaftes Kriterium nennt Varku.kmp und den Datensatz
    bool finde(const QString& kriterium, Vorrat v, bool erstes);
    void lade(const Kandidat& kandidat, Vorrat v);

    Kategoriesatz m_kat;
    QStringList m_kategorien;
    db::Recordset m_wort, m_phras;
    std::unordered_map<long, std::vector<LupenZeile>> m_lupen;
    Wuerfel m_zufall;
    std::vector<Kandidat> m_vorrat[2];
    Luecke m_luecke;
    QStringList m_auswahl;
    int m_kandidatNr = -1;
    Vorrat m_letzterVorrat = Vorrat::A;
};

} // namespace varku::zelko
