#pragma once

#include "platform/Zufall.h"

#include <random>

namespace varku {

// Ein Generator, einmal beim Start gesät.
class EchterZufall : public Zufall {
public:
    EchterZufall();
    float naechste() override;

private:
    std::mt19937 m_gen;
};

} // namespace varku
