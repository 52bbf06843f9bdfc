#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace varku {

// Lesen und Neuschreiben eines Abschnitts der Konfigurationsdatei, für das Rahmenprogramm und
// alle Spiele gleich. Jeder Leser hat eine Schlüsseltabelle in fester Reihenfolge; der Schreiber
// desselben Abschnitts schreibt die Schlüssel in derselben Reihenfolge.

struct AbschnittsFormat {
    QString abschnitt;                                     // ohne Klammern, z. B. "Varku"
    QString temporaereDatei = QStringLiteral("Varku.tmp"); // im Ordner der Konfigurationsdatei
    bool blankNachGleich = false; // "Schluessel= Wert" statt "Schluessel=Wert"
};

// Liest den Abschnitt: für jede Schlüsselzeile des Abschnitts wird setze(index, wert) mit dem
// Index des ersten passenden Schlüssels und dem getrimmten Wert gerufen; ein doppelter Schlüssel
// wird zweimal gemeldet, der spätere gewinnt. bisDateiende: die Suche endet nicht am nächsten
// Abschnittskopf. Eine fehlende Datei ist ein Laufzeitfehler; ein fehlender Abschnitt liest nichts.
// Gibt zurück, ob der Abschnitt gefunden wurde.
bool leseAbschnitt(const QString& iniDatei, const QString& abschnitt, const QStringList& schluessel,
                   const std::function<void(int index, const QString& wert)>& setze,
                   bool bisDateiende = false);

// dasselbe auf einem schon gelesenen Text
bool leseAbschnittAusText(const QString& text, const QString& abschnitt,
                          const QStringList& schluessel,
                          const std::function<void(int index, const QString& wert)>& setze,
                          bool bisDateiende = false);

using Schluesselzeilen = std::vector<std::pair<QString, QString>>;

// Den neuen Abschnitt als Bytes bilden: alles vor dem Kopf und nach dem Abschnitt bleibt Byte für
// Byte, die Kommentare des alten Abschnitts stehen unter den neuen Schlüsseln, nach den Schlüsseln
// folgt eine Zeile mit einem Leerzeichen. Fehlt der Kopf, kommt der Abschnitt mit seinem Kopf
// ans Ende der Datei.
// Die Datei behält ihre Kodierung und ihre Art der Zeilenenden.
QByteArray ersetzeAbschnitt(const QByteArray& alt, const AbschnittsFormat& format,
                            const Schluesselzeilen& zeilen);

// Schreibt den Abschnitt absturzsicher: die temporäre Datei wird mit den Zugriffsrechten der
// alten Datei neu angelegt, ganz geschrieben und auf die Platte gebracht, dann über die
// Konfigurationsdatei umbenannt. Zeit und Speicher wachsen linear mit der Datei.
void schreibeAbschnitt(const QString& iniDatei, const AbschnittsFormat& format,
                       const Schluesselzeilen& zeilen);

// Werte, wie sie in die Datei geschrieben werden
QString iniSchalter(bool ein); // "1" / "0"
// ohne Leerzeichen, Punkt als Dezimalzeichen, 15 Stellen, außer der Wert läse sich so nicht
// zurück; eine unendliche oder ungültige Zahl ist ein Laufzeitfehler "Überlauf"
QString iniZahl(double zahl);
QString iniGanzzahl(long long zahl); // Ziffern ohne Leerzeichen

} // namespace varku
