#include "gamekit/Spielprogramm.h"
#include "games/wordcard/MainFrm.h"

int main(int argc, char** argv) {
    using namespace varku;
    return spielMain(argc, argv, zelko::MainFrm::konfiguration(),
                     [](const Spielkonfiguration& k, const Spielstartdaten& s) {
                         return std::unique_ptr<Spielfenster>(new zelko::MainFrm(k, s));
                     });
}
