#include "data/woerter/Quellen.h"

#include "data/woerter/Kachelbild.h"

#include <QFile>
#include <QFileInfo>

namespace varku {

namespace {

// den ganzen Inhalt, oder nullopt und ein Fehler
std::optional<QByteArray> leseDatei(const QString& pfad, Fehlerliste& fehler) {
    QFile datei(pfad);
    if (!QFileInfo(pfad).isFile() || !datei.open(QIODevice::ReadOnly)) {
        fehler.append({pfad, 0,
                       QFileInfo::exists(pfad) ? QStringLiteral("Datei nicht lesbar")
                                               : QStringLiteral("Datei nicht gefunden")});
        return std::nullopt;
    }
    return datei.readAll();
}

} // namespace

Wortquellen ladeWortquellen(const QString& tspPfad, const QString& bausteinePfad,
                            const QStringList& wortdateiPfade) {
    Wortquellen q;
    q.kategorienliste.name = tspPfad;
    if (const auto inhalt = leseDatei(tspPfad, q.lesefehler))
        q.kategorienliste = leseKategorienliste(*inhalt, tspPfad);
    q.bildlisteName = bausteinePfad;
    if (const auto inhalt = leseDatei(bausteinePfad, q.lesefehler))
        q.kachelbilder = leseKachelbilder(*inhalt);
    for (const QString& pfad : wortdateiPfade) {
        if (const auto inhalt = leseDatei(pfad, q.lesefehler))
            q.wortdateien.append(leseWortdatei(*inhalt, pfad));
    }
    return q;
}

} // namespace varku
