// Der Ablauf eines Spiels ohne Fenster: eine gestellte Sicht, gestellte Haken, die gestellte Uhr.
#include "gamekit/Spielablauf.h"
#include "foundation/testing/TestOrdner.h"
#include "gamekit/Meisterliste.h"
#include "platform/testing/TestDienste.h"

#include <QDialog>
#include <QDir>
#include <algorithm>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

using namespace varku;
using namespace varku::test;

namespace {

struct GestellteSicht : Spielsicht {
    QStringList meldungen;          // "Titel: Text"
    QStringList fragen;             // die Fragen vor dem Beenden
    std::deque<QString> antworten;  // auf Meldungen; ohne: der erste Knopf
    std::deque<bool> endeAntworten; // ohne: ja
    std::function<void()> waehrendMeldung;
    int geschlossen = 0, sitze = 0, spieler = 0;

    void zeigeSchwerpunkt() override {}
    void zeigeSpieler() override { ++spieler; }
    void zeigeRatezeit() override {}
    void zeigeSpielzeit() override {}
    void zeigeMenues() override {}
    void zeigeSitze() override { ++sitze; }
    QString zeigeMeldungsfenster(const QString& text, const QString& titel, const QString& knopf1,
                                 const QString&) override {
        meldungen << titel + ": " + QString(text).replace('\r', '|');
        if (waehrendMeldung)
            waehrendMeldung();
        QString a = knopf1;
        if (!antworten.empty()) {
            a = antworten.front();
            antworten.pop_front();
        }
        return a.remove('&');
    }
    bool endeBestaetigt(const QString& frage) override {
        fragen << frage;
        if (endeAntworten.empty())
            return true;
        const bool ja = endeAntworten.front();
        endeAntworten.pop_front();
        return ja;
    }
    void zeichneSofort() override {}
    void schliesseFenster() override { ++geschlossen; }
};

struct GestellteHaken : Spielhaken {
    Spielablauf* ablauf = nullptr;
    std::function<void()> imComputerZug;
    std::function<void(Spielablauf&)> beiRatezeit; // ohne: die übliche Meldung
    bool menuesGesperrt = false;
    int wechsel = 0, computerZuege = 0, neueSpiele = 0, vorEnde = 0;
    bool menueWaehrendComputer = true;

    QStringList* folge = nullptr; // was Regeln und Fenster nacheinander taten
    void nachSpielerwechsel() override {
        ++wechsel;
        if (folge)
            *folge << "Fenster: Wechsel";
    }
    void ratezeitAbgelaufen(Spielablauf& a) override {
        if (beiRatezeit)
            beiRatezeit(a);
        else
            Spielhaken::ratezeitAbgelaufen(a);
    }
    void computerZug() override {
        ++computerZuege;
        if (folge)
            *folge << "Fenster: Computer";
        menueWaehrendComputer = ablauf->menueAn(Menue::Neu);
        if (imComputerZug)
            imComputerZug();
    }
    void neuesSpiel() override {
        ++neueSpiele;
        if (folge)
            *folge << "Fenster: neues Spiel";
    }
    bool menueGesperrt(Menue m) const override {
        return menuesGesperrt && m == Menue::Einstellungen;
    }
    void vorDemEnde() override { ++vorEnde; }
};

struct GestellteRegeln : Spielregeln {
    std::function<long(int)> punkte; // ohne: die der Runde
    QStringList* folge = nullptr;
    void merke(const char* was) {
        if (folge)
            *folge << QString("Regeln: ") + was;
    }
    void neuesSpiel() override { merke("neues Spiel"); }
    void nachSpielerwechsel() override { merke("Wechsel"); }
    void computerZug() override { merke("Computer"); }
    long punkteDesPlatzes(const Spielrunde& r, int platz) const override {
        return punkte ? punkte(platz) : Spielregeln::punkteDesPlatzes(r, platz);
    }
};

struct Ablauf : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    GestellteSicht sicht;
    GestellteHaken haken;
    GestellteRegeln regeln;
    std::unique_ptr<Spielablauf> a;

    Ablauf() { QDir().mkpath(ordner.pfad("User")); }
    ~Ablauf() override { a.reset(); }

