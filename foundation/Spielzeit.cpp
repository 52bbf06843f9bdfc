#include "foundation/Spielzeit.h"

#include "foundation/ElementLeser.h"
#include "foundation/IniAbschnitt.h"
#include "foundation/Textkodierung.h"
#include "foundation/Zahlenwert.h"
#include "platform/Laufzeitfehler.h"

#include <algorithm>
#include <cmath>

namespace varku {

namespace {

const QString abschnitt = QStringLiteral("Spiele");
const QString schluessel = QStringLiteral("MaximaleSpielDauer");

// die Minuten, auf den Bereich einer 16-Bit-Zahl begrenzt; was keine Zahl ist, gibt 0
int minuten(const QString& wert) {
    // eine Zahl jenseits von allem: so lang wie möglich
    return int(rundeGerade(std::clamp(zahlenwertBegrenzt(wert), -32768.0, 32767.0)));
}

} // namespace

long sekundenZwischen(long anfang, long ende) {
    long d = ende - anfang;
    // die Uhr beginnt um Mitternacht wieder bei null
    if (d < 0)
        d += 86400;
    return d;
}

int leseMaxSpielDauer(const QString& iniDatei) {
    int dauer = 0;
    leseAbschnitt(iniDatei, abschnitt, {schluessel},
                  [&](int, const QString& wert) { dauer = minuten(wert); });
    return dauer;
}

int energieSchrittAusText(const QString& iniText) {
    bool gefunden = false;
    int n = 0;
    // die Suche endet nicht am nächsten Abschnitt, und die erste Zeile gilt
    leseAbschnittAusText(
        iniText, abschnitt, {schluessel},
        [&](int, const QString& wert) {
            if (gefunden)
                return;
            gefunden = true;
            n = minuten(QString(wert).remove(u' '));
        },
        true);
    if (!gefunden)
        return 0;
    if (n < 5)
        n = 5;
    return std::max(1, int(std::floor(15.0 / n * 5)));
}

int leseEnergieSchritt(const QString& iniDatei) {
    return energieSchrittAusText(leseTextdatei(iniDatei).text);
}

} // namespace varku
