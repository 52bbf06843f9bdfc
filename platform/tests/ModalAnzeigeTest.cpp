#include "platform/Bildschirm.h"
#include "platform/EchteModalAnzeige.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using varku::EchteModalAnzeige;

namespace {

// ein Fenster, wie die Programme sie modal zeigen
struct Art {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> neu;
};

const Art arten[] = {
    {"Dialog", [] { return std::make_unique<QDialog>(); }},
    {"Hauptfenster", [] { return std::make_unique<QMainWindow>(); }},
};

// ob w das aktive Fenster wird (QWindow::isActive gilt schon, wenn sein Öffner aktiv ist)
bool wirdAktiv(QWidget& w) {
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == &w; });
}

// zeigt das Hauptfenster, unter dem die Tests modal öffnen, und wartet, bis es aktiv ist
bool zeigeAktiv(QMainWindow& haupt) {
    haupt.show();
    haupt.activateWindow();
    return QTest::qWaitForWindowActive(&haupt);
}

// führt f aus, sobald die modale Schleife läuft
void dann(std::function<void()> f) {
    QTimer::singleShot(0, qApp, std::move(f));
}

// Ein Fenster, das zeigeModal mit einem Skript zeigt; das Skript muss es verbergen.
void zeigeModal(QWidget& w, std::function<void()> skript) {
    dann(std::move(skript));
    EchteModalAnzeige().zeigeModal(w);
}

} // namespace

// Minimieren (oder "Desktop zeigen") schickt ein Hide, verbirgt das Fenster aber nicht: der
// modale Aufruf läuft weiter, bis das Programm das Fenster verbirgt.
TEST(ModalAnzeige, MinimierenBeendetDasFensterNicht) {
    for (const Art& art : arten) {
        std::unique_ptr<QWidget> w = art.neu();
        w->resize(300, 200);
        bool zurueck = false, minimiert = false, offenNachMinimieren = false,
             offenNachWiederherstellen = false, fertig = false;
        dann([&] {
            w->showMinimized();
            QCoreApplication::processEvents();
            minimiert = w->isMinimized();
            // kam die Schleife zum Ende, ist der Aufruf zurück, bevor dies läuft
            dann([&] {
                offenNachMinimieren = !zurueck;
                w->showNormal();
                QCoreApplication::processEvents();
                dann([&] {
                    offenNachWiederherstellen = !zurueck;
                    w->hide();
                    fertig = true;
                });
            });
        });
        EchteModalAnzeige().zeigeModal(*w);
        zurueck = true;
        // Reste eines zu frühen Endes abarbeiten
        EXPECT_TRUE(QTest::qWaitFor([&] { return fertig; })) << art.name;
        EXPECT_TRUE(minimiert) << art.name;
        EXPECT_TRUE(offenNachMinimieren) << art.name;
        EXPECT_TRUE(offenNachWiederherstellen) << art.name;
        EXPECT_FALSE(w->isVisible()) << art.name;
    }
}

// Schließen durch das Programm beendet den Aufruf wie Verbergen; auch das Abbauen des Fensters.
TEST(ModalAnzeige, ProgrammSchliesstOderBautAb) {
    {
        QDialog d;
        zeigeModal(d, [&] { d.close(); });
        EXPECT_FALSE(d.isVisible());
    }
    auto* d = new QDialog;
    QPointer<QDialog> wache(d);
    zeigeModal(*d, [d] { delete d; });
    EXPECT_TRUE(wache.isNull());
}

// Jedes modal gezeigte Fenster gehört zu dem, das es öffnet, und bekommt die Tastatur;
// danach hat der Öffner sie wieder.
TEST(ModalAnzeige, GehoertZumOeffnerUndHatDieTastatur) {
    QMainWindow haupt;
    haupt.resize(500, 400);
    ASSERT_TRUE(zeigeAktiv(haupt));

    QDialog dialog;
    QDialog meldung;
    QDialog kind(&dialog); // mit Elternfenster
    QWindow *dialogGehoert = nullptr, *meldungGehoert = nullptr, *kindGehoert = nullptr;
    bool dialogAktiv = false, meldungAktiv = false;
    zeigeModal(dialog, [&] {
        dialogGehoert = dialog.windowHandle()->transientParent();
        // Die Meldung gleich beim Öffnen des Dialogs kommt über den Dialog, nicht unter ihn,
        // auch wenn der Dialog noch nicht aktiv ist.
        zeigeModal(meldung, [&] {
            meldungAktiv = wirdAktiv(meldung);
            meldungGehoert = meldung.windowHandle()->transientParent();
            meldung.hide();
        });
        dialogAktiv = wirdAktiv(dialog);
        zeigeModal(kind, [&] {
            kindGehoert = kind.windowHandle()->transientParent();
            kind.hide();
        });
        dialog.hide();
    });
    EXPECT_EQ(dialogGehoert, haupt.windowHandle());
    EXPECT_EQ(meldungGehoert, dialog.windowHandle());
    EXPECT_EQ(kindGehoert, dialog.windowHandle());
    EXPECT_TRUE(dialogAktiv);
    EXPECT_TRUE(meldungAktiv);
    EXPECT_TRUE(wirdAktiv(haupt));
}