    // Spieler aus der Zeichenkette; energieSchritt 15 sind fünf Minuten Spielzeit
    void starte(const QStringList& namen, Spielkonfiguration k = {}, int energieSchritt = 15) {
        if (k.name.isEmpty())
            k.name = "Testspiel";
        Spielstartdaten s;
        s.parameter.SpielerName = namen;
        for (int i = 0; i < namen.size(); ++i)
            s.parameter.SpielerDatei << QString("SPIELER%1").arg(i);
        s.UserPfad = ordner.pfad("User");
        s.energieSchritt = energieSchritt;
        a = std::make_unique<Spielablauf>(k, s, sicht, haken);
        haken.ablauf = a.get();
        a->setzeRegeln(regeln);
        a->spielzeit.start(long(d.uhr.sekundenSeitMitternacht()));
        a->EnergTimer().setzeAktiv(true);
    }
};

} // namespace

// Der Wechsel geht reihum; der Computer sitzt hinten, bekommt seinen Zug mit frischer Ratezeit
// und ohne Menüs, außer das Spiel lässt sie ihm an.
TEST_F(Ablauf, SpielerwechselMitUndOhneComputer) {
    struct Fall {
        const char* name;
        QStringList namen;
        bool computer, menuesBeimComputer;
        std::vector<int> reihe; // aktSpieler nach jedem Wechsel
        int computerZuege;
        bool menueImZug;
    };
    const Fall faelle[] = {
        {"zwei Kinder", {"Anna", "Ben"}, false, false, {1, 0, 1}, 0, true},
        {"ein Kind", {"Anna"}, false, false, {0, 0}, 0, true},
        {"mit Computer", {"Anna", "Ben"}, true, false, {1, 2, 0}, 1, false},
        {"Menüs beim Computer", {"Anna"}, true, true, {1, 0}, 1, true},
    };
    for (const Fall& f : faelle) {
        Spielkonfiguration k;
        k.menuesBeimComputer = f.menuesBeimComputer;
        haken = {};
        starte(f.namen, k);
        a->switchVuRestZeit(true);
        if (f.computer) {
            ASSERT_EQ(a->setzeComputer(true), Spielrunde::Sitz::Gesetzt) << f.name;
        }
        std::vector<int> reihe;
        for (size_t i = 0; i < f.reihe.size(); ++i) {
            a->ratezeit.RateZeitZaehler = 500;
            a->naechsterSpieler();
            d.uhr.vorstellen(0); // der Zug des Computers beginnt nach dem Wechsel
            reihe.push_back(a->runde.aktSpieler);
            if (a->computerAmZug()) {
                EXPECT_EQ(a->ratezeit.RateZeitZaehler, 0) << f.name << ": frisch für den Computer";
            }
        }
        EXPECT_EQ(reihe, f.reihe) << f.name;
        EXPECT_EQ(haken.computerZuege, f.computerZuege) << f.name;
        EXPECT_EQ(haken.wechsel, int(f.reihe.size())) << f.name;
        if (f.computerZuege > 0) {
            EXPECT_EQ(haken.menueWaehrendComputer, f.menueImZug) << f.name;
        }
    }
}

// Der Ablauf ruft die Regeln des Spiels, danach zeigt das Fenster: beim Wechsel, beim Zug des
// Computers und beim neuen Spiel.
TEST_F(Ablauf, ErstDieRegelnDannDasFenster) {
    QStringList folge;
    haken.folge = regeln.folge = &folge;
    starte({"Anna"});
    a->setzeComputer(true);
    a->naechsterSpieler();
    EXPECT_EQ(folge, QStringList({"Regeln: Wechsel", "Fenster: Wechsel"}));
    d.uhr.vorstellen(0);
    EXPECT_EQ(folge, QStringList({"Regeln: Wechsel", "Fenster: Wechsel", "Regeln: Computer",
                                  "Fenster: Computer"}));
    folge.clear();
    sicht.antworten = {"ja"};
    a->neuesSpielGefragt();
    EXPECT_EQ(folge, QStringList({"Regeln: neues Spiel", "Fenster: neues Spiel", "Regeln: Wechsel",
                                  "Fenster: Wechsel"}));
}

