#include "games/wheel/ZirkomatEinstellungen.h"

namespace varku::zirkomat {

const Einstellungsabschnitt<Einstellungen>& zirkomatAbschnitt() {
    using E = Einstellungen;
    constexpr Bereich b = Bereich::Begrenzen;
    static const Einstellungsabschnitt<E> a{
        AbschnittsFormat{QStringLiteral("Zirkomat")},
        {
            ganzzahl("GegenComputer", &E::GegenComputer, 0, 1, b),
            ganzzahl("ComputerSpielStärke", &E::ComputerSpielStaerke, 0, 2, b),
            ganzzahl("TastaturEingabeSperren", &E::TastaturEingabeSperren, 0, 1, b),
            ganzzahl("TonEinschalten", &E::TonEinschalten, 0, 1, b),
            ganzzahl("BuchstabenRahmen", &E::BuchstabenRahmen, 0, 1, b),
            // an nur, wenn die Zahl des Wertes 1 ist
            {QStringLiteral("LösungswortFarbig"),
             [](E& e, const QString& w) { e.LoesWortFarbig = rundeGerade(zahlenwert(w)) == 1; },
             [](const E& e) { return iniSchalter(e.LoesWortFarbig); }},
            ganzzahl("RatezeitBegrenzen", &E::RatezeitBegrenzen, 0, 1, b),
            ganzzahl("FehlversucheMaximum", &E::FehlversucheMaximum, 0, hoechstensFehlversuche, b),
            ganzzahl("EinstellungenSpeichern", &E::EinstellungenSpeichern, 0, 1, b),
        }};
    return a;
}

} // namespace varku::zirkomat
