#pragma once

#include "platform/Kriterium.h"
#include "platform/Tabelle.h"
#include "platform/Wert.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace varku::db {

// Ein Satz von Zeilen einer Tabelle mit einem aktuellen Datensatz, wie ihn die Programme
// durchlaufen: Filtern gibt einen neuen Satz, Bewegen und Suchen ändern die Stelle.
// Vor dem ersten Datensatz steht der Satz am Anfang (BOF), nach dem letzten am Ende (EOF).
class Recordset {
public:
    Recordset() = default;
    explicit Recordset(std::shared_ptr<const Tabelle> tabelle);

    // die Tabelle einer Datenbankdatei
    static Recordset oeffne(const QString& datei, const QString& tabelle);
    // mehrere Tabellen einer Datei, in der Reihenfolge der Namen
    static std::vector<Recordset> oeffne(const QString& datei, const QStringList& tabellen);

    // die Zeilen, auf die das Kriterium zutrifft, als neuer Satz (auf seinem ersten Datensatz)
    Recordset gefiltert(const QString& kriterium) const;

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    void Move(int zeilen);
    bool FindFirst(const QString& kriterium);
    bool FindNext(const QString& kriterium);
    bool NoMatch() const { return m_keinTreffer; }

    // EOF ist in C ein Makro; daher diese Schreibweise
    bool Eof() const { return m_pos >= int(m_zeilen.size()) || m_zeilen.empty(); }
    bool Bof() const { return m_pos < 0 || m_zeilen.empty(); }
    int AbsolutePosition() const { return (Eof() || Bof()) ? -1 : m_pos; }
    int RecordCount() const { return int(m_zeilen.size()); }
    bool istOffen() const { return bool(m_tabelle); }

    // das Feld des aktuellen Datensatzes; ohne Rücksicht auf Groß- und Kleinschreibung des Namens
    Wert feld(const QString& name) const;
    bool hatFeld(const QString& name) const;
    const Tabelle& tabelle() const { return *m_tabelle; }

private:
    void pruefeAktuell() const;
    void pruefeOffen() const;
    bool sucheAb(int anfang, const QString& kriterium);
    const Kriterium& suchkriterium(const QString& text);

    std::shared_ptr<const Tabelle> m_tabelle;
    std::vector<int> m_zeilen; // Zeilen der Tabelle in Reihenfolge
    int m_pos = -1;
    bool m_keinTreffer = false;
    // das zuletzt übersetzte Suchkriterium: FindNext sucht meist mit demselben weiter
    QString m_suchText;
    std::shared_ptr<const Kriterium> m_suche;
};

} // namespace varku::db
