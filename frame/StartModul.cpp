#include "frame/StartModul.h"

#include "foundation/Bilder.h"
#include "foundation/Global.h"
#include "foundation/Hintergrundfenster.h"
#include "foundation/Sound.h"
#include "frame/EinstellFrm.h"
#include "frame/SpielerListeFrm.h"
#include "frame/UebschwForm.h"
#include "frame/VarkuForm.h"
#include "frame/VarkuLogoForm.h"
#include "frame/WillkommenFrm.h"
#include "platform/Dienste.h"
#include "platform/Rand.h"

#include <QApplication>
#include <QBackingStore>
#include <QDir>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

namespace varku {

namespace {

// Ruft tu, sobald das Fenster sein erstes Bild gemalt hat, im nächsten Durchgang der Schleife;
// nicht mehr, wenn das Fenster vorher geht.
void nachDemErstenBild(QWidget& fenster, std::function<void()> tu) {
    class Wache : public QObject {
    public:
        Wache(QWidget& f, std::function<void()> t) : QObject(&f), m_f(f), m_tu(std::move(t)) {}
        bool eventFilter(QObject* o, QEvent* e) override {
            if (o == &m_f && e->type() == QEvent::Paint) {
                m_f.removeEventFilter(this);
                QTimer::singleShot(0, &m_f, [tu = std::move(m_tu)] { amRand(tu); });
                deleteLater();
            }
            return false;
        }

    private:
        QWidget& m_f;
        std::function<void()> m_tu;
    };
    fenster.installEventFilter(new Wache(fenster, std::move(tu)));
}

// Einmal unsichtbar gezeichnet: Stil, Schriften und Bilder liegen dann bereit, wenn das Fenster
// zum ersten Mal erscheint. Dazu bekommt das Fenster schon seinen Zeichenspeicher, einmal ganz
// beschrieben: das erste Zeichnen auf dem Bildschirm muss ihn dann nicht erst Seite für Seite
// vom System holen (bei einem großen Fenster mehrere Millisekunden).
void zeichneVor(QWidget& fenster) {
    // gezeichnet wie ein aktives Fenster: der Stil legt sein Vorrätiges nach dem Zustand ab,
    // und gleich nach dem Zeigen ist das Fenster aktiv
    QImage bild(fenster.size(), QImage::Format_ARGB32_Premultiplied);
    const QPointer<QWidget> vorher = QApplication::activeWindow();
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    QApplication::setActiveWindow(&fenster);
    fenster.render(&bild);
    QApplication::setActiveWindow(vorher);
    QT_WARNING_POP
    fenster.winId();
    QBackingStore* speicher = fenster.backingStore();
    if (!speicher)
        return;
    speicher->resize(fenster.size());
    // Beschrieben, nicht nur bereitgestellt wie beim Hintergrund (Zeichenspeicher): so steht das
    // Hauptfenster nach "OK" gemessen deutlich schneller.
    if (QPaintDevice* flaeche = speicher->paintDevice()) {
        QPainter maler(flaeche);
        maler.fillRect(QRect(QPoint(), fenster.size()), fenster.palette().window());
    }
}

// führt die Schritte nacheinander aus, jeden in einem eigenen Durchgang der Schleife, solange
// das Fenster lebt
void nacheinander(QWidget& fenster, std::shared_ptr<std::vector<std::function<void()>>> schritte,
                  size_t i = 0) {
    if (i >= schritte->size())
        return;
    QTimer::singleShot(0, &fenster, [&fenster, schritte, i] {
        amRand((*schritte)[i]);
        nacheinander(fenster, schritte, i + 1);
    });
}

} // namespace

std::vector<std::function<void()>> vorbereitung(std::unique_ptr<VarkuForm>& hauptfenster) {
    return {
        [&hauptfenster] {
            if (!hauptfenster)
                hauptfenster = std::make_unique<VarkuForm>(VarkuForm::OhneLaden{});
        },
        [&hauptfenster] { zeichneVor(*hauptfenster); },
        [&hauptfenster] {
            UebschwForm& schwerpunkt = UebschwForm::vorbauen(hauptfenster->uebung);
            schwerpunkt.fuelleVorab();
            zeichneVor(schwerpunkt);
        },
        [&hauptfenster] { zeichneVor(SpielerListeFrm::instanz(hauptfenster->uebung)); },
        // das Laden des Hauptfensters füllt ihn dann nur noch
        [&hauptfenster] { EinstellFrm::instanz(hauptfenster->glob); },
        // der erste Klang kommt nach "OK": die Tonausgabe schon jetzt suchen und die Klänge
        // lesen; ebenso die Wortdatenbank öffnen. Das Laden nach "OK" nimmt beides, wenn die
        // Dateien sich nicht geändert haben.
        [] {
            dienste::sound().bereiteVor();
            ladeKlaengeVorab();
        },
        [&hauptfenster] {
            hauptfenster->uebung.wortDb.oeffneVorab(
                imProgrammordner(QStringLiteral("Varku-D.sqlite")));
        },
    };
}

int Main() {
    // der Benutzerordner gehört zum Programmordner; fehlt er, wird er angelegt
    QDir().mkpath(imProgrammordner(QStringLiteral("User")));

    ModalAnzeige& anzeige = dienste::anzeige();
    Hintergrundfenster hintergrund(QStringLiteral("VarkuHintergrundForm"), QStringLiteral("VARKU"),
                                   QStringLiteral("VarkuHintergrund.png"));
    anzeige.zeige(hintergrund);
    // erst der Hintergrund auf dem Schirm, dann das Logo laden und bauen
    hintergrund.warteAufErstesBild();
    const std::shared_future<QImage> logoBild =
        ladeBildImHintergrund(QStringLiteral("VarkuLogo.png"));
    // vorbauen, während das Logo ohnehin dreieinhalb Sekunden steht
    std::unique_ptr<VarkuForm> hauptfenster;
    {
        VarkuLogoForm logo(QPixmap::fromImage(logoBild.get()));
        nachDemErstenBild(logo, [&hauptfenster, &logo] {
            nacheinander(logo, std::make_shared<std::vector<std::function<void()>>>(
                                   vorbereitung(hauptfenster)));
        });
        anzeige.zeigeModal(logo);
    }
    if (!hauptfenster)
        hauptfenster = std::make_unique<VarkuForm>(VarkuForm::OhneLaden{});
    {
        // Nach "OK" steht es noch, bis das Hauptfenster sein erstes Bild hat: so folgt ein
        // Fenster dem anderen, ohne dass dazwischen der Hintergrund durchscheint. Abgebaut wird
        // es erst später: das Abbauen wartet auf das Fenstersystem und hielte den Schritt zum
        // Hauptfenster auf.
        auto* willkommen = new WillkommenFrm;
        anzeige.zeigeModal(*willkommen);
        const QPointer<WillkommenFrm> wache(willkommen);
        nachDemErstenBild(*hauptfenster, [wache] {
            if (wache)
                wache->hide();
        });
        QTimer::singleShot(1000, willkommen, &QObject::deleteLater);
    }
    hauptfenster->Form_Load();
    anzeige.zeigeModal(*hauptfenster);
    return 0;
}

} // namespace varku
