#include "games/fallingletters/Fallzug.h"

#include "foundation/Sound.h"
#include "foundation/Texte.h"
#include "gamekit/Spielablauf.h"

namespace varku::dolmix {

Fallzug::Fallzug(Spielablauf& ablauf, const Einstellungen& einst, Wuerfel wuerfel, Fallsicht& sicht)
    : m_ablauf(ablauf), m_einst(einst), m_sicht(sicht),
      m_spiel(ablauf.runde, einst, std::move(wuerfel)), m_steinTimer(ablauf.neuerTimer()) {
    m_steinTimer->beiTick = [this] { SteinTimer_Timer(); };
}

Fallzug::~Fallzug() = default;

void Fallzug::lade() {
    einstellungenUebernehmen();
    naechstesWort();
    zeigeLauf();
}

void Fallzug::einstellungenUebernehmen() {
    m_steinTimer->setzeIntervall(fallSchrittMs(m_einst.FallGeschwindigkeit));
    const Zugdauer d = zugdauer(m_einst.SpielerWechselNachZeit);
    m_ablauf.ratezeit.setzeDauer(d.schritt, d.sekunden);
}

bool Fallzug::menueGesperrt(Menue m) const {
    return m == Menue::Einstellungen && m_spiel.laeuft();
}

bool Fallzug::naechstesWort() {
    const Startparameter& p = m_ablauf.start.parameter;
    Spielwoerter& woerter = m_ablauf.woerter;
    // ein Wort, das in eine freie Folge des Feldes passt; gibt es keines, jedes
    if (woerter.setzeWortFilter(p.RuvoFeldName, p.GwsFlag, m_spiel.maxFreieLaenge()) <= 0)
        woerter.setzeWortFilter(p.RuvoFeldName, p.GwsFlag, hoechstensBuchstaben);
    Spielwoerter::Wahl wahl;
    wahl.fehlerSchwelle = 70;
    wahl.benutztLeeren = true;
    wahl.mitParaphrase = false;
    wahl.lupeFuerUebNr = m_ablauf.start.UebNr;
    if (!woerter.naechstesSpielWort(wahl)) {
        m_ablauf.ohneWoerterEnde();
        return false;
    }
    m_spiel.neuesWort(woerter.Wort);
    m_spiel.neuerStein();
    m_sicht.zeigeWort();
    return true;
}

// --- Start und Pause ---

void Fallzug::starte() {
    if (m_ablauf.beendet() || m_spiel.laeuft())
        return;
    m_spiel.starte();
    zeigeLauf();
}

void Fallzug::pausiere() {
    if (!m_spiel.laeuft())
        return;
    m_spiel.pausiere();
    zeigeLauf();
}

void Fallzug::zeigeLauf() {
    m_steinTimer->setzeAktiv(m_spiel.laeuft());
    m_sicht.zeigeLauf(m_spiel.laeuft());
    m_ablauf.menuesGeaendert();
}

// --- der Fall ---

void Fallzug::SteinTimer_Timer() {
    const Ereignis e = m_spiel.fallSchritt();
    m_sicht.zeige(e);
    if (e.blockiert) {
        rundenEnde();
        return;
    }
    if (!e.wortFertig)
        return;
    if (!e.wortRichtig)
        fehlerSpielerwechsel();
    if (!m_ablauf.beendet())
        naechstesWort();
}

void Fallzug::rundenEnde() {
    zeigeLauf();
    m_sicht.zeigeLeeresFeld();
    m_ablauf.meldung(QStringLiteral("Dolmix ist beim Einfügen eines neuen\r"
                                    "Steins auf einen Widerstand gestoßen.\r"
                                    "Alle Steine werden deshalb jetzt vom\r"
                                    "Spielfeld entfernt. Klicke auf OK, um\r"
                                    "eine neue Spielrunde zu beginnen."),
                     QStringLiteral("Ende der Spielrunde"));
    if (m_ablauf.beendet())
        return;
    m_spiel.loescheSpielfeld();
    m_ablauf.woerter.BenutztListe.clear();
    m_sicht.zeigeLeeresFeld();
    naechstesWort();
}

// --- die Spieler ---

void Fallzug::meldeSpielerwechsel() {
    const Spielrunde& r = m_ablauf.runde;
    m_ablauf.meldung(holeVorname(r.name()) + QStringLiteral(", du darfst dich ein wenig\r") +
                         QStringLiteral("ausruhen. Jetzt ist erst mal ") +
                         holeVorname(r.SpielerName[size_t(r.naechsterPlatz())]) +
                         QStringLiteral("\ran der Reihe."),
                     QStringLiteral("Spielerwechsel"));
}

void Fallzug::fehlerSpielerwechsel() {
    // wer allein spielt, behält den Zug ohne Meldung
    if (m_einst.SpielerWechselBeiFehler == 0 || m_ablauf.runde.nSpieler < 2)
        return;
    spieleSound(QStringLiteral("AllgemeinerFehler"));
    meldeSpielerwechsel();
    if (!m_ablauf.beendet())
        m_ablauf.naechsterSpieler();
}

void Fallzug::ratezeitAbgelaufen() {
    if (m_ablauf.runde.nSpieler < 2)
        return;
    spieleSound(QStringLiteral("ProgrammMeldung"));
    meldeSpielerwechsel();
}

void Fallzug::neuesSpiel() {
    m_spiel.neuesSpiel();
    m_ablauf.woerter.BenutztListe.clear();
    m_sicht.zeigeLeeresFeld();
    zeigeLauf();
    naechstesWort();
}

} // namespace varku::dolmix
