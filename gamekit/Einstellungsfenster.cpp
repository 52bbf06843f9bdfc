#include "gamekit/Einstellungsfenster.h"

#include "foundation/Benannt.h"
#include "platform/Rand.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace varku {

Einstellungsfenster::Einstellungsfenster(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("EinstellFrm"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    setModal(true);
    okBtn = benannt(new QPushButton(QStringLiteral("&OK"), this), "okBtn");
    abbrBtn = benannt(new QPushButton(QStringLiteral("&abbrechen"), this), "abbrBtn");
    for (QPushButton* b : {okBtn, abbrBtn})
        b->setMinimumSize(110, 34);
    // Enter drückt den Knopf mit dem Fokus, sonst OK
    okBtn->setDefault(true);
    verbinde(okBtn, &QPushButton::clicked, this, &Einstellungsfenster::okBtn_Click);
    verbinde(abbrBtn, &QPushButton::clicked, this, &Einstellungsfenster::abbrBtn_Click);
}

QHBoxLayout* Einstellungsfenster::knopfzeile() {
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(okBtn);
    knoepfe->addWidget(abbrBtn);
    return knoepfe;
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
