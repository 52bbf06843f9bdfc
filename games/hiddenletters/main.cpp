#include "gamekit/Spielprogramm.h"
#include "games/hiddenletters/MainFrm.h"

int main(int argc, char** argv) {
    using namespace varku;
    return spielMain(argc, argv, kartomin::MainFrm::konfiguration(),
                     [](const Spielkonfiguration& k, const Spielstartdaten& s) {
                         return std::unique_ptr<Spielfenster>(new kartomin::MainFrm(k, s));
                     });
}
