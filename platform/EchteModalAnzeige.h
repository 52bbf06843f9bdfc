#pragma once

#include "platform/ModalAnzeige.h"

namespace varku {

// Zeigt ein Fenster modal in einer eigenen Schleife, bis das Programm es verbirgt oder schließt;
// Minimieren beendet es nicht. Das Fenster gehört zu dem, das es geöffnet hat, liegt über ihm,
// bekommt die Tastatur und bleibt im Bildschirm. Ein wieder gezeigtes Fenster steht, wo es
// zuletzt stand, wenn das Programm es nicht verschoben hat. Geht das Programm zu Ende, kehrt
// jeder Aufruf sofort zurück.
class EchteModalAnzeige : public ModalAnzeige {
public:
    void zeigeModal(QWidget& fenster) override;
    void entlasse(QWidget& fenster) override;
    void zeige(QWidget& fenster) override;
};

} // namespace varku
