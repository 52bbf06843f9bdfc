#include "foundation/EndeFrm.h"

#include "foundation/Symbole.h"
#include "foundation/Twips.h"
#include "platform/Dienste.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <memory>

namespace varku {

EndeFrm::EndeFrm() {
    setObjectName(QStringLiteral("EndeFrm"));
    setWindowTitle(QStringLiteral("VARKU beenden"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    MldFrame = new QFrame(this);
    MldFrame->setObjectName(QStringLiteral("MldFrame"));
    MldFrame->setStyleSheet(QStringLiteral(
        "#MldFrame { background: #eef6ff; border: 2px solid #8cb8e8; border-radius: 10px; }"));
    setzeTwips(*MldFrame, 240, 160, 6600, 1800);

    Bild = new QLabel(MldFrame);
    Bild->setObjectName(QStringLiteral("Bild"));
    Bild->setPixmap(frageSymbol(48));
    setzeTwips(*Bild, 240, 480, 720, 720);

    Meldung = new QLabel(MldFrame);
    Meldung->setObjectName(QStringLiteral("Meldung"));
    Meldung->setWordWrap(true);
    Meldung->setTextFormat(Qt::PlainText);
    QFont f = Meldung->font();
    f.setPointSizeF(f.pointSizeF() * 1.25);
    Meldung->setFont(f);
    setzeTwips(*Meldung, 1140, 240, 5280, 1320);

    jaBtn = new QPushButton(QStringLiteral("&ja"), this);
    jaBtn->setObjectName(QStringLiteral("jaBtn"));
    neinBtn = new QPushButton(QStringLiteral("&nein"), this);
    neinBtn->setObjectName(QStringLiteral("neinBtn"));
    setzeTwips(*jaBtn, 240, 2160, 1500, 510);
    setzeTwips(*neinBtn, 5340, 2160, 1500, 510);
    neinBtn->setDefault(true);
    connect(jaBtn, &QPushButton::clicked, this, &EndeFrm::jaBtn_Click);
    connect(neinBtn, &QPushButton::clicked, this, &EndeFrm::neinBtn_Click);
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
