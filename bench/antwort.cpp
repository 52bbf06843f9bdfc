// Misst eine Handlung von außen: wartet, bis ein Fenster mit dem genannten Titel steht und
// nichts mehr zeichnet, drückt dann eine Taste (XTest) und zählt die DAMAGE-Ereignisse aller
// Fenster, bis eine Ruhezeit lang nichts mehr gezeichnet wird. Die Antwortzeit reicht vom
// Tastendruck bis zum letzten Neuzeichnen. Striche bis 3 Pixel Breite (der blinkende
// Schreibstrich) zählen nicht.
//
// Jedes Fenster meldet sich, sobald in ihm wieder gezeichnet wird (wie bei einem Compositor),
// nicht mit jedem einzelnen Rechteck: das hielte den Server bei jedem Strich auf, den eine
// Fensterverwaltung an ihre Rahmen malt, und machte die Messung selbst langsam.
//
// Vorher drückt es einmal die Umschalttaste und wartet die Ruhezeit ab. Die erste Taste der
// XTest-Tastatur ist für das Programm ein Wechsel der Tastatur: Qt liest dann die ganze
// Tastenbelegung neu vom Server (gut zwanzig Rundfragen, etwa 2 ms). Eine echte Tastatur
// wechselt nicht vor jeder Taste; gemessen wird die Antwort auf eine Taste der Tastatur, die
// schon in Gebrauch ist. -k lässt das Vorwärmen weg.
//
//   antwort [-w TITEL] [-r RUHE_MS] [-t SEKUNDEN] [-k] TASTE
//   antwort -w TITEL [-r RUHE_MS] [-t SEKUNDEN] maus:druecke|ziehe|lasse:X,Y
//
// TASTE ist ein X-Tastenname (Return, Escape, Down, a). Mit "maus:" ist die Handlung die linke
// Maustaste: an den Punkt X,Y des Fensters mit dem Titel gehen und drücken, mit gedrückter Taste
// dorthin ziehen, oder dort loslassen. Ausgabe, eine Zeile: "antwort_ms=… bilder=…"; Ende 0,
// wenn gezeichnet wurde, sonst 1.
#include "bench/XMessung.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <poll.h>
#include <set>
#include <string>

using varku::messung::jetztMs;
using varku::messung::ueberseheFehler;

namespace {

int gebrauch() {
    std::fprintf(stderr, "Aufruf: antwort [-w TITEL] [-r RUHE_MS] [-t SEKUNDEN] [-k] TASTE\n"
                         "       antwort -w TITEL ... maus:druecke|ziehe|lasse:X,Y\n");
    return 2;
}

// der Titel in UTF-8 (_NET_WM_NAME), wie Qt ihn setzt
std::string titelVon(Display* dpy, Window w) {
    static const Atom netName = XInternAtom(dpy, "_NET_WM_NAME", False);
    static const Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    Atom typ = 0;
    int format = 0;
    unsigned long anzahl = 0, rest = 0;
    unsigned char* daten = nullptr;
    std::string titel;
    if (XGetWindowProperty(dpy, w, netName, 0, 1024, False, utf8, &typ, &format, &anzahl, &rest,
                           &daten) == Success &&
        daten) {
        titel.assign(reinterpret_cast<const char*>(daten), anzahl);
        XFree(daten);
    }
    return titel;
}

// Jedes Fenster bekommt genau ein DAMAGE-Objekt. Jedes weitere auf demselben Fenster ließe den
// Server jedes Zeichnen dort mehrfach melden und machte das gemessene Programm langsamer, umso
// mehr, je länger auf sein Fenster gewartet wird.
class Anmeldung {
public:
    explicit Anmeldung(Display* dpy) : m_dpy(dpy) {}

    void melde(Window w) {
        if (m_gemeldet.insert(w).second)
            XDamageCreate(m_dpy, w, XDamageReportNonEmpty);
    }
    // ein zerstörtes Fenster nimmt sein DAMAGE-Objekt mit; seine Nummer kann wiederkommen
    void vergiss(Window w) { m_gemeldet.erase(w); }

