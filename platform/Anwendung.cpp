#include "platform/Anwendung.h"

#include "platform/Aufdecken.h"
#include "platform/Knopftasten.h"
#include "platform/Rand.h"

#include <cstdio>

namespace varku {

namespace {

struct Zustand {
    Anwendung::Behandlung behandlung;
    bool endet = false;
    bool meldet = false; // die Behandlung zeigt gerade einen Fehler
};

Zustand& zustand() {
    static Zustand z;
    return z;
}

void melde(const char* text) {
    std::fprintf(stderr, "%s\n", text);
}

} // namespace

Anwendung::Anwendung(int& argc, char** argv) : QApplication(argc, argv) {
    installEventFilter(new Knopftasten(this));
    Aufdecken::richteEin(*this);
}

bool Anwendung::notify(QObject* empfaenger, QEvent* ereignis) {
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (const Laufzeitfehler& f) {
        if (!zustand().behandlung)
            throw;
        behandle(f);
    } catch (const std::exception& e) {
        if (!zustand().behandlung)
            throw;
        behandle(Laufzeitfehler(5, QStringLiteral("Unerwarteter Fehler"),
                                QString::fromLocal8Bit(e.what())));
    }
    return false;
}

void Anwendung::setzeBehandlung(Behandlung b) {
    const bool da = bool(b);
    zustand().behandlung = std::move(b);
    // am Rand der Fenster gefangen geht ein Fehler denselben Weg
    if (!da) {
        setzeRandbehandlung({});
        return;
    }
    setzeRandbehandlung([](const std::exception& e) {
        if (const auto* f = dynamic_cast<const Laufzeitfehler*>(&e))
            behandle(*f);
        else
            behandle(Laufzeitfehler(5, QStringLiteral("Unerwarteter Fehler"),
                                    QString::fromLocal8Bit(e.what())));
    });
}

void Anwendung::behandle(const Laufzeitfehler& f) {
    Zustand& z = zustand();
    melde(f.what());
    // Ein Fehler, während der erste gemeldet wird, wird nur noch ausgegeben.
    if (!z.endet && !z.meldet && z.behandlung) {
        z.meldet = true;
        try {
            z.behandlung(f);
        } catch (const std::exception& e) {
            melde(e.what());
        }
        z.meldet = false;
    }
    if (z.endet)
        return;
    // Kein std::exit: die Fenster und Dienste werden in main abgebaut, nicht von statischen
    // Destruktoren. exit verlässt alle Schleifen, auch die geschachtelten modalen.
    z.endet = true;
    QCoreApplication::exit(1);
}

bool Anwendung::endet() {
    return zustand().endet;
}

void Anwendung::setzeEndeZurueck() {
    zustand().endet = false;
}

} // namespace varku
