#include "games/fallingletters/Fallbrett.h"

#include "foundation/Anzeigen.h"
#include "foundation/Twips.h"
#include "gamekit/Lupenwort.h"
#include "gamekit/Spielfenster.h"
#include "games/fallingletters/Steinbilder.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace varku::dolmix {

namespace {

// eine Zelle ist im Entwurf 448 Twips groß; größer, wenn das Fenster Platz hat
constexpr int kleinsteZelle = 30; // px(448)
constexpr int vorgeseheneZelle = 42;

constexpr int groessteZelle = 96;

QSize feldGroesse(int zelle) {
    return spielfeldGroesse(zelle);
}

QPushButton* knopf(const QString& text, const QString& name, QWidget* eltern) {
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setMinimumHeight(px(600));
    return b;
}

} // namespace

// --- das Feld ---

Spielfeldflaeche::Spielfeldflaeche(const Fallspiel& spiel, QWidget* eltern)
    : QWidget(eltern), m_spiel(spiel), m_zelle(kleinsteZelle) {
    setObjectName(QStringLiteral("SpFld"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize Spielfeldflaeche::sizeHint() const {
    return feldGroesse(vorgeseheneZelle);
}

QSize Spielfeldflaeche::minimumSizeHint() const {
    return feldGroesse(kleinsteZelle);
}

int Spielfeldflaeche::zelle() const {
    return m_zelle;
}

void Spielfeldflaeche::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    // so groß, wie das Feld mit seinem Rand in die Fläche passt
    int z = kleinsteZelle;
    while (z < groessteZelle && feldGroesse(z + 1).width() <= width() &&
           feldGroesse(z + 1).height() <= height())
        ++z;
    m_zelle = z;
    const QSize g = feldGroesse(z);
    m_ursprung = {std::max(0, (width() - g.width()) / 2), std::max(0, (height() - g.height()) / 2)};
}

QRect Spielfeldflaeche::zellenRechteck(int spalte, int zeile) const {
    return dolmix::zellenRechteck(spalte, zeile, m_zelle).translated(m_ursprung);
}

void Spielfeldflaeche::zeigeZellen(const std::vector<std::pair<int, int>>& zellen) {
    for (const auto& [s, z] : zellen)
        if (z >= 1 && z <= feldZeilen)
            update(zellenRechteck(s, z));
}

void Spielfeldflaeche::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.fillRect(e->rect(), palette().window());
    p.drawPixmap(m_ursprung, spielfeldBild(m_zelle));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (int s = 1; s <= feldSpalten; ++s)
        for (int r = 1; r <= feldZeilen; ++r) {
            const FeldZelle& c = m_spiel.zelle(s, r);
            const QRect rechteck = zellenRechteck(s, r);
            if (!c.belegt() || !e->rect().intersects(rechteck))
                continue;
            // ein gewischter Buchstabe: der Stein bleibt, ohne Buchstaben
            const bool gewischt = !c.istBlank && c.buchstabe == u"*";
            maleStein(p, rechteck, c.istBlank ? 0 : c.farbe, gewischt ? QString() : c.buchstabe,
                      c.drehung);
        }
    if (m_spiel.steinSichtbar()) {
        const Stein& st = m_spiel.aktStein();
        const QRect rechteck = zellenRechteck(st.spalte, st.zeile);
        if (e->rect().intersects(rechteck))
            maleStein(p, rechteck, st.istBlank ? 0 : st.farbe, st.buchstabe, st.drehung);
    }
}

// --- das Brett ---

Fallbrett::Fallbrett(const Fallspiel& spiel, QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("Brett"));
    auto* lage = new QVBoxLayout(this);
    lage->setContentsMargins(0, 0, 0, 0);
    lage->setSpacing(6);

    UebWortFrame = new QGroupBox(QStringLiteral("Übungswort"), this);
    UebWortFrame->setObjectName(QStringLiteral("UebWortFrame"));
    auto* wortLage = new QVBoxLayout(UebWortFrame);
    wortLage->setContentsMargins(px(50), 2, px(50), 4);
    UebWortLbl = new QLabel(UebWortFrame);
    UebWortLbl->setObjectName(QStringLiteral("UebWortLbl"));
    UebWortLbl->setMinimumHeight(px(600));
    UebWortLbl->setStyleSheet(QStringLiteral("color: #1f4f8a;"));
    wortLage->addWidget(UebWortLbl);
    // die Lupe liegt über dem Wort, ein Rahmen um die Buchstaben, um die es geht
    LeseLupe = new QFrame(UebWortFrame);
    LeseLupe->setObjectName(QStringLiteral("LeseLupe"));
    LeseLupe->setAttribute(Qt::WA_TransparentForMouseEvents);
    LeseLupe->setStyleSheet(QStringLiteral(
        "#LeseLupe { border: 3px solid #e0a000; border-radius: 8px; background: transparent; }"));
    LeseLupe->hide();
    m_lupenwort = new Lupenwort(*UebWortLbl, *LeseLupe, 45, [this](const QString& w) {
        passeSchriftAn(*UebWortLbl, w, 18, 8);
    });
    lage->addWidget(UebWortFrame);

    auto* unten = new QHBoxLayout;
    unten->setSpacing(10);
    SpFld = new Spielfeldflaeche(spiel, this);
    unten->addWidget(SpFld, 1);

    auto* seite = new QVBoxLayout;
    seite->setSpacing(8);
    StartBtn = knopf(QStringLiteral("&Start"), QStringLiteral("StartBtn"), this);
    PauseBtn = knopf(QStringLiteral("&Pause"), QStringLiteral("PauseBtn"), this);
    seite->addWidget(StartBtn);
    seite->addWidget(PauseBtn);
    seite->addSpacing(12);

    auto* warnung = new QGroupBox(QStringLiteral("Lage"), this);
    auto* w = new QHBoxLayout(warnung);
    WarnLampe = new Lampe(warnung, 32);
    WarnLampe->setObjectName(QStringLiteral("WarnLampe"));
    m_warnBlinker = std::make_unique<Blinklampe>(*WarnLampe, 500);
    WarnText = new QLabel(QStringLiteral("OK"), warnung);
    WarnText->setObjectName(QStringLiteral("WarnText"));
    QFont fett = WarnText->font();
    fett.setPointSize(13);
    fett.setBold(true);
    WarnText->setFont(fett);
    w->addWidget(WarnLampe);
    w->addWidget(WarnText, 1);
    seite->addWidget(warnung);

    const auto zaehler = [&](const QString& titel, const QString& name, int stellen) {
        auto* g = new QGroupBox(titel, this);
        auto* l = new QHBoxLayout(g);
        auto* z = new Ziffernanzeige(name, stellen, false, g);
        z->setzeFarbe(QColor(255, 255, 0));
        z->setMinimumSize(z->size());
        l->addWidget(z);
        l->addStretch();
        seite->addWidget(g);
        return z;
    };
    wortZiff = zaehler(QStringLiteral("Wörter"), QStringLiteral("wortZiff"), 3);
    zeilenZiff = zaehler(QStringLiteral("Reihen"), QStringLiteral("zeilenZiff"), 2);
    seite->addStretch();
    unten->addLayout(seite);
    lage->addLayout(unten, 1);

    zeigeLauf(false);
    zeigeWarnung(false);
    zeigeZaehler(0, 0);
}

