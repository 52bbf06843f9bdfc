// Der Zug des Kreuzworträtsels ohne Fenster: Wortende richtig und falsch, das Ende der
// Spielrunde, der Bonus, der Stein vom Programm, die Lösungshilfe, der Computer, ein neues Spiel.
#include "games/crossword/Wendomarspiel.h"
#include "foundation/Sound.h"
#include "foundation/testing/TestOrdner.h"
#include "foundation/testing/TestWortDb.h"
#include "gamekit/Spielablauf.h"
#include "gamekit/tests/Abschnittspruefung.h"
#include "gamekit/tests/MerkendeSicht.h"
#include "games/crossword/WendomarEinstellungen.h"
#include "platform/testing/TestDienste.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::wendomar;
using namespace varku::test;

namespace {

using GestellteSicht = MerkendeSicht;

struct Haken : Spielhaken {
    Wendomarspiel* spiel = nullptr;
    std::function<void()> imComputerZug, beimWechsel;
    void ladeSpiel() override { spiel->neuesSpielfeld(); }
    void neuesSpiel() override { spiel->neuesSpiel(); }
    void computerZug() override {
        if (imComputerZug)
            imComputerZug();
    }
    void nachSpielerwechsel() override {
        if (beimWechsel)
            beimWechsel();
    }
};

struct Zug : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    GestellteSicht sicht;
    Haken haken;
    Einstellungen einst;
    std::unique_ptr<Spielablauf> a;
    std::unique_ptr<Wendomarspiel> s;
    int geaendert = 0; // wie oft das Spiel sagte, das Brett sei neu zu zeigen

    Zug() {
        ordner.schreibe("Varku.ini", "[Spiele]\n");
        QDir().mkpath(ordner.pfad("User"));
    }
    ~Zug() override {
        s.reset();
        a.reset();
        initSoundTabelle();
    }
    void starte(const std::vector<TestWort>& woerter, const QStringList& namen = {"Anna", "Ben"}) {
        s.reset();
        a.reset();
        legeWortDbAn(ordner.pfad("Varku-D.sqlite"), woerter);
        Spielkonfiguration k;
        k.name = "Wendomar";
        k.ratezeitTaktMs = 1000;
        k.ratezeitSchritt = 10;
        k.wortTabellen = WortTabellen{false, true, false};
        k.maxWortLaenge = hoechstensBuchstaben;
        Spielstartdaten st;
        st.parameter.RuvoFeldName = "KAT1";
        st.parameter.SpielerName = namen;
        for (int i = 0; i < namen.size(); ++i)
            st.parameter.SpielerDatei << QString("SPIELER%1").arg(i);
        st.UserPfad = ordner.pfad("User");
        a = std::make_unique<Spielablauf>(k, st, sicht, haken);
        a->bindeEinstellungen(Einstellungsbindung(wendomarAbschnitt(), einst));
        // ungemischt, und immer das erste Wort
        s = std::make_unique<Wendomarspiel>(*a, [](int von, int) { return von; });
        haken.spiel = s.get();
        QObject::connect(s.get(), &Wendomarspiel::geaendert, [this] { ++geaendert; });
        ASSERT_TRUE(a->lade());
    }
    // die Steine der Ablage auf die freien Zellen des Wortes, der Reihe nach oder verkehrt herum
    void legeAlle(bool richtig = true) {
        const Kreuzwortgitter& g = s->gitter;
        std::vector<Zelle> frei;
        for (int k = 0; k < g.WortLaenge; ++k) {
            const Zelle z = g.Richtung == waagrecht ? Zelle{g.StartSpalte + k, g.StartZeile}
                                                    : Zelle{g.StartSpalte, g.StartZeile + k};
            if (g.buchstabe(z.spalte, z.zeile).isEmpty())
                frei.push_back(z);
        }
        std::vector<int> ablage;
        for (int n = 1; n <= s->steine.anzahl(); ++n)
            if (s->steine.inAblage(n))
                ablage.push_back(n);
        ASSERT_EQ(ablage.size(), frei.size());
        for (size_t i = 0; i < frei.size(); ++i)
            ASSERT_TRUE(s->steine.legeAufFeld(richtig ? ablage[i] : ablage.rbegin()[i], frei[i]));
    }
    long punkte(int platz) const { return a->runde.SpielerPunkte[size_t(platz)]; }
};

TestWort wort(int nr, const char* w, const char* satz = "") {
    return {nr, QString::fromUtf8(w), "", 1, false, true, false, QString::fromUtf8(satz), ""};
}

} // namespace

