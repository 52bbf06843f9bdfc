#include "data/woerter/Pruefung.h"

#include "data/woerter/tests/QtAusgabe.h"
#include <QFile>
#include <QSet>
#include <functional>
#include <utility>

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

// Wörter der Kategorie: erst die kurzen (7 Buchstaben), dann lange (13). Mit "Sch" vorn passen
// sie zu SCH_ und, mit Artikel, zu GK1M.
QStringList woerterFuer(const QString& code, const QString& kontext, int kurze, int lange,
                        int ersteNr) {
    const int lupe = code == "SCH_" ? 3 : 1;
    QStringList zeilen;
    for (int i = 0; i < kurze + lange; ++i) {
        const int nr = ersteNr + i;
        const QString wort = (i < kurze ? "Schu" : "Schlangwor") + endung(nr);
        zeilen.append(
            zeile(nr, wort, kontext, code + "=[" + wort.left(lupe) + "]" + wort.mid(lupe)));
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
         [](Testdaten& d) { d.b.append(zeile(200, "Schuadx", "der", "GK1M=[S]chuadx")); },
         {"b.txt:21: Wort 'der Schuadx' steht schon in b.txt:1"}},
        {"gleiches Wort ohne Kontext",
         [](Testdaten& d) { d.a.append(zeile(200, "Schuaab", "-", "SCH_=[Sch]uaab")); },
         {"a.txt:21: Wort 'Schuaab' ohne Kontext steht schon in a.txt:1"}},
        {"gleiches Wort mit anderem Kontext ist erlaubt",
         [](Testdaten& d) { d.b.append(zeile(200, "Schuaab", "die", "GK1M=[S]chuaab")); },
         {}},
        {"unbekannte Kategorie",
         [](Testdaten& d) { d.a[2] = zeile(3, "Schuaad", "-", "SCH_=[Sch]uaad XYZ_=[S]chuaad"); },
         {"a.txt:3: Kategorie XYZ_ steht nicht in Varku.tsp"}},
        {"Wort passt nicht zur Regel der Kategorie",
         [](Testdaten& d) {
             d.a[4] = zeile(5, "Kurzaaf", "-", "SCH_=[K]urzaaf");
             d.b[0] = zeile(101, "Schuadx", "-", "GK1M=[S]chuadx");
         },
         {"a.txt:5: 'Kurzaaf' passt nicht zu SCH_ (Lupe auf sch): unter der Lupe steht 'k'",
          "b.txt:1: 'Schuadx' passt nicht zu GK1M (Nomen mit Artikel, Lupe auf dem großen "
          "Anfangsbuchstaben): ohne Artikel"}},
        {"unbrauchbare Lupenstelle meldet nur sich selbst",
         [](Testdaten& d) { d.a[4] = zeile(5, "Schuaaf", "-", "SCH_=[Schuaaf"); },
         {"a.txt:5: Lupenstelle SCH_=[Schuaaf: genau ein Klammerpaar"}},
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
             d.a[0] = zeile(1, "Schuaab", "der", "SCH_=[Sch]uaab GK1M=[S]chuaab");
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
    // "schauen" steht zuerst in der Datei, "Schauen" hat die kleinere Nummer
    d.a.prepend(zeile(90, "schauen", "-", "SCH_=[sch]auen"));
    d.b.append(zeile(60, "Schauen", "das", "GK1M=[S]chauen"));
    d.b.append(zeile(61, "Fuß", "der", "GK1M=[F]uß"));
    const Wortbestand b = pruefeWortbestand(d.quellen());
    ASSERT_TRUE(b.fehler.isEmpty()) << alleMeldungen(b.fehler).toStdString();
    ASSERT_EQ(b.woerter.size(), 43);
    for (qsizetype i = 1; i < b.woerter.size(); ++i)
        EXPECT_LT(b.woerter[i - 1].refNr, b.woerter[i].refNr);
    QHash<int, QString> wave;
    for (const Worteintrag& e : b.woerter)
        wave.insert(e.refNr, e.waveDat);
    EXPECT_EQ(wave.value(60), "Schauen");
    EXPECT_EQ(wave.value(90), "schauen_90");
    EXPECT_EQ(wave.value(61), "Fuss");
    EXPECT_EQ(wave.value(1), "Schuaab");
    EXPECT_EQ(b.kategorien.size(), 2);
}

