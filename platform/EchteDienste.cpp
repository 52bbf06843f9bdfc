#include "platform/Dienste.h"

#include "platform/EchteDienste.h"
#include "platform/EchterDrucker.h"

#include <QCoreApplication>

namespace varku::dienste {

void setzeEchteDienste() {
    setze(std::unique_ptr<Uhr>(new EchteUhr));
    setze(std::unique_ptr<Zufall>(new EchterZufall));
    setze(std::unique_ptr<ModalAnzeige>(new EchteModalAnzeige));
    setze(std::unique_ptr<SoundGeraet>(new EchtesSoundGeraet));
    setze(std::unique_ptr<HilfeEngine>(new EchteHilfeEngine));
    setze(std::unique_ptr<Sprachausgabe>(new EspeakSprachausgabe));
    setze(std::unique_ptr<Prozess>(new EchterProzess));
    // die Bilder aus dem Grafikordner, die PDF-Dateien in den Benutzerordner
    const QString ordner = QCoreApplication::applicationDirPath();
    setze(std::unique_ptr<Drucker>(
        new EchterDrucker(ordner + QStringLiteral("/Grafik"), ordner + QStringLiteral("/User"))));
}

} // namespace varku::dienste
