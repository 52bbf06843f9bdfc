#include "data/woerter/Pruefung.h"

#include "data/woerter/tests/QtAusgabe.h"
#include <functional>

#include <gtest/gtest.h>

using namespace varku;

namespace {

QString zeile(int refNr, const QString& wort, const QString& kontext, const QString& kategorien) {
    return QStringLiteral("%1 | %2 | %3 | 2 | G | %4 | Da ist @. | eine Umschreibung")
        .arg(refNr)
        .arg(wort, kontext, kategorien);
}

// drei Buchstaben aus einer Zahl, damit jedes erzeugte Wort anders ist
QString endung(int n) {
    return QString(QChar(u'a' + n / 676 % 26)) + QChar(u'a' + n / 26 % 26) + QChar(u'a' + n % 26);
}

// Wörter der Kategorie: erst die kurzen (7 Buchstaben), dann lange (13)
QStringList woerterFuer(const QString& code, const QString& kontext, int kurze, int lange,
                        int ersteNr) {
    QStringList zeilen;
    for (int i = 0; i < kurze + lange; ++i) {
        const int nr = ersteNr + i;
        const QString wort = (i < kurze ? "Kurz" : "Langeswort") + endung(nr);
        zeilen.append(zeile(nr, wort, kontext, code + "=[" + wort[0] + "]" + wort.mid(1)));
    }
    return zeilen;
}

struct Testdaten {
    QStringList a = woerterFuer("SCH_", "-", 20, 0, 1);
    QStringList b = woerterFuer("GK1M", "der", 15, 5, 101);
    QSet<QString> bilder = {"BST_NULL.gif", "BST_SCH.gif", "BST_GKM.gif"};
    Fehlerliste lesefehler;

    Wortquellen quellen() const {
        Wortquellen q;
        q.kategorienliste.name = "Varku.tsp";
        q.kategorienliste.kategorien = {{"Wörter mit sch", "SCH_", 1, 1, 2},
                                        {"Nomen für Dinge", "GK1M", 11, 2, 4}};
        q.bildlisteName = "bausteine.txt";
        q.kachelbilder = bilder;
        q.wortdateien = {leseWortdatei(a.join("\n").toUtf8(), "a.txt"),
                         leseWortdatei(b.join("\n").toUtf8(), "b.txt")};
        q.lesefehler = lesefehler;
        return q;
    }
};

QString alleMeldungen(const Fehlerliste& fehler) {
    QStringList m;
    for (const Fehler& f : fehler)
        m.append(alsMeldung(f));
    return m.join("\n  ");
}

} // namespace

