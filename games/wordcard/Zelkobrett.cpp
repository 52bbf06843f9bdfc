#include "games/wordcard/Zelkobrett.h"

#include "foundation/Anzeigen.h"
#include "foundation/Benannt.h"
#include "foundation/Twips.h"
#include "foundation/Wortzugang.h"
#include "gamekit/Spielfenster.h"
#include "gamekit/Spielrunde.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace varku::zelko {

namespace {

// Grund- und Markierfarbe je Platz; der fünfte ist das Grau einer leeren Karte
constexpr std::array<std::array<int, 3>, 5> grund{
    {{255, 255, 0}, {204, 255, 255}, {255, 204, 102}, {204, 255, 102}, {223, 223, 222}}};
constexpr std::array<std::array<int, 3>, 5> mark{
    {{255, 153, 51}, {0, 255, 0}, {204, 0, 204}, {51, 153, 255}, {223, 223, 222}}};

int platz(int spieler) {
    return spieler < 0 || spieler > 3 ? 4 : spieler;
}

QColor farbe(const std::array<int, 3>& f) {
    return QColor(f[0], f[1], f[2]);
}

const QString spaltenBuchstaben = QStringLiteral("ZELKO");

// die Lage auf einer Karte: Rand, Kopf mit den Spaltenbuchstaben, links die Reihennummern
struct Kartenmass {
    double rand, kopf, nummer, zelle, abstand;
    explicit Kartenmass(QSize g) {
        // Breite: Rand, Nummern, fünf Zellen, Rand; Höhe: Rand, Kopf, fünf Zellen, Rand
        const double ausBreite = g.width() / 6.6;
        const double ausHoehe = g.height() / 6.7;
        zelle = std::min(ausBreite, ausHoehe);
        rand = zelle * 0.25;
        nummer = zelle * 0.9;
        kopf = zelle * 1.0;
        abstand = zelle * 0.1;
    }
    QRectF feld(int f) const {
        const int spalte = (f - 1) % 5, reihe = (f - 1) / 5;
        return {rand + nummer + spalte * zelle + abstand / 2,
                rand + kopf + reihe * zelle + abstand / 2, zelle - abstand, zelle - abstand};
    }
    QSizeF groesse() const { return {2 * rand + nummer + 5 * zelle, 2 * rand + kopf + 5 * zelle}; }
};

QFont fett(double pixel) {
    QFont f(QStringLiteral("Sans Serif"));
    f.setBold(true);
    f.setPixelSize(std::max(6, int(pixel)));
    return f;
}

} // namespace

QColor grundFarbe(int spieler) {
    return farbe(grund[size_t(platz(spieler))]);
}
QColor markFarbe(int spieler) {
    return farbe(mark[size_t(platz(spieler))]);
}

QPixmap kartenBild(int spieler, QSize groesse) {
    static QHash<QString, QPixmap> ablage;
    const QString schluessel =
        QStringLiteral("%1/%2x%3").arg(platz(spieler)).arg(groesse.width()).arg(groesse.height());
    if (auto it = ablage.constFind(schluessel); it != ablage.constEnd())
        return *it;
    QPixmap bild(groesse);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const Kartenmass m(groesse);
    const QColor g = grundFarbe(spieler), k = markFarbe(spieler);
    const QRectF karte(0.5, 0.5, m.groesse().width() - 1, m.groesse().height() - 1);
    // die Karte: ein Verlauf von der Markierfarbe zur Grundfarbe, dunkler Rand
    QLinearGradient verlauf(karte.topLeft(), karte.bottomRight());
    verlauf.setColorAt(0, k.lighter(125));
    verlauf.setColorAt(1, g.darker(115));
    p.setPen(QPen(k.darker(170), std::max(1.0, m.zelle / 18)));
    p.setBrush(verlauf);
    p.drawRoundedRect(karte, m.zelle * 0.35, m.zelle * 0.35);
    // Z E L K O im Kopf, jeder Buchstabe auf einem Kreis
    p.setFont(fett(m.zelle * 0.5));
    for (int s = 0; s < 5; ++s) {
        const QRectF zelle(m.rand + m.nummer + s * m.zelle, m.rand, m.zelle, m.kopf);
        const double d = m.zelle * 0.8;
        const QRectF kreis(zelle.center().x() - d / 2, zelle.center().y() - d / 2, d, d);
        p.setPen(Qt::NoPen);
        p.setBrush(k.darker(135));
        p.drawEllipse(kreis);
        p.setPen(Qt::white);
        p.drawText(kreis, Qt::AlignCenter, spaltenBuchstaben.mid(s, 1));
    }
    // die Reihennummern
    p.setPen(k.darker(220));
    p.setFont(fett(m.zelle * 0.42));
    for (int r = 0; r < 5; ++r)
        p.drawText(QRectF(m.rand, m.rand + m.kopf + r * m.zelle, m.nummer, m.zelle),
                   Qt::AlignCenter, QString::number(r + 1));
    p.end();
    ablage.insert(schluessel, bild);
    return bild;
}

