#include "games/wheel/Radbrett.h"

#include "foundation/Anzeigen.h"
#include "foundation/Bilder.h"
#include "foundation/Dateisuche.h"
#include "foundation/Global.h"
#include "foundation/Twips.h"
#include "gamekit/Spielfenster.h"
#include "platform/Laufzeitfehler.h"
#include "platform/Rand.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varku::zirkomat {

namespace {

// Maße der Kästen in Twips
constexpr double kastenBreite = 660, kastenHoehe = 840, kastenOben = 420;

QPushButton* knopf(const QString& text, const QString& name, QWidget* eltern) {
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QString css(const Farbe& f) {
    return QColor(f.rot, f.gruen, f.blau).name();
}

QString radBildName(int stellung) {
    return QStringLiteral("ZIRK%1.png").arg(stellung);
}

} // namespace

Radbrett::Radbrett(const Radspiel& spiel, QWidget* eltern) : QWidget(eltern), m_spiel(spiel) {
    setObjectName(QStringLiteral("Brett"));
    auto* lage = new QVBoxLayout(this);
    lage->setContentsMargins(0, 0, 0, 0);
    lage->setSpacing(6);
    QFont gross = font();
    gross.setPointSize(13);

    // der Satz, an der Stelle des Schwerpunkts, wenn er gekauft ist
    SatzFrm = new QGroupBox(QStringLiteral("Satz"), this);
    auto* satz = new QVBoxLayout(SatzFrm);
    satz->setContentsMargins(9, 4, 9, 4);
    SatzBspLbl = new QLabel(SatzFrm);
    SatzBspLbl->setObjectName(QStringLiteral("SatzBspLbl"));
    SatzBspLbl->setMinimumHeight(px(480));
    SatzBspLbl->setStyleSheet(QStringLiteral("color: #1f4f8a;"));
    // verborgen behält der Satz seinen Platz, damit das Brett nicht springt
    QSizePolicy platz = SatzBspLbl->sizePolicy();
    platz.setRetainSizeWhenHidden(true);
    SatzBspLbl->setSizePolicy(platz);
    satz->addWidget(SatzBspLbl);
    lage->addWidget(SatzFrm);

    // die Kästen der Lösung
    LoesungFrm = new QGroupBox(QStringLiteral("Lösung"), this);
    LoesungFrm->setFixedHeight(px(kastenOben + kastenHoehe + 120));
    KontextLbl = new QLabel(LoesungFrm);
    KontextLbl->setObjectName(QStringLiteral("KontextLbl"));
    KontextLbl->setFont(gross);
    for (int i = 0; i < maxBuchstaben; ++i) {
        auto* l = new QLabel(LoesungFrm);
        l->setObjectName(QStringLiteral("BstLbl%1").arg(i));
        l->setAlignment(Qt::AlignCenter);
        QFont f = font();
        f.setPointSize(22);
        f.setBold(true);
        l->setFont(f);
        l->setVisible(false);
        BstLbl[size_t(i)] = l;
    }
    LoesungFrm->setMinimumWidth(px(135 + 2000 + maxBuchstaben * kastenBreite));
    lage->addWidget(LoesungFrm);

    auto* unten = new QHBoxLayout;
    // das Rad mit seiner Marke, die Knöpfe zum Drehen und Anhalten links und rechts der Marke
    auto* rad = new QVBoxLayout;
    auto* radKnoepfe = new QHBoxLayout;
    drehenBtn = knopf(QStringLiteral("dr&ehen"), QStringLiteral("drehenBtn"), this);
    anhaltenBtn = knopf(QStringLiteral("&anhalten"), QStringLiteral("anhaltenBtn"), this);
    RadStopMarke = new QLabel(this);
    RadStopMarke->setObjectName(QStringLiteral("RadStopMarke"));
    RadStopMarke->setPixmap(ladeBild(QStringLiteral("ZIRKMARKE.png")));
    for (QPushButton* b : {drehenBtn, anhaltenBtn}) {
        b->setFont(gross);
        b->setMinimumSize(130, 44);
    }
    radKnoepfe->addWidget(drehenBtn, 0, Qt::AlignBottom);
    radKnoepfe->addWidget(RadStopMarke, 1, Qt::AlignHCenter | Qt::AlignBottom);
    radKnoepfe->addWidget(anhaltenBtn, 0, Qt::AlignBottom);
    rad->addLayout(radKnoepfe);
    auto* radPlatz = new QWidget(this);
    radPlatz->setFixedSize(360, 360);
    auto* stapel = new QGridLayout(radPlatz);
    stapel->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 10; ++i) {
        auto* l = new QLabel(radPlatz);
        l->setObjectName(QStringLiteral("RadImg%1").arg(i));
        l->setAlignment(Qt::AlignCenter);
        stapel->addWidget(l, 0, 0);
        RadImg[size_t(i)] = l;
    }
    rad->addWidget(radPlatz, 0, Qt::AlignHCenter);
    rad->addStretch();
    unten->addLayout(rad);

