#include "platform/Anwendung.h"
#include "platform/EchteModalAnzeige.h"
#include "platform/Rand.h"
#include "platform/testing/FakeAnzeige.h"
#include "platform/testing/Neuanfang.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using varku::Anwendung;
using varku::EchteModalAnzeige;
using varku::Laufzeitfehler;

namespace {

struct MitBehandlung : ::testing::Test {
    QStringList gemeldet;
    MitBehandlung() {
        Anwendung::setzeBehandlung(
            [this](const Laufzeitfehler& f) { gemeldet << QString::number(f.nummer()); });
    }
    ~MitBehandlung() override {
        Anwendung::setzeBehandlung({});
        varku::test::fangeNachEndeNeuAn();
    }
};

// ein Knopf, der beim Drücken den Fehler wirft
QPushButton* fehlerKnopf(QWidget& fenster, int nummer) {
    auto* k = new QPushButton(&fenster);
    varku::verbinde(k, &QPushButton::clicked, k,
                    [nummer] { throw Laufzeitfehler(nummer, QStringLiteral("Fehler")); });
    return k;
}

} // namespace

// Ein Fehler tief in geschachtelten modalen Fenstern wird einmal gemeldet; dann kehren alle
// modalen Aufrufe zurück, und keiner öffnet mehr ein Fenster.
TEST_F(MitBehandlung, FehlerVerlaesstAlleSchleifen) {
    EchteModalAnzeige anzeige;
    QDialog aussen, innen;
    QPushButton* oeffne = new QPushButton(&aussen);
    QPushButton* wirf = fehlerKnopf(innen, 53);
    bool innenZurueck = false;
    QObject::connect(oeffne, &QPushButton::clicked, [&] {
        QTimer::singleShot(0, [&] { QTest::mouseClick(wirf, Qt::LeftButton); });
        anzeige.zeigeModal(innen);
        innenZurueck = true;
    });
    QTimer::singleShot(0, [&] { QTest::mouseClick(oeffne, Qt::LeftButton); });
    anzeige.zeigeModal(aussen);
    EXPECT_TRUE(innenZurueck);
    EXPECT_EQ(gemeldet, QStringList{"53"});
    EXPECT_TRUE(Anwendung::endet());

    QDialog danach;
    anzeige.zeigeModal(danach); // kehrt sofort zurück, sonst hinge der Test
    anzeige.zeige(danach);
    EXPECT_FALSE(danach.isVisible());
    varku::test::FakeAnzeige fake;
    fake.zeigeModal(danach);
    fake.zeige(danach);
    EXPECT_FALSE(danach.isVisible());
    EXPECT_TRUE(fake.protokoll.isEmpty());
}

// Ein zweiter Fehler, während der erste gemeldet wird, wird nicht noch einmal gemeldet.
TEST_F(MitBehandlung, FehlerBeimMeldenMeldetNichtNochmal) {
    int aufrufe = 0;
    Anwendung::setzeBehandlung([&](const Laufzeitfehler&) {
        ++aufrufe;
        Anwendung::behandle(Laufzeitfehler(7, QStringLiteral("noch einer")));
        throw Laufzeitfehler(8, QStringLiteral("und einer"));
    });
    Anwendung::behandle(Laufzeitfehler(6, QStringLiteral("Überlauf")));
    EXPECT_EQ(aufrufe, 1);
    EXPECT_TRUE(Anwendung::endet());
}

// Ohne Behandlung (ein Test ohne Programmrahmen) geht der Fehler am Rand weiter, statt das
// Programm still zu beenden.
TEST(Anwendung, OhneBehandlungGehtDerFehlerWeiter) {
    EXPECT_THROW(varku::amRand([] { throw Laufzeitfehler(9, QStringLiteral("Fehler")); }),
                 Laufzeitfehler);
    EXPECT_FALSE(Anwendung::endet());
}

// Am Rand eines Fensters endet ein Fehler bei der Behandlung, ehe er durch Qt liefe: ein Knopf,
// der ohne die Schleife gedrückt wird (click()), gibt ihn nicht weiter. Ein Zeitgeber ebenso.
TEST_F(MitBehandlung, FehlerEndetAmRandDesFensters) {
    QDialog fenster;
    struct Fall {
        const char* name;
        std::function<void()> ausloesen;
    };
    auto* knopf = new QPushButton(&fenster);
    varku::verbinde(knopf, &QPushButton::clicked, &fenster,
                    [] { throw Laufzeitfehler(53, QStringLiteral("Fehler")); });
    auto* umschalter = new QPushButton(&fenster);
    umschalter->setCheckable(true);
    // eine Methode, die weniger nimmt, als das Signal gibt
    struct Ziel : QObject {
        void wirf() { throw Laufzeitfehler(75, QStringLiteral("Fehler")); }
    } ziel;
    varku::verbinde(umschalter, &QPushButton::toggled, &ziel, &Ziel::wirf);
    const Fall faelle[] = {
        {"Knopf", [&] { knopf->click(); }},
        {"Methode", [&] { umschalter->toggle(); }},
        {"amRandOder",
         [&] {
             EXPECT_EQ(varku::amRandOder(7, []() -> int { throw std::runtime_error("x"); }), 7);
         }},
    };
    for (const Fall& f : faelle) {
        EXPECT_NO_THROW(f.ausloesen()) << f.name;
        EXPECT_TRUE(Anwendung::endet()) << f.name << ": danach endet das Programm";
        varku::test::fangeNachEndeNeuAn();
    }
    EXPECT_EQ(gemeldet, (QStringList{"53", "75", "5"}));
}
