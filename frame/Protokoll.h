#pragma once

#include <QString>

namespace varku {

// Die Protokolldateien der Spieler: User/<8 Großbuchstaben>.tmp, Windows-1252, CR LF,
// eine Zeile je geprüftem Versuch: "<RefNr>= OK" oder "<RefNr>= <Eingabe, wie getippt>".
// Offen ist höchstens die Datei des aktuellen Spielers (protokollDateiNr > 0).

// acht zufällige Großbuchstaben, die keine vorhandene Datei benennen; legt nichts an
QString erzeugeTmpName();
// Pfad der Protokolldatei eines Stamms
QString protokollPfad(const QString& stamm);
// legt die Datei leer an (eine vorhandene wird geleert)
void legeProtokollAn(const QString& stamm);
// schließt eine offene Datei und öffnet die des aktuellen Spielers zum Anhängen
void oeffneProtokoll();
// hängt eine Zeile für das aktuelle Wort an und bringt sie sofort in die Datei
void schreibeProtokoll(bool richtig, long refNr, const QString& eingabe);
// schließt die offene Datei; protokollDateiNr wird 0
void schliesseProtokoll();
// löscht die Datei eines Stamms
void loescheProtokoll(const QString& stamm);

} // namespace varku
