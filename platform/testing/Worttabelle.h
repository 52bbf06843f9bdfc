#pragma once

#include "platform/Recordset.h"

#include <QStringList>

namespace varku::test {

// Eine Wortliste im Speicher, wie WortListe sie hat: RefNr 1, 2, ... und Wort
db::Recordset worttabelle(const QStringList& woerter);

} // namespace varku::test