// Der Zug des Computers beginnt erst, wenn der Wechsel zu ihm zurück ist: der Schritt, der seinen
// Zug mit naechsterSpieler beendet, läuft nie in dem Aufruf, der ihn begann, auch nicht Zug um
// Zug.
TEST_F(Ablauf, ZugDesComputersNichtImWechsel) {
    starte({"Anna"});
    a->setzeComputer(true);
    int tiefe = 0, tiefste = 0;
    const auto zugEnde = [&] {
        tiefste = std::max(tiefste, ++tiefe);
        a->naechsterSpieler();
        --tiefe;
    };
    haken.imComputerZug = zugEnde;
    for (int i = 0; i < 3; ++i) {
        zugEnde(); // Anna
        EXPECT_TRUE(a->computerAmZug()) << i;
        EXPECT_EQ(haken.computerZuege, i) << i;
        d.uhr.vorstellen(0);
        EXPECT_EQ(haken.computerZuege, i + 1) << i;
        EXPECT_EQ(a->runde.aktSpieler, 0) << i;
    }
    EXPECT_EQ(tiefste, 1);
}

// Die Ratezeit läuft ab: die übliche Meldung oder die des Spiels, dann der nächste Spieler mit
// frischer Uhr; der Zeitgeber läuft weiter.
TEST_F(Ablauf, RatezeitLaeuftAb) {
    for (const bool eigene : {false, true}) {
        sicht = {};
        haken = {};
        if (eigene)
            haken.beiRatezeit = [](Spielablauf& a) {
                a.meldung("Anna, du darfst dich ein wenig ausruhen.", "Spielerwechsel");
            };
        starte({"Anna Lena", "Ben"});
        a->switchVuRestZeit(true);
        d.uhr.vorstellen(99000);
        EXPECT_EQ(a->runde.aktSpieler, 0);
        d.uhr.vorstellen(1000);
        ASSERT_EQ(sicht.meldungen.size(), 1) << eigene;
        EXPECT_EQ(sicht.meldungen[0],
                  eigene ? "Spielerwechsel: Anna, du darfst dich ein wenig ausruhen."
                         : "Ende der Ratezeit: Die Ratezeit ist leider|abgelaufen, Anna.");
        EXPECT_EQ(a->runde.aktSpieler, 1);
        EXPECT_EQ(a->ratezeit.RateZeitZaehler, 0);
        EXPECT_TRUE(a->RestZeitTimer().aktiv());
        EXPECT_FALSE(a->haelt());
    }
}

// Die Spielzeit endet, während der Computer zieht: die Meldung, das Ende, und nach seinem Zug
// geschieht nichts mehr.
TEST_F(Ablauf, SpielzeitEndetImZugDesComputers) {
    starte({"Anna"});
    a->setzeComputer(true);
    haken.imComputerZug = [this] {
        d.uhr.vorstellen(310000);
        EXPECT_TRUE(a->beendet());
        // der Zug des Computers endet danach wie sonst auch
        a->naechsterSpieler();
    };
    a->naechsterSpieler();
    d.uhr.vorstellen(0);
    EXPECT_EQ(sicht.meldungen,
              QStringList{"Ende der Spielzeit: Die Höchstspielzeit ist abgelaufen!|Testspiel "
                          "wird jetzt beendet."});
    EXPECT_EQ(sicht.geschlossen, 1);
    EXPECT_EQ(haken.vorEnde, 1);
    EXPECT_EQ(haken.computerZuege, 1) << "nach dem Ende zieht niemand mehr";
}

// Wenn beide Uhren im selben Takt fällig sind, kommt das Ende einmal.
TEST_F(Ablauf, EndeEinmalBeiZweiUhren) {
    Spielkonfiguration k;
    k.ratezeitTaktMs = 5000;
    starte({"Anna", "Ben"}, k);
    a->switchVuRestZeit(true);
    regeln.punkte = [](int platz) { return platz == 0 ? 30L : 0L; };
    d.uhr.vorstellen(300000); // 300 s: der Balken steht noch knapp
    ASSERT_FALSE(a->beendet());
    // die Ratezeit ist im selben Takt fällig; ihre Meldung hält die Spielzeit einen Takt auf
    a->ratezeit.RateZeitZaehler = 950;
    d.uhr.vorstellen(10000);
    EXPECT_TRUE(a->beendet());
    EXPECT_EQ(sicht.geschlossen, 1);
    EXPECT_EQ(haken.vorEnde, 1);
    a->programmEnde();
    EXPECT_TRUE(a->beendenAusMenue());
    EXPECT_TRUE(a->schliessenErlaubt());
    EXPECT_EQ(haken.vorEnde, 1) << "das Ende kommt nur einmal";
    d.uhr.vorstellen(60000);
    EXPECT_EQ(sicht.meldungen.filter("Ende der Spielzeit").size(), 1);
    // die Punkte kamen aus der Quelle des Spiels
    const auto liste =
        Meisterliste(Meisterliste::meisterDatei(ordner.pfad("User")), "Testspiel").meisterliste();
    ASSERT_EQ(liste.size(), 1u);
    EXPECT_EQ(liste[0].Name, "Anna");
    EXPECT_EQ(liste[0].Punkte, 30);
}

