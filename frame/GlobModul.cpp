#include "frame/GlobModul.h"

#include "foundation/Global.h"

namespace varku {

QString GlobModul::iniDatei() {
    return imProgrammordner(QStringLiteral("Varku.ini"));
}

void GlobModul::setzePfade() {
    UserPfad = imProgrammordner(QStringLiteral("User"));
    SprachPfad = imProgrammordner(QStringLiteral("Sprache"));
}

} // namespace varku
