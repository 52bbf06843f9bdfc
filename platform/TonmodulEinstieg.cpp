// Der Einstieg des Tonmoduls: das Einzige, was das Modul nach außen zeigt.
#include "platform/EchtesSoundGeraet.h"
#include "platform/EspeakSprachausgabe.h"
#include "platform/Tonmodul.h"

namespace {

using namespace varku;

// Das Modul hat seinen eigenen Melder (eine eigene Kopie der Ablage in SoundGeraet.h); er gibt
// weiter an den des Programms.
void setzeMelder(void (*melde)()) {
    if (melde)
        setzeOhneTonMelder([melde] { melde(); });
}

void bereiteVor() {
    EspeakSprachausgabe::bereiteVor();
}

SoundGeraet* neuesSoundGeraet(void (*melde)()) {
    setzeMelder(melde);
    return new EchtesSoundGeraet;
}

Sprachausgabe* neueSprachausgabe(void (*melde)()) {
    setzeMelder(melde);
    return new EspeakSprachausgabe;
}

constexpr tonmodul::Einstieg einstieg{tonmodul::fassung, &bereiteVor, &neuesSoundGeraet,
                                      &neueSprachausgabe};

} // namespace

extern "C" __attribute__((visibility("default"))) const tonmodul::Einstieg* varkuTonmodul() {
    return &einstieg;
}
