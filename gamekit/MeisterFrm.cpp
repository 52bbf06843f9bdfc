#include "gamekit/MeisterFrm.h"

#include "foundation/MldFenster.h"
#include "platform/Dienste.h"
#include "platform/Laufzeitfehler.h"
#include "platform/Rand.h"

#include <QFontMetricsF>
#include <QGridLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace varku {

namespace {

const QColor tafelRand(0xe8, 0xc8, 0x60);
const QColor streifen(0xee, 0xf4, 0xfd);
const QColor kopfFarbe(0x1f, 0x4e, 0x8c);
constexpr double schriftGroesse = 14;

QLabel* spalte(QWidget* eltern, const QString& name, Qt::Alignment ausrichtung) {
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(ausrichtung | Qt::AlignTop);
    return l;
}

QLabel* kopf(QWidget* eltern, const QString& text, Qt::Alignment ausrichtung) {
    auto* l = new QLabel(text, eltern);
    l->setAlignment(ausrichtung | Qt::AlignBottom);
    return l;
}

} // namespace

// Die weiße Tafel hinter den Spalten: jede zweite Zeile leicht getönt, damit Kinder eine
// Zeile über alle vier Spalten verfolgen können; die Zeilen liegen im Abstand der Schrift.
class MeisterTafel : public QFrame {
public:
    explicit MeisterTafel(QWidget* eltern) : QFrame(eltern) {
        setObjectName(QStringLiteral("MeisterTafel"));
    }

    QLabel* ersteSpalte = nullptr;
    QLabel* kopfZeile = nullptr;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(tafelRand, 2));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 10, 10);
        if (!ersteSpalte || !kopfZeile)
            return;
        p.setRenderHint(QPainter::Antialiasing, false);
        const QFontMetricsF fm(ersteSpalte->font());
        const double zeile = fm.lineSpacing();
        const double oben = ersteSpalte->y() + ersteSpalte->contentsRect().top();
        const QRectF innen = QRectF(contentsRect()).adjusted(8, 0, -8, 0);
        for (int i = 0; i < Meisterliste::hoechstensEintraege; i += 2)
            p.fillRect(QRectF(innen.left(), oben + i * zeile, innen.width(), zeile), streifen);
        // die Linie unter den Überschriften
        const double linie = kopfZeile->geometry().bottom() + 4;
        p.drawLine(QPointF(innen.left(), linie), QPointF(innen.right(), linie));
    }
};

