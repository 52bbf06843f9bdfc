#include "frame/FehlerMldFrm.h"

#include "foundation/Symbole.h"
#include "platform/Dienste.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace varku {

FehlerMldFrm::FehlerMldFrm() {
    setObjectName(QStringLiteral("FehlerMldFrm"));
    setWindowTitle(QStringLiteral("Fehler"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setStyleSheet(QStringLiteral("#FehlerMldFrm { background: #fff6ee; }"));

    auto* aussen = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    Bild = new QLabel(this);
    Bild->setObjectName(QStringLiteral("Bild"));
    Bild->setPixmap(meldungsSymbol(56));
    oben->addWidget(Bild, 0, Qt::AlignTop);
    auto* texte = new QVBoxLayout;
    FehlerNameLbl = new QLabel(this);
    FehlerNameLbl->setObjectName(QStringLiteral("FehlerNameLbl"));
    QFont gross = FehlerNameLbl->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.7);
    gross.setBold(true);
    FehlerNameLbl->setFont(gross);
    FehlerNameLbl->setStyleSheet(QStringLiteral("color: #c0392b;"));
    FehlerHinweisLbl = new QLabel(this);
    FehlerHinweisLbl->setObjectName(QStringLiteral("FehlerHinweisLbl"));
    QFont hinweis = FehlerHinweisLbl->font();
    hinweis.setPointSizeF(hinweis.pointSizeF() * 1.2);
    FehlerHinweisLbl->setFont(hinweis);
    texte->addWidget(FehlerNameLbl);
    texte->addWidget(FehlerHinweisLbl);
    oben->addLayout(texte, 1);
    aussen->addLayout(oben);

    auto* knoepfe = new QHBoxLayout;
    WortSprBtn = new QPushButton(QStringLiteral("&Wort anhören"), this);
    WortSprBtn->setObjectName(QStringLiteral("WortSprBtn"));
    FehlerSprBtn = new QPushButton(QStringLiteral("&Eingabe anhören"), this);
    FehlerSprBtn->setObjectName(QStringLiteral("FehlerSprBtn"));
    okBtn = new QPushButton(QStringLiteral("&OK"), this);
    okBtn->setObjectName(QStringLiteral("okBtn"));
    okBtn->setDefault(true);
    for (QPushButton* b : {WortSprBtn, FehlerSprBtn, okBtn}) {
        b->setMinimumHeight(36);
        b->setAutoDefault(false);
        knoepfe->addWidget(b);
    }
    okBtn->setAutoDefault(true);
    aussen->addLayout(knoepfe);
    connect(WortSprBtn, &QPushButton::clicked, this, &FehlerMldFrm::WortSprBtn_Click);
    connect(FehlerSprBtn, &QPushButton::clicked, this, &FehlerMldFrm::FehlerSprBtn_Click);
    connect(okBtn, &QPushButton::clicked, this, &FehlerMldFrm::okBtn_Click);
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
