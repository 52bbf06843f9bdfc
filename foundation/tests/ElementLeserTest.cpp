#include "foundation/ElementLeser.h"

#include <gtest/gtest.h>

using namespace varku;

TEST(ElementLeser, ElementeWieBeimEinlesen) {
    struct Fall {
        const char* name;
        QString text;
        QStringList elemente;
    };
    const Fall faelle[] = {
        {"eine Zeile ist ein Element", "TextFontName=Andika", {"TextFontName=Andika"}},
        {"Komma trennt", "Wörter mit ie,IE__", {"Wörter mit ie", "IE__"}},
        {"Leerzeichen davor fallen weg, dahinter bleiben", "   a  ,  b  ", {"a  ", "b  "}},
        {"Tabulatoren davor fallen weg", "\t\tx=1", {"x=1"}},
        {"Anführungszeichen schützen das Komma", "\"ll, mm\",LL__", {"ll, mm", "LL__"}},
        {"nach dem schließenden Zeichen bis zum Trenner weg", "\"ab\"cd,e", {"ab", "e"}},
        {"offenes Anführungszeichen endet am Zeilenende", "\"abc\nnext", {"abc", "next"}},
        {"leere Zeilen sind leere Elemente", "a\n\nb\n", {"a", "", "b"}},
        {"CR LF und LF gleich", "a\r\nb\nc", {"a", "b", "c"}},
        {"CR allein beendet die Zeile", "a\rb", {"a", "b"}},
        {"Komma am Zeilenende gibt ein leeres Element", "a,\nb", {"a", "", "b"}},
        {"Zeile aus einem Leerzeichen ist leer", "x\n \ny", {"x", "", "y"}},
        {"leerer Text", "", {}},
        {"kein Zeilenende am Schluss", "[Varku]", {"[Varku]"}},
        {"Gleichheitszeichen im Wert", "a=b=c", {"a=b=c"}},
        {"Umlaute bleiben", "Lautstärke=5", {"Lautstärke=5"}},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(alleElemente(f.text), f.elemente) << f.name;
}

TEST(ElementLeser, RestDerZeileLiestEinenDatensatz) {
    ElementLeser l("titel,CODE\nnur titel\n\"a,b\",X,Y\n");
    EXPECT_EQ(l.restDerZeile(), (QStringList{"titel", "CODE"}));
    EXPECT_EQ(l.restDerZeile(), (QStringList{"nur titel"}));
    EXPECT_EQ(l.restDerZeile(), (QStringList{"a,b", "X", "Y"}));
    EXPECT_TRUE(l.amEnde());
    EXPECT_TRUE(l.restDerZeile().isEmpty());
}

TEST(ElementLeser, ZeilenMitIhrenEnden) {
    struct Fall {
        const char* name;
        QByteArray bytes;
        std::vector<std::pair<QByteArray, QByteArray>> zeilen;
    };
    const Fall faelle[] = {
        {"LF", "a\nb\n", {{"a", "\n"}, {"b", "\n"}}},
        {"CR LF", "a\r\n\r\nb", {{"a", "\r\n"}, {"", "\r\n"}, {"b", ""}}},
        {"CR allein", "a\rb\r", {{"a", "\r"}, {"b", "\r"}}},
        {"LF CR sind zwei Enden", "a\n\rb", {{"a", "\n"}, {"", "\r"}, {"b", ""}}},
        {"leer", "", {}},
    };
    for (const Fall& f : faelle) {
        const auto z = zerlegeInZeilen(f.bytes);
        ASSERT_EQ(z.size(), f.zeilen.size()) << f.name;
        qsizetype ab = 0;
        for (size_t i = 0; i < z.size(); ++i) {
            EXPECT_EQ(z[i].inhalt, f.zeilen[i].first) << f.name << " Zeile " << i;
            EXPECT_EQ(z[i].ende, f.zeilen[i].second) << f.name << " Zeile " << i;
            // dieselbe Zeile nur nach ihrer Lage
            const ZeilenLage lage = zeileAb(f.bytes, ab);
            EXPECT_EQ(f.bytes.mid(lage.anfang, lage.laenge), f.zeilen[i].first) << f.name;
            EXPECT_EQ(f.bytes.mid(lage.anfang + lage.laenge, lage.endeLaenge), f.zeilen[i].second)
                << f.name;
            ab = lage.naechste();
        }
        EXPECT_EQ(ab, f.bytes.size()) << f.name;
    }
}
