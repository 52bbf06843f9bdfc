#include "platform/testing/TestDienste.h"

#include "platform/Dienste.h"

namespace varku::test {

namespace {

// die Basisklasse wählen, unter der der Dienst eingesetzt wird
template <typename Basis, typename T> T& ein(T* p) {
    dienste::setze(std::unique_ptr<Basis>(p));
    return *p;
}
} // namespace

TestDienste::TestDienste()
    : uhr(ein<Uhr>(new FakeUhr)), zufall(ein<Zufall>(new FakeZufall)),
      anzeige(ein<ModalAnzeige>(new FakeAnzeige)), sound(ein<SoundGeraet>(new FakeSound)),
      hilfe(ein<HilfeEngine>(new FakeHilfe)), sprache(ein<Sprachausgabe>(new FakeSprache)),
      prozess(ein<Prozess>(new FakeProzess)), drucker(ein<Drucker>(new FakeDrucker)) {}

TestDienste::~TestDienste() {
    dienste::entferneAlle();
}

} // namespace varku::test
