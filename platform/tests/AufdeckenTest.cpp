#include "platform/Aufdecken.h"

#include <QExposeEvent>
#include <QPaintEvent>
#include <QRegion>
#include <QWindow>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>
#include <xcb/xcb.h>

using varku::Aufdecken;

namespace {

// Ein Schritt: ein Ereignis des X-Servers oder Qts eigenes Aufdecken/Malen eines Fensters.
enum class Art {
    Abgebildet,
    AbgebildetAnEltern,
    Verborgen,
    Zerstoert,
    Expose,
    QtAufdecken,
    QtMalen
};

struct Schritt {
    Art art;
    int fenster;            // 0 oder 1: welches der zwei Testfenster
    bool verworfen = false; // nur bei Expose: ob das Expose wegfallen soll
};

struct Fall {
    std::string name;
    std::vector<Schritt> schritte;
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

// eine Meldung des Servers über ein Fenster (window), geschickt an das Fenster event
template <typename Meldung> bool meldeAn(Aufdecken& a, quint8 art, quint32 window, quint32 event) {
    Meldung m{};
    m.response_type = art;
    m.window = window;
    m.event = event;
    return a.nativeEventFilter("xcb_generic_event_t", &m, nullptr);
}

class AufdeckenTest : public ::testing::TestWithParam<Fall> {};

TEST_P(AufdeckenTest, ExposeDesServersFaelltNurWeg_SolangeQtsAufdeckenAussteht) {
    QWindow fenster[2];
    quint32 id[2];
    for (int i = 0; i < 2; ++i) {
        fenster[i].create();
        id[i] = quint32(fenster[i].winId());
    }
    Aufdecken a;
    int nr = 0;
    for (const Schritt& s : GetParam().schritte) {
        ++nr;
        const quint32 w = id[s.fenster];
        switch (s.art) {
        case Art::Abgebildet:
            EXPECT_FALSE(meldeAn<xcb_map_notify_event_t>(a, XCB_MAP_NOTIFY, w, w));
            break;
        case Art::AbgebildetAnEltern:
            EXPECT_FALSE(meldeAn<xcb_map_notify_event_t>(a, XCB_MAP_NOTIFY, w, w + 1000));
            break;
        case Art::Verborgen:
            EXPECT_FALSE(meldeAn<xcb_unmap_notify_event_t>(a, XCB_UNMAP_NOTIFY, w, w));
            break;
        case Art::Zerstoert:
            EXPECT_FALSE(meldeAn<xcb_destroy_notify_event_t>(a, XCB_DESTROY_NOTIFY, w, w));
            break;
        case Art::Expose: {
            xcb_expose_event_t e{};
            // auch ein vom Fenstermanager geschicktes (oberstes Bit gesetzt)
            e.response_type = XCB_EXPOSE | (nr % 2 ? 0x80 : 0);
            e.window = w;
            e.width = 50;
            e.height = 40;
            EXPECT_EQ(a.nativeEventFilter("xcb_generic_event_t", &e, nullptr), s.verworfen)
                << "Schritt " << nr;
            break;
        }
        case Art::QtAufdecken: {
            QExposeEvent e{QRegion(0, 0, 50, 40)};
            EXPECT_FALSE(a.eventFilter(&fenster[s.fenster], &e));
            break;
        }
        case Art::QtMalen: {
            QPaintEvent e{QRect(0, 0, 50, 40)};
            EXPECT_FALSE(a.eventFilter(&fenster[s.fenster], &e));
            break;
        }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folgen, AufdeckenTest,
    ::testing::Values(Fall{"ohneAbbildenGiltJedesExpose", {{Art::Expose, 0}, {Art::Expose, 0}}},
                      Fall{"nachDemAbbildenBisQtAufdeckt",
                           {{Art::Abgebildet, 0},
                            {Art::Expose, 0, true},
                            {Art::Expose, 0, true},
                            {Art::QtAufdecken, 0},
                            {Art::Expose, 0}}},
                      Fall{"QtsMalenZaehltWieAufdecken",
                           {{Art::Abgebildet, 0}, {Art::QtMalen, 0}, {Art::Expose, 0}}},
                      Fall{"nurDasAbgebildeteFenster",
                           {{Art::Abgebildet, 0}, {Art::Expose, 1}, {Art::Expose, 0, true}}},
                      Fall{"jedesFensterFuerSich",
                           {{Art::Abgebildet, 0},
                            {Art::Abgebildet, 1},
                            {Art::QtAufdecken, 0},
                            {Art::Expose, 0},
                            {Art::Expose, 1, true}}},
                      Fall{"dieMeldungAnDieElternZaehltNicht",
                           {{Art::AbgebildetAnEltern, 0}, {Art::Expose, 0}}},
                      Fall{"verborgenVorDemAufdecken",
                           {{Art::Abgebildet, 0}, {Art::Verborgen, 0}, {Art::Expose, 0}}},
                      Fall{"zerstoertVorDemAufdecken",
                           {{Art::Abgebildet, 1}, {Art::Zerstoert, 1}, {Art::Expose, 1}}},
                      Fall{"wiederAbgebildet",
                           {{Art::Abgebildet, 0},
                            {Art::QtAufdecken, 0},
                            {Art::Verborgen, 0},
                            {Art::Expose, 0},
                            {Art::Abgebildet, 0},
                            {Art::Expose, 0, true}}}),
    [](const auto& info) { return info.param.name; });

TEST(AufdeckenFremdes, AndereEreignisseUndArtenBleibenUnberuehrt) {
    QWindow fenster;
    fenster.create();
    const quint32 w = quint32(fenster.winId());
    Aufdecken a;
    xcb_map_notify_event_t abgebildet{};
    abgebildet.response_type = XCB_MAP_NOTIFY;
    abgebildet.window = abgebildet.event = w;
    // eine fremde Art von Ereignis wird nicht gelesen
    EXPECT_FALSE(a.nativeEventFilter("windows_generic_MSG", &abgebildet, nullptr));
    xcb_expose_event_t expose{};
    expose.response_type = XCB_EXPOSE;
    expose.window = w;
    EXPECT_FALSE(a.nativeEventFilter("xcb_generic_event_t", &expose, nullptr));
    EXPECT_FALSE(a.nativeEventFilter("xcb_generic_event_t", nullptr, nullptr));
    // andere Ereignisse eines abgebildeten Fensters gehen durch
    ASSERT_FALSE(a.nativeEventFilter("xcb_generic_event_t", &abgebildet, nullptr));
    EXPECT_FALSE(meldeAn<xcb_configure_notify_event_t>(a, XCB_CONFIGURE_NOTIFY, w, w));
    EXPECT_TRUE(a.regel().aufdeckenStehtAus(w));
    // ein Qt-Ereignis an ein Objekt, das kein Fenster ist
    QObject kein;
    QExposeEvent e{QRegion(0, 0, 5, 5)};
    EXPECT_FALSE(a.eventFilter(&kein, &e));
    EXPECT_TRUE(a.regel().aufdeckenStehtAus(w));
}

} // namespace
