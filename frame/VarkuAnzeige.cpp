#include "frame/VarkuAnzeige.h"

#include "foundation/Twips.h"
#include "foundation/Wortzugang.h"
#include "frame/Anzeigeregeln.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace varku {

namespace {

// Entwurfsmaße der Übungsfläche in Twips
constexpr double flaecheBreite = 15300, mindestHoehe = 8400;
constexpr double linksSpalte = 960, spaltenBreite = 9600;
constexpr double rahmenOben = 1920, rahmenAbstand = 240, mindestRahmen = 1800;
// Platz für die Überschrift eines Rahmens über dem Wort und darunter
constexpr double titelHoehe = 480, untenRand = 240;
constexpr double tastenHoehe = 720;

QLabel* beschriftung(QLabel* l, const char* name) {
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    return l;
}

} // namespace

double anwendbareGroesse(double groesse) {
    if (!(groesse >= 8))
        return groesse > 0 ? 8 : 28;
    return std::min(groesse, 72.0);
}

VarkuAnzeige::VarkuAnzeige(QWidget* flaeche) : Uebungsflaeche(flaeche) {
    flaeche->setObjectName(QStringLiteral("Uebungsflaeche"));
    flaeche->setAutoFillBackground(true);
    QPalette pal = flaeche->palette();
    pal.setColor(QPalette::Window, QColor(236, 244, 252));
    flaeche->setPalette(pal);

    // Übungsschwerpunkt mit seinem Bild; an seiner Stelle steht der Beispielsatz
    UebRahmen = new QFrame(flaeche);
    UebRahmen->setObjectName(QStringLiteral("UebRahmen"));
    UebRahmen->setStyleSheet(QStringLiteral(
        "#UebRahmen { background: white; border: 2px solid #9cc3e6; border-radius: 10px; }"));
    setzeTwips(*UebRahmen, linksSpalte, 180, spaltenBreite, 1560);
    UebBausteinImage = beschriftung(new QLabel(UebRahmen), "UebBausteinImage");
    setzeTwips(*UebBausteinImage, 60, 60, 1440, 1440);
    UebBausteinImage->setScaledContents(true);
    UebTitelLabel = beschriftung(new QLabel(UebRahmen), "UebTitelLabel");
    setzeTwips(*UebTitelLabel, 1680, 60, spaltenBreite - 1800, 1440);
    UebTitelLabel->setWordWrap(true);
    QFont titel = flaeche->font();
    titel.setPointSize(18);
    titel.setBold(true);
    UebTitelLabel->setFont(titel);
    UebTitelLabel->setText(QStringLiteral("Wähle einen Übungsschwerpunkt."));
    SatzBspLbl = beschriftung(new QLabel(UebRahmen), "SatzBspLbl");
    setzeTwips(*SatzBspLbl, 1680, 60, spaltenBreite - 1800, 1440);
    m_satzFont = flaeche->font();
    m_satzFont.setPointSize(18);
    SatzBspLbl->setFont(m_satzFont);
    SatzBspLbl->setStyleSheet(QStringLiteral("color: #1f4f8a;"));
    SatzBspLbl->setVisible(false);

    // Lesen und Schreiben
    const auto rahmen = [&](const char* name, const QString& titelText) {
        auto* g = new QGroupBox(titelText, flaeche);
        g->setObjectName(QString::fromLatin1(name));
        QFont f = g->font();
        f.setPointSize(12);
        f.setBold(true);
        g->setFont(f);
        return g;
    };
    LesenFrame = rahmen("LesenFrame", QStringLiteral("lesen"));
    SchreibenFrame = rahmen("SchreibenFrame", QStringLiteral("schreiben"));
    LesenKontLabel = beschriftung(new QLabel(LesenFrame), "LesenKontLabel");
    LesenLabel = beschriftung(new QLabel(LesenFrame), "LesenLabel");
    LeseLupe = new QFrame(LesenFrame);
    LeseLupe->setObjectName(QStringLiteral("LeseLupe"));
    LeseLupe->setStyleSheet(QStringLiteral("#LeseLupe { background: rgba(255, 220, 60, 90); "
                                           "border: 3px solid #e0a000; border-radius: 6px; }"));
    LeseLupe->setAttribute(Qt::WA_TransparentForMouseEvents);
    LeseLupe->setVisible(false);
    SchreibenKontLabel = beschriftung(new QLabel(SchreibenFrame), "SchreibenKontLabel");
    SchreibenTextfeld = new Schreibfeld(SchreibenFrame);
    SchreibenTextfeld->setStyleSheet(QStringLiteral(
        "QLineEdit { background: white; border: 2px solid #7aa7d6; border-radius: 6px; }"
        "QLineEdit:disabled { background: #eef2f6; border-color: #c8d2dc; }"));
    for (QLabel* l : {LesenKontLabel, SchreibenKontLabel})
        l->setStyleSheet(QStringLiteral("color: #555;"));

    // die vier Tasten
    const auto taste = [&](const char* name, const QString& text) {
        auto* b = new QPushButton(text, flaeche);
        b->setObjectName(QString::fromLatin1(name));
        QFont f = b->font();
        f.setPointSize(14);
        f.setBold(true);
        b->setFont(f);
        b->setAutoDefault(false);
        return b;
    };
    zeigenTaste = taste("zeigenTaste", QStringLiteral("&zeigen"));
    diktierTaste = taste("diktierTaste", QStringLiteral("d&iktieren"));
    WortendeTaste = taste("WortendeTaste", QStringLiteral("&Wortende"));
    loeschTaste = taste("loeschTaste", QStringLiteral("&löschen"));

    // Lampen links neben Satz, Lesen und Schreiben
    for (int i = 0; i < 3; ++i) {
        LampeImg[size_t(i)] = new Lampe(flaeche);
        LampeImg[size_t(i)]->setObjectName(QStringLiteral("LampeImg%1").arg(i));
    }
    setzeTwips(*LampeImg[0], 240, 690, 540, 540);

    // Punktemesser, Name und Zähler rechts
    vuPunkteImage = new Zeigerinstrument(Zeigerinstrument::Blatt::Punkte, flaeche);
    vuPunkteImage->setObjectName(QStringLiteral("vuPunkteImage"));
    vuPunkteImage->setzeZeigerSichtbar(false);
    setzeTwips(*vuPunkteImage, 11040, 180, 4020, 4020);
    auto* nameTitel = new QLabel(QStringLiteral("Name:"), flaeche);
    setzeTwips(*nameTitel, 11040, 4380, 900, 420);
    NameLabel = beschriftung(new QLabel(flaeche), "NameLabel");
    setzeTwips(*NameLabel, 11940, 4320, 2500, 480);
    QFont nameFont = flaeche->font();
    nameFont.setPointSize(14);
    nameFont.setBold(true);
    NameLabel->setFont(nameFont);
    DirSp = beschriftung(new QLabel(flaeche), "DirSp");
    DirSp->setPixmap(lautsprecherBild(30));
    DirSp->setToolTip(QStringLiteral("Die Wörter werden vorgesprochen."));
    setzeTwips(*DirSp, 14520, 4320, 480, 480);
    DirSp->setVisible(false);

    const QString zaehlerTitel[4] = {QStringLiteral("Wörter:"), QStringLiteral("davon richtig:"),
                                     QStringLiteral("Lesezeit:"), QStringLiteral("Durchschnitt:")};
    const char* zaehlerName[4] = {"nWoerLbl", "nRichLbl", "aLzLbl", "dLzLbl"};
    for (int z = 0; z < 4; ++z) {
        const double oben = 4980 + z * 840;
        auto* t = new QLabel(zaehlerTitel[z], flaeche);
        setzeTwips(*t, 11040, oben + 120, 1950, 420);
        zaehler[size_t(z)] =
            new Ziffernanzeige(QString::fromLatin1(zaehlerName[z]), 4, z >= 2, flaeche);
        zaehler[size_t(z)]->move(px(13020), px(oben));
    }
    ordneSenkrechtAn(28);
}

