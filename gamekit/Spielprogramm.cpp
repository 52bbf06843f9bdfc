#include "gamekit/Spielprogramm.h"

#include "foundation/Global.h"
#include "foundation/HilfeKontext.h"
#include "foundation/Hintergrundfenster.h"
#include "foundation/MldFenster.h"
#include "foundation/Programmstart.h"
#include "foundation/Sound.h"
#include "gamekit/Spielstart.h"
#include "platform/Dienste.h"
#include "platform/Rand.h"
#include "platform/Tonmodul.h"
#include "platform/Vordergrund.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace varku {

namespace {

// Wer den Hintergrund anklickt oder ihn mit Alt+Tab holt, meint das Spiel: es kommt wieder nach
// vorn, aus der Verkleinerung, mit dem Fenster, das gerade über ihm offen ist.
void holeSpielNachVorn(QWidget& spiel) {
    if (!spiel.isVisible())
        return;
    spiel.setWindowState(spiel.windowState() & ~Qt::WindowMinimized);
    QWidget* oben = QApplication::activeModalWidget();
    if (!oben || !oben->isVisible())
        oben = &spiel;
    spiel.raise();
    oben->raise();
    oben->activateWindow();
}

} // namespace

int spielAblauf(const QString& kommandozeile, const Spielkonfiguration& k,
                const Spielfensterfabrik& fabrik) {
    const Startpruefung p = pruefeStart(kommandozeile, k);
    if (!p.angenommen) {
        Meldungstext = p.meldung;
        zeigeMeldung(Meldungstext, QStringLiteral("&OK"), QString(),
                     QStringLiteral("Laufzeitfehler"));
        return 1;
    }
    Hintergrundfenster hintergrund(k.name + QStringLiteral("BackFrm"), k.name, k.hintergrundBild);
    dienste::anzeige().zeige(hintergrund);
    // erst der Hintergrund auf dem Schirm, dann das Spiel bauen; Klang und Sprache laden
    // derweil im Hintergrund, die meisten Spiele spielen schon beim Bauen
    hintergrund.warteAufErstesBild();
    tonmodul::ladeImHintergrund();
    ladeSoundIni();
    // Ohne Tonausgabe bleibt schon ein Klang beim Bauen stumm. Der Hinweis darauf kommt über dem
    // fertigen Spielfenster, aus der Schleife, die es zeigt, und hält das Bauen nicht an.
    setzeOhneTonHinweis([] { QTimer::singleShot(0, qApp, [] { amRand(&zeigeOhneTonHinweis); }); });
    UebNr = p.daten.UebNr;
    setzeHilfeKontext();
    std::unique_ptr<Spielfenster> fenster = fabrik(k, p.daten);
    if (fenster->ablauf.ohneWoerter())
        return 1;
    Spielfenster& spiel = *fenster;
    Griffmelder griff(hintergrund, [&spiel] { holeSpielNachVorn(spiel); });
    // manche Spiele spielen den Startklang hier, nach ihren Einstellungen, vor dem Fenster
    if (k.startKlangBeimStart)
        spieleSound(QStringLiteral("ProgrammStart"));
    // in der Mitte des Bildschirms, wie das Hauptfenster des Rahmenprogramms
    fenster->adjustSize();
    if (QScreen* s = QGuiApplication::primaryScreen())
        fenster->move(s->availableGeometry().center() - fenster->rect().center());
    dienste::anzeige().zeigeModal(*fenster);
    return 0;
}

int spielMain(int argc, char** argv, const Spielkonfiguration& k,
              const Spielfensterfabrik& fabrik) {
    return fuehreProgrammAus(argc, argv, [&] {
        const QStringList argumente = QCoreApplication::arguments();
        return spielAblauf(argumente.value(1), k, fabrik);
    });
}

} // namespace varku
