#pragma once

#include "platform/ModalAnzeige.h"

namespace varku {

class EchteModalAnzeige : public ModalAnzeige {
public:
    void zeigeModal(QWidget& fenster) override;
    void zeige(QWidget& fenster) override;
};

} // namespace varku