// Ein verborgenes, behaltenes Fenster kommt wieder, wo es stand, auch wenn der Fenstermanager
// oder das Kind es verschoben hatte; hat das Programm es verschoben, gilt das Programm.
TEST(ModalAnzeige, WiederGezeigtAnSeinemPlatz) {
    QMainWindow haupt;
    haupt.setGeometry(100, 100, 600, 450);
    ASSERT_TRUE(zeigeAktiv(haupt));
    QDialog d;
    d.resize(240, 120);

    QPoint erste, zweite, dritte;
    zeigeModal(d, [&] {
        // wie ein Ziehen mit der Maus: der Fenstermanager verschiebt das Fenster
        d.windowHandle()->setFramePosition(QPoint(37, 53));
        QCoreApplication::processEvents();
        erste = d.pos();
        d.hide();
    });
    ASSERT_EQ(erste, QPoint(37, 53));
    zeigeModal(d, [&] {
        zweite = d.pos();
        d.hide();
    });
    EXPECT_EQ(zweite, erste);
    d.move(150, 160);
    zeigeModal(d, [&] {
        dritte = d.pos();
        d.hide();
    });
    EXPECT_EQ(dritte, QPoint(150, 160));
}

// Was das Programm außerhalb des Bildschirms hinstellt, kommt samt Rand in die Fläche.
TEST(ModalAnzeige, FensterBleibtImBildschirm) {
    const QRect flaeche = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint lagen[] = {{flaeche.right() - 50, flaeche.bottom() - 20},
                            {flaeche.left() - 400, flaeche.top() - 300},
                            {flaeche.right() + 2000, flaeche.top() + 10}};
    for (const QPoint& lage : lagen) {
        QDialog d;
        d.resize(300, 200);
        d.move(lage);
        QRect aussen;
        zeigeModal(d, [&] {
            aussen = d.frameGeometry();
            d.hide();
        });
        EXPECT_TRUE(flaeche.contains(aussen)) << lage.x() << "," << lage.y();
    }
}

// Ein entlassenes Fenster steht weiter, bis das Programm es verbirgt: der modale Aufruf ist
// zurück, das Fenster sperrt nichts mehr, und das nächste Fenster gehört nicht zu ihm. Wieder
// modal gezeigt, ist es ein Fenster wie jedes andere.
TEST(ModalAnzeige, EntlassenesFensterStehtOhneZuSperren) {
    QMainWindow haupt;
    haupt.resize(500, 400);
    ASSERT_TRUE(zeigeAktiv(haupt));

    QDialog gruss;
    gruss.resize(240, 120);
    EchteModalAnzeige anzeige;
    zeigeModal(gruss, [&] { anzeige.entlasse(gruss); });
    EXPECT_TRUE(gruss.isVisible()) << "steht nach dem Entlassen noch";
    EXPECT_FALSE(gruss.isModal());

    // das nächste modale Fenster: gehört nicht zum entlassenen, nimmt Klicks an, bekommt die
    // Tastatur
    QDialog naechstes;
    auto* knopf = new QPushButton(QStringLiteral("OK"), &naechstes);
    bool geklickt = false, aktiv = false;
    QObject::connect(knopf, &QPushButton::clicked, [&] { geklickt = true; });
    QWindow* gehoert = nullptr;
    zeigeModal(naechstes, [&] {
        gehoert = naechstes.windowHandle()->transientParent();
        aktiv = wirdAktiv(naechstes);
        QTest::mouseClick(knopf, Qt::LeftButton);
        naechstes.hide();
    });
    EXPECT_TRUE(gehoert == nullptr || gehoert != gruss.windowHandle());
    EXPECT_TRUE(geklickt) << "nicht gesperrt";
    EXPECT_TRUE(aktiv);

    gruss.hide();
    EXPECT_FALSE(gruss.isVisible());
    // wieder modal gezeigt, öffnet es ein weiteres Fenster wie jedes andere
    QDialog kind;
    QWindow* kindGehoert = nullptr;
    zeigeModal(gruss, [&] {
        zeigeModal(kind, [&] {
            kindGehoert = kind.windowHandle()->transientParent();
            kind.hide();
        });
        gruss.hide();
    });
    EXPECT_EQ(kindGehoert, gruss.windowHandle());
    EXPECT_TRUE(gruss.isModal());
}

// Ein Fenster, das nicht modal steht, lässt das Entlassen unberührt.
TEST(ModalAnzeige, EntlassenOhneModalesZeigenTutNichts) {
    QDialog d;
    d.resize(200, 100);
    d.show();
    EchteModalAnzeige().entlasse(d);
    EXPECT_TRUE(d.isVisible());
    QDialog nie;
    EchteModalAnzeige().entlasse(nie);
    EXPECT_FALSE(nie.isVisible());
}

// Vor dem ersten Zeigen ist die Lage eines Fensters die seines Rahmens (so nimmt sie der
// Fenstermanager): ein Fenster, das unten hinausragte, steht danach mit Rahmen ganz im Bild.
TEST(Bildschirm, VerborgenesFensterKommtMitRahmenInsBild) {
    QDialog fenster;
    fenster.resize(300, 200);
    const QRect flaeche = varku::verfuegbareFlaeche(fenster);
    const QMargins rand = varku::fensterRand(fenster);
    struct Fall {
        const char* name;
        QPoint lage;
    };
    const Fall faelle[] = {
        {"unten hinaus", {100, flaeche.bottom() - 50}},
        {"rechts hinaus", {flaeche.right() - 100, 50}},
        {"links und oben hinaus", {-500, -500}},
    };
    for (const Fall& f : faelle) {
        fenster.move(f.lage);
        varku::haltImBildschirm(fenster);
        const QRect aussen(fenster.pos(), fenster.size().grownBy(rand));
        EXPECT_TRUE(flaeche.contains(aussen)) << f.name;
    }
}
