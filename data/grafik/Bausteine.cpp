#include "data/grafik/Bausteine.h"

#include <QFile>
#include <QSet>

namespace varku {

namespace {

QString pruefeDateiname(const QString& datei) {
    if (datei.isEmpty())
        return QStringLiteral("kein Bildname");
    if (!datei.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive) || datei.size() < 5)
        return QStringLiteral("Bildname endet nicht auf .gif: ") + datei;
    for (const QChar z : datei) {
        if (z == QLatin1Char('/') || z == QLatin1Char('\\') || z == QLatin1Char(':') || z.isSpace())
            return QStringLiteral("unerlaubtes Zeichen im Bildnamen: ") + datei;
    }
    return {};
}

} // namespace

BausteinListe leseBausteine(const QByteArray& inhalt) {
    BausteinListe liste;
    QString text = QString::fromUtf8(inhalt);
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    QSet<QString> gesehen;
    const QStringList zeilen = text.split(QLatin1Char('\n'));
    for (int nr = 0; nr < zeilen.size(); ++nr) {
        const QString zeile = zeilen[nr].trimmed();
        if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('#')))
            continue;
        const auto fehler = [&](const QString& was) {
            liste.fehler.append(QStringLiteral("Zeile %1: %2").arg(nr + 1).arg(was));
        };
        const qsizetype strich = zeile.indexOf(QLatin1Char('|'));
        if (strich < 0) {
            fehler(QStringLiteral("kein '|' zwischen Bild und Text"));
            continue;
        }
        Baustein b{zeile.left(strich).trimmed(), zeile.mid(strich + 1).trimmed()};
        const QString falsch = pruefeDateiname(b.datei);
        if (!falsch.isEmpty()) {
            fehler(falsch);
            continue;
        }
        if (b.text.isEmpty()) {
            fehler(QStringLiteral("kein Text für ") + b.datei);
            continue;
        }
        // Dateisysteme unter Windows unterscheiden die Schreibung nicht
        if (gesehen.contains(b.datei.toLower())) {
            fehler(QStringLiteral("doppelt: ") + b.datei);
            continue;
        }
        gesehen.insert(b.datei.toLower());
        liste.bausteine.append(b);
    }
    return liste;
}

BausteinListe leseBausteinDatei(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return {{}, {QStringLiteral("nicht lesbar: ") + pfad}};
    return leseBausteine(datei.readAll());
}

} // namespace varku
