#include "foundation/MldFenster.h"
#include "foundation/Sound.h"
#include "foundation/testing/TestOrdner.h"
#include "frame/SpielerListeFrm.h"
#include "frame/Spielergruppe.h"
#include "frame/Uebung.h"
#include "platform/Laufzeitfehler.h"
#include "platform/testing/TestDienste.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace varku;
using varku::test::FakeZufall;
using varku::test::klicke;
using varku::test::TestDienste;
using varku::test::TestOrdner;

namespace {

struct Meldung {
    QString text, titel, knopf;
};

struct Spielerliste : ::testing::Test {
    TestDienste d;
    TestOrdner ordner;
    GlobModul glob;
    std::unique_ptr<Uebung> u;
    std::vector<Meldung> meldungen;

    Spielerliste() { frisch(); }
    ~Spielerliste() override {
        SpielerListeFrm::entlade();
        MldFenster::entlade();
        u.reset();
        initSoundTabelle();
        setzeTonSchalter({});
    }

    // Zustand wie beim Programmstart, leerer Benutzerordner, Meldungsklang "Hinweis"
    void frisch() {
        SpielerListeFrm::entlade();
        u = std::make_unique<Uebung>(glob);
        QDir(ordner.pfad("User")).removeRecursively();
        QDir().mkpath(ordner.pfad("User"));
        u->gruppe.setzeUserPfad(ordner.pfad("User"));
        initSoundTabelle();
        for (SoundEintrag& e : SoundTabelle)
            if (e.name == "ProgrammMeldung")
                e.datei = "Hinweis";
        setzeTonSchalter([] { return true; });
        d.sound.befehle.clear();
        meldungen.clear();
    }

    Spielergruppe& g() { return u->gruppe; }
    SpielerListeFrm& fenster() {
        SpielerListeFrm& f = SpielerListeFrm::instanz(*u);
        d.anzeige.zeige(f);
        return f;
    }

    // der nächste Stamm, den erzeugeTmpName zieht
    void gibStamm(const QString& stamm) {
        for (QChar c : stamm)
            d.zufall.gib({FakeZufall::fuer(65, 90, c.unicode())});
    }

    // die nächste Meldung wird gelesen und mit "OK" beantwortet
    void erwarteMeldung() {
        d.anzeige.dann([this](QWidget& w) {
            auto& m = static_cast<MldFenster&>(w);
            meldungen.push_back({m.Meldung->text(), m.windowTitle(), m.Btn1->text()});
            EXPECT_FALSE(m.Btn2->isVisible());
            klicke(w, "Btn1");
        });
    }

    QStringList dateien() const {
        return QDir(ordner.pfad("User")).entryList(QDir::Files, QDir::Name);
    }

