#include "platform/Vordergrund.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <vector>
#include <xcb/xcb.h>

namespace varku {

namespace {

xcb_connection_t* verbindung() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
}

// die Kinder eines Fensters, unten zuerst
std::vector<xcb_window_t> kinder(xcb_connection_t* c, xcb_window_t w) {
    std::vector<xcb_window_t> k;
    if (xcb_query_tree_reply_t* r = xcb_query_tree_reply(c, xcb_query_tree(c, w), nullptr)) {
        const xcb_window_t* a = xcb_query_tree_children(r);
        k.assign(a, a + xcb_query_tree_children_length(r));
        std::free(r);
    }
    return k;
}

qint64 prozessVon(xcb_connection_t* c, xcb_window_t w, xcb_atom_t pidAtom) {
    qint64 pid = -1;
    if (xcb_get_property_reply_t* r = xcb_get_property_reply(
            c, xcb_get_property(c, 0, w, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr)) {
        if (r->format == 32 && xcb_get_property_value_length(r) >= 4)
            pid = *static_cast<const uint32_t*>(xcb_get_property_value(r));
        std::free(r);
    }
    return pid;
}

} // namespace

Griffmelder::Griffmelder(QWidget& fenster, std::function<void()> beiGriff)
    : m_fenster(fenster), m_beiGriff(std::move(beiGriff)) {
    fenster.installEventFilter(this);
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installNativeEventFilter(this);
}

Griffmelder::~Griffmelder() {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
}

bool Griffmelder::nativeEventFilter(const QByteArray& art, void* nachricht, qintptr*) {
    if (art != "xcb_generic_event_t" || !nachricht || !m_fenster.internalWinId())
        return false;
    const auto* e = static_cast<const xcb_generic_event_t*>(nachricht);
    const xcb_window_t eigen = xcb_window_t(m_fenster.internalWinId());
    switch (e->response_type & 0x7f) {
    case XCB_BUTTON_PRESS:
        if (static_cast<const xcb_button_press_event_t*>(nachricht)->event == eigen)
            m_beiGriff();
        break;
    case XCB_FOCUS_IN:
        if (static_cast<const xcb_focus_in_event_t*>(nachricht)->event == eigen)
            m_beiGriff();
        break;
    default:
        break;
    }
    return false;
}

bool Griffmelder::eventFilter(QObject* ziel, QEvent* e) {
    // ohne X11 (und wo Qt das Ereignis doch zustellt)
    if (ziel == &m_fenster && !verbindung() &&
        (e->type() == QEvent::WindowActivate || e->type() == QEvent::MouseButtonPress))
        m_beiGriff();
    return false;
}

void holeFensterNachVorn(qint64 prozess) {
    xcb_connection_t* c = verbindung();
    if (!c || prozess <= 0)
        return;
    const xcb_screen_t* schirm = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!schirm)
        return;
    const xcb_atom_t pidAtom = atom(c, "_NET_WM_PID");
    const xcb_atom_t aktivAtom = atom(c, "_NET_ACTIVE_WINDOW");
    // Fenster des Prozesses: oberste Ebene oder, mit Fenstermanager, eine Ebene tiefer im Rahmen
    std::vector<xcb_window_t> seine;
    for (xcb_window_t w : kinder(c, schirm->root)) {
        if (prozessVon(c, w, pidAtom) == prozess) {
            seine.push_back(w);
            continue;
        }
        for (xcb_window_t k : kinder(c, w))
            if (prozessVon(c, k, pidAtom) == prozess)
                seine.push_back(k);
    }
    xcb_window_t oben = XCB_WINDOW_NONE;
    for (xcb_window_t w : seine) {
        const uint32_t ueber = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(c, w, XCB_CONFIG_WINDOW_STACK_MODE, &ueber);
        if (xcb_get_window_attributes_reply_t* a =
                xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr)) {
            if (a->map_state == XCB_MAP_STATE_VIEWABLE)
                oben = w;
            std::free(a);
        }
    }
    if (seine.empty())
        return;
    const bool sichtbar = oben != XCB_WINDOW_NONE;
    if (!sichtbar)
        oben = seine.back();
    // ein Fenstermanager holt es auch aus der Verkleinerung und stellt seinen Rahmen nach vorn
    xcb_client_message_event_t m{};
    m.response_type = XCB_CLIENT_MESSAGE;
    m.format = 32;
    m.window = oben;
    m.type = aktivAtom;
    m.data.data32[0] = 2; // von einem Werkzeug des Benutzers
    xcb_send_event(c, 0, schirm->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&m));
    // die Tastatur nur an ein sichtbares Fenster; ein verkleinertes bekommt sie vom Fenstermanager
    if (sichtbar)
        xcb_set_input_focus(c, XCB_INPUT_FOCUS_PARENT, oben, XCB_CURRENT_TIME);
    xcb_flush(c);
}

} // namespace varku
