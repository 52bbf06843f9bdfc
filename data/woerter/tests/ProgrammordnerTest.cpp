// Prüft, was der Bau in den Programmordner gelegt hat: die Wortdatenbank, wie die Programme sie
// lesen, die Schwerpunktliste, die Aufnahmen und die Kategorienbilder.
#include "foundation/Dateisuche.h"
#include "foundation/ElementLeser.h"
#include "foundation/Textkodierung.h"
#include "platform/Recordset.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace varku;
using namespace varku::db;

namespace {

const QString ordner = QStringLiteral(VARKU_PROGRAMMORDNER);

struct Kategorie {
    QString titel;
    QString code;
    int seite;
    int ruvo; // Stelle unter allen Kategorien, ab 1
};

std::vector<Kategorie> kategorien() {
    const Textdatei tsp = leseTextdatei(ordner + "/Varku.tsp");
    ElementLeser l(tsp.text);
    std::vector<Kategorie> k;
    int seite = -1;
    while (!l.amEnde()) {
        const QStringList satz = l.restDerZeile();
        if (satz.isEmpty() || satz.first().isEmpty())
            continue;
        if (satz.first().startsWith(">>>")) {
            ++seite;
            continue;
        }
        k.push_back({satz.first(), satz.value(1), seite, int(k.size()) + 1});
    }
    return k;
}

QString bildname(const QString& code) {
    const auto ziffer = [&](int i) { return i < code.size() && code.at(i).isDigit(); };
    QString x;
    if (ziffer(2))
        x = code.left(2) + (ziffer(3) ? QStringLiteral("_") : code.mid(3, 1));
    else if (code.startsWith("LT"))
        x = QStringLiteral("LT_");
    else
        x = code.left(3);
    return "BST_" + x + ".gif";
}

std::vector<int> seitenGroessen(const std::vector<Kategorie>& k) {
    std::vector<int> g(12, 0);
    for (const Kategorie& x : k)
        if (x.seite >= 0 && x.seite < 12)
            ++g[size_t(x.seite)];
    return g;
}

} // namespace

TEST(Programmordner, Schwerpunktliste) {
    const std::vector<Kategorie> k = kategorien();
    ASSERT_EQ(k.size(), 52u);
    EXPECT_EQ(seitenGroessen(k), (std::vector<int>{10, 7, 3, 5, 2, 3, 3, 6, 2, 5, 3, 3}));
    const QRegularExpression codeForm("^[A-Za-z0-9_]{4}$");
    std::set<QString> codes;
    for (const Kategorie& x : k) {
        EXPECT_TRUE(codeForm.match(x.code).hasMatch()) << x.code.toStdString();
        EXPECT_TRUE(codes.insert(x.code).second) << "doppelt: " << x.code.toStdString();
        if (x.seite == 0) {
            EXPECT_TRUE(x.code.startsWith("LT")) << x.code.toStdString();
        }
    }
    EXPECT_EQ(k[49].code, "GK1M");
    EXPECT_EQ(k[50].code, "GK2M");
    EXPECT_EQ(k[51].code, "GK3M");
    EXPECT_TRUE(codes.count("LIP_"));
}

TEST(Programmordner, Woerter) {
    const std::vector<Kategorie> k = kategorien();
    Recordset w = Recordset::oeffne(ordner + "/Varku-D.sqlite", "WortListe");
    Recordset satz = Recordset::oeffne(ordner + "/Varku-D.sqlite", "SemSynt");
    ASSERT_GE(w.RecordCount(), 600);
    const QRegularExpression buchstaben("^[A-Za-zÄÖÜäöüß]{1,14}$");
    std::set<std::pair<QString, QString>> gesehen;
    std::map<QString, int> jeKategorie, kurzJeKategorie;
    int gws = 0;
    for (w.MoveFirst(); !w.Eof(); w.MoveNext()) {
        const QString wort = w.feld("Wort").text;
        const Wert kontext = w.feld("Kontext");
        const long long ref = w.feld("RefNr").alsGanzzahl();
        const std::string name = wort.toStdString();
        ASSERT_GE(ref, 1);
        ASSERT_LE(ref, 32767);
        EXPECT_TRUE(buchstaben.match(wort).hasMatch()) << name;
        EXPECT_TRUE(gesehen.insert({wort, kontext.alsText()}).second) << "doppelt: " << name;
        // Nomen tragen ihren Artikel, alle anderen keinen
        if (wort.at(0).isUpper()) {
            EXPECT_TRUE(QStringList({"der", "die", "das"}).contains(kontext.alsText())) << name;
        } else {
            EXPECT_TRUE(kontext.istNull()) << name;
        }
        const long long komplex = w.feld("KomplexInd").alsGanzzahl();
        EXPECT_GE(komplex, 1) << name;
        EXPECT_LE(komplex, 6) << name;
        gws += w.feld("GWS").wahr() ? 1 : 0;
        bool eine = false;
        for (const Kategorie& x : k)
            if (w.feld(x.code).wahr()) {
                eine = true;
                ++jeKategorie[x.code];
                if (wort.size() <= 12)
                    ++kurzJeKategorie[x.code];
            }
        EXPECT_TRUE(eine) << name << " gehört zu keiner Kategorie";

        ASSERT_TRUE(satz.FindFirst(QString("RefNr=%1").arg(ref))) << name;
        const QString s = satz.feld("SatzKontext").text;
        EXPECT_EQ(s.count('@'), 1) << name;
        EXPECT_TRUE(QRegularExpression("[.!?]$").match(s).hasMatch()) << name;
        const QString umschreibung = satz.feld("Paraphr").text;
        EXPECT_FALSE(umschreibung.trimmed().isEmpty()) << name;
    }
    for (const Kategorie& x : k) {
        EXPECT_GE(jeKategorie[x.code], 20) << x.code.toStdString();
        EXPECT_GE(kurzJeKategorie[x.code], 15) << x.code.toStdString();
    }
    const double anteil = double(gws) / w.RecordCount();
    EXPECT_GT(anteil, 0.25) << "Grundwortschatz etwa ein Drittel";
    EXPECT_LT(anteil, 0.42);
}

