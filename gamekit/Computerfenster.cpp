#include "gamekit/Computerfenster.h"

#include "foundation/Bilder.h"
#include "foundation/Twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace varku {

Computerfenster::Computerfenster(QWidget* eltern, const QString& titel, const QString& text,
                                 std::unique_ptr<Timer> zeitgeber, bool mitBild)
    : QDialog(eltern), CompZugTimer(std::move(zeitgeber)) {
    CompZugTimer->beiTick = [this] { CompZugTimer_Timer(); };
    setObjectName(QStringLiteral("CompZugFrm"));
    setWindowTitle(titel);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setStyleSheet(QStringLiteral("#CompZugFrm { background: #fff8e1; }"));
    auto* lage = new QHBoxLayout(this);
    lage->setContentsMargins(24, 18, 24, 18);
    lage->setSpacing(18);
    if (mitBild) {
        Image1 = new QLabel(this);
        Image1->setObjectName(QStringLiteral("Image1"));
        Image1->setFixedSize(px(bildGroesse), px(bildGroesse));
        Image1->setScaledContents(true);
        Image1->setPixmap(ladeBild(QStringLiteral("ComputerBild.png")));
        lage->addWidget(Image1, 0, Qt::AlignVCenter);
    }
    auto* texte = new QVBoxLayout;
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
    texte->addWidget(WarteLbl, 0, Qt::AlignHCenter);
    texte->addWidget(TextLbl);
    lage->addLayout(texte, 1);
    // die Texte behalten ihre Breite, das Bild kommt dazu
    setFixedWidth(420 + (Image1 ? Image1->width() + lage->spacing() : 0));
}

Computerfenster::~Computerfenster() = default;

void Computerfenster::warteTakte(int n, std::function<void()> dann,
                                 std::function<bool()> zugLaeuft) {
    m_restTakte = std::max(1, n);
    m_dann = std::move(dann);
    m_zugLaeuft = std::move(zugLaeuft);
    CompZugTimer->setzeAktiv(true);
}

void Computerfenster::CompZugTimer_Timer() {
    if (m_zugLaeuft && !m_zugLaeuft()) {
        beende();
        return;
    }
    if (m_restTakte <= 0 || --m_restTakte > 0)
        return;
    CompZugTimer->setzeAktiv(false);
    // was geschieht, darf schon das nächste Warten beginnen
    const std::function<void()> dann = std::exchange(m_dann, nullptr);
    if (dann)
        dann();
}

void Computerfenster::beende() {
    CompZugTimer->setzeAktiv(false);
    m_restTakte = 0;
    m_dann = nullptr;
    m_zugLaeuft = nullptr;
    hide();
}

} // namespace varku