TEST_F(Zug, Wortende) {
    struct Fall {
        const char* name;
        std::vector<TestWort> woerter;
        QStringList spieler;
        bool richtig;
        long vorher, nachher;
        QStringList meldungen;
        int amZug;
        const char* wortDanach;
        size_t festDanach;
    };
    const QString fehler = "Fehler: Die Reihenfolge der Buchstaben-|steine stimmt leider nicht, ";
    const Fall faelle[] = {
        {"falsch: 10 je Buchstabe, nicht unter 0",
         {wort(1, "Igel"), wort(2, "Insel")},
         {"Anna", "Ben"},
         false,
         25,
         0,
         {fehler + "Anna."},
         1,
         "Igel",
         0},
        {"falsch, mit Vornamen",
         {wort(1, "Igel")},
         {"Anna Maria", "Ben"},
         false,
         100,
         60,
         {fehler + "Anna."},
         1,
         "Igel",
         0},
        {"richtig: Länge x 10, dann das kreuzende Wort",
         {wort(1, "Igel"), wort(2, "Insel")},
         {"Anna", "Ben"},
         true,
         7,
         47,
         {},
         1,
         "Insel",
         4},
        {"allein bleibt der Zug",
         {wort(1, "Igel"), wort(2, "Insel")},
         {"Anna"},
         true,
         0,
         40,
         {},
         0,
         "Insel",
         4},
        {"kein Wort passt mehr: ein neues Brett, die Punkte bleiben",
         {wort(1, "Igel")},
         {"Anna", "Ben"},
         true,
         0,
         40,
         {"Ende der Spielrunde: Es passen keine Wörter mehr auf|das Spielfeld. Diese "
          "Spielrunde|wird deshalb beendet."},
         1,
         "Igel",
         0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        sicht.meldungen.clear();
        starte(f.woerter, f.spieler);
        a->runde.SpielerPunkte[0] = f.vorher;
        legeAlle(f.richtig);
        s->wortEnde();
        EXPECT_EQ(punkte(0), f.nachher);
        EXPECT_EQ(sicht.meldungen, f.meldungen);
        EXPECT_EQ(a->runde.aktSpieler, f.amZug);
        EXPECT_EQ(s->gitter.Wort, f.wortDanach);
        EXPECT_EQ(s->steine.festeSteine().size(), f.festDanach);
        EXPECT_EQ(s->steine.steineInAblage(), 4) << "die Steine liegen in der Ablage";
        EXPECT_FALSE(s->steine.wortEndeAn);
    }
}

// Ein falsches Wort: die Meldung steht über den gelegten Steinen, noch kostet es nichts; danach
// kostet es, und die Steine gehen mit ihrem Klang zurück
TEST_F(Zug, FalschesWortErstDieMeldung) {
    ordner.schreibe("Varku.ini", "[Wendomar]\nTonEinschalten=1\n[Spiele]\n"
                                 "[Sound]\nLeichterFehler=Fehler\nBewegungEnde=Zurueck\n");
    ladeSoundIni();
    starte({wort(1, "Igel"), wort(2, "Insel")});
    a->runde.SpielerPunkte[0] = 25;
    legeAlle(false);
    long punkteWaehrend = -1;
    int inAblageWaehrend = -1;
    QStringList klaengeWaehrend;
    sicht.waehrendMeldung = [&] {
        punkteWaehrend = punkte(0);
        inAblageWaehrend = s->steine.steineInAblage();
        klaengeWaehrend = d.sound.befehle;
    };
    s->wortEnde();
    EXPECT_EQ(punkteWaehrend, 25);
    EXPECT_EQ(inAblageWaehrend, 0);
    EXPECT_EQ(klaengeWaehrend, QStringList{"spiele " + ordner.pfad("Sound/Fehler.WAV")});
    EXPECT_EQ(d.sound.befehle.mid(1), QStringList{"spiele " + ordner.pfad("Sound/Zurueck.WAV")});
    EXPECT_EQ(punkte(0), 0);
}

// Passt kein Wort mehr, steht das fertige Rätsel unter der Meldung, die Ratezeit ist aus; das
// neue Brett kommt danach, und die Ratezeit läuft wieder, wenn die Einstellungen es wollen
TEST_F(Zug, RundenendeUeberDemFertigenRaetsel) {
    for (const bool ratezeit : {true, false}) {
        SCOPED_TRACE(ratezeit ? "mit Ratezeit" : "ohne Ratezeit");
        ordner.schreibe("Varku.ini", QByteArray("[Wendomar]\nRatezeitBegrenzen=") +
                                         (ratezeit ? "1" : "0") + "\n[Spiele]\n");
        starte({wort(1, "Igel")});
        ASSERT_EQ(a->ratezeitAn(), ratezeit);
        legeAlle();
        const int vorher = geaendert;
        bool gezeigt = false, ratezeitWaehrend = true;
        size_t festWaehrend = 0;
        int steineWaehrend = -1;
        sicht.waehrendMeldung = [&] {
            gezeigt = geaendert > vorher;
            ratezeitWaehrend = a->ratezeitAn();
            festWaehrend = s->steine.festeSteine().size();
            steineWaehrend = s->steine.anzahl();
        };
        s->wortEnde();
        EXPECT_TRUE(gezeigt) << "das fertige Rätsel ist gezeigt, bevor die Meldung kommt";
        EXPECT_FALSE(ratezeitWaehrend);
        EXPECT_EQ(festWaehrend, 4u) << "IGEL liegt fest";
        EXPECT_EQ(steineWaehrend, 0) << "noch keine Steine des nächsten Wortes";
        EXPECT_EQ(a->ratezeitAn(), ratezeit);
        EXPECT_TRUE(s->steine.festeSteine().empty());
        EXPECT_EQ(s->gitter.StartZeile, 6) << "das erste Wort des neuen Bretts";
        sicht.waehrendMeldung = nullptr;
    }
}

// Das Wort über einem Bonusfeld: der Bonus ist gezeigt, bevor der Nächste an die Reihe kommt;
// Stein und Hilfe kosten nach ihm, und das richtige Wort bringt ihn
TEST_F(Zug, BonusDesNaechstenWortes) {
    starte({wort(1, "Igel"), wort(2, "Kiwi")});
    int bonusBeimWechsel = -1;
    bool gezeigtBeimWechsel = false;
    int vorher = geaendert;
    haken.beimWechsel = [&] {
        bonusBeimWechsel = s->BonusPunkte();
        gezeigtBeimWechsel = geaendert > vorher;
    };
    legeAlle();
    s->wortEnde();
    ASSERT_EQ(s->gitter.Wort, "Kiwi");
    EXPECT_EQ(bonusBeimWechsel, 50) << "das W liegt auf +50";
    EXPECT_TRUE(gezeigtBeimWechsel);
    EXPECT_EQ(s->steinKosten(), 50 * 2 * 4 + 20);
    EXPECT_EQ(s->hilfeKosten(), 50 / 4 + 10);
    // Ben kauft das K und legt den Rest
    a->runde.SpielerPunkte[1] = 500;
    s->naechsterStein();
    EXPECT_EQ(punkte(1), 80);
    legeAlle();
    s->wortEnde();
    EXPECT_EQ(punkte(1), 80 + 40 + 50);
    EXPECT_EQ(s->BonusPunkte(), 0);
}

// Der Knopf legt den Stein der ersten leeren Zelle für 20 Punkte ohne Bonus, nicht unter 0; liegt
// der passende Stein woanders, sagt er es und kostet nichts. Der Zug bleibt.
TEST_F(Zug, NaechsterSteinVomProgramm) {
    starte({wort(1, "Igel")});
    a->runde.SpielerPunkte[0] = 30;
    s->naechsterStein();
    EXPECT_EQ(s->gitter.buchstabe(6, 6), "I");
    EXPECT_EQ(punkte(0), 10);
    ASSERT_TRUE(s->steine.legeAufFeld(2, {2, 2})); // das G liegt falsch
    s->naechsterStein();
    EXPECT_EQ(sicht.meldungen, QStringList{"Stein setzen: Die Reihenfolge der Buchstaben-|steine "
                                           "stimmt nicht. Deshalb kann|ich den nächsten Stein "
                                           "leider|nicht setzen."});
    EXPECT_EQ(punkte(0), 10) << "nichts berechnet";
    ASSERT_TRUE(s->steine.legeAufFeld(2, {7, 6}));
    s->naechsterStein();
    EXPECT_EQ(punkte(0), 0);
    EXPECT_EQ(a->runde.aktSpieler, 0);
}

// Die Hilfe zeigt die Umschreibung; erst wenn sie zu ist, zahlt der Spieler Int(Bonus / Länge)
// + 10, nicht unter 0, und bleibt am Zug
TEST_F(Zug, LoesungshilfeKostetDanach) {
    starte({wort(1, "Igel", "Der @ schläft.")});
    a->runde.SpielerPunkte[0] = 15;
    QString umschreibung;
    long punkteWaehrend = -1;
    const auto zeige = [&](const QString& u) {
        umschreibung = u;
        punkteWaehrend = punkte(0);
    };
    s->loesungshilfe(zeige);
    EXPECT_EQ(umschreibung, "Umschreibung");
    EXPECT_EQ(punkteWaehrend, 15);
    EXPECT_EQ(punkte(0), 5);
    s->loesungshilfe(zeige);
    EXPECT_EQ(punkte(0), 0);
    EXPECT_EQ(a->runde.aktSpieler, 0);
}

// Der Computer legt im Wechsel nach dem Menschen und wertet sein Wort wie ein Mensch; danach ist
// der Mensch wieder am Zug
TEST_F(Zug, ComputerWertetSeinWort) {
    starte({wort(1, "Igel"), wort(2, "Insel")}, {"Anna"});
    ASSERT_EQ(a->setzeComputer(true), Spielrunde::Sitz::Gesetzt);
    int zuege = 0;
    haken.imComputerZug = [&] {
        ++zuege;
        for (int k = 1; k <= s->gitter.WortLaenge; ++k)
            s->steine.legeComputerStein(k);
        s->wortEnde();
    };
    legeAlle();
    s->wortEnde();
    EXPECT_EQ(zuege, 0) << "sein Zug beginnt nach dem Wechsel";
    d.uhr.vorstellen(0);
    EXPECT_EQ(zuege, 1);
    EXPECT_EQ(punkte(0), 40);
    EXPECT_EQ(punkte(1), 50) << "INSEL ist richtig";
    EXPECT_EQ(a->runde.aktSpieler, 0);
}

// Ein neues Spiel: ein leeres Brett mit dem ersten Wort, ohne Bonus, mit der ganzen Ratezeit
TEST_F(Zug, NeuesSpiel) {
    ordner.schreibe("Varku.ini", "[Wendomar]\nRatezeitBegrenzen=1\n[Spiele]\n");
    starte({wort(1, "Igel"), wort(2, "Kiwi")});
    legeAlle();
    s->wortEnde();
    ASSERT_EQ(s->BonusPunkte(), 50);
    d.uhr.vorstellen(30000);
    ASSERT_GT(a->ratezeit.RateZeitZaehler, 0);
    s->neuesSpiel();
    EXPECT_EQ(s->gitter.Wort, "Igel");
    EXPECT_TRUE(s->steine.festeSteine().empty());
    EXPECT_EQ(s->BonusPunkte(), 0);
    EXPECT_EQ(a->ratezeit.RateZeitZaehler, 0);
}

// Der Computer legt Stelle um Stelle, auch wo der Buchstabe schon liegt, und nach der letzten ist
// sein Zug vorbei: mit allen Steinen gewertet, sonst gehen sie ohne Wertung zurück
TEST_F(Zug, ComputerLegtSteinFuerStein) {
    struct Fall {
        const char* name;
        bool steinWeg; // ein Stein seines Wortes liegt falsch
        long punkte;
    };
    for (const Fall& f : {Fall{"alle Steine", false, 50}, Fall{"einer fehlt", true, 0}}) {
        SCOPED_TRACE(f.name);
        starte({wort(1, "Igel"), wort(2, "Insel")}, {"Anna"});
        ASSERT_EQ(a->setzeComputer(true), Spielrunde::Sitz::Gesetzt);
        legeAlle();
        s->wortEnde();
        d.uhr.vorstellen(0);
        ASSERT_TRUE(a->computerAmZug());
        if (f.steinWeg) {
            int l = 1;
            while (l < s->steine.anzahl() && s->steine.stein(l).buchstabe != u'L')
                ++l;
            // das L auf der Zelle des N: das N bleibt in der Ablage
            const Kreuzwortgitter& g = s->gitter;
            const Zelle n = g.Richtung == waagrecht ? Zelle{g.StartSpalte + 1, g.StartZeile}
                                                    : Zelle{g.StartSpalte, g.StartZeile + 1};
            ASSERT_TRUE(s->steine.legeAufFeld(l, n));
        }
        int stellen = 0;
        while (s->computerSchritt())
            ++stellen;
        EXPECT_EQ(stellen, s->gitter.WortLaenge);
        EXPECT_EQ(s->steine.wortEndeAn, !f.steinWeg);
        s->computerFertig();
        EXPECT_EQ(punkte(1), f.punkte);
        EXPECT_FALSE(a->computerAmZug());
        EXPECT_EQ(s->gitter.Wort, f.steinWeg ? "Insel" : "Igel") << "sein Wort, oder das nächste";
        for (int n = 1; n <= s->steine.anzahl(); ++n)
            EXPECT_TRUE(s->steine.inAblage(n)) << n;
    }
}

// Fehlt der Abschnitt in der ausgelieferten Varku.ini, schreibt das Spiel ihn mit seinem Kopf ans
// Ende, und ohne ihn beginnt es wie jedes Spiel
TEST(Abschnitt, FehlenderAbschnittKommtMitSeinemKopfAnsEnde) {
    varku::test::pruefeFehlendenAbschnitt(varku::wendomar::wendomarAbschnitt());
    varku::test::pruefeBeginnOhneAbschnitt(varku::wendomar::wendomarAbschnitt());
}