void VarkuAnzeige::setSFModus(bool ein) {
    for (QPushButton* t : {diktierTaste, zeigenTaste, WortendeTaste, loeschTaste})
        t->setEnabled(ein);
}

VarkuAnzeige::Tastenstand VarkuAnzeige::tastenStand() const {
    return {diktierTaste->isEnabled(), zeigenTaste->isEnabled(), WortendeTaste->isEnabled(),
            loeschTaste->isEnabled()};
}

void VarkuAnzeige::setzeTastenStand(const Tastenstand& stand) {
    QPushButton* tasten[] = {diktierTaste, zeigenTaste, WortendeTaste, loeschTaste};
    for (size_t i = 0; i < stand.size(); ++i)
        tasten[i]->setEnabled(stand[i]);
}

void VarkuAnzeige::initTasten(bool nachschreiben) {
    QPushButton* an = nachschreiben ? zeigenTaste : diktierTaste;
    QPushButton* aus = nachschreiben ? diktierTaste : zeigenTaste;
    aus->setEnabled(false);
    an->setEnabled(true);
    an->setFocus();
}

void VarkuAnzeige::drawVuZeiger(int punkte) {
    vuPunkteImage->setzeWert(punkte);
}

void VarkuAnzeige::SwitchLampe(int nr, Lampenzustand zustand) {
    if (nr < 0 || nr > 2)
        return;
    LampeImg[size_t(nr)]->setzeZustand(zustand);
}

