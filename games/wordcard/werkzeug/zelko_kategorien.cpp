// Prüft die Kategorietabelle gegen die Wortdatenbank: jede Kategorie der Schwerpunktliste hat
// genau einen Datensatz, beide Vorräte haben Kandidaten, jeder Aufruf bietet seine richtige
// Füllung an und wenigstens eine andere, aber keine, die das Wort in einer anderen richtigen
// Schreibung ergibt (Yoga mit J).
//   zelko_kategorien [-v] <programmordner>

#include "foundation/Schwerpunktliste.h"
#include "games/wordcard/Kategoriepruefung.h"
#include "games/wordcard/Kategorietabelle.h"
#include "games/wordcard/Lueckenwoerter.h"
#include "platform/Laufzeitfehler.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

using namespace varku;
using namespace varku::zelko;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList argumente = app.arguments().mid(1);
    const bool ausfuehrlich = argumente.removeAll(QStringLiteral("-v")) > 0;
    QTextStream aus(stdout), fehler(stderr);
    if (argumente.size() != 1) {
        fehler << "Aufruf: zelko_kategorien [-v] <programmordner>\n";
        return 2;
    }
    const QDir ordner(argumente[0]);
    int fehlerZahl = 0;
    const auto melde = [&](const QString& kategorie, const QString& text) {
        fehler << "Varku.kmp, " << kategorie << ": " << text << "\n";
        ++fehlerZahl;
    };
    try {
        const auto saetze = leseKategorieDatei(ordner.filePath(QStringLiteral("Varku.kmp")));
        const QStringList kategorien =
            leseSchwerpunktDatei(ordner.filePath(QStringLiteral("Varku.tsp"))).codes;
        const auto tabellen =
            db::Recordset::oeffne(ordner.filePath(QStringLiteral("Varku-D.sqlite")),
                                  {QStringLiteral("WortListe"), QStringLiteral("LupenStellen"),
                                   QStringLiteral("SemSynt")});
        for (const Kategoriesatz& s : saetze)
            if (!kategorien.contains(s.KatSchluessel))
                melde(s.KatSchluessel, QStringLiteral("keine Kategorie der Schwerpunktliste"));
        for (const QString& kategorie : kategorien) {
            int gleiche = 0;
            for (const Kategoriesatz& s : saetze)
                gleiche += s.KatSchluessel == kategorie;
            if (gleiche != 1) {
                melde(kategorie, QStringLiteral("%1 Datensätze statt einem").arg(gleiche));
                continue;
            }
            const Kategoriesatz satz = *findeKategorie(saetze, kategorie);
            if (satz.LoesTipp.isEmpty())
                melde(kategorie, QStringLiteral("ohne Lösungstipp"));
            Lueckenwoerter w(satz, kategorien, tabellen[0], tabellen[1], tabellen[2],
                             [](int von, int) { return von; });
            aus << kategorie << ": A " << w.PoolAnzahlA() << ", B " << w.PoolAnzahlB() << "\n";
            for (Vorrat v : {Vorrat::A, Vorrat::B}) {
                const int anzahl = v == Vorrat::A ? w.PoolAnzahlA() : w.PoolAnzahlB();
                const QString name = v == Vorrat::A ? QStringLiteral("A") : QStringLiteral("B");
                if (anzahl == 0)
                    melde(kategorie, QStringLiteral("Vorrat %1 ist leer").arg(name));
                for (int k = 1; k <= anzahl; ++k) {
                    w.geheZuKandidat(k, v);
                    const Luecke& l = w.aktLuecke();
                    const QStringList& auswahl = w.auswahl();
                    if (ausfuehrlich)
                        aus << "  " << name << " " << l.Wort << " -> " << l.LueckWort << "  ["
                            << auswahl.join(QLatin1Char(',')) << "]\n";
                    for (const QString& f : fehlerDesAufrufs(l, auswahl))
                        melde(kategorie, f);
                }
            }
        }
    } catch (const Laufzeitfehler& e) {
        fehler << "zelko_kategorien: " << e.meldung() << "\n";
        return 1;
    }
    if (fehlerZahl > 0) {
        fehler << fehlerZahl << " Fehler\n";
        return 1;
    }
    return 0;
}