    QString klang() const { return "spiele " + ordner.pfad("Sound/Hinweis.WAV"); }
};

// wählt einen Eintrag der Benutzerliste wie ein Kind: Liste aufklappen, Eintrag, Eingabe
void waehle(SpielerListeFrm& f, const QString& eintrag) {
    const int i = f.UserList->findText(eintrag);
    ASSERT_GE(i, 0) << eintrag.toStdString();
    f.UserList->showPopup();
    QAbstractItemView* v = f.UserList->view();
    v->setCurrentIndex(v->model()->index(i, 0));
    QTest::keyClick(v, Qt::Key_Return);
}

// klickt auf Eintrag i der Spielerliste
void markiere(SpielerListeFrm& f, int i) {
    QListWidgetItem* eintrag = f.SpielerLst->item(i);
    ASSERT_NE(eintrag, nullptr);
    QTest::mouseClick(f.SpielerLst->viewport(), Qt::LeftButton, {},
                      f.SpielerLst->visualItemRect(eintrag).center());
}

QStringList liste(const SpielerListeFrm& f) {
    QStringList l;
    for (int i = 0; i < f.SpielerLst->count(); ++i)
        l << f.SpielerLst->item(i)->text();
    return l;
}

QString stamm(int nr) {
    return QString(8, QChar(u'A' + nr));
}

// Spielerdaten eines Platzes, unterscheidbar je Platz
void fuellePlatz(Spielergruppe& g, int p) {
    g.SpielerStatistik[size_t(p)] = {int16_t(10 + p), int16_t(p), 100 + p, 200 + p, 300 + p};
    g.WiederholListe[0][0][p] = int16_t(p + 1);
    for (int i = 1; i <= p + 1; ++i) {
        g.WiederholListe[i][0][p] = int16_t(10 * p + i);
        g.WiederholListe[i][1][p] = int16_t(i % 3);
    }
}

// alles, was zu einem Platz gehört: Datei, Statistik, Gastkennung, Wiederholliste
using Platz = std::pair<QString, std::vector<long>>;

Platz platz(const Spielergruppe& g, int p) {
    const Statistik& s = g.SpielerStatistik[size_t(p)];
    std::vector<long> werte{s.woerter, s.richtig, s.lesezeitSumme,
                            s.weiter1, s.weiter2, g.GastSpieler[size_t(p)]};
    for (int i = 0; i <= maxWiederhol; ++i)
        for (int j = 0; j < 2; ++j)
            werte.push_back(g.WiederholListe[i][j][p]);
    return {g.SpielerDatei[size_t(p)], werte};
}

bool wiederholListeLeer(const Spielergruppe& g, int p) {
    if (g.WiederholListe[0][0][p] != 0)
        return false;
    for (int i = 1; i <= maxWiederhol; ++i)
        if (g.WiederholListe[i][0][p] != -1 || g.WiederholListe[i][1][p] != 0)
            return false;
    return true;
}

} // namespace

TEST_F(Spielerliste, GruppeNummeriertGaesteUndKuerztNamen) {
    using E = Spielergruppe::Ergebnis;
    struct Fall {
        const char* name;
        QStringList schritte; // "+Name" eintragen, "-i" Platz i austragen
        QStringList namen;
        E letztes;
        QString naechsterGast;
    };
    const Fall faelle[] = {
        {"vier Gäste, dann ist die Liste voll",
         {"+Gast", "+Gast", "+Gast", "+Gast", "+Gast"},
         {"Gast 1", "Gast 2", "Gast 3", "Gast 4"},
         E::ListeVoll,
         "Gast 5"},
        {"eine frei gewordene Nummer unter der größten kommt nicht wieder",
         {"+Gast", "+Gast", "+Gast", "-1", "+Gast"},
         {"Gast 1", "Gast 3", "Gast 4"},
         E::Eingetragen,
         "Gast 5"},
        {"die frei gewordene größte Nummer kommt wieder",
         {"+Gast", "+Gast", "-1", "+Gast"},
         {"Gast 1", "Gast 2"},
         E::Eingetragen,
         "Gast 3"},
        {"nach dem letzten Gast beginnt es bei 1",
         {"+Gast", "-0", "+Gast"},
         {"Gast 1"},
         E::Eingetragen,
         "Gast 2"},
        {"ein Name ohne Nummer zählt 0",
         {"+Anna", "+Gast"},
         {"Anna", "Gast 1"},
         E::Eingetragen,
         "Gast 2"},
        {"ein Name zweimal", {"+Anna", "+Anna"}, {"Anna"}, E::NameVorhanden, "Gast 1"},
        {"Groß und klein sind verschiedene Namen",
         {"+Anna", "+anna"},
         {"Anna", "anna"},
         E::Eingetragen,
         "Gast 1"},
        {"ein langer Name endet vor dem ersten Leerzeichen",
         {"+Maximilian Mustermann", "+Maximilian Meierhofer"},
         {"Maximilian"},
         E::NameVorhanden,
         "Gast 1"},
        {"15 Zeichen bleiben ganz",
         {"+Anna Lena Marie"},
         {"Anna Lena Marie"},
         E::Eingetragen,
         "Gast 1"},
        {"ein langer Name ohne Leerzeichen behält 15 Zeichen",
         {"+Annabellarosalinde"},
         {"Annabellarosali"},
         E::Eingetragen,
         "Gast 1"},
        {"ein langer Name mit Leerzeichen vorn behält 15 Zeichen",
         {"+ Annabellarosalinde"},
         {" Annabellarosal"},
         E::Eingetragen,
         "Gast 1"},
        {"nichts gewählt", {"+"}, {}, E::KeinName, "Gast 1"},
    };
    for (const Fall& f : faelle) {
        frisch();
        Spielergruppe gr;
        gr.setzeUserPfad(ordner.pfad("User"));
        E letztes = E::Eingetragen;
        int nr = 0;
        for (const QString& s : f.schritte) {
            if (s.startsWith('+')) {
                gibStamm(stamm(nr++));
                letztes = gr.fuegeHinzu(s.mid(1)).ergebnis;
            } else {
                EXPECT_TRUE(gr.entferne(s.mid(1).toInt())) << f.name;
            }
        }
        EXPECT_EQ(gr.namen(), f.namen) << f.name;
        EXPECT_EQ(gr.anzahl(), f.namen.size()) << f.name;
        EXPECT_EQ(letztes, f.letztes) << f.name;
        EXPECT_EQ(gr.naechsterGastName(), f.naechsterGast) << f.name;
        EXPECT_EQ(dateien().size(), f.namen.size()) << f.name << ": eine Datei je Spieler";
        EXPECT_FALSE(gr.entferne(-1)) << f.name;
        EXPECT_FALSE(gr.entferne(gr.anzahl())) << f.name;
        EXPECT_EQ(gr.namen(), f.namen) << f.name;
    }
}

