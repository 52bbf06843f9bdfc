#include "foundation/Bilder.h"

#include "foundation/Dateisuche.h"
#include "foundation/Global.h"

namespace varku {

QPixmap ladeBild(const QString& name) {
    QPixmap bild;
    bild.load(findeDatei(imProgrammordner(QStringLiteral("Grafik")), name));
    return bild;
}

std::shared_future<QImage> ladeBildImHintergrund(const QString& name) {
    // der Pfad jetzt: ProgPfad gehört dem Fensterfaden
    const QString pfad = findeDatei(imProgrammordner(QStringLiteral("Grafik")), name);
    return std::async(std::launch::async, [pfad] { return QImage(pfad); }).share();
}

} // namespace varku
