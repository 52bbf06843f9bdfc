#include "Datenbank.h"

#include "Laufzeitfehler.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace varku::db {

namespace {

// gibt die Verbindung frei, wie auch immer die Funktion endet
struct Verbindung {
    sqlite3* db = nullptr;
    sqlite3_stmt* abfrage = nullptr;
    ~Verbindung() {
        sqlite3_finalize(abfrage);
        sqlite3_close(db);
    }
};

Spalte::Typ typAus(const char* angabe) {
    const QString t = QString::fromUtf8(angabe ? angabe : "").toUpper();
    if (t.contains(QLatin1String("BOOL")) || t == QLatin1String("BIT") ||
        t == QLatin1String("YESNO"))
        return Spalte::Typ::Bool;
    if (t.contains(QLatin1String("INT")))
        return Spalte::Typ::Ganz;
    if (t.contains(QLatin1String("REAL")) || t.contains(QLatin1String("FLOA")) ||
        t.contains(QLatin1String("DOUB")))
        return Spalte::Typ::Gleit;
    return Spalte::Typ::Text;
}

} // namespace

std::shared_ptr<const Tabelle> leseTabelle(const QString& datei, const QString& name) {
    if (!QFileInfo(datei).isFile())
        throw Laufzeitfehler(Laufzeitfehler::Datenbank, QStringLiteral("Datenbank nicht gefunden"),
                             datei);
    Verbindung v;
    const QByteArray pfad = QFile::encodeName(datei);
    if (sqlite3_open_v2(pfad.constData(), &v.db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        throw Laufzeitfehler(3049, QStringLiteral("Datenbank kann nicht geöffnet werden"), datei);

    // Der Tabellenname kommt aus dem Programm; er wird trotzdem als Bezeichner geschützt.
    QString geschuetzt = name;
    geschuetzt.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    const QByteArray sql = ("SELECT * FROM \"" + geschuetzt + "\" ORDER BY rowid").toUtf8();
    if (sqlite3_prepare_v2(v.db, sql.constData(), -1, &v.abfrage, nullptr) != SQLITE_OK) {
        const QString grund = QString::fromUtf8(sqlite3_errmsg(v.db));
        if (grund.contains(QLatin1String("no such table")))
            throw Laufzeitfehler(3078, QStringLiteral("Tabelle nicht gefunden"),
                                 name + QStringLiteral(" in ") + datei);
        throw Laufzeitfehler(3049,
                             QStringLiteral("Datenbank kann nicht gelesen werden (%1)").arg(grund),
                             datei);
    }

    auto t = std::make_shared<Tabelle>();
    t->name = name;
    t->datei = datei;
    const int n = sqlite3_column_count(v.abfrage);
    t->spalten.resize(size_t(n));
    for (int i = 0; i < n; ++i) {
        Spalte& s = t->spalten[size_t(i)];
        s.name = QString::fromUtf8(sqlite3_column_name(v.abfrage, i));
        s.typ = typAus(sqlite3_column_decltype(v.abfrage, i));
    }

    int rc;
    while ((rc = sqlite3_step(v.abfrage)) == SQLITE_ROW) {
        for (int i = 0; i < n; ++i) {
            Spalte& s = t->spalten[size_t(i)];
            const int art = sqlite3_column_type(v.abfrage, i);
            const bool istNull = art == SQLITE_NULL;
            s.istNull.push_back(istNull ? 1 : 0);
            if (s.typ == Spalte::Typ::Text) {
                if (istNull) {
                    s.texte.emplace_back();
                } else {
                    const auto* z = reinterpret_cast<const char*>(sqlite3_column_text(v.abfrage, i));
                    s.texte.push_back(QString::fromUtf8(z, sqlite3_column_bytes(v.abfrage, i)));
                }
            } else {
                double z = istNull ? 0.0 : sqlite3_column_double(v.abfrage, i);
                if (s.typ == Spalte::Typ::Bool && !istNull)
                    z = z != 0 ? -1.0 : 0.0;
                s.zahlen.push_back(z);
            }
        }
        ++t->zeilen;
    }
    if (rc != SQLITE_DONE)
        throw Laufzeitfehler(3049,
                             QStringLiteral("Datenbank kann nicht gelesen werden (%1)")
                                 .arg(QString::fromUtf8(sqlite3_errmsg(v.db))),
                             datei);
    return t;
}

} // namespace varku::db