// Ein Zeitgeber des Spiels steht, solange gehalten wird, und läuft danach nur weiter, wenn er
// lief; ein eigener Zeitgeber, der beim Halten eingeschaltet wird, wartet auf das Ende des Haltens.
TEST_F(Ablauf, ZeitgeberStehenWaehrendDesHaltens) {
    starte({"Anna"});
    int laufend = 0, stehend = 0, spaeter = 0;
    auto t1 = a->neuerTimer(), t2 = a->neuerTimer(), t3 = a->neuerTimer();
    for (auto* t : {t1.get(), t2.get(), t3.get()})
        t->setzeIntervall(100);
    t1->beiTick = [&] { ++laufend; };
    t2->beiTick = [&] { ++stehend; };
    t3->beiTick = [&] { ++spaeter; };
    t1->setzeAktiv(true);
    a->halteUhren(true);
    a->halteUhren(true);
    t3->setzeAktiv(true);
    d.uhr.vorstellen(1000);
    EXPECT_EQ(laufend + spaeter, 0);
    a->halteUhren(false);
    d.uhr.vorstellen(1000);
    EXPECT_EQ(laufend, 0) << "geschachtelt zählt der äußerste";
    EXPECT_TRUE(t1->aktiv()) << "er soll laufen, er steht nur";
    a->halteUhren(false);
    a->halteUhren(false); // eins zu viel ändert nichts
    d.uhr.vorstellen(1000);
    EXPECT_EQ(laufend, 10);
    EXPECT_EQ(spaeter, 10);
    EXPECT_EQ(stehend, 0);
}

// Jedes modale Fenster hält die Uhren, das Spielfenster selbst nicht. Im Fenster des Computers
// laufen die Zeitgeber des Spiels, Ratezeit und Spielzeit nur, wenn das Spiel sie nicht hält.
TEST_F(Ablauf, ModaleFensterHaltenDieUhren) {
    struct Fall {
        const char* name;
        bool uhrenBeimComputerHalten;
        int fenster; // 0 irgendein Fenster, 1 das Spielfenster, 2 das Fenster des Computers
        bool spieltimerLaeuft, ratezeitLaeuft;
    };
    const Fall faelle[] = {
        {"Meldung", false, 0, false, false},
        {"Spielfenster", false, 1, true, true},
        {"Computer", false, 2, true, true},
        {"Computer, Uhren gehalten", true, 2, true, false},
    };
    for (const Fall& f : faelle) {
        Spielkonfiguration k;
        k.uhrenBeimComputerHalten = f.uhrenBeimComputerHalten;
        k.ratezeitTaktMs = 1000;
        starte({"Anna", "Ben"}, k);
        QDialog irgendeins, spiel, computer;
        a->zeigtOhneHalt(&spiel);
        a->setzeComputerfenster(&computer);
        auto t = a->neuerTimer();
        int takte = 0;
        t->setzeIntervall(100);
        t->beiTick = [&] { ++takte; };
        t->setzeAktiv(true);
        a->switchVuRestZeit(true);
        QDialog* w[] = {&irgendeins, &spiel, &computer};
        d.anzeige.dann([&](QWidget&) { d.uhr.vorstellen(3000); });
        dienste::anzeige().zeigeModal(*w[f.fenster]);
        EXPECT_EQ(takte >= 30, f.spieltimerLaeuft) << f.name << " " << takte;
        EXPECT_EQ(a->ratezeit.RateZeitZaehler > 0, f.ratezeitLaeuft) << f.name;
        EXPECT_FALSE(a->haelt()) << f.name << ": danach läuft alles wieder";
        t.reset();
        a.reset();
    }
}

