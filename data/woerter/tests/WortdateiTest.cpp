#include "data/woerter/Wortdatei.h"

#include "data/woerter/tests/QtAusgabe.h"

#include <gtest/gtest.h>

using namespace varku;

namespace {

const QString gut = "1101 | Fisch | der | 2 | G | SCH_=Fi[sch] GK1M=[F]isch | Der @ schwimmt. | "
                    "ein Tier, das im Wasser lebt";

// die gute Zeile mit einem ersetzten Feld (von 0 an gezählt)
QString mitFeld(int nr, const QString& wert) {
    QStringList felder = gut.split(" | ");
    felder[nr] = wert;
    return felder.join(" | ");
}

std::string meldungen(const Wortdatei& d) {
    QStringList m;
    for (const Fehler& f : d.fehler)
        m.append(alsMeldung(f));
    return m.join(" / ").toStdString();
}

} // namespace

TEST(Wortdatei, GuteZeileMitUmschrift) {
    const Wortdatei d = leseWortdatei(("# Kopf\n\n" + gut + " | Fiisch | -\n").toUtf8(), "s.txt");
    ASSERT_TRUE(d.fehler.isEmpty()) << meldungen(d);
    ASSERT_EQ(d.woerter.size(), 1);
    const Worteintrag& e = d.woerter[0];
    EXPECT_EQ(e.zeile, 3);
    EXPECT_EQ(e.refNr, 1101);
    EXPECT_EQ(e.wort, "Fisch");
    EXPECT_EQ(e.komplexInd, 2);
    EXPECT_TRUE(e.gws);
    ASSERT_EQ(e.kategorien.size(), 2);
    EXPECT_EQ(e.kategorien[1].code, "GK1M");
    EXPECT_EQ(e.umschreibung, "ein Tier, das im Wasser lebt");
    EXPECT_EQ(e.wortTranskr, "Fiisch");
    EXPECT_EQ(e.satzTranskr, ""); // "-" heißt keine
}

TEST(Wortdatei, Zeilenregeln) {
    struct Fall {
        const char* name;
        QString zeile;
        QString meldung; // leer: kein Fehler
    };
    const Fall faelle[] = {
        {"9 Felder", gut + " | Fisch", "9 Felder statt 8 oder 10"},
        {"Strich im Satz", mitFeld(6, "Der @ | schwimmt."), "9 Felder statt 8 oder 10"},
        {"RefNr 32767", mitFeld(0, "32767"), ""},
        {"RefNr 0", mitFeld(0, "0"), "RefNr '0' ist keine Zahl von 1 bis 32767"},
        {"RefNr 32768", mitFeld(0, "32768"), "RefNr '32768'"},
        {"RefNr übergroß", mitFeld(0, "4294967297"), "RefNr '4294967297'"},
        {"RefNr negativ", mitFeld(0, "-5"), "RefNr '-5'"},
        {"Kontext keiner", mitFeld(2, "-"), ""},
        {"Kontext groß", mitFeld(2, "Der"), "Kontext 'Der' ist nicht der, die, das oder -"},
        {"KomplexInd 0", mitFeld(3, "0"), "KomplexInd '0' ist keine Zahl von 1 bis 6"},
        {"KomplexInd 7", mitFeld(3, "7"), "KomplexInd '7'"},
        {"GWS klein", mitFeld(4, "g"), "GWS 'g' ist nicht G oder -"},
        {"Satz mit ?", mitFeld(6, "Wo ist der @?"), ""},
        {"Satz ohne @", mitFeld(6, "Der Fisch schwimmt."), "Satz ohne '@'"},
        {"Satz mit zwei @", mitFeld(6, "Der @ und der @."), "Satz hat 2-mal '@'"},
        {"Satz ohne Punkt", mitFeld(6, "Der @ schwimmt"), "Satz endet nicht mit"},
        {"Satz leer", mitFeld(6, ""), "Satz fehlt"},
        {"Umschreibung leer", mitFeld(7, ""), "Umschreibung fehlt"},
        {"WortTranskr leer", gut + " |  | -", "WortTranskr ist leer"},
        {"SatzTranskr mit @", gut + " | - | Der @ schwimmt.", "SatzTranskr darf kein '@'"},
        {"Tabulator", mitFeld(7, "ein\tTier"), "Steuerzeichen U+0009"},
        {"keine Kategorie", mitFeld(5, ""), "keine Kategorie angegeben"},
        {"Kategorie ohne =", mitFeld(5, "SCH_"), "Kategorie 'SCH_' nicht in der Form CODE=Wort"},
        {"Kategorie zweimal", mitFeld(5, "SCH_=Fi[sch] SCH_=[F]isch"), "SCH_ steht zweimal"},
    };
    for (const Fall& f : faelle) {
        const Wortdatei d = leseWortdatei(("# Kopf\n\n" + f.zeile + "\n").toUtf8(), "s.txt");
        if (f.meldung.isEmpty()) {
            EXPECT_TRUE(d.fehler.isEmpty()) << f.name << ": " << meldungen(d);
            continue;
        }
        ASSERT_EQ(d.fehler.size(), 1) << f.name << ": " << meldungen(d);
        EXPECT_EQ(d.fehler[0].zeile, 3) << f.name;
        EXPECT_TRUE(d.fehler[0].text.contains(f.meldung)) << f.name << ": " << meldungen(d);
    }
}

