#pragma once

#include "platform/Prozess.h"

namespace varku {

class EchterProzess : public Prozess {
public:
    bool starteUndWarte(const QString& programm, const QStringList& argumente) override;
};

} // namespace varku
