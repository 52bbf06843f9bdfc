#include "data/woerter/Kategorienliste.h"

#include "data/woerter/tests/QtAusgabe.h"

#include <gtest/gtest.h>

using namespace varku;

namespace {

// Eine gültige Liste, Zeile für Zeile: 12 Seiten mit den verlangten Größen
QStringList gueltigeZeilen() {
    QStringList zeilen;
    int nr = 0;
    for (int s = 0; s < int(kategorienJeSeite.size()); ++s) {
        zeilen.append(QStringLiteral("\">>> Seite %1\",-").arg(s));
        for (int i = 0; i < kategorienJeSeite[s]; ++i, ++nr) {
            QString code = QStringLiteral("K%1_").arg(nr, 2, 10, QLatin1Char('0'));
            if (s == 0)
                code = QStringLiteral("LT%1").arg(QChar(u'A' + i)) + "_";
            if (s == 11)
                code = QStringLiteral("GK%1M").arg(i + 1);
            if (s == 5 && i == 2)
                code = "LIP_";
            zeilen.append(QStringLiteral("Wörter Nr. %1,%2").arg(nr).arg(code));
        }
    }
    return zeilen;
}

QByteArray alsDatei(const QStringList& zeilen) {
    return (zeilen.join("\n") + "\n").toUtf8();
}

QString alleMeldungen(const Kategorienliste& l) {
    QStringList m;
    for (const Fehler& f : l.fehler)
        m.append(QString::number(f.zeile) + ": " + f.text);
    return m.join(" / ");
}

} // namespace

TEST(Kategorienliste, GueltigeListe) {
    const Kategorienliste l = leseKategorienliste(alsDatei(gueltigeZeilen()), "Varku.tsp");
    ASSERT_TRUE(l.fehler.isEmpty()) << alleMeldungen(l).toStdString();
    ASSERT_EQ(l.kategorien.size(), 52);
    // Code, ruvo, Seite und Zeile der ersten, der ersten auf Seite 1 und der letzten
    for (const auto& [i, code, seite, zeile] :
         {std::tuple{0, "LTA_", 0, 2}, std::tuple{10, "K10_", 1, 13},
          std::tuple{51, "GK3M", 11, 64}}) {
        EXPECT_EQ(l.kategorien[i].code, code);
        EXPECT_EQ(l.kategorien[i].ruvo, i + 1);
        EXPECT_EQ(l.kategorien[i].seite, seite);
        EXPECT_EQ(l.kategorien[i].zeile, zeile);
    }
}

TEST(Kategorienliste, Lesarten) {
    struct Fall {
        const char* name;
        QByteArray inhalt; // ersetzt die zweite Zeile
        QString titel;
        QString code;
    };
    const Fall faelle[] = {
        {"Windows-1252",
         "W\xF6rter mit \x84"
         "a\x93,LTA_",
         "Wörter mit „a“", "LTA_"},
        {"Komma in Anführungszeichen", "\"ll, mm\",LTA_", "ll, mm", "LTA_"},
    };
    for (const Fall& f : faelle) {
        QByteArray inhalt = alsDatei(gueltigeZeilen());
        const qsizetype anfang = inhalt.indexOf('\n') + 1;
        inhalt.replace(anfang, inhalt.indexOf('\n', anfang) - anfang, f.inhalt);
        const Kategorienliste l = leseKategorienliste(inhalt, "Varku.tsp");
        EXPECT_TRUE(l.fehler.isEmpty()) << f.name << ": " << alleMeldungen(l).toStdString();
        ASSERT_FALSE(l.kategorien.isEmpty()) << f.name;
        EXPECT_EQ(l.kategorien[0].titel, f.titel) << f.name;
        EXPECT_EQ(l.kategorien[0].code, f.code) << f.name;
    }
}

