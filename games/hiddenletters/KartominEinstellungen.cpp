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

Einstellungen mitGelesenen(Einstellungen entwurf, const Einstellungen& werte,
                           const QStringList& gelesen) {
    for (const Schluessel<Einstellungen>& k : kartominAbschnitt().schluessel)
        if (gelesen.contains(k.name))
            k.lies(entwurf, k.schreibe(werte));
    return entwurf;
}

} // namespace varku::kartomin
