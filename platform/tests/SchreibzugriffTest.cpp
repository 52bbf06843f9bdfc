#include "platform/Schreibzugriff.h"
#include "platform/Laufzeitfehler.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::db;

namespace {
const QString schema = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS Punkte (Name TEXT, Programm TEXT, Datum TEXT, Punkte INTEGER);");
} // namespace

TEST(Schreibzugriff, LegtFehlendeDateiMitTabelleAn) {
    QTemporaryDir dir;
    const QString datei = dir.filePath("Meister.sqlite");
    {
        Schreibzugriff db(datei, schema);
        // Werte werden gebunden: ein Anführungszeichen im Namen ist nur ein Zeichen
        EXPECT_EQ(db.fuehreAus("INSERT INTO Punkte VALUES (?,?,?,?)",
                               {Wert::von(QString("O'Neill'); DROP TABLE Punkte;--")),
                                Wert::von(QString("Zirkomat")), Wert::von(QString("9.12.26")),
                                Wert::von(120.0)}),
                  1);
        db.fuehreAus("INSERT INTO Punkte VALUES (?,?,?,?)",
                     {Wert::von(QString("Anna")), Wert::von(QString("Dolmix")), Wert::null(),
                      Wert::von(7.0)});
    }
    EXPECT_TRUE(QFile::exists(datei));
    Schreibzugriff wieder(datei, schema); // vorhanden: nichts wird neu angelegt
    const auto zeilen =
        wieder.frage("SELECT Name, Punkte, Datum FROM Punkte WHERE Programm=? ORDER BY rowid",
                     {Wert::von(QString("Zirkomat"))});
    ASSERT_EQ(zeilen.size(), 1u);
    EXPECT_EQ(zeilen[0][0].alsText(), "O'Neill'); DROP TABLE Punkte;--");
    EXPECT_EQ(zeilen[0][1].alsGanzzahl(), 120);
    const auto alle = wieder.frage("SELECT Datum FROM Punkte ORDER BY rowid");
    ASSERT_EQ(alle.size(), 2u);
    EXPECT_TRUE(alle[1][0].istNull());
}

TEST(Schreibzugriff, FehlerNennenDieDatei) {
    QTemporaryDir dir;
    const QString kaputt = dir.filePath("kaputt.sqlite");
    QFile f(kaputt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    const QString ordnerFehlt = dir.filePath("fehlt/Meister.sqlite");
    for (const QString& datei : {kaputt, ordnerFehlt}) {
        try {
            Schreibzugriff db(datei, schema);
            ADD_FAILURE() << datei.toStdString();
        } catch (const Laufzeitfehler& e) {
            EXPECT_EQ(e.betrifft(), datei);
        }
    }
    Schreibzugriff db(dir.filePath("gut.sqlite"), schema);
    try {
        db.frage("SELECT * FROM Fehlt");
        FAIL();
    } catch (const Laufzeitfehler& e) {
        EXPECT_EQ(e.betrifft(), dir.filePath("gut.sqlite"));
        EXPECT_TRUE(e.text().contains("Fehlt"));
    }
}
