#include "platform/Sprachtext.h"

#include <QRegularExpression>

namespace varku {

QString alsSsml(const QString& text) {
    static const QRegularExpression pause(QStringLiteral(R"(\\Pau=(\d{1,5})\\)"),
                                          QRegularExpression::CaseInsensitiveOption);
    QString ergebnis = QStringLiteral("<speak>");
    qsizetype pos = 0;
    auto treffer = pause.globalMatch(text);
    const auto schuetze = [](QString teil) { return teil.toHtmlEscaped(); };
    while (treffer.hasNext()) {
        const auto t = treffer.next();
        ergebnis += schuetze(text.mid(pos, t.capturedStart() - pos));
        ergebnis += QStringLiteral("<break time=\"%1ms\"/>").arg(t.captured(1).toInt());
        pos = t.capturedEnd();
    }
    ergebnis += schuetze(text.mid(pos));
    ergebnis += QStringLiteral("</speak>");
    return ergebnis;
}

} // namespace varku
