#include "platform/Aufdecken.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <xcb/xcb.h>

namespace varku {

Aufdecken::Aufdecken(QObject* eltern) : QObject(eltern) {}

bool Aufdecken::nativeEventFilter(const QByteArray& art, void* nachricht, qintptr*) {
    if (art != "xcb_generic_event_t" || !nachricht)
        return false;
    const auto* e = static_cast<const xcb_generic_event_t*>(nachricht);
    switch (e->response_type & 0x7f) {
    case XCB_MAP_NOTIFY: {
        // nur die Meldung an das Fenster selbst, nicht die an seine Eltern
        const auto* m = static_cast<const xcb_map_notify_event_t*>(nachricht);
        if (m->event == m->window)
            m_regel.abgebildet(m->window);
        break;
    }
    case XCB_UNMAP_NOTIFY:
        m_regel.erledigt(static_cast<const xcb_unmap_notify_event_t*>(nachricht)->window);
        break;
    case XCB_DESTROY_NOTIFY:
        m_regel.erledigt(static_cast<const xcb_destroy_notify_event_t*>(nachricht)->window);
        break;
    case XCB_EXPOSE:
        return m_regel.aufdeckenStehtAus(static_cast<const xcb_expose_event_t*>(nachricht)->window);
    default:
        break;
    }
    return false;
}

bool Aufdecken::eventFilter(QObject* ziel, QEvent* ereignis) {
    if (ereignis->type() != QEvent::Expose && ereignis->type() != QEvent::Paint)
        return false;
    auto* fenster = qobject_cast<QWindow*>(ziel);
    if (!fenster || !fenster->handle())
        return false;
    if (ereignis->type() == QEvent::Expose) {
        // Die anderen eben abgebildeten Fenster fragt Qt vor ihrem ersten Aufdecken nach dem
        // Rahmen; jetzt kommt die Antwort sofort, nach dem Bild dieses Fensters erst, wenn der
        // Server das Bild verarbeitet hat. Danach liefert Qt den Rahmen aus dem eigenen Speicher.
        for (QWindow* w : QGuiApplication::topLevelWindows())
            if (w != fenster && w->handle() && m_regel.aufdeckenStehtAus(quint32(w->winId())))
                w->frameMargins();
    }
    m_regel.erledigt(quint32(fenster->winId()));
    return false;
}

void Aufdecken::richteEin(QCoreApplication& anwendung) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    auto* a = new Aufdecken(&anwendung);
    anwendung.installNativeEventFilter(a);
    anwendung.installEventFilter(a);
}

void Aufdecken::warteAufDenServer() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return;
    // eine Frage mit Antwort: der Server beantwortet sie erst nach allem, was vor ihr kam
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

} // namespace varku
