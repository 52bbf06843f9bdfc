#include "gamekit/Spieluhren.h"

#include "foundation/Spielzeit.h"

#include <algorithm>

namespace varku {

void Ratezeit::setzeDauer(int schritt, int takte) {
    takte = std::max(0, takte);
    if (schritt == m_schritt && takte == m_takte)
        return;
    // Zähler und Takte passen nur zu ihrer Dauer: sonst stünde der Zeiger, bis die Takte ihn
    // einholen
    m_schritt = schritt;
    m_takte = takte;
    reset();
}

bool Ratezeit::tick() {
    if (m_takte > 0) {
        m_getaktet = std::min(m_getaktet + 1, m_takte);
        RateZeitZaehler = std::max(RateZeitZaehler, int(1000LL * m_getaktet / m_takte));
        return m_getaktet >= m_takte;
    }
    RateZeitZaehler = std::min(1000, RateZeitZaehler + m_schritt);
    return RateZeitZaehler >= 1000;
}

void Spielzeitbalken::start(long jetzt) {
    m_letzteZeit = jetzt;
}

bool Spielzeitbalken::tick(long jetzt) {
    if (abgelaufen())
        return false;
    const double d = double(sekundenZwischen(m_letzteZeit, jetzt)) * m_schritt;
    m_letzteZeit = jetzt;
    m_hoehe = std::max(0.0, m_hoehe - d);
    return abgelaufen();
}

} // namespace varku