MeisterFrm::MeisterFrm(Meisterliste liste, QWidget* eltern)
    : QDialog(eltern), m_liste(std::move(liste)) {
    setObjectName(QStringLiteral("MeisterFrm"));
    setWindowTitle(QStringLiteral("Meisterliste"));
    setModal(true);

    m_tafel = new MeisterTafel(this);
    QFont schrift = font();
    schrift.setPointSizeF(schriftGroesse);
    m_tafel->setFont(schrift);

    lfdNrLbl = spalte(m_tafel, QStringLiteral("lfdNrLbl"), Qt::AlignRight);
    MstNameLbl = spalte(m_tafel, QStringLiteral("MstNameLbl"), Qt::AlignLeft);
    DatLbl = spalte(m_tafel, QStringLiteral("DatLbl"), Qt::AlignLeft);
    PunkteLbl = spalte(m_tafel, QStringLiteral("PunkteLbl"), Qt::AlignRight);

    QLabel* nameKopf = kopf(m_tafel, QStringLiteral("Name"), Qt::AlignLeft);
    QLabel* datumKopf = kopf(m_tafel, QStringLiteral("Datum"), Qt::AlignLeft);
    QLabel* punkteKopf = kopf(m_tafel, QStringLiteral("Punkte"), Qt::AlignRight);
    QFont fett = schrift;
    fett.setBold(true);
    for (QLabel* k : {nameKopf, datumKopf, punkteKopf}) {
        k->setFont(fett);
        QPalette pal = k->palette();
        pal.setColor(QPalette::WindowText, kopfFarbe);
        k->setPalette(pal);
    }

    auto* raster = new QGridLayout(m_tafel);
    raster->setContentsMargins(18, 12, 22, 14);
    raster->setHorizontalSpacing(26);
    raster->setVerticalSpacing(10);
    raster->addWidget(nameKopf, 0, 1);
    raster->addWidget(datumKopf, 0, 2);
    raster->addWidget(punkteKopf, 0, 3);
    raster->addWidget(lfdNrLbl, 1, 0);
    raster->addWidget(MstNameLbl, 1, 1);
    raster->addWidget(DatLbl, 1, 2);
    raster->addWidget(PunkteLbl, 1, 3);
    raster->setColumnStretch(1, 1);
    // Platz für zehn Zeilen und die längsten Werte, damit das Fenster nicht springt; längere
    // Inhalte machen ihre Spalte breiter
    const QFontMetricsF fm(schrift);
    const auto breite = [&](const QString& muster) {
        return int(std::ceil(fm.horizontalAdvance(muster)));
    };
    raster->setRowMinimumHeight(
        1, int(std::ceil(fm.lineSpacing() * Meisterliste::hoechstensEintraege)));
    raster->setColumnMinimumWidth(0, breite(QStringLiteral("10.")));
    raster->setColumnMinimumWidth(1, breite(QString(Meisterliste::namenLaenge, QLatin1Char('n'))));
    raster->setColumnMinimumWidth(2, breite(QStringLiteral("00.00.00")));
    raster->setColumnMinimumWidth(3, breite(QStringLiteral("0000000")));
    m_tafel->ersteSpalte = lfdNrLbl;
    m_tafel->kopfZeile = nameKopf;

    okBtn = new QPushButton(QStringLiteral("&OK"), this);
    okBtn->setObjectName(QStringLiteral("okBtn"));
    okBtn->setDefault(true);
    okBtn->setMinimumSize(110, 34);
    verbinde(okBtn, &QPushButton::clicked, this, &MeisterFrm::okBtn_Click);

    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(16, 16, 16, 14);
    aussen->setSpacing(14);
    aussen->addWidget(m_tafel);
    aussen->addWidget(okBtn, 0, Qt::AlignHCenter);
    okBtn->setFocus();
}

void MeisterFrm::zeige(const Meisterliste& liste, QWidget* eltern) {
    MeisterFrm f(liste, eltern);
    if (f.Form_Load())
        dienste::anzeige().zeigeModal(f);
}

bool MeisterFrm::Form_Load() {
    try {
        zeigeMeisterliste(m_liste.meisterliste());
        return true;
    } catch (const Laufzeitfehler& e) {
        zeigeMeisterliste({});
        zeigeMeldung(QStringLiteral("Die Meisterliste kann nicht gelesen werden.\r"
                                    "Die Datei ist beschädigt oder gesperrt:\r") +
                         e.betrifft(),
                     QStringLiteral("&OK"), QString(), QStringLiteral("Meisterliste"));
        return false;
    }
}

void MeisterFrm::zeigeMeisterliste(const std::vector<MeisterEintrag>& liste) {
    QStringList nr, namen, daten, punkte;
    for (const MeisterEintrag& e : liste) {
        nr << QString::number(nr.size() + 1) + QLatin1Char('.');
        namen << e.Name;
        daten << e.Datum;
        punkte << QString::number(e.Punkte);
    }
    const QChar umbruch = QLatin1Char('\n');
    lfdNrLbl->setText(nr.join(umbruch));
    MstNameLbl->setText(namen.join(umbruch));
    DatLbl->setText(daten.join(umbruch));
    PunkteLbl->setText(punkte.join(umbruch));
}

void MeisterFrm::okBtn_Click() {
    accept();
}

} // namespace varku
