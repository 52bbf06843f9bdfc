#include "platform/Tonmodul.h"

#include <QLibrary>
#include <cstdio>
#include <future>
#include <mutex>

namespace varku::tonmodul {

namespace {

struct Zustand {
    std::mutex sperre;
    QString ordner;
    // gültig, sobald das Laden begonnen hat (im Hintergrund oder beim ersten Gebrauch)
    std::shared_future<const Einstieg*> ergebnis;
};

Zustand& zustand() {
    static Zustand z;
    return z;
}

void meldeFehler(const QString& text) {
    std::fprintf(stderr, "Tonmodul: %s\n", qPrintable(text));
}

} // namespace

const Einstieg* lade(const QString& ordner) {
    QLibrary bibliothek(ordner + QLatin1Char('/') + dateiName);
    // Qt Multimedia legt Objekte an, die bis zum Ende leben: nie entladen
    bibliothek.setLoadHints(QLibrary::PreventUnloadHint);
    if (!bibliothek.load()) {
        meldeFehler(bibliothek.errorString());
        return nullptr;
    }
    using Funktion = const Einstieg* (*)();
    const auto funktion = reinterpret_cast<Funktion>(bibliothek.resolve(einstiegName));
    const Einstieg* e = funktion ? funktion() : nullptr;
    if (!e || e->fassung != fassung || !e->bereiteVor || !e->neuesSoundGeraet ||
        !e->neueSprachausgabe) {
        meldeFehler(bibliothek.fileName() + QStringLiteral(" passt nicht zu diesem Programm"));
        return nullptr;
    }
    e->bereiteVor();
    return e;
}

void setzeOrdner(const QString& ordner) {
    Zustand& z = zustand();
    const std::lock_guard<std::mutex> halt(z.sperre);
    z.ordner = ordner;
}

void ladeImHintergrund() {
    Zustand& z = zustand();
    const std::lock_guard<std::mutex> halt(z.sperre);
    // ohne Ordner keine echten Dienste (in Tests): nichts zu laden
    if (!z.ergebnis.valid() && !z.ordner.isEmpty())
        z.ergebnis = std::async(std::launch::async, lade, z.ordner).share();
}

const Einstieg* einstieg() {
    Zustand& z = zustand();
    std::shared_future<const Einstieg*> ergebnis;
    {
        const std::lock_guard<std::mutex> halt(z.sperre);
        if (!z.ergebnis.valid())
            z.ergebnis = std::async(std::launch::deferred, lade, z.ordner).share();
        ergebnis = z.ergebnis;
    }
    return ergebnis.get();
}

} // namespace varku::tonmodul
