#include "Bilder.h"

#include "Dateisuche.h"
#include "Global.h"

namespace varku {

QPixmap ladeBild(const QString& name) {
    QPixmap bild;
    bild.load(findeDatei(imProgrammordner(QStringLiteral("Grafik")), name));
    return bild;
}

} // namespace varku
