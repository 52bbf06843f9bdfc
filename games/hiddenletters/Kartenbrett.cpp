#include "games/hiddenletters/Kartenbrett.h"

#include "foundation/Anzeigen.h"
#include "foundation/Global.h"
#include "foundation/Twips.h"
#include "gamekit/Lupenwort.h"
#include "gamekit/Spielfenster.h"
#include "platform/Laufzeitfehler.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace varku::kartomin {

namespace {

// der Entwurf in Twips: das Feld, die Karten darin und die Markierung um eine Karte
constexpr double feldBreite = 4815, feldHoehe = 4875;
constexpr double kartenLinks = 200, kartenOben = 280, kartenRaster = 900, kartenKante = 825;
constexpr double markeLinks = 150, markeOben = 240, markeKante = 915;
// die Schrift der Karten: Arial 24 Punkt fett, in einer Karte von 825 Twips
constexpr double kartenSchriftTwips = 24 * 20;
// größer als der Entwurf, wenn das Fenster Platz hat, aber nicht riesig
constexpr double groessterMassstab = 2.0 / twipsJePixel;

QColor rueckenFarbe(int i) {
    const Kartenfarbe& f = FarbTabelle[size_t(std::clamp(i, 0, int(FarbTabelle.size()) - 1))];
    return QColor(f.rot, f.gruen, f.blau);
}

} // namespace

// --- das Feld ---

Kartenfeld::Kartenfeld(const Kartenspiel& spiel, QWidget* eltern)
    : QWidget(eltern), m_spiel(spiel) {
    setObjectName(QStringLiteral("FldFrame"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize Kartenfeld::sizeHint() const {
    return {px(feldBreite * 1.3), px(feldHoehe * 1.3)};
}

QSize Kartenfeld::minimumSizeHint() const {
    return {px(feldBreite), px(feldHoehe)};
}

void Kartenfeld::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    m_massstab = std::clamp(std::min(width() / feldBreite, height() / feldHoehe),
                            1.0 / twipsJePixel / 2, groessterMassstab);
    m_ursprung = {std::max(0, int((width() - feldBreite * m_massstab) / 2)),
                  std::max(0, int((height() - feldHoehe * m_massstab) / 2))};
}

QRect Kartenfeld::rechteck(double links, double oben, double breite, double hoehe) const {
    return QRect(m_ursprung.x() + qRound(links * m_massstab),
                 m_ursprung.y() + qRound(oben * m_massstab), qRound(breite * m_massstab),
                 qRound(hoehe * m_massstab));
}

QRect Kartenfeld::kartenRechteck(int i) const {
    return rechteck(kartenLinks + kartenRaster * (i % feldSeite),
                    kartenOben + kartenRaster * (i / feldSeite), kartenKante, kartenKante);
}

QRect Kartenfeld::markenRechteck() const {
    return rechteck(markeLinks + kartenRaster * m_spiel.markeSpalte(),
                    markeOben + kartenRaster * m_spiel.markeZeile(), markeKante, markeKante);
}

int Kartenfeld::karteBei(const QPoint& p) const {
    for (int i = 0; i < feldKarten; ++i)
        if (kartenRechteck(i).contains(p))
            return i;
    return -1;
}

void Kartenfeld::zeigeMarke(bool an) {
    m_markeAn = an;
    update();
}

void Kartenfeld::zeichneKarteSofort(int i) {
    repaint(kartenRechteck(i).adjusted(-4, -4, 4, 4));
}

void Kartenfeld::zeigeKarte(int i) {
    update(kartenRechteck(i).adjusted(-4, -4, 4, 4));
}

void Kartenfeld::setzeJokerBild(int nr, const QPixmap& bild) {
    if (nr >= 1 && nr <= jokerBilder)
        m_joker[size_t(nr - 1)] = bild;
}

void Kartenfeld::mousePressEvent(QMouseEvent* e) {
    const int i = karteBei(e->position().toPoint());
    if (i >= 0)
        emit karteGedrueckt(i, e->button());
}

void Kartenfeld::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // ein grüner Tisch, auf dem die Karten liegen
    p.fillRect(e->rect(), palette().window());
    const QRect tisch = rechteck(0, 0, feldBreite, feldHoehe);
    p.setPen(QPen(QColor(0x1f, 0x5c, 0x42), 3));
    p.setBrush(QColor(0x3a, 0x95, 0x6c));
    p.drawRoundedRect(tisch.adjusted(2, 2, -2, -2), 12, 12);
    for (int i = 0; i < feldKarten; ++i)
        if (e->rect().intersects(kartenRechteck(i).adjusted(-4, -4, 4, 4)))
            maleKarte(p, i);
    if (m_markeAn) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xff, 0xeb, 0x3b), std::max(3.0, 45 * m_massstab)));
        p.drawRoundedRect(markenRechteck(), 8, 8);
    }
}

