#include "foundation/Meldungsrahmen.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

namespace varku {

Meldungsrahmen::Meldungsrahmen(const QString& name, const QString& titel,
                               const Aussehen& aussehen) {
    setObjectName(name);
    setWindowTitle(titel);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    MldFrame = new QFrame(this);
    MldFrame->setObjectName(QStringLiteral("MldFrame"));
    MldFrame->setFrameShape(QFrame::StyledPanel);
    MldFrame->setStyleSheet(
        QStringLiteral("#MldFrame { background: %1; border: 2px solid %2; border-radius: 10px; }")
            .arg(QLatin1String(aussehen.hintergrund), QLatin1String(aussehen.randfarbe)));

    Bild = new QLabel(MldFrame);
    Bild->setObjectName(QStringLiteral("Bild"));
    Bild->setPixmap(aussehen.bild);
    Bild->setAlignment(Qt::AlignCenter);
}

void Meldungsrahmen::reject() {
    // auch das Schließfeld kommt hierher
    QPushButton* knopf = abbrechenKnopf();
    if (knopf && knopf->isVisible() && knopf->isEnabled())
        knopf->click();
}

void Meldungsrahmen::keyPressEvent(QKeyEvent* e) {
    const QString text = e->text();
    if (!(e->modifiers() & ~Qt::ShiftModifier) && text.size() == 1 && text.at(0).isLetter()) {
        for (QPushButton* knopf : findChildren<QPushButton*>()) {
            const QString caption = knopf->text();
            const qsizetype amp = caption.indexOf(QRegularExpression(QStringLiteral("&[^&]")));
            if (amp >= 0 && caption.at(amp + 1).toLower() == text.at(0).toLower() &&
                knopf->isVisible() && knopf->isEnabled()) {
                knopf->click();
                return;
            }
        }
    }
    QDialog::keyPressEvent(e);
}

QLabel* Meldungsrahmen::neuerText(const QString& name, double groesser, bool fett) {
    auto* text = new QLabel(MldFrame);
    text->setObjectName(name);
    text->setTextFormat(Qt::PlainText);
    QFont f = text->font();
    f.setPointSizeF(f.pointSizeF() * groesser);
    f.setBold(fett);
    text->setFont(f);
    return text;
}

QPushButton* Meldungsrahmen::neuerKnopf(const QString& caption, const QString& name) {
    auto* knopf = new QPushButton(caption, this);
    knopf->setObjectName(name);
    return knopf;
}

} // namespace varku
