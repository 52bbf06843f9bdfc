#include "games/wheel/Radspiel.h"

#include "foundation/Spielzeit.h"
#include "foundation/Texte.h"

namespace varku::zirkomat {

namespace {
const QString tasten = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜß");
} // namespace

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

void Radspiel::RadDrehen(long jetzt) {
    phase = Phase::Dreht;
    RadStartZeit = jetzt;
}

bool Radspiel::radSchritt(long jetzt) {
    radPos = (radPos + 1) % int(RadWerte.size());
    return sekundenZwischen(RadStartZeit, jetzt) > 10;
}

Radspiel::Stopp Radspiel::RadStoppen() {
    Stopp s;
    s.wert = einsatz();
    switch (s.wert) {
    case -1:
        m_runde.setzePunkte(0);
        s.klang = QStringLiteral("AllgemeinerFehler");
        s.ratezeitNeu = true;
        phase = Phase::Drehen;
        break;
    case 0:
        s.klang = QStringLiteral("BewegungEnde");
        s.ratezeitNeu = true;
        s.naechsterSpieler = true;
        phase = Phase::Drehen;
        break;
    case 300:
        m_runde.gibPunkte(100);
        s.klang = QStringLiteral("Glückstreffer");
        s.ratezeitNeu = true;
        phase = Phase::Drehen;
        break;
    default:
        s.einsatz = true;
        s.klang = QStringLiteral("BewegungStop");
        phase = Phase::Einsatz;
        break;
    }
    s.kaufen = s.einsatz && kaufenMoeglich();
    return s;
}

void Radspiel::neuesWort(const QString& wort) {
    Wort = wort;
    naechsterBst = 0;
    WortRatenModus = false;
    WortRatenStart = 0;
}

int Radspiel::naechsteTaste() const {
    return wortFertig() ? -1 : tasteFuer(Wort.at(naechsterBst));
}

bool Radspiel::kaufenMoeglich() const {
    return phase == Phase::Einsatz && m_runde.punkte() >= einsatz();
}

void Radspiel::verliere(long p, Zug& z) {
    const long vorher = m_runde.punkte();
    m_runde.ziehePunkteAb(p);
    z.punkte -= vorher - m_runde.punkte();
}

Radspiel::Zug Radspiel::pruefeBstWahl(int taste) {
    Zug z;
    if ((phase != Phase::Einsatz && phase != Phase::WortRaten) || taste < 0 ||
        taste >= anzahlTasten || wortFertig())
        return z;
    z.angenommen = true;
    const long wert = einsatz();
    z.richtig = taste == naechsteTaste();
    if (z.richtig) {
        z.aufgedeckt = naechsterBst++;
        if (wortFertig()) {
            z.wortFertig = true;
            z.klang = QStringLiteral("Gratulation1");
            WortRatenModus = false;
        } else {
            z.klang = QStringLiteral("Annahme1");
        }
        m_runde.gibPunkte(wert);
        z.punkte = wert;
        Fehlversuche = 0;
        if (WortRatenModus) {
            z.nochmal = true;
        } else {
            z.weiter = true;
            phase = Phase::Drehen;
        }
        return z;
    }
    if (WortRatenModus) {
        z.wortRatenFehler = true;
        z.klang = QStringLiteral("SchwererFehler");
        WortRatenModus = false;
        verliere(long(Wort.size() - WortRatenStart) * wert, z);
        WortRatenStart = 0;
        phase = Phase::Drehen;
        return z;
    }
    ++Fehlversuche;
    // erreicht heißt: mindestens so viele; mit 0 zeigt schon der erste Fehlgriff das Wort
    if (Fehlversuche >= FehlversucheMaximum) {
        z.klang = QStringLiteral("AllgemeinerFehler");
        z.restWortZeigen = true;
        Fehlversuche = 0;
    } else {
        z.klang = QStringLiteral("LeichterFehler");
        // genaue Division: bei 5 ab dem dritten Fehlgriff
        z.hilfe = double(Fehlversuche) > double(FehlversucheMaximum) / 2;
    }
    verliere(wert, z);
    phase = Phase::Drehen;
    return z;
}

Radspiel::Zug Radspiel::kaufeBuchstaben() {
    Zug z;
    if (!kaufenMoeglich() || wortFertig())
        return z;
    z.angenommen = true;
    z.klang = QStringLiteral("Annahme2");
    verliere(einsatz(), z);
    z.aufgedeckt = naechsterBst++;
    // fertig gekauft: gleich das nächste Wort, ohne Punkte und ohne Glückwunsch
    z.wortFertig = wortFertig();
    phase = Phase::Drehen;
    return z;
}

long Radspiel::kaufeSatz() {
    if (!kaufenMoeglich())
        return 0;
    Zug z;
    verliere(einsatz(), z);
    phase = Phase::Drehen;
    return z.punkte;
}

void Radspiel::wortRaten() {
    if (phase != Phase::Einsatz)
        return;
    WortRatenModus = true;
    WortRatenStart = naechsterBst;
    phase = Phase::WortRaten;
}

void Radspiel::zugBeenden() {
    WortRatenModus = false;
    WortRatenStart = 0;
    phase = Phase::Drehen;
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
    if (FehlZaehler > 2)
        r = 0;
    if (r >= 50) {
        ++FehlZaehler;
        w.fehlgriff = true;
        w.klangVorher = QStringLiteral("TUTUT");
        // ein Buchstabe, der sicher nicht der nächste ist ("ß" wäre es manchmal)
        w.taste = richtig == anzahlTasten - 1 ? anzahlTasten - 2 : anzahlTasten - 1;
        return w;
    }
    FehlZaehler = 0;
    w.taste = richtig;
    return w;
}

} // namespace varku::zirkomat