void Fallbrett::zeigeWort(const QString& wort) {
    UebWortLbl->setText(wort);
    m_lupenwort->zeige(wort);
}

void Fallbrett::markiereLupenStelle(const QString& wort, int von, int bis, bool lupeAn) {
    m_lupenwort->markiere(wort, von, bis, lupeAn);
}

void Fallbrett::zeigeLauf(bool laeuft) {
    StartBtn->setEnabled(!laeuft);
    PauseBtn->setEnabled(laeuft);
}

void Fallbrett::zeigeWarnung(bool ein) {
    WarnText->setText(ein ? QStringLiteral("drehen") : QStringLiteral("OK"));
    WarnText->setStyleSheet(ein ? QStringLiteral("color: #ff0000;")
                                : QStringLiteral("color: #000000;"));
    if (ein)
        m_warnBlinker->blinke(Lampenzustand::Rot, Lampenzustand::Gelb);
    else
        m_warnBlinker->halte(Lampenzustand::Aus);
}

Fallbrett::~Fallbrett() = default;

bool Fallbrett::warnt() const {
    return m_warnBlinker->blinkt();
}

void Fallbrett::zeigeZaehler(int woerter, int zeilen) {
    // nur so viele Stellen, wie die Anzeige hat, von links
    wortZiff->zeige(QStringLiteral("%1").arg(woerter, 3, 10, QLatin1Char('0')));
    zeilenZiff->zeige(QStringLiteral("%1").arg(zeilen, 2, 10, QLatin1Char('0')));
}

} // namespace varku::dolmix
