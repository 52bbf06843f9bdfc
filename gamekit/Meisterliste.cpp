#include "gamekit/Meisterliste.h"

#include "platform/Laufzeitfehler.h"
#include "platform/Schreibzugriff.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <memory>
#include <optional>

namespace varku {

using db::Schreibzugriff;
using db::Wert;

namespace {

const QString tabelle = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS Punkte (Name TEXT, Programm TEXT, Datum TEXT, Punkte INTEGER);");

[[noreturn]] void nichtAnlegbar(const QString& datei) {
    throw Laufzeitfehler(3049, QStringLiteral("Datenbank kann nicht angelegt werden"), datei);
}

// Fehlt die Datei (oder ihr Ordner), entsteht sie mit ihrer Tabelle in einem Schritt: unter
// einem eigenen Namen angelegt, dann umbenannt. Ein Abbruch dazwischen lässt keine Datei ohne
// Tabelle zurück, höchstens die halbe neue, die der nächste Versuch ersetzt. So verliert ein
// Spielende kein Ergebnis.
void legeMeisterDbAn(const QString& datei) {
    if (QFileInfo::exists(datei))
        return;
    QDir().mkpath(QFileInfo(datei).absolutePath());
    const QString neu = datei + QStringLiteral(".neu");
    for (const QString& rest : {neu, neu + QStringLiteral("-journal")})
        if (QFileInfo::exists(rest) && !QFile::remove(rest))
            nichtAnlegbar(datei);
    try {
        const Schreibzugriff db(neu, tabelle);
    } catch (const Laufzeitfehler& f) {
        QFile::remove(neu);
        throw Laufzeitfehler(f.nummer(), f.text(), datei);
    }
    // umbenannt wird nur, wo noch keine Datei steht; kam eine andere zuvor, gilt sie
    if (!QFile::rename(neu, datei)) {
        QFile::remove(neu);
        if (!QFileInfo::exists(datei))
            nichtAnlegbar(datei);
    }
}

std::unique_ptr<Schreibzugriff> oeffneMeisterDb(const QString& datei) {
    legeMeisterDbAn(datei);
    return std::make_unique<Schreibzugriff>(datei, QString());
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
    std::vector<MeisterEintrag> eintraege;
    for (int i = 0; i < nSpieler; ++i)
        if (SpielerPunkte[size_t(i)] > 0)
            eintraege.push_back({SpielerName[i], m_programm, datum, SpielerPunkte[size_t(i)]});
    if (!eintraege.empty())
        trageEin(eintraege);
}

void Meisterliste::addMeisterEintrag(const MeisterEintrag& eintrag) const {
    trageEin({&eintrag, 1});
}

void Meisterliste::trageEin(std::span<const MeisterEintrag> eintraege) const {
    const auto db = oeffneMeisterDb(m_datei);
    // Ein Spielende ist ein Schritt: bricht etwas ab, bleibt die alte Liste ganz, mit keinem
    // Spieler mehr und keinem weniger. Fehlt einer Datei die Tabelle, kommt sie im selben Schritt.
    db->fuehreAus(QStringLiteral("BEGIN IMMEDIATE"));
    db->fuehreAus(tabelle);
    for (const MeisterEintrag& eintrag : eintraege) {
        const QString& programm = eintrag.Programm;
        if (zaehleMeisterEintraege(*db, programm) < hoechstensEintraege) {
            schreibeMeisterEintrag(*db, eintrag);
        } else if (niedrigstePunkte(*db, programm) < eintrag.Punkte) {
            schreibeMeisterEintrag(*db, eintrag);
            // Eine Liste, die schon zu lang war, wird dabei wieder auf 10 gekürzt.
            while (zaehleMeisterEintraege(*db, programm) > hoechstensEintraege)
                if (!loescheNiedrigstenEintrag(*db, programm))
                    break;
        }
    }
    db->fuehreAus(QStringLiteral("COMMIT"));
}

std::vector<MeisterEintrag> Meisterliste::meisterliste() const {
    // Lesen legt nichts an: ohne Datei oder ohne Tabelle ist die Liste leer
    if (!QFileInfo::exists(m_datei))
        return {};
    const auto db = std::make_unique<Schreibzugriff>(m_datei, QString());
    if (db->frage(
              QStringLiteral("SELECT 1 FROM sqlite_master WHERE name = 'Punkte' COLLATE NOCASE"))
            .empty())
        return {};
    // Gewählt und geordnet wird nach den Punkten, wie die Liste sie zeigt: SQLite hielte einen
    // Text für mehr als jede Zahl und 0.4 für mehr als 0, gezeigt würden beide als 0.
    const auto zeilen = db->frage(QStringLiteral("SELECT Name, Programm, Datum, Punkte FROM "
                                                 "Punkte WHERE Programm = ? ORDER BY rowid"),
                                  {text(m_programm)});
    std::vector<MeisterEintrag> liste;
    for (const auto& z : zeilen) {
        const long long punkte = z[3].alsGanzzahl();
        if (punkte > 0)
            liste.push_back({anzeigeName(z[0].alsText()), z[1].alsText(), z[2].alsText(), punkte});
    }
    // gleiche Punkte in Tabellenreihenfolge
    std::stable_sort(
        liste.begin(), liste.end(),
        [](const MeisterEintrag& a, const MeisterEintrag& b) { return a.Punkte > b.Punkte; });
    if (liste.size() > size_t(hoechstensEintraege))
        liste.resize(size_t(hoechstensEintraege));
    return liste;
}

long long Meisterliste::zaehleMeisterEintraege(Schreibzugriff& db, const QString& programm) {
    const auto z = db.frage(QStringLiteral("SELECT COUNT(*) FROM Punkte WHERE Programm = ?"),
                            {text(programm)});
    return z.at(0).at(0).alsGanzzahl();
}

namespace {

struct Zeilenpunkte {
    Wert rowid; // als Text: eine große rowid bliebe als Gleitkommazahl nicht genau
    long long punkte = 0;
};

// Die erste Zeile des Programms (nach rowid) mit den wenigsten Punkten, wie die Liste sie
// zeigt: SQLite hielte einen Text für mehr als jede Zahl, und eine Zeile mit 2.5 fände sich
// über die gerundete Zahl nicht wieder. Zeilen ohne Punkte zählen als 0.
std::optional<Zeilenpunkte> niedrigsteZeile(Schreibzugriff& db, const QString& programm) {
    std::optional<Zeilenpunkte> niedrigste;
    for (const auto& z :
         db.frage(QStringLiteral("SELECT CAST(rowid AS TEXT), Punkte FROM Punkte WHERE "
                                 "Programm = ? ORDER BY rowid"),
                  {text(programm)})) {
        const long long punkte = z[1].alsGanzzahl();
        if (!niedrigste || punkte < niedrigste->punkte)
            niedrigste = Zeilenpunkte{z[0], punkte};
    }
    return niedrigste;
}

} // namespace

// Das wahre Minimum: eine feste Obergrenze ließe eine Liste aus lauter hohen Punkten wachsen.
// Zeilen ohne Punkte zählen als 0 und gehen zuerst.
long long Meisterliste::niedrigstePunkte(Schreibzugriff& db, const QString& programm) {
    const std::optional<Zeilenpunkte> z = niedrigsteZeile(db, programm);
    return z ? z->punkte : 0;
}

void Meisterliste::schreibeMeisterEintrag(Schreibzugriff& db, const MeisterEintrag& eintrag) {
    db.fuehreAus(
        QStringLiteral("INSERT INTO Punkte (Name, Programm, Datum, Punkte) VALUES (?, ?, ?, ?)"),
        {text(eintrag.Name), text(eintrag.Programm), text(eintrag.Datum), zahl(eintrag.Punkte)});
}

bool Meisterliste::loescheNiedrigstenEintrag(Schreibzugriff& db, const QString& programm) {
    const std::optional<Zeilenpunkte> z = niedrigsteZeile(db, programm);
    return z && db.fuehreAus(QStringLiteral("DELETE FROM Punkte WHERE rowid = CAST(? AS INTEGER)"),
                             {z->rowid}) > 0;
}

} // namespace varku
