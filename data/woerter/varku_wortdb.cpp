// Baut aus den Wortdateien die Wortdatenbank und die Liste für die Sprachaufnahmen;
// Aufruf siehe Aufruf.h. Bei einem Fehler in den Daten wird nichts geschrieben.

#include "data/woerter/Aufruf.h"
#include "data/woerter/Pruefung.h"
#include "data/woerter/Quellen.h"
#include "data/woerter/Sprachliste.h"
#include "data/woerter/Wortdatenbank.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace varku;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream fehler(stderr);
    QTextStream ausgabe(stdout);

    QString grund;
    const std::optional<Aufruf> aufruf = leseAufruf(app.arguments().mid(1), grund);
    if (!aufruf) {
        fehler << "varku_wortdb: " << grund << "\n" << aufrufHilfe;
        return 2;
    }

    const Wortbestand bestand =
        pruefeWortbestand(ladeWortquellen(aufruf->tsp, aufruf->bausteine, aufruf->wortdateien));
    for (const Fehler& f : bestand.fehler)
        fehler << alsMeldung(f) << "\n";
    if (!bestand.fehler.isEmpty()) {
        fehler << "varku_wortdb: " << bestand.fehler.size() << " Fehler, nichts geschrieben\n";
        return 1;
    }

    grund = schreibeWortdatenbank(aufruf->db, bestand.kategorien, bestand.woerter);
    if (grund.isEmpty())
        grund = schreibeSprachliste(aufruf->sprachliste, bestand.woerter);
    if (!grund.isEmpty()) {
        fehler << "varku_wortdb: " << grund << "\n";
        return 1;
    }
    ausgabe << "varku_wortdb: " << bestand.woerter.size() << " Wörter in "
            << bestand.kategorien.size() << " Kategorien nach " << aufruf->db << "\n";
    return 0;
}