TEST_F(Spielerliste, VierGaesteDannDieGrenze) {
    SpielerListeFrm& f = fenster();
    QSignalSpy geaendert(&f, &SpielerListeFrm::spielerlisteGeaendert);
    for (int i = 0; i < 4; ++i) {
        gibStamm(stamm(i));
        waehle(f, "Gast");
        klicke(f, "addSpBtn");
        EXPECT_FALSE(f.addSpBtn->isEnabled()) << "erst eine neue Wahl gibt frei";
    }
    EXPECT_EQ(liste(f), (QStringList{"Gast 1", "Gast 2", "Gast 3", "Gast 4"}));
    EXPECT_EQ(u->nSpieler(), 4);
    EXPECT_EQ(geaendert.count(), 4);
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(g().SpielerDatei[size_t(p)], stamm(p));
        EXPECT_TRUE(g().GastSpieler[size_t(p)]);
        const QFileInfo datei(ordner.pfad("User/" + stamm(p) + ".tmp"));
        EXPECT_TRUE(datei.exists()) << p;
        EXPECT_EQ(datei.size(), 0) << p;
    }
    EXPECT_TRUE(d.sound.befehle.isEmpty());

    erwarteMeldung();
    waehle(f, "Gast");
    klicke(f, "addSpBtn");
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].text, "Es können sich maximal 4 Spieler\nin die Liste eintragen.");
    EXPECT_EQ(meldungen[0].titel, "Info");
    EXPECT_EQ(meldungen[0].knopf, "&OK");
    EXPECT_EQ(d.sound.befehle, QStringList{klang()});
    EXPECT_EQ(liste(f).size(), 4);
    EXPECT_EQ(u->nSpieler(), 4);
    EXPECT_EQ(dateien().size(), 4);
    EXPECT_EQ(geaendert.count(), 4);
    EXPECT_TRUE(d.anzeige.skripteVerbraucht());
}

