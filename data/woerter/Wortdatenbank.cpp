#include "data/woerter/Wortdatenbank.h"

#include <QFile>
#include <QHash>
#include <algorithm>
#include <filesystem>
#include <sqlite3.h>
#include <system_error>

namespace varku {

namespace {

QString bezeichner(const QString& name) {
    QString s = name;
    s.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// Ein Fehler von SQLite mit seinem Text; wird in schreibeWortdatenbank zur Meldung
struct SqlFehler {
    QString text;
};

class Verbindung {
public:
    explicit Verbindung(const QString& pfad) {
        const QByteArray p = QFile::encodeName(pfad);
        if (sqlite3_open_v2(p.constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                            nullptr) != SQLITE_OK) {
            // der Destruktor läuft nicht, wenn der Konstruktor wirft
            const SqlFehler f{grund(QStringLiteral("nicht anlegbar"))};
            sqlite3_close(m_db);
            throw f;
        }
    }
    ~Verbindung() { sqlite3_close(m_db); }
    Verbindung(const Verbindung&) = delete;
    Verbindung& operator=(const Verbindung&) = delete;

    sqlite3* db() const { return m_db; }

    void fuehreAus(const QString& sql) {
        char* grund = nullptr;
        if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &grund) != SQLITE_OK) {
            const QString text = QString::fromUtf8(grund ? grund : "");
            sqlite3_free(grund);
            throw SqlFehler{text + QStringLiteral(" bei: ") + sql.left(60)};
        }
    }

    QString grund(const QString& was) const {
        return was + QStringLiteral(" (") +
               QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : "kein Speicher") + QLatin1Char(')');
    }
    [[noreturn]] void wirf(const QString& was) const { throw SqlFehler{grund(was)}; }

private:
    sqlite3* m_db = nullptr;
};

class Anweisung {
public:
    Anweisung(Verbindung& v, const QString& sql) : m_v(v) {
        if (sqlite3_prepare_v2(v.db(), sql.toUtf8().constData(), -1, &m_stmt, nullptr) != SQLITE_OK)
            v.wirf(QStringLiteral("Anweisung nicht übersetzbar"));
    }
    ~Anweisung() { sqlite3_finalize(m_stmt); }
    Anweisung(const Anweisung&) = delete;
    Anweisung& operator=(const Anweisung&) = delete;

    Anweisung& zahl(int wert) {
        pruefe(sqlite3_bind_int(m_stmt, ++m_stelle, wert));
        return *this;
    }
    // ein leerer Text wird NULL
    Anweisung& textOderNull(const QString& wert) {
        if (wert.isEmpty()) {
            pruefe(sqlite3_bind_null(m_stmt, ++m_stelle));
        } else {
            const QByteArray b = wert.toUtf8();
            pruefe(sqlite3_bind_text(m_stmt, ++m_stelle, b.constData(), int(b.size()),
                                     SQLITE_TRANSIENT));
        }
        return *this;
    }
    void schreibe() {
        if (sqlite3_step(m_stmt) != SQLITE_DONE)
            m_v.wirf(QStringLiteral("Zeile nicht geschrieben"));
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
        m_stelle = 0;
    }

private:
    void pruefe(int rc) {
        if (rc != SQLITE_OK)
            m_v.wirf(QStringLiteral("Wert nicht gebunden"));
    }

    Verbindung& m_v;
    sqlite3_stmt* m_stmt = nullptr;
    int m_stelle = 0;
};

QString platzhalter(int n) {
    QStringList p;
    for (int i = 0; i < n; ++i)
        p.append(QStringLiteral("?"));
    return p.join(QLatin1Char(','));
}

void legeTabellenAn(Verbindung& v, const QList<Kategorie>& kategorien) {
    QString wortListe =
        QStringLiteral("CREATE TABLE \"WortListe\" (\"RefNr\" INTEGER PRIMARY KEY, "
                       "\"Wort\" TEXT NOT NULL, \"Kontext\" TEXT, \"WaveDat\" TEXT, "
                       "\"KomplexInd\" INTEGER, \"GWS\" BOOLEAN");
    for (const Kategorie& k : kategorien)
        wortListe += QStringLiteral(", ") + bezeichner(k.code) + QStringLiteral(" BOOLEAN");
    v.fuehreAus(wortListe + QLatin1Char(')'));
    v.fuehreAus(QStringLiteral("CREATE TABLE \"LupenStellen\" (\"RefNr\" INTEGER, \"ruvo\" "
                               "INTEGER, \"vonPos\" INTEGER, \"bisPos\" INTEGER)"));
    v.fuehreAus(QStringLiteral(
        "CREATE TABLE \"SemSynt\" (\"RefNr\" INTEGER, \"SatzKontext\" TEXT, \"Paraphr\" TEXT)"));
    v.fuehreAus(QStringLiteral("CREATE TABLE \"Transkripte\" (\"RefNr\" INTEGER, \"WortTranskr\" "
                               "TEXT, \"SatzTranskr\" TEXT)"));
}

