#include "platform/Schreibzugriff.h"

#include "platform/Laufzeitfehler.h"

#include <QFile>
#include <sqlite3.h>

namespace varku::db {

namespace {

// gibt eine Anweisung frei, wie auch immer die Funktion endet
struct Anweisung {
    sqlite3_stmt* s = nullptr;
    ~Anweisung() { sqlite3_finalize(s); }
};

Wert wertAus(sqlite3_stmt* s, int i) {
    switch (sqlite3_column_type(s, i)) {
    case SQLITE_NULL:
        return Wert::null();
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        return Wert::von(sqlite3_column_double(s, i));
    default:
        return Wert::von(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, i)),
                                           sqlite3_column_bytes(s, i)));
    }
}

} // namespace

Schreibzugriff::Schreibzugriff(const QString& datei, const QString& schema) : m_datei(datei) {
    const QByteArray pfad = QFile::encodeName(datei);
    if (sqlite3_open_v2(pfad.constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK) {
        sqlite3_close(m_db);
        m_db = nullptr;
        throw Laufzeitfehler(3049, QStringLiteral("Datenbank kann nicht geöffnet werden"), datei);
    }
    sqlite3_busy_timeout(m_db, 2000);
    char* meldung = nullptr;
    if (sqlite3_exec(m_db, schema.toUtf8().constData(), nullptr, nullptr, &meldung) != SQLITE_OK) {
        sqlite3_free(meldung);
        const QString grund = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_close(m_db);
        m_db = nullptr;
        throw Laufzeitfehler(3049, QStringLiteral("Datenbank ist beschädigt (%1)").arg(grund),
                             datei);
    }
}

Schreibzugriff::~Schreibzugriff() {
    sqlite3_close(m_db);
}

void Schreibzugriff::fehler(const QString& was) const {
    throw Laufzeitfehler(3049,
                         QStringLiteral("Datenbankfehler bei %1 (%2)")
                             .arg(was, QString::fromUtf8(sqlite3_errmsg(m_db))),
                         m_datei);
}

std::vector<Schreibzugriff::Zeile> Schreibzugriff::frage(const QString& sql, const Zeile& werte) {
    Anweisung a;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, text.constData(), int(text.size()), &a.s, nullptr) != SQLITE_OK)
        fehler(sql);
    for (size_t i = 0; i < werte.size(); ++i) {
        const int n = int(i) + 1;
        const Wert& w = werte[i];
        int r = SQLITE_OK;
        if (w.istNull())
            r = sqlite3_bind_null(a.s, n);
        else if (w.istZahlig())
            r = sqlite3_bind_double(a.s, n, w.zahl);
        else
            r = sqlite3_bind_text(a.s, n, w.text.toUtf8().constData(), -1, SQLITE_TRANSIENT);
        if (r != SQLITE_OK)
            fehler(sql);
    }
    std::vector<Zeile> zeilen;
    for (;;) {
        const int r = sqlite3_step(a.s);
        if (r == SQLITE_DONE)
            break;
        if (r != SQLITE_ROW)
            fehler(sql);
        Zeile z;
        const int spalten = sqlite3_column_count(a.s);
        for (int i = 0; i < spalten; ++i)
            z.push_back(wertAus(a.s, i));
        zeilen.push_back(std::move(z));
    }
    return zeilen;
}

int Schreibzugriff::fuehreAus(const QString& sql, const Zeile& werte) {
    frage(sql, werte);
    return sqlite3_changes(m_db);
}

} // namespace varku::db
