// Der Lauf des Fallspiels ohne Fenster: der Ablauf des Baukastens mit einer gestellten Sicht, die
// gestellte Uhr, ein Würfel, der jeden Stein aufrecht in Spalte 1 fallen lässt.
#include "games/fallingletters/Fallzug.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "gamekit/Spielablauf.h"
#include "gamekit/Spielstart.h"
#include "gamekit/tests/MerkendeSicht.h"
#include "platform/testing/TestDienste.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::dolmix;
using namespace varku::test;

namespace {

struct Sicht : MerkendeSicht, Spielhaken, Fallsicht {
    int fertigeWoerter = 0, gezeigteWoerter = 0, leereFelder = 0;
    bool laeuft = false;

    // die Haken, wie das Fenster sie an den Zug gibt
    Fallzug* zug = nullptr;
    void ladeSpiel() override { zug->lade(); }
    void ratezeitAbgelaufen(Spielablauf& /*a*/) override { zug->ratezeitAbgelaufen(); }
    bool ratezeitGewuenscht(const Spieleinstellungen& /*e*/) const override {
        return zug->ratezeitGewuenscht();
    }

    void zeige(const Ereignis& e) override { fertigeWoerter += e.wortFertig ? 1 : 0; }
    void zeigeWort() override { ++gezeigteWoerter; }
    void zeigeLauf(bool l) override { laeuft = l; }
    void zeigeLeeresFeld() override { ++leereFelder; }
};

struct Lauf : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    Sicht sicht;
    Einstellungen einst;
    std::unique_ptr<Spielablauf> ablauf;
    std::unique_ptr<Fallzug> zug;

    Lauf() {
        ordner.schreibe("Varku.tsp", ">>> Seite,-\nTiere,KAT1\n");
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"),
                     {{1, "Igel", "der", 1, true, true, false, "", ""},
                      {2, "Straße", "die", 1, true, true, false, "", ""}});
        QDir().mkpath(ordner.pfad("User"));
    }
    ~Lauf() override {
        zug.reset();
        ablauf.reset();
    }
    void starte(const QStringList& namen, const QByteArray& einstellungen) {
        ordner.schreibe("Varku.ini", "[Dolmix]\nFallGeschwindigkeit=500\n" + einstellungen +
                                         "\n[Spiele]\nMaximaleSpielDauer=30\n");
        einst = Einstellungen{};
        Spielkonfiguration k;
        k.name = "Dolmix";
        k.ratezeitTaktMs = 1000;
        k.wortTabellen = WortTabellen{true, true, false};
        k.maxWortLaenge = hoechstensBuchstaben;
        QString zeile = QString("\"Version=4;RuvoFeldName=KAT1;nSpieler=%1;").arg(namen.size());
        for (const QString& n : namen)
            zeile += n + ";";
        for (int i = 0; i < namen.size(); ++i)
            zeile += QString(8, QChar(u'A' + i)) + ";";
        const Startpruefung p = pruefeStart(zeile + "\"", k);
        ASSERT_TRUE(p.angenommen);
        ablauf = std::make_unique<Spielablauf>(k, p.daten, sicht, sicht);
        zug = std::make_unique<Fallzug>(
            *ablauf, einst, [](int von, int) { return von; }, sicht);
        sicht.zug = zug.get();
        ablauf->bindeEinstellungen(Einstellungsbindung(dolmixAbschnitt(), einst));
        ASSERT_TRUE(ablauf->lade());
    }
    void takt() { d.uhr.vorstellen(zug->SteinTimer().intervall()); }
};

} // namespace

