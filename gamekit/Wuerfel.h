#pragma once

#include <functional>

namespace varku {

// Der Zufall der Spielregeln: eine ganze Zahl von bis bis, beide eingeschlossen. Die Regeln
// bekommen ihn mit; die Tests geben eine feste Folge.
using Wuerfel = std::function<int(int von, int bis)>;

// der Würfel aus der Zufallsquelle des Programms
Wuerfel systemWuerfel();

} // namespace varku
