// Trägt ohne Ende Spielenden in die Meisterliste ein: jedes mit drei Gästen als ein Spiel für
// sich ("<lauf> 1", "<lauf> 2", ...), damit keines seine zehn Plätze füllt. Vor dem ersten
// Eintrag steht "los" auf der Ausgabe, nach jedem seine Nummer. Der Abbruchtest beendet es mit
// SIGKILL.
//   meister_spieler <Meister.sqlite> <lauf>
#include "gamekit/Meisterliste.h"

#include <cstdio>

using namespace varku;

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const QString datei = QString::fromLocal8Bit(argv[1]);
    const QString lauf = QString::fromLocal8Bit(argv[2]);
    const QStringList gaeste{QStringLiteral("Gast 1"), QStringLiteral("Gast 2"),
                             QStringLiteral("Gast 3")};
    std::puts("los");
    std::fflush(stdout);
    for (qint32 n = 1;; ++n) {
        const qint32 punkte[] = {n, n + 1, n + 2};
        Meisterliste(datei, lauf + QLatin1Char(' ') + QString::number(n))
            .updateMeister(3, gaeste, punkte, QDate(2026, 12, 11));
        std::printf("%d\n", int(n));
        std::fflush(stdout);
    }
}