    auto* rechts = new QVBoxLayout;
    ParaphrFrm = new QGroupBox(QStringLiteral("Umschreibung"), this);
    ParaphrFrm->setFixedHeight(px(1500));
    ParaphrLbl = new QLabel(ParaphrFrm);
    ParaphrLbl->setObjectName(QStringLiteral("ParaphrLbl"));
    ParaphrLbl->setWordWrap(true);
    ParaphrLbl->setFont(gross);
    ParaphrLbl->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // senkrecht in der Mitte des Rahmens, 50 Twips darunter: oben 100 Twips mehr Rand als unten
    auto* umschreibung = new QVBoxLayout(ParaphrFrm);
    umschreibung->setContentsMargins(12, px(100), 12, 0);
    umschreibung->addWidget(ParaphrLbl);
    rechts->addWidget(ParaphrFrm);

    auto* tasten = new QGridLayout;
    tasten->setSpacing(4);
    QFont tastenFont = font();
    tastenFont.setPointSize(14);
    tastenFont.setBold(true);
    for (int i = 0; i < anzahlTasten; ++i) {
        auto* b = knopf(QString(buchstabeDerTaste(i)), QStringLiteral("bstBtn%1").arg(i), this);
        b->setFont(tastenFont);
        b->setFixedSize(44, 40);
        verbinde(b, &QPushButton::clicked, this, [this, i] { emit buchstabe(i); });
        tasten->addWidget(b, i / 10, i % 10);
        bstBtn[size_t(i)] = b;
    }
    rechts->addLayout(tasten);

    auto* zuege = new QHBoxLayout;
    WortRatenLampe = new Lampe(this, 28);
    WortRatenLampe->setObjectName(QStringLiteral("WortRatenLampe"));
    KaufenLampe = new Lampe(this, 28);
    KaufenLampe->setObjectName(QStringLiteral("KaufenLampe"));
    WortRatenBtn = knopf(QStringLiteral("Wort &raten"), QStringLiteral("WortRatenBtn"), this);
    BstKaufBtn = knopf(QStringLiteral("&kaufen"), QStringLiteral("BstKaufBtn"), this);
    showSatzBtn = knopf(QStringLiteral("Satz &zeigen"), QStringLiteral("showSatzBtn"), this);
    for (QPushButton* b : {WortRatenBtn, BstKaufBtn, showSatzBtn})
        b->setMinimumSize(130, 40);
    zuege->addWidget(WortRatenLampe);
    zuege->addWidget(WortRatenBtn);
    zuege->addSpacing(12);
    zuege->addWidget(KaufenLampe);
    zuege->addWidget(BstKaufBtn);
    zuege->addWidget(showSatzBtn);
    zuege->addStretch();
    rechts->addLayout(zuege);
    rechts->addStretch();
    unten->addLayout(rechts, 1);
    lage->addLayout(unten);
}