void fuelleTabellen(Verbindung& v, const QList<Kategorie>& kategorien,
                    const QList<Worteintrag>& woerter) {
    QHash<QString, int> ruvoVon;
    for (const Kategorie& k : kategorien)
        ruvoVon.insert(k.code, k.ruvo);

    Anweisung wort(v, QStringLiteral("INSERT INTO \"WortListe\" VALUES (%1)")
                          .arg(platzhalter(6 + int(kategorien.size()))));
    Anweisung lupe(v, QStringLiteral("INSERT INTO \"LupenStellen\" VALUES (?,?,?,?)"));
    Anweisung sem(v, QStringLiteral("INSERT INTO \"SemSynt\" VALUES (?,?,?)"));
    Anweisung trans(v, QStringLiteral("INSERT INTO \"Transkripte\" VALUES (?,?,?)"));

    for (const Worteintrag& e : woerter) {
        wort.zahl(e.refNr)
            .textOderNull(e.wort)
            .textOderNull(e.hatKontext() ? e.kontext : QString())
            .textOderNull(e.waveDat)
            .zahl(e.komplexInd)
            .zahl(e.gws ? 1 : 0);
        QList<Lupenstelle> stellen = e.kategorien;
        std::sort(stellen.begin(), stellen.end(), [&](const Lupenstelle& a, const Lupenstelle& b) {
            return ruvoVon.value(a.code) < ruvoVon.value(b.code);
        });
        for (const Kategorie& k : kategorien) {
            const bool drin = std::any_of(stellen.begin(), stellen.end(),
                                          [&](const Lupenstelle& l) { return l.code == k.code; });
            wort.zahl(drin ? 1 : 0);
        }
        wort.schreibe();

        for (const Lupenstelle& l : stellen)
            lupe.zahl(e.refNr).zahl(ruvoVon.value(l.code)).zahl(l.vonPos).zahl(l.bisPos).schreibe();
        sem.zahl(e.refNr).textOderNull(e.satz).textOderNull(e.umschreibung).schreibe();
        if (!e.wortTranskr.isEmpty() || !e.satzTranskr.isEmpty())
            trans.zahl(e.refNr).textOderNull(e.wortTranskr).textOderNull(e.satzTranskr).schreibe();
    }
}

// ersetzt ziel durch die fertige Datei neu; leer oder der Grund des Fehlers
QString ersetzeDatei(const QString& neu, const QString& ziel) {
    std::error_code fehler;
    std::filesystem::rename(std::filesystem::path(neu.toStdU16String()),
                            std::filesystem::path(ziel.toStdU16String()), fehler);
    if (fehler)
        return QStringLiteral("%1 nicht durch %2 ersetzbar: %3")
            .arg(ziel, neu, QString::fromLocal8Bit(fehler.message()));
    return {};
}

} // namespace

QString schreibeWortdatenbank(const QString& ziel, const QList<Kategorie>& kategorien,
                              const QList<Worteintrag>& woerter) {
    const QString neu = ziel + QStringLiteral(".tmp");
    QFile::remove(neu);
    try {
        Verbindung v(neu);
        v.fuehreAus(QStringLiteral("BEGIN"));
        legeTabellenAn(v, kategorien);
        fuelleTabellen(v, kategorien, woerter);
        v.fuehreAus(QStringLiteral("COMMIT"));
    } catch (const SqlFehler& f) {
        QFile::remove(neu);
        return QStringLiteral("%1: %2").arg(neu, f.text);
    }
    const QString grund = ersetzeDatei(neu, ziel);
    if (!grund.isEmpty())
        QFile::remove(neu);
    return grund;
}

} // namespace varku
