#include "gamekit/Einstellungsfenster.h"

namespace varku {

Einstellungsfenster::Einstellungsfenster(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("EinstellFrm"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    setModal(true);
}

void Einstellungsfenster::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    m_bestaetigt = false;
    if (QWidget* w = ersterFokus())
        w->setFocus(Qt::TabFocusReason);
}

void Einstellungsfenster::okBtn_Click() {
    m_bestaetigt = true;
    verberge();
}

void Einstellungsfenster::abbrBtn_Click() {
    stelleWiederHer();
    m_bestaetigt = false;
    verberge();
}

} // namespace varku