namespace {

struct Regelfall {
    const char* code;
    const char* kontext;
    const char* markiert; // das Wort mit [Lupenstelle]
    const char* grund;    // leer: das Wort passt
};

// Je Kategorie mindestens ein Wort, das passt, und eines, das nicht passt
const Regelfall regelfaelle[] = {
    {"LTA_", "die", "M[a]ma", ""},
    {"LTA_", "der", "B[a]um", "'a' gehört zu 'au'"},
    {"LTA_", "die", "K[a]tze", "Merkstelle 'tz'"},
    {"LTA_", "das", "R[a]d", "Merkstelle 'd' am Wortende"},
    {"LTE_", "-", "l[e]ben", ""},
    {"LTE_", "das", "S[e]il", "'e' gehört zu 'ei'"},
    {"LTE_", "der", "T[e]e", "Merkstelle 'ee'"},
    {"LTI_", "die", "T[i]nte", ""},
    {"LTI_", "die", "W[i]ese", "'i' gehört zu 'ie'"},
    {"LTI_", "das", "K[i]nn", "Merkstelle 'nn'"},
    {"LTO_", "-", "r[o]t", ""},
    {"LTO_", "der", "R[o]ck", "Merkstelle 'ck'"},
    {"LTO_", "das", "B[o]ot", "Merkstelle 'oo'"},
    {"LTU_", "-", "d[u]", ""},
    {"LTU_", "die", "E[u]le", "'u' gehört zu 'eu'"},
    {"LTU_", "der", "H[u]nd", "Merkstelle 'd' am Wortende"},
    {"LTAU", "der", "B[au]m", ""},
    {"LTAU", "das", "H[au]s", "Merkstelle 's' am Wortende"},
    {"LTAU", "der", "B[a]um", "unter der Lupe steht 'a'"},
    {"LTEI", "das", "B[ei]n", ""},
    {"LTEI", "die", "[Ei]che", "Merkstelle 'ch'"},
    {"LTUM", "-", "h[ö]ren", ""},
    {"LTUM", "-", "f[ü]hlen", "Merkstelle 'üh'"},
    {"LTUM", "der", "K[ä]se", "unter der Lupe steht 'ä'"},
    {"LTKV", "die", "[Kr]one", ""},
    {"LTKV", "das", "[Au]ge", "'au' sind nicht zwei Mitlaute"},
    {"LTKV", "die", "K[ro]ne", "die Lupe steht nicht auf den ersten zwei Buchstaben"},
    {"LTKV", "der", "[St]ein", "Merkstelle 'st' am Wortanfang"},
    {"LTKV", "der", "[Sc]hrank", "Merkstelle 'sch'"},
    {"LTLW", "die", "[Banane]", ""},
    {"LTLW", "das", "[Lineal]", ""}, // e und a sind zwei Silben
    {"LTLW", "der", "[Regen]", "nur 2 Silben"},
    {"LTLW", "die", "[Ameise]", ""},
    {"LTLW", "die", "[Raupe]", "nur 2 Silben"},
    {"LTLW", "die", "Ba[nane]", "die Lupe steht nicht auf dem ganzen Wort"},
    {"LTLW", "die", "[Schokolade]", "Merkstelle 'sch'"},
    {"SCH_", "der", "Fi[sch]", ""},
    {"SCH_", "der", "Fis[ch]", "unter der Lupe steht 'ch'"},
    {"CH__", "-", "i[ch]", ""},
    {"CH__", "der", "Fis[ch]", "'ch' gehört zu 'sch'"},
    {"CH__", "der", "Fu[ch]s", "'ch' gehört zu 'chs'"},
    {"EU__", "die", "[Eu]le", ""},
    {"EU__", "die", "B[äu]me", "unter der Lupe steht 'äu'"},
    {"SZ__", "der", "Fu[ß]", ""},
    {"SZ__", "der", "Flu[ss]", "unter der Lupe steht 'ss'"},
    {"Z___", "das", "[Z]elt", ""},
    {"Z___", "die", "Kat[z]e", "'z' gehört zu 'tz'"},
    {"NG__", "der", "Ri[ng]", ""},
    {"NG__", "die", "Ba[nk]", "unter der Lupe steht 'nk'"},
    {"J___", "-", "[j]a", ""},
    {"J___", "der", "[Y]eti", "unter der Lupe steht 'y'"},
    {"V___", "der", "[V]ogel", ""},
    {"V___", "der", "[F]isch", "unter der Lupe steht 'f'"},
    {"X___", "die", "He[x]e", ""},
    {"X___", "der", "Fu[chs]", "unter der Lupe steht 'chs'"},
    {"Y___", "das", "Bab[y]", ""},
    {"Y___", "-", "[j]a", "unter der Lupe steht 'j'"},
    {"SP__", "der", "[Sp]ort", ""},
    {"SP__", "die", "We[sp]e", "die Lupe steht nicht am Wortanfang"},
    {"SP__", "der", "[St]ein", "unter der Lupe steht 'st'"},
    {"ST__", "der", "[St]ern", ""},
    {"ST__", "das", "Fen[st]er", "die Lupe steht nicht am Wortanfang"},
    {"QU__", "die", "[Qu]alle", ""},
    {"QU__", "die", "Q[ua]lle", "unter der Lupe steht 'ua'"},
    {"PF__", "der", "Ko[pf]", ""},
    {"PF__", "der", "Ko[p]f", "unter der Lupe steht 'p'"},
    {"NK__", "die", "Ba[nk]", ""},
    {"NK__", "der", "Ri[ng]", "unter der Lupe steht 'ng'"},
    {"CHS_", "der", "Fu[chs]", ""},
    {"CHS_", "die", "He[x]e", "unter der Lupe steht 'x'"},
    {"TION", "die", "Sta[tion]", ""},
    {"TION", "die", "Stat[ion]", "unter der Lupe steht 'ion'"},
    {"IE__", "die", "B[ie]ne", ""},
    {"IE__", "der", "[I]gel", "unter der Lupe steht 'i'"},
    {"IH__", "-", "[ih]r", ""},
    {"IH__", "-", "z[ieh]en", ""},
    {"IH__", "-", "z[ie]hen", "unter der Lupe steht 'ie'"},
    {"LIP_", "der", "T[i]ger", ""},
    {"LIP_", "-", "m[i]r", ""},
    {"LIP_", "die", "W[i]ese", "Dehnungszeichen 'ie' im Wort"},
    {"LIP_", "das", "K[i]ssen", "vor 'ss' ist der Selbstlaut kurz"},
    {"LIP_", "das", "E[i]s", "'i' gehört zu 'ei'"},
    {"DH__", "die", "Z[ah]l", ""},
    {"DH__", "die", "K[uh]", "nach dem h steht kein l, m, n oder r"},
    {"DH__", "-", "s[eh]en", "nach dem h steht kein l, m, n oder r"},
    {"DH__", "-", "[ih]r", "unter der Lupe steht 'ih'"},
    {"DV__", "der", "S[ee]", ""},
    {"DV__", "der", "[Aa]l", ""},
    {"DV__", "der", "S[e]e", "unter der Lupe steht 'e'"},
    {"LV__", "die", "H[o]se", ""},
    {"LV__", "der", "[O]fen", ""},
    {"LV__", "-", "[ü]ber", ""},
    {"LV__", "die", "Seer[o]se", "Dehnungszeichen 'ee' im Wort"},
    {"LV__", "die", "R[u]he", "Dehnungszeichen 'uh' im Wort"},
    {"LV__", "der", "B[a]ll", "vor 'll' ist der Selbstlaut kurz"},
    {"LV__", "der", "S[a]ck", "vor 'ck' ist der Selbstlaut kurz"},
    {"LV__", "der", "B[a]um", "'a' gehört zu 'au'"},
    {"LV__", "der", "T[i]ger", "unter der Lupe steht 'i'"},
    {"LL__", "der", "Ba[ll]", ""},
    {"LL__", "der", "Bal[l]", "unter der Lupe steht 'l'"},
    {"MN__", "die", "So[nn]e", ""},
    {"MN__", "der", "Ka[mm]", ""},
    {"MN__", "die", "Wo[ll]e", "unter der Lupe steht 'll'"},
    {"TF__", "das", "Be[tt]", ""},
    {"TF__", "der", "Ko[ff]er", ""},
    {"TF__", "die", "Ta[ss]e", "unter der Lupe steht 'ss'"},
    {"SS__", "das", "Wa[ss]er", ""},
    {"SS__", "der", "Fu[ß]", "unter der Lupe steht 'ß'"},
    {"CK__", "die", "De[ck]e", ""},
    {"CK__", "die", "Dec[k]e", "unter der Lupe steht 'k'"},
    {"TZ__", "die", "Ka[tz]e", ""},
    {"TZ__", "die", "Kat[z]e", "unter der Lupe steht 'z'"},
    {"VS__", "-", "[ver]gessen", ""},
    {"VS__", "der", "[Be]ruf", ""},
    {"VS__", "-", "[ge]winnen", "unter der Lupe steht 'ge'"},
    {"VS__", "-", "un[ver]gessen", "die Lupe steht nicht am Wortanfang"},
    {"NS__", "die", "Zeit[ung]", ""},
    {"NS__", "-", "lust[ig]", ""},
    {"NS__", "die", "Zeitun[g]", "unter der Lupe steht 'g'"},
    {"NS__", "die", "[Ung]eduld", "die Lupe steht nicht am Wortende"},
    {"AB__", "-", "gel[b]", ""},
    {"AB__", "der", "Schrei[b]tisch", "die Lupe steht nicht am Wortende"},
    {"AD__", "der", "Hun[d]", ""},
    {"AD__", "die", "Er[d]beere", "die Lupe steht nicht am Wortende"},
    {"AG__", "der", "Ta[g]", ""},
    {"AG__", "der", "Zwei[g]", ""}, // ei und g, nicht -ig
    {"AG__", "der", "Rin[g]", "'g' gehört zu 'ng'"},
    {"AG__", "der", "Köni[g]", "'g' gehört zu 'ig'"},
    {"IG__", "der", "Kön[ig]", ""},
    {"IG__", "der", "Te[ig]", "'i' gehört zu 'ei'"},
    {"IG__", "die", "Fert[ig]keit", "die Lupe steht nicht am Wortende"},
    {"AS__", "das", "Gra[s]", ""},
    {"AS__", "der", "Flus[s]", "'s' gehört zu 'ss'"},
    {"AS__", "die", "[S]onne", "die Lupe steht nicht am Wortende"},
    {"AE__", "die", "H[ä]nde", ""},
    {"AE__", "die", "[Ä]pfel", ""},
    {"AE__", "die", "B[ä]ume", "'ä' gehört zu 'äu'"},
    {"AEU_", "die", "B[äu]me", ""},
    {"AEU_", "die", "H[ä]nde", "unter der Lupe steht 'ä'"},
    {"AEM_", "der", "K[ä]se", ""},
    {"AEM_", "die", "M[äu]se", "unter der Lupe steht 'äu'"},
    {"GK1M", "der", "[T]isch", ""},
    {"GK1M", "-", "[T]isch", "ohne Artikel"},
    {"GK1M", "der", "Ti[sch]", "die Lupe steht nicht auf dem Anfangsbuchstaben"},
    {"GK2M", "der", "[H]und", ""},
    {"GK2M", "-", "[r]ennen", "klein geschrieben"},
    {"GK3M", "die", "[A]ngst", ""},
    {"GK3M", "-", "[ä]ngstlich", "klein geschrieben"},
    {"XYZ_", "-", "[i]rgendwas", ""}, // ohne Regel passt alles
};

Worteintrag eintrag(const QString& markiert, const QString& kontext) {
    Worteintrag e;
    e.wort = markiert;
    e.wort.remove('[').remove(']');
    e.kontext = kontext;
    return e;
}

} // namespace