// --- eine Karte ---

Kartenfeld::Kartenfeld(int tafel, QWidget* eltern) : QWidget(eltern), m_tafel(tafel) {
    setObjectName(QStringLiteral("spFldFrame%1").arg(tafel));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QSize Kartenfeld::sizeHint() const {
    return m_tafel == 0 ? QSize(310, 340) : QSize(180, 205);
}
QSize Kartenfeld::minimumSizeHint() const {
    return m_tafel == 0 ? QSize(250, 280) : QSize(150, 175);
}

void Kartenfeld::zeige(int spieler, const QString& name,
                       const std::array<bool, kartenFelder + 1>& marken, int aufgerufen) {
    m_spieler = spieler;
    m_name = name;
    m_marken = marken;
    m_aufgerufen = m_tafel == 0 ? aufgerufen : 0;
    update();
}

QRect Kartenfeld::kartenRechteck() const {
    // unter dem Namen; so groß, wie es mit den Maßen der Karte passt
    const int namensHoehe = fontMetrics().height() + 4;
    const QSize platzDa(width(), height() - namensHoehe);
    const QSizeF g = Kartenmass(platzDa).groesse();
    return QRect(int((width() - g.width()) / 2), namensHoehe, int(g.width()), int(g.height()));
}

void Kartenfeld::paintEvent(QPaintEvent* /*e*/) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRect k = kartenRechteck();
    // der Name über der Karte; die große Karte hat ihn im Rahmen rechts
    QFont n = font();
    n.setBold(true);
    p.setFont(n);
    p.setPen(palette().windowText().color());
    if (m_tafel > 0)
        p.drawText(QRect(0, 0, width(), k.top()), Qt::AlignCenter, m_name);
    p.drawPixmap(k.topLeft(), kartenBild(m_spieler, k.size()));
    const Kartenmass m(k.size());
    for (int f = 1; f <= kartenFelder; ++f) {
        const QRectF r = m.feld(f).translated(k.topLeft());
        const bool gesetzt = m_spieler >= 0 && m_marken[size_t(f)];
        p.setPen(QPen(markFarbe(m_spieler).darker(160), 1));
        p.setBrush(gesetzt ? markFarbe(m_spieler) : grundFarbe(m_spieler));
        p.drawRoundedRect(r, r.width() * 0.18, r.width() * 0.18);
        if (gesetzt) {
            // ein Stern zeigt das Feld auch ohne Farben
            p.setPen(Qt::white);
            p.setFont(fett(r.height() * 0.62));
            p.drawText(r, Qt::AlignCenter, QStringLiteral("★"));
        }
        if (f == m_aufgerufen) {
            p.setPen(QPen(QColor(200, 0, 0), std::max(2.0, r.width() / 12)));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(r.adjusted(-1, -1, 1, 1), r.width() * 0.18, r.width() * 0.18);
        }
    }
}

// --- die Zeile des Lückenworts ---

Lueckenzeile::Lueckenzeile(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("LueckZeile"));
    KontextLbl = benannt(new QLabel(this), "KontextLbl");
    LueckWortLbl = benannt(new QLabel(this), "LueckWortLbl");
    LueckenMarke = benannt(new QFrame(this), "LueckenMarke");
    LueckenMarke->setFrameShape(QFrame::NoFrame);
    LueckenMarke->setAutoFillBackground(true);
    QPalette rot = LueckenMarke->palette();
    rot.setColor(QPalette::Window, QColor(200, 0, 0));
    LueckenMarke->setPalette(rot);
    setMinimumHeight(px(900));
}

QSize Lueckenzeile::sizeHint() const {
    return {px(7000), px(1000)};
}

