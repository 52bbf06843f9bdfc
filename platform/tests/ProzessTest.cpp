#include "platform/EchterProzess.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace varku;

// Das Kind bekommt genau ein Argument, mit Anführungszeichen, Semikolons und Leerzeichen, so
// wie es übergeben wurde: keine Shell zerlegt es.
TEST(Prozess, EinArgumentGenauSoWieGegeben) {
    QTemporaryDir dir;
    const QString datei = dir.filePath("argumente.txt");
    const QString argument =
        "\"Version=4;RuvoFeldName=LIP_;nSpieler=2;Gast 1;Gast 2;$(rm -rf x);`id`;*;\"";
    EchterProzess p;
    // sh ist hier das Programm selbst, das seine Argumente aufschreibt
    ASSERT_TRUE(p.starteUndWarte("/bin/sh",
                                 {"-c", "printf '%s\\n' \"$#\" \"$1\" > \"$0\"", datei, argument}));
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList zeilen = QString::fromUtf8(f.readAll()).split('\n');
    ASSERT_GE(zeilen.size(), 2);
    EXPECT_EQ(zeilen[0], "1");
    EXPECT_EQ(zeilen[1], argument);
}

TEST(Prozess, FehlendesProgrammKehrtSofortZurueck) {
    EchterProzess p;
    EXPECT_FALSE(p.starteUndWarte("/nicht/da/Zirkomat", {"\"Version=4;\""}));
    // ein Programm, das sofort endet, wird zu Ende gewartet
    EXPECT_TRUE(p.starteUndWarte("/bin/true", {}));
}

// Wer während des Wartens ein Fenster anklickt oder aktiviert, meint das gestartete Programm: es
// wird mit seiner Prozessnummer nach vorn gerufen. Nach dem Warten ruft nichts mehr.
TEST(Prozess, GriffWaehrendDesWartensHoltDasProgramm) {
    std::vector<qint64> gerufen;
    EchterProzess p([&](qint64 nummer) { gerufen.push_back(nummer); });
    QObject fenster;
    const auto aktiviere = [&] {
        QEvent aktiv(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&fenster, &aktiv);
    };
    QTimer::singleShot(100, aktiviere);
    ASSERT_TRUE(p.starteUndWarte("/bin/sleep", {"0.5"}));
    ASSERT_EQ(gerufen.size(), 1u);
    EXPECT_GT(gerufen[0], 0);
    aktiviere();
    EXPECT_EQ(gerufen.size(), 1u);
}
