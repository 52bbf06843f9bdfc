#pragma once

#include "platform/Tabelle.h"

#include <QString>
#include <memory>

namespace varku::db {

// Ein übersetztes Kriterium, wie es Filter und Suche verwenden: Vergleiche von Feldern mit
// Zahlen, TRUE/FALSE und Texten in Anführungszeichen, Like mit *, ? und # (ohne Rücksicht auf
// Groß- und Kleinschreibung), Len, Trim, AND, OR, NOT und Klammern. Texte werden wie in der
// Datenbank ohne Rücksicht auf Groß- und Kleinschreibung verglichen; Null macht einen Vergleich
// unbestimmt, und nur ein wahres Ergebnis nimmt eine Zeile auf.
class Kriterium {
public:
    // Übersetzt den Text für die Spalten der Tabelle. Ein fehlerhaftes Kriterium oder ein
    // unbekanntes Feld ist ein Laufzeitfehler, der es nennt.
    Kriterium(const QString& text, const Tabelle& tabelle);
    ~Kriterium();
    Kriterium(Kriterium&&) noexcept;
    Kriterium& operator=(Kriterium&&) noexcept;

    bool trifftZu(int zeile) const;
    Wert werte(int zeile) const;
    const QString& text() const { return m_text; }
    const Tabelle& tabelle() const { return *m_tabelle; }

    struct Knoten;

private:
    QString m_text;
    const Tabelle* m_tabelle;
    std::unique_ptr<Knoten> m_wurzel;
};

// Like-Vergleich: * beliebig viele Zeichen, ? ein Zeichen, # eine Ziffer, [abc], [!abc] und
// [a-z] eine Zeichenauswahl; ohne Rücksicht auf Groß- und Kleinschreibung.
bool passtZuMuster(QStringView text, QStringView muster);

} // namespace varku::db