TEST(Programmordner, LupenstellenJeWortUndKategorie) {
    const std::vector<Kategorie> k = kategorien();
    Recordset w = Recordset::oeffne(ordner + "/Varku-D.sqlite", "WortListe");
    Recordset lupe = Recordset::oeffne(ordner + "/Varku-D.sqlite", "LupenStellen");
    std::map<long long, QString> woerter;
    std::map<long long, std::set<int>> erwartet;
    for (w.MoveFirst(); !w.Eof(); w.MoveNext()) {
        const long long ref = w.feld("RefNr").alsGanzzahl();
        woerter[ref] = w.feld("Wort").text;
        for (const Kategorie& x : k)
            if (w.feld(x.code).wahr())
                erwartet[ref].insert(x.ruvo);
    }
    std::map<long long, std::set<int>> gefunden;
    std::set<long long> abgeschlossen; // Wörter, deren Zeilen schon vorbei sind
    long long vorige = -1;
    for (lupe.MoveFirst(); !lupe.Eof(); lupe.MoveNext()) {
        const long long ref = lupe.feld("RefNr").alsGanzzahl();
        if (ref != vorige) {
            EXPECT_FALSE(abgeschlossen.count(ref))
                << "Zeilen von " << ref << " stehen nicht beisammen";
            if (vorige >= 0)
                abgeschlossen.insert(vorige);
            vorige = ref;
        }
        const int ruvo = int(lupe.feld("ruvo").alsGanzzahl());
        const long long von = lupe.feld("vonPos").alsGanzzahl();
        const long long bis = lupe.feld("bisPos").alsGanzzahl();
        ASSERT_TRUE(woerter.count(ref)) << ref;
        EXPECT_GE(von, 1) << ref;
        EXPECT_LE(von, bis) << ref;
        EXPECT_LE(bis, woerter[ref].size()) << woerter[ref].toStdString();
        EXPECT_TRUE(gefunden[ref].insert(ruvo).second) << "doppelt: " << ref << "/" << ruvo;
    }
    EXPECT_EQ(gefunden, erwartet) << "eine Zeile je Wort und Kategorie";
}

TEST(Programmordner, AufnahmenUndBilder) {
    Recordset w = Recordset::oeffne(ordner + "/Varku-D.sqlite", "WortListe");
    const QRegularExpression ascii("^[A-Za-z0-9_]+$");
    std::set<QString> namen;
    for (w.MoveFirst(); !w.Eof(); w.MoveNext()) {
        const QString wave = w.feld("WaveDat").text;
        EXPECT_TRUE(ascii.match(wave).hasMatch()) << wave.toStdString();
        EXPECT_TRUE(namen.insert(wave.toLower()).second) << "doppelt: " << wave.toStdString();
        // die Aufnahmen werden genau verglichen
        const QFileInfo datei(ordner + "/Sprache/" + wave + ".WAV");
        EXPECT_TRUE(datei.isFile() && datei.size() > 1000) << wave.toStdString();
    }
    for (const Kategorie& x : kategorien()) {
        const QString bild = findeDatei(ordner + "/Grafik", bildname(x.code));
        EXPECT_TRUE(QFileInfo(bild).isFile()) << bildname(x.code).toStdString();
    }
    EXPECT_TRUE(QFileInfo(findeDatei(ordner + "/Grafik", "BST_NULL.GIF")).isFile());
    Recordset t = Recordset::oeffne(ordner + "/Varku-D.sqlite", "Transkripte");
    for (t.MoveFirst(); !t.Eof(); t.MoveNext())
        EXPECT_TRUE(w.FindFirst(QString("RefNr=%1").arg(t.feld("RefNr").alsGanzzahl())));
}
