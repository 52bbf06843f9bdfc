#include "data/woerter/Kachelbild.h"

#include "foundation/ElementLeser.h"

namespace varku {

namespace {

bool istZiffer(QChar z) {
    return z >= u'0' && z <= u'9';
}

} // namespace

QString kachelbildDerKategorie(const QString& code) {
    QString kern;
    if (code.size() >= 4 && istZiffer(code[2]))
        kern = code.left(2) + (istZiffer(code[3]) ? QChar(u'_') : code[3]);
    else if (code.startsWith(QLatin1String("LT")))
        kern = QStringLiteral("LT_");
    else
        kern = code.left(3);
    return QStringLiteral("BST_") + kern + QStringLiteral(".gif");
}

QSet<QString> leseKachelbilder(const QByteArray& inhalt) {
    QSet<QString> namen;
    for (const RohZeile& roh : zerlegeInZeilen(inhalt)) {
        QString zeile = QString::fromUtf8(roh.inhalt);
        if (zeile.startsWith(QChar(0xfeff)))
            zeile.remove(0, 1);
        zeile = zeile.trimmed();
        if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('#')))
            continue;
        namen.insert(zeile.section(QLatin1Char('|'), 0, 0).trimmed());
    }
    return namen;
}

} // namespace varku
