#include "platform/testing/FakeZufall.h"

namespace varku::test {

float FakeZufall::naechste() {
    ++gezogen;
    if (m_werte.empty())
        return 0.0f;
    const float r = m_werte.front();
    m_werte.pop_front();
    return r;
}

void FakeZufall::gib(std::initializer_list<float> werte) {
    m_werte.insert(m_werte.end(), werte.begin(), werte.end());
}

float FakeZufall::fuer(int von, int bis, int k) {
    return float((double(k - von) + 0.5) / double(bis - von + 1));
}

void FakeZufall::gibZahlen(int von, int bis, std::initializer_list<int> ergebnisse) {
    for (int k : ergebnisse)
        m_werte.push_back(fuer(von, bis, k));
}

} // namespace varku::test
