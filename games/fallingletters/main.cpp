#include "gamekit/Spielprogramm.h"
#include "games/fallingletters/MainFrm.h"

int main(int argc, char** argv) {
    using namespace varku;
    return spielMain(argc, argv, dolmix::MainFrm::konfiguration(),
                     [](const Spielkonfiguration& k, const Spielstartdaten& s) {
                         return std::unique_ptr<Spielfenster>(new dolmix::MainFrm(k, s));
                     });
}
