#include "gamekit/Spielprogramm.h"
#include "games/wheel/MainFrm.h"

int main(int argc, char** argv) {
    using namespace varku;
    return spielMain(argc, argv, zirkomat::MainFrm::konfiguration(),
                     [](const Spielkonfiguration& k, const Spielstartdaten& s) {
                         return std::unique_ptr<Spielfenster>(new zirkomat::MainFrm(k, s));
                     });
}
