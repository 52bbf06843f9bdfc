#include "frame/VarkuHintergrundForm.h"

#include "foundation/Bilder.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace varku {

VarkuHintergrundForm::VarkuHintergrundForm()
    : m_bild(ladeBild(QStringLiteral("VarkuHintergrund.png"))) {
    setObjectName(QStringLiteral("VarkuHintergrundForm"));
    setWindowTitle(QStringLiteral("VARKU"));
    if (QScreen* s = QGuiApplication::primaryScreen())
        setGeometry(s->availableGeometry());
}

void VarkuHintergrundForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_bild.isNull()) {
        p.fillRect(rect(), QColor(200, 228, 250));
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), m_bild);
}

} // namespace varku