void Lueckenzeile::zeige(const QString& kontext, const QString& vorDerLuecke,
                         const QString& nachDerLuecke) {
    m_kontext = kontext;
    m_vor = vorDerLuecke;
    m_nach = nachDerLuecke;
    lege();
}

void Lueckenzeile::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    lege();
}

void Lueckenzeile::lege() {
    const QString blanks = QStringLiteral("    ");
    const QString wort = m_vor + blanks + m_nach;
    // von 22 Punkten an kleiner, bis Kontext und Wort nebeneinander passen, höchstens bis 12
    QFont f(QStringLiteral("Sans Serif"));
    f.setBold(true);
    int punkte = 22;
    for (; punkte > 12; --punkte) {
        f.setPointSize(punkte);
        const double breite =
            (m_kontext.isEmpty() ? 0 : textBreite(m_kontext, f) + 100) + textBreite(wort, f);
        if (px(breite) <= width())
            break;
    }
    f.setPointSize(punkte);
    for (QLabel* l : {KontextLbl, LueckWortLbl})
        l->setFont(f);
    const int hoehe = QFontMetrics(f).height();
    const int oben = std::max(0, (height() - hoehe) / 2 - 4);
    const int kb = m_kontext.isEmpty() ? 0 : px(textBreite(m_kontext, f));
    KontextLbl->setText(m_kontext);
    KontextLbl->setGeometry(0, oben, kb + 4, hoehe);
    const int links = m_kontext.isEmpty() ? 0 : kb + px(100);
    LueckWortLbl->setText(wort);
    LueckWortLbl->setGeometry(links, oben, std::max(0, width() - links), hoehe);
    // die Marke unter den vier Leerzeichen
    const int vor = m_vor.isEmpty() ? 0 : px(textBreite(m_vor, f));
    const int breit = std::max(8, px(textBreite(blanks, f)));
    LueckenMarke->setGeometry(links + vor, oben + hoehe - 2, breit, 4);
    LueckenMarke->setVisible(!wort.trimmed().isEmpty());
}

// --- das Brett ---

