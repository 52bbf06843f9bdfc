#include "games/crossword/Wertung.h"

#include "foundation/Texte.h"

#include <array>

namespace varku::wendomar {

namespace {

struct Bonus {
    int spalte, zeile;
    const char* code;
};

// die eine Hälfte; die andere liegt gespiegelt an der Mitte, (15 - Spalte, 12 - Zeile)
constexpr std::array<Bonus, 9> haelfte{{
    {8, 1, "+25"},
    {3, 2, "*2"},
    {12, 2, "+10"},
    {7, 3, "*2"},
    {5, 4, "*3"},
    {10, 4, "+10"},
    {6, 5, "+50"},
    {13, 5, "+25"},
    {1, 6, "+10"},
}};

std::pair<int, int> zelleDesWortes(const Kreuzwortgitter& g, int k) {
    return g.Richtung == waagrecht ? std::pair{g.StartSpalte + k, g.StartZeile}
                                   : std::pair{g.StartSpalte, g.StartZeile + k};
}

} // namespace

const QString& bonusFeld(int spalte, int zeile) {
    static const std::array<QString, gitterSpalten* gitterZeilen> felder = [] {
        std::array<QString, gitterSpalten * gitterZeilen> f;
        for (const Bonus& b : haelfte) {
            f[size_t((b.zeile - 1) * gitterSpalten + b.spalte - 1)] = QString::fromLatin1(b.code);
            f[size_t((12 - b.zeile - 1) * gitterSpalten + (15 - b.spalte) - 1)] =
                QString::fromLatin1(b.code);
        }
        return f;
    }();
    static const QString keiner;
    if (spalte < 1 || spalte > gitterSpalten || zeile < 1 || zeile > gitterZeilen)
        return keiner;
    return felder[size_t((zeile - 1) * gitterSpalten + spalte - 1)];
}

int berechneBonus(const Kreuzwortgitter& g, const Bonusfelder& felder) {
    const int basis = g.WortLaenge * 10;
    int dazu = 0, faktor = 1;
    for (int k = 0; k < g.WortLaenge; ++k) {
        const auto [c, r] = zelleDesWortes(g, k);
        const QString code = felder ? felder(c, r) : bonusFeld(c, r);
        if (!g.buchstabe(c, r).isEmpty() || code.isEmpty())
            continue;
        const int wert = code.mid(1).toInt();
        if (code.startsWith(u'+'))
            dazu += wert;
        else
            faktor = wert;
    }
    return (basis + dazu) * faktor - basis;
}

bool pruefeWortLage(const Kreuzwortgitter& g) {
    const QString gross = grossJeZeichen(g.Wort);
    for (int k = 0; k < g.WortLaenge; ++k) {
        const auto [c, r] = zelleDesWortes(g, k);
        if (c < 1 || c > gitterSpalten || r < 1 || r > gitterZeilen ||
            g.buchstabe(c, r) != QString(gross.at(k)))
            return false;
    }
    return true;
}

Wortwertung::Wortwertung(Kreuzwortgitter& gitter, Steinlage& steine) : m_g(gitter), m_s(steine) {}

void Wortwertung::legeWortAus() {
    // der Bonus zählt, bevor einer der Steine liegt
    m_s.legeSteineAus();
    m_bonus = berechneBonus(m_g);
}

bool Wortwertung::neueSpielrunde(const std::vector<int>& fehlerListe) {
    m_s.neuesSpielfeld();
    m_g.neuesBrett();
    m_bonus = 0;
    if (!m_g.ersterWort(fehlerListe))
        return false;
    legeWortAus();
    return true;
}

Wortende Wortwertung::beendeWort(int64_t& punkte) {
    Wortende e;
    if (!pruefeWortLage(m_g)) {
        e.klaenge << QStringLiteral("LeichterFehler");
        return e;
    }
    e.richtig = true;
    e.klaenge << QStringLiteral("BewegungStart");
    punkte += m_g.WortLaenge * 10 + m_bonus;
    m_bonus = 0;
    m_s.setzeStoppSteine();
    m_s.fixiereSteine();
    m_g.setzeWortInsGitter();
    m_g.merkeWort();
    m_g.sammleWortplaetze();
    if (!m_g.naechstesWortSuchen()) {
        e.rundeZuEnde = true;
        return e;
    }
    legeWortAus();
    return e;
}

int Wortwertung::fehlerKosten() const {
    return m_g.WortLaenge * 10;
}

int Wortwertung::steinKosten() const {
    return wendomar::steinKosten(m_bonus, m_g.WortLaenge);
}

int Wortwertung::hilfeKosten() const {
    return wendomar::hilfeKosten(m_bonus, m_g.WortLaenge);
}

} // namespace varku::wendomar
