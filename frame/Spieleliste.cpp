#include "frame/Spieleliste.h"

#include "foundation/ElementLeser.h"
#include "foundation/Zahlenwert.h"

namespace varku {

QStringList leseSpieleListe(const QString& iniText) {
    QStringList spiele;
    ElementLeser leser(iniText);
    const QString kopf = QStringLiteral("[Spiele]");
    bool imAbschnitt = false;
    while (!leser.amEnde()) {
        const QString element = leser.naechstes();
        if (!imAbschnitt) {
            imAbschnitt = element == kopf;
            continue;
        }
        if (element.startsWith(u'['))
            break;
        if (element.startsWith(u';') || !element.startsWith(QStringLiteral("Spiel")))
            continue;
        const qsizetype gleich = element.indexOf(u'=');
        spiele << trimme(gleich < 0 ? element : element.mid(gleich + 1));
    }
    return spiele;
}

bool istSpielname(const QString& name) {
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') &&
           !name.contains(QStringLiteral(".."));
}

} // namespace varku
