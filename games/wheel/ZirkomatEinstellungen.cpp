#include "games/wheel/ZirkomatEinstellungen.h"

namespace varku::zirkomat {

const Einstellungsabschnitt<Einstellungen>& zirkomatAbschnitt() {
    using E = Einstellungen;
    constexpr Bereich b = Bereich::Begrenzen;
    static const Einstellungsabschnitt<E> a{
        AbschnittsFormat{QStringLiteral("Zirkomat")},
        {
            gegenComputerSchluessel<E>(),
            computerStaerkeSchluessel<E>(2),
            schalterZahlEins<E, int>("TastaturEingabeSperren", &E::TastaturEingabeSperren),
            tonSchluessel<E>(),
            schalterZahlEins<E, int>("BuchstabenRahmen", &E::BuchstabenRahmen),
            schalterZahlEins<E, bool>("LösungswortFarbig", &E::LoesWortFarbig),
            ratezeitSchluessel<E>(),
            ganzzahl<E, int>("FehlversucheMaximum", &E::FehlversucheMaximum, 0,
                             hoechstensFehlversuche, b),
            speichernSchluessel<E>(),
        }};
    return a;
}

} // namespace varku::zirkomat