void VarkuAnzeige::SwitchDigAnzOn() {
    for (Ziffernanzeige* z : zaehler)
        z->setzeFarbe(QColor(255, 255, 0));
}

void VarkuAnzeige::SwitchUebModus(int modus) {
    const QColor farbe = modus == 0 ? QColor(0x80, 0x80, 0x80) : QColor(255, 255, 0);
    zaehler[2]->setzeFarbe(farbe);
    zaehler[3]->setzeFarbe(farbe);
}

void VarkuAnzeige::zeigeZaehler(int nr, const QString& text) {
    if (nr < 0 || nr > 3)
        return;
    zaehler[size_t(nr)]->zeige(zaehlerZiffern(text));
}

void VarkuAnzeige::zeigeBeispielSatz(const QString& satz) {
    UebTitelLabel->setVisible(false);
    // Jeder Satz beginnt bei der Schrift des Entwurfs, sonst würde sie von Satz zu Satz kleiner.
    QFont f = m_satzFont;
    const double breite = SatzBspLbl->width();
    while (f.pointSize() > 6 && QFontMetricsF(f).horizontalAdvance(satz) > breite)
        f.setPointSize(f.pointSize() - 1);
    SatzBspLbl->setFont(f);
    SatzBspLbl->setText(satz);
    SatzBspLbl->setVisible(true);
}

void VarkuAnzeige::versteckeBeispielSatz() {
    SatzBspLbl->clear();
    SatzBspLbl->setVisible(false);
    UebTitelLabel->setVisible(true);
}

void VarkuAnzeige::wendeTextFontAn(const VarkuEinstellungen& e, const QString& kontext) {
    const double groesse = anwendbareGroesse(e.TextFontGroesse);
    m_wortFont = QFont(e.TextFontName.isEmpty() ? QStringLiteral("Andika") : e.TextFontName);
    m_wortFont.setPointSizeF(groesse);
    m_wortFont.setBold(e.TextFontFett);
    m_wortFont.setItalic(e.TextFontKursiv);
    m_kontextFont = m_wortFont;
    m_kontextFont.setPointSize(std::max(kontextGroesse(groesse), 6));
    LesenLabel->setFont(m_wortFont);
    SchreibenTextfeld->setFont(m_wortFont);
    LesenKontLabel->setFont(m_kontextFont);
    SchreibenKontLabel->setFont(m_kontextFont);
    ordneSenkrechtAn(groesse);
    platziereWort(kontext);
    bereiteSchreibfeldLage(kontext);
}

bool VarkuAnzeige::textFontGeaendert(const VarkuEinstellungen& e) const {
    return m_wortFont.family() != e.TextFontName ||
           m_wortFont.pointSizeF() != anwendbareGroesse(e.TextFontGroesse) ||
           m_wortFont.bold() != e.TextFontFett || m_wortFont.italic() != e.TextFontKursiv;
}

void VarkuAnzeige::ordneSenkrechtAn(double wortGroesse) {
    // Die Rahmen wachsen mit dem Wort, damit es nie auf ihrer Überschrift steht.
    const double wortHoehe = wortGroesse * 25;
    const double rahmenHoehe = std::max(mindestRahmen, titelHoehe + wortHoehe + untenRand);
    const double schreibenOben = rahmenOben + rahmenHoehe + rahmenAbstand;
    const double tastenOben = schreibenOben + rahmenHoehe + rahmenAbstand;
    setzeTwips(*LesenFrame, linksSpalte, rahmenOben, spaltenBreite, rahmenHoehe);
    setzeTwips(*SchreibenFrame, linksSpalte, schreibenOben, spaltenBreite, rahmenHoehe);
    int i = 0;
    for (QPushButton* t : {zeigenTaste, diktierTaste, WortendeTaste, loeschTaste})
        setzeTwips(*t, linksSpalte + i++ * 2460, tastenOben, 2250, tastenHoehe);
    setzeTwips(*LampeImg[1], 240, rahmenOben + (rahmenHoehe - 540) / 2, 540, 540);
    setzeTwips(*LampeImg[2], 240, schreibenOben + (rahmenHoehe - 540) / 2, 540, 540);

    const double kontextHoehe = textHoehe(m_kontextFont);
    const double wortOben = std::max((rahmenHoehe - wortHoehe) / 2, titelHoehe);
    const double kOben = kontextOben(wortOben, wortHoehe, kontextHoehe);
    for (QWidget* w : {static_cast<QWidget*>(LesenLabel), static_cast<QWidget*>(LeseLupe),
                       static_cast<QWidget*>(SchreibenTextfeld)}) {
        const QRectF r = rechteckTwips(*w);
        setzeTwips(*w, r.left(), wortOben, r.width(), wortHoehe);
    }
    for (QLabel* k : {LesenKontLabel, SchreibenKontLabel}) {
        const QRectF r = rechteckTwips(*k);
        setzeTwips(*k, r.left(), kOben, r.width(), kontextHoehe);
    }
    m_flaechenHoehe = std::max(mindestHoehe, tastenOben + tastenHoehe + 600);
    Uebungsflaeche->setFixedSize(px(flaecheBreite), px(m_flaechenHoehe));
}

