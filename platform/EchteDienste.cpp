#include "platform/Dienste.h"

#include "platform/EchteDienste.h"
#include "platform/EchterDrucker.h"
#include "platform/TonBeiBedarf.h"
#include "platform/Tonmodul.h"
#include "platform/Vordergrund.h"

#include <QCoreApplication>

namespace varku::dienste {

void setzeEchteDienste() {
    const QString ordner = QCoreApplication::applicationDirPath();
    setze(std::unique_ptr<Uhr>(new EchteUhr));
    setze(std::unique_ptr<Zufall>(new EchterZufall));
    setze(std::unique_ptr<ModalAnzeige>(new EchteModalAnzeige));
    // Klang und Sprache aus dem Tonmodul, angelegt beim ersten Gebrauch
    tonmodul::setzeOrdner(ordner);
    setze(std::unique_ptr<SoundGeraet>(new SoundBeiBedarf([]() -> std::unique_ptr<SoundGeraet> {
        const tonmodul::Einstieg* e = tonmodul::einstieg();
        return std::unique_ptr<SoundGeraet>(e ? e->neuesSoundGeraet(&meldeOhneTon) : nullptr);
    })));
    setze(
        std::unique_ptr<Sprachausgabe>(new SpracheBeiBedarf([]() -> std::unique_ptr<Sprachausgabe> {
            const tonmodul::Einstieg* e = tonmodul::einstieg();
            return std::unique_ptr<Sprachausgabe>(e ? e->neueSprachausgabe(&meldeOhneTon)
                                                    : nullptr);
        })));
    setze(std::unique_ptr<HilfeEngine>(new EchteHilfeEngine));
    setze(std::unique_ptr<Prozess>(new EchterProzess(&holeFensterNachVorn)));
    // die Bilder aus dem Grafikordner, die PDF-Dateien in den Benutzerordner
    setze(std::unique_ptr<Drucker>(
        new EchterDrucker(ordner + QStringLiteral("/Grafik"), ordner + QStringLiteral("/User"))));
}

} // namespace varku::dienste
