#include "games/crossword/Wendomarspiel.h"

#include "foundation/Sound.h"
#include "foundation/Texte.h"
#include "gamekit/Spielablauf.h"
#include "games/crossword/Kreuzwortwoerter.h"

#include <algorithm>
#include <limits>

namespace varku::wendomar {

Wendomarspiel::Wendomarspiel(Spielablauf& ablauf, const Wuerfel& wuerfel)
    : gitter(ablauf.woerter.rdb(), wuerfel), steine(gitter, wuerfel), m_ablauf(ablauf),
      m_wertung(gitter, steine) {}

Wendomarspiel::~Wendomarspiel() = default;

bool Wendomarspiel::neuesSpielfeld() {
    const bool erstesWort = m_wertung.neueSpielrunde(m_ablauf.woerter.FehlerListe);
    emit geaendert();
    if (!erstesWort)
        m_ablauf.ohneWoerterEnde();
    return erstesWort;
}

void Wendomarspiel::neuesSpiel() {
    neuesSpielfeld();
    // das neue Spiel beginnt mit der ganzen Ratezeit
    m_ablauf.resetVuZeiger();
    emit geaendert();
}

void Wendomarspiel::wortEnde() {
    if (m_ablauf.beendet() || !steine.wortEndeAn)
        return;
    Spielrunde& runde = m_ablauf.runde;
    int64_t punkte = runde.punkte();
    const Wortende e = m_wertung.beendeWort(punkte);
    for (const QString& k : e.klaenge)
        spieleSound(k);
    if (!e.richtig) {
        // die Meldung steht über den gelegten Steinen; danach kostet es, und sie gehen zurück
        m_ablauf.meldung(QStringLiteral("Die Reihenfolge der Buchstaben-\rsteine stimmt leider "
                                        "nicht, ") +
                             holeVorname(runde.name()) + QStringLiteral("."),
                         QStringLiteral("Fehler"));
        if (m_ablauf.beendet())
            return;
        runde.ziehePunkteAb(m_wertung.fehlerKosten());
        alleZurueck();
        m_ablauf.naechsterSpieler();
        m_ablauf.resetVuZeiger();
        return;
    }
    runde.setzePunkte(long(std::min<int64_t>(punkte, std::numeric_limits<long>::max())));
    // das nächste Wort liegt schon aus, oder das fertige Rätsel steht noch
    emit geaendert();
    if (e.rundeZuEnde) {
        // das fertige Rätsel steht unter der Meldung; das neue Brett kommt erst danach
        m_ablauf.switchVuRestZeit(false);
        spieleSound(QStringLiteral("Gratulation1"));
        m_ablauf.meldung(QStringLiteral("Es passen keine Wörter mehr auf\rdas Spielfeld. Diese "
                                        "Spielrunde\rwird deshalb beendet."),
                         QStringLiteral("Ende der Spielrunde"));
        if (m_ablauf.beendet() || !neuesSpielfeld())
            return;
        m_ablauf.switchVuRestZeit(m_ablauf.einstellungen().RatezeitBegrenzen != 0);
    }
    m_ablauf.resetVuZeiger();
    m_ablauf.naechsterSpieler();
}

void Wendomarspiel::alleZurueck() {
    if (m_ablauf.beendet())
        return;
    spieleSound(QStringLiteral("BewegungEnde"));
    steine.alleZurueck();
    emit geaendert();
}

void Wendomarspiel::naechsterStein() {
    if (m_ablauf.beendet())
        return;
    if (steine.setzeNaechstenStein() == 0) {
        m_ablauf.meldung(QStringLiteral("Die Reihenfolge der Buchstaben-\rsteine stimmt nicht. "
                                        "Deshalb kann\rich den nächsten Stein leider\rnicht "
                                        "setzen."),
                         QStringLiteral("Stein setzen"));
        return;
    }
    spieleSound(QStringLiteral("Annahme2"));
    m_ablauf.runde.ziehePunkteAb(m_wertung.steinKosten());
    emit geaendert();
}

void Wendomarspiel::loesungshilfe(const std::function<void(const QString&)>& zeige) {
    if (m_ablauf.beendet())
        return;
    // was das Wort jetzt kostet; während die Hilfe offen ist, stehen die Uhren, und es zahlt,
    // wer gefragt hat
    const int kosten = m_wertung.hilfeKosten();
    zeige(leseParaphrase(m_ablauf.woerter));
    if (m_ablauf.beendet())
        return;
    m_ablauf.runde.ziehePunkteAb(kosten);
    emit geaendert();
}

void Wendomarspiel::computerZug() {
    m_computerStelle = 0;
    steine.alleZurueck();
}

bool Wendomarspiel::computerSchritt() {
    if (++m_computerStelle > gitter.WortLaenge)
        return false;
    if (steine.legeComputerStein(m_computerStelle) > 0) {
        spieleSound(QStringLiteral("Annahme2"));
        emit geaendert();
    }
    return true;
}

void Wendomarspiel::computerFertig() {
    if (m_ablauf.beendet())
        return;
    if (steine.wortEndeAn) {
        wortEnde();
        return;
    }
    // er fand nicht jeden Stein: der Zug geht weiter, ohne Wertung
    steine.alleZurueck();
    emit geaendert();
    m_ablauf.naechsterSpieler();
}

} // namespace varku::wendomar
