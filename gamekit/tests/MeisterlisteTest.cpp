#include "gamekit/Meisterliste.h"

#include "platform/Laufzeitfehler.h"
#include "platform/Schreibzugriff.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

using namespace varku;
using varku::db::Schreibzugriff;
using varku::db::Wert;

namespace {

const QString schema = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS Punkte (Name TEXT, Programm TEXT, Datum TEXT, Punkte INTEGER);");

struct Zeile {
    QString name;
    QString programm;
    qint64 punkte;
    bool operator==(const Zeile&) const = default;
};

void PrintTo(const Zeile& z, std::ostream* os) {
    *os << z.name.toStdString() << "/" << z.programm.toStdString() << "/" << z.punkte;
}

// Zeilen wie sie ein früheres Spiel hinterlassen hat, in dieser Reihenfolge
void legeAn(const QString& datei, const std::vector<Zeile>& zeilen) {
    Schreibzugriff db(datei, schema);
    db.fuehreAus("BEGIN");
    for (const Zeile& z : zeilen)
        db.fuehreAus("INSERT INTO Punkte VALUES (?, ?, ?, ?)",
                     {Wert::von(z.name), Wert::von(z.programm), Wert::von(QString("1.2.26")),
                      Wert::von(double(z.punkte))});
    db.fuehreAus("COMMIT");
}

std::vector<Zeile> inhalt(const QString& datei) {
    Schreibzugriff db(datei, schema);
    std::vector<Zeile> zeilen;
    for (const auto& z : db.frage("SELECT Name, Programm, Punkte FROM Punkte ORDER BY rowid"))
        zeilen.push_back({z[0].alsText(), z[1].alsText(), z[2].alsGanzzahl()});
    return zeilen;
}

// n Zeilen des Spiels "Z" mit den Punkten ab, ab + schritt, ...
std::vector<Zeile> reihe(int n, qint64 ab, qint64 schritt = 10) {
    std::vector<Zeile> zeilen;
    for (int i = 0; i < n; ++i)
        zeilen.push_back({QString("S%1").arg(i), "Z", ab + i * schritt});
    return zeilen;
}

std::vector<Zeile> ohne(std::vector<Zeile> zeilen, size_t index) {
    zeilen.erase(zeilen.begin() + std::ptrdiff_t(index));
    return zeilen;
}

std::vector<Zeile> plus(std::vector<Zeile> zeilen, const std::vector<Zeile>& dazu) {
    zeilen.insert(zeilen.end(), dazu.begin(), dazu.end());
    return zeilen;
}

struct MeisterFixture : ::testing::Test {
    QTemporaryDir dir;
    QString datei = Meisterliste::meisterDatei(dir.filePath("User"));
    Meisterliste liste{datei, "Z"};

    void SetUp() override { QDir().mkpath(dir.filePath("User")); }
};

} // namespace

