#include "games/hiddenletters/Kartenspiel.h"

#include "foundation/Texte.h"

namespace varku::kartomin {

const std::array<Kartenfarbe, 10> FarbTabelle = {{{242, 185, 46},
                                                  {228, 105, 55},
                                                  {221, 54, 90},
                                                  {132, 37, 102},
                                                  {48, 44, 113},
                                                  {46, 105, 167},
                                                  {113, 194, 192},
                                                  {142, 203, 158},
                                                  {189, 216, 140},
                                                  {242, 238, 106}}};

const QString& jokerZeichen() {
    static const QString stern = QStringLiteral("*");
    return stern;
}

Kartenspiel::Kartenspiel(Spielrunde& runde, Wuerfel wuerfel)
    : m_runde(runde), m_wuerfel(std::move(wuerfel)) {}

// --- das Feld ---

void Kartenspiel::leereFeld() {
    for (Karte& k : m_karten)
        k = Karte{QString(), m_wuerfel(0, int(FarbTabelle.size()) - 1)};
}

int Kartenspiel::sucheLeeresFeld(int n) const {
    int gezaehlt = 0;
    for (int i = 0; i < feldKarten; ++i)
        if (m_karten[size_t(i)].inhalt.isEmpty() && gezaehlt++ == n)
            return i;
    return 0;
}

void Kartenspiel::verteileBuchstaben() {
    // jede leere Karte gleich wahrscheinlich, wo sie auch liegt
    for (int i = 1; i <= WortLaenge(); ++i)
        m_karten[size_t(sucheLeeresFeld(m_wuerfel(0, feldKarten - i)))].inhalt =
            grossJeZeichen(m_wort.mid(i - 1, 1));
    // der Joker mit 16 von 21 Zahlen
    if (m_wuerfel(0, 20) >= 5 && WortLaenge() < feldKarten)
        m_karten[size_t(sucheLeeresFeld(m_wuerfel(0, feldKarten - 1 - WortLaenge())))].inhalt =
            jokerZeichen();
}

void Kartenspiel::neuesWort(const QString& wort) {
    // ein Leerzeichen auf einer Karte sähe aus wie eine leere Karte, und mehr als 24 Buchstaben
    // ließen keinen Platz: jeder Buchstabe bekäme sonst nicht seine eigene Karte
    m_wort = wort.trimmed().left(hoechstensBuchstaben);
    leereFeld();
    verteileBuchstaben();
    m_naechster = 1;
}

QString Kartenspiel::gesucht() const {
    if (m_naechster > WortLaenge())
        return {};
    return QString(grossbuchstabe(m_wort.at(m_naechster - 1)));
}

// --- Aufdecken und Wertung ---

bool Kartenspiel::deckeFeldAuf(int feld) {
    if (!bereit() || feld < 0 || feld >= feldKarten || m_karten[size_t(feld)].gefunden)
        return false;
    m_aktFeld = feld;
    m_karten[size_t(feld)].offen = true;
    m_phase = Phase::Offen;
    bewerteFeld(feld);
    return true;
}

void Kartenspiel::bewerteFeld(int feld) {
    Karte& k = m_karten[size_t(feld)];
    m_vorherAufgedeckt = k.aufgedeckt;
    k.aufgedeckt = true;
    if (k.istJoker()) {
        m_ergebnis = Feldergebnis::Joker;
    } else if (k.inhalt.isEmpty()) {
        m_ergebnis = Feldergebnis::Leer;
    } else if (k.inhalt == gesucht()) {
        // jede Karte mit dem gesuchten Buchstaben zählt, auch die zweite eines doppelten
        k.gefunden = true;
        ++m_naechster;
        m_ergebnis = m_naechster > WortLaenge() ? Feldergebnis::WortFertig : Feldergebnis::Richtig;
    } else {
        m_ergebnis = Feldergebnis::Falsch;
    }
}

Wertung Kartenspiel::werteAus() {
    Wertung w;
    if (m_phase != Phase::Offen)
        return w;
    m_risikoAn = false;
    m_risikoKnopf = false;
    const int s = m_einsatz;
    w.ergebnis = m_ergebnis;
    switch (m_ergebnis) {
    case Feldergebnis::Leer:
    case Feldergebnis::Falsch:
        w.klang = s != 0                             ? QStringLiteral("AllgemeinerFehler")
                  : m_ergebnis == Feldergebnis::Leer ? QStringLiteral("Annahme1")
                                                     : QStringLiteral("Annahme2");
        w.punkte = s != 0 ? -s : -3;
        break;
    case Feldergebnis::Richtig:
        w.klang = QStringLiteral("BewegungStart");
        w.punkte = (m_vorherAufgedeckt ? 50 : 20) + s;
        w.gefundenDazu = m_wort.mid(m_naechster - 2, 1);
        break;
    case Feldergebnis::Joker: {
        // der Einsatz ist weder gewonnen noch verloren
        w.klang = QStringLiteral("Glückstreffer");
        Karte& k = m_karten[size_t(m_aktFeld)];
        k.jokerBild = m_wuerfel(1, jokerBilder);
        k.gefunden = true;
        w.punkte = 100;
        break;
    }
    case Feldergebnis::WortFertig:
        // der letzte Buchstabe bringt keine Buchstabenpunkte
        w.klang = QStringLiteral("Gratulation1");
        w.punkte = 20 + s;
        w.gefundenDazu = m_wort.mid(m_naechster - 2, 1);
        break;
    }
    // abgezogen wird nie unter 0
    if (w.punkte < 0)
        m_runde.ziehePunkteAb(-w.punkte);
    else
        m_runde.gibPunkte(w.punkte);
    m_phase = Phase::Warten;
    return w;
}

Fortgang Kartenspiel::beendeWartezeit() {
    Fortgang f;
    if (m_phase != Phase::Warten)
        return f;
    Karte& k = m_karten[size_t(m_aktFeld)];
    switch (m_ergebnis) {
    case Feldergebnis::Leer:
    case Feldergebnis::Falsch:
        k.offen = false;
        f.spielerwechsel = true;
        break;
    case Feldergebnis::WortFertig:
        f.neuesWort = true;
        break;
    default:
        break;
    }
    return f;
}

bool Kartenspiel::schliesseWertungAb() {
    if (m_phase == Phase::Bereit)
        return false;
    const bool achtung = pruefeAchtung();
    if (achtung) {
        m_risikoAn = true;
        m_risikoKnopf = true;
    }
    m_einsatz = 0;
    m_phase = Phase::Bereit;
    return achtung;
}

bool Kartenspiel::pruefeAchtung() {
    if (m_wuerfel(1, 100) <= 75)
        return false;
    return sucheBekanntesFeld() >= 0;
}

int Kartenspiel::nimmRisiko() {
    if (!risikoKnopfAn())
        return 0;
    m_einsatz = m_wuerfel(50, 300);
    m_risikoKnopf = false;
    return m_einsatz;
}

// --- die Markierung ---

bool Kartenspiel::bewegeMarke(Richtung r) {
    int& wert = r == Richtung::Links || r == Richtung::Rechts ? m_markeSpalte : m_markeZeile;
    const int ziel = wert + (r == Richtung::Rechts || r == Richtung::Runter ? 1 : -1);
    if (ziel < 0 || ziel >= feldSeite)
        return false;
    wert = ziel;
    return true;
}

// --- der Computer ---

int Kartenspiel::sucheBekanntesFeld() const {
    const QString g = gesucht();
    if (g.isEmpty())
        return -1;
    for (int i = 0; i < feldKarten; ++i) {
        const Karte& k = m_karten[size_t(i)];
        if (k.aufgedeckt && !k.gefunden && k.inhalt == g)
            return i;
    }
    return -1;
}

int Kartenspiel::sucheUnbekanntesFeld() const {
    for (int i = 0; i < feldKarten; ++i)
        if (!m_karten[size_t(i)].aufgedeckt && !m_karten[size_t(i)].gefunden)
            return i;
    return -1;
}

int Kartenspiel::sucheZufallsFeld() {
    const int start = m_wuerfel(0, feldKarten - 1);
    for (int i = start; i < feldKarten; ++i)
        if (!m_karten[size_t(i)].gefunden)
            return i;
    for (int i = start - 1; i >= 0; --i)
        if (!m_karten[size_t(i)].gefunden)
            return i;
    return -1;
}

Computerzug Kartenspiel::simuliereComputerZug(int staerke) {
    int a = sucheBekanntesFeld();
    int b = sucheUnbekanntesFeld();
    const int c = sucheZufallsFeld();
    if (b < 0)
        b = c;
    if (a < 0)
        a = b;
    // der Starke hat das vollkommene Gedächtnis, der Schwache greift oft daneben
    int feld = a;
    if (staerke != staerkeStark && m_wuerfel(0, 100) <= 50)
        feld = c;
    Computerzug z;
    z.feld = feld;
    if (feld < 0)
        return z;
    const Karte& k = m_karten[size_t(feld)];
    z.fehl = !(k.istJoker() || k.inhalt == gesucht());
    deckeFeldAuf(feld);
    return z;
}

} // namespace varku::kartomin
