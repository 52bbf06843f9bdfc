#pragma once

#include "platform/Tabelle.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <memory>
#include <vector>

namespace varku::db {

// Ein übersetztes Kriterium, wie es Filter und Suche verwenden: Vergleiche von Feldern mit
// Zahlen, TRUE/FALSE und Texten in Anführungszeichen, Like mit *, ? und # (ohne Rücksicht auf
// Groß- und Kleinschreibung), Len, Trim, AND, OR, NOT und Klammern. Texte werden wie in der
// Datenbank ohne Rücksicht auf Groß- und Kleinschreibung verglichen; Null macht einen Vergleich
// unbestimmt, und nur ein wahres Ergebnis nimmt eine Zeile auf.
//
// Ketten von AND, OR, +, -, &, * und / sowie Folgen von NOT und Vorzeichen sind beliebig lang;
// nur Klammern und Funktionen schachteln, und das höchstens hoechsteTiefe Ebenen tief. So geht
// das Übersetzen und Auswerten jedes angenommenen Kriteriums ohne tiefe Rekursion.
class Kriterium {
public:
    // längster Text eines Kriteriums in Zeichen
    static constexpr qsizetype hoechsteLaenge = 1 << 20;
    // tiefste Schachtelung von Klammern und Funktionsaufrufen
    static constexpr int hoechsteTiefe = 200;

    // Übersetzt den Text für die Spalten der Tabelle. Ein fehlerhaftes, zu langes oder zu tief
    // geschachteltes Kriterium und ein unbekanntes Feld sind Laufzeitfehler, die es nennen
    // (gekürzt) und bei einer Tabelle aus einer Datei auch die Datei und die Tabelle.
    Kriterium(const QString& text, const Tabelle& tabelle);
    ~Kriterium();
    Kriterium(Kriterium&&) noexcept;
    Kriterium& operator=(Kriterium&&) noexcept;

    bool trifftZu(int zeile) const;
    Wert werte(int zeile) const;
    const QString& text() const { return m_text; }
    const Tabelle& tabelle() const { return *m_tabelle; }
    // was ein Fehler dieses Kriteriums nennt
    const QString& betrifft() const { return m_betrifft; }

    struct Knoten;

private:
    QString m_text;
    QString m_betrifft;
    const Tabelle* m_tabelle;
    std::unique_ptr<Knoten> m_wurzel;
};

// Ein Kriterium, wie es eine Meldung nennt: ein langes mit seinen ersten 80 Zeichen und "…"
QString gekuerzt(const QString& kriterium);

// Ein einmal übersetztes Like-Muster: * beliebig viele Zeichen, ? ein Zeichen, # eine Ziffer,
// [abc], [!abc] und [a-z] eine Zeichenauswahl; ohne Rücksicht auf Groß- und Kleinschreibung.
// Ein "[" ohne "]" steht für sich selbst. Ein Vergleich geht Zeichen für Zeichen durch den Text
// und führt alle Stellen im Muster, die bis dahin passen, als Bitmenge mit: je Zeichen höchstens
// Musterlänge/64 Schritte, also nie mehr als Textlänge mal Musterlänge. Ein längeres Muster oder
// ein längerer Text als die Grenzen ist ein Laufzeitfehler.
class Muster {
public:
    // längstes Muster und längster Text in Zeichen
    static constexpr qsizetype hoechsteLaenge = 8192;
    static constexpr qsizetype hoechsteTextlaenge = 32768;

    explicit Muster(QStringView muster);
    bool passt(QStringView text) const;

private:
    // die Teile, die das gefaltete Zeichen annehmen, als Bits
    void annehmende(char16_t c, uint64_t* maske) const;
    // ein Muster nur aus Zeichen und "*" auf einem kurzen Text: die Stücke zwischen den Sternen
    // der Reihe nach, jedes so weit links wie möglich
    bool passtStuecke(QStringView text) const;

    unsigned m_teile = 0; // Teile ohne die Sterne; Zustand i: i Teile passen
    size_t m_worte = 1;   // Wörter einer Bitmenge über die Zustände 0 … m_teile
    bool m_stern = false;
    std::vector<uint64_t> m_beliebig, m_ziffer;
    std::vector<uint64_t> m_schleife;                     // Zustände, vor deren Teil ein "*" steht
    std::vector<std::pair<char16_t, unsigned>> m_zeichen; // gefaltetes Zeichen, Teil; sortiert
    // Zeichenauswahlen: die Grenzen ihrer Abschnitte und je Abschnitt die annehmenden Teile
    std::vector<char32_t> m_grenzen;
    std::vector<uint64_t> m_auswahlMasken;
    // nur Zeichen und Sterne: die gefalteten Stücke, und ob vorn und hinten ein Stern steht
    bool m_nurStuecke = false;
    std::vector<std::u16string> m_stuecke;
    bool m_sternVorn = false, m_sternHinten = false;
};

// Like-Vergleich mit einem Muster, das nur einmal gebraucht wird
bool passtZuMuster(QStringView text, QStringView muster);

} // namespace varku::db