TEST(Pruefung, Bestandsregeln) {
    struct Fall {
        const char* name;
        std::function<void(Testdaten&)> aendere;
        QStringList fehler; // "datei:zeile: " und Teil der Meldung, in dieser Reihenfolge
    };
    const Fall faelle[] = {
        {"alles gut", [](Testdaten&) {}, {}},
        {"RefNr in zwei Dateien",
         [](Testdaten& d) { d.b.append(zeile(5, "Neu", "der", "GK1M=[N]eu")); },
         {"b.txt:21: RefNr 5 steht schon in a.txt:5"}},
        {"gleiches Wort mit gleichem Kontext",
         [](Testdaten& d) { d.b.append(zeile(200, "Kurzadx", "der", "GK1M=[K]urzadx")); },
         {"b.txt:21: Wort 'der Kurzadx' steht schon in b.txt:1"}},
        {"gleiches Wort ohne Kontext",
         [](Testdaten& d) { d.a.append(zeile(200, "Kurzaab", "-", "SCH_=[K]urzaab")); },
         {"a.txt:21: Wort 'Kurzaab' ohne Kontext steht schon in a.txt:1"}},
        {"gleiches Wort mit anderem Kontext ist erlaubt",
         [](Testdaten& d) { d.b.append(zeile(200, "Kurzaab", "die", "GK1M=[K]urzaab")); },
         {}},
        {"unbekannte Kategorie",
         [](Testdaten& d) { d.a[2] = zeile(3, "Kurzaad", "-", "SCH_=[K]urzaad XYZ_=[K]urzaad"); },
         {"a.txt:3: Kategorie XYZ_ steht nicht in Varku.tsp"}},
        {"19 Wörter",
         [](Testdaten& d) { d.a.removeLast(); },
         {"Varku.tsp:2: Kategorie SCH_ hat 19 Wörter, davon 19 mit höchstens 12 Buchstaben; "
          "verlangt sind 20, davon 15"}},
        {"nur 14 kurze",
         [](Testdaten& d) { d.b = woerterFuer("GK1M", "der", 14, 6, 101); },
         {"Varku.tsp:4: Kategorie GK1M hat 20 Wörter, davon 14 mit"}},
        {"12 Buchstaben zählen als kurz",
         [](Testdaten& d) {
             d.b = woerterFuer("GK1M", "der", 14, 6, 101);
             d.b[14] = zeile(115, "Zwoelfbuchst", "der", "GK1M=[Z]woelfbuchst");
         },
         {}},
        {"ein Wort zählt für jede seiner Kategorien",
         [](Testdaten& d) {
             d.b.removeFirst();
             d.a[0] = zeile(1, "Kurzaab", "-", "SCH_=[K]urzaab GK1M=[K]urzaab");
         },
         {}},
        {"Bild fehlt",
         [](Testdaten& d) { d.bilder.remove("BST_GKM.gif"); },
         {"Varku.tsp:4: Bild BST_GKM.gif der Kategorie GK1M steht nicht in bausteine.txt"}},
        {"leere Kachel fehlt",
         [](Testdaten& d) { d.bilder.remove("BST_NULL.gif"); },
         {"bausteine.txt: BST_NULL.gif für die leere Kachel fehlt"}},
        {"Fehler der Zeilen kommen mit, nach Datei und Zeile geordnet",
         [](Testdaten& d) {
             d.b[3].replace("| der |", "| dem |");
             d.b.append(zeile(7, "Neu", "der", "GK1M=[N]eu"));
             d.a[9].replace("Da ist @.", "Da ist es.");
             d.bilder.remove("BST_SCH.gif");
         },
         {"Varku.tsp:2: Bild BST_SCH.gif", "a.txt:10: Satz ohne '@'", "b.txt:4: Kontext 'dem'",
          "b.txt:21: RefNr 7 steht schon in a.txt:7"}},
        {"ohne lesbare Varku.tsp keine Folgefehler",
         [](Testdaten& d) {
             d.lesefehler = {{"Varku.tsp", 0, "Datei nicht gefunden"}};
             d.bilder.clear();
         },
         {"Varku.tsp: Datei nicht gefunden"}},
    };
    for (const Fall& f : faelle) {
        Testdaten d;
        f.aendere(d);
        const Wortbestand b = pruefeWortbestand(d.quellen());
        ASSERT_EQ(b.fehler.size(), f.fehler.size())
            << f.name << ":\n  " << alleMeldungen(b.fehler).toStdString();
        for (qsizetype i = 0; i < b.fehler.size(); ++i)
            EXPECT_TRUE(alsMeldung(b.fehler[i]).startsWith(f.fehler[i]))
                << f.name << ": erwartet " << f.fehler[i].toStdString() << "\n  gefunden "
                << alsMeldung(b.fehler[i]).toStdString();
    }
}

TEST(Pruefung, NachRefNrGeordnetMitWaveNamen) {
    Testdaten d;
    // "essen" steht zuerst in der Datei, "Essen" hat die kleinere Nummer
    d.a.prepend(zeile(90, "essen", "-", "SCH_=[e]ssen"));
    d.b.append(zeile(60, "Essen", "das", "GK1M=[E]ssen"));
    d.b.append(zeile(61, "Fuß", "der", "GK1M=[F]uß"));
    const Wortbestand b = pruefeWortbestand(d.quellen());
    ASSERT_TRUE(b.fehler.isEmpty()) << alleMeldungen(b.fehler).toStdString();
    ASSERT_EQ(b.woerter.size(), 43);
    for (qsizetype i = 1; i < b.woerter.size(); ++i)
        EXPECT_LT(b.woerter[i - 1].refNr, b.woerter[i].refNr);
    QHash<int, QString> wave;
    for (const Worteintrag& e : b.woerter)
        wave.insert(e.refNr, e.waveDat);
    EXPECT_EQ(wave.value(60), "Essen");
    EXPECT_EQ(wave.value(90), "essen_90");
    EXPECT_EQ(wave.value(61), "Fuss");
    EXPECT_EQ(wave.value(1), "Kurzaab");
    EXPECT_EQ(b.kategorien.size(), 2);
}
