// Startet ein Programm unter X und wartet, bis es sein erstes Fenster gezeichnet hat (oder das
// n-te). Gezählt wird das erste DAMAGE-Ereignis eines Fensters: dann ist wirklich etwas auf dem
// Bildschirm. Danach wird das Programm beendet, und der Kern nennt seine Rechenzeit und den
// höchsten Speicher bis dahin. So misst es das Programm von außen, ohne dass das Programm davon
// weiß.
//
//   erstes_bild [-n FENSTER] [-t SEKUNDEN] [-w MS] -- PROGRAMM [ARGUMENT ...]
//
// -w lässt das Programm nach dem Bild noch so lange laufen (zum Aufwärmen: was es danach
// ablegt, ist beim nächsten Start da); die Rechenzeit zählt dann bis zum Ende.
//
// Ausgabe, eine Zeile: "bild_ms=… cpu_ms=… spitze_kib=…"; Ende 0, wenn das Bild kam, sonst 1.
#include "bench/XMessung.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using varku::messung::jetztMs;
using varku::messung::ueberseheFehler;

namespace {

int gebrauch() {
    std::fprintf(stderr,
                 "Aufruf: erstes_bild [-n FENSTER] [-t SEKUNDEN] [-w MS] -- PROGRAMM [ARG ...]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    int fensterZiel = 1;
    double frist = 20;
    int nachlaufMs = 0;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--") {
            ++i;
            break;
        }
        if (a == "-n" && i + 1 < argc)
            fensterZiel = std::atoi(argv[++i]);
        else if (a == "-t" && i + 1 < argc)
            frist = std::atof(argv[++i]);
        else if (a == "-w" && i + 1 < argc)
            nachlaufMs = std::atoi(argv[++i]);
        else
            return gebrauch();
    }
    if (i >= argc || fensterZiel < 1 || frist <= 0)
        return gebrauch();

    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "erstes_bild: keine Verbindung zum X-Server (DISPLAY?)\n");
        return 2;
    }
    int damageEreignis = 0, damageFehler = 0;
    if (!XDamageQueryExtension(dpy, &damageEreignis, &damageFehler)) {
        std::fprintf(stderr, "erstes_bild: der X-Server kennt DAMAGE nicht\n");
        return 2;
    }
    XSetErrorHandler(ueberseheFehler);
    const Window wurzel = DefaultRootWindow(dpy);
    // neue Fenster der obersten Ebene melden sich hier an, bevor sie sichtbar sind
    XSelectInput(dpy, wurzel, SubstructureNotifyMask);
    XSync(dpy, False);
    const int xfd = ConnectionNumber(dpy);
    fcntl(xfd, F_SETFD, FD_CLOEXEC);

    const double start = jetztMs();
    const pid_t kind = fork();
    if (kind < 0) {
        std::perror("fork");
        return 2;
    }
    if (kind == 0) {
        execvp(argv[i], argv + i);
        std::perror(argv[i]);
        _exit(127);
    }

    std::set<Window> gezeichnet;
    double bildMs = -1;
    bool kindLebt = true;
    int status = 0;
    rusage verbrauch{};
    while (bildMs < 0) {
        while (bildMs < 0 && XPending(dpy) > 0) {
            XEvent e;
            XNextEvent(dpy, &e);
            if (e.type == CreateNotify) {
                XDamageCreate(dpy, e.xcreatewindow.window, XDamageReportNonEmpty);
                XFlush(dpy);
            } else if (e.type == damageEreignis + XDamageNotify) {
                const auto* d = reinterpret_cast<const XDamageNotifyEvent*>(&e);
                if (gezeichnet.insert(d->drawable).second && int(gezeichnet.size()) >= fensterZiel)
                    bildMs = jetztMs() - start;
            }
        }
        if (bildMs >= 0)
            break;
        if (waitpid(kind, &status, WNOHANG) == kind) {
            kindLebt = false;
            break;
        }
        const double rest = frist * 1000.0 - (jetztMs() - start);
        if (rest <= 0)
            break;
        pollfd p{xfd, POLLIN, 0};
        poll(&p, 1, int(rest < 20 ? rest + 1 : 20));
    }
    if (kindLebt && bildMs >= 0 && nachlaufMs > 0)
        usleep(useconds_t(nachlaufMs) * 1000);
    if (kindLebt) {
        kill(kind, SIGKILL);
        while (wait4(kind, &status, 0, &verbrauch) < 0 && errno == EINTR) {
        }
    }
    XCloseDisplay(dpy);
    if (bildMs < 0) {
        std::fprintf(stderr, "erstes_bild: %s, bevor %d Fenster gezeichnet waren\n",
                     kindLebt ? "Frist abgelaufen" : "Programm beendet", fensterZiel);
        return 1;
    }
    const double cpuMs = double(verbrauch.ru_utime.tv_sec + verbrauch.ru_stime.tv_sec) * 1000.0 +
                         double(verbrauch.ru_utime.tv_usec + verbrauch.ru_stime.tv_usec) / 1000.0;
    std::printf("bild_ms=%.1f cpu_ms=%.1f spitze_kib=%ld\n", bildMs, cpuMs, verbrauch.ru_maxrss);
    return 0;
}
