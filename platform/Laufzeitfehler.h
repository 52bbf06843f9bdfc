#pragma once

#include <QString>
#include <exception>
#include <string>

namespace varku {

// Ein Fehler, der das Programm beendet: Nummer, Text und die betroffene Datei oder der Wert.
// Jedes Programm fängt ihn in main ab, zeigt ihn im Meldungsfenster und endet mit Code 1.
class Laufzeitfehler : public std::exception {
public:
    // Fehlernummern, wie sie die Laufzeit meldet
    enum Nummer : int {
        Ueberlauf = 6,
        IndexAusserhalb = 9,
        DivisionDurchNull = 11,
        TypenUnvertraeglich = 13,
        DateiNichtGefunden = 53,
        DateiZugriff = 75,
        PfadNichtGefunden = 76,
        Datenbank = 3024,
        Kriterium = 3075,
        UnbekanntesFeld = 3265,
    };

    Laufzeitfehler(int nummer, QString text, QString betrifft = {});

    int nummer() const { return m_nummer; }
    const QString& text() const { return m_text; }
    const QString& betrifft() const { return m_betrifft; }

    // "Laufzeitfehler 53: Datei nicht gefunden: /pfad/Varku.ini"
    QString meldung() const;
    const char* what() const noexcept override { return m_what.c_str(); }

private:
    int m_nummer;
    QString m_text;
    QString m_betrifft;
    std::string m_what;
};

} // namespace varku
