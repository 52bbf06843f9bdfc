#include "data/woerter/Sprachliste.h"

#include "data/woerter/tests/QtAusgabe.h"
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace varku;

namespace {

Worteintrag eintrag(const QString& wort, const QString& kontext, const QString& transkr,
                    const QString& wave) {
    Worteintrag e;
    e.wort = wort;
    e.kontext = kontext;
    e.wortTranskr = transkr;
    e.waveDat = wave;
    e.satzTranskr = "Wird nie gesprochen.";
    return e;
}

} // namespace

TEST(Sprachliste, Zeilen) {
    struct Fall {
        Worteintrag e;
        QByteArray zeile;
    };
    const Fall faelle[] = {
        {eintrag("alle", "-", "", "alle"), "alle\talle\n"},
        {eintrag("Fuchs", "der", "Fucks", "Fuchs"), "Fuchs\tder Fucks\n"},
        {eintrag("Ärger", "der", "", "Aerger"), "Aerger\tder \xC3\x84rger\n"},
        {eintrag("Essen", "das", "", "Essen_12"), "Essen_12\tdas Essen\n"},
    };
    QList<Worteintrag> alle;
    QByteArray erwartet;
    for (const Fall& f : faelle) {
        EXPECT_EQ(sprachliste({f.e}), f.zeile) << f.e.wort.toStdString();
        alle.append(f.e);
        erwartet += f.zeile;
    }
    EXPECT_EQ(sprachliste(alle), erwartet);

    QTemporaryDir ordner;
    const QString ziel = ordner.filePath("sprachliste.txt");
    ASSERT_EQ(schreibeSprachliste(ziel, alle), QString());
    QFile datei(ziel);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), erwartet);
    EXPECT_FALSE(schreibeSprachliste(ordner.filePath("fehlt/liste.txt"), alle).isEmpty());
}
