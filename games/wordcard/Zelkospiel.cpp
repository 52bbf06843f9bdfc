#include "games/wordcard/Zelkospiel.h"

#include "foundation/Texte.h"
#include "gamekit/Spielrunde.h"

namespace varku::zelko {

namespace {

const QString spalten = QStringLiteral("ZELKO");

bool reiheVoll(const std::function<bool(int)>& markiert, int erstes, int schritt) {
    for (int i = 0; i < 5; ++i)
        if (!markiert(erstes + i * schritt))
            return false;
    return true;
}

int naechstesFeldNach(int feld) {
    return feld >= kartenFelder ? 1 : feld + 1;
}

} // namespace

QString feldKennung(int feld) {
    if (feld < 1 || feld > kartenFelder)
        return {};
    const int spalte = feld % 5 == 0 ? 5 : feld % 5;
    return spalten.at(spalte - 1) + QString::number((feld - 1) / 5 + 1);
}

bool Zelkokarten::markiert(int spieler, int feld) const {
    if (spieler < 0 || spieler >= kartenSpieler || feld < 1 || feld > kartenFelder)
        return false;
    return m_marke[size_t(spieler)][size_t(feld)];
}

void Zelkokarten::markiere(int spieler, int feld) {
    if (spieler >= 0 && spieler < kartenSpieler && feld >= 1 && feld <= kartenFelder)
        m_marke[size_t(spieler)][size_t(feld)] = true;
}

bool Zelkokarten::pruefeZelkoReihe(int spieler) const {
    const auto m = [this, spieler](int feld) { return markiert(spieler, feld); };
    for (int reihe = 0; reihe < 5; ++reihe)
        if (reiheVoll(m, reihe * 5 + 1, 1))
            return true;
    for (int spalte = 1; spalte <= 5; ++spalte)
        if (reiheVoll(m, spalte, 5))
            return true;
    return reiheVoll(m, 1, 6) || reiheVoll(m, 5, 4);
}

void Zelkokarten::loescheKarten() {
    m_marke = {};
}

bool Zelkokarten::vonJemandem(int nSpieler, int feld) const {
    for (int p = 0; p < nSpieler && p < kartenSpieler; ++p)
        if (markiert(p, feld))
            return true;
    return false;
}

int Zelkokarten::sucheZufallsFeld(int nSpieler, int aktSpieler, const Wuerfel& zufall) const {
    int r = zufall(1, kartenFelder);
    for (int i = 0, f = r; i < kartenFelder; ++i, f = naechstesFeldNach(f))
        if (!vonJemandem(nSpieler, f))
            return f;
    // jedes Feld hat schon jemand: eines, das dem aktuellen fehlt
    r = zufall(1, kartenFelder);
    for (int i = 0, f = r; i < kartenFelder; ++i, f = naechstesFeldNach(f))
        if (!markiert(aktSpieler, f))
            return f;
    return r;
}

Zelkospiel::Zelkospiel(Spielrunde& runde, Wuerfel zufall)
    : m_runde(runde), m_zufall(std::move(zufall)) {}

const Luecke& Zelkospiel::luecke() const {
    static const Luecke keine;
    return m_woerter ? m_woerter->aktLuecke() : keine;
}

QString Zelkospiel::LoesTipp() const {
    return m_woerter ? m_woerter->kategorie().LoesTipp : QString();
}

const QStringList& Zelkospiel::auswahl() const {
    static const QStringList keine;
    return m_woerter ? m_woerter->auswahl() : keine;
}

bool Zelkospiel::naechsteLuecke() {
    m_tippPuffer.clear();
    return m_woerter && !m_woerter->naechsteLuecke().isEmpty();
}

void Zelkospiel::naechstesFeld() {
    aktFeld = karten.sucheZufallsFeld(m_runde.nSpieler, m_runde.aktSpieler, m_zufall);
}

bool Zelkospiel::pruefeWahl(int n) const {
    return n >= 0 && n < auswahl().size() && auswahl()[n] == luecke().richtigeLuecke();
}

int Zelkospiel::richtigerListenIndex() const {
    for (int i = 0; i < auswahl().size(); ++i)
        if (pruefeWahl(i))
            return i;
    return int(auswahl().size());
}

Antwort Zelkospiel::checkBstWahl(int n) {
    Antwort a;
    if (n < 0 || n >= auswahl().size())
        return a;
    m_lampen = Lampen::Aus;
    const QString vorname = holeVorname(m_runde.name());
    const bool computer = m_runde.computerAmZug();
    a.einsatz = einsatz(luecke().KomplexInd, int(auswahl().size()));
    a.richtig = pruefeWahl(n);
    const int spieler = m_runde.aktSpieler;
    if (!a.richtig) {
        a.protokoll = luecke().gefuellt(auswahl()[n]);
        m_runde.ziehePunkteAb(a.einsatz);
        a.klang = QStringLiteral("LeichterFehler");
        m_lampen = Lampen::Fehler;
        // die falschen Antworten des Computers zeigen nichts
        if (!computer) {
            a.meldung = vorname + QStringLiteral(", das stimmt leider nicht!\r"
                                                 "Sieh dir doch mal den Lösungs-\rtipp an.");
            a.titel = QStringLiteral("Fehler");
        }
    } else {
        a.protokoll = QStringLiteral("OK");
        karten.markiere(spieler, aktFeld);
        m_runde.gibPunkte(a.einsatz);
        a.zelko = karten.pruefeZelkoReihe(spieler);
        a.klang = QStringLiteral("Annahme1");
    }
    if (a.zelko) {
        m_runde.gibPunkte(100);
        ++ZelkoAnzahl[size_t(spieler)];
        a.klang = QStringLiteral("Gratulation1");
        m_lampen = Lampen::Zelko;
        // auch für den Computer
        a.meldung = QStringLiteral("Glückwunsch, ") + vorname +
                    QStringLiteral("!\rDu hast ein Zelko erzielt.");
        a.titel = QStringLiteral("Glückwunsch");
    }
    // jede Antwort eines Menschen steht sofort in seinem Protokoll
    if (!computer && m_prt.offen())
        m_prt.schreibe(luecke().RefNr, a.richtig, a.protokoll);
    return a;
}

bool Zelkospiel::nachDerAntwort(const Antwort& a) {
    if (a.zelko)
        karten.loescheKarten();
    if (!a.richtig)
        return false;
    naechsteLuecke();
    return true;
}

bool Zelkospiel::beginneZug() {
    if (!m_woerter)
        return false;
    naechstesFeld();
    // der Nächste bekommt dasselbe Lückenwort, aber nichts gewählt
    m_tippPuffer.clear();
    // die Lampe eines Fehlers oder Zelkos geht aus, die grüne an
    m_lampen = Lampen::Laden;
    // der Computer hat keinen Protokollstamm: das Protokoll des Menschen vor ihm bleibt offen
    const int s = m_runde.aktSpieler;
    if (!m_protokollOrdner.isEmpty() && s >= 0 && s < spielerPlaetze &&
        !m_runde.SpielerDatei[size_t(s)].isEmpty())
        m_prt.oeffne(protokollPfad(m_protokollOrdner, m_runde.SpielerDatei[size_t(s)]));
    return true;
}

Zelkospiel::Tipp Zelkospiel::tippe(QChar c) {
    if (!c.isLetter())
        return Tipp::NichtDruckbar;
    m_tippPuffer += c;
    return Tipp::Angenommen;
}

void Zelkospiel::loescheLetztesZeichen() {
    m_tippPuffer.chop(1);
}

int Zelkospiel::tippAuswahl() const {
    return m_tippPuffer.isEmpty() ? -1 : int(auswahl().indexOf(m_tippPuffer));
}

Zelkospiel::Computerschritt Zelkospiel::computerSchritt(int staerke) {
    const int wahl = computerWahl(staerke);
    return {wahl, !pruefeWahl(wahl)};
}

int Zelkospiel::computerWahl(int staerke) {
    const int richtig = richtigerListenIndex();
    if (staerke == 0 || m_zufall(0, 100) >= 51 || m_falschIndex == richtig) {
        m_falschIndex = 0;
        return richtig;
    }
    return m_falschIndex++;
}

void Zelkospiel::neuesSpiel() {
    karten.loescheKarten();
    ZelkoAnzahl = {};
    naechsteLuecke();
}

} // namespace varku::zelko
