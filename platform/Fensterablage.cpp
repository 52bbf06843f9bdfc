#include "platform/Fensterablage.h"

#include <algorithm>
#include <vector>

namespace varku {

namespace {
std::vector<void (*)()>& fenster() {
    static std::vector<void (*)()> f;
    return f;
}
} // namespace

void merkeFenster(void (*entlade)()) {
    auto& f = fenster();
    if (std::find(f.begin(), f.end(), entlade) == f.end())
        f.push_back(entlade);
}

void entladeAlleFenster() {
    auto& f = fenster();
    // in umgekehrter Folge: was zuletzt kam, hängt vielleicht an Früherem
    for (auto it = f.rbegin(); it != f.rend(); ++it)
        (*it)();
    f.clear();
}

} // namespace varku
