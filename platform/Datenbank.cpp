#include "platform/Datenbank.h"

#include "platform/Laufzeitfehler.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace varku::db {

namespace {

// gibt eine Abfrage frei, wie auch immer die Funktion endet
struct Abfrage {
    sqlite3_stmt* s = nullptr;
    ~Abfrage() { sqlite3_finalize(s); }
};

QString geschuetzt(const QString& bezeichner) {
    QString g = bezeichner;
    g.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + g + QLatin1Char('"');
}

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

// Die offene Datei; sie bleibt offen, solange eine ihrer Tabellen lebt. Die Tabellen einer
// Öffnung teilen sie: SQLite liest den Aufbau der Datei dann nur einmal.
class Verbindung {
public:
    explicit Verbindung(const QString& datei) {
        const QByteArray pfad = QFile::encodeName(datei);
        if (sqlite3_open_v2(pfad.constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            sqlite3_close(m_db);
            m_db = nullptr;
            throw Laufzeitfehler(3049, QStringLiteral("Datenbank kann nicht geöffnet werden"),
                                 datei);
        }
    }
    ~Verbindung() { sqlite3_close(m_db); }
    Verbindung(const Verbindung&) = delete;
    Verbindung& operator=(const Verbindung&) = delete;
    sqlite3* db() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
};

// eine Tabelle der offenen Datei
class SqliteQuelle : public SpaltenQuelle {
public:
    SqliteQuelle(QString datei, QString tabelle, std::shared_ptr<const Verbindung> verbindung)
        : m_datei(std::move(datei)), m_tabelle(std::move(tabelle)),
          m_verbindung(std::move(verbindung)), m_db(m_verbindung->db()) {}

    // Datei und Tabelle, wie Meldungen beim Lesen sie nennen
    QString herkunft() const { return m_datei + QStringLiteral(": ") + m_tabelle; }

    [[noreturn]] void lesefehler() const {
        const QString grund = QString::fromUtf8(sqlite3_errmsg(m_db));
        if (grund.contains(QLatin1String("no such table")))
            throw Laufzeitfehler(3078, QStringLiteral("Tabelle nicht gefunden"), herkunft());
        throw Laufzeitfehler(3049,
                             QStringLiteral("Datenbank kann nicht gelesen werden (%1)").arg(grund),
                             herkunft());
    }

    void bereite(Abfrage& a, const QString& sql) const {
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &a.s, nullptr) != SQLITE_OK)
            lesefehler();
    }

    // Spaltennamen und -arten, Zahl der Zeilen
    void leseAufbau(Tabelle& t) const {
        Abfrage a;
        bereite(a, QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(geschuetzt(m_tabelle)));
        const int n = sqlite3_column_count(a.s);
        t.spalten.resize(size_t(n));
        for (int i = 0; i < n; ++i) {
            Spalte& s = t.spalten[size_t(i)];
            s.name = QString::fromUtf8(sqlite3_column_name(a.s, i));
            s.typ = typAus(sqlite3_column_decltype(a.s, i));
            s.geladen = false;
        }
        Abfrage z;
        bereite(z, QStringLiteral("SELECT count(*) FROM %1").arg(geschuetzt(m_tabelle)));
        if (sqlite3_step(z.s) != SQLITE_ROW)
            lesefehler();
        t.zeilen = sqlite3_column_int(z.s, 0);
    }

    void lade(Spalte& s, int zeilen) override {
        Abfrage a;
        bereite(a, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                       .arg(geschuetzt(s.name), geschuetzt(m_tabelle)));
        s.istNull.clear();
        s.zahlen.clear();
        s.texte.clear();
        s.istNull.reserve(size_t(zeilen));
        if (s.typ == Spalte::Typ::Text)
            s.texte.reserve(size_t(zeilen));
        else
            s.zahlen.reserve(size_t(zeilen));
        int rc;
        int gelesen = 0;
        while ((rc = sqlite3_step(a.s)) == SQLITE_ROW) {
            const bool istNull = sqlite3_column_type(a.s, 0) == SQLITE_NULL;
            s.istNull.push_back(istNull ? 1 : 0);
            if (s.typ == Spalte::Typ::Text) {
                if (istNull) {
                    s.texte.emplace_back();
                } else {
                    const auto* z = reinterpret_cast<const char*>(sqlite3_column_text(a.s, 0));
                    s.texte.push_back(QString::fromUtf8(z, sqlite3_column_bytes(a.s, 0)));
                }
            } else {
                double z = istNull ? 0.0 : sqlite3_column_double(a.s, 0);
                if (s.typ == Spalte::Typ::Bool && !istNull)
                    z = z != 0 ? -1.0 : 0.0;
                s.zahlen.push_back(z);
            }
            ++gelesen;
        }
        if (rc != SQLITE_DONE)
            lesefehler();
        // Die Datei ist nur zum Lesen da; hat sie sich doch geändert, passen die Spalten nicht.
        if (gelesen != zeilen)
            throw Laufzeitfehler(
                3049, QStringLiteral("Datenbank wurde während des Lesens geändert"), herkunft());
    }

private:
    QString m_datei;
    QString m_tabelle;
    std::shared_ptr<const Verbindung> m_verbindung;
    sqlite3* m_db;
};

} // namespace

std::vector<std::shared_ptr<const Tabelle>> leseTabellen(const QString& datei,
                                                         const QStringList& namen) {
    if (!QFileInfo(datei).isFile())
        throw Laufzeitfehler(Laufzeitfehler::Datenbank, QStringLiteral("Datenbank nicht gefunden"),
                             datei);
    const auto verbindung = std::make_shared<const Verbindung>(datei);
    std::vector<std::shared_ptr<const Tabelle>> tabellen;
    tabellen.reserve(size_t(namen.size()));
    for (const QString& name : namen) {
        auto quelle = std::make_shared<SqliteQuelle>(datei, name, verbindung);
        auto t = std::make_shared<Tabelle>();
        t->name = name;
        t->datei = datei;
        quelle->leseAufbau(*t);
        t->quelle = quelle;
        tabellen.push_back(std::move(t));
    }
    return tabellen;
}

std::shared_ptr<const Tabelle> leseTabelle(const QString& datei, const QString& name) {
    return leseTabellen(datei, {name}).front();
}

} // namespace varku::db
