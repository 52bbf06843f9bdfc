#include "games/wheel/Radspiel.h"

#include "foundation/Spielzeit.h"
#include "foundation/Texte.h"

namespace varku::zirkomat {

namespace {
const QString tasten = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜß");
constexpr Farbe weiss{255, 255, 255}, blau{0, 0, 255};
} // namespace

const std::array<Farbe, 10> KastenGrund = {
    Farbe{242, 185, 46},  Farbe{228, 105, 55}, Farbe{221, 54, 90},   Farbe{132, 37, 102},
    Farbe{48, 44, 113},   Farbe{46, 105, 167}, Farbe{113, 194, 192}, Farbe{142, 203, 158},
    Farbe{189, 216, 140}, Farbe{242, 238, 106}};
const std::array<Farbe, 10> KastenBuchstabe = {
    Farbe{44, 153, 57},   Farbe{245, 198, 0},   Farbe{242, 237, 82}, Farbe{154, 198, 232},
    Farbe{255, 255, 255}, Farbe{244, 198, 101}, Farbe{132, 37, 102}, Farbe{19, 21, 22},
    Farbe{50, 73, 143},   Farbe{222, 67, 46}};

int sucheFarbIndex(const Farbe& grund) {
    for (size_t i = 0; i < KastenGrund.size(); ++i)
        if (KastenGrund[i] == grund)
            return int(i);
    return 0;
}

int tasteFuer(QChar c) {
    return int(tasten.indexOf(grossbuchstabe(c)));
}

QChar buchstabeDerTaste(int taste) {
    return taste >= 0 && taste < anzahlTasten ? tasten.at(taste) : QChar();
}

bool istSpielbar(const QString& wort) {
    if (wort.isEmpty() || wort.size() > maxBuchstaben)
        return false;
    for (QChar c : wort)
        if (tasteFuer(c) < 0)
            return false;
    return true;
}

Radspiel::Knoepfe Radspiel::knoepfe(bool computerAmZug) const {
    Knoepfe k;
    const bool mensch = !computerAmZug;
    switch (m_phase) {
    case Phase::Drehen:
        k.drehen = mensch;
        break;
    case Phase::Dreht:
        k.anhalten = mensch;
        break;
    case Phase::Einsatz:
        k.buchstaben = k.wortRaten = mensch;
        k.kaufenLampe = kaufenMoeglich();
        k.kaufen = k.satz = mensch && k.kaufenLampe;
        break;
    case Phase::WortRaten:
        k.buchstaben = mensch;
        k.wortRatenLampe = true;
        break;
    case Phase::Pause:
        break;
    }
    return k;
}

void Radspiel::RadDrehen(long jetzt) {
    m_phase = Phase::Dreht;
    m_radStartZeit = jetzt;
}

bool Radspiel::radSchritt(long jetzt) {
    m_radPos = (m_radPos + 1) % int(RadWerte.size());
    return sekundenZwischen(m_radStartZeit, jetzt) > 10;
}

Radspiel::Stopp Radspiel::RadStoppen() {
    Stopp s;
    s.wert = einsatz();
    switch (s.wert) {
    case -1:
        m_runde.setzePunkte(0);
        s.klang = QStringLiteral("AllgemeinerFehler");
        s.ratezeitNeu = true;
        m_phase = Phase::Drehen;
        break;
    case 0:
        s.klang = QStringLiteral("BewegungEnde");
        s.ratezeitNeu = true;
        s.naechsterSpieler = true;
        m_phase = Phase::Drehen;
        break;
    case 300:
        m_runde.gibPunkte(100);
        s.klang = QStringLiteral("Glückstreffer");
        s.ratezeitNeu = true;
        m_phase = Phase::Drehen;
        break;
    default:
        s.einsatz = true;
        s.klang = QStringLiteral("BewegungStop");
        m_phase = Phase::Einsatz;
        break;
    }
    return s;
}

void Radspiel::neuesWort(const QString& wort, int ersteFarbe) {
    m_wort = wort;
    m_naechsterBst = 0;
    m_wortRatenStart = 0;
    m_fehlversuche = 0;
    m_sicht.fill(Sicht::Verdeckt);
    faerbeNeu(ersteFarbe);
    m_phase = Phase::Drehen;
}

int Radspiel::naechsteTaste() const {
    return wortFertig() ? -1 : tasteFuer(m_wort.at(m_naechsterBst));
}

bool Radspiel::kaufenMoeglich() const {
    return m_phase == Phase::Einsatz && m_runde.punkte() >= einsatz();
}

void Radspiel::verliere(long p, Zug& z) {
    const long vorher = m_runde.punkte();
    m_runde.ziehePunkteAb(p);
    z.punkte -= vorher - m_runde.punkte();
}

Radspiel::Zug Radspiel::pruefeBstWahl(int taste) {
    Zug z;
    if ((m_phase != Phase::Einsatz && m_phase != Phase::WortRaten) || taste < 0 ||
        taste >= anzahlTasten || wortFertig())
        return z;
    z.angenommen = true;
    const long wert = einsatz();
    z.richtig = taste == naechsteTaste();
    if (z.richtig) {
        z.aufgedeckt = m_naechsterBst;
        if (m_naechsterBst < maxBuchstaben)
            m_sicht[size_t(m_naechsterBst)] = Sicht::Aufgedeckt;
        ++m_naechsterBst;
        m_runde.gibPunkte(wert);
        z.punkte = wert;
        m_fehlversuche = 0;
        if (wortFertig()) {
            z.wortFertig = true;
            z.klang = QStringLiteral("Gratulation1");
            z.weiter = true;
            m_phase = Phase::Pause;
        } else if (m_phase == Phase::WortRaten) {
            z.klang = QStringLiteral("Annahme1");
            z.nochmal = true;
        } else {
            z.klang = QStringLiteral("Annahme1");
            z.weiter = true;
            m_phase = Phase::Drehen;
        }
        return z;
    }
    if (m_phase == Phase::WortRaten) {
        z.wortRatenFehler = true;
        z.klang = QStringLiteral("SchwererFehler");
        verliere(long(m_wort.size() - m_wortRatenStart) * wert, z);
        m_wortRatenStart = 0;
        m_phase = Phase::Drehen;
        return z;
    }
    ++m_fehlversuche;
    // erreicht heißt: mindestens so viele; mit 0 zeigt schon der erste Fehlgriff das Wort
    if (m_fehlversuche >= m_einst.FehlversucheMaximum) {
        z.klang = QStringLiteral("AllgemeinerFehler");
        z.restWortZeigen = true;
        m_fehlversuche = 0;
        m_phase = Phase::Pause;
    } else {
        z.klang = QStringLiteral("LeichterFehler");
        // genaue Division: bei 5 ab dem dritten Fehlgriff
        z.hilfe = double(m_fehlversuche) > double(m_einst.FehlversucheMaximum) / 2;
        m_phase = Phase::Drehen;
    }
    verliere(wert, z);
    return z;
}

void Radspiel::deckeRestAuf() {
    for (int i = m_naechsterBst; i < m_wort.size() && i < maxBuchstaben; ++i)
        m_sicht[size_t(i)] = Sicht::Aufgedeckt;
}

Radspiel::Zug Radspiel::kaufeBuchstaben() {
    Zug z;
    if (!kaufenMoeglich() || wortFertig())
        return z;
    z.angenommen = true;
    z.klang = QStringLiteral("Annahme2");
    verliere(einsatz(), z);
    z.aufgedeckt = m_naechsterBst;
    if (m_naechsterBst < maxBuchstaben)
        m_sicht[size_t(m_naechsterBst)] = Sicht::Gekauft;
    ++m_naechsterBst;
    // fertig gekauft: gleich das nächste Wort, ohne Punkte und ohne Glückwunsch
    z.wortFertig = wortFertig();
    m_phase = Phase::Drehen;
    return z;
}

long Radspiel::kaufeSatz() {
    if (!kaufenMoeglich())
        return 0;
    Zug z;
    verliere(einsatz(), z);
    m_phase = Phase::Drehen;
    return z.punkte;
}

void Radspiel::wortRaten() {
    if (m_phase != Phase::Einsatz)
        return;
    m_wortRatenStart = m_naechsterBst;
    m_phase = Phase::WortRaten;
}

void Radspiel::zugBeenden() {
    m_wortRatenStart = 0;
    m_phase = Phase::Drehen;
}

Radspiel::Kasten Radspiel::kasten(int i) const {
    Kasten k;
    if (i < 0 || i >= maxBuchstaben)
        return k;
    const Sicht s = m_sicht[size_t(i)];
    k.aufgedeckt = s != Sicht::Verdeckt;
    k.rahmen = m_einst.BuchstabenRahmen != 0;
    if (m_einst.LoesWortFarbig) {
        k.grund = KastenGrund[size_t(m_farbIndex[size_t(i)])];
        k.schrift = k.aufgedeckt ? KastenBuchstabe[size_t(sucheFarbIndex(k.grund))] : k.grund;
    } else {
        k.grund = weiss;
        // gekauft bekommt der Buchstabe die Farbe zum Grund, den es in Weiß nicht gibt: die
        // erste der Tafel; erst ein neues Färben macht ihn blau wie die anderen
        k.schrift = s == Sicht::Verdeckt  ? weiss
                    : s == Sicht::Gekauft ? KastenBuchstabe[size_t(sucheFarbIndex(k.grund))]
                                          : blau;
    }
    return k;
}

void Radspiel::faerbeNeu(int ersteFarbe) {
    int f = ersteFarbe;
    for (int i = 0; i < maxBuchstaben; ++i) {
        f = (f + 1) % 10;
        m_farbIndex[size_t(i)] = f;
        if (m_sicht[size_t(i)] == Sicht::Gekauft)
            m_sicht[size_t(i)] = Sicht::Aufgedeckt;
    }
}

QString Radspiel::hilfeText(const QString& name, int r) const {
    QString text = QStringLiteral("Ich glaube, ich muss dir helfen, ") + holeVorname(name) +
                   QStringLiteral(".\r");
    if (m_wort.isEmpty())
        return text;
    if (r < 51) {
        if (m_naechsterBst == 0)
            text += QStringLiteral("Das gesuchte Wort beginnt mit einem <") + m_wort.at(0) +
                    QStringLiteral(">.");
        else
            text += QStringLiteral("Als nächster Buchstabe kommt ein <") +
                    m_wort.at(std::min<qsizetype>(m_naechsterBst, m_wort.size() - 1)) +
                    QStringLiteral(">.");
    } else {
        text += QStringLiteral("Das gesuchte Wort heißt: <") + m_wort + QStringLiteral(">.");
    }
    return text;
}

Radspiel::Computerwahl Radspiel::computerWahl(int staerke, int r) {
    Computerwahl w;
    const int richtig = naechsteTaste();
    switch (staerke) {
    case 0:
        w.wortRaten = true;
        w.taste = richtig;
        w.klangVorher = QStringLiteral("TROPFEN");
        return w;
    case 1:
        w.taste = richtig;
        return w;
    default:
        break;
    }
    // der schwache greift daneben, aber nie mehr als dreimal in Folge
    if (m_fehlZaehler > 2)
        r = 0;
    if (r >= 50) {
        ++m_fehlZaehler;
        w.fehlgriff = true;
        w.klangVorher = QStringLiteral("TUTUT");
        // ein Buchstabe, der sicher nicht der nächste ist ("ß" wäre es manchmal)
        w.taste = richtig == anzahlTasten - 1 ? anzahlTasten - 2 : anzahlTasten - 1;
        return w;
    }
    m_fehlZaehler = 0;
    w.taste = richtig;
    return w;
}

Radspiel::Computerschritt Radspiel::computerNachStopp() const {
    switch (einsatz()) {
    case -1:
    case 300:
        return Computerschritt::NochmalDrehen;
    case 0:
        return Computerschritt::Fertig;
    default:
        // die Reihe ging schon weiter (die Ratezeit), oder es gibt nichts zu raten
        return m_phase == Phase::Einsatz && !wortFertig() ? Computerschritt::Buchstabe
                                                          : Computerschritt::Fertig;
    }
}

} // namespace varku::zirkomat
