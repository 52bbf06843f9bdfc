#include "foundation/EndeFrm.h"

#include "foundation/Symbole.h"
#include "foundation/Twips.h"
#include "platform/Dienste.h"
#include "platform/Rand.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace varku {

EndeFrm::EndeFrm()
    : Meldungsrahmen(QStringLiteral("EndeFrm"), QStringLiteral("VARKU beenden"),
                     {frageSymbol(48), "#eef6ff", "#8cb8e8"}) {
    setzeTwips(*MldFrame, 240, 160, 6600, 1800);
    setzeTwips(*Bild, 240, 480, 720, 720);

    Meldung = neuerText(QStringLiteral("Meldung"), 1.25);
    Meldung->setWordWrap(true);
    setzeTwips(*Meldung, 1140, 240, 5280, 1320);

    jaBtn = neuerKnopf(QStringLiteral("&ja"), QStringLiteral("jaBtn"));
    neinBtn = neuerKnopf(QStringLiteral("&nein"), QStringLiteral("neinBtn"));
    setzeTwips(*jaBtn, 240, 2160, 1500, 510);
    setzeTwips(*neinBtn, 5340, 2160, 1500, 510);
    neinBtn->setDefault(true);
    verbinde(jaBtn, &QPushButton::clicked, this, &EndeFrm::jaBtn_Click);
    verbinde(neinBtn, &QPushButton::clicked, this, &EndeFrm::neinBtn_Click);
    setFixedSize(px(7080), px(3150));
}

QString EndeFrm::frage(const QString& text) {
    Meldung->setText(text);
    neinBtn->setFocus();
    dienste::anzeige().zeigeModal(*this);
    return Antwort;
}

void EndeFrm::jaBtn_Click() {
    Antwort = QStringLiteral("ja");
    hide();
}

void EndeFrm::neinBtn_Click() {
    Antwort = QStringLiteral("nein");
    hide();
}

} // namespace varku
