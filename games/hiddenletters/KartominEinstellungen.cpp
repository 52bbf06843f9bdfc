#include "games/hiddenletters/KartominEinstellungen.h"

namespace varku::kartomin {

const Einstellungsabschnitt<Einstellungen>& kartominAbschnitt() {
    using E = Einstellungen;
    // eine andere Stärke als 0 oder 1 wird auf die nächste begrenzt
    static const Einstellungsabschnitt<E> a{
        AbschnittsFormat{QStringLiteral("Kartomin")},
        {
            tonSchluessel<E>(),
            ratezeitSchluessel<E>(),
            schalterZahlEins<E, int>("FeldMarkierung", &E::FeldMarkierung),
            gegenComputerSchluessel<E>(),
            computerStaerkeSchluessel<E>(staerkeSchwach),
            speichernSchluessel<E>(),
        }};
    return a;
}

} // namespace varku::kartomin