TEST_F(MeisterFixture, EintragVerdraengtDieNiedrigsteZeile) {
    const Zeile neu5{"Neu", "Z", 5}, neu6{"Neu", "Z", 6};
    const auto zehnAb5 = reihe(10, 5);                      // 5, 15, ... 95
    const auto gleich = plus(reihe(2, 5, 0), reihe(8, 20)); // S0 und S1 mit 5
    const auto hoch = reihe(10, 100001, 1);                 // alle über 100000
    const auto fremd = std::vector<Zeile>{{"F1", "Dolmix", 1}, {"F2", "Dolmix", 2}};
    const auto zwoelf = reihe(12, 100); // zu lang geworden
    struct Fall {
        const char* name;
        std::vector<Zeile> vorher;
        Zeile neu;
        std::vector<Zeile> nachher;
    };
    const Fall faelle[] = {
        {"9 Zeilen: jeder Eintrag kommt dazu", reihe(9, 50), neu5, plus(reihe(9, 50), {neu5})},
        {"leere Liste", {}, neu5, {neu5}},
        {"10 Zeilen, nur gleich der niedrigsten: nicht eingetragen", zehnAb5, neu5, zehnAb5},
        {"10 Zeilen, eins mehr als die niedrigste: ersetzt sie", zehnAb5, neu6,
         plus(ohne(zehnAb5, 0), {neu6})},
        {"zwei niedrigste: nur die erste geht", gleich, neu6, plus(ohne(gleich, 0), {neu6})},
        {"alle über 100000: die niedrigste geht trotzdem",
         hoch,
         {"Neu", "Z", 200000},
         plus(ohne(hoch, 0), {{"Neu", "Z", 200000}})},
        {"fremde Zeilen zählen nicht mit", plus(fremd, reihe(9, 50)), neu5,
         plus(plus(fremd, reihe(9, 50)), {neu5})},
        {"fremde niedrigere Zeilen werden nicht gelöscht", plus(fremd, zehnAb5), neu6,
         plus(plus(fremd, ohne(zehnAb5, 0)), {neu6})},
        {"fremde Einträge verdrängen nichts von Z",
         zehnAb5,
         {"F", "Dolmix", 1},
         plus(zehnAb5, {{"F", "Dolmix", 1}})},
        {"zu lange Liste wird auf 10 gekürzt",
         zwoelf,
         {"Neu", "Z", 1000},
         plus(ohne(ohne(ohne(zwoelf, 0), 0), 0), {{"Neu", "Z", 1000}})},
        {"Zeile mit 0 Punkten zählt mit und geht zuerst", plus(reihe(9, 50), {{"Leer", "Z", 0}}),
         neu5, plus(reihe(9, 50), {neu5})},
    };
    for (const Fall& f : faelle) {
        QFile::remove(datei);
        legeAn(datei, f.vorher);
        liste.addMeisterEintrag({f.neu.name, f.neu.programm, "3.4.26", f.neu.punkte});
        EXPECT_EQ(inhalt(datei), f.nachher) << f.name;
    }
}

TEST_F(MeisterFixture, ZeileMitNullPunktenGehtZuerst) {
    auto vorher = reihe(9, 50);
    legeAn(datei, vorher);
    {
        Schreibzugriff db(datei, schema);
        db.fuehreAus("INSERT INTO Punkte VALUES ('Leer', 'Z', NULL, NULL)");
    }
    liste.addMeisterEintrag({"Neu", "Z", "3.4.26", 1});
    EXPECT_EQ(inhalt(datei), plus(vorher, {{"Neu", "Z", 1}}));
}

TEST_F(MeisterFixture, UpdateMeisterTraegtSpielerMitPunktenEin) {
    const QStringList namen{"Anna", "Ben", "Computer", "Dora", "Emil"};
    const qint32 punkte[] = {12, 0, 7, -3, 40};
    struct Fall {
        const char* name;
        int nSpieler;
        std::vector<Zeile> nachher;
    };
    const Fall faelle[] = {
        {"ohne Punkte und mit Minuspunkten nicht", 4, {{"Anna", "Z", 12}, {"Computer", "Z", 7}}},
        {"nur die ersten nSpieler", 1, {{"Anna", "Z", 12}}},
        {"alle fünf", 5, {{"Anna", "Z", 12}, {"Computer", "Z", 7}, {"Emil", "Z", 40}}},
        {"keiner", 0, {}},
    };
    for (const Fall& f : faelle) {
        QFile::remove(datei);
        liste.updateMeister(f.nSpieler, namen, punkte, QDate(2026, 12, 9));
        EXPECT_EQ(inhalt(datei), f.nachher) << f.name;
    }
    Schreibzugriff db(datei, schema);
    for (const auto& z : db.frage("SELECT Datum FROM Punkte"))
        EXPECT_EQ(z[0].alsText(), "09.12.26");

    for (int n : {-1, 6}) {
        try {
            liste.updateMeister(n, namen, punkte, QDate(2026, 12, 9));
            ADD_FAILURE() << n;
        } catch (const Laufzeitfehler& e) {
            EXPECT_EQ(e.nummer(), Laufzeitfehler::IndexAusserhalb) << n;
        }
    }
}

TEST(Meisterliste, DatumUndName) {
    EXPECT_EQ(Meisterliste::datumText(QDate(2026, 12, 9)), "09.12.26");
    EXPECT_EQ(Meisterliste::datumText(QDate(2031, 1, 31)), "31.01.31");
    struct Fall {
        QString name, gezeigt;
    };
    const Fall faelle[] = {
        {"  Anna  ", "Anna"},
        {"Abcdefghijklmnopqrstuvwxy", "Abcdefghijklmnopqr"}, // 25 Zeichen: die ersten 18
        {"   Abcdefghijklmnopqrstu", "Abcdefghijklmnopqr"},  // erst ohne Leerzeichen, dann 18
        {"Jürgen-Österreicher-Müller", "Jürgen-Österreiche"},
        {QString(17, 'a') + QString::fromUtf8("😀b"), QString(17, 'a') + QString::fromUtf8("😀")},
        {"Ann\na\r", "Ann a"}, // kein Umbruch in der Spalte
        {"", ""},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Meisterliste::anzeigeName(f.name), f.gezeigt) << f.name.toStdString();
}

