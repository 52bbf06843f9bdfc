#include "games/wheel/CompZugFrm.h"

namespace varku::zirkomat {

// das Fenster des Radspiels hat nur seine beiden Texte, kein Bild
CompZugFrm::CompZugFrm(QWidget* eltern, std::unique_ptr<Timer> zeitgeber)
    : Computerfenster(eltern, QStringLiteral("Zirkomat"),
                      QStringLiteral("Ich darf jetzt das Zirkomat drehen und einen Buchstaben "
                                     "raten."),
                      std::move(zeitgeber), false) {
    CompZugTimer->setzeIntervall(100);
    CompZugTimer->beiTick = [this] { CompZugTimer_Timer(); };
}

void CompZugFrm::beginne(int ziel) {
    zielTicks = ziel;
    tickZaehler = 0;
    CompZugTimer->setzeIntervall(100);
    CompZugTimer->setzeAktiv(true);
}

void CompZugFrm::CompZugTimer_Timer() {
    if (tickZaehler < zielTicks) {
        ++tickZaehler;
        // das Rad hält drei Takte vor dem Zug an
        if (zielTicks - tickZaehler == 3)
            emit anhalten();
    }
    if (tickZaehler < zielTicks)
        return;
    CompZugTimer->setzeAktiv(false);
    emit ziehen();
}

} // namespace varku::zirkomat
