// Bretter aus der ausgelieferten Wortdatenbank, für jede Kategorie mit mehreren Zufallsfolgen:
// was auf dem Brett liegt, liest sich als Kreuzworträtsel.
#include "foundation/Schwerpunktliste.h"
#include "foundation/Texte.h"
#include "foundation/Wortzugang.h"
#include "games/crossword/Kreuzwortgitter.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <gtest/gtest.h>
#include <random>

using namespace varku;
using namespace varku::wendomar;

namespace {

std::pair<int, int> zelle(const GelegtesWort& w, int k) {
    return w.richtung == waagrecht ? std::pair{w.spalte + k, w.zeile}
                                   : std::pair{w.spalte, w.zeile + k};
}

bool aufDemBrett(std::pair<int, int> z) {
    return z.first >= 1 && z.first <= gitterSpalten && z.second >= 1 && z.second <= gitterZeilen;
}

} // namespace

TEST(Bretter, JedesWortLiestSichImGitter) {
    const QDir ordner(QStringLiteral(VARKU_PROGRAMMORDNER));
    if (!QFileInfo::exists(ordner.filePath(QStringLiteral("Varku-D.sqlite"))))
        GTEST_SKIP() << "ohne gebaute Wortdatenbank";
    const SchwerpunktDatei tsp = leseSchwerpunktDatei(ordner.filePath(QStringLiteral("Varku.tsp")));
    Wortzugang zugang;
    zugang.oeffneWortDatenbank(ordner.filePath(QStringLiteral("Varku-D.sqlite")), {});
    int bretter = 0, woerterGesamt = 0;
    for (const QString& code : tsp.codes)
        for (const bool gws : {false, true})
            for (unsigned samen = 1; samen <= 4; ++samen) {
                if (zugang.setzeWortFilter(code, gws, hoechstensBuchstaben) == 0)
                    continue;
                SCOPED_TRACE(QStringLiteral("%1 GWS %2 Samen %3")
                                 .arg(code)
                                 .arg(gws)
                                 .arg(samen)
                                 .toStdString());
                std::mt19937 zufall(samen);
                Kreuzwortgitter g(zugang.rdb(), [&](int von, int bis) {
                    return std::uniform_int_distribution<int>(von, bis)(zufall);
                });
                const std::vector<GelegtesWort> woerter = legeGanzesBrett(g);
                ASSERT_FALSE(woerter.empty());
                ++bretter;
                woerterGesamt += int(woerter.size());
                const std::string brett = g.alsText().join(u'\n').toStdString();

                QSet<QString> gesehen;
                QSet<std::pair<int, int>> belegt;
                for (const GelegtesWort& w : woerter) {
                    SCOPED_TRACE(w.wort.toStdString() + "\n" + brett);
                    EXPECT_FALSE(gesehen.contains(w.wort)) << "zweimal auf einem Brett";
                    gesehen.insert(w.wort);
                    ASSERT_GE(w.wort.size(), 1);
                    ASSERT_LE(w.wort.size(), hoechstensBuchstaben);
                    // es liest sich im Gitter, jede Kreuzung hat einen Buchstaben
                    const QString gross = grossJeZeichen(w.wort);
                    for (int k = 0; k < gross.size(); ++k) {
                        const auto z = zelle(w, k);
                        ASSERT_TRUE(aufDemBrett(z));
                        EXPECT_EQ(g.buchstabe(z.first, z.second), QString(gross.at(k)));
                        EXPECT_EQ(g.zustand(z.first, z.second), zsBuchstabe);
                        belegt.insert(z);
                    }
                    // vor dem ersten und hinter dem letzten Buchstaben geht es nicht weiter
                    for (const auto& z : {zelle(w, -1), zelle(w, int(gross.size()))}) {
                        if (aufDemBrett(z)) {
                            EXPECT_NE(g.zustand(z.first, z.second), zsBuchstabe);
                            EXPECT_EQ(g.buchstabe(z.first, z.second), "@");
                        }
                    }
                }
                // kein Buchstabe, der zu keinem Wort gehört
                for (int c = 1; c <= gitterSpalten; ++c)
                    for (int r = 1; r <= gitterZeilen; ++r) {
                        if (g.zustand(c, r) == zsBuchstabe) {
                            EXPECT_TRUE(belegt.contains({c, r})) << c << "," << r << "\n" << brett;
                        }
                    }
            }
    EXPECT_GT(bretter, 300);
    EXPECT_GT(woerterGesamt, 5 * bretter) << "ein Brett trägt mehr als ein paar Wörter";
}
