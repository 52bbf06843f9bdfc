#include "foundation/Programmstart.h"

#include "foundation/Global.h"
#include "foundation/MldFenster.h"
#include "foundation/Sound.h"
#include "platform/Anwendung.h"
#include "platform/Dienste.h"
#include "platform/Fensterablage.h"
#include "platform/Rand.h"
#include "platform/Tonmodul.h"

#include <QEvent>
#include <QFont>
#include <QStyleFactory>
#include <QThreadPool>
#include <QTimer>
#include <cstdio>
#include <utility>

namespace varku {

namespace {

std::function<void()>& aufraeumen() {
    static std::function<void()> a;
    return a;
}

void raeumeAufNachFehler() {
    const std::function<void()> a = std::exchange(aufraeumen(), {});
    if (!a)
        return;
    try {
        a();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
}

// Lädt das Tonmodul im Hintergrund, sobald das erste Fenster gezeichnet ist: bis dahin gehört
// die Zeit dem ersten Bild, danach wartet das Programm meist auf den Benutzer, und der erste Klang
// ist sofort da.
// Von da an malt Qt mit nur einem Helfer; das erste Bild, bildschirmgroß, noch mit allen.
class NachDemErstenBild : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType() &&
            static_cast<QWidget*>(o)->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // erst, wenn das Bild auf dem Schirm ist
            QTimer::singleShot(0, [] {
                malMitEinemHelfer();
                tonmodul::ladeImHintergrund();
            });
            deleteLater();
        }
        return false;
    }
};

} // namespace

void setzeAufraeumen(std::function<void()> a) {
    aufraeumen() = std::move(a);
}

int fuehreAus(const std::function<int()>& hauptprogramm) {
    Anwendung::setzeBehandlung([](const Laufzeitfehler& f) {
        zeigeMeldung(f.meldung(), QStringLiteral("&OK"), QString(),
                     QStringLiteral("Laufzeitfehler"));
    });
    int ergebnis = 1;
    try {
        ergebnis = hauptprogramm();
    } catch (const Laufzeitfehler& f) {
        Anwendung::behandle(f);
    } catch (const std::exception& e) {
        Anwendung::behandle(Laufzeitfehler(5, QStringLiteral("Unerwarteter Fehler"),
                                           QString::fromLocal8Bit(e.what())));
    }
    const bool nachFehler = Anwendung::endet();
    entladeAlleFenster();
    if (nachFehler)
        raeumeAufNachFehler();
    aufraeumen() = {};
    dienste::entferneAlle();
    Anwendung::setzeBehandlung({});
    Anwendung::setzeEndeZurueck();
    return nachFehler ? 1 : ergebnis;
}

// Große Flächen teilt Qt beim Malen in Streifen, gibt sie den Fäden seines allgemeinen Vorrats
// und wartet, bis alle fertig sind. Bei Fenstern dieser Größe kostet das Wecken und Warten mehr,
// als das Teilen spart: mit einem Faden stehen Hauptfenster und Schwerpunktdialog nach "OK" im
// Mittel 1 bis 2 ms früher.
void malMitEinemHelfer() {
    QThreadPool::globalInstance()->setMaxThreadCount(1);
}

void zeigeOhneTonHinweis() {
    if (Anwendung::endet())
        return;
    // Steht schon eine Meldung, kommt der Hinweis nach ihr; er ersetzte sonst ihren Text, und
    // wer sie lesen sollte, sähe nur ihn. Er wartet an der Meldung: wird sie abgebaut, mit dem
    // Programm, das sie zeigte, kommt er nicht mehr in das nächste.
    if (const MldFenster* offen = MldFenster::geladen(); offen && offen->isVisible()) {
        QTimer::singleShot(100, offen, [] { amRand(&zeigeOhneTonHinweis); });
        return;
    }
    zeigeMeldung(OhneTonHinweisText, QStringLiteral("&OK"), QString(), QStringLiteral("Info"));
}

void setzeProgrammschrift() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("Andika"), 11));
}

int fuehreProgrammAus(int argc, char** argv, const std::function<int()>& hauptprogramm) {
    Anwendung app(argc, argv);
    setzeProgrammschrift();
    dienste::setzeEchteDienste();
    app.installEventFilter(new NachDemErstenBild);
    setzeOhneTonHinweis(&zeigeOhneTonHinweis);
    ProgPfad = QCoreApplication::applicationDirPath();
    return fuehreAus(hauptprogramm);
}

} // namespace varku
