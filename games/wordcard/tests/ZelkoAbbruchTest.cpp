// Zelko wird 200-mal zu einer zufälligen Zeit mit SIGKILL beendet, während es antwortet: jede
// Protokolldatei bleibt ganz. Die Zeilen des Rahmens davor bleiben, wie sie waren, nur ganze
// Zeilen kommen dazu, und das Lesen, das auch der Ausdruck von VARKU nimmt, liest jede.
#include "foundation/Protokolldatei.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"

#include <QDir>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>
#include <random>

using namespace varku;
using namespace varku::test;

TEST(ZelkoAbbruch, ProtokolleBleibenGanz) {
    TestOrdner ordner;
    ordner.schreibe("Varku.tsp", ">>> Seite,-\nTiere,KAT1\nAndere,KAT2\n");
    ordner.schreibe("Varku.kmp", "KAT1,KAT1=TRUE,KAT2,KAT2=TRUE,0:0,\"ä:e,äu:eu\",Tipp\r\n");
    ordner.schreibe("Varku.ini", "[Zelko]\nTonEinschalten=0\n[Spiele]\nMaximaleSpielDauer=30\n");
    legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                 {{1, "Bär", "der", 2, false, true, false, "Der @ brummt.", ""},
                  {2, "Hexe", "die", 1, false, false, true, "", ""}});
    QDir().mkpath(ordner.pfad("User"));
    const QStringList staemme{"AAAAAAAA", "BBBBBBBB"};
    for (const QString& s : staemme)
        ordner.schreibe("User/" + s + ".tmp", "5= OK\r\n7= Hunt\r\n");
    const QString zeile = "\"Version=4;RuvoFeldName=KAT1;nSpieler=2;Anna;Ben;AAAAAAAA;BBBBBBBB;\"";

    std::mt19937 zufall(20261211);
    int bereit = 0;
    for (int lauf = 0; lauf < 200; ++lauf) {
        QByteArray vorher[2];
        for (int i = 0; i < 2; ++i)
            vorher[i] = ordner.lies("User/" + staemme[i] + ".tmp");
        QProcess p;
        p.start(QStringLiteral(VARKU_ZELKO_SPIELER), {ordner.pfad(), zeile});
        ASSERT_TRUE(p.waitForStarted(5000));
        // die Hälfte irgendwann nach dem Start, die andere Hälfte mitten im Antworten
        if (lauf % 2 == 1 && p.waitForReadyRead(5000))
            ++bereit;
        QThread::usleep(std::uniform_int_distribution<int>(0, lauf % 2 ? 20000 : 150000)(zufall));
        p.kill();
        ASSERT_TRUE(p.waitForFinished(5000));
        for (int i = 0; i < 2; ++i) {
            const QByteArray jetzt = ordner.lies("User/" + staemme[i] + ".tmp");
            ASSERT_TRUE(jetzt.startsWith(vorher[i])) << "Lauf " << lauf;
            ASSERT_TRUE(jetzt.endsWith("\r\n"))
                << "Lauf " << lauf << ": " << jetzt.right(20).toStdString();
            const auto eintraege = leseProtokollAus(jetzt);
            ASSERT_EQ(qsizetype(eintraege.size()), jetzt.count("\r\n")) << "Lauf " << lauf;
            for (size_t e = 2; e < eintraege.size(); ++e) {
                const Protokolleintrag& x = eintraege[e];
                ASSERT_TRUE(x.refNr == 1 || x.refNr == 2) << "Lauf " << lauf;
                ASSERT_TRUE(x.richtig || x.eingabe == "Ber" || x.eingabe == "Häxe" ||
                            x.eingabe == "Beur" || x.eingabe == "Häuxe")
                    << x.eingabe.toStdString();
            }
        }
    }
    EXPECT_GT(bereit, 50) << "die meisten Abbrüche trafen ein antwortendes Spiel";
    // es wurde wirklich geschrieben, und jede Zeile ist ein Eintrag
    for (const QString& s : staemme) {
        const QByteArray bytes = ordner.lies("User/" + s + ".tmp");
        EXPECT_EQ(qsizetype(leseProtokoll(protokollPfad(ordner.pfad("User"), s)).size()),
                  bytes.count("\r\n"));
        EXPECT_GT(bytes.count("\r\n"), 20);
    }
}
