#include "frame/FehlerMldFrm.h"

#include "foundation/Symbole.h"
#include "platform/Dienste.h"
#include "platform/Rand.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varku {

FehlerMldFrm::FehlerMldFrm()
    : Meldungsrahmen(QStringLiteral("FehlerMldFrm"), QStringLiteral("Fehler"),
                     {meldungsSymbol(56), "#fff6ee", "#f0a878"}) {
    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(MldFrame);
    auto* innen = new QHBoxLayout(MldFrame);
    innen->setContentsMargins(14, 14, 18, 14);
    innen->setSpacing(14);
    innen->addWidget(Bild, 0, Qt::AlignTop);
    auto* texte = new QVBoxLayout;
    FehlerNameLbl = neuerText(QStringLiteral("FehlerNameLbl"), 1.7, true);
    FehlerNameLbl->setStyleSheet(QStringLiteral("color: #c0392b;"));
    FehlerHinweisLbl = neuerText(QStringLiteral("FehlerHinweisLbl"), 1.2);
    texte->addWidget(FehlerNameLbl);
    texte->addWidget(FehlerHinweisLbl);
    innen->addLayout(texte, 1);

    auto* knoepfe = new QHBoxLayout;
    WortSprBtn = neuerKnopf(QStringLiteral("&Wort anhören"), QStringLiteral("WortSprBtn"));
    FehlerSprBtn = neuerKnopf(QStringLiteral("&Eingabe anhören"), QStringLiteral("FehlerSprBtn"));
    okBtn = neuerKnopf(QStringLiteral("&OK"), QStringLiteral("okBtn"));
    for (QPushButton* b : {WortSprBtn, FehlerSprBtn, okBtn}) {
        b->setMinimumHeight(36);
        b->setAutoDefault(false);
        knoepfe->addWidget(b);
    }
    okBtn->setDefault(true);
    okBtn->setAutoDefault(true);
    aussen->addLayout(knoepfe);
    verbinde(WortSprBtn, &QPushButton::clicked, this, &FehlerMldFrm::WortSprBtn_Click);
    verbinde(FehlerSprBtn, &QPushButton::clicked, this, &FehlerMldFrm::FehlerSprBtn_Click);
    verbinde(okBtn, &QPushButton::clicked, this, &FehlerMldFrm::okBtn_Click);
}

void FehlerMldFrm::WortSprBtn_Click() {
    dienste::sprache().sprich(wortText);
}

void FehlerMldFrm::FehlerSprBtn_Click() {
    dienste::sprache().sprich(eingabeText);
}

void FehlerMldFrm::okBtn_Click() {
    hide();
}

} // namespace varku