void Radbrett::pruefeRadBilder() {
    const QString ordner = imProgrammordner(QStringLiteral("Grafik"));
    for (int i = 0; i < 10; ++i) {
        const QString pfad = findeDatei(ordner, radBildName(i));
        if (!QFileInfo::exists(pfad))
            throw Laufzeitfehler(Laufzeitfehler::DateiNichtGefunden,
                                 QStringLiteral("Ein Bild des Rades fehlt"), pfad);
        if (!QImageReader(pfad).canRead())
            throw Laufzeitfehler(Laufzeitfehler::DateiZugriff,
                                 QStringLiteral("Ein Bild des Rades lässt sich nicht lesen"), pfad);
    }
}

void Radbrett::ladeRadBilder() {
    for (int i = 0; i < 10; ++i) {
        if (i == m_spiel.radPos()) {
            RadImg[size_t(i)]->setPixmap(ladeBild(radBildName(i)));
            m_radBilder[size_t(i)] = {};
        } else {
            m_radBilder[size_t(i)] = ladeBildImHintergrund(radBildName(i));
        }
        RadImg[size_t(i)]->setVisible(i == m_spiel.radPos());
    }
}

void Radbrett::zeigeRad() {
    const int stellung = m_spiel.radPos();
    std::shared_future<QImage>& bild = m_radBilder[size_t(stellung)];
    if (bild.valid()) {
        RadImg[size_t(stellung)]->setPixmap(QPixmap::fromImage(bild.get()));
        bild = {};
    }
    for (int i = 0; i < 10; ++i)
        RadImg[size_t(i)]->setVisible(i == stellung);
}

void Radbrett::zeigeKnoepfe(const Radspiel::Knoepfe& k) {
    drehenBtn->setEnabled(k.drehen);
    anhaltenBtn->setEnabled(k.anhalten);
    for (QPushButton* b : bstBtn)
        b->setEnabled(k.buchstaben);
    WortRatenBtn->setEnabled(k.wortRaten);
    BstKaufBtn->setEnabled(k.kaufen);
    showSatzBtn->setEnabled(k.satz);
    KaufenLampe->setzeZustand(k.kaufenLampe ? Lampenzustand::Gruen : Lampenzustand::Rot);
    WortRatenLampe->setzeZustand(k.wortRatenLampe ? Lampenzustand::Gruen : Lampenzustand::Rot);
}

void Radbrett::zeichneKasten(int i) {
    if (i < 0 || i >= maxBuchstaben)
        return;
    const Radspiel::Kasten k = m_spiel.kasten(i);
    BstLbl[size_t(i)]->setStyleSheet(
        QStringLiteral("background: %1; color: %2; border: %3; border-radius: 6px;")
            .arg(css(k.grund), css(k.schrift),
                 k.rahmen ? QStringLiteral("2px solid #555") : QStringLiteral("none")));
}

void Radbrett::ordneKaestenAn() {
    double x = KontextLbl->text().isEmpty() ? 135 : twips(KontextLbl->width()) + 215;
    for (int i = 0; i < maxBuchstaben; ++i) {
        setzeTwips(*BstLbl[size_t(i)], x, kastenOben, kastenBreite - 60, kastenHoehe);
        if (i < m_spiel.Wort().size())
            zeichneKasten(i);
        x += kastenBreite;
    }
}

void Radbrett::zeigeRaetsel(const QString& paraphrase, const QString& kontext) {
    for (QLabel* l : BstLbl)
        l->setVisible(false);
    ParaphrLbl->setText(paraphrase);
    KontextLbl->setText(kontext);
    KontextLbl->adjustSize();
    setzeTwips(*KontextLbl, 135, kastenOben + 200, twips(KontextLbl->width()), 480);
    for (int i = 0; i < m_spiel.Wort().size() && i < maxBuchstaben; ++i) {
        BstLbl[size_t(i)]->setText(QString(m_spiel.Wort().at(i)));
        BstLbl[size_t(i)]->setVisible(true);
    }
    ordneKaestenAn();
}

void Radbrett::zeigeSatz(const QString& satz) {
    passeSchriftAn(*SatzBspLbl, satz, 12);
    SatzBspLbl->setText(satz);
    SatzBspLbl->setVisible(true);
}

void Radbrett::versteckeSatz() {
    SatzBspLbl->clear();
    SatzBspLbl->setVisible(false);
}

} // namespace varku::zirkomat
