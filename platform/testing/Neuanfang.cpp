#include "platform/testing/Neuanfang.h"

#include "platform/Anwendung.h"

#include <QCoreApplication>
#include <QTimer>

namespace varku::test {

void fangeNachEndeNeuAn() {
    Anwendung::setzeEndeZurueck();
    // exec setzt Qts "alle Schleifen verlassen" zurück, davor und danach
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

} // namespace varku::test
