#include "platform/Anwendung.h"

#include <cstdio>
#include <cstdlib>

namespace varku {

namespace {
Anwendung::Behandlung& behandlung() {
    static Anwendung::Behandlung b;
    return b;
}
} // namespace

Anwendung::Anwendung(int& argc, char** argv) : QApplication(argc, argv) {}

bool Anwendung::notify(QObject* empfaenger, QEvent* ereignis) {
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (const Laufzeitfehler& f) {
        behandle(f);
    } catch (const std::exception& e) {
        behandle(Laufzeitfehler(5, QStringLiteral("Unerwarteter Fehler"),
                                QString::fromLocal8Bit(e.what())));
    }
    return false;
}

void Anwendung::setzeBehandlung(Behandlung b) {
    behandlung() = std::move(b);
}

void Anwendung::behandle(const Laufzeitfehler& f) {
    std::fprintf(stderr, "%s\n", f.what());
    if (behandlung())
        behandlung()(f);
    std::exit(1);
}

} // namespace varku
