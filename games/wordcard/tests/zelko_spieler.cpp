// Spielt Zelko ohne Ende im Programmordner des Aufrufs: abwechselnd eine falsche und eine
// richtige Antwort, jede eine Zeile im Protokoll; Meldungen gehen sofort wieder zu. Nach der
// ersten Antwort steht "bereit" auf der Ausgabe. Der Abbruchtest beendet es mit SIGKILL.
//   zelko_spieler <programmordner> <startzeile>
#include "foundation/Global.h"
#include "gamekit/Spielstart.h"
#include "games/wordcard/MainFrm.h"
#include "platform/Anwendung.h"
#include "platform/testing/TestDienste.h"

#include <QListWidget>
#include <cstdio>

using namespace varku;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Anwendung app(argc, argv);
    if (argc != 3)
        return 2;
    ProgPfad = QString::fromLocal8Bit(argv[1]);
    test::TestDienste d;
    const Startpruefung p =
        pruefeStart(QString::fromLocal8Bit(argv[2]), zelko::MainFrm::konfiguration());
    if (!p.angenommen)
        return 1;
    zelko::MainFrm f(zelko::MainFrm::konfiguration(), p.daten);
    for (long n = 0;; ++n) {
        const int richtig = f.regeln().richtigerListenIndex();
        const int wahl = n % 2 == 0 ? (richtig + 1) % int(f.regeln().auswahl().size()) : richtig;
        f.brett()->wLueckGrLst->setCurrentRow(wahl);
        f.einsetzenBtn_Click();
        if (n == 0) {
            std::puts("bereit");
            std::fflush(stdout);
        }
    }
}
