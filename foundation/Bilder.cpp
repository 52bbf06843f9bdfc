#include "foundation/Bilder.h"

#include "foundation/Dateisuche.h"
#include "foundation/Global.h"

namespace varku {

QPixmap ladeBild(const QString& name) {
    QPixmap bild;
    bild.load(findeDatei(imProgrammordner(QStringLiteral("Grafik")), name));
    return bild;
}

} // namespace varku
