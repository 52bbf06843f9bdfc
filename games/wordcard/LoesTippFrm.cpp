#include "games/wordcard/LoesTippFrm.h"

#include "foundation/Benannt.h"
#include "platform/Rand.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varku::zelko {

LoesTippFrm::LoesTippFrm(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("LoesTippFrm"));
    setWindowTitle(QStringLiteral("Lösungstipp"));
    TippFrame = benannt(new QGroupBox(this), "TippFrame");
    KatKurzHilfeLbl = benannt(new QLabel(TippFrame), "KatKurzHilfeLbl");
    KatKurzHilfeLbl->setWordWrap(true);
    QFont tf = KatKurzHilfeLbl->font();
    tf.setPointSize(14);
    KatKurzHilfeLbl->setFont(tf);
    KatKurzHilfeLbl->setMinimumWidth(360);
    auto* rl = new QVBoxLayout(TippFrame);
    rl->addWidget(KatKurzHilfeLbl);
    auto* ok = benannt(new QPushButton(QStringLiteral("&OK"), this), "okBtn");
    ok->setDefault(true);
    verbinde(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* lage = new QVBoxLayout(this);
    lage->setContentsMargins(16, 16, 16, 16);
    lage->addWidget(TippFrame);
    lage->addWidget(ok, 0, Qt::AlignHCenter);
    lage->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace varku::zelko
