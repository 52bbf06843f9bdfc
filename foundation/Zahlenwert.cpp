#include "foundation/Zahlenwert.h"

#include "platform/Laufzeitfehler.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace varku {

namespace {
[[noreturn]] void ueberlauf(const QString& betrifft) {
    throw Laufzeitfehler(Laufzeitfehler::Ueberlauf, QStringLiteral("Überlauf"), betrifft);
}
[[noreturn]] void ueberlauf(double x, const QString& betrifft) {
    ueberlauf(betrifft.isEmpty() ? QString::number(x, 'g', 17) : betrifft);
}
} // namespace

double zahlenwert(const QString& text) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    const auto ziffer = [&](qsizetype k) {
        return k < n && text.at(k) >= u'0' && text.at(k) <= u'9';
    };
    // from_chars kennt kein "+" und liest unabhängig von der eingestellten Sprache
    std::string s;
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-'))
        if (text.at(i++) == u'-')
            s += '-';
    // Stellung der ersten geltenden Ziffer zum Komma: sie unterscheidet zu groß von zu klein
    long long groessenordnung = 0;
    bool geltend = false;
    bool ziffern = false;
    while (ziffer(i)) {
        const char c = char(text.at(i++).unicode());
        s += c;
        ziffern = true;
        geltend = geltend || c != '0';
        if (geltend)
            ++groessenordnung;
    }
    if (i < n && text.at(i) == u'.') {
        s += '.';
        ++i;
        while (ziffer(i)) {
            const char c = char(text.at(i++).unicode());
            s += c;
            ziffern = true;
            if (!geltend && c != '0')
                geltend = true;
            else if (!geltend)
                --groessenordnung;
        }
    }
    if (!ziffern)
        return 0.0;
    // Exponent nur, wenn wirklich Ziffern folgen
    if (i < n &&
        (text.at(i) == u'e' || text.at(i) == u'E' || text.at(i) == u'd' || text.at(i) == u'D')) {
        qsizetype k = i + 1;
        std::string e = "e";
        bool negativ = false;
        if (k < n && (text.at(k) == u'+' || text.at(k) == u'-')) {
            negativ = text.at(k) == u'-';
            e += char(text.at(k++).unicode());
        }
        if (ziffer(k)) {
            long long exponent = 0;
            while (ziffer(k)) {
                const char c = char(text.at(k++).unicode());
                e += c;
                exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
            }
            s += e;
            groessenordnung += negativ ? -exponent : exponent;
        }
    }
    double wert = 0.0;
    const auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), wert);
    (void)ende;
    if (fehler == std::errc::result_out_of_range) {
        // zu groß für eine Gleitkommazahl; zu klein gilt als 0
        if (groessenordnung > 0)
            ueberlauf(text);
        return 0.0;
    }
    return wert;
}

double zahlenwertBegrenzt(const QString& text) {
    try {
        return zahlenwert(text);
    } catch (const Laufzeitfehler&) {
        return trimme(text).startsWith(u'-') ? -std::numeric_limits<double>::max()
                                             : std::numeric_limits<double>::max();
    }
}

double rundeGerade(double x) {
    // std::nearbyint rundet in der Standardeinstellung eine Hälfte zur geraden Zahl
    return std::nearbyint(x);
}

int16_t alsInteger(double x, const QString& betrifft) {
    const double r = rundeGerade(x);
    if (!(r >= -32768.0 && r <= 32767.0))
        ueberlauf(x, betrifft);
    return static_cast<int16_t>(r);
}

int32_t alsLong(double x, const QString& betrifft) {
    const double r = rundeGerade(x);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        ueberlauf(x, betrifft);
    return static_cast<int32_t>(r);
}

QString trimme(const QString& text) {
    qsizetype a = 0, e = text.size();
    while (a < e && text.at(a) == u' ')
        ++a;
    while (e > a && text.at(e - 1) == u' ')
        --e;
    return text.mid(a, e - a);
}

} // namespace varku
