#include "games/wheel/CompZugFrm.h"

#include "foundation/Routinen.h"
#include "games/wheel/MainFrm.h"
#include "platform/Dienste.h"

#include <QLabel>
#include <QVBoxLayout>

namespace varku::zirkomat {

CompZugFrm::CompZugFrm(MainFrm& haupt) : QDialog(&haupt), m_haupt(haupt) {
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
    CompZugTimer = dienste::uhr().neuerTimer();
    CompZugTimer->beiTick = [this] { CompZugTimer_Timer(); };
}

CompZugFrm::~CompZugFrm() = default;

void CompZugFrm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    Form_Activate();
}

void CompZugFrm::Form_Activate() {
    tickZaehler = 0;
    m_haupt.RadDrehen();
}

void CompZugFrm::CompZugTimer_Timer() {
    if (m_haupt.beendet()) {
        CompZugTimer->setzeAktiv(false);
        return;
    }
    if (tickZaehler < zielTicks) {
        ++tickZaehler;
        // das Rad hält drei Takte vor dem Zug an
        if (zielTicks - tickZaehler == 3)
            m_haupt.RadStoppen();
    }
    if (tickZaehler < zielTicks)
        return;
    CompZugTimer->setzeAktiv(false);
    if (m_haupt.simuliereComputerZug()) {
        hide();
        return;
    }
    if (m_haupt.beendet())
        return;
    zielTicks = zufallszahl(20, 80);
    tickZaehler = 0;
    CompZugTimer->setzeAktiv(true);
    m_haupt.RadDrehen();
}

} // namespace varku::zirkomat