void Kartenfeld::maleKarte(QPainter& p, int i) const {
    const Karte& k = m_spiel.karte(i);
    const QRectF r = QRectF(kartenRechteck(i)).adjusted(1, 1, -1, -1);
    const qreal rund = r.width() * 0.12;
    // ein weicher Schatten unter jeder Karte
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(r.translated(2, 3), rund, rund);
    if (!k.offen) {
        const QColor farbe = rueckenFarbe(k.farbe);
        QLinearGradient verlauf(r.topLeft(), r.bottomRight());
        verlauf.setColorAt(0, farbe.lighter(125));
        verlauf.setColorAt(1, farbe.darker(110));
        p.setBrush(verlauf);
        p.setPen(QPen(farbe.darker(140), 2));
        p.drawRoundedRect(r, rund, rund);
        // ein heller Rahmen und ein Fragezeichen: hier versteckt sich vielleicht etwas
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 150), std::max(1.5, r.width() * 0.03)));
        p.drawRoundedRect(
            r.adjusted(r.width() * 0.1, r.width() * 0.1, -r.width() * 0.1, -r.width() * 0.1),
            rund * 0.6, rund * 0.6);
        QFont f(QStringLiteral("Arial"));
        f.setBold(true);
        f.setPixelSize(std::max(6, int(r.height() * 0.42)));
        p.setFont(f);
        p.setPen(QColor(255, 255, 255, 110));
        p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
        return;
    }
    p.setBrush(Qt::white);
    const bool gewonnen = k.gefunden && !k.istJoker();
    p.setPen(QPen(gewonnen ? QColor(0x2e, 0xa0, 0x4b) : QColor(0x9e, 0x9e, 0x9e),
                  gewonnen ? std::max(3.0, r.width() * 0.05) : 2.0));
    p.drawRoundedRect(r, rund, rund);
    if (k.istJoker()) {
        const QPixmap& bild = k.jokerBild >= 1 ? m_joker[size_t(k.jokerBild - 1)] : QPixmap();
        if (!bild.isNull())
            p.drawPixmap(r.adjusted(3, 3, -3, -3), bild, QRectF(bild.rect()));
        return;
    }
    if (k.inhalt.isEmpty())
        return;
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setPixelSize(std::max(6, int(kartenSchriftTwips * m_massstab * 1.2)));
    p.setFont(f);
    p.setPen(gewonnen ? QColor(0x1b, 0x5e, 0x20) : QColor(0xc6, 0x28, 0x28));
    p.drawText(r, Qt::AlignCenter, k.inhalt);
}

// --- das Brett ---

namespace {

QGroupBox* wortRahmen(const QString& titel, const char* name, QLabel*& kontext, QLabel*& wort,
                      const char* kontextName, const char* wortName, QWidget* eltern) {
    auto* g = new QGroupBox(titel, eltern);
    g->setObjectName(QString::fromLatin1(name));
    g->setFixedWidth(px(3255 * 1.4));
    auto* l = new QHBoxLayout(g);
    l->setContentsMargins(px(90), 2, px(60), 4);
    l->setSpacing(px(50));
    kontext = new QLabel(g);
    kontext->setObjectName(QString::fromLatin1(kontextName));
    kontext->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    wort = new QLabel(g);
    wort->setObjectName(QString::fromLatin1(wortName));
    wort->setMinimumHeight(px(600));
    wort->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    wort->setStyleSheet(QStringLiteral("color: #1f4f8a;"));
    QFont f = wort->font();
    f.setFamily(QStringLiteral("Arial"));
    f.setBold(true);
    wort->setFont(f);
    kontext->setFont(f);
    l->addWidget(kontext);
    l->addWidget(wort, 1);
    return g;
}

} // namespace

