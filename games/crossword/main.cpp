#include "gamekit/Spielprogramm.h"
#include "games/crossword/MainFrm.h"

int main(int argc, char** argv) {
    using namespace varku;
    return spielMain(argc, argv, wendomar::MainFrm::konfiguration(),
                     [](const Spielkonfiguration& k, const Spielstartdaten& s) {
                         return std::unique_ptr<Spielfenster>(new wendomar::MainFrm(k, s));
                     });
}
