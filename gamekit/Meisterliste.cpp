#include "gamekit/Meisterliste.h"

#include "platform/Laufzeitfehler.h"
#include "platform/Schreibzugriff.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <memory>

namespace varku {

using db::Schreibzugriff;
using db::Wert;

namespace {

const QString schema = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS Punkte (Name TEXT, Programm TEXT, Datum TEXT, Punkte INTEGER);");

// Fehlt die Datei (oder ihr Ordner), wird sie angelegt: ein Spielende verliert so kein Ergebnis.
std::unique_ptr<Schreibzugriff> oeffneMeisterDb(const QString& datei) {
    QDir().mkpath(QFileInfo(datei).absolutePath());
    return std::make_unique<Schreibzugriff>(datei, schema);
}

Wert text(const QString& s) {
    return Wert::von(s);
}

Wert zahl(long long z) {
    return Wert::von(double(z));
}

} // namespace

Meisterliste::Meisterliste(QString datei, QString programm)
    : m_datei(std::move(datei)), m_programm(std::move(programm)) {}

QString Meisterliste::meisterDatei(const QString& userPfad) {
    return userPfad + QStringLiteral("/Meister.sqlite");
}

QString Meisterliste::datumText(const QDate& tag) {
    QString s = QLocale(QLocale::German).toString(tag, QLocale::ShortFormat);
    s.removeIf([](QChar c) { return c.isSpace(); });
    return s;
}

QString Meisterliste::anzeigeName(const QString& name) {
    // Zeilenumbrüche im Namen brächten die Spalten der Liste durcheinander
    QString n = name;
    for (QChar& c : n)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    // nach Zeichen gekürzt, nicht nach UTF-16-Einheiten: kein halbes Zeichen am Ende
    const QList<uint> zeichen = n.trimmed().toUcs4();
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(zeichen.constData()),
                             std::min<qsizetype>(zeichen.size(), namenLaenge));
}

void Meisterliste::updateMeister(int nSpieler, const QStringList& SpielerName,
                                 std::span<const qint32> SpielerPunkte, const QDate& heute) const {
    if (nSpieler < 0 || nSpieler > SpielerName.size() || size_t(nSpieler) > SpielerPunkte.size())
        throw Laufzeitfehler(Laufzeitfehler::IndexAusserhalb,
                             QStringLiteral("Index außerhalb des gültigen Bereichs"),
                             QString::number(nSpieler));
    const QString datum = datumText(heute);
    for (int i = 0; i < nSpieler; ++i) {
        if (SpielerPunkte[size_t(i)] <= 0)
            continue;
        addMeisterEintrag({SpielerName[i], m_programm, datum, SpielerPunkte[size_t(i)]});
    }
}

void Meisterliste::addMeisterEintrag(const MeisterEintrag& eintrag) const {
    const auto db = oeffneMeisterDb(m_datei);
    // Schreiben und Löschen gehören zusammen: bricht etwas ab, bleibt die alte Liste
    db->fuehreAus(QStringLiteral("BEGIN IMMEDIATE"));
    const QString& programm = eintrag.Programm;
    if (zaehleMeisterEintraege(*db, programm) < hoechstensEintraege) {
        schreibeMeisterEintrag(*db, eintrag);
    } else if (niedrigstePunkte(*db, programm) < eintrag.Punkte) {
        schreibeMeisterEintrag(*db, eintrag);
        // Eine Liste, die schon zu lang war, wird dabei wieder auf 10 gekürzt.
        while (zaehleMeisterEintraege(*db, programm) > hoechstensEintraege)
            if (!loescheMeisterEintrag(*db, programm, niedrigstePunkte(*db, programm)))
                break;
    }
    db->fuehreAus(QStringLiteral("COMMIT"));
}

std::vector<MeisterEintrag> Meisterliste::meisterliste() const {
    const auto db = oeffneMeisterDb(m_datei);
    const auto zeilen = db->frage(
        QStringLiteral("SELECT Name, Programm, Datum, Punkte FROM Punkte WHERE Programm = ? AND "
                       "Punkte > 0 ORDER BY Punkte DESC, rowid LIMIT %1")
            .arg(hoechstensEintraege),
        {text(m_programm)});
    std::vector<MeisterEintrag> liste;
    liste.reserve(zeilen.size());
    for (const auto& z : zeilen)
        liste.push_back(
            {anzeigeName(z[0].alsText()), z[1].alsText(), z[2].alsText(), z[3].alsGanzzahl()});
    return liste;
}

long long Meisterliste::zaehleMeisterEintraege(Schreibzugriff& db, const QString& programm) {
    const auto z = db.frage(QStringLiteral("SELECT COUNT(*) FROM Punkte WHERE Programm = ?"),
                            {text(programm)});
    return z.at(0).at(0).alsGanzzahl();
}

// Das wahre Minimum: eine feste Obergrenze ließe eine Liste aus lauter hohen Punkten wachsen.
// Zeilen ohne Punkte zählen als 0 und gehen zuerst.
long long Meisterliste::niedrigstePunkte(Schreibzugriff& db, const QString& programm) {
    const auto z =
        db.frage(QStringLiteral("SELECT MIN(IFNULL(Punkte, 0)) FROM Punkte WHERE Programm = ?"),
                 {text(programm)});
    return z.at(0).at(0).alsGanzzahl();
}

void Meisterliste::schreibeMeisterEintrag(Schreibzugriff& db, const MeisterEintrag& eintrag) {
    db.fuehreAus(
        QStringLiteral("INSERT INTO Punkte (Name, Programm, Datum, Punkte) VALUES (?, ?, ?, ?)"),
        {text(eintrag.Name), text(eintrag.Programm), text(eintrag.Datum), zahl(eintrag.Punkte)});
}

bool Meisterliste::loescheMeisterEintrag(Schreibzugriff& db, const QString& programm,
                                         long long punkte) {
    return db.fuehreAus(QStringLiteral("DELETE FROM Punkte WHERE rowid = (SELECT rowid FROM Punkte "
                                       "WHERE Programm = ? AND IFNULL(Punkte, 0) = ? "
                                       "ORDER BY rowid LIMIT 1)"),
                        {text(programm), zahl(punkte)}) > 0;
}

} // namespace varku
