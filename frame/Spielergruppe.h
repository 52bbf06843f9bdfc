#pragma once

#include <QString>
#include <QStringList>

namespace varku {

// Die Gruppe der Spieler, die sich den Rechner teilen: ihre Namen in der Reihenfolge der Plätze
// 0 bis 3. Eintragen und Austragen halten die Spielerdaten (Statistik, Protokolldatei,
// Gastkennung, Wiederholliste, erledigte Wörter) und nSpieler mit den Namen in Schritt.
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

    const QStringList& namen() const { return m_namen; }
    int anzahl() const { return int(m_namen.size()); }
    // Name auf Platz i, leer ohne Platz i
    QString name(int i) const;
    bool voll() const;
    // true, wenn ein Eintrag genau so heißt
    bool spielerVorhanden(const QString& name) const;
    // "Gast " und eins mehr als die größte Nummer der Einträge
    QString naechsterGastName() const;

    // trägt den gewählten Namen ("Gast" wird nummeriert) auf dem nächsten Platz ein und legt
    // seine leere Protokolldatei an
    Eintrag fuegeHinzu(const QString& gewaehlt);
    // trägt Platz i aus, löscht seine Protokolldatei und rückt die späteren Plätze nach;
    // false, wenn es Platz i nicht gibt
    bool entferne(int i);

    // ein Name über 15 Zeichen wird auf das gekürzt, was vor dem ersten Leerzeichen steht
    static QString kuerzeName(const QString& name);

private:
    QStringList m_namen;
};

} // namespace varku