TEST_F(MeisterFixture, ListeZumZeigen) {
    legeAn(datei, {{"Ben", "Z", 20},
                   {"Fremd", "Dolmix", 99},
                   {"Null", "Z", 0},
                   {"Minus", "Z", -4},
                   {"  Abcdefghijklmnopqrstuvwxy ", "Z", 35},
                   {"Cem", "Z", 20}});
    const auto l = liste.meisterliste();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0].Name, "Abcdefghijklmnopqr");
    EXPECT_EQ(l[0].Punkte, 35);
    EXPECT_EQ(l[0].Datum, "1.2.26");
    EXPECT_EQ(l[1].Name, "Ben") << "gleiche Punkte in Tabellenreihenfolge";
    EXPECT_EQ(l[2].Name, "Cem");

    // eine zu lange Liste zeigt nur die besten 10
    QFile::remove(datei);
    legeAn(datei, reihe(12, 1));
    const auto zehn = liste.meisterliste();
    ASSERT_EQ(zehn.size(), 10u);
    EXPECT_EQ(zehn.front().Punkte, 111);
    EXPECT_EQ(zehn.back().Punkte, 21);
}

// Von Hand bearbeitet oder beschädigt: Punkte als Text, mit Nachkommastellen oder riesig.
// Gezeigt und verdrängt wird nach den Punkten, wie die Liste sie zeigt.
TEST_F(MeisterFixture, FremdeWerteInDerPunktespalte) {
    {
        Schreibzugriff db(datei, schema);
        db.fuehreAus("INSERT INTO Punkte VALUES ('Text', 'Z', 'd', 'viel')");
        db.fuehreAus("INSERT INTO Punkte VALUES ('Klein', 'Z', 'd', 0.4)");
        db.fuehreAus("INSERT INTO Punkte VALUES ('Riesig', 'Z', 'd', 1e300)");
        for (int i = 1; i <= 8; ++i)
            db.fuehreAus(QString("INSERT INTO Punkte VALUES ('K%1', 'Z', 'd', %1.5)").arg(i));
    }
    const auto l = liste.meisterliste();
    ASSERT_EQ(l.size(), 9u) << "Text und 0.4 zeigen 0 Punkte";
    EXPECT_EQ(l[0].Name, "Riesig");
    EXPECT_EQ(l[0].Punkte, std::numeric_limits<qint64>::max()) << "nicht negativ";
    EXPECT_EQ(l[1].Punkte, 9);
    EXPECT_EQ(l.back().Punkte, 2);

    // 11 Zeilen: der neue Eintrag schlägt die gezeigten 0 Punkte, beide gehen
    liste.addMeisterEintrag({"Neu", "Z", "3.4.26", 5});
    QStringList namen;
    for (const Zeile& z : inhalt(datei))
        namen << z.name;
    EXPECT_EQ(namen,
              (QStringList{"Riesig", "K1", "K2", "K3", "K4", "K5", "K6", "K7", "K8", "Neu"}));
}

TEST_F(MeisterFixture, FehlendeDateiWirdMitTabelleAngelegt) {
    QDir(dir.filePath("User")).removeRecursively(); // auch der Ordner fehlt
    EXPECT_TRUE(liste.meisterliste().empty());
    EXPECT_FALSE(QFile::exists(datei)) << "Lesen legt nichts an";
    // ein früher abgebrochenes Anlegen ließ seine halbe Datei liegen
    QDir().mkpath(dir.filePath("User"));
    QFile halb(datei + ".neu");
    ASSERT_TRUE(halb.open(QIODevice::WriteOnly));
    halb.close();
    liste.addMeisterEintrag({"Anna", "Z", "3.4.26", 12});
    EXPECT_EQ(inhalt(datei), (std::vector<Zeile>{{"Anna", "Z", 12}}));
    EXPECT_EQ(QDir(dir.filePath("User")).entryList(QDir::Files), QStringList{"Meister.sqlite"});
}

