#include "gamekit/Computerfenster.h"

#include <QLabel>
#include <QVBoxLayout>

namespace varku {

Computerfenster::Computerfenster(QWidget* eltern, const QString& titel, const QString& text,
                                 std::unique_ptr<Timer> zeitgeber)
    : QDialog(eltern), CompZugTimer(std::move(zeitgeber)) {
    setObjectName(QStringLiteral("CompZugFrm"));
    setWindowTitle(titel);
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
    TextLbl = new QLabel(text, this);
    TextLbl->setObjectName(QStringLiteral("TextLbl"));
    TextLbl->setWordWrap(true);
    QFont t = TextLbl->font();
    t.setPointSizeF(t.pointSizeF() * 1.2);
    TextLbl->setFont(t);
    lage->addWidget(WarteLbl, 0, Qt::AlignHCenter);
    lage->addWidget(TextLbl);
    setFixedWidth(420);
}

Computerfenster::~Computerfenster() = default;

void Computerfenster::beende() {
    CompZugTimer->setzeAktiv(false);
    hide();
}

} // namespace varku
