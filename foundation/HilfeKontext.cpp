#include "foundation/HilfeKontext.h"

#include "foundation/Global.h"

#include <array>

namespace varku {

long HilfeKontext = 0;

namespace {

// Die 52 Kategorien in 12 Gruppen: erste Nummer der Gruppe und ihr erster Kontext.
struct Gruppe {
    int erste;
    long kontext;
};
constexpr std::array<Gruppe, 12> gruppen = {{{1, 1001},
                                             {11, 1101},
                                             {18, 1201},
                                             {21, 1301},
                                             {26, 1401},
                                             {28, 1501},
                                             {31, 1601},
                                             {34, 1703}, // diese Gruppe beginnt bei 1703
                                             {40, 1801},
                                             {42, 1901},
                                             {47, 2001},
                                             {50, 2101}}};

} // namespace

long hilfeKontextFuer(int nummer, long bisher) {
    if (nummer < 1 || nummer > 52)
        return bisher;
    for (size_t g = gruppen.size(); g-- > 0;)
        if (nummer >= gruppen[g].erste)
            return gruppen[g].kontext + (nummer - gruppen[g].erste);
    return bisher;
}

void setzeHilfeKontext() {
    HilfeKontext = hilfeKontextFuer(UebNr, HilfeKontext);
}

} // namespace varku
