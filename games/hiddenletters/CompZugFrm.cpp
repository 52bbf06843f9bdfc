#include "games/hiddenletters/CompZugFrm.h"

namespace varku::kartomin {

CompZugFrm::CompZugFrm(QWidget* eltern, std::unique_ptr<Timer> zeitgeber)
    : Computerfenster(eltern, QStringLiteral("Kartomin"),
                      QStringLiteral("Jetzt darf ich raten, wo sich der nächste Buchstabe "
                                     "versteckt hat."),
                      std::move(zeitgeber)) {
    CompZugTimer->setzeIntervall(taktMs);
    CompZugTimer->beiTick = [this] { CompZugTimer_Timer(); };
}

void CompZugFrm::beginne() {
    tickGrenze = ersteGrenze;
    tickZaehler = 0;
    CompZugTimer->setzeIntervall(taktMs);
    CompZugTimer->setzeAktiv(true);
}

void CompZugFrm::weiterNachTreffer() {
    tickGrenze = trefferGrenze;
    tickZaehler = 0;
    CompZugTimer->setzeAktiv(true);
}

void CompZugFrm::CompZugTimer_Timer() {
    if (tickZaehler < tickGrenze) {
        ++tickZaehler;
        return;
    }
    tickZaehler = 0;
    // bis die Karte gewertet ist, zählt nichts
    CompZugTimer->setzeAktiv(false);
    emit ziehen();
}

} // namespace varku::kartomin