TEST_F(Spielerliste, AustragenRuecktDieSpaeterenNach) {
    struct Fall {
        int gaeste;
        int weg;
        QStringList danach;
        QString naechster;
    };
    const Fall faelle[] = {
        {3, 1, {"Gast 1", "Gast 3"}, "Gast 4"},           {2, 1, {"Gast 1"}, "Gast 2"},
        {3, 0, {"Gast 2", "Gast 3"}, "Gast 4"},           {3, 2, {"Gast 1", "Gast 2"}, "Gast 3"},
        {4, 1, {"Gast 1", "Gast 3", "Gast 4"}, "Gast 5"},
    };
    for (const Fall& fall : faelle) {
        frisch();
        const std::string wo =
            std::to_string(fall.gaeste) + " Gäste, weg " + std::to_string(fall.weg);
        SpielerListeFrm& f = fenster();
        for (int i = 0; i < fall.gaeste; ++i) {
            gibStamm(stamm(i));
            waehle(f, "Gast");
            klicke(f, "addSpBtn");
        }
        std::vector<Platz> vorher;
        for (int p = 0; p < fall.gaeste; ++p) {
            fuellePlatz(g(), p);
            vorher.push_back(platz(g(), p));
            g().ErledigtListe.push_back({40 + p, p});
            g().ErledigtListe.push_back({50 + p, p});
        }
        u->aktSpieler = 3;
        QSignalSpy geaendert(&f, &SpielerListeFrm::spielerlisteGeaendert);

        markiere(f, fall.weg);
        EXPECT_TRUE(f.delSpBtn->isEnabled()) << wo;
        klicke(f, "delSpBtn");
        EXPECT_FALSE(f.delSpBtn->isEnabled()) << wo;
        EXPECT_EQ(geaendert.count(), 1) << wo;
        EXPECT_EQ(liste(f), fall.danach) << wo;
        EXPECT_EQ(u->nSpieler(), fall.gaeste - 1) << wo;
        EXPECT_EQ(u->aktSpieler, 3) << wo;

        std::vector<std::pair<int, int>> erledigt;
        QStringList bleiben;
        for (int p = 0; p < u->nSpieler(); ++p) {
            const int alt = p < fall.weg ? p : p + 1;
            EXPECT_EQ(platz(g(), p), vorher[size_t(alt)]) << wo << ", Platz " << p;
            bleiben << stamm(alt) + ".tmp";
            erledigt.push_back({40 + alt, p});
            erledigt.push_back({50 + alt, p});
        }
        EXPECT_EQ(dateien(), bleiben) << wo;
        EXPECT_FALSE(g().GastSpieler[size_t(u->nSpieler())]) << wo;
        EXPECT_TRUE(wiederholListeLeer(g(), u->nSpieler())) << wo << ": der freie Platz ist leer";
        // die Liste ist in Platzreihenfolge gefüllt, also auch danach
        std::sort(g().ErledigtListe.begin(), g().ErledigtListe.end(), [](auto a, auto b) {
            return a.second != b.second ? a.second < b.second : a.first < b.first;
        });
        EXPECT_EQ(g().ErledigtListe, erledigt) << wo;
        EXPECT_EQ(g().ErledigtAnz(), int(erledigt.size())) << wo;

        gibStamm(stamm(7));
        waehle(f, "Gast");
        klicke(f, "addSpBtn");
        EXPECT_EQ(liste(f).last(), fall.naechster) << wo;
        EXPECT_TRUE(wiederholListeLeer(g(), u->nSpieler() - 1)) << wo;
        EXPECT_EQ(g().SpielerStatistik[size_t(u->nSpieler() - 1)].woerter, 0) << wo;
    }
}

