// Die Meisterliste liegt im Benutzerordner und kann kaputt oder fremd sein: was auch in der Datei
// steht, gibt es höchstens einen Datenbankfehler, der sie nennt, eine Liste zum Zeigen mit
// höchstens 10 Einträgen über 0 Punkten, die höchsten zuerst (ohne Tabelle keinen), und in einer
// heilen Datei hält ein Eintrag die Liste bei 10 Zeilen oder lässt sie, wie sie war. Eine leere
// Eingabe heißt: die Datei fehlt.
#include "gamekit/Meisterliste.h"
#include "platform/Laufzeitfehler.h"
#include "platform/Schreibzugriff.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <climits>
#include <cstdlib>
#include <optional>

using namespace varku;

namespace {

void pruefe(bool bedingung) {
    if (!bedingung)
        std::abort();
}

const QString programm = QStringLiteral("Zirkomat");
const QString schema = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS Punkte (Name TEXT, Programm TEXT, Datum TEXT, Punkte INTEGER);");

struct Ort {
    QTemporaryDir ordner;
    QString datei = Meisterliste::meisterDatei(ordner.filePath(QStringLiteral("User")));
};

// Jeder Fehler ist einer der Datenbank und nennt die Datei
void pruefeFehler(const Laufzeitfehler& f, const QString& datei) {
    pruefe(f.nummer() == 3049 && f.betrifft() == datei);
}

// die Zeilen des Spiels in der Tabelle; leer, wenn die Datei sie nicht zählen lässt
std::optional<long long> zeilenDesSpiels(const QString& datei) {
    try {
        db::Schreibzugriff db(datei, schema);
        const auto z = db.frage(QStringLiteral("SELECT COUNT(*) FROM Punkte WHERE Programm = ?"),
                                {db::Wert::von(programm)});
        return z.at(0).at(0).alsGanzzahl();
    } catch (const Laufzeitfehler& f) {
        pruefeFehler(f, datei);
        return std::nullopt;
    }
}

// Ob SQLite die Datei für heil hält: in einem Baum mit verdrehten Schlüsseln findet es eine
// Zeile, die es beim Durchlaufen zeigt, beim Löschen nicht wieder. Für solche Dateien gilt nur,
// dass nichts abstürzt und jeder Fehler einer der Datenbank ist.
bool heil(const QString& datei) {
    try {
        db::Schreibzugriff db(datei, schema);
        const auto z = db.frage(QStringLiteral("PRAGMA integrity_check"));
        return z.size() == 1 && z[0].size() == 1 && z[0][0].alsText() == u"ok";
    } catch (const Laufzeitfehler& f) {
        pruefeFehler(f, datei);
        return false;
    }
}

void pruefeListe(const std::vector<MeisterEintrag>& liste) {
    pruefe(liste.size() <= size_t(Meisterliste::hoechstensEintraege));
    for (size_t i = 0; i < liste.size(); ++i) {
        const MeisterEintrag& e = liste[i];
        pruefe(e.Punkte > 0);
        if (i > 0)
            pruefe(liste[i - 1].Punkte >= e.Punkte);
        // der Name passt in seine Spalte: ohne Steuerzeichen, vorn ohne Leerzeichen, kurz
        pruefe(e.Name.toUcs4().size() <= Meisterliste::namenLaenge);
        pruefe(e.Name.isEmpty() || !e.Name.front().isSpace());
        for (const QChar c : e.Name)
            pruefe(c.category() != QChar::Other_Control);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    static Ort ort;
    const QString& datei = ort.datei;
    // was von einer früheren Eingabe blieb, gilt nicht: auch kein Journal, das SQLite nachholte
    QDir(QFileInfo(datei).absolutePath()).removeRecursively();
    QDir().mkpath(QFileInfo(datei).absolutePath());
    if (groesse > 0) {
        QFile f(datei);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(reinterpret_cast<const char*>(daten), qint64(groesse)) != qint64(groesse))
            std::abort();
    }

    // eine lesbare Datei ohne die Tabelle (ein Abbruch beim Anlegen) ist eine leere Liste
    bool ohneTabelle = false;
    if (groesse > 0) {
        try {
            db::Schreibzugriff db(datei, QString());
            ohneTabelle = db.frage(QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = "
                                                  "'Punkte' COLLATE NOCASE"))
                              .empty();
        } catch (const Laufzeitfehler& f) {
            pruefeFehler(f, datei);
        }
    }

    const Meisterliste liste(datei, programm);
    try {
        const std::vector<MeisterEintrag> l = liste.meisterliste();
        pruefeListe(l);
        pruefe(!ohneTabelle || l.empty());
    } catch (const Laufzeitfehler& f) {
        pruefe(!ohneTabelle);
        pruefeFehler(f, datei);
    }

    const bool unbeschaedigt = heil(datei);
    const std::optional<long long> vorher = zeilenDesSpiels(datei);
    // der Zweite hat keine Punkte und kommt nicht hinein; mehr als INT32_MAX gibt kein Spiel
    const QStringList namen{QStringLiteral("  Anna\n"), QStringLiteral("Ben")};
    const qint32 punkte[] = {INT32_MAX, 0};
    bool eingetragen = false;
    try {
        liste.updateMeister(2, namen, punkte, QDate(2026, 12, 9));
        eingetragen = true;
    } catch (const Laufzeitfehler& f) {
        pruefeFehler(f, datei);
    }
    const std::optional<long long> nachher = zeilenDesSpiels(datei);
    if (unbeschaedigt && vorher && nachher) {
        const long long n = *vorher, m = *nachher;
        if (!eingetragen)
            pruefe(m == n); // abgebrochen: die alte Liste bleibt
        else if (n < Meisterliste::hoechstensEintraege)
            pruefe(m == n + 1);
        else
            pruefe(m == n || m == Meisterliste::hoechstensEintraege);
    }

    if (!eingetragen)
        return 0;
    try {
        const std::vector<MeisterEintrag> neu = liste.meisterliste();
        pruefeListe(neu);
        // eingetragen oder schon lauter Bessere: oben stehen die höchsten Punkte
        if (unbeschaedigt)
            pruefe(!neu.empty() && neu.front().Punkte >= INT32_MAX);
    } catch (const Laufzeitfehler& f) {
        pruefeFehler(f, datei);
    }
    return 0;
}
