// Die Steine des Kreuzworträtsels ohne Fenster: Ablage, Legen, Zurück, Knöpfe, Stoppsteine.
#include "games/crossword/Steinlage.h"
#include "platform/testing/Worttabelle.h"

#include <deque>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::wendomar;

namespace {

struct Steine : ::testing::Test {
    db::Recordset woerter = test::worttabelle({});
    std::deque<int> zahlen; // leer: die kleinste Zahl, also keine Mischung
    Wuerfel wuerfel = [this](int von, int bis) {
        if (zahlen.empty())
            return von;
        const int z = zahlen.front();
        zahlen.pop_front();
        return std::clamp(z, von, bis);
    };
    Kreuzwortgitter g{woerter, wuerfel};
    Steinlage s{g, wuerfel};

    // das Wort, das als Nächstes gelegt wird
    void naechstes(const QString& wort, int spalte, int zeile, int richtung) {
        g.Wort = wort;
        g.WortLaenge = int(wort.size());
        g.StartSpalte = spalte;
        g.StartZeile = zeile;
        g.Richtung = richtung;
        s.legeSteineAus();
    }
    // das Wort richtig gelegt, wie die Wortende-Prüfung es abschließt
    void fertig() {
        s.setzeStoppSteine();
        s.fixiereSteine();
        g.setzeWortInsGitter();
        g.merkeWort();
    }
    // legt die Steine der Reihe nach auf die Zellen des Wortes, die noch frei sind
    void legeAlle() {
        int n = 1;
        for (int k = 0; k < g.WortLaenge; ++k) {
            const Zelle z = g.Richtung == waagrecht ? Zelle{g.StartSpalte + k, g.StartZeile}
                                                    : Zelle{g.StartSpalte, g.StartZeile + k};
            if (g.buchstabe(z.spalte, z.zeile).isEmpty()) {
                ASSERT_TRUE(s.legeAufFeld(n++, z));
            }
        }
    }
    QString ablage() const {
        QString t;
        for (int n = 1; n <= s.anzahl(); ++n)
            t += s.stein(n).buchstabe;
        return t;
    }
};

} // namespace

