#pragma once

#include "platform/Prozess.h"

#include <functional>

namespace varku {

class EchterProzess : public Prozess {
public:
    // beiGriff: wer ein Fenster des Wartenden anklickt oder aktiviert, bekommt das gestartete
    // Programm nach vorn (mit seiner Prozessnummer)
    explicit EchterProzess(std::function<void(qint64 prozess)> beiGriff = {})
        : m_beiGriff(std::move(beiGriff)) {}
    bool starteUndWarte(const QString& programm, const QStringList& argumente) override;

private:
    std::function<void(qint64)> m_beiGriff;
};

} // namespace varku
