#include "games/crossword/Steinlage.h"

#include "foundation/Texte.h"

#include <cmath>

namespace varku::wendomar {

int steinKosten(int bonus, int wortLaenge) {
    return int(std::floor(double(bonus) / 0.5 * wortLaenge)) + 20;
}

int hilfeKosten(int bonus, int wortLaenge) {
    return int(std::floor(double(bonus) / std::max(1, wortLaenge))) + 10;
}

Steinlage::Steinlage(Kreuzwortgitter& gitter, Wuerfel wuerfel)
    : m_g(gitter), m_wuerfel(std::move(wuerfel)) {}

QString Steinlage::mischeBuchstaben(const QString& text, const Wuerfel& wuerfel) {
    const qsizetype n = text.size();
    // jedes Zeichen auf einen der noch freien Plätze, gleich wahrscheinlich
    std::vector<qsizetype> frei(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i)
        frei[size_t(i)] = i;
    QString ergebnis(n, u'#');
    for (qsizetype i = 0; i < n; ++i) {
        const int k = wuerfel(1, int(n - i));
        ergebnis[frei[size_t(k - 1)]] = text[i];
        frei.erase(frei.begin() + (k - 1));
    }
    return ergebnis;
}

Zelle Steinlage::ablagePosition(int n) {
    const int reihe = (n - 1) / ablageSpalten;
    return {(n - 1) - ablageSpalten * reihe + 1, reihe + 1};
}

std::pair<int, int> Steinlage::zelleDesWortes(int k) const {
    return m_g.Richtung == waagrecht ? std::pair{m_g.StartSpalte + k, m_g.StartZeile}
                                     : std::pair{m_g.StartSpalte, m_g.StartZeile + k};
}

void Steinlage::legeSteineAus() {
    ++m_auslage;
    m_steine.clear();
    const QString gross = grossJeZeichen(m_g.Wort);
    QString fehlend;
    for (int k = 0; k < m_g.WortLaenge; ++k) {
        const auto [c, r] = zelleDesWortes(k);
        // ein Buchstabe, der schon auf dem Brett liegt, braucht keinen Stein
        if (m_g.buchstabe(c, r) != QString(gross.at(k)))
            fehlend += gross.at(k);
    }
    // nie mehr Steine, als es Plätze gibt
    fehlend.truncate(steinAnzahl - 1);
    const QString gemischt = mischeBuchstaben(fehlend, m_wuerfel);
    for (qsizetype i = 0; i < gemischt.size(); ++i)
        m_steine.push_back({gemischt.at(i), ablagePosition(int(i) + 1)});
    m_g.SteinSpalte.fill(0);
    m_g.SteinZeile.fill(0);
    wortEndeAn = false;
    zurueckAn = false;
    naechsterSteinAn = true;
    ersterStein = true;
    if (m_g.WortLaenge > 0) {
        const auto [c, r] = zelleDesWortes(0);
        if (!m_g.buchstabe(c, r).isEmpty())
            ersterStein = false;
    }
}

Zelle Steinlage::feld(int n) const {
    return {m_g.SteinSpalte[size_t(n)], m_g.SteinZeile[size_t(n)]};
}

int Steinlage::steineInAblage() const {
    int r = 0;
    for (int n = 1; n <= anzahl(); ++n)
        r += inAblage(n);
    return r;
}

bool Steinlage::legeAufFeld(int n, Zelle ziel) {
    if (n < 1 || n > anzahl())
        return false;
    // im Rand des Bilds oder auf einer Zelle, die schon etwas trägt: nichts geschieht
    if (ziel.spalte < 1 || ziel.spalte > gitterSpalten || ziel.zeile < 1 ||
        ziel.zeile > gitterZeilen || !m_g.buchstabe(ziel.spalte, ziel.zeile).isEmpty())
        return false;
    const Zelle alt = feld(n);
    if (alt.spalte > 0)
        m_g.setzeBuchstabe(alt.spalte, alt.zeile, QString());
    m_g.SteinSpalte[size_t(n)] = ziel.spalte;
    m_g.SteinZeile[size_t(n)] = ziel.zeile;
    m_g.setzeBuchstabe(ziel.spalte, ziel.zeile, QString(stein(n).buchstabe));
    knoepfeNachZug(true);
    return true;
}

bool Steinlage::legeInAblage(int n, Zelle platz) {
    if (n < 1 || n > anzahl() || platz.spalte < 1 || platz.spalte > ablageSpalten ||
        platz.zeile < 1 || platz.zeile > ablageZeilen)
        return false;
    for (int i = 1; i <= anzahl(); ++i)
        if (i != n && inAblage(i) && stein(i).ablage == platz)
            return false;
    const Zelle alt = feld(n);
    if (alt.spalte >= 1 && alt.zeile >= 1)
        m_g.setzeBuchstabe(alt.spalte, alt.zeile, QString());
    m_g.SteinSpalte[size_t(n)] = 0;
    m_g.SteinZeile[size_t(n)] = 0;
    m_steine[size_t(n - 1)].ablage = platz;
    knoepfeNachZug(false);
    return true;
}

void Steinlage::knoepfeNachZug(bool aufsBrett) {
    const int r = steineInAblage();
    wortEndeAn = r == 0;
    if (r == anzahl()) {
        zurueckAn = false;
        ersterStein = true;
    } else {
        zurueckAn = true;
        ersterStein = false;
    }
    if (!aufsBrett)
        naechsterSteinAn = true;
    else if (r == 0)
        naechsterSteinAn = false;
}

void Steinlage::alleZurueck() {
    for (int n = 1; n <= anzahl(); ++n) {
        const Zelle alt = feld(n);
        if (alt.spalte > 0) {
            m_g.setzeBuchstabe(alt.spalte, alt.zeile, QString());
            m_g.SteinSpalte[size_t(n)] = 0;
            m_g.SteinZeile[size_t(n)] = 0;
            m_steine[size_t(n - 1)].ablage = ablagePosition(n);
        }
    }
    zurueckAn = false;
    ersterStein = true;
    naechsterSteinAn = true;
    wortEndeAn = false;
}

int Steinlage::setzeNaechstenStein() {
    const QString gross = grossJeZeichen(m_g.Wort);
    for (int k = 0; k < m_g.WortLaenge; ++k) {
        const auto [c, r] = zelleDesWortes(k);
        if (!m_g.buchstabe(c, r).isEmpty())
            continue;
        for (int n = 1; n <= anzahl(); ++n)
            if (inAblage(n) && stein(n).buchstabe == gross.at(k))
                return legeAufFeld(n, {c, r}) ? n : 0;
        return 0;
    }
    return 0;
}

int Steinlage::legeComputerStein(int k) {
    if (k < 1 || k > m_g.WortLaenge)
        return 0;
    const QChar b = grossJeZeichen(m_g.Wort).at(k - 1);
    const auto [c, r] = zelleDesWortes(k - 1);
    if (!m_g.buchstabe(c, r).isEmpty())
        return 0;
    for (int n = 1; n <= anzahl(); ++n)
        if (inAblage(n) && stein(n).buchstabe == b)
            return legeAufFeld(n, {c, r}) ? n : 0;
    return 0;
}

void Steinlage::setzeStoppSteine() {
    const int n = m_g.Richtung == waagrecht ? gitterSpalten : gitterZeilen;
    const int anfang = m_g.Richtung == waagrecht ? m_g.StartSpalte : m_g.StartZeile;
    const auto zelle = [&](int p) {
        return m_g.Richtung == waagrecht ? Zelle{p, m_g.StartZeile} : Zelle{m_g.StartSpalte, p};
    };
    if (anfang > 1)
        m_stopp.push_back(zelle(anfang - 1));
    if (anfang + m_g.WortLaenge - 1 < n)
        m_stopp.push_back(zelle(anfang + m_g.WortLaenge));
}

void Steinlage::fixiereSteine() {
    ++m_auslage;
    for (int n = 1; n <= anzahl(); ++n)
        if (!inAblage(n))
            m_fest.push_back({stein(n).buchstabe, feld(n)});
    m_steine.clear();
    m_g.SteinSpalte.fill(0);
    m_g.SteinZeile.fill(0);
    // bis das nächste Wort ausliegt, gibt es nichts zu werten und nichts zurückzunehmen
    wortEndeAn = false;
    zurueckAn = false;
}

void Steinlage::neuesSpielfeld() {
    ++m_auslage;
    m_steine.clear();
    m_stopp.clear();
    m_fest.clear();
}

} // namespace varku::wendomar
