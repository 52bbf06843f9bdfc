#include "gamekit/Spieluhren.h"

#include "foundation/Spielzeit.h"

#include <algorithm>

namespace varku {

bool Ratezeit::tick() {
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