TEST_F(Spielerliste, AktuellerSpielerSchliesstErstSeineDatei) {
    struct Fall {
        int akt;
        int weg;
        bool geschlossen;
    };
    const Fall faelle[] = {{1, 1, true}, {0, 0, true}, {2, 2, true}, {0, 1, false}, {2, 0, false}};
    for (const Fall& fall : faelle) {
        frisch();
        const std::string wo =
            "aktuell " + std::to_string(fall.akt) + ", weg " + std::to_string(fall.weg);
        SpielerListeFrm& f = fenster();
        for (int i = 0; i < 3; ++i) {
            gibStamm(stamm(i));
            waehle(f, "Gast");
            klicke(f, "addSpBtn");
        }
        u->aktSpieler = fall.akt;
        u->oeffneProtokoll();
        ASSERT_GT(u->protokollDateiNr(), 0);

        markiere(f, fall.weg);
        klicke(f, "delSpBtn");
        EXPECT_FALSE(ordner.gibt("User/" + stamm(fall.weg) + ".tmp")) << wo;
        if (fall.geschlossen) {
            EXPECT_EQ(u->protokollDateiNr(), 0) << wo;
            EXPECT_THROW(u->protokoll.schreibe(7, true, {}), Laufzeitfehler) << wo;
        } else {
            EXPECT_GT(u->protokollDateiNr(), 0) << wo;
            u->protokoll.schreibe(7, true, {});
            EXPECT_EQ(ordner.lies("User/" + stamm(fall.akt) + ".tmp"), "7= OK\r\n") << wo;
        }
        EXPECT_EQ(u->aktSpieler, fall.akt) << wo;
    }
}

TEST_F(Spielerliste, SchliessenVerlangtEinenSpieler) {
    struct Weg {
        const char* name;
        std::function<void(SpielerListeFrm&)> schliesse;
    };
    const Weg wege[] = {
        {"OK", [](SpielerListeFrm& f) { klicke(f, "okBtn"); }},
        {"abbrechen", [](SpielerListeFrm& f) { klicke(f, "abbrBtn"); }},
        {"Esc", [](SpielerListeFrm& f) { QTest::keyClick(&f, Qt::Key_Escape); }},
        {"Schließfeld", [](SpielerListeFrm& f) { f.close(); }},
    };
    for (const Weg& w : wege) {
        frisch();
        SpielerListeFrm& f = fenster();
        erwarteMeldung();
        w.schliesse(f);
        EXPECT_TRUE(f.isVisible()) << w.name << ": bleibt offen";
        ASSERT_EQ(meldungen.size(), 1u) << w.name;
        EXPECT_EQ(meldungen[0].text,
                  "Du musst mindestens einen Spieler\nin die Spielerliste eintragen.")
            << w.name;
        EXPECT_EQ(meldungen[0].titel, "Bitte beachten") << w.name;
        EXPECT_EQ(meldungen[0].knopf, "&OK") << w.name;
        EXPECT_EQ(d.sound.befehle, QStringList{klang()}) << w.name;
        EXPECT_EQ(u->nSpieler(), 0) << w.name;

        // zwei eintragen, einen austragen: Schließen nimmt die Liste, wie sie ist
        for (int i = 0; i < 2; ++i) {
            gibStamm(stamm(i));
            waehle(f, "Gast");
            klicke(f, "addSpBtn");
        }
        markiere(f, 0);
        klicke(f, "delSpBtn");
        w.schliesse(f);
        EXPECT_FALSE(f.isVisible()) << w.name;
        EXPECT_EQ(u->nSpieler(), 1) << w.name;
        EXPECT_EQ(liste(f), QStringList{"Gast 2"}) << w.name;
        EXPECT_EQ(meldungen.size(), 1u) << w.name;
        EXPECT_TRUE(d.anzeige.skripteVerbraucht()) << w.name;

        // verborgen, nicht entladen: beim nächsten Zeigen ist alles noch da
        EXPECT_EQ(&SpielerListeFrm::instanz(*u), &f);
        EXPECT_EQ(liste(fenster()), QStringList{"Gast 2"}) << w.name;
    }
}

