#pragma once

#include "platform/HilfeEngine.h"

#include <QString>
#include <vector>

namespace varku::test {

class FakeHilfe : public HilfeEngine {
public:
    struct Aufruf {
        QString datei;
        int befehl;
        long kontext;
        bool operator==(const Aufruf&) const = default;
    };

    bool oeffne(const QString& datei, int befehl, long kontext) override {
        aufrufe.push_back({datei, befehl, kontext});
        return dateienVorhanden;
    }
    void schliesseAlle(const QString& datei) override {
        aufrufe.push_back({datei, AlleSchliessen, 0});
    }

    std::vector<Aufruf> aufrufe;
    bool dateienVorhanden = true;
};

} // namespace varku::test
