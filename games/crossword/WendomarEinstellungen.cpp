#include "games/crossword/WendomarEinstellungen.h"

namespace varku::wendomar {

const Einstellungsabschnitt<Einstellungen>& wendomarAbschnitt() {
    using E = Einstellungen;
    static const Einstellungsabschnitt<E> a{
        // "Schlüssel= Wert", über VARKU.TMP geschrieben
        AbschnittsFormat{QStringLiteral("Wendomar"), QStringLiteral("VARKU.TMP"), true},
        {
            gegenComputerSchluessel<E>(),
            tonSchluessel<E>(),
            ratezeitSchluessel<E>(),
            speichernSchluessel<E>(),
        }};
    return a;
}

} // namespace varku::wendomar