// Ein falsch gelegtes Wort gibt die Reihe mit der Meldung weiter, wenn der Wechsel bei Fehler an
// ist und mehr als einer spielt; die Ratezeit läuft dabei weiter, wo sie stand, und der Fall geht
// nach der Meldung weiter
TEST_F(Lauf, FalschesWortWechseltDenSpieler) {
    struct Fall {
        const char* name;
        QStringList namen;
        QByteArray einstellungen;
        int amZug;
        QString meldung; // leer: keine
        int danach;
    };
    const Fall faelle[] = {
        {"zwei",
         {"Anna Lena", "Ben"},
         "SpielerWechselBeiFehler=1\nSpielerWechselNachZeit=5",
         0,
         "Spielerwechsel: Anna, du darfst dich ein wenig|ausruhen. Jetzt ist erst mal Ben|an der "
         "Reihe.",
         1},
        {"drei, der letzte ist dran",
         {"Anna", "Ben", "Cleo"},
         "SpielerWechselBeiFehler=1\nSpielerWechselNachZeit=5",
         2,
         "Spielerwechsel: Cleo, du darfst dich ein wenig|ausruhen. Jetzt ist erst mal Anna|an der "
         "Reihe.",
         0},
        {"ohne Wechsel bei Fehler", {"Anna", "Ben"}, "SpielerWechselNachZeit=5", 0, "", 0},
        {"allein", {"Anna"}, "SpielerWechselBeiFehler=1", 0, "", 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        zug.reset();
        ablauf.reset();
        sicht = Sicht{};
        starte(f.namen, f.einstellungen);
        ablauf->runde.aktSpieler = f.amZug;
        zug->starte();
        ASSERT_TRUE(sicht.laeuft);
        d.uhr.vorstellen(3000); // die Ratezeit hat schon etwas gezählt
        int zaehlerBeiMeldung = -1;
        sicht.waehrendMeldung = [&] { zaehlerBeiMeldung = ablauf->ratezeit.RateZeitZaehler; };
        // alle Buchstaben in Spalte 1 übereinander: das Wort ist falsch
        for (int i = 0; i < 200 && sicht.fertigeWoerter == 0; ++i)
            takt();
        ASSERT_EQ(sicht.fertigeWoerter, 1);
        EXPECT_EQ(sicht.meldungen.join("/"), f.meldung);
        EXPECT_EQ(ablauf->runde.aktSpieler, f.danach);
        EXPECT_EQ(zug->spiel().zelle(1, 2).buchstabe, "*") << "gewischt";
        EXPECT_EQ(sicht.gezeigteWoerter, 2) << "gleich das nächste Wort";
        EXPECT_TRUE(zug->SteinTimer().aktiv()) << "es fällt weiter";
        if (!f.meldung.isEmpty()) {
            EXPECT_GT(zaehlerBeiMeldung, 0);
            EXPECT_EQ(ablauf->ratezeit.RateZeitZaehler, zaehlerBeiMeldung);
        }
    }
}

// Die Ratezeit ist um: mehrere erfahren, wer jetzt dran ist, wer allein spielt, nichts
TEST_F(Lauf, RatezeitMeldetDenWechselNurMehreren) {
    for (const QStringList& namen : {QStringList{"Anna", "Ben"}, QStringList{"Anna"}}) {
        SCOPED_TRACE(namen.size());
        zug.reset();
        ablauf.reset();
        sicht = Sicht{};
        starte(namen, "SpielerWechselNachZeit=1");
        d.uhr.vorstellen(63000);
        EXPECT_EQ(sicht.meldungen.size(), namen.size() > 1 ? 1 : 0)
            << sicht.meldungen.join("/").toStdString();
        EXPECT_EQ(ablauf->runde.aktSpieler, namen.size() > 1 ? 1 : 0);
    }
}

// Kommt kein Stein mehr ins Feld, endet die Runde: das Spiel steht, die Meldung, das Feld ist leer,
// die benutzten Wörter sind vergessen, ein neues Wort liegt bereit
TEST_F(Lauf, EndeDerRundeLeertDasFeld) {
    starte({"Anna", "Ben"}, "");
    for (int z = 1; z <= 10; ++z)
        zug->spiel().legeZelle(1, z, FeldZelle{true, 0, 99, "*", 0, true});
    zug->starte();
    bool liefBeiMeldung = true;
    sicht.waehrendMeldung = [&] { liefBeiMeldung = zug->SteinTimer().aktiv() || sicht.laeuft; };
    takt();
    ASSERT_EQ(sicht.meldungen.size(), 1);
    EXPECT_TRUE(sicht.meldungen[0].startsWith("Ende der Spielrunde: Dolmix ist beim Einfügen"));
    EXPECT_FALSE(liefBeiMeldung) << "schon während der Meldung steht das Spiel";
    EXPECT_FALSE(zug->spiel().zelle(1, 1).belegt());
    EXPECT_EQ(ablauf->woerter.BenutztListe.size(), 1u) << "nur das neue Wort";
    EXPECT_EQ(sicht.gezeigteWoerter, 2);
    EXPECT_FALSE(zug->SteinTimer().aktiv()) << "die neue Runde beginnt mit Start";
    EXPECT_FALSE(zug->spiel().laeuft());
}
