#include "gamekit/Wuerfel.h"

#include "foundation/Routinen.h"

namespace varku {

Wuerfel systemWuerfel() {
    return [](int von, int bis) { return int(zufallszahl(von, bis)); };
}

} // namespace varku
