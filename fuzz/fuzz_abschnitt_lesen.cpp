// Ein Abschnitt der Konfigurationsdatei wird mit seinen Zahlen gelesen; Unsinn darf höchstens
// einen Laufzeitfehler "Überlauf" geben, nie einen Absturz und nie eine unendliche Zahl.
#include "foundation/IniAbschnitt.h"
#include "foundation/Textkodierung.h"
#include "foundation/Zahlenwert.h"
#include "platform/Laufzeitfehler.h"

#include <cmath>
#include <cstdlib>

using namespace varku;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), qsizetype(groesse));
    const QString text = dateiText(bytes);
    const QStringList schluessel{QStringLiteral("TextFontName"),
                                 QStringLiteral("TextFontGröße"),
                                 QStringLiteral("Schwierigkeitsgrad"),
                                 QStringLiteral("Lautstärke"),
                                 QStringLiteral("A"),
                                 QStringLiteral("AB")};
    // je Eingabe ein Abschnitt und eine Art zu lesen, nach ihrer Länge gewählt: so bleibt ein
    // Lauf ein Durchgang über den Text, auch bei großen Eingaben
    const char* const abschnitte[] = {"Varku", "Sound", "Spiele"};
    const QString abschnitt = QString::fromLatin1(abschnitte[groesse % 3]);
    const bool bisEnde = (groesse / 3) % 2 == 1;
    try {
        leseAbschnittAusText(
            text, abschnitt, schluessel,
            [&](int i, const QString& wert) {
                if (i < 0 || i >= schluessel.size() || wert != trimme(wert))
                    std::abort();
                const double z = zahlenwert(wert);
                if (!std::isfinite(z))
                    std::abort();
                // was geschrieben wird, liest sich als endliche Zahl zurück
                if (!std::isfinite(zahlenwert(iniZahl(z))))
                    std::abort();
                (void)alsInteger(z);
                (void)alsLong(z);
            },
            bisEnde);
    } catch (const Laufzeitfehler& f) {
        if (f.nummer() != Laufzeitfehler::Ueberlauf)
            std::abort();
    }
    return 0;
}
