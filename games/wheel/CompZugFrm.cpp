#include "games/wheel/CompZugFrm.h"

#include <QLabel>
#include <QVBoxLayout>

namespace varku::zirkomat {

CompZugFrm::CompZugFrm(QWidget* eltern, std::unique_ptr<Timer> zeitgeber)
    : QDialog(eltern), CompZugTimer(std::move(zeitgeber)) {
    setObjectName(QStringLiteral("CompZugFrm"));
    setWindowTitle(QStringLiteral("Zirkomat"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setStyleSheet(QStringLiteral("#CompZugFrm { background: #fff8e1; }"));
    auto* lage = new QVBoxLayout(this);
    lage->setContentsMargins(24, 18, 24, 18);
    WarteLbl = new QLabel(QStringLiteral("Bitte warten!"), this);
    WarteLbl->setObjectName(QStringLiteral("WarteLbl"));
    QFont f = WarteLbl->font();
    f.setPointSizeF(f.pointSizeF() * 1.6);
    f.setBold(true);
    WarteLbl->setFont(f);
    WarteLbl->setStyleSheet(QStringLiteral("color: #d35400;"));
    TextLbl = new QLabel(
        QStringLiteral("Ich darf jetzt das Zirkomat drehen und einen Buchstaben raten."), this);
    TextLbl->setObjectName(QStringLiteral("TextLbl"));
    TextLbl->setWordWrap(true);
    QFont t = TextLbl->font();
    t.setPointSizeF(t.pointSizeF() * 1.2);
    TextLbl->setFont(t);
    lage->addWidget(WarteLbl, 0, Qt::AlignHCenter);
    lage->addWidget(TextLbl);
    setFixedWidth(420);
    CompZugTimer->setzeIntervall(100);
    CompZugTimer->beiTick = [this] { CompZugTimer_Timer(); };
}

CompZugFrm::~CompZugFrm() = default;

void CompZugFrm::beginne(int ziel) {
    zielTicks = ziel;
    tickZaehler = 0;
    CompZugTimer->setzeIntervall(100);
    CompZugTimer->setzeAktiv(true);
}

void CompZugFrm::beende() {
    CompZugTimer->setzeAktiv(false);
    hide();
}

void CompZugFrm::CompZugTimer_Timer() {
    if (tickZaehler < zielTicks) {
        ++tickZaehler;
        // das Rad hält drei Takte vor dem Zug an
        if (zielTicks - tickZaehler == 3)
            emit anhalten();
    }
    if (tickZaehler < zielTicks)
        return;
    CompZugTimer->setzeAktiv(false);
    emit ziehen();
}

} // namespace varku::zirkomat