// Ein neues Spiel: die Frage sagt du oder ihr, "nein" lässt alles, "ja" setzt jeden Platz auf 0,
// das Spiel legt neu an, und der erste Spieler ist dran.
TEST_F(Ablauf, NeuesSpielUndDuOderIhr) {
    struct Fall {
        const char* name;
        QStringList namen;
        bool computer, neuStarten;
        const char* frage;
        const char* ende;
    };
    const Fall faelle[] = {
        {"ein Kind, Radspiel",
         {"Anna"},
         false,
         true,
         "Neues Spiel: Bist du wirklich sicher,|dass du Testspiel neu|starten willst?",
         "Bist du wirklich sicher, dass du Testspiel beenden willst?"},
        {"ein Kind und der Computer, Radspiel",
         {"Anna"},
         true,
         true,
         "Neues Spiel: Seid ihr wirklich sicher,|dass ihr Testspiel neu|starten wollt?",
         "Bist du wirklich sicher, dass du Testspiel beenden willst?"},
        {"ein Kind und der Computer",
         {"Anna"},
         true,
         false,
         "Neues Spiel: Wenn du das Spiel neu beginnst,|gehen alle Punkte verloren.|Bist du "
         "sicher, dass du das|wirklich willst?",
         "Bist du wirklich sicher, dass du Testspiel beenden willst?"},
        {"zwei Kinder",
         {"Anna", "Ben"},
         false,
         false,
         "Neues Spiel: Wenn ihr das Spiel neu beginnt,|gehen alle Punkte verloren.|Seid ihr "
         "sicher, dass ihr das|wirklich wollt?",
         "Seid ihr wirklich sicher, dass ihr Testspiel beenden wollt?"},
    };
    for (const Fall& f : faelle) {
        sicht = {};
        haken = {};
        Spielkonfiguration k;
        k.neuStartenFrage = f.neuStarten;
        starte(f.namen, k);
        if (f.computer)
            a->setzeComputer(true);
        a->runde.SpielerPunkte.fill(40);
        a->runde.aktSpieler = a->runde.nSpieler - 1;
        sicht.antworten = {"&nein", "&ja"};
        a->neuesSpielGefragt();
        EXPECT_EQ(a->runde.SpielerPunkte[0], 40) << f.name << ": nein lässt alles";
        a->neuesSpielGefragt();
        ASSERT_EQ(sicht.meldungen.size(), 2) << f.name;
        EXPECT_EQ(sicht.meldungen[0], f.frage) << f.name;
        for (int i = 0; i < a->runde.nSpieler; ++i)
            EXPECT_EQ(a->runde.SpielerPunkte[size_t(i)], 0) << f.name;
        EXPECT_EQ(a->runde.aktSpieler, 0) << f.name;
        EXPECT_EQ(haken.neueSpiele, 1) << f.name;
        EXPECT_EQ(haken.wechsel, 1) << f.name << ": der erste ist dran";
        sicht.endeAntworten = {false};
        EXPECT_FALSE(a->beendenAusMenue()) << f.name;
        ASSERT_EQ(sicht.fragen.size(), 1);
        EXPECT_EQ(sicht.fragen[0], f.ende) << f.name;
        EXPECT_FALSE(a->beendet());
    }
}

// Die Menüs: aus beim Computer, aus, wenn das Spiel einen Eintrag sperrt, aus nach dem Ende.
TEST_F(Ablauf, MenuesFolgenDemAblauf) {
    starte({"Anna"});
    EXPECT_TRUE(a->menueAn(Menue::Einstellungen));
    haken.menuesGesperrt = true;
    EXPECT_FALSE(a->menueAn(Menue::Einstellungen));
    EXPECT_TRUE(a->menueAn(Menue::Info));
    a->programmEnde();
    EXPECT_FALSE(a->menueAn(Menue::Info));
}

// Wer nach dem Ende der Spielzeit schließt, wird nichts gefragt; davor fragt das Schließfeld, und
// "nein" lässt das Spiel weiterlaufen.
TEST_F(Ablauf, SchliessenFragtNurVorDemEnde) {
    starte({"Anna"});
    sicht.endeAntworten = {false};
    EXPECT_FALSE(a->schliessenErlaubt());
    EXPECT_FALSE(a->beendet());
    d.uhr.vorstellen(305000);
    ASSERT_TRUE(a->beendet());
    EXPECT_TRUE(a->schliessenErlaubt());
    EXPECT_EQ(sicht.fragen.size(), 1);
}
