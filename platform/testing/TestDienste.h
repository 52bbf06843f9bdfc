#pragma once

#include "FakeAnzeige.h"
#include "FakeHilfe.h"
#include "FakeSound.h"
#include "FakeSprache.h"
#include "FakeUhr.h"
#include "FakeZufall.h"

namespace varku::test {

// Setzt alle Doubles ein und gibt Zugriff auf sie; beim Abbau werden sie entfernt.
class TestDienste {
public:
    TestDienste();
    ~TestDienste();
    TestDienste(const TestDienste&) = delete;
    TestDienste& operator=(const TestDienste&) = delete;

    FakeUhr& uhr;
    FakeZufall& zufall;
    FakeAnzeige& anzeige;
    FakeSound& sound;
    FakeHilfe& hilfe;
    FakeSprache& sprache;
};

} // namespace varku::test
