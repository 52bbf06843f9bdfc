#include "foundation/Global.h"

namespace varku {

QString ProgPfad;
QString Meldungstext;
int UebNr = 0;

QString imProgrammordner(const QString& name) {
    return ProgPfad + QLatin1Char('/') + name;
}

} // namespace varku
