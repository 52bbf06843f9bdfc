// Wie lange der X-Server für das erste Bild eines neuen Fensters braucht, das Qt über geteilten
// Speicher (MIT-SHM) überträgt, und wie lange für jedes weitere aus demselben Speicher. Qt legt
// für jedes Fenster einen eigenen Speicher an; das erste Bild jedes Fensters liest der Server
// aus Seiten, die er noch nie berührt hat. Was das kostet, hängt vom Rechner ab (in einer
// virtuellen Maschine oft viel), nicht vom Programm: dieses Werkzeug misst es ohne Qt, mit einem
// Fenster in der Größe des Hauptfensters.
//
//   erste_uebertragung [-g BREITExHÖHE] [-n RUNDEN]
//
// Den Speicher legt wie bei Qt der Server an (MIT-SHM mit Dateideskriptor).
// Braucht einen X-Server ($DISPLAY), etwa: xvfb-run -a build/bench/erste_uebertragung
// Ausgabe, eine Zeile: "erstes_ms=… weiteres_ms=…" (Mediane), Ende 0; ohne MIT-SHM Ende 1.
#include "bench/XMessung.h"

#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

using varku::messung::jetztMs;

namespace {

double median(std::vector<double> w) {
    std::sort(w.begin(), w.end());
    const size_t n = w.size();
    return n % 2 ? w[n / 2] : (w[n / 2 - 1] + w[n / 2]) / 2;
}

// kehrt zurück, wenn der Server alles bisher Gesendete verarbeitet hat
void warte(xcb_connection_t* c) {
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

} // namespace

int main(int argc, char** argv) {
    int breite = 1020, hoehe = 590, runden = 9;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "-g" && i + 1 < argc && std::sscanf(argv[++i], "%dx%d", &breite, &hoehe) == 2)
            continue;
        if (a == "-n" && i + 1 < argc && (runden = std::atoi(argv[++i])) > 0)
            continue;
        std::fprintf(stderr, "Aufruf: erste_uebertragung [-g BREITExHÖHE] [-n RUNDEN]\n");
        return 2;
    }
    if (breite <= 0 || hoehe <= 0 || breite > 8192 || hoehe > 8192) {
        std::fprintf(stderr, "erste_uebertragung: Größe außerhalb 1..8192\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "erste_uebertragung: keine Verbindung zum X-Server (DISPLAY?)\n");
        return 2;
    }
    xcb_shm_query_version_reply_t* version =
        xcb_shm_query_version_reply(c, xcb_shm_query_version(c), nullptr);
    const bool mitFd = version && (version->major_version > 1 || version->minor_version >= 2);
    std::free(version);
    if (!mitFd) {
        std::fprintf(stderr,
                     "erste_uebertragung: der X-Server teilt keinen Speicher (MIT-SHM 1.2)\n");
        return 1;
    }
    xcb_screen_t* schirm = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t fenster = xcb_generate_id(c);
    const uint32_t maske[] = {XCB_EVENT_MASK_EXPOSURE};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, fenster, schirm->root, 0, 0, uint16_t(breite),
                      uint16_t(hoehe), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, schirm->root_visual,
                      XCB_CW_EVENT_MASK, maske);
    xcb_map_window(c, fenster);
    xcb_flush(c);
    while (xcb_generic_event_t* e = xcb_wait_for_event(c)) {
        const bool aufgedeckt = (e->response_type & 0x7f) == XCB_EXPOSE;
        std::free(e);
        if (aufgedeckt)
            break;
    }
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, fenster, 0, nullptr);

    // ein Bild übertragen und warten, bis der Server es verarbeitet hat
    const auto uebertrage = [&](xcb_shm_seg_t speicher) {
        const double start = jetztMs();
        xcb_shm_put_image(c, fenster, gc, uint16_t(breite), uint16_t(hoehe), 0, 0, uint16_t(breite),
                          uint16_t(hoehe), 0, 0, schirm->root_depth, XCB_IMAGE_FORMAT_Z_PIXMAP, 0,
                          speicher, 0);
        warte(c);
        return jetztMs() - start;
    };
    const size_t groesse = size_t(breite) * size_t(hoehe) * 4;
    std::vector<double> erstes, weiteres;
    for (int r = 0; r < runden; ++r) {
        const xcb_shm_seg_t speicher = xcb_generate_id(c);
        xcb_shm_create_segment_reply_t* antwort = xcb_shm_create_segment_reply(
            c, xcb_shm_create_segment(c, speicher, uint32_t(groesse), false), nullptr);
        if (!antwort)
            return 1;
        const int fd = xcb_shm_create_segment_reply_fds(c, antwort)[0];
        std::free(antwort);
        void* daten = mmap(nullptr, groesse, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        close(fd);
        if (daten == MAP_FAILED)
            return 1;
        // gemalt wie von Qt: jede Seite ist auf dieser Seite schon beschrieben
        std::memset(daten, 0x5a, groesse);
        erstes.push_back(uebertrage(speicher));
        weiteres.push_back(uebertrage(speicher));
        xcb_shm_detach(c, speicher);
        warte(c);
        munmap(daten, groesse);
    }
    std::printf("erstes_ms=%.2f weiteres_ms=%.2f\n", median(erstes), median(weiteres));
    xcb_disconnect(c);
    return 0;
}