Zelkobrett::Zelkobrett(const Zelkospiel& spiel, QWidget* eltern) : QWidget(eltern), m_spiel(spiel) {
    setObjectName(QStringLiteral("Brett"));
    for (int i = 0; i < kartenSpieler; ++i)
        spFldFrame[size_t(i)] = new Kartenfeld(i, this);

    FeldKennungLbl = benannt(new QLabel(this), "FeldKennungLbl");
    FeldKennungLbl->setAlignment(Qt::AlignCenter);
    FeldKennungLbl->setFont(fett(px(700)));
    FeldKennungLbl->setMinimumSize(px(1500), px(1000));
    FeldKennungLbl->setAutoFillBackground(true);
    QPalette fp = FeldKennungLbl->palette();
    fp.setColor(QPalette::Window, QColor(255, 255, 255));
    fp.setColor(QPalette::WindowText, QColor(200, 0, 0));
    FeldKennungLbl->setPalette(fp);
    FeldKennungLbl->setFrameShape(QFrame::Box);
    auto* feldText = new QLabel(QStringLiteral("Dein Feld:"), this);
    QFont ft = feldText->font();
    ft.setPointSize(14);
    ft.setBold(true);
    feldText->setFont(ft);

    LueckZeile = new Lueckenzeile(this);
    LueckSatzFrame = benannt(new QGroupBox(QStringLiteral("Satz"), this), "LueckSatzFrame");
    LueckSatzLbl = benannt(new QLabel(LueckSatzFrame), "LueckSatzLbl");
    LueckSatzLbl->setWordWrap(true);
    QFont sf = LueckSatzLbl->font();
    sf.setPointSize(15);
    LueckSatzLbl->setFont(sf);
    LueckSatzLbl->setMinimumHeight(px(900));
    auto* satzLage = new QVBoxLayout(LueckSatzFrame);
    satzLage->addWidget(LueckSatzLbl, 0, Qt::AlignVCenter);

    wLueckGrLst = benannt(new QListWidget(this), "wLueckGrLst");
    QFont lf = wLueckGrLst->font();
    lf.setPointSize(20);
    lf.setBold(true);
    wLueckGrLst->setFont(lf);
    wLueckGrLst->setMinimumSize(px(2200), px(1500));
    wLueckGrLst->setMaximumWidth(px(3600));
    einsetzenBtn = benannt(new QPushButton(QStringLiteral("&einsetzen"), this), "einsetzenBtn");
    LoesTippBtn = benannt(new QPushButton(QStringLiteral("Lösungs&tipp"), this), "LoesTippBtn");
    for (QPushButton* b : {einsetzenBtn, LoesTippBtn}) {
        b->setAutoDefault(false);
        b->setMinimumHeight(px(600));
        QFont bf = b->font();
        bf.setPointSize(13);
        bf.setBold(true);
        b->setFont(bf);
    }

    auto* lampen = benannt(new QGroupBox(this), "LampenFrame");
    falschImg = benannt(new Lampe(lampen), "falschImg");
    falschLbl = benannt(new QLabel(QStringLiteral("Fehler"), lampen), "falschLbl");
    ZelkoImg = benannt(new Lampe(lampen), "ZelkoImg");
    ZelkoLbl = benannt(new QLabel(QStringLiteral("Zelko"), lampen), "ZelkoLbl");
    ladenImg = benannt(new Lampe(lampen), "ladenImg");
    ladenLbl = benannt(new QLabel(QStringLiteral("Du bist dran"), lampen), "ladenLbl");
    for (QLabel* l : {falschLbl, ZelkoLbl, ladenLbl}) {
        QFont lbf = l->font();
        lbf.setBold(true);
        l->setFont(lbf);
    }
    zeigeLampenText(falschLbl, false);
    zeigeLampenText(ZelkoLbl, false);
    zeigeLampenText(ladenLbl, false);
    m_fehlerBlinker = std::make_unique<Blinklampe>(*falschImg, 300);
    m_zelkoBlinker = std::make_unique<Blinklampe>(*ZelkoImg, 300);
    m_fehlerBlinker->beiEnde = m_zelkoBlinker->beiEnde = [this] { emit blinkenVorbei(); };
    auto* lampenLage = new QGridLayout(lampen);
    lampenLage->addWidget(falschImg, 0, 0);
    lampenLage->addWidget(falschLbl, 0, 1);
    lampenLage->addWidget(ZelkoImg, 1, 0);
    lampenLage->addWidget(ZelkoLbl, 1, 1);
    lampenLage->addWidget(ladenImg, 2, 0);
    lampenLage->addWidget(ladenLbl, 2, 1);

    auto* zelkos = benannt(new QGroupBox(QStringLiteral("Zelkos"), this), "ZelkoFrame");
    zelkZiff = new Ziffernanzeige(QStringLiteral("zelkZiff"), 3, false, zelkos);
    zelkZiff->setMinimumSize(zelkZiff->size());
    auto* zl = new QVBoxLayout(zelkos);
    zl->addWidget(zelkZiff, 0, Qt::AlignCenter);

    // oben: die Karte des Spielers am Zug und der Aufruf
    auto* feldZeile = new QHBoxLayout;
    feldZeile->addWidget(feldText);
    feldZeile->addWidget(FeldKennungLbl);
    feldZeile->addStretch();
    auto* wahlZeile = new QHBoxLayout;
    wahlZeile->addWidget(wLueckGrLst, 1);
    auto* knoepfe = new QVBoxLayout;
    knoepfe->addWidget(einsetzenBtn);
    knoepfe->addWidget(LoesTippBtn);
    knoepfe->addStretch();
    knoepfe->addWidget(zelkos);
    wahlZeile->addLayout(knoepfe);
    auto* aufruf = new QVBoxLayout;
    aufruf->addLayout(feldZeile);
    aufruf->addWidget(LueckZeile);
    aufruf->addWidget(LueckSatzFrame);
    aufruf->addLayout(wahlZeile, 1);
    auto* oben = new QHBoxLayout;
    oben->addWidget(spFldFrame[0], 0);
    oben->addLayout(aufruf, 1);

    // unten: die Karten der anderen, die Lampen und die Zelkos
    auto* unten = new QHBoxLayout;
    for (int i = 1; i < kartenSpieler; ++i)
        unten->addWidget(spFldFrame[size_t(i)]);
    unten->addWidget(lampen, 0, Qt::AlignBottom);

    auto* lage = new QVBoxLayout(this);
    lage->setContentsMargins(0, 0, 0, 0);
    lage->addLayout(oben, 3);
    lage->addLayout(unten, 2);

    setTabOrder(wLueckGrLst, einsetzenBtn);
    setTabOrder(einsetzenBtn, LoesTippBtn);
}

