#include "platform/EchterZufall.h"

#include <chrono>

namespace varku {

EchterZufall::EchterZufall() {
    std::random_device rd;
    const auto t = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq saat{rd(), rd(), static_cast<unsigned>(t), static_cast<unsigned>(t >> 32)};
    m_gen.seed(saat);
}

float EchterZufall::naechste() {
    // 24 Bit genügen für eine Zahl einfacher Genauigkeit und bleiben sicher unter 1
    return static_cast<float>(m_gen() >> 8) * (1.0f / 16777216.0f);
}

} // namespace varku