double VarkuAnzeige::kontextBreite(const QString& kontext) const {
    return textBreite(m_kontextFont, kontext);
}

void VarkuAnzeige::zeigeWort(const QString& kontext, const QString& wort) {
    platziereWort(kontext);
    LesenKontLabel->setText(kontext);
    LesenLabel->setText(wort);
    LeseLupe->raise();
}

void VarkuAnzeige::leereWort() {
    LesenLabel->clear();
    LesenKontLabel->clear();
    LeseLupe->setVisible(false);
}

void VarkuAnzeige::platziereWort(const QString& kontext) {
    const double kBreite = kontextBreite(kontext);
    const WortAnordnung a =
        ordneWortAn(kontextLinks, kBreite, !kontext.isEmpty(), rechteckTwips(*LesenFrame).width(),
                    rechteckTwips(*SchreibenFrame).width());
    const QRectF k = rechteckTwips(*LesenKontLabel);
    setzeTwips(*LesenKontLabel, kontextLinks, k.top(), kBreite, k.height());
    const QRectF w = rechteckTwips(*LesenLabel);
    setzeTwips(*LesenLabel, a.wortLinks, w.top(), a.wortBreite, w.height());
}

void VarkuAnzeige::bereiteSchreibfeldLage(const QString& kontext) {
    const double kBreite = kontextBreite(kontext);
    const WortAnordnung a =
        ordneWortAn(kontextLinks, kBreite, !kontext.isEmpty(), rechteckTwips(*LesenFrame).width(),
                    rechteckTwips(*SchreibenFrame).width());
    const QRectF k = rechteckTwips(*SchreibenKontLabel);
    setzeTwips(*SchreibenKontLabel, kontextLinks, k.top(), kBreite, k.height());
    const QRectF f = rechteckTwips(*SchreibenTextfeld);
    setzeTwips(*SchreibenTextfeld, a.wortLinks, f.top(), a.feldBreite, f.height());
}

void VarkuAnzeige::bereiteSchreibfeld(const QString& kontext) {
    bereiteSchreibfeldLage(kontext);
    SchreibenKontLabel->setText(kontext);
    SchreibenTextfeld->clear();
    SchreibenTextfeld->setEnabled(true);
    SchreibenTextfeld->setReadOnly(false);
    SchreibenTextfeld->setFocus();
}

void VarkuAnzeige::setzeLupe(const QString& wort, const Lupenstelle& stelle) {
    if (!stelle.gueltigFuer(wort.size())) {
        LeseLupe->setVisible(false);
        return;
    }
    const double davor = textBreite(m_wortFont, wort.left(stelle.vonPos - 1));
    const double breite =
        textBreite(m_wortFont, wort.mid(stelle.vonPos - 1, stelle.bisPos - stelle.vonPos + 1));
    const QRectF w = rechteckTwips(*LesenLabel);
    const Lupenrechteck l = berechneLupe(w.left(), davor, breite);
    setzeTwips(*LeseLupe, l.links, w.top(), l.breite, w.height());
    LeseLupe->raise();
    LeseLupe->setVisible(true);
}

void VarkuAnzeige::zeigeFrischesWort(bool beispielSatz, bool nachschreiben) {
    leereWort();
    SchreibenTextfeld->clear();
    SchreibenKontLabel->clear();
    SchreibenTextfeld->setReadOnly(false);
    SchreibenTextfeld->setEnabled(false);
    WortendeTaste->setEnabled(false);
    loeschTaste->setEnabled(false);
    versteckeBeispielSatz();
    SwitchLampe(1, Lampenzustand::Aus);
    SwitchLampe(2, Lampenzustand::Aus);
    if (beispielSatz)
        SwitchLampe(0, Lampenzustand::Rot);
    LesenFrame->setTitle(nachschreiben ? QStringLiteral("lesen") : QStringLiteral("hören"));
}

} // namespace varku
