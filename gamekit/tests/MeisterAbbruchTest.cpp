// Ein Spiel wird 120-mal mit SIGKILL beendet, während es Spielenden in die Meisterliste trägt:
// jedes zweite Mal, sobald die Datei da ist, sonst nach ein paar Spielenden zu einer zufälligen
// Zeit. Steht die Datei da, hat sie ihre Tabelle, und jedes Spielende steht ganz darin oder gar
// nicht. Gewartet wird auf das, was geschieht, nicht auf eine Zeit: auch eine ausgelastete
// Maschine prüft so jeden Fall.
#include "platform/Schreibzugriff.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <map>
#include <random>

using namespace varku;
using varku::db::Schreibzugriff;

TEST(MeisterAbbruch, JedesSpielendeGanzOderGarNicht) {
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("User/Meister.sqlite");
    std::mt19937 zufall(20261211);
    int angelegt = 0, eingetragen = 0;
    for (int lauf = 0; lauf < 120; ++lauf) {
        const bool neu = lauf % 2 == 0;
        if (neu)
            QDir(ordner.filePath("User")).removeRecursively();
        QProcess p;
        p.start(QStringLiteral(VARKU_MEISTER_SPIELER), {datei, QString("Lauf %1").arg(lauf)});
        ASSERT_TRUE(p.waitForStarted(5000));
        ASSERT_TRUE(p.waitForReadyRead(5000));
        if (neu) {
            // gleich nach dem Anlegen
            QElapsedTimer t;
            t.start();
            while (!QFile::exists(datei) && t.elapsed() < 5000)
                QThread::usleep(50);
        } else {
            // nach ein bis drei Spielenden, dann mitten im nächsten
            const int fertig = std::uniform_int_distribution<int>(1, 3)(zufall);
            int zeilen = -1; // "los" zählt nicht
            while (zeilen < fertig && p.state() == QProcess::Running) {
                while (p.canReadLine() && zeilen < fertig) {
                    p.readLine();
                    ++zeilen;
                }
                if (zeilen < fertig)
                    p.waitForReadyRead(5000);
            }
            QThread::usleep(std::uniform_int_distribution<int>(0, 5000)(zufall));
        }
        p.kill();
        ASSERT_TRUE(p.waitForFinished(5000));
        if (!QFile::exists(datei))
            continue;
        angelegt += neu ? 1 : 0;
        // öffnen holt ein offenes Journal nach, wie es das nächste Spiel täte
        Schreibzugriff db(datei, QString());
        ASSERT_FALSE(
            db.frage("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'Punkte'")
                .empty())
            << "Lauf " << lauf << ": die Datei ohne ihre Tabelle";
        std::map<QString, QStringList> spiele;
        for (const auto& z : db.frage("SELECT Programm, Name FROM Punkte ORDER BY rowid"))
            spiele[z[0].alsText()] << z[1].alsText();
        for (const auto& [spiel, namen] : spiele) {
            ASSERT_EQ(namen, (QStringList{"Gast 1", "Gast 2", "Gast 3"}))
                << "Lauf " << lauf << ", " << spiel.toStdString();
            eingetragen += spiel.startsWith(QString("Lauf %1 ").arg(lauf)) ? 1 : 0;
        }
    }
    EXPECT_EQ(angelegt, 60) << "jeder frische Lauf legte die Datei an";
    EXPECT_GE(eingetragen, 60) << "jeder andere Lauf trug Spielenden ein";
}
