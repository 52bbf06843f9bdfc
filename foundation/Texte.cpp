#include "foundation/Texte.h"

#include <algorithm>

namespace varku {

QChar grossbuchstabe(QChar c) {
    if (c == u'ß')
        return c;
    const QString gross = QString(c).toUpper();
    // nur eine Entsprechung aus einem Zeichen zählt
    return gross.size() == 1 ? gross.at(0) : c;
}

QString grossJeZeichen(const QString& text) {
    QString s = text;
    for (QChar& c : s)
        c = grossbuchstabe(c);
    return s;
}

QString duOderIhr(int menschen, const QString& du, const QString& ihr) {
    return menschen < 2 ? du : ihr;
}

QString holeVorname(const QString& name) {
    const qsizetype blank = name.indexOf(u' ');
    return blank < 0 ? name : name.left(blank);
}

QString bereinigeEingabe(const QString& text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        const QChar::Category k = c.category();
        // Steuerzeichen, Zeilen- und Absatztrenner
        if (k == QChar::Other_Control || k == QChar::Separator_Line ||
            k == QChar::Separator_Paragraph)
            continue;
        s += c;
    }
    return s.normalized(QString::NormalizationForm_C);
}

bool istSpielwort(const QString& wort) {
    return !wort.isEmpty() && std::none_of(wort.begin(), wort.end(), [](QChar c) {
        return c.isSurrogate() || c.isMark() || c.category() == QChar::Other_Control;
    });
}

} // namespace varku
