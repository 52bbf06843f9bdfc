#pragma once

#include <QString>

namespace varku {

// Der Text für die Sprachausgabe als SSML: Sonderzeichen geschützt, die Pausenmarke
// "\Pau=500\" als Pause von 500 ms.
QString alsSsml(const QString& text);

} // namespace varku
