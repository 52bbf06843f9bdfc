#include "platform/Recordset.h"

#include "platform/Datenbank.h"
#include "platform/Laufzeitfehler.h"

#include <numeric>

namespace varku::db {

namespace {
[[noreturn]] void keinDatensatz(const Tabelle& t) {
    throw Laufzeitfehler(3021, QStringLiteral("Kein aktueller Datensatz"), t.herkunft());
}
} // namespace

Recordset::Recordset(std::shared_ptr<const Tabelle> tabelle) : m_tabelle(std::move(tabelle)) {
    m_zeilen.resize(size_t(m_tabelle->zeilen));
    std::iota(m_zeilen.begin(), m_zeilen.end(), 0);
    m_pos = m_zeilen.empty() ? -1 : 0;
}

Recordset Recordset::oeffne(const QString& datei, const QString& tabelle) {
    return Recordset(leseTabelle(datei, tabelle));
}

std::vector<Recordset> Recordset::oeffne(const QString& datei, const QStringList& tabellen) {
    std::vector<Recordset> saetze;
    for (auto& t : leseTabellen(datei, tabellen))
        saetze.emplace_back(std::move(t));
    return saetze;
}

void Recordset::pruefeOffen() const {
    if (!m_tabelle)
        throw Laufzeitfehler(91, QStringLiteral("Datensatz nicht geöffnet"));
}

void Recordset::pruefeAktuell() const {
    pruefeOffen();
    if (Eof() || Bof())
        keinDatensatz(*m_tabelle);
}

Recordset Recordset::gefiltert(const QString& kriterium) const {
    pruefeOffen();
    const Kriterium k(kriterium, *m_tabelle);
    Recordset r;
    r.m_tabelle = m_tabelle;
    r.m_zeilen.reserve(m_zeilen.size());
    for (int z : m_zeilen)
        if (k.trifftZu(z))
            r.m_zeilen.push_back(z);
    r.m_pos = r.m_zeilen.empty() ? -1 : 0;
    return r;
}

void Recordset::MoveFirst() {
    pruefeOffen();
    if (m_zeilen.empty())
        keinDatensatz(*m_tabelle);
    m_pos = 0;
}

void Recordset::MoveLast() {
    pruefeOffen();
    if (m_zeilen.empty())
        keinDatensatz(*m_tabelle);
    m_pos = int(m_zeilen.size()) - 1;
}

void Recordset::MoveNext() {
    pruefeOffen();
    if (Eof())
        keinDatensatz(*m_tabelle);
    ++m_pos;
}

void Recordset::MovePrevious() {
    pruefeOffen();
    if (m_pos < 0)
        keinDatensatz(*m_tabelle);
    --m_pos;
}

void Recordset::Move(int zeilen) {
    pruefeOffen();
    if (zeilen == 0)
        return;
    if ((zeilen > 0 && Eof()) || (zeilen < 0 && m_pos < 0))
        keinDatensatz(*m_tabelle);
    const long long ziel = (long long)m_pos + zeilen;
    if (ziel < 0)
        m_pos = -1;
    else if (ziel >= (long long)m_zeilen.size())
        m_pos = int(m_zeilen.size());
    else
        m_pos = int(ziel);
}

const Kriterium& Recordset::suchkriterium(const QString& text) {
    pruefeOffen();
    if (!m_suche || m_suchText != text || &m_suche->tabelle() != m_tabelle.get()) {
        m_suche = std::make_shared<const Kriterium>(text, *m_tabelle);
        m_suchText = text;
    }
    return *m_suche;
}

bool Recordset::sucheAb(int anfang, const QString& kriterium) {
    const Kriterium& k = suchkriterium(kriterium);
    for (int i = std::max(anfang, 0); i < int(m_zeilen.size()); ++i)
        if (k.trifftZu(m_zeilen[size_t(i)])) {
            m_pos = i;
            m_keinTreffer = false;
            return true;
        }
    m_keinTreffer = true;
    return false;
}

bool Recordset::FindFirst(const QString& kriterium) {
    return sucheAb(0, kriterium);
}

bool Recordset::FindNext(const QString& kriterium) {
    if (Eof()) {
        suchkriterium(kriterium); // auch hier: ein falsches Kriterium meldet sich
        m_keinTreffer = true;
        return false;
    }
    return sucheAb(m_pos + 1, kriterium);
}

bool Recordset::hatFeld(const QString& name) const {
    return m_tabelle && m_tabelle->spaltenIndex(name) >= 0;
}

Wert Recordset::feld(const QString& name) const {
    pruefeAktuell();
    const int s = m_tabelle->spaltenIndex(name);
    if (s < 0)
        throw Laufzeitfehler(Laufzeitfehler::UnbekanntesFeld,
                             QStringLiteral("Element in der Auflistung nicht gefunden"),
                             name + QStringLiteral(" (") + m_tabelle->herkunft() +
                                 QLatin1Char(')'));
    return m_tabelle->wert(s, m_zeilen[size_t(m_pos)]);
}

} // namespace varku::db