    // alle Fenster unter wurzel anmelden; gibt das sichtbare mit dem Titel zurück
    Window meldeAn(Window wurzel, const std::string& titel) {
        Window gefunden = 0, w0 = 0, w1 = 0;
        Window* kinder = nullptr;
        unsigned int anzahl = 0;
        if (!XQueryTree(m_dpy, wurzel, &w0, &w1, &kinder, &anzahl))
            return 0;
        for (unsigned int k = 0; k < anzahl; ++k) {
            melde(kinder[k]);
            XWindowAttributes a{};
            if (!titel.empty() && XGetWindowAttributes(m_dpy, kinder[k], &a) &&
                a.map_state == IsViewable && titelVon(m_dpy, kinder[k]) == titel)
                gefunden = kinder[k];
            if (const Window tiefer = meldeAn(kinder[k], titel); !gefunden && tiefer)
                gefunden = tiefer;
        }
        if (kinder)
            XFree(kinder);
        return gefunden;
    }

private:
    Display* m_dpy;
    std::set<Window> m_gemeldet;
};

} // namespace

int main(int argc, char** argv) {
    std::string titel;
    double ruheMs = 400;
    double frist = 20;
    bool vorwaermen = true;
    int i = 1;
    for (; i < argc && argv[i][0] == '-'; ++i) {
        const std::string a = argv[i];
        if (a == "-w" && i + 1 < argc)
            titel = argv[++i];
        else if (a == "-r" && i + 1 < argc)
            ruheMs = std::atof(argv[++i]);
        else if (a == "-t" && i + 1 < argc)
            frist = std::atof(argv[++i]);
        else if (a == "-k")
            vorwaermen = false;
        else
            return gebrauch();
    }
    if (i + 1 != argc || ruheMs <= 0 || frist <= 0)
        return gebrauch();

    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "antwort: keine Verbindung zum X-Server (DISPLAY?)\n");
        return 2;
    }
    int damageEreignis = 0, damageFehler = 0, xt1 = 0, xt2 = 0, xt3 = 0, xt4 = 0;
    if (!XDamageQueryExtension(dpy, &damageEreignis, &damageFehler) ||
        !XTestQueryExtension(dpy, &xt1, &xt2, &xt3, &xt4)) {
        std::fprintf(stderr, "antwort: der X-Server kennt DAMAGE oder XTEST nicht\n");
        return 2;
    }
    // die Handlung: eine Taste oder die Maus
    const std::string handlung = argv[i];
    enum class Maus { Keine, Druecke, Ziehe, Lasse } maus = Maus::Keine;
    int mausX = 0, mausY = 0;
    KeyCode taste = 0;
    if (handlung.rfind("maus:", 0) == 0) {
        char art[16] = {};
        if (std::sscanf(handlung.c_str() + 5, "%15[a-z]:%d,%d", art, &mausX, &mausY) != 3 ||
            titel.empty())
            return gebrauch();
        const std::string a = art;
        maus = a == "druecke" ? Maus::Druecke : a == "ziehe" ? Maus::Ziehe : Maus::Lasse;
        if (a != "druecke" && a != "ziehe" && a != "lasse")
            return gebrauch();
        vorwaermen = false;
    } else {
        const KeySym zeichen = XStringToKeysym(argv[i]);
        taste = zeichen == NoSymbol ? 0 : XKeysymToKeycode(dpy, zeichen);
        if (!taste) {
            std::fprintf(stderr, "antwort: unbekannte Taste %s\n", argv[i]);
            return 2;
        }
    }
    XSetErrorHandler(ueberseheFehler);
    const Window wurzel = DefaultRootWindow(dpy);
    const int xfd = ConnectionNumber(dpy);
    Anmeldung anmeldung(dpy);

    // Ereignisse holen, bis die Frist um ist; gibt die Zeit des letzten Bildes zurück
    auto sammle = [&](double bis, double ruhe, int* bilder) {
        double letztes = -1;
        double seit = jetztMs();
        while (true) {
            while (XPending(dpy) > 0) {
                XEvent e;
                XNextEvent(dpy, &e);
                if (e.type == DestroyNotify) {
                    anmeldung.vergiss(e.xdestroywindow.window);
                } else if (e.type == CreateNotify) {
                    anmeldung.melde(e.xcreatewindow.window);
                    XSelectInput(dpy, e.xcreatewindow.window, SubstructureNotifyMask);
                    XFlush(dpy);
                } else if (e.type == damageEreignis + XDamageNotify) {
                    const auto* d = reinterpret_cast<const XDamageNotifyEvent*>(&e);
                    // geleert: das nächste Zeichnen meldet sich wieder
                    XDamageSubtract(dpy, d->damage, None, None);
                    if (d->area.width > 3) {
                        letztes = seit = jetztMs();
                        if (bilder)
                            ++*bilder;
                    }
                }
            }
            const double jetzt = jetztMs();
            if (jetzt - seit >= ruhe || jetzt >= bis)
                return letztes;
            pollfd p{xfd, POLLIN, 0};
            poll(&p, 1, 5);
        }
    };

    const double ende = jetztMs() + frist * 1000.0;
    XSelectInput(dpy, wurzel, SubstructureNotifyMask);
    Window ziel = 0;
    while (!(ziel = anmeldung.meldeAn(wurzel, titel)) && !titel.empty() && jetztMs() < ende) {
        XSync(dpy, False);
        sammle(jetztMs() + 50, 50, nullptr);
    }
    if (!titel.empty() && !ziel) {
        std::fprintf(stderr, "antwort: kein Fenster \"%s\"\n", titel.c_str());
        return 1;
    }
    // erst wenn alles steht: die Handlung beginnt auf einem ruhigen Bildschirm
    XSync(dpy, False);
    sammle(ende, ruheMs, nullptr);
    if (vorwaermen) {
        const KeyCode umschalt = XKeysymToKeycode(dpy, XK_Shift_L);
        if (umschalt) {
            XTestFakeKeyEvent(dpy, umschalt, True, CurrentTime);
            XTestFakeKeyEvent(dpy, umschalt, False, CurrentTime);
            XSync(dpy, False);
            sammle(ende, ruheMs, nullptr);
        }
    }

    // der Punkt im Fenster, auf dem Bildschirm
    int bildX = 0, bildY = 0;
    if (maus != Maus::Keine) {
        Window kind = 0;
        XTranslateCoordinates(dpy, ziel, wurzel, mausX, mausY, &bildX, &bildY, &kind);
        // beim Drücken und Loslassen steht der Zeiger schon da: gemessen wird nur die Taste
        if (maus != Maus::Ziehe) {
            XTestFakeMotionEvent(dpy, -1, bildX, bildY, CurrentTime);
            XSync(dpy, False);
            sammle(ende, ruheMs, nullptr);
        }
    }

    const double start = jetztMs();
    switch (maus) {
    case Maus::Keine:
        XTestFakeKeyEvent(dpy, taste, True, CurrentTime);
        XTestFakeKeyEvent(dpy, taste, False, CurrentTime);
        break;
    case Maus::Druecke:
        XTestFakeButtonEvent(dpy, 1, True, CurrentTime);
        break;
    case Maus::Ziehe:
        XTestFakeMotionEvent(dpy, -1, bildX, bildY, CurrentTime);
        break;
    case Maus::Lasse:
        XTestFakeButtonEvent(dpy, 1, False, CurrentTime);
        break;
    }
    XFlush(dpy);
    int bilder = 0;
    const double letztes = sammle(ende, ruheMs, &bilder);
    XCloseDisplay(dpy);
    if (letztes < 0) {
        std::fprintf(stderr, "antwort: nach der Taste wurde nichts gezeichnet\n");
        return 1;
    }
    std::printf("antwort_ms=%.1f bilder=%d\n", letztes - start, bilder);
    return 0;
}
