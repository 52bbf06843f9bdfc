#include "frame/Spieler.h"

#include "frame/GlobModul.h"

namespace varku {

std::array<Statistik, maxSpieler> SpielerStatistik;
std::array<QString, 5> SpielerDatei;
std::array<bool, maxSpieler + 1> GastSpieler{};
int aktSpieler = 0;
int16_t WiederholListe[maxWiederhol + 1][2][maxSpieler];
std::vector<std::pair<int, int>> ErledigtListe;

void leereWiederholListe(int p) {
    if (p < 0 || p >= maxSpieler)
        return;
    WiederholListe[0][0][p] = 0;
    for (int i = 1; i <= maxWiederhol; ++i) {
        WiederholListe[i][0][p] = -1;
        WiederholListe[i][1][p] = 0;
    }
}

void setzeSpielerZurueck() {
    SpielerStatistik.fill(Statistik{});
    SpielerDatei.fill(QString());
    GastSpieler.fill(false);
    aktSpieler = 0;
    for (int p = 0; p < maxSpieler; ++p)
        leereWiederholListe(p);
    ErledigtListe.clear();
    ErledigtAnz = 0;
}

} // namespace varku
