#include "foundation/MldFenster.h"

#include "foundation/Symbole.h"
#include "foundation/Twips.h"
#include "platform/Dienste.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <memory>

namespace varku {

const MeldungsEntwurf MldFenster::entwurf{};

MldFenster::MldFenster() {
    setObjectName(QStringLiteral("MldFenster"));
    setWindowTitle(QStringLiteral("Meldung"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    MldFrame = new QFrame(this);
    MldFrame->setObjectName(QStringLiteral("MldFrame"));
    MldFrame->setFrameShape(QFrame::StyledPanel);
    MldFrame->setStyleSheet(QStringLiteral(
        "#MldFrame { background: #fffbe8; border: 2px solid #e8c860; border-radius: 10px; }"));

    Bild = new QLabel(MldFrame);
    Bild->setObjectName(QStringLiteral("Bild"));
    Bild->setPixmap(meldungsSymbol(48));
    setzeTwips(*Bild, 240, entwurf.meldungOben, 720, 720);

    Meldung = new QLabel(MldFrame);
    Meldung->setObjectName(QStringLiteral("Meldung"));
    QFont f = Meldung->font();
    f.setPointSizeF(f.pointSizeF() * 1.25);
    Meldung->setFont(f);
    Meldung->setTextFormat(Qt::PlainText);
    Meldung->move(px(entwurf.meldungLinks), px(entwurf.meldungOben));

    Btn1 = new QPushButton(this);
    Btn1->setObjectName(QStringLiteral("Btn1"));
    Btn2 = new QPushButton(this);
    Btn2->setObjectName(QStringLiteral("Btn2"));
    for (QPushButton* b : {Btn1, Btn2}) {
        b->setVisible(false);
        b->resize(px(entwurf.knopfBreite), px(entwurf.knopfHoehe));
        b->setAutoDefault(false);
    }
    connect(Btn1, &QPushButton::clicked, this, &MldFenster::Btn1_Click);
    connect(Btn2, &QPushButton::clicked, this, &MldFenster::Btn2_Click);
}

void MldFenster::setzeAntwort(const QString& caption) {
    QString a = caption;
    a.remove(QLatin1Char('&'));
    Antwort = a;
}

void MldFenster::Btn1_Click() {
    setzeAntwort(Btn1->text());
    hide();
    Btn1->setVisible(false);
}

void MldFenster::Btn2_Click() {
    setzeAntwort(Btn2->text());
    hide();
    Btn2->setVisible(false);
}

void MldFenster::ordneAn(const QString& text, const QString& knopf1, const QString& knopf2,
                         const QString& titel) {
    setWindowTitle(titel);
    Meldung->setText(alsAnzeigeText(text));
    Meldung->adjustSize();
    const QRectF m = rechteckTwips(*Meldung);
    const MeldungsLayout l =
        ordneMeldungAn(entwurf, m.width(), m.height(), !knopf1.isEmpty(), !knopf2.isEmpty());
    setzeTwips(*MldFrame, entwurf.rahmenLinks, entwurf.rahmenOben, l.rahmenBreite, l.rahmenHoehe);
    const auto setzeKnopf = [&](QPushButton* b, const QString& caption, bool sichtbar,
                                double links) {
        if (!caption.isEmpty())
            b->setText(caption);
        setzeTwips(*b, links, l.knopfOben, entwurf.knopfBreite, entwurf.knopfHoehe);
        b->setVisible(sichtbar);
    };
    setzeKnopf(Btn1, knopf1, l.knopf1Sichtbar, l.knopf1Links);
    setzeKnopf(Btn2, knopf2, l.knopf2Sichtbar, l.knopf2Links);
    setFixedSize(px(l.fensterBreite), px(l.fensterHoehe));
    if (l.knopf1Sichtbar)
        Btn1->setFocus();
    else if (l.knopf2Sichtbar)
        Btn2->setFocus();
}

void zeigeMeldung(const QString& text, const QString& knopf1, const QString& knopf2,
                  const QString& titel) {
    MldFenster& f = MldFenster::instanz();
    f.ordneAn(text, knopf1, knopf2, titel);
    dienste::anzeige().zeigeModal(f);
}

} // namespace varku
