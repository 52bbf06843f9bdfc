// Die Schwerpunktliste Varku.tsp wird von Hand gepflegt: was auch darin steht, der Dialog
// bekommt höchstens 12 Seiten und 52 Kategorien mit Spalte oder einen Laufzeitfehler, der die
// Datei nennt, und die Spiele zählen dieselben Kategorien wie er.
#include "foundation/Schwerpunktliste.h"
#include "platform/Laufzeitfehler.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

using namespace varku;

namespace {

void pruefe(bool bedingung) {
    if (!bedingung)
        std::abort();
}

struct Ort {
    QTemporaryDir ordner;
    QString datei = ordner.filePath(QStringLiteral("Varku.tsp"));
};

// ein Zeilenende beendet jedes Feld: dieser Name steht in keiner Zeile
const QString keineSpalte = QStringLiteral("\n");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    static Ort ort;
    {
        QFile f(ort.datei);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            f.write(reinterpret_cast<const char*>(daten), qint64(groesse)) != qint64(groesse))
            std::abort();
    }

    // alle Kategorien der Spiele: ohne Treffer ihre Zahl, kein Titel
    const Uebungsschwerpunkt alle = leseUebungsschwerpunkt(ort.datei, keineSpalte);
    pruefe(!alle.gefunden && alle.UebTitel.isEmpty() && alle.UebNr >= 0);

    std::optional<SchwerpunktDatei> liste;
    try {
        liste = leseSchwerpunktDatei(ort.datei);
    } catch (const Laufzeitfehler& f) {
        // die Fehler der Datei nennen sie
        pruefe(f.nummer() == Laufzeitfehler::IndexAusserhalb);
        pruefe(f.betrifft().startsWith(ort.datei));
    }

    if (liste) {
        qsizetype titel = 0;
        for (const QStringList& seite : liste->titel) {
            titel += seite.size();
            // eine Überschrift beginnt eine Seite und ist selbst keine Kategorie
            for (const QString& t : seite)
                pruefe(!istUeberschrift(t, Ueberschrift::Irgendwo));
        }
        pruefe(titel == liste->codes.size());
        pruefe(liste->codes.size() >= 1 && liste->codes.size() <= maxKategorien);
        for (const QString& code : liste->codes)
            pruefe(!code.isEmpty() && code == code.trimmed());
        // die Spiele nehmen ">>>" nur am Anfang: sie zählen höchstens mehr Kategorien
        pruefe(alle.UebNr >= liste->codes.size());

        // eine Spalte, die es nicht gibt, ist ein Fehler, keine Kategorie weniger
        const QString fehlt = liste->codes.last();
        bool gemeldet = false;
        try {
            (void)leseSchwerpunktDatei(ort.datei, [&](const QString& s) { return s != fehlt; });
        } catch (const Laufzeitfehler& f) {
            pruefe(f.nummer() == Laufzeitfehler::IndexAusserhalb);
            gemeldet = true;
        }
        pruefe(gemeldet);
        // mit jeder Spalte bekannt dieselbe Liste
        const SchwerpunktDatei wieder =
            leseSchwerpunktDatei(ort.datei, [](const QString&) { return true; });
        pruefe(wieder.titel == liste->titel && wieder.codes == liste->codes);

        // gesucht wird die Spalte wie sie steht; die erste Kategorie mit ihr bestimmt die Nummer
        for (const QString& code : {liste->codes.first(), fehlt}) {
            const Uebungsschwerpunkt s = leseUebungsschwerpunkt(ort.datei, code);
            if (!s.gefunden) {
                pruefe(s.UebNr == alle.UebNr && s.UebTitel.isEmpty());
                continue;
            }
            pruefe(s.UebNr >= 1 && s.UebNr <= alle.UebNr);
            pruefe(!istUeberschrift(s.UebTitel, Ueberschrift::AmAnfang));
        }
    }
    return 0;
}
