#include "platform/testing/FakeUhr.h"

#include <gtest/gtest.h>

using varku::test::FakeUhr;

// Die Zeitgeber der Test-Uhr müssen in der richtigen Folge feuern, sonst prüfen alle
// Fenstertests mit Zeitgebern das Falsche.
TEST(FakeUhr, ZeitgeberFeuernInZeitlicherFolge) {
    FakeUhr uhr;
    uhr.stelle(100.0);
    auto a = uhr.neuerTimer();
    auto b = uhr.neuerTimer();
    std::vector<std::string> folge;
    a->beiTick = [&] {
        folge.push_back("a@" + std::to_string(int(uhr.sekundenSeitMitternacht() * 10)));
    };
    b->beiTick = [&] {
        folge.push_back("b@" + std::to_string(int(uhr.sekundenSeitMitternacht() * 10)));
        b->setzeAktiv(false); // einmaliger Zeitgeber
    };
    a->setzeIntervall(500);
    a->setzeAktiv(true);
    b->setzeIntervall(1200);
    b->setzeAktiv(true);
    uhr.vorstellen(2000);
    EXPECT_EQ(folge, (std::vector<std::string>{"a@1005", "a@1010", "b@1012", "a@1015", "a@1020"}));
    EXPECT_DOUBLE_EQ(uhr.sekundenSeitMitternacht(), 102.0);
}

TEST(FakeUhr, MitternachtBeginntBeiNull) {
    FakeUhr uhr;
    uhr.stelle(86399.5);
    uhr.vorstellen(1000);
    EXPECT_DOUBLE_EQ(uhr.sekundenSeitMitternacht(), 0.5);
    EXPECT_EQ(uhr.jetzt().date(), QDate(2026, 12, 10));
}

TEST(FakeUhr, AbgebauterZeitgeberFeuertNicht) {
    FakeUhr uhr;
    int n = 0;
    {
        auto t = uhr.neuerTimer();
        t->beiTick = [&] { ++n; };
        t->setzeIntervall(100);
        t->setzeAktiv(true);
    }
    uhr.vorstellen(1000);
    EXPECT_EQ(n, 0);
}
