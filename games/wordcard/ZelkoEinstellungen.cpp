#include "games/wordcard/ZelkoEinstellungen.h"

namespace varku::zelko {

const Einstellungsabschnitt<Einstellungen>& zelkoAbschnitt() {
    using E = Einstellungen;
    static const Einstellungsabschnitt<E> a{AbschnittsFormat{QStringLiteral("Zelko")},
                                            {
                                                gegenComputerSchluessel<E>(),
                                                computerStaerkeSchluessel<E>(1),
                                                tonSchluessel<E>(),
                                                ratezeitSchluessel<E>(),
                                                speichernSchluessel<E>(),
                                            }};
    return a;
}

} // namespace varku::zelko
