#include "platform/Dienste.h"

#include "platform/EchteDienste.h"

namespace varku::dienste {

void setzeEchteDienste() {
    setze(std::unique_ptr<Uhr>(new EchteUhr));
    setze(std::unique_ptr<Zufall>(new EchterZufall));
    setze(std::unique_ptr<ModalAnzeige>(new EchteModalAnzeige));
    setze(std::unique_ptr<SoundGeraet>(new EchtesSoundGeraet));
    setze(std::unique_ptr<HilfeEngine>(new EchteHilfeEngine));
    setze(std::unique_ptr<Sprachausgabe>(new EspeakSprachausgabe));
    setze(std::unique_ptr<Prozess>(new EchterProzess));
}

} // namespace varku::dienste