TEST(Mischen, JederBuchstabeAufEinenFreienPlatz) {
    struct Fall {
        const char* text;
        std::deque<int> wuerfel;
        const char* ergebnis;
    };
    const Fall faelle[] = {
        {"", {}, ""},
        {"ABC", {1, 1, 1}, "ABC"},
        {"ABC", {3, 2, 1}, "CBA"},
        {"ABC", {2, 2, 1}, "CAB"},
        {"STRAßE", {6, 5, 4, 3, 2, 1}, "EßARTS"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        std::deque<int> z = f.wuerfel;
        const auto w = [&](int von, int bis) {
            EXPECT_FALSE(z.empty());
            const int k = z.empty() ? von : z.front();
            if (!z.empty())
                z.pop_front();
            EXPECT_TRUE(k >= von && k <= bis) << k << " " << von << ".." << bis;
            return k;
        };
        EXPECT_EQ(Steinlage::mischeBuchstaben(QString::fromUtf8(f.text), w),
                  QString::fromUtf8(f.ergebnis));
        EXPECT_TRUE(z.empty());
    }
}

TEST(Ablage, PlatzJeStein) {
    EXPECT_EQ(Steinlage::ablagePosition(1), (Zelle{1, 1}));
    EXPECT_EQ(Steinlage::ablagePosition(4), (Zelle{4, 1}));
    EXPECT_EQ(Steinlage::ablagePosition(5), (Zelle{1, 2}));
    EXPECT_EQ(Steinlage::ablagePosition(12), (Zelle{4, 3}));
}

// Ein Buchstabe, der schon liegt, bekommt keinen Stein; liegt er am Anfang des Wortes, geht es
// mit dem "nächsten Stein" weiter
TEST_F(Steine, EinSteinJeFehlendemBuchstaben) {
    naechstes("Schulaufgabe", 2, 6, waagrecht);
    EXPECT_EQ(s.anzahl(), 12);
    EXPECT_EQ(s.steineInAblage(), 12);
    EXPECT_EQ(s.stein(12).ablage, (Zelle{4, 3})) << "drei volle Reihen";
    EXPECT_TRUE(s.ersterStein);
    legeAlle();
    fertig();

    // SCHULAUFGABE liegt in Zeile 6 von Spalte 2 an
    naechstes("Mut", 5, 5, senkrecht); // kreuzt das U in der Mitte
    EXPECT_EQ(ablage(), "MT");
    EXPECT_TRUE(s.ersterStein);
    naechstes("Schal", 2, 6, senkrecht); // beginnt auf dem S
    EXPECT_EQ(ablage(), "CHAL");
    EXPECT_FALSE(s.ersterStein);
    naechstes("Huhn", 4, 6, senkrecht); // beginnt auf dem H
    EXPECT_EQ(s.anzahl(), 3);
    EXPECT_FALSE(s.ersterStein);
}

TEST_F(Steine, LegenUndKnoepfe) {
    naechstes("Igel", 6, 6, waagrecht);
    ASSERT_EQ(ablage(), "IGEL");
    EXPECT_FALSE(s.wortEndeAn);
    EXPECT_FALSE(s.zurueckAn);
    EXPECT_TRUE(s.naechsterSteinMoeglich());

    ASSERT_TRUE(s.legeAufFeld(1, {6, 6}));
    EXPECT_EQ(g.buchstabe(6, 6), "I");
    EXPECT_TRUE(s.zurueckAn);
    EXPECT_FALSE(s.ersterStein);
    // von einer Zelle zur anderen: die alte wird leer
    ASSERT_TRUE(s.legeAufFeld(1, {2, 2}));
    EXPECT_EQ(g.buchstabe(6, 6), "");
    EXPECT_EQ(g.buchstabe(2, 2), "I");
    EXPECT_EQ(s.feld(1), (Zelle{2, 2}));

    // auf einen anderen Stein, in den Rand, hinter das Brett: nichts ändert sich
    for (const Zelle z : {Zelle{2, 2}, Zelle{0, 3}, Zelle{3, 0}, Zelle{15, 1}, Zelle{1, 12}})
        EXPECT_FALSE(s.legeAufFeld(2, z)) << z.spalte << "," << z.zeile;
    EXPECT_TRUE(s.inAblage(2));
    EXPECT_EQ(g.buchstabe(2, 2), "I");

    // die Ablage nimmt den Stein unter dem Zeiger, nicht auf seinem eigenen Platz
    ASSERT_TRUE(s.legeInAblage(1, {3, 3}));
    EXPECT_EQ(s.stein(1).ablage, (Zelle{3, 3}));
    EXPECT_EQ(g.buchstabe(2, 2), "");
    EXPECT_FALSE(s.zurueckAn);
    EXPECT_TRUE(s.ersterStein);
    EXPECT_FALSE(s.legeInAblage(2, {3, 3})) << "dort liegt schon einer";
    EXPECT_FALSE(s.legeInAblage(2, {5, 1})) << "außerhalb der Ablage";

    // alle aufs Brett: Wortende an, nächster Stein aus
    legeAlle();
    EXPECT_EQ(s.steineInAblage(), 0);
    EXPECT_TRUE(s.wortEndeAn);
    EXPECT_FALSE(s.naechsterSteinMoeglich());

    // alle zurück auf ihre eigenen Plätze
    s.alleZurueck();
    EXPECT_EQ(s.steineInAblage(), 4);
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(s.stein(n).ablage, Steinlage::ablagePosition(n)) << n;
    EXPECT_EQ(g.alsText().at(5), "..............");
    EXPECT_FALSE(s.wortEndeAn);
    EXPECT_FALSE(s.zurueckAn);
    EXPECT_TRUE(s.naechsterSteinAn);
}

TEST_F(Steine, StoppSteineUndFesteSteine) {
    naechstes("Ei", 1, 1, waagrecht);
    legeAlle();
    fertig();
    EXPECT_EQ(s.stoppSteine(), std::vector<Zelle>({{3, 1}})) << "nichts vor dem Rand";
    ASSERT_EQ(s.festeSteine().size(), 2u);
    EXPECT_EQ(s.festeSteine()[1].feld, (Zelle{2, 1}));
    EXPECT_EQ(s.anzahl(), 0);

    naechstes("Tee", 14, 9, senkrecht);
    legeAlle();
    fertig();
    EXPECT_EQ(s.stoppSteine().back(), (Zelle{14, 8})) << "nichts hinter der letzten Zeile";

    // auf einen festen Stein oder einen Stoppstein nicht
    naechstes("Ohr", 6, 6, waagrecht);
    EXPECT_FALSE(s.legeAufFeld(1, {1, 1}));
    EXPECT_FALSE(s.legeAufFeld(1, {3, 1}));
    EXPECT_EQ(g.buchstabe(1, 1), "E");
    EXPECT_EQ(g.buchstabe(3, 1), "@");

    s.neuesSpielfeld();
    EXPECT_TRUE(s.stoppSteine().empty());
    EXPECT_TRUE(s.festeSteine().empty());
}

TEST_F(Steine, NaechsterSteinVomProgramm) {
    naechstes("Anna", 3, 3, waagrecht);
    // ungemischt: A, N, N, A in der Ablage
    EXPECT_EQ(s.setzeNaechstenStein(), 1);
    EXPECT_EQ(g.buchstabe(3, 3), "A");
    EXPECT_FALSE(s.ersterStein);
    EXPECT_TRUE(s.zurueckAn);
    // ein N liegt falsch auf dem Brett, das andere nimmt der Knopf: der erste mit dem Buchstaben
    ASSERT_TRUE(s.legeAufFeld(2, {9, 9}));
    EXPECT_EQ(s.setzeNaechstenStein(), 3);
    EXPECT_EQ(g.buchstabe(4, 3), "N");
    // das zweite N liegt woanders: kein Stein für die dritte Zelle
    EXPECT_EQ(s.setzeNaechstenStein(), 0);
    EXPECT_EQ(g.buchstabe(5, 3), "");
    ASSERT_TRUE(s.legeAufFeld(2, {5, 3}));
    EXPECT_EQ(s.setzeNaechstenStein(), 4) << "der letzte";
    EXPECT_TRUE(s.wortEndeAn);
    EXPECT_FALSE(s.naechsterSteinAn);
    EXPECT_EQ(s.setzeNaechstenStein(), 0) << "nichts mehr zu legen";
}

TEST(Kosten, SteinUndHilfe) {
    struct Fall {
        int bonus, laenge, stein, hilfe;
    };
    for (const Fall& f :
         {Fall{0, 5, 20, 10}, Fall{130, 5, 1320, 36}, Fall{10, 4, 100, 12}, Fall{100, 9, 1820, 21}})
        EXPECT_EQ(std::pair(steinKosten(f.bonus, f.laenge), hilfeKosten(f.bonus, f.laenge)),
                  std::pair(f.stein, f.hilfe))
            << f.bonus << " " << f.laenge;
}

// Der Computer legt Stelle für Stelle; eine Kreuzung hat keinen Stein, gleiche Buchstaben gehen
// in der Reihenfolge der Ablage
TEST_F(Steine, ComputerLegtDasWort) {
    naechstes("Otto", 2, 2, waagrecht);
    legeAlle();
    fertig();
    naechstes("Tante", 4, 2, senkrecht); // kreuzt das T von OTTO in Zeile 2
    ASSERT_EQ(ablage(), "ANTE");
    const int erwartet[] = {0, 1, 2, 3, 4};
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(s.legeComputerStein(k), erwartet[k - 1]) << k;
    EXPECT_EQ(s.legeComputerStein(6), 0);
    for (int r = 2; r <= 6; ++r)
        EXPECT_EQ(g.buchstabe(4, r), QString("TANTE"[r - 2])) << r;
    EXPECT_TRUE(s.wortEndeAn);
}