TEST(Kategorienliste, Regeln) {
    struct Fall {
        const char* name;
        std::function<void(QStringList&)> aendere;
        QList<std::pair<int, QString>> fehler; // Zeile (0: Datei) und Teil der Meldung
    };
    const Fall faelle[] = {
        {"Leerzeilen und CR LF",
         [](QStringList& z) {
             z.insert(5, "");
             z.insert(5, "  \r");
         },
         {}},
        {"erster Eintrag keine Überschrift",
         [](QStringList& z) { z.swapItemsAt(0, 1); },
         {{1, "der erste Eintrag muss eine Überschrift"},
          {2, "Seite 0 hat 9 Kategorien statt 10"}}},
        {"Überschrift mit >>> mitten im Titel",
         [](QStringList& z) { z[11] = "Seite >>> zwei,-"; },
         {{12, "Überschrift muss mit '>>>' beginnen"}}},
        {"Kategorie von Seite 1 nach Seite 2",
         [](QStringList& z) { z.move(18, 19); },
         {{12, "Seite 1 hat 6 Kategorien statt 7"}, {19, "Seite 2 hat 4 Kategorien statt 3"}}},
        {"53 Kategorien",
         [](QStringList& z) { z.insert(25, "Noch eine,XTRA"); },
         {{0, "53 Kategorien statt 52"}, {24, "Seite 3 hat 6 Kategorien statt 5"}}},
        {"doppelter Code",
         [](QStringList& z) { z[13] = "Doppelt,K10_"; },
         {{14, "Code K10_ steht schon in Zeile 13"}}},
        {"doppelter Code in anderer Schreibung",
         [](QStringList& z) { z[13] = "Doppelt,k10_"; },
         {{14, "Code k10_ steht schon in Zeile 13"}}},
        {"Code wie die Spalte GWS",
         [](QStringList& z) { z[13] = "Grundwortschatz,gws"; },
         {{14, "Code gws fällt mit der Spalte GWS zusammen"}, {14, "nicht genau 4 Zeichen"}}},
        {"Code fehlt", [](QStringList& z) { z[13] = "nur ein Titel"; }, {{14, "Code fehlt"}}},
        {"Komma im Titel ohne Anführungszeichen",
         [](QStringList& z) { z[13] = "ll, mm,K11_"; },
         {{14, "3 Einträge statt zwei"}}},
        {"Seite 0 ohne LT",
         [](QStringList& z) { z[3] = "Anders,XYZ_"; },
         {{4, "Code XYZ_ auf Seite 0 beginnt nicht mit LT"}}},
        {"Großschreibung vertauscht",
         [](QStringList& z) { z.swapItemsAt(z.size() - 1, z.size() - 2); },
         {{61, "Seite 11 muss die Codes GK1M, GK2M, GK3M haben, hat: GK1M, GK3M, GK2M"}}},
        {"ohne LIP_", [](QStringList& z) { z[35] = "Langes i,LIPP"; }, {{0, "Code LIP_ fehlt"}}},
        {"leer",
         [](QStringList& z) { z.clear(); },
         {{0, "0 Überschriften statt 12"}, {0, "0 Kategorien statt 52"}, {0, "Code LIP_ fehlt"}}},
    };
    for (const Fall& f : faelle) {
        QStringList zeilen = gueltigeZeilen();
        f.aendere(zeilen);
        const Kategorienliste l = leseKategorienliste(alsDatei(zeilen), "Varku.tsp");
        EXPECT_EQ(l.fehler.size(), f.fehler.size())
            << f.name << ": " << alleMeldungen(l).toStdString();
        for (const auto& [zeile, teil] : f.fehler) {
            const bool da = std::any_of(l.fehler.begin(), l.fehler.end(), [&](const Fehler& x) {
                return x.zeile == zeile && x.text.contains(teil);
            });
            EXPECT_TRUE(da) << f.name << ": erwartet " << zeile << ": " << teil.toStdString()
                            << "\n  gefunden " << alleMeldungen(l).toStdString();
        }
    }
}
