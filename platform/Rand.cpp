#include "platform/Rand.h"

namespace varku {

namespace {
Randbehandlung& behandlung() {
    static Randbehandlung b;
    return b;
}
} // namespace

void setzeRandbehandlung(Randbehandlung b) {
    behandlung() = std::move(b);
}

bool randbehandlungDa() {
    return bool(behandlung());
}

void behandleAmRand(const std::exception& e) {
    behandlung()(e);
}

} // namespace varku
