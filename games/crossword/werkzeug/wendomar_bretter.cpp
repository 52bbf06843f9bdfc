// Legt für jede Kategorie der Wortdatenbank ein ganzes Brett des Kreuzworträtsels und druckt es
// als Text, damit ein Mensch die Bretter lesen kann.
//
//   wendomar_bretter [--samen N] [PROGRAMMORDNER]
//
// Ohne Ordner der Programmordner neben dem Werkzeug (build/Varku).
#include "foundation/Schwerpunktliste.h"
#include "foundation/Wortzugang.h"
#include "games/crossword/Kreuzwortgitter.h"
#include "platform/Laufzeitfehler.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <random>

using namespace varku;
using namespace varku::wendomar;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream aus(stdout);
    QStringList args = app.arguments().mid(1);
    unsigned samen = 1;
    if (args.size() >= 2 && args[0] == u"--samen") {
        samen = args[1].toUInt();
        args = args.mid(2);
    }
    const QString ordner = args.isEmpty()
                               ? QDir(app.applicationDirPath()).filePath(QStringLiteral("../Varku"))
                               : args[0];
    try {
        const SchwerpunktDatei tsp =
            leseSchwerpunktDatei(QDir(ordner).filePath(QStringLiteral("Varku.tsp")));
        Wortzugang zugang;
        zugang.oeffneWortDatenbank(QDir(ordner).filePath(QStringLiteral("Varku-D.sqlite")), {});
        std::mt19937 zufall(samen);
        for (const QString& code : tsp.codes) {
            const int anzahl = zugang.setzeWortFilter(code, false, hoechstensBuchstaben);
            aus << code << ": " << anzahl << " Wörter\n";
            Kreuzwortgitter g(zugang.rdb(), [&](int von, int bis) {
                return std::uniform_int_distribution<int>(von, bis)(zufall);
            });
            const std::vector<GelegtesWort> woerter = legeGanzesBrett(g);
            if (woerter.empty()) {
                aus << "  (kein Brett)\n\n";
                continue;
            }
            for (const QString& zeile : g.alsText())
                aus << "  " << zeile << '\n';
            QStringList liste;
            for (const GelegtesWort& w : woerter)
                liste << QStringLiteral("%1 (%2,%3 %4)")
                             .arg(w.wort)
                             .arg(w.spalte)
                             .arg(w.zeile)
                             .arg(w.richtung == waagrecht ? QStringLiteral("waagrecht")
                                                          : QStringLiteral("senkrecht"));
            aus << "  " << liste.join(QStringLiteral(", ")) << "\n\n";
        }
    } catch (const Laufzeitfehler& f) {
        QTextStream(stderr) << f.text() << '\n';
        return 1;
    }
    return 0;
}
