#include "foundation/Zahlenwert.h"

#include "platform/Laufzeitfehler.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace varku {

double zahlenwert(const QString& text) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    std::string s;
    if (i < n && (text.at(i) == u'+' || text.at(i) == u'-'))
        s += char(text.at(i++).unicode());
    const auto ziffer = [&](qsizetype k) {
        return k < n && text.at(k) >= u'0' && text.at(k) <= u'9';
    };
    bool ziffern = false;
    while (ziffer(i)) {
        s += char(text.at(i++).unicode());
        ziffern = true;
    }
    if (i < n && text.at(i) == u'.') {
        s += '.';
        ++i;
        while (ziffer(i)) {
            s += char(text.at(i++).unicode());
            ziffern = true;
        }
    }
    if (!ziffern)
        return 0.0;
    // Exponent nur, wenn wirklich Ziffern folgen
    if (i < n &&
        (text.at(i) == u'e' || text.at(i) == u'E' || text.at(i) == u'd' || text.at(i) == u'D')) {
        qsizetype k = i + 1;
        std::string e = "e";
        if (k < n && (text.at(k) == u'+' || text.at(k) == u'-'))
            e += char(text.at(k++).unicode());
        if (ziffer(k)) {
            while (ziffer(k))
                e += char(text.at(k++).unicode());
            s += e;
        }
    }
    return std::strtod(s.c_str(), nullptr);
}

double rundeGerade(double x) {
    // std::nearbyint rundet in der Standardeinstellung eine Hälfte zur geraden Zahl
    return std::nearbyint(x);
}

namespace {
[[noreturn]] void ueberlauf(double x, const QString& betrifft) {
    throw Laufzeitfehler(Laufzeitfehler::Ueberlauf, QStringLiteral("Überlauf"),
                         betrifft.isEmpty() ? QString::number(x, 'g', 17) : betrifft);
}
} // namespace

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
