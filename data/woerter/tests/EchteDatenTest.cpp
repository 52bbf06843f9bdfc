#include "data/woerter/Pruefung.h"
#include "data/woerter/Quellen.h"

#include "data/woerter/tests/QtAusgabe.h"
#include <QDir>

#include <gtest/gtest.h>

using namespace varku;

// Die Wortdateien, Varku.tsp und bausteine.txt des Projekts bestehen die Prüfung.
TEST(EchteDaten, SindFehlerfrei) {
    const QDir ordner(VARKU_WORTORDNER);
    QStringList dateien;
    for (const QString& name : ordner.entryList({"seite*.txt"}, QDir::Files, QDir::Name))
        dateien.append(ordner.filePath(name));
    ASSERT_EQ(dateien.size(), 12);

    const Wortbestand b =
        pruefeWortbestand(ladeWortquellen(VARKU_TSP, VARKU_BAUSTEINLISTE, dateien));
    for (const Fehler& f : b.fehler)
        ADD_FAILURE() << alsMeldung(f).toStdString();
    EXPECT_EQ(b.kategorien.size(), 52);
    EXPECT_GE(b.woerter.size(), 52 * 20 / 3);

    QSet<QString> namen;
    for (const Worteintrag& e : b.woerter) {
        EXPECT_FALSE(namen.contains(e.waveDat.toLower())) << e.waveDat.toStdString();
        namen.insert(e.waveDat.toLower());
    }
}