TEST(Pruefung, Kategorieregeln) {
    QSet<QString> passt, passtNicht;
    for (const Regelfall& f : regelfaelle) {
        const Worteintrag e = eintrag(f.markiert, f.kontext);
        QString fehler;
        const auto stelle = leseLupenstelle(f.code, f.markiert, e.wort, fehler);
        ASSERT_TRUE(stelle) << fehler.toStdString();
        const QString grund = pruefeKategorieregel(e, *stelle);
        EXPECT_EQ(grund, QString(f.grund)) << f.code << " " << f.markiert;
        (grund.isEmpty() ? passt : passtNicht).insert(f.code);
    }

    // jede Kategorie des Programms hat eine Regel, und die Fälle oben treffen sie von beiden Seiten
    QFile tsp(VARKU_TSP);
    ASSERT_TRUE(tsp.open(QIODevice::ReadOnly));
    const Kategorienliste liste = leseKategorienliste(tsp.readAll(), "Varku.tsp");
    ASSERT_EQ(liste.kategorien.size(), anzahlKategorien);
    for (const Kategorie& k : liste.kategorien) {
        EXPECT_FALSE(kategorieregel(k.code).isEmpty()) << k.code.toStdString();
        EXPECT_TRUE(passt.contains(k.code)) << k.code.toStdString() << ": kein passendes Wort";
        EXPECT_TRUE(passtNicht.contains(k.code)) << k.code.toStdString() << ": kein Gegenbeispiel";
    }
    EXPECT_TRUE(kategorieregel("XYZ_").isEmpty());
}

