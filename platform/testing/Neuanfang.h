#pragma once

namespace varku::test {

// Nach einem Laufzeitfehler endet jede Ereignisschleife sofort (QCoreApplication::exit);
// der nächste Test im selben Prozess braucht wieder laufende Schleifen.
void fangeNachEndeNeuAn();

} // namespace varku::test
