#include "foundation/Zahlenwert.h"

#include "platform/Laufzeitfehler.h"

#include <gtest/gtest.h>

using namespace varku;

TEST(Zahlenwert, FuehrendeZahl) {
    struct Fall {
        const char* text;
        double wert;
    };
    const Fall faelle[] = {
        {"12", 12},    {"12abc", 12}, {"abc", 0},     {"", 0},     {"  7", 7},
        {"-3", -3},    {"+4", 4},     {"10.5", 10.5}, {".5", 0.5}, {"1.2.3", 1.2},
        {"1e3", 1000}, {"2E-1", 0.2}, {"3e", 3},      {"3ex", 3},  {"-", 0},
        {"1,5", 1},    {"0x10", 0},   {"007", 7},     {"5 6", 5},  {"\t9", 9},
    };
    for (const Fall& f : faelle)
        EXPECT_DOUBLE_EQ(zahlenwert(f.text), f.wert) << f.text;
}

TEST(Zahlenwert, RundenZurGeradenZahl) {
    struct Fall {
        double x;
        int16_t ganz;
    };
    const Fall faelle[] = {{0.5, 0},          {1.5, 2},       {2.5, 2},         {3.5, 4},
                           {-0.5, 0},         {-1.5, -2},     {-2.5, -2},       {2.4, 2},
                           {2.6, 3},          {32767, 32767}, {-32768, -32768}, {32767.4, 32767},
                           {-32768.5, -32768}};
    for (const Fall& f : faelle)
        EXPECT_EQ(alsInteger(f.x), f.ganz) << f.x;
}

TEST(Zahlenwert, UeberlaufIstLaufzeitfehler) {
    for (double x : {32767.5, 32768.0, -32769.0, 1e300, std::numeric_limits<double>::infinity(),
                     std::numeric_limits<double>::quiet_NaN()}) {
        try {
            alsInteger(x, QStringLiteral("Modus=40000"));
            ADD_FAILURE() << "kein Fehler bei " << x;
        } catch (const Laufzeitfehler& f) {
            EXPECT_EQ(f.nummer(), 6);
            EXPECT_EQ(f.betrifft(), "Modus=40000");
        }
    }
    EXPECT_EQ(alsLong(70000), 70000);
    EXPECT_THROW(alsLong(3e9), Laufzeitfehler);
}

TEST(Zahlenwert, TrimmtNurLeerzeichen) {
    EXPECT_EQ(trimme("  a b  "), "a b");
    EXPECT_EQ(trimme("   "), "");
    EXPECT_EQ(trimme("\tx\t"), "\tx\t");
}
