#include "games/fallingletters/DolmixEinstellungen.h"

namespace varku::dolmix {

const Einstellungsabschnitt<Einstellungen>& dolmixAbschnitt() {
    using E = Einstellungen;
    constexpr Bereich b = Bereich::Begrenzen;
    static const Einstellungsabschnitt<E> a{
        AbschnittsFormat{QStringLiteral("Dolmix"), QStringLiteral("VARKU.TMP"), true},
        {
            schalterZahlEins<E, int>("BuchstabenGroß", &E::BuchstabenGross),
            schalterZahlEins<E, int>("SteinZufallsFolge", &E::SteinZufallsFolge),
            // was außerhalb liegt, nimmt fallSchrittMs als die langsamste
            ganzzahl<E, int>("FallGeschwindigkeit", &E::FallGeschwindigkeit, INT16_MIN, INT16_MAX,
                             b),
            schalterZahlEins<E, int>("WarnungEinschalten", &E::WarnungEinschalten),
            schalterZahlEins<E, int>("SpielerWechselBeiFehler", &E::SpielerWechselBeiFehler),
            ganzzahl<E, int>("SpielerWechselNachZeit", &E::SpielerWechselNachZeit, 0,
                             hoechstensMinuten, b),
            tonSchluessel<E>(),
            speichernSchluessel<E>(),
        }};
    return a;
}

int fallSchrittMs(int geschwindigkeit) {
    if (geschwindigkeit < langsamsterFall || geschwindigkeit > schnellsterFall)
        geschwindigkeit = langsamsterFall;
    return int(1000.0 / (geschwindigkeit / 250.0));
}

} // namespace varku::dolmix
