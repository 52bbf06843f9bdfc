#include "foundation/Zahlenwert.h"

#include "platform/Laufzeitfehler.h"

#include <clocale>
#include <gtest/gtest.h>
#include <limits>
#include <string>

using namespace varku;

TEST(Zahlenwert, FuehrendeZahl) {
    struct Fall {
        const char* text;
        double wert;
    };
    const Fall faelle[] = {
        {"12", 12},    {"12abc", 12}, {"abc", 0},     {"", 0},      {"  7", 7},
        {"-3", -3},    {"+4", 4},     {"10.5", 10.5}, {".5", 0.5},  {"1.2.3", 1.2},
        {"1e3", 1000}, {"2E-1", 0.2}, {"3e", 3},      {"3ex", 3},   {"-", 0},
        {"1,5", 1},    {"0x10", 0},   {"007", 7},     {"5 6", 5},   {"\t9", 9},
        {"inf", 0},    {"nan", 0},    {"1d2", 100},   {"+.5", 0.5}, {"-0", 0},
    };
    for (const Fall& f : faelle)
        EXPECT_DOUBLE_EQ(zahlenwert(f.text), f.wert) << f.text;
}

TEST(Zahlenwert, ImmerEndlich) {
    constexpr double groesste = std::numeric_limits<double>::max();
    const QString viele(100000, u'0');
    struct Fall {
        QString text;
        double wert;
    };
    // am Rand des Bereichs und darunter: eine Zahl, zu klein für double, ist 0
    const Fall endlich[] = {
        {"1.7976931348623157e308", groesste},
        {"-1.7976931348623158e308", -groesste},
        {"0.0001e312", 1e308},
        {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        {"1e-999", 0},
        {"-1e-400", 0},
        {"2e-324", 0},
        {"100e-330", 0},
        {"0e999999999999999999999", 0},
        {"0." + viele + "1", 0},
        {"1." + viele + "1", 1},
        {"1" + viele + "e-100000", 1},
    };
    for (const Fall& f : endlich)
        EXPECT_DOUBLE_EQ(zahlenwert(f.text), f.wert) << f.text.left(40).toStdString();

    // darüber ist es ein Überlauf, der den Text nennt
    const QString ueberlauf[] = {
        "1e999",       "-1e999",
        "1e309",       "1.7976931348623159e308",
        "1E400abc",    "1d400",
        "0.00001e314", "1e99999999999999999999",
        "1" + viele,   "  -9" + viele + ".5",
    };
    for (const QString& text : ueberlauf) {
        try {
            const double wert = zahlenwert(text);
            ADD_FAILURE() << text.left(40).toStdString() << " gibt " << wert;
        } catch (const Laufzeitfehler& f) {
            EXPECT_EQ(f.nummer(), Laufzeitfehler::Ueberlauf);
            EXPECT_EQ(f.betrifft(), text);
        }
    }
}

TEST(Zahlenwert, PunktAuchInDeutscherSpracheinstellung) {
    // Qt stellt unter Linux die Sprache der Umgebung ein; dort ist das Komma Dezimalzeichen
    const std::string alt = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE"))
        GTEST_SKIP() << "keine deutsche Spracheinstellung installiert";
    const double wert = zahlenwert(QStringLiteral("10.5"));
    std::setlocale(LC_NUMERIC, alt.c_str());
    EXPECT_DOUBLE_EQ(wert, 10.5);
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
