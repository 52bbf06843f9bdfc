// Kriterien kommen aus dem Programm und aus der Kategorientabelle: jeder Text darf höchstens
// einen Laufzeitfehler geben, nie einen Absturz, eine Endlosschleife oder eine lange Rechnung.
// Das Ziel selbst tut je Eingabe nur linear viel außer dem, was das Kriterium verlangt.
#include "platform/Kriterium.h"
#include "platform/Laufzeitfehler.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

using namespace varku;
using namespace varku::db;

namespace {

const Tabelle& tabelle() {
    static const Tabelle t = [] {
        Tabelle t;
        t.name = QStringLiteral("WortListe");
        const auto spalte = [&](const char* name, Spalte::Typ typ) {
            t.spalten.push_back({QString::fromLatin1(name), typ, {}, {}, {}, true});
        };
        spalte("RefNr", Spalte::Typ::Ganz);
        spalte("Wort", Spalte::Typ::Text);
        spalte("Kontext", Spalte::Typ::Text);
        spalte("LIP_", Spalte::Typ::Bool);
        spalte("Anteil", Spalte::Typ::Gleit);
        const char* woerter[] = {"Igel", "", " Straße ", "a*b?c#[x]"};
        for (int z = 0; z < 4; ++z) {
            for (Spalte& s : t.spalten) {
                const bool null = (z == 3 && s.name != QLatin1String("Wort"));
                s.istNull.push_back(null ? 1 : 0);
                if (s.typ == Spalte::Typ::Text)
                    s.texte.push_back(QString::fromUtf8(woerter[z]));
                else
                    s.zahlen.push_back(z == 1 ? -1.0 : z * 7.5);
            }
            ++t.zeilen;
        }
        return t;
    }();
    return t;
}

bool gleichGefaltet(QChar a, QChar b) {
    return a.toCaseFolded() == b.toCaseFolded();
}

// Ein Zeichen des Textes gegen das Zeichen des Musters ab i; j: wo das Muster danach weitergeht.
// "[" ohne "]" steht für sich; eine "]" gleich am Anfang der Auswahl gehört zu ihr.
bool passtEinzeln(QChar c, QStringView m, qsizetype i, qsizetype& j) {
    j = i + 1;
    if (m[i] == u'?')
        return true;
    if (m[i] == u'#')
        return c.isDigit();
    if (m[i] != u'[')
        return gleichGefaltet(c, m[i]);
    qsizetype k = i + 1;
    const bool verneint = k < m.size() && m[k] == u'!';
    if (verneint)
        ++k;
    const qsizetype anfang = k;
    qsizetype zu = anfang + 1;
    while (zu < m.size() && m[zu] != u']')
        ++zu;
    if (anfang >= m.size() || zu >= m.size())
        return c == u'[';
    bool drin = false;
    while (k < zu) {
        if (k + 2 < zu && m[k + 1] == u'-') {
            const QChar x = c.toCaseFolded();
            drin |= x >= m[k].toCaseFolded() && x <= m[k + 2].toCaseFolded();
            k += 3;
        } else {
            drin |= gleichGefaltet(c, m[k]);
            ++k;
        }
    }
    j = zu + 1;
    return drin != verneint;
}

// alle Paare von Stellen in Text und Muster, von hinten
bool passtLangsam(QStringView t, QStringView m) {
    const qsizetype n = t.size(), l = m.size();
    std::vector<std::vector<char>> ab(size_t(n) + 1, std::vector<char>(size_t(l) + 1, 0));
    ab[size_t(n)][size_t(l)] = 1;
    for (qsizetype ti = n; ti >= 0; --ti)
        for (qsizetype mi = l - 1; mi >= 0; --mi) {
            bool r = false;
            if (m[mi] == u'*') {
                r = ab[size_t(ti)][size_t(mi) + 1] || (ti < n && ab[size_t(ti) + 1][size_t(mi)]);
            } else if (ti < n) {
                qsizetype j = 0;
                r = passtEinzeln(t[ti], m, mi, j) && ab[size_t(ti) + 1][size_t(j)];
            }
            ab[size_t(ti)][size_t(mi)] = r;
        }
    return ab[0][0];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    try {
        const Kriterium k(text, tabelle());
        for (int z = 0; z < tabelle().zeilen; ++z) {
            try {
                (void)k.werte(z);
            } catch (const Laufzeitfehler& f) {
                // beim Auswerten nur unverträgliche Arten, Division durch Null oder ein zu
                // langer Text für Like, und der Fehler nennt das Kriterium
                if (f.nummer() != 3464 && f.nummer() != Laufzeitfehler::DivisionDurchNull &&
                    f.nummer() != Laufzeitfehler::Kriterium)
                    std::abort();
                if (f.betrifft() != gekuerzt(text))
                    std::abort();
            }
        }
    } catch (const Laufzeitfehler& f) {
        if (f.nummer() != Laufzeitfehler::Kriterium &&
            f.nummer() != Laufzeitfehler::UnbekanntesFeld)
            std::abort();
        if (f.betrifft() != gekuerzt(text))
            std::abort(); // der Fehler nennt das Kriterium
    }
    // das Muster allein; ein Vergleich kostet Text mal Muster, daher beide begrenzt
    constexpr qsizetype teil = 4096;
    const qsizetype mitte = std::min(text.size() / 2, teil);
    const QStringView links = QStringView(text).left(mitte);
    const QStringView rechts = QStringView(text).mid(mitte).left(teil);
    const bool passt = passtZuMuster(links, rechts);
    // kurze gegen den langsamen, offensichtlich richtigen Vergleich
    constexpr qsizetype kurz = 96;
    if (links.size() <= kurz && rechts.size() <= kurz && passt != passtLangsam(links, rechts))
        std::abort();
    return 0;
}