TEST(Wortdatei, ErlaubteBuchstaben) {
    const std::pair<QString, QString> faelle[] = {
        {"Überraschungen", ""}, // 14 Buchstaben, der Umlaut zählt einfach
        {"ÄÖÜäöüß", ""},
        {"Überraschungsei", "hat 15 Buchstaben, erlaubt sind höchstens 14"},
        {"", "Wort fehlt"},
        {"Café", "unerlaubte Zeichen 'é'"},
        {"Fisch1", "unerlaubte Zeichen '1'"},
        {"Fi sch", "unerlaubte Zeichen U+0020"},
        {"a\u0308pfel", "unerlaubte Zeichen"}, // zerlegtes ä
        {"ẞ", "unerlaubte Zeichen"},
    };
    for (const auto& [wort, meldung] : faelle) {
        const QString m = pruefeWort(wort);
        EXPECT_EQ(m.isEmpty(), meldung.isEmpty()) << wort.toStdString() << ": " << m.toStdString();
        EXPECT_TRUE(m.contains(meldung)) << wort.toStdString() << ": " << m.toStdString();
    }
}

TEST(Wortdatei, Lupenstellen) {
    struct Fall {
        QString markiert, wort;
        int von, bis;    // 0: ungültig
        QString meldung; // Teil des Grundes
    };
    const Fall faelle[] = {
        {"Fi[sch]", "Fisch", 3, 5, ""},
        {"[Ä]rger", "Ärger", 1, 1, ""},
        {"Gr[ö]ße", "Größe", 3, 3, ""},
        {"[Fisch]", "Fisch", 1, 5, ""},
        {"Fisch", "Fisch", 0, 0, "genau ein Klammerpaar"},
        {"F[i]s[ch]", "Fisch", 0, 0, "genau ein Klammerpaar"},
        {"Fi[sch", "Fisch", 0, 0, "genau ein Klammerpaar"},
        {"Fi]sch[", "Fisch", 0, 0, "']' steht vor '['"},
        {"Fi[]sch", "Fisch", 0, 0, "nichts markiert"},
        {"Fi[sh]", "Fisch", 0, 0, "ohne Klammern steht 'Fish' statt des Wortes 'Fisch'"},
        {"fi[sch]", "Fisch", 0, 0, "ohne Klammern steht 'fisch' statt"},
    };
    for (const Fall& f : faelle) {
        QString grund;
        const auto stelle = leseLupenstelle("SCH_", f.markiert, f.wort, grund);
        const std::string name = f.markiert.toStdString();
        if (f.von == 0) {
            EXPECT_FALSE(stelle) << name;
            EXPECT_TRUE(grund.contains("SCH_=" + f.markiert + ": " + f.meldung))
                << name << ": " << grund.toStdString();
            continue;
        }
        ASSERT_TRUE(stelle) << name << ": " << grund.toStdString();
        EXPECT_EQ(stelle->vonPos, f.von) << name;
        EXPECT_EQ(stelle->bisPos, f.bis) << name;
    }
}

TEST(Wortdatei, AlleFehlerMitIhrenZeilen) {
    const QByteArray inhalt = "\xEF\xBB\xBF# Kopf\r\n"
                              "\r\n"
                              "   # eingerückt\r\n" +
                              gut.toUtf8() +
                              "\r\n"
                              "0 | Fi sch | dem | 9 | x | SCH_=Fi[sch] | Satz | \r\n"
                              "kaputt \xFF\xFE\n" +
                              mitFeld(0, "7").toUtf8();
    const Wortdatei d = leseWortdatei(inhalt, "s.txt");
    // Zeile 5: RefNr, Wort, Kontext, KomplexInd, GWS, Lupenstelle, Satz zweimal, Umschreibung
    ASSERT_EQ(d.fehler.size(), 10) << meldungen(d);
    EXPECT_EQ(std::count_if(d.fehler.begin(), d.fehler.end(),
                            [](const Fehler& f) { return f.zeile == 5; }),
              9);
    EXPECT_EQ(alsMeldung(d.fehler.back()), "s.txt:6: kein gültiges UTF-8");
    // die Zeile mit Fehlern bleibt, samt Kategorie, damit keine Zählfehler folgen
    ASSERT_EQ(d.woerter.size(), 3);
    EXPECT_EQ(d.woerter[0].zeile, 4);
    EXPECT_EQ(d.woerter[1].kategorien.size(), 1);
    EXPECT_EQ(d.woerter[2].zeile, 7);
}
