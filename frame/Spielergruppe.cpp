#include "frame/Spielergruppe.h"

#include "foundation/Zahlenwert.h"
#include "frame/GlobModul.h"
#include "frame/Protokoll.h"
#include "frame/Spieler.h"

#include <algorithm>

namespace varku {

namespace {

const QString gast = QStringLiteral("Gast");
constexpr int maxNamenLaenge = 15;

// Platz ziel übernimmt die Wiederholliste von Platz quelle
void kopiereWiederholListe(int ziel, int quelle) {
    for (int i = 0; i <= maxWiederhol; ++i)
        for (int j = 0; j < 2; ++j)
            WiederholListe[i][j][ziel] = WiederholListe[i][j][quelle];
}

} // namespace

QString Spielergruppe::name(int i) const {
    return i >= 0 && i < anzahl() ? m_namen.at(i) : QString();
}

bool Spielergruppe::voll() const {
    return anzahl() >= maxSpieler;
}

bool Spielergruppe::spielerVorhanden(const QString& name) const {
    return m_namen.contains(name, Qt::CaseSensitive);
}

QString Spielergruppe::naechsterGastName() const {
    // Die Nummer steht ab dem sechsten Zeichen; ein Eintrag ohne Nummer zählt 0.
    int k = 0;
    for (const QString& n : m_namen)
        k = std::max<int>(k, alsInteger(zahlenwert(n.mid(5)), n));
    return gast + QLatin1Char(' ') + QString::number(alsInteger(double(k) + 1, gast));
}

QString Spielergruppe::kuerzeName(const QString& name) {
    if (name.size() <= maxNamenLaenge)
        return name;
    const qsizetype blank = name.indexOf(QLatin1Char(' '));
    // Ohne Wort vor einem Leerzeichen bleiben die ersten 15 Zeichen.
    if (blank > 0)
        return name.left(blank);
    return name.left(maxNamenLaenge);
}

Spielergruppe::Eintrag Spielergruppe::fuegeHinzu(const QString& gewaehlt) {
    if (voll())
        return {Ergebnis::ListeVoll, {}};
    QString name = kuerzeName(gewaehlt);
    if (name.isEmpty())
        return {Ergebnis::KeinName, {}};
    if (spielerVorhanden(name))
        return {Ergebnis::NameVorhanden, name};

    const int p = anzahl();
    nSpieler = p + 1;
    SpielerStatistik[size_t(p)] = Statistik{};
    GastSpieler[size_t(p)] = name == gast;
    if (GastSpieler[size_t(p)])
        name = naechsterGastName();
    m_namen.append(name);
    leereWiederholListe(p);
    // Jeder Spieler bekommt einen frischen Stamm, damit nie zwei Spieler eine Datei teilen.
    SpielerDatei[size_t(p)] = erzeugeTmpName();
    legeProtokollAn(SpielerDatei[size_t(p)]);
    return {Ergebnis::Eingetragen, name, p};
}

bool Spielergruppe::entferne(int i) {
    if (i < 0 || i >= anzahl())
        return false;
    m_namen.removeAt(i);
    nSpieler = anzahl();
    // Die offene Datei zuerst schließen, sonst schriebe der Rahmen in eine gelöschte Datei.
    if (i == aktSpieler)
        schliesseProtokoll();
    loescheProtokoll(SpielerDatei[size_t(i)]);
    for (int k = i + 1; k <= nSpieler; ++k) {
        SpielerStatistik[size_t(k - 1)] = SpielerStatistik[size_t(k)];
        SpielerDatei[size_t(k - 1)] = SpielerDatei[size_t(k)];
        GastSpieler[size_t(k - 1)] = GastSpieler[size_t(k)];
        kopiereWiederholListe(k - 1, k);
    }
    GastSpieler[size_t(nSpieler)] = false;
    leereWiederholListe(nSpieler);

    // Die erledigten Wörter gehen mit ihren Spielern: die des Ausgetragenen fallen weg.
    std::vector<std::pair<int, int>> bleibt;
    bleibt.reserve(ErledigtListe.size());
    for (const auto& [position, spieler] : ErledigtListe) {
        if (spieler == i)
            continue;
        bleibt.emplace_back(position, spieler > i ? spieler - 1 : spieler);
    }
    ErledigtListe = std::move(bleibt);
    ErledigtAnz = int(ErledigtListe.size());
    return true;
}

} // namespace varku
