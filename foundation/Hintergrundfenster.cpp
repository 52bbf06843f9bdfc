#include "foundation/Hintergrundfenster.h"

#include "foundation/Dateisuche.h"
#include "foundation/Global.h"
#include "foundation/Hintergrundbild.h"
#include "platform/Aufdecken.h"
#include "platform/Zeichenspeicher.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QTransform>
#include <algorithm>
#include <chrono>

namespace varku {

Hintergrundfenster::Hintergrundfenster(const QString& objektName, const QString& titel,
                                       const QString& bild) {
    setObjectName(objektName);
    setWindowTitle(titel);
    // es malt jeden Bildpunkt selbst: Qt braucht den ganzen Schirm nicht erst mit der
    // Fensterfarbe zu füllen
    setAttribute(Qt::WA_OpaquePaintEvent);
    qreal dichte = 1;
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        setGeometry(s->availableGeometry());
        dichte = s->devicePixelRatio();
    }
    // der Speicher für das Bild über den ganzen Schirm, bereitgestellt, während das Bild lädt
    m_speicher.emplace(*this);
    const QString quelle = findeDatei(imProgrammordner(QStringLiteral("Grafik")), bild);
    const QSize groesse = (QSizeF(size()) * dichte).toSize();
    // das fertige Bild teilen sich alle Programme des Benutzers
    const QString ablage = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                           QStringLiteral("/Varku");
    std::promise<Hintergrundbild> versprechen;
    m_laden = versprechen.get_future();
    m_faden =
        std::thread([quelle, groesse, ablage, v = std::move(versprechen),
                     gezeichnet = m_gezeichnet.get_future(), ende = m_ende.get_future()]() mutable {
            const Hintergrundbild b = ladeHintergrundbild(quelle, groesse, ablage);
            v.set_value(b);
            // abgelegt wird erst, wenn der Start vorbei ist: die ersten Fenster teilen sich den
            // Rechner nicht mit dem Schreiben
            if (b.neu) {
                gezeichnet.wait();
                ende.wait_for(std::chrono::seconds(1));
                legeHintergrundbildAb(b, quelle, ablage);
            }
        });
}

Hintergrundfenster::~Hintergrundfenster() {
    if (!m_gemalt)
        m_gezeichnet.set_value();
    m_ende.set_value();
    m_faden.join();
}

void Hintergrundfenster::warteAufErstesBild() {
    if (m_gemalt || !isVisible())
        return;
    // längstens so lange: ein Fenster, das der Schirm nicht zeigt, hält den Start nicht auf
    constexpr int hoechstensMs = 250;
    QEventLoop schleife;
    connect(this, &Hintergrundfenster::gemalt, &schleife, &QEventLoop::quit);
    QTimer::singleShot(hoechstensMs, &schleife, &QEventLoop::quit);
    schleife.exec(QEventLoop::ExcludeUserInputEvents);
    // Gemalt und abgeschickt ist das Bild jetzt; auf dem Schirm erst, wenn der Fensterserver es
    // übernommen hat. Was danach kommt, rechnet viel und nähme ihm sonst den Prozessor.
    if (m_gemalt)
        Aufdecken::warteAufDenServer();
}

void Hintergrundfenster::paintEvent(QPaintEvent* e) {
    struct Gemalt {
        Hintergrundfenster& f;
        ~Gemalt() {
            if (!f.m_gemalt) {
                f.m_gemalt = true;
                f.m_gezeichnet.set_value();
                emit f.gemalt();
            }
        }
    } gemalt{*this};
    if (m_speicher)
        m_speicher->warte();
    if (m_laden.valid())
        m_bild = m_laden.get();
    QPainter p(this);
    const QImage& bild = m_bild.bild;
    if (bild.isNull()) {
        p.fillRect(rect(), QColor(200, 228, 250));
        return;
    }
    const qreal dichte = devicePixelRatioF();
    if (bild.size() != (QSizeF(size()) * dichte).toSize()) {
        // ein anders großes Fenster: glatt skaliert wie eh und je
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), bild);
        return;
    }
    // In Streifen kopiert; was gezeichnet ist, gibt das Bild gleich wieder frei, so liegt das
    // Bild nie ganz neben dem Fensterinhalt im Speicher.
    const QRect bereich = e->rect();
    constexpr int streifen = 64; // Zeilen des Fensters
    for (int y = bereich.top(); y <= bereich.bottom(); y += streifen) {
        const QRect teil(bereich.left(), y, bereich.width(),
                         std::min(streifen, bereich.bottom() + 1 - y));
        const QRect quelle = QTransform::fromScale(dichte, dichte).mapRect(QRectF(teil)).toRect();
        p.drawImage(QRectF(teil), bild, QRectF(quelle));
        gibZeilenFrei(m_bild, quelle.top(), quelle.bottom() + 1);
    }
    gibZeilenFrei(m_bild, 0, bild.height());
}

} // namespace varku