TEST(Pruefung, Regeltexte) {
    const std::pair<const char*, const char*> faelle[] = {
        {"SCH_", "Lupe auf sch"},
        {"MN__", "Lupe auf mm oder nn"},
        {"SP__", "Lupe auf sp am Wortanfang"},
        {"NS__", "Lupe auf ung, heit, keit, lich oder ig am Wortende"},
        {"AG__", "Lupe auf g am Wortende, nicht in ng; nicht die Endung ig"},
        {"LTA_", "Lupe auf a, nicht in au oder ai; lauttreu"},
        {"LTKV", "Lupe auf zwei Mitlauten am Wortanfang; lauttreu"},
        {"GK3M", "Nomen mit Artikel, Lupe auf dem großen Anfangsbuchstaben"},
    };
    for (const auto& [code, text] : faelle)
        EXPECT_EQ(kategorieregel(code), QString(text)) << code;
}

// Eine Lupenstelle, die nicht ins Wort passt, meldet schon das Lesen; die Regel schweigt dazu.
TEST(Pruefung, KategorieregelOhneBrauchbareLupenstelle) {
    const Worteintrag e = eintrag("Fisch", "der");
    EXPECT_EQ(pruefeKategorieregel(e, {"SCH_", 0, 0}), QString());
    EXPECT_EQ(pruefeKategorieregel(e, {"SCH_", 3, 9}), QString());
    EXPECT_EQ(pruefeKategorieregel(e, {"SCH_", 4, 3}), QString());
    EXPECT_EQ(pruefeKategorieregel(e, {"SCH_", 3, 5}), QString());
    EXPECT_EQ(pruefeKategorieregel(e, {"SCH_", 1, 3}), QString("unter der Lupe steht 'fis'"));
}
