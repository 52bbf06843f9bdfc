#include "foundation/Hintergrundfenster.h"

#include "foundation/Bilder.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace varku {

Hintergrundfenster::Hintergrundfenster(const QString& objektName, const QString& titel,
                                       const QString& bild)
    : m_bild(ladeBild(bild)) {
    setObjectName(objektName);
    setWindowTitle(titel);
    if (QScreen* s = QGuiApplication::primaryScreen())
        setGeometry(s->availableGeometry());
}

void Hintergrundfenster::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_bild.isNull()) {
        p.fillRect(rect(), QColor(200, 228, 250));
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), m_bild);
}

} // namespace varku
