#pragma once

class QWidget;

namespace varku {

// Zeigt ein Fenster modal und kehrt zurück, wenn es verborgen wurde.
class ModalAnzeige {
public:
    virtual ~ModalAnzeige() = default;
    virtual void zeigeModal(QWidget& fenster) = 0;
    // ohne Warten zeigen (Hintergrundfenster)
    virtual void zeige(QWidget& fenster) = 0;
};

} // namespace varku