TEST_F(Spielerliste, DoppelterNameGibtHinweis) {
    SpielerListeFrm& f = fenster();
    f.UserList->addItem("Anna");
    QSignalSpy geaendert(&f, &SpielerListeFrm::spielerlisteGeaendert);
    gibStamm(stamm(0));
    waehle(f, "Anna");
    QTest::keyClicks(f.pwInp, "geheim");
    EXPECT_TRUE(f.addSpBtn->isDefault()) << "Tippen im Passwort macht übertragen zum Standard";
    klicke(f, "addSpBtn");
    EXPECT_EQ(liste(f), QStringList{"Anna"});
    EXPECT_FALSE(g().GastSpieler[0]);
    EXPECT_EQ(g().SpielerDatei[0], stamm(0)) << "auch wer kein Gast ist, bekommt eine eigene Datei";
    EXPECT_TRUE(ordner.gibt("User/" + stamm(0) + ".tmp"));
    EXPECT_TRUE(f.pwInp->text().isEmpty());
    EXPECT_TRUE(f.okBtn->isDefault());
    EXPECT_FALSE(f.addSpBtn->isDefault());

    erwarteMeldung();
    waehle(f, "Anna");
    QTest::keyClicks(f.pwInp, "x");
    klicke(f, "addSpBtn");
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0].text, "Der Name Anna\nwurde der Spielerliste\nschon hinzugefügt.");
    EXPECT_EQ(meldungen[0].titel, "Info");
    EXPECT_EQ(meldungen[0].knopf, "&OK");
    EXPECT_TRUE(d.sound.befehle.isEmpty()) << "ohne Klang";
    EXPECT_TRUE(f.pwInp->text().isEmpty());
    EXPECT_EQ(liste(f), QStringList{"Anna"});
    EXPECT_EQ(u->nSpieler(), 1);
    EXPECT_EQ(dateien().size(), 1);
    EXPECT_EQ(geaendert.count(), 1);
    EXPECT_TRUE(f.spielerVorhanden("Anna"));
    EXPECT_FALSE(f.spielerVorhanden("anna"));
    EXPECT_FALSE(f.spielerVorhanden("Anna "));
}

TEST_F(Spielerliste, PasswortFeldNachDerWahl) {
    SpielerListeFrm& f = fenster();
    f.UserList->addItem("Anna");
    EXPECT_EQ(liste(f), QStringList{});
    EXPECT_FALSE(f.addSpBtn->isEnabled()) << "vor der ersten Wahl";
    EXPECT_FALSE(f.delSpBtn->isEnabled());
    struct Schritt {
        const char* tun; // Eintrag der Benutzerliste oder "übertragen"
        bool passwort;
        bool uebertragen;
    };
    const Schritt schritte[] = {
        {"Anna", true, true},        {"Gast", false, true}, {"Gast", false, true},
        {"übertragen", true, false}, {"Gast", false, true}, {"Anna", true, true},
        {"übertragen", true, false},
    };
    for (const Schritt& s : schritte) {
        if (QString(s.tun) == "übertragen") {
            gibStamm(stamm(f.SpielerLst->count()));
            klicke(f, "addSpBtn");
        } else {
            waehle(f, s.tun);
        }
        EXPECT_EQ(f.pwLbl->isEnabled(), s.passwort) << s.tun;
        EXPECT_EQ(f.pwInp->isEnabled(), s.passwort) << s.tun;
        EXPECT_EQ(f.addSpBtn->isEnabled(), s.uebertragen) << s.tun;
    }
    EXPECT_EQ(liste(f), (QStringList{"Gast 1", "Anna"}));
    f.delSpBtn_Click();
    EXPECT_EQ(liste(f), (QStringList{"Gast 1", "Anna"})) << "ohne Markierung wird nichts gelöscht";
    // war das Feld schon frei, bekommt es den Fokus
    f.SpielerLst->setFocus();
    waehle(f, "Anna");
    EXPECT_EQ(f.focusWidget(), f.pwInp);
}

TEST_F(Spielerliste, SpielerNameNurFuerEingetrageneSpieler) {
    SpielerListeFrm& f = fenster();
    for (int i = 0; i < 2; ++i) {
        gibStamm(stamm(i));
        waehle(f, "Gast");
        klicke(f, "addSpBtn");
    }
    const std::pair<int, QString> faelle[] = {
        {0, "Gast 1"}, {1, "Gast 2"}, {2, ""}, {3, ""}, {4, ""}, {-1, ""}, {100, ""},
    };
    for (const auto& [i, name] : faelle)
        EXPECT_EQ(g().name(i), name) << i;
}
