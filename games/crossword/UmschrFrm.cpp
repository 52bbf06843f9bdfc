#include "games/crossword/UmschrFrm.h"

#include "foundation/Benannt.h"
#include "gamekit/Spielfenster.h"
#include "platform/Rand.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace varku::wendomar {

namespace {

// eine Glühbirne als Schmuck: hier geht einem ein Licht auf
QPixmap gluehbirne(int g) {
    QPixmap bild(g, g);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 110, 0), g / 24.0));
    p.setBrush(QColor(255, 226, 90));
    p.drawEllipse(QRectF(g * 0.2, g * 0.08, g * 0.6, g * 0.6));
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(g * 0.36, g * 0.66, g * 0.28, g * 0.22), g * 0.05, g * 0.05);
    p.setPen(QPen(QColor(255, 255, 255, 200), g / 16.0, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(g * 0.3, g * 0.18, g * 0.3, g * 0.3), 100 * 16, 80 * 16);
    return bild;
}

} // namespace

UmschrFrm::UmschrFrm(QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("UmschrFrm"));
    setWindowTitle(QStringLiteral("Lösungshilfe"));
    setModal(true);
    Label1 = benannt(
        new QLabel(QStringLiteral("Gesucht wird ein anderes Wort für folgenden Begriff:"), this),
        "Label1");
    pFrame = benannt(new QFrame(this), "pFrame");
    pFrame->setFrameShape(QFrame::StyledPanel);
    pFrame->setMinimumSize(420, 110);
    ParaphrLbl = benannt(new QLabel(pFrame), "ParaphrLbl");
    ParaphrLbl->setFont(QFont(QStringLiteral("Arial")));
    ParaphrLbl->setAlignment(Qt::AlignCenter);
    ParaphrLbl->setWordWrap(true);
    auto* rahmen = new QVBoxLayout(pFrame);
    rahmen->addWidget(ParaphrLbl, 0, Qt::AlignVCenter);
    BspSatzBtn = benannt(new QPushButton(QStringLiteral("&Beispielsatz"), this), "BspSatzBtn");
    okBtn = benannt(new QPushButton(QStringLiteral("&OK"), this), "okBtn");
    for (QPushButton* b : {BspSatzBtn, okBtn})
        b->setMinimumSize(120, 36);
    okBtn->setDefault(true);
    auto* Image1 = benannt(new QLabel(this), "Image1");
    Image1->setPixmap(gluehbirne(64));

    auto* oben = new QHBoxLayout;
    oben->addWidget(Image1, 0, Qt::AlignTop);
    auto* text = new QVBoxLayout;
    text->addWidget(Label1);
    text->addWidget(pFrame, 1);
    oben->addLayout(text, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BspSatzBtn);
    knoepfe->addWidget(okBtn);
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(16, 16, 16, 16);
    aussen->addLayout(oben, 1);
    aussen->addLayout(knoepfe);
    setTabOrder(BspSatzBtn, okBtn);

    verbinde(BspSatzBtn, &QPushButton::clicked, this, [this] { emit beispielsatzGewuenscht(); });
    verbinde(okBtn, &QPushButton::clicked, this, &UmschrFrm::okBtn_Click);
}

void UmschrFrm::zeigeUmschreibung(const QString& text) {
    ParaphrLbl->setText(text);
    // eine lange Umschreibung bricht um, auf höchstens drei Zeilen, und wird dafür kleiner,
    // aber nie unter 6 Punkte
    ParaphrLbl->setFixedWidth(pFrame->minimumWidth() - 20);
    passeSchriftAn(*ParaphrLbl, text, 16, 6, 3);
}

void UmschrFrm::okBtn_Click() {
    emit geschlossen();
    hide();
}

} // namespace varku::wendomar
