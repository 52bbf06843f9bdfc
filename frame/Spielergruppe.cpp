#include "frame/Spielergruppe.h"

#include "foundation/Protokolldatei.h"
#include "foundation/Zahlenwert.h"

#include <algorithm>

namespace varku {

namespace {

const QString gast = QStringLiteral("Gast");
constexpr int maxNamenLaenge = 15;

} // namespace

double Statistik::lesezeitSchnitt() const {
    if (lesezeitSumme < 1 || woerter < 1)
        return 0.0;
    return double(lesezeitSumme) / woerter;
}

Spielergruppe::Spielergruppe() {
    for (int p = 0; p < maxSpieler; ++p)
        leereWiederholListe(p);
}

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

QString Spielergruppe::protokollPfad(int i) const {
    return varku::protokollPfad(m_userPfad, SpielerDatei[size_t(i)]);
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

void Spielergruppe::leereWiederholListe(int p) {
    if (p < 0 || p >= maxSpieler)
        return;
    WiederholListe[0][0][p] = 0;
    for (int i = 1; i <= maxWiederhol; ++i) {
        WiederholListe[i][0][p] = -1;
        WiederholListe[i][1][p] = 0;
    }
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
    SpielerStatistik[size_t(p)] = Statistik{};
    GastSpieler[size_t(p)] = name == gast;
    if (GastSpieler[size_t(p)])
        name = naechsterGastName();
    leereWiederholListe(p);
    // Jeder Spieler bekommt einen frischen Stamm, damit nie zwei Spieler eine Datei teilen.
    SpielerDatei[size_t(p)] = erzeugeTmpName(m_userPfad);
    legeProtokollAn(protokollPfad(p));
    m_namen.append(name);
    return {Ergebnis::Eingetragen, name, p};
}

bool Spielergruppe::entferne(int i) {
    if (i < 0 || i >= anzahl())
        return false;
    loescheProtokoll(protokollPfad(i));
    m_namen.removeAt(i);
    const int n = anzahl();
    for (int k = i + 1; k <= n; ++k) {
        SpielerStatistik[size_t(k - 1)] = SpielerStatistik[size_t(k)];
        SpielerDatei[size_t(k - 1)] = SpielerDatei[size_t(k)];
        GastSpieler[size_t(k - 1)] = GastSpieler[size_t(k)];
        // die Wiederholliste geht mit ihrem Spieler
        for (int e = 0; e <= maxWiederhol; ++e)
            for (int j = 0; j < 2; ++j)
                WiederholListe[e][j][k - 1] = WiederholListe[e][j][k];
    }
    SpielerDatei[size_t(n)].clear();
    GastSpieler[size_t(n)] = false;
    leereWiederholListe(n);

    // Die erledigten Wörter gehen mit ihren Spielern: die des Ausgetragenen fallen weg.
    std::vector<std::pair<int, int>> bleibt;
    bleibt.reserve(ErledigtListe.size());
    for (const auto& [position, spieler] : ErledigtListe) {
        if (spieler == i)
            continue;
        bleibt.emplace_back(position, spieler > i ? spieler - 1 : spieler);
    }
    ErledigtListe = std::move(bleibt);
    return true;
}

void Spielergruppe::loescheAlleProtokolle() const {
    for (int i = 0; i < anzahl(); ++i)
        loescheProtokoll(protokollPfad(i));
}

} // namespace varku