Kartenbrett::Kartenbrett(const Kartenspiel& spiel, QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("Brett"));
    auto* lage = new QHBoxLayout(this);
    lage->setContentsMargins(0, 0, 0, 0);
    lage->setSpacing(10);
    FldFrame = new Kartenfeld(spiel, this);
    lage->addWidget(FldFrame, 1);

    auto* seite = new QVBoxLayout;
    seite->setSpacing(8);
    SuchWortFrame = wortRahmen(QStringLiteral("gesucht"), "SuchWortFrame", SuchKontLbl, SuchWortLbl,
                               "SuchKontLbl", "SuchWortLbl", this);
    FundWortFrame = wortRahmen(QStringLiteral("gefunden"), "FundWortFrame", FundKontLbl,
                               FundWortLbl, "FundKontLbl", "FundWortLbl", this);
    FundWortLbl->setStyleSheet(QStringLiteral("color: #1b5e20;"));
    // die Lupe liegt über dem Wort, ein Rahmen um die Buchstaben, um die es geht
    LeseLupe = new QWidget(SuchWortFrame);
    LeseLupe->setObjectName(QStringLiteral("LeseLupe"));
    LeseLupe->setAttribute(Qt::WA_TransparentForMouseEvents);
    LeseLupe->setAttribute(Qt::WA_StyledBackground);
    LeseLupe->setStyleSheet(QStringLiteral(
        "#LeseLupe { border: 3px solid #e0a000; border-radius: 8px; background: transparent; }"));
    LeseLupe->hide();
    m_lupenwort = new Lupenwort(*SuchWortLbl, *LeseLupe, 30,
                                [this](const QString& w) { passeSchriftenAn(w); });
    seite->addWidget(SuchWortFrame);
    seite->addWidget(FundWortFrame);

    Frame3 = new QGroupBox(QStringLiteral("Bonus"), this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    auto* bonus = new QHBoxLayout(Frame3);
    RisikoZiff = new Ziffernanzeige(QStringLiteral("RisikoZiff"), 3, false, Frame3);
    RisikoZiff->setzeFarbe(QColor(255, 255, 0));
    RisikoZiff->setMinimumSize(RisikoZiff->size());
    RisikoEinImg = new Lampe(Frame3, 32);
    RisikoEinImg->setObjectName(QStringLiteral("RisikoEinImg"));
    RisikoAusImg = new Lampe(Frame3, 32);
    RisikoAusImg->setObjectName(QStringLiteral("RisikoAusImg"));
    RisikoBtn = new QPushButton(QStringLiteral("&Risiko"), Frame3);
    RisikoBtn->setObjectName(QStringLiteral("RisikoBtn"));
    RisikoBtn->setAutoDefault(false);
    RisikoBtn->setMinimumHeight(px(600));
    bonus->addWidget(RisikoZiff);
    bonus->addWidget(RisikoEinImg);
    bonus->addWidget(RisikoAusImg);
    bonus->addWidget(RisikoBtn, 1);
    seite->addWidget(Frame3);
    seite->addStretch();
    lage->addLayout(seite);
    zeigeEinsatz(0);
}

void Kartenbrett::zeigeWort(const QString& wort, const QString& kontext, int von, int bis,
                            bool lupeAn) {
    SuchKontLbl->setText(kontext);
    SuchWortLbl->setText(wort);
    FundKontLbl->setText(kontext);
    FundWortLbl->clear();
    m_lupenwort->zeige(wort);
    m_lupenwort->markiere(wort, von, bis, lupeAn);
}

void Kartenbrett::zeigeGefunden(const QString& gefunden) {
    FundWortLbl->setText(gefunden);
    FundWortLbl->repaint();
}

void Kartenbrett::zeigeEinsatz(int einsatz) {
    RisikoZiff->zeige(QStringLiteral("%1").arg(einsatz, 3, 10, QLatin1Char('0')));
}

void Kartenbrett::passeSchriftenAn(const QString& wort) {
    passeSchriftAn(*SuchKontLbl, 8, *SuchWortLbl, wort, 20, 6);
    FundKontLbl->setFont(SuchKontLbl->font());
    FundWortLbl->setFont(SuchWortLbl->font());
}

QPixmap ladeJokerBild(int nr) {
    const QString stamm = QStringLiteral("JOKER") + QString::number(nr);
    const QString ordner = imProgrammordner(QStringLiteral("Grafik"));
    // ohne Rücksicht auf Groß und klein und auf die Endung: das erste Bild, das sich lesen lässt
    const QStringList dateien =
        QDir(ordner).entryList({stamm + QStringLiteral(".*")}, QDir::Files, QDir::Name);
    for (const QString& d : dateien) {
        const QString pfad = ordner + QLatin1Char('/') + d;
        if (QFileInfo(d).completeBaseName().compare(stamm, Qt::CaseInsensitive) != 0 ||
            !QImageReader(pfad).canRead())
            continue;
        QPixmap bild(pfad);
        if (!bild.isNull())
            return bild;
    }
    throw Laufzeitfehler(Laufzeitfehler::DateiNichtGefunden,
                         QStringLiteral("Ein Bild des Jokers fehlt"),
                         ordner + QLatin1Char('/') + stamm);
}

} // namespace varku::kartomin
