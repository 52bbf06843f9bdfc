#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace varku {

// Die Gruppe der Spieler, die sich den Rechner teilen, in den Plätzen 0 bis 3 in der
// Reihenfolge der Spielerliste: ihre Namen und was zu jedem Platz gehört. Eintragen und
// Austragen halten alles mit den Namen in Schritt.

struct Statistik {
    int16_t woerter = 0;       // vorgelegte Wörter
    int16_t richtig = 0;       // beim ersten Versuch richtig geschrieben
    int32_t lesezeitSumme = 0; // Sekunden
    int32_t weiter1 = 0, weiter2 = 0;

    // durchschnittliche Lesezeit; 0 bei einer Summe unter 1 oder ohne Wörter
    double lesezeitSchnitt() const;
};

constexpr int maxSpieler = 4;
constexpr int maxWiederhol = 20;

class Spielergruppe {
public:
    enum class Ergebnis {
        Eingetragen,
        ListeVoll,     // schon vier Spieler
        NameVorhanden, // der Name steht schon in der Liste
        KeinName,      // nichts gewählt
    };
    struct Eintrag {
        Ergebnis ergebnis;
        QString name; // der eingetragene, bei NameVorhanden der doppelte Name
        int platz = -1;
    };

    // die Protokolldateien liegen in diesem Ordner
    void setzeUserPfad(const QString& pfad) { m_userPfad = pfad; }
    const QString& userPfad() const { return m_userPfad; }

    const QStringList& namen() const { return m_namen; }
    int anzahl() const { return int(m_namen.size()); }
    // Name auf Platz i, leer ohne Platz i
    QString name(int i) const;
    bool voll() const;
    // true, wenn ein Eintrag genau so heißt
    bool spielerVorhanden(const QString& name) const;
    // "Gast " und eins mehr als die größte Nummer der Einträge
    QString naechsterGastName() const;
    // Pfad der Protokolldatei von Platz i
    QString protokollPfad(int i) const;

    // trägt den gewählten Namen ("Gast" wird nummeriert) auf dem nächsten Platz ein, mit
    // frischen Daten und seiner leeren Protokolldatei
    Eintrag fuegeHinzu(const QString& gewaehlt);
    // trägt Platz i aus, löscht seine Protokolldatei und rückt die späteren Plätze mit allem,
    // was zu ihnen gehört, nach; false, wenn es Platz i nicht gibt
    bool entferne(int i);
    // löscht die Protokolldateien aller Spieler (am Programmende)
    void loescheAlleProtokolle() const;

    // ein Name über 15 Zeichen wird auf das gekürzt, was vor dem ersten Leerzeichen steht
    static QString kuerzeName(const QString& name);

    // je Platz
    std::array<Statistik, maxSpieler> SpielerStatistik{};
    std::array<QString, maxSpieler + 1> SpielerDatei; // Stamm der Protokolldatei
    std::array<bool, maxSpieler + 1> GastSpieler{};

    // Wiederholliste je Spieler p: (0,0,p) Zahl der Einträge n; (i,0,p) Wortstelle des
    // Eintrags i, (i,1,p) wie oft das Wort seitdem in Folge richtig geschrieben wurde
    int16_t WiederholListe[maxWiederhol + 1][2][maxSpieler];
    // Zahl 0, Stellen -1, Zähler 0
    void leereWiederholListe(int spieler);
    int16_t wiederholAnzahl(int spieler) const { return WiederholListe[0][0][spieler]; }

    // Erledigte Wörter: (Wortstelle, Spieler) je richtig geschriebenem Wort; wächst nur
    std::vector<std::pair<int, int>> ErledigtListe;
    int ErledigtAnz() const { return int(ErledigtListe.size()); }

    Spielergruppe();

private:
    QStringList m_namen;
    QString m_userPfad;
};

} // namespace varku
