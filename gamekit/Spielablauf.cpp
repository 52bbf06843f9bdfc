#include "gamekit/Spielablauf.h"

#include "foundation/Global.h"
#include "foundation/Routinen.h"
#include "foundation/Sound.h"
#include "foundation/Texte.h"
#include "gamekit/Meisterliste.h"
#include "platform/Laufzeitfehler.h"

#include <algorithm>
#include <cstdint>

namespace varku {

namespace {
// die Regeln eines Spiels ohne eigene
Spielregeln ohneRegeln;
} // namespace

void Spielhaken::ratezeitAbgelaufen(Spielablauf& ablauf) {
    ablauf.zeigeRatezeitMeldung();
}

// Alle Zeitgeber des Spiels an einer Stelle: ob gerade gehalten wird, ob das Spiel vorbei ist.
// Die Zeitgeber halten es nur schwach, denn manche leben in Fenstern, die länger bestehen.
class Spielablauf::Register {
public:
    int halt = 0;      // alle stehen
    int haltUhren = 0; // nur Ratezeit und Spielzeit stehen (der Computer zieht)
    bool aus = false;  // das Spiel ist vorbei: keiner läuft mehr
    std::vector<GehaltenerTimer*> timer;
    void aktualisiere();
};

// Ein Zeitgeber, der läuft, wenn das Spiel es will und nichts ihn hält
class Spielablauf::GehaltenerTimer : public Timer {
public:
    GehaltenerTimer(std::shared_ptr<Register> r, bool uhr)
        : m_register(r), m_uhr(uhr), m_innen(dienste::uhr().neuerTimer()) {
        m_innen->beiTick = [this] {
            if (beiTick)
                beiTick();
        };
        r->timer.push_back(this);
    }
    ~GehaltenerTimer() override {
        if (const auto r = m_register.lock())
            r->timer.erase(std::remove(r->timer.begin(), r->timer.end(), this), r->timer.end());
    }
    void setzeIntervall(int ms) override { m_innen->setzeIntervall(ms); }
    int intervall() const override { return m_innen->intervall(); }
    // wie ein Zeitgeber des Systems: ein neues Einschalten beginnt den Takt neu
    void setzeAktiv(bool ein) override {
        m_gewollt = ein;
        m_innen->setzeAktiv(ein && !gehalten());
    }
    bool aktiv() const override { return m_gewollt; }

    // nach einem Halten oder Weiterlaufen: nur wer sich ändert, beginnt seinen Takt neu
    void aktualisiere() {
        const bool soll = m_gewollt && !gehalten();
        if (soll != m_innen->aktiv())
            m_innen->setzeAktiv(soll);
    }

private:
    bool gehalten() const {
        const auto r = m_register.lock();
        return !r || r->aus || r->halt > 0 || (m_uhr && r->haltUhren > 0);
    }

