#include "games/fallingletters/Fallspiel.h"

#include "foundation/Texte.h"

#include <algorithm>
#include <limits>

namespace varku::dolmix {

namespace {

const QString stern = QStringLiteral("*");

} // namespace

Zugdauer zugdauer(int minuten) {
    if (minuten <= 0)
        return {};
    const int schritt = int(16.67 / minuten);
    // von 17 Minuten an gäbe es keinen Schritt mehr: dann zählen die Sekunden des Zuges
    if (schritt < 1)
        return {0, minuten * 60};
    return {schritt, 0};
}

Fallspiel::Fallspiel(const Spielrunde& runde, const Einstellungen& einst, Wuerfel wuerfel)
    : m_runde(runde), m_einst(einst), m_wuerfel(std::move(wuerfel)) {}

const FeldZelle& Fallspiel::zelle(int spalte, int zeile) const {
    return m_feld[size_t(spalte - 1)][size_t(zeile - 1)];
}

FeldZelle& Fallspiel::feld(int spalte, int zeile) {
    return m_feld[size_t(spalte - 1)][size_t(zeile - 1)];
}

// --- das Wort ---

void Fallspiel::neuesWort(const QString& wort) {
    // mehr Buchstaben, als eine Reihe fasst, ließen sich nie legen
    m_wort = wort.left(hoechstensBuchstaben);
    m_bstIndex = 1;
    m_wortBuchstaben.assign(size_t(m_wort.size()), Lage{});
    m_zufall = m_einst.SteinZufallsFolge != 0;
    m_gross = m_einst.BuchstabenGross != 0;
    m_fallFolge = m_zufall ? mischeWort(m_wort) : m_wort;
    if (m_gross)
        m_fallFolge = grossJeZeichen(m_fallFolge);
    // zwei Wörter nacheinander haben nie dieselbe Farbe
    m_wortFarbe = m_wuerfel(1, steinFarben);
    if (m_wortFarbe == m_vorigeFarbe)
        m_wortFarbe = m_wortFarbe % steinFarben + 1;
    m_vorigeFarbe = m_wortFarbe;
}

QString Fallspiel::mischeWort(const QString& wort) {
    const int n = int(wort.size());
    QString ergebnis(n, u'#');
    std::vector<bool> frei(size_t(n), true);
    for (int i = 0; i < n; ++i) {
        // der Buchstabe kommt an die k-te noch freie Stelle von links
        int k = m_wuerfel(1, n - i);
        for (int stelle = 0; stelle < n; ++stelle) {
            if (frei[size_t(stelle)] && --k == 0) {
                ergebnis[stelle] = wort[i];
                frei[size_t(stelle)] = false;
                break;
            }
        }
    }
    return ergebnis;
}

// --- der Stein ---

void Fallspiel::neuerStein() {
    Stein s;
    s.steinNr = ++m_letzteNr;
    const bool buchstabeUebrig = m_bstIndex <= m_wort.size();
    if (m_wuerfel(1, 100) < 81 && buchstabeUebrig) {
        // meist fällt ein Buchstabe gedreht
        s.drehung = m_wuerfel(0, 3) * 90;
        s.buchstabe = m_fallFolge.mid(m_bstIndex - 1, 1);
        s.farbe = m_wortFarbe;
        ++m_bstIndex;
    } else {
        s.istBlank = true;
        s.buchstabe = stern;
    }
    m_warnt = false;
    s.spalte = m_wuerfel(1, feldSpalten);
    s.zeile = eingangsZeile;
    m_stein = s;
}

int Fallspiel::findeZielZeile(int spalte) const {
    for (int z = feldZeilen; z >= 1; --z)
        if (zelle(spalte, z).belegt())
            return z + 1;
    return 1;
}

void Fallspiel::starte() {
    m_gestartet = true;
    m_laeuft = true;
}

void Fallspiel::warnung(bool ein, Ereignis& e) {
    m_warnt = ein;
    if (ein) {
        e.klaenge << QStringLiteral("LeichterFehler");
        e.warnungEin = true;
    }
}

Ereignis Fallspiel::fallSchritt() {
    Ereignis e;
    if (!m_laeuft || m_stein.steinNr == 0)
        return e;
    const int ziel = findeZielZeile();
    if (ziel >= feldZeilen) {
        // Die Spalte ist bis oben voll, auch wenn der Stein noch in der Eingangszeile wartet:
        // die Runde ist zu Ende, das Spiel steht
        m_laeuft = false;
        e.blockiert = true;
        e.klaenge << QStringLiteral("Gratulation1");
        return e;
    }
    if (m_stein.zeile > ziel) {
        if (m_stein.zeile <= feldZeilen)
            e.zellen.emplace_back(m_stein.spalte, m_stein.zeile);
        --m_stein.zeile;
        e.zellen.emplace_back(m_stein.spalte, m_stein.zeile);
        // kurz vor der Landung: gedreht wird gewarnt
        if (m_einst.WarnungEinschalten != 0 && m_stein.zeile <= ziel + 2)
            warnung(m_stein.drehung != 0, e);
        // im Schritt, in dem er hereinkommt, landet er nicht
        if (m_stein.zeile == feldZeilen) {
            e.sichtbar = true;
            return e;
        }
    }
    if (m_stein.zeile == ziel)
        lande(e);
    return e;
}

void Fallspiel::lande(Ereignis& e) {
    e.gelandet = true;
    e.punkte = true;
    const Stein s = m_stein;
    FeldZelle& z = feld(s.spalte, s.zeile);
    z.istBlank = s.istBlank;
    z.buchstabe = s.buchstabe;
    z.steinNr = s.steinNr;
    z.farbe = s.istBlank ? 0 : s.farbe;
    z.drehung = s.drehung;
    z.zaehltFuerZeile = s.istBlank;
    if (!s.istBlank)
        m_wortBuchstaben[size_t(m_bstIndex - 2)] = Lage{s.spalte, s.zeile, s.drehung};
    e.zellen.emplace_back(s.spalte, s.zeile);
    m_stein.steinNr = 0; // er liegt jetzt im Feld

    if (!s.fallGelassen)
        e.klaenge << QStringLiteral("Annahme2");
    if (!s.istBlank && s.drehung == 0)
        standAmZug().punkte = int32_t(std::min<int64_t>(int64_t(standAmZug().punkte) + 1,
                                                        std::numeric_limits<int32_t>::max()));
    if (pruefeZeileVoll(s.zeile))
        entferneZeile(e);
    if (m_bstIndex <= m_wort.size()) {
        neuerStein();
        return;
    }

    // alle Buchstaben liegen
    e.wortFertig = true;
    if (!pruefeWort()) {
        wischeWort(e);
        return;
    }
    e.wortRichtig = true;
    e.klaenge << QStringLiteral("Annahme1");
    for (const Lage& l : m_wortBuchstaben)
        feld(l.spalte, l.zeile).zaehltFuerZeile = true;
    Stand& st = standAmZug();
    ++st.woerter;
    // die Punkte in 64 Bit: auch viele Reihen und Wörter laufen nicht über
    const int64_t wert = int64_t(st.zeilen + 1) * int64_t(st.woerter + 1) * int64_t(m_wort.size()) *
                         (m_zufall ? 3 : 1);
    st.punkte =
        int32_t(std::min<int64_t>(int64_t(st.punkte) + wert, std::numeric_limits<int32_t>::max()));
    if (pruefeZeileVoll(m_wortBuchstaben.front().zeile))
        entferneZeile(e);
}

bool Fallspiel::pruefeZeileVoll(int zeile) const {
    if (zeile < 1 || zeile > feldZeilen)
        return false;
    for (int s = 1; s <= feldSpalten; ++s)
        if (!zelle(s, zeile).zaehltFuerZeile)
            return false;
    return true;
}

// Die unterste Reihe geht, nicht unbedingt die volle; alles darüber sinkt um eine Reihe.
void Fallspiel::entferneZeile(Ereignis& e) {
    e.klaenge << QStringLiteral("BewegungEnde");
    for (int s = 1; s <= feldSpalten; ++s) {
        for (int z = 1; z < feldZeilen; ++z)
            feld(s, z) = zelle(s, z + 1);
        feld(s, feldZeilen) = FeldZelle{};
    }
    // Buchstaben des Wortes, die unten lagen, sind fort (Zeile 0); das Wort ist dann falsch
    for (int i = 0; i < m_bstIndex - 1 && i < int(m_wortBuchstaben.size()); ++i)
        m_wortBuchstaben[size_t(i)].zeile = std::max(0, m_wortBuchstaben[size_t(i)].zeile - 1);
    ++standAmZug().zeilen;
    ++e.entfernteZeilen;
    e.ganzesFeld = true;
}

void Fallspiel::wischeWort(Ereignis& e) {
    for (const Lage& l : m_wortBuchstaben) {
        if (l.zeile < 1)
            continue; // mit der untersten Reihe fort
        FeldZelle& z = feld(l.spalte, l.zeile);
        z.buchstabe = stern;
        z.zaehltFuerZeile = false;
        e.zellen.emplace_back(l.spalte, l.zeile);
    }
}

bool Fallspiel::pruefeWort() const {
    const int n = int(m_wortBuchstaben.size());
    if (n == 0)
        return false;
    const int zeile = m_wortBuchstaben.front().zeile;
    if (zeile < 1)
        return false;
    int c0 = feldSpalten;
    for (const Lage& l : m_wortBuchstaben) {
        if (l.zeile != zeile || l.drehung != 0)
            return false;
        c0 = std::min(c0, l.spalte);
    }
    // Spalte für Spalte von links: jede muss einen Buchstaben des Wortes halten
    QString gelegt;
    for (int s = c0; gelegt.size() < n; ++s) {
        if (s > feldSpalten)
            return false;
        const bool vomWort = std::any_of(m_wortBuchstaben.begin(), m_wortBuchstaben.end(),
                                         [s](const Lage& l) { return l.spalte == s; });
        if (!vomWort)
            return false;
        gelegt += zelle(s, zeile).buchstabe;
    }
    if (gelegt != (m_gross ? grossJeZeichen(m_wort) : m_wort))
        return false;
    if (c0 > 1 && !zelle(c0 - 1, zeile).sternOderLeer())
        return false;
    if (c0 + n - 1 < feldSpalten && !zelle(c0 + n, zeile).sternOderLeer())
        return false;
    return true;
}

// --- die Tasten ---

Ereignis Fallspiel::taste(Taste t) {
    Ereignis e;
    if (!m_laeuft || !steinSichtbar())
        return e;
    Stein& s = m_stein;
    const auto bewege = [&](int spalte, int zeile) {
        e.zellen.emplace_back(s.spalte, s.zeile);
        s.spalte = spalte;
        s.zeile = zeile;
        e.zellen.emplace_back(s.spalte, s.zeile);
    };
    switch (t) {
    case Taste::Links:
        if (s.spalte >= 2 && !zelle(s.spalte - 1, s.zeile).belegt())
            bewege(s.spalte - 1, s.zeile);
        break;
    case Taste::Rechts:
        if (s.spalte < feldSpalten && !zelle(s.spalte + 1, s.zeile).belegt())
            bewege(s.spalte + 1, s.zeile);
        break;
    case Taste::Hoch:
    case Taste::Runter:
        if (!s.istBlank) {
            s.drehung = (s.drehung + (t == Taste::Hoch ? 90 : 270)) % 360;
            e.zellen.emplace_back(s.spalte, s.zeile);
            // die Warnung folgt dem Stein, wie er jetzt liegt, nicht erst dem nächsten Takt
            const bool nahe = m_einst.WarnungEinschalten != 0 && s.zeile <= findeZielZeile() + 2;
            if (m_warnt && s.drehung == 0)
                warnung(false, e);
            else if (!m_warnt && s.drehung != 0 && nahe)
                warnung(true, e);
        }
        break;
    case Taste::Fallen:
        if (m_einst.WarnungEinschalten != 0) {
            warnung(s.drehung != 0, e);
            if (s.drehung != 0)
                return e; // gedreht fällt er nicht
        }
        e.klaenge << QStringLiteral("Annahme2");
        s.fallGelassen = true;
        bewege(s.spalte, findeZielZeile());
        break;
    }
    return e;
}

// --- das Feld ---

int Fallspiel::maxFreieLaenge() const {
    int beste = 0;
    for (int z = 1; z <= feldZeilen; ++z) {
        int lauf = 0;
        for (int s = 1; s <= feldSpalten; ++s) {
            const FeldZelle& c = zelle(s, z);
            const bool getragen = z == 1 || zelle(s, z - 1).belegt();
            if (c.belegt() || !getragen) {
                lauf = 0; // eine belegte oder hohle Zelle unterbricht die Folge
                continue;
            }
            // eine Folge beginnt am linken Rand oder rechts von einem "*"
            if (lauf > 0)
                ++lauf;
            else if (s == 1 || zelle(s - 1, z).buchstabe == stern)
                lauf = 1;
            beste = std::max(beste, lauf);
        }
    }
    return beste == 0 ? hoechstensBuchstaben : beste;
}

void Fallspiel::loescheSpielfeld() {
    for (auto& spalte : m_feld)
        spalte.fill(FeldZelle{});
    m_stein = Stein{};
    m_warnt = false;
}

void Fallspiel::neuesSpiel() {
    SpielerStand.fill(Stand{});
    m_laeuft = false;
    loescheSpielfeld();
    m_gestartet = false;
}

} // namespace varku::dolmix
