#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <span>
#include <vector>

namespace varku::db {
class Schreibzugriff;
}

namespace varku {

// Ein Eintrag der Meisterliste, wie er zwischen den Schritten weitergegeben wird
struct MeisterEintrag {
    QString Name;
    QString Programm;
    QString Datum;
    qint64 Punkte = 0; // ein Long der Spiele passt immer hinein
};

// Die Meisterliste aller Spiele in einer SQLite-Datei (Tabelle Punkte): jedes Spiel behält
// seine 10 besten Einträge. Die Datei wird für jedes Spielende geöffnet und wieder geschlossen;
// fehlt sie, wird sie mit ihrer Tabelle angelegt. Jeder Datenbankfehler ist ein
// Laufzeitfehler, der die Datei nennt.
class Meisterliste {
public:
    static constexpr int hoechstensEintraege = 10;
    static constexpr int namenLaenge = 18;

    // datei: meist meisterDatei(UserPfad); programm: der Name des Spiels ("Zirkomat")
    Meisterliste(QString datei, QString programm);

    // "<UserPfad>/Meister.sqlite"
    static QString meisterDatei(const QString& userPfad);
    // das kurze deutsche Datum ohne Leerzeichen, "09.12.26"
    static QString datumText(const QDate& tag);
    // der Name, wie die Liste ihn zeigt: ohne umgebende Leerzeichen, höchstens 18 Zeichen
    static QString anzeigeName(const QString& name);

    // trägt jeden der ersten nSpieler Spieler mit Punkten über 0 ein, mit dem Datum heute: alle
    // oder, bricht etwas ab, keinen
    void updateMeister(int nSpieler, const QStringList& SpielerName,
                       std::span<const qint32> SpielerPunkte, const QDate& heute) const;
    // ein Eintrag für sein Programm: unter 10 Zeilen immer, sonst nur, wenn er mehr Punkte hat
    // als die niedrigste Zeile, die er dann ersetzt
    void addMeisterEintrag(const MeisterEintrag& eintrag) const;
    // die Liste zum Zeigen: höchste Punkte zuerst, nur Punkte über 0, Namen wie anzeigeName;
    // leer ohne Datei oder ohne Tabelle
    std::vector<MeisterEintrag> meisterliste() const;

    const QString& datei() const { return m_datei; }
    const QString& programm() const { return m_programm; }

private:
    // die Einträge in einem Schritt
    void trageEin(std::span<const MeisterEintrag> eintraege) const;
    static long long zaehleMeisterEintraege(db::Schreibzugriff& db, const QString& programm);
    static long long niedrigstePunkte(db::Schreibzugriff& db, const QString& programm);
    static void schreibeMeisterEintrag(db::Schreibzugriff& db, const MeisterEintrag& eintrag);
    // löscht die Zeile des Programms mit den wenigsten Punkten, von gleichen die erste (nach
    // rowid); false, wenn keine
    static bool loescheNiedrigstenEintrag(db::Schreibzugriff& db, const QString& programm);

    QString m_datei;
    QString m_programm;
};

} // namespace varku