    std::weak_ptr<Register> m_register;
    bool m_uhr; // Ratezeit oder Spielzeit
    bool m_gewollt = false;
    std::unique_ptr<Timer> m_innen;
};

void Spielablauf::Register::aktualisiere() {
    for (GehaltenerTimer* t : timer)
        t->aktualisiere();
}

Spielablauf::Spielablauf(Spielkonfiguration k, Spielstartdaten s, Spielsicht& sicht,
                         Spielhaken& haken)
    : konfig(std::move(k)), start(std::move(s)), runde(start.parameter),
      ratezeit(konfig.ratezeitSchritt), spielzeit(start.energieSchritt), m_sicht(sicht),
      m_haken(haken), m_regeln(&ohneRegeln), m_register(std::make_shared<Register>()) {
    m_restZeit = std::make_unique<GehaltenerTimer>(m_register, true);
    m_restZeit->setzeIntervall(konfig.ratezeitTaktMs);
    m_restZeit->beiTick = [this] { RestZeitTimer_Timer(); };
    m_energ = std::make_unique<GehaltenerTimer>(m_register, true);
    m_energ->setzeIntervall(konfig.spielzeitTaktMs);
    m_energ->beiTick = [this] { EnergTimer_Timer(); };
    // der Zug des Computers beginnt nach dem Wechsel, nicht in ihm
    m_computerStart = std::make_unique<GehaltenerTimer>(m_register, false);
    m_computerStart->setzeIntervall(0);
    m_computerStart->beiTick = [this] { ComputerStart_Timer(); };
    setzeTonSchalter([this] { return einstellungen().TonEinschalten != 0; });
    // Jedes Fenster, das über dem Spiel modal aufgeht, hält die Uhren, bis es wieder zu ist
    m_beobachtung = std::make_unique<dienste::Beobachtung>([this](QWidget& w, bool offen) {
        if (m_ohneHalt.count(&w))
            return;
        if (&w == m_computerfenster) {
            if (konfig.uhrenBeimComputerHalten) {
                m_register->haltUhren += offen ? 1 : -1;
                m_register->aktualisiere();
            }
            return;
        }
        halteUhren(offen);
    });
}

Spielablauf::~Spielablauf() {
    m_beobachtung.reset();
    setzeTonSchalter({});
}

std::unique_ptr<Timer> Spielablauf::neuerTimer() {
    return std::make_unique<GehaltenerTimer>(m_register, false);
}

void Spielablauf::halteUhren(bool halt) {
    if (halt)
        ++m_register->halt;
    else if (m_register->halt > 0)
        --m_register->halt;
    m_register->aktualisiere();
}

bool Spielablauf::haelt() const {
    return m_register->halt > 0;
}

bool Spielablauf::lade() {
    m_einst.lies(imProgrammordner(QStringLiteral("Varku.ini")));
    // ein gespeicherter Haken setzt den Computer gleich an den Tisch, wenn ein Platz frei ist;
    // sonst steht GegenComputer danach auf 0
    setzeComputer(einstellungen().GegenComputer == 1);
    if (!konfig.startKlangBeimStart)
        spieleSound(QStringLiteral("ProgrammStart"));
    m_sicht.zeigeSchwerpunkt();
    m_sicht.zeigeSpieler();
    if (konfig.fehlerWoerterLesen) {
        woerter.FehlerListe.clear();
        woerter.leseFehlerWoerter(start.UserPfad, start.parameter.SpielerDatei);
    }
    woerter.oeffneWortDatenbank(imProgrammordner(QStringLiteral("Varku-D.sqlite")),
                                konfig.wortTabellen);
    woerter.setzeWortFilter(start.parameter.RuvoFeldName, start.parameter.GwsFlag,
                            konfig.maxWortLaenge);
    m_sicht.zeigeSitze();
    if (woerter.AnzahlWoerter() <= 0) {
        ohneWoerterEnde();
        return false;
    }
    woerter.BenutztListe.clear();
    m_haken.ladeSpiel();
    m_regeln->ladeSpiel();
    spielzeit.start(sekundenJetzt());
    m_energ->setzeAktiv(true);
    switchVuRestZeit(m_haken.ratezeitGewuenscht(einstellungen()));
    m_sicht.zeigeMenues();
    return true;
}

void Spielablauf::ohneWoerterEnde() {
    m_ohneWoerter = true;
    spieleSound(QStringLiteral("ProgrammMeldung"));
    meldung(QStringLiteral("Zu diesem Übungsschwerpunkt gibt es\r") +
                (start.parameter.GwsFlag ? QStringLiteral("im Grundwortschatz ") : QString()) +
                QStringLiteral("keine Wörter für ") + konfig.name + QStringLiteral(".\r") +
                duOderIhr(runde.menschen(), QStringLiteral("Wähle in VARKU einen anderen aus."),
                          QStringLiteral("Wählt in VARKU einen anderen aus.")),
            QStringLiteral("Keine Wörter"));
    // nichts läuft mehr, und das Ende schreibt nichts
    m_beendet = true;
    m_register->aus = true;
    m_register->aktualisiere();
    m_sicht.schliesseFenster();
}

void Spielablauf::switchVuRestZeit(bool ein) {
    m_ratezeitEin = ein;
    m_restZeit->setzeAktiv(ein);
    resetVuZeiger();
}

void Spielablauf::resetVuZeiger() {
    ratezeit.reset();
    m_sicht.zeigeRatezeit();
}

void Spielablauf::naechsterSpieler() {
    runde.naechsterSpieler();
    m_computerAmZug = runde.computerAmZug();
    m_sicht.zeigeSpieler();
    m_sicht.zeigeMenues();
    if (m_computerAmZug && konfig.ratezeitNeuFuerComputer)
        resetVuZeiger();
    nachDemWechsel();
    // der Computer zieht erst, wenn dieser Aufruf zurück ist: was seinen Zug beendet, ruft
    // naechsterSpieler nie in dem, der ihn begann
    m_computerStart->setzeAktiv(m_computerAmZug && !m_beendet);
}

void Spielablauf::ComputerStart_Timer() {
    m_computerStart->setzeAktiv(false);
    if (!m_computerAmZug || m_beendet)
        return;
    m_regeln->computerZug();
    if (!m_beendet)
        m_haken.computerZug();
}

void Spielablauf::ersterSpielerAmZug() {
    runde.ersterSpieler();
    m_computerAmZug = false;
    m_sicht.zeigeSpieler();
    m_sicht.zeigeMenues();
    nachDemWechsel();
}

void Spielablauf::nachDemWechsel() {
    m_regeln->nachSpielerwechsel();
    m_haken.nachSpielerwechsel();
}

Spielrunde::Sitz Spielablauf::setzeComputer(bool mitspielen) {
    const Spielrunde::Sitz s = runde.setzeComputer(mitspielen, konfig.hoechstensSpielerMitComputer);
    m_einst.werte().GegenComputer = runde.computerSitzt() ? 1 : 0;
    if (s == Spielrunde::Sitz::Gesetzt || s == Spielrunde::Sitz::Entfernt) {
        m_sicht.zeigeSitze();
        m_sicht.zeigeSpieler();
    }
    return s;
}

bool Spielablauf::computerPlatzFrei() const {
    return runde.computerSitzt() ||
           runde.nSpieler < std::min(konfig.hoechstensSpielerMitComputer, spielerPlaetze);
}

bool Spielablauf::menueAn(Menue m) const {
    if (m_beendet || (m_computerAmZug && !konfig.menuesBeimComputer))
        return false;
    return !m_haken.menueGesperrt(m);
}

QString Spielablauf::meldung(const QString& text, const QString& titel, const QString& knopf1,
                             const QString& knopf2) {
    halteUhren(true);
    const QString antwort = m_sicht.zeigeMeldungsfenster(text, titel, knopf1, knopf2);
    halteUhren(false);
    return antwort;
}

void Spielablauf::zeigeRatezeitMeldung() {
    spieleSound(QStringLiteral("ProgrammMeldung"));
    meldung(ratezeitMeldung(runde.name()), QStringLiteral("Ende der Ratezeit"));
}

void Spielablauf::RestZeitTimer_Timer() {
    if (m_beendet)
        return;
    const bool aus = ratezeit.tick();
    m_sicht.zeigeRatezeit();
    if (!aus)
        return;
    m_restZeit->setzeAktiv(false);
    m_haken.ratezeitAbgelaufen(*this);
    if (m_beendet)
        return;
    resetVuZeiger();
    naechsterSpieler();
    if (!m_beendet && m_ratezeitEin)
        m_restZeit->setzeAktiv(true);
}

void Spielablauf::EnergTimer_Timer() {
    if (m_beendet)
        return;
    const bool aus = spielzeit.tick(sekundenJetzt());
    m_sicht.zeigeSpielzeit();
    if (!aus)
        return;
    // die Zeit ist um: nichts läuft mehr, auch nicht nach der Meldung
    m_register->aus = true;
    m_register->aktualisiere();
    if (konfig.spielzeitKlang)
        spieleSound(QStringLiteral("ProgrammMeldung"));
    meldung(spielzeitMeldung(konfig.name), konfig.spielzeitTitel);
    programmEnde();
}

bool Spielablauf::beendeNachFrage(bool fragen) {
    if (m_beendet)
        return true;
    if (fragen) {
        halteUhren(true);
        const bool ja = m_sicht.endeBestaetigt(endeFrage(konfig.name, runde.menschen()));
        halteUhren(false);
        if (!ja)
            return false;
    }
    programmEnde();
    return true;
}

bool Spielablauf::beendenAusMenue() {
    return beendeNachFrage(konfig.endeFragtImmer || !spielzeit.abgelaufen());
}

bool Spielablauf::schliessenErlaubt() {
    // ist die Spielzeit um, fragt das Schließfeld nichts mehr
    return beendeNachFrage(!spielzeit.abgelaufen());
}

void Spielablauf::neuesSpielGefragt() {
    if (m_beendet)
        return;
    const Frage f = neuesSpielFrage(konfig.name, konfig.neuStartenFrage, konfig.neinZuerst,
                                    konfig.neuStartenFrage ? runde.nSpieler : runde.menschen());
    if (meldung(f.text, QStringLiteral("Neues Spiel"), f.knopf1, f.knopf2) !=
            QStringLiteral("ja") ||
        m_beendet)
        return;
    runde.allePunkteNull();
    m_regeln->neuesSpiel();
    m_haken.neuesSpiel();
    ersterSpielerAmZug();
    m_sicht.zeigeSitze();
}

void Spielablauf::einstellungenGefragt() {
    if (m_beendet)
        return;
    const bool ratezeitVorher = m_ratezeitEin;
    const int schrittVorher = ratezeit.schritt(), takteVorher = ratezeit.takte();
    if (!m_haken.zeigeEinstellungen() || m_beendet)
        return;
    // die Ratezeit gilt sofort; läuft sie schon und bleibt ihre Dauer, läuft sie weiter
    const bool ratezeitJetzt = m_haken.ratezeitGewuenscht(einstellungen());
    if (ratezeitJetzt != ratezeitVorher || ratezeit.schritt() != schrittVorher ||
        ratezeit.takte() != takteVorher)
        switchVuRestZeit(ratezeitJetzt);
    rundeBeginntNeu(setzeComputer(einstellungen().GegenComputer == 1));
}

void Spielablauf::rundeBeginntNeu(Spielrunde::Sitz s) {
    if (!konfig.ersterSpielerNachSitzwechsel ||
        (s != Spielrunde::Sitz::Gesetzt && s != Spielrunde::Sitz::Entfernt))
        return;
    const bool andererDran = runde.aktSpieler != 0;
    ersterSpielerAmZug();
    if (!andererDran || m_beendet)
        return;
    spieleSound(QStringLiteral("ProgrammMeldung"));
    meldung((s == Spielrunde::Sitz::Gesetzt
                 ? QStringLiteral("Der Computer spielt jetzt mit.\r")
                 : QStringLiteral("Der Computer spielt nicht mehr mit.\r")) +
                QStringLiteral("Die Runde beginnt deshalb\rwieder bei ") +
                holeVorname(runde.name()) + QLatin1Char('.'),
            QStringLiteral("Spielerwechsel"));
}

void Spielablauf::trageMeisterEin() {
    QStringList namen;
    std::vector<qint32> punkte;
    for (int i = 0; i < runde.nSpieler; ++i) {
        namen << runde.SpielerName[size_t(i)];
        punkte.push_back(qint32(std::clamp<long>(punkteDesPlatzes(i), 0, INT32_MAX)));
    }
    Meisterliste(Meisterliste::meisterDatei(start.UserPfad), konfig.name)
        .updateMeister(int(namen.size()), namen, punkte, dienste::uhr().jetzt().date());
}

void Spielablauf::programmEnde() {
    // nur einmal, was auch immer es auslöst: zwei Zeitgeber, das Menü, das Schließfeld
    if (m_beendet)
        return;
    m_beendet = true;
    m_register->aus = true;
    m_register->aktualisiere();
    spieleSound(QStringLiteral("ProgrammEnde"));
    m_sicht.zeichneSofort();
    if (konfig.endeWarteSekunden > 0)
        warte(konfig.endeWarteSekunden);
    try {
        trageMeisterEin();
    } catch (const Laufzeitfehler& f) {
        meldung(QStringLiteral("Die Punkte konnten nicht in die\rMeisterliste eingetragen "
                               "werden.\r") +
                    f.betrifft(),
                QStringLiteral("Meisterliste"));
    }
    if (einstellungen().EinstellungenSpeichern == 1)
        m_einst.schreibe(imProgrammordner(QStringLiteral("Varku.ini")));
    m_haken.vorDemEnde();
    schliesseSound();
    m_sicht.schliesseFenster();
}

} // namespace varku