// Eine Datei ohne Tabelle (ein Abbruch beim Anlegen, ehe es in einem Schritt geschah) ist eine
// leere Liste, und Lesen ändert sie nicht; das nächste Spielende legt die Tabelle mit an.
TEST_F(MeisterFixture, DateiOhneTabelleIstEineLeereListe) {
    struct Fall {
        const char* name;
        const char* schema;
    };
    const Fall faelle[] = {{"leere Datei", nullptr},
                           {"nur eine andere Tabelle", "CREATE TABLE Andere (X TEXT);"}};
    for (const Fall& f : faelle) {
        QFile::remove(datei);
        if (f.schema) {
            Schreibzugriff db(datei, f.schema);
        } else {
            QFile leer(datei);
            ASSERT_TRUE(leer.open(QIODevice::WriteOnly));
        }
        QFile d(datei);
        ASSERT_TRUE(d.open(QIODevice::ReadOnly));
        const QByteArray vorher = d.readAll();
        d.close();
        EXPECT_TRUE(liste.meisterliste().empty()) << f.name;
        ASSERT_TRUE(d.open(QIODevice::ReadOnly));
        EXPECT_EQ(d.readAll(), vorher) << f.name;
        d.close();
        const QStringList namen{"Anna", "Ben"};
        const qint32 punkte[] = {12, 7};
        liste.updateMeister(2, namen, punkte, QDate(2026, 1, 1));
        EXPECT_EQ(inhalt(datei), (std::vector<Zeile>{{"Anna", "Z", 12}, {"Ben", "Z", 7}}))
            << f.name;
    }
}

// Ein Spielende ist ein Schritt: scheitert der Eintrag eines Spielers, bleibt auch keiner der
// anderen stehen.
TEST_F(MeisterFixture, SpielendeGanzOderGarNicht) {
    legeAn(datei, reihe(2, 50));
    {
        Schreibzugriff db(datei, schema);
        db.fuehreAus("CREATE TRIGGER ohneBen BEFORE INSERT ON Punkte WHEN NEW.Name = 'Ben' "
                     "BEGIN SELECT RAISE(ABORT, 'gesperrt'); END;");
    }
    const QStringList namen{"Anna", "Ben", "Cem"};
    const qint32 punkte[] = {12, 7, 9};
    EXPECT_THROW(liste.updateMeister(3, namen, punkte, QDate(2026, 1, 1)), Laufzeitfehler);
    EXPECT_EQ(inhalt(datei), reihe(2, 50)) << "Anna kam nicht allein hinein";
}

TEST_F(MeisterFixture, KaputteDateiGibtLaufzeitfehlerUndBleibt) {
    const QByteArray muell(4096, 'x');
    QString tabelleOhneSpalten = dir.filePath("User/Fremd.sqlite");
    { Schreibzugriff db(tabelleOhneSpalten, "CREATE TABLE Punkte (X TEXT);"); }
    struct Fall {
        const char* name;
        QString datei;
    };
    const Fall faelle[] = {
        {"keine SQLite-Datei", datei},
        {"Tabelle ohne die Spalten", tabelleOhneSpalten},
        {"ein Ordner statt der Datei", dir.filePath("User/Ordner.sqlite")},
    };
    {
        QFile f(datei);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(muell);
    }
    QDir().mkpath(dir.filePath("User/Ordner.sqlite"));
    for (const Fall& f : faelle) {
        const Meisterliste l(f.datei, "Z");
        const auto pruefe = [&](auto&& aufruf, const char* was) {
            try {
                aufruf();
                ADD_FAILURE() << f.name << ", " << was;
            } catch (const Laufzeitfehler& e) {
                EXPECT_EQ(e.betrifft(), f.datei) << f.name << ", " << was;
            }
        };
        pruefe([&] { l.addMeisterEintrag({"Anna", "Z", "3.4.26", 12}); }, "Eintrag");
        pruefe([&] { l.meisterliste(); }, "Liste");
        const QStringList namen{"Anna"};
        const qint32 punkte[] = {12};
        pruefe([&] { l.updateMeister(1, namen, punkte, QDate(2026, 1, 1)); }, "Spielende");
    }
    // die kaputte Datei ist nicht überschrieben
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), muell);
}
