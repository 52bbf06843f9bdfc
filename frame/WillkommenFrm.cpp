#include "frame/WillkommenFrm.h"

#include "foundation/Bilder.h"
#include "foundation/Hilfe.h"
#include "foundation/HilfeKontext.h"
#include "platform/Dienste.h"
#include "platform/HilfeEngine.h"
#include "platform/ModalAnzeige.h"
#include "platform/Rand.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varku {

WillkommenFrm::WillkommenFrm() {
    setObjectName(QStringLiteral("WillkommenFrm"));
    setWindowTitle(QStringLiteral("Willkommen"));
    setModal(true);

    auto* aussen = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    Bild = new QLabel(this);
    Bild->setObjectName(QStringLiteral("Bild"));
    Bild->setPixmap(ladeBild(QStringLiteral("Willkommen.png")));
    oben->addWidget(Bild, 0, Qt::AlignTop);
    InfoLbl = new QLabel(this);
    InfoLbl->setObjectName(QStringLiteral("InfoLbl"));
    InfoLbl->setWordWrap(true);
    InfoLbl->setMinimumWidth(360);
    QFont f = InfoLbl->font();
    f.setPointSizeF(f.pointSizeF() * 1.15);
    InfoLbl->setFont(f);
    oben->addWidget(InfoLbl, 1);
    aussen->addLayout(oben);

    auto* knoepfe = new QHBoxLayout;
    HilfeBtn = new QPushButton(QStringLiteral("&Hilfe"), this);
    HilfeBtn->setObjectName(QStringLiteral("HilfeBtn"));
    okBtn = new QPushButton(QStringLiteral("&OK"), this);
    okBtn->setObjectName(QStringLiteral("okBtn"));
    okBtn->setDefault(true);
    for (QPushButton* b : {HilfeBtn, okBtn})
        b->setMinimumSize(100, 34);
    knoepfe->addWidget(HilfeBtn);
    knoepfe->addStretch();
    knoepfe->addWidget(okBtn);
    aussen->addLayout(knoepfe);
    verbinde(HilfeBtn, &QPushButton::clicked, this, &WillkommenFrm::HilfeBtn_Click);
    verbinde(okBtn, &QPushButton::clicked, this, &WillkommenFrm::okBtn_Click);
    Form_Load();
}

void WillkommenFrm::Form_Load() {
    InfoLbl->setText(QStringLiteral(
        "Hallo und herzlich willkommen bei VARKU!\n\n"
        "Hier übst du Rechtschreiben: Du liest oder hörst ein Wort und schreibst es auf. "
        "Für jedes richtige Wort bekommt deine Gruppe Punkte. Bei 1000 Punkten warten "
        "fünf Wortspiele auf euch.\n\n"
        "Wie alles geht, erfährst du mit „Hilfe“. Mit „OK“ geht es los."));
}

void WillkommenFrm::HilfeBtn_Click() {
    oeffneHilfe(QStringLiteral("Varku.chm"), HilfeEngine::Kontext, 2001);
}

// Das Fenster bleibt stehen, bis das Hauptfenster über ihm gezeichnet ist (verborgen wird es
// beim Start); sonst schiene dazwischen der Hintergrund durch. Bedient wird es nicht mehr: es
// zeichnet sich auch nicht neu, wenn es nicht mehr aktiv ist.
void WillkommenFrm::okBtn_Click() {
    setUpdatesEnabled(false);
    dienste::anzeige().entlasse(*this);
}

} // namespace varku
