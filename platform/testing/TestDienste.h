#pragma once

#include "platform/testing/FakeAnzeige.h"
#include "platform/testing/FakeDrucker.h"
#include "platform/testing/FakeHilfe.h"
#include "platform/testing/FakeProzess.h"
#include "platform/testing/FakeSound.h"
#include "platform/testing/FakeSprache.h"
#include "platform/testing/FakeUhr.h"
#include "platform/testing/FakeZufall.h"

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
    FakeProzess& prozess;
    FakeDrucker& drucker;
};

} // namespace varku::test
