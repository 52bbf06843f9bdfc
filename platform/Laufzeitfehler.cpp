#include "platform/Laufzeitfehler.h"

namespace varku {

Laufzeitfehler::Laufzeitfehler(int nummer, QString text, QString betrifft)
    : m_nummer(nummer), m_text(std::move(text)), m_betrifft(std::move(betrifft)) {
    m_what = meldung().toStdString();
}

QString Laufzeitfehler::meldung() const {
    QString s = QStringLiteral("Laufzeitfehler %1: %2").arg(m_nummer).arg(m_text);
    if (!m_betrifft.isEmpty())
        s += QStringLiteral(": ") + m_betrifft;
    return s;
}

} // namespace varku
