#include "foundation/Programmstart.h"
#include "foundation/MldFenster.h"
#include "platform/Anwendung.h"
#include "platform/Dienste.h"
#include "platform/EchteModalAnzeige.h"
#include "platform/Fensterablage.h"
#include "platform/Rand.h"
#include "platform/testing/Neuanfang.h"
#include "platform/testing/TestDienste.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace varku;
using varku::test::TestDienste;

namespace {

// Ein Fenster, das bis zum Ende lebt, wie die der Programme; es soll vor dem Aufräumen weg sein.
struct Behalten : QDialog, Einzelfenster<Behalten> {};

// Die Programme, die fuehreAus ausführt: jedes öffnet ein behaltenes Fenster.
int wirftInModalemFenster() {
    Behalten::instanz();
    EchteModalAnzeige anzeige;
    QDialog fenster;
    auto* knopf = new QPushButton(&fenster);
    verbinde(knopf, &QPushButton::clicked, knopf, [] {
        throw Laufzeitfehler(Laufzeitfehler::DateiNichtGefunden,
                             QStringLiteral("Datei nicht gefunden"), QStringLiteral("Varku.ini"));
    });
    QTimer::singleShot(0, [knopf] { QTest::mouseClick(knopf, Qt::LeftButton); });
    anzeige.zeigeModal(fenster);
    // nach dem Fehler öffnet sich nichts mehr; hinge es, hinge der Test
    QDialog danach;
    anzeige.zeigeModal(danach);
    return 0;
}

int wirftDirekt() {
    Behalten::instanz();
    throw Laufzeitfehler(Laufzeitfehler::Ueberlauf, QStringLiteral("Überlauf"));
}

int endetRegulaer() {
    Behalten::instanz();
    return 3;
}

} // namespace

// Ein Laufzeitfehler zeigt die Meldung "Laufzeitfehler", beendet alle Schleifen und das Programm
// mit 1, ohne std::exit: die Fenster werden abgebaut, dann läuft das Aufräumen einmal. Das
// reguläre Ende räumt selbst auf.
TEST(Programmstart, LaufzeitfehlerEndetMitAufraeumen) {
    struct Fall {
        const char* name;
        int (*programm)();
        int ergebnis;
        const char* meldung; // leer: keine
        int aufgeraeumt;
    };
    const Fall faelle[] = {
        {"Fehler in einem modalen Fenster", wirftInModalemFenster, 1,
         "Laufzeitfehler 53: Datei nicht gefunden: Varku.ini", 1},
        {"Fehler im Hauptprogramm", wirftDirekt, 1, "Laufzeitfehler 6: Überlauf", 1},
        {"reguläres Ende", endetRegulaer, 3, "", 0},
    };
    for (const Fall& fall : faelle) {
        TestDienste d;
        QStringList meldungen;
        d.anzeige.dann([&](QWidget& w) {
            auto& m = static_cast<MldFenster&>(w);
            meldungen << m.windowTitle() + ": " + m.Meldung->text();
            varku::test::klicke(w, "Btn1");
        });
        int aufgeraeumt = 0;
        bool fensterSchonWeg = false;
        setzeAufraeumen([&] {
            ++aufgeraeumt;
            fensterSchonWeg = !Behalten::geladen() && !MldFenster::geladen();
        });

        EXPECT_EQ(fuehreAus(fall.programm), fall.ergebnis) << fall.name;

        const QStringList erwartet =
            *fall.meldung ? QStringList{"Laufzeitfehler: " + QString::fromUtf8(fall.meldung)}
                          : QStringList{};
        EXPECT_EQ(meldungen, erwartet) << fall.name;
        EXPECT_EQ(aufgeraeumt, fall.aufgeraeumt) << fall.name;
        if (fall.aufgeraeumt) {
            EXPECT_TRUE(fensterSchonWeg) << fall.name;
        }
        EXPECT_EQ(Behalten::geladen(), nullptr) << fall.name;
        EXPECT_THROW(dienste::anzeige(), Laufzeitfehler) << fall.name << ": Dienste entfernt";
        EXPECT_FALSE(Anwendung::endet()) << fall.name;
        varku::test::fangeNachEndeNeuAn();
    }
    // das Aufräumen des letzten Laufs bleibt nicht für den nächsten stehen
    TestDienste d;
    d.anzeige.dannKlicke("Btn1");
    int alt = 0;
    setzeAufraeumen([&] { ++alt; });
    EXPECT_EQ(fuehreAus(endetRegulaer), 3);
    TestDienste d2;
    d2.anzeige.dannKlicke("Btn1");
    EXPECT_EQ(fuehreAus(wirftDirekt), 1);
    EXPECT_EQ(alt, 0);
    varku::test::fangeNachEndeNeuAn();
}

// Der Hinweis ohne Tonausgabe wartet auf eine offene Meldung. Wird sie mit ihrem Programm
// abgebaut, kommt er nicht mehr: auch nicht über das erste Fenster eines nächsten Laufs im
// selben Prozess, dessen Skript er sonst nähme.
TEST(Programmstart, WartenderHinweisGehtMitDerMeldung) {
    TestDienste d;
    d.anzeige.dann([](QWidget&) { zeigeOhneTonHinweis(); });
    zeigeMeldung(QStringLiteral("Erst diese"), QStringLiteral("&OK"), QString(),
                 QStringLiteral("Meldung"));
    entladeAlleFenster();
    QTest::qWait(150);
    EXPECT_EQ(d.anzeige.protokoll.join(u' ').toStdString(), "modal:MldFenster");
    entladeAlleFenster();
}
