#include "gamekit/Spielrunde.h"
#include "gamekit/Spieluhren.h"

#include <gtest/gtest.h>

using namespace varku;

namespace {
Spielrunde runde(QStringList namen) {
    Startparameter p;
    p.SpielerName = namen;
    for (int i = 0; i < namen.size(); ++i)
        p.SpielerDatei << QString(8, QChar(u'A' + i));
    return Spielrunde(p);
}
} // namespace

// Der Computer setzt sich nur einmal, immer auf den letzten Platz, und geht wieder.
TEST(Spielrunde, PlatzDesComputers) {
    Spielrunde r = runde({"Anna"});
    EXPECT_EQ(r.setzeComputer(true), Spielrunde::Sitz::Gesetzt);
    EXPECT_EQ(r.setzeComputer(true), Spielrunde::Sitz::Unveraendert) << "zweimal: einmal";
    EXPECT_EQ(r.nSpieler, 2);
    EXPECT_EQ(r.SpielerName[1], "Computer");
    EXPECT_EQ(r.menschen(), 1);
    r.aktSpieler = 1;
    EXPECT_TRUE(r.computerAmZug());
    EXPECT_EQ(r.setzeComputer(false), Spielrunde::Sitz::Entfernt);
    EXPECT_EQ(r.nSpieler, 1);
    EXPECT_EQ(r.aktSpieler, 0) << "wer hinter dem letzten Platz stand, ist wieder vorn";
    EXPECT_EQ(r.setzeComputer(false), Spielrunde::Sitz::Unveraendert);

    // ein Kind, das Computer heißt, ist kein Computer: es hat eine Protokolldatei
    Spielrunde k = runde({"Anna", "Computer"});
    EXPECT_FALSE(k.computerSitzt());
    EXPECT_EQ(k.menschen(), 2);
    EXPECT_EQ(k.setzeComputer(true), Spielrunde::Sitz::Gesetzt);
    EXPECT_EQ(k.nSpieler, 3);

    // mit vier Spielern hat das Kartenspiel keinen Platz mehr
    Spielrunde vier = runde({"A", "B", "C", "D"});
    EXPECT_EQ(vier.setzeComputer(true, 4), Spielrunde::Sitz::KeinPlatz);
    EXPECT_EQ(vier.setzeComputer(true, 5), Spielrunde::Sitz::Gesetzt);
    EXPECT_EQ(vier.nSpieler, 5);
    EXPECT_EQ(vier.setzeComputer(true, 5), Spielrunde::Sitz::Unveraendert);
}

TEST(Spielrunde, ReiheUndPunkte) {
    Spielrunde r = runde({"Anna", "Ben", "Cleo"});
    struct Schritt {
        int vorher, nachher;
    };
    for (const Schritt& s : {Schritt{0, 1}, Schritt{1, 2}, Schritt{2, 0}, Schritt{5, 0}}) {
        r.aktSpieler = s.vorher;
        r.naechsterSpieler();
        EXPECT_EQ(r.aktSpieler, s.nachher) << s.vorher;
    }
    r.aktSpieler = 1;
    r.ersterSpieler();
    EXPECT_EQ(r.aktSpieler, 0);
    r.gibPunkte(80);
    r.ziehePunkteAb(30);
    EXPECT_EQ(r.punkte(), 50);
    r.ziehePunkteAb(200);
    EXPECT_EQ(r.punkte(), 0) << "nie unter null";
    EXPECT_EQ(r.stand().size(), 3u);
}

// Der nächste Platz, ohne dass die Reihe weitergeht: reihum, allein immer derselbe
TEST(Spielrunde, NaechsterPlatzOhneWechsel) {
    struct Fall {
        QStringList namen;
        int akt, naechster;
    };
    const Fall faelle[] = {
        {{"Anna", "Ben", "Cleo"}, 0, 1},
        {{"Anna", "Ben", "Cleo"}, 1, 2},
        {{"Anna", "Ben", "Cleo"}, 2, 0},
        {{"Anna", "Ben"}, 4, 0},
        {{"Anna"}, 0, 0},
    };
    for (const Fall& f : faelle) {
        Spielrunde r = runde(f.namen);
        r.aktSpieler = f.akt;
        EXPECT_EQ(r.naechsterPlatz(), f.naechster) << f.namen.size() << " ab " << f.akt;
        EXPECT_EQ(r.aktSpieler, f.akt) << "die Reihe bleibt";
    }
}

TEST(Spielrunde, FragenAnEinenOderMehrere) {
    EXPECT_EQ(endeFrage("Zirkomat", 1),
              "Bist du wirklich sicher, dass du Zirkomat beenden willst?");
    EXPECT_EQ(endeFrage("Zirkomat", 2),
              "Seid ihr wirklich sicher, dass ihr Zirkomat beenden wollt?");
    const Frage rad = neuesSpielFrage("Zirkomat", true, false, 2);
    EXPECT_EQ(rad.text, "Seid ihr wirklich sicher,\rdass ihr Zirkomat neu\rstarten wollt?");
    EXPECT_EQ(rad.knopf1, "&ja");
    const Frage dol = neuesSpielFrage("Dolmix", false, true, 1);
    EXPECT_EQ(dol.text, "Wenn du das Spiel neu beginnst,\rgehen alle Punkte verloren.\r"
                        "Bist du sicher, dass du das\rwirklich willst?");
    EXPECT_EQ(dol.knopf1, "&nein");
    EXPECT_EQ(dol.knopf2, "&ja");
    EXPECT_EQ(ratezeitMeldung("Gast 2"), "Die Ratezeit ist leider\rabgelaufen, Gast.");
    EXPECT_EQ(spielzeitMeldung("Zelko"),
              "Die Höchstspielzeit ist abgelaufen!\rZelko wird jetzt beendet.");
}

TEST(Spieluhren, RatezeitUndSpielzeit) {
    Ratezeit r(50);
    int takte = 0;
    while (!r.tick())
        ++takte;
    EXPECT_EQ(takte + 1, 20) << "zwanzig Takte bis 1000";
    Ratezeit d(16);
    takte = 1;
    while (!d.tick())
        ++takte;
    EXPECT_EQ(takte, 63);

    struct Fall {
        int schritt;
        long start;
        std::vector<long> takte;
        bool aus;
    };
    const Fall faelle[] = {
        {15, 1000, {1005, 1301}, true},   // 301 Sekunden zu 15 Twips: unter 100 Twips
        {15, 1000, {1005, 1300}, false},  // bei 300 Sekunden sind noch 105 übrig
        {15, 86300, {100, 101}, false},   // über Mitternacht: 200 Sekunden
        {0, 1000, {90000, 50000}, false}, // ohne Grenze
        {1, 0, {4510}, true},             // 75 Minuten und mehr: eine lange Zeit
    };
    for (const Fall& f : faelle) {
        Spielzeitbalken b(f.schritt);
        b.start(f.start);
        bool aus = false;
        for (long t : f.takte)
            aus = b.tick(t) || aus;
        EXPECT_EQ(aus, f.aus) << f.schritt << " ab " << f.start;
        EXPECT_EQ(b.abgelaufen(), f.aus);
        if (f.aus) {
            EXPECT_FALSE(b.tick(f.takte.back() + 10)) << "einmal abgelaufen meldet es nicht wieder";
        }
    }
}