QString lueckenSatz(const Luecke& l) {
    if (!l.SatzKontext.contains(QLatin1Char('@')))
        return {};
    const qsizetype p = l.LueckWort.indexOf(QLatin1Char('_'));
    // "H_se" wird "H__se"
    return satzMitEinsatz(l.SatzKontext,
                          p < 0 ? l.LueckWort : l.LueckWort.left(p + 1) + l.LueckWort.mid(p));
}

Zelkobrett::~Zelkobrett() = default;

void Zelkobrett::zeigeLueckensatz() {
    const Luecke& l = m_spiel.luecke();
    const qsizetype p = l.LueckWort.indexOf(QLatin1Char('_'));
    LueckZeile->zeige(l.Kontext, p < 0 ? l.LueckWort : l.LueckWort.left(p),
                      p < 0 ? QString() : l.LueckWort.mid(p + 1));
    LueckSatzLbl->setText(lueckenSatz(l));
    wLueckGrLst->clear();
    for (const QString& f : m_spiel.auswahl()) {
        if (f.isEmpty())
            break;
        wLueckGrLst->addItem(f);
    }
    wLueckGrLst->setCurrentRow(-1);
    wLueckGrLst->clearSelection();
}

void Zelkobrett::zeigeZug() {
    FeldKennungLbl->setText(feldKennung(m_spiel.aktFeld));
    zeigeKarten();
    zeigeZelkos();
    zeigeWahl();
}

void Zelkobrett::zeigeKarten() {
    const Spielrunde& r = m_spiel.runde();
    for (int i = 0; i < kartenSpieler; ++i) {
        Kartenfeld* k = spFldFrame[size_t(i)];
        if (i >= r.nSpieler) {
            k->zeige(-1, {}, {}, 0);
            continue;
        }
        const int s = (r.aktSpieler + i) % r.nSpieler;
        std::array<bool, kartenFelder + 1> marken{};
        for (int f = 1; f <= kartenFelder; ++f)
            marken[size_t(f)] = m_spiel.karten.markiert(s, f);
        k->zeige(s, r.SpielerName[size_t(s)], marken, m_spiel.aktFeld);
    }
}

void Zelkobrett::zeigeZelkos() {
    zelkZiff->zeige(QStringLiteral("%1").arg(
        m_spiel.ZelkoAnzahl[size_t(m_spiel.runde().aktSpieler)], 3, 10, QLatin1Char('0')));
}

void Zelkobrett::zeigeWahl() {
    const int i = m_spiel.tippAuswahl();
    wLueckGrLst->setCurrentRow(i);
    if (i < 0)
        wLueckGrLst->clearSelection();
}

void Zelkobrett::zeigeLampen() {
    const Lampen n = m_spiel.lampen();
    m_fehlerBlinker->halte(Lampenzustand::Aus);
    m_zelkoBlinker->halte(Lampenzustand::Aus);
    ladenImg->setzeZustand(n == Lampen::Laden ? Lampenzustand::Gruen : Lampenzustand::Aus);
    zeigeLampenText(falschLbl, n == Lampen::Fehler);
    zeigeLampenText(ZelkoLbl, n == Lampen::Zelko);
    zeigeLampenText(ladenLbl, n == Lampen::Laden);
    // sechsmal an, dann geht sie aus
    if (n == Lampen::Fehler)
        m_fehlerBlinker->blinke(Lampenzustand::Rot, Lampenzustand::Aus, 12);
    else if (n == Lampen::Zelko)
        m_zelkoBlinker->blinke(Lampenzustand::Gelb, Lampenzustand::Aus, 12);
}

bool Zelkobrett::blinkt() const {
    return m_fehlerBlinker->blinkt() || m_zelkoBlinker->blinkt();
}

void Zelkobrett::zeigeLampenText(QLabel* text, bool an) {
    QPalette p = text->palette();
    const QColor hell = text == ladenLbl ? QColor(0, 120, 0) : QColor(200, 0, 0);
    p.setColor(QPalette::WindowText, an ? hell : QColor(110, 110, 110));
    text->setPalette(p);
}

} // namespace varku::zelko
