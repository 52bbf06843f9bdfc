// Die Anzeigeprozeduren des Hauptfensters: Tasten, Lampen, Zähler, Zeiger, Schrift, Anordnung.
#include "foundation/Twips.h"
#include "frame/Anzeigeelemente.h"
#include "frame/Anzeigeregeln.h"
#include "frame/GlobModul.h"
#include "frame/VarkuForm.h"
#include "frame/rdbManager.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace varku {

void VarkuForm::setSFModus(bool ein) {
    for (QPushButton* t : {diktierTaste, zeigenTaste, WortendeTaste, loeschTaste})
        t->setEnabled(ein);
    lesezeitAktiv = ein;
}

void VarkuForm::initTasten() {
    if (Nachschreiben) {
        diktierTaste->setEnabled(false);
        zeigenTaste->setEnabled(true);
        zeigenTaste->setFocus();
    } else {
        zeigenTaste->setEnabled(false);
        diktierTaste->setEnabled(true);
        diktierTaste->setFocus();
    }
}

void VarkuForm::drawVuZeiger(int punkte) {
    vuPunkteImage->setzePunkte(punkte);
}

void VarkuForm::SwitchLampe(int nr, int zustand) {
    if (nr < 0 || nr > 2)
        return;
    const QPixmap* bild = zustand == 0   ? &LampeAusImg
                          : zustand == 1 ? &LampeRotImg
                          : zustand == 2 ? &LampeGruenImg
                                         : nullptr;
    if (!bild)
        return;
    LampeImg[size_t(nr)]->setPixmap(*bild);
    m_lampe[size_t(nr)] = zustand;
}

namespace {
void faerbe(const std::array<QLabel*, 4>& reihe, const char* farbe) {
    for (QLabel* l : reihe)
        l->setStyleSheet(QStringLiteral("background: #1d2530; color: %1; border-radius: 4px;")
                             .arg(QLatin1String(farbe)));
}
} // namespace

void VarkuForm::SwitchDigAnzOn() {
    for (const auto* reihe : {&nWoerLbl, &nRichLbl, &aLzLbl, &dLzLbl})
        faerbe(*reihe, "#ffff00");
}

void VarkuForm::SwitchUebModus(int modus) {
    const char* farbe = modus == 0 ? "#808080" : "#ffff00";
    faerbe(aLzLbl, farbe);
    faerbe(dLzLbl, farbe);
}

void VarkuForm::zeigeZaehler(int nr, const QString& text) {
    const std::array<QLabel*, 4>* reihen[4] = {&nWoerLbl, &nRichLbl, &aLzLbl, &dLzLbl};
    if (nr < 0 || nr > 3)
        return;
    const QString ziffern = zaehlerZiffern(text);
    for (int k = 0; k < 4; ++k)
        (*reihen[nr])[size_t(k)]->setText(k < ziffern.size() ? QString(ziffern.at(k)) : QString());
}

void VarkuForm::zeigeBeispielSatz() {
    UebTitelLabel->setVisible(false);
    // Jeder Satz beginnt bei der Schrift des Entwurfs, sonst würde sie von Satz zu Satz kleiner.
    QFont f = m_satzFont;
    const double breite = SatzBspLbl->width();
    while (f.pointSize() > 6 && QFontMetricsF(f).horizontalAdvance(Beispielsatz) > breite)
        f.setPointSize(f.pointSize() - 1);
    SatzBspLbl->setFont(f);
    SatzBspLbl->setText(Beispielsatz);
    SatzBspLbl->setVisible(true);
}

namespace {
// Eine Größe von 0 oder Unsinn aus der Datei zeigt kein Wort; angewandt wird eine lesbare.
double anwendbareGroesse(double groesse) {
    if (!(groesse >= 8))
        return groesse > 0 ? 8 : 28;
    return std::min(groesse, 72.0);
}
} // namespace

void VarkuForm::wendeTextFontAn() {
    const double groesse = anwendbareGroesse(TextFontGroesse);
    m_wortFont = QFont(TextFontName.isEmpty() ? QStringLiteral("Andika") : TextFontName);
    m_wortFont.setPointSizeF(groesse);
    m_wortFont.setBold(TextFontFett);
    m_wortFont.setItalic(TextFontKursiv);
    m_kontextFont = m_wortFont;
    m_kontextFont.setPointSize(std::max(kontextGroesse(groesse), 6));
    LesenLabel->setFont(m_wortFont);
    SchreibenTextfeld->setFont(m_wortFont);
    LesenKontLabel->setFont(m_kontextFont);
    SchreibenKontLabel->setFont(m_kontextFont);
    const double hoehe = groesse * 25;
    LesenLabel->resize(LesenLabel->width(), px(hoehe));
    SchreibenTextfeld->resize(SchreibenTextfeld->width(), px(hoehe));
    ordneSenkrechtAn();
    platziereWort();
    bereiteSchreibfeld();
}

bool VarkuForm::textFontGeaendert() const {
    return m_wortFont.family() != TextFontName ||
           m_wortFont.pointSizeF() != anwendbareGroesse(TextFontGroesse) ||
           m_wortFont.bold() != TextFontFett || m_wortFont.italic() != TextFontKursiv;
}

void VarkuForm::ordneSenkrechtAn() {
    const double wortHoehe = anwendbareGroesse(TextFontGroesse) * 25;
    const double kontextHoehe = textHoehe(m_kontextFont);
    const double wortOben = std::max((rechteckTwips(*LesenFrame).height() - wortHoehe) / 2, 300.0);
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
}

double VarkuForm::kontextBreite() const {
    return textBreite(m_kontextFont, Kontext);
}

void VarkuForm::zeigeWort() {
    platziereWort();
    LesenKontLabel->setText(Kontext);
    LesenLabel->setText(Wort);
    LeseLupe->raise();
}

void VarkuForm::platziereWort() {
    const double kBreite = kontextBreite();
    const WortAnordnung a =
        ordneWortAn(kontextLinks, kBreite, !Kontext.isEmpty(), rechteckTwips(*LesenFrame).width(),
                    rechteckTwips(*SchreibenFrame).width());
    const QRectF k = rechteckTwips(*LesenKontLabel);
    setzeTwips(*LesenKontLabel, kontextLinks, k.top(), kBreite, k.height());
    const QRectF w = rechteckTwips(*LesenLabel);
    setzeTwips(*LesenLabel, a.wortLinks, w.top(), a.wortBreite, w.height());
}

void VarkuForm::bereiteSchreibfeld() {
    const double kBreite = kontextBreite();
    const WortAnordnung a =
        ordneWortAn(kontextLinks, kBreite, !Kontext.isEmpty(), rechteckTwips(*LesenFrame).width(),
                    rechteckTwips(*SchreibenFrame).width());
    const QRectF k = rechteckTwips(*SchreibenKontLabel);
    setzeTwips(*SchreibenKontLabel, kontextLinks, k.top(), kBreite, k.height());
    const QRectF f = rechteckTwips(*SchreibenTextfeld);
    setzeTwips(*SchreibenTextfeld, a.wortLinks, f.top(), a.feldBreite, f.height());
}

void VarkuForm::setzeLupe(bool lesen) {
    if (lesen && !varku::LeseLupe)
        return;
    if (vonPos + bisPos == 0 || vonPos < 1 || bisPos < vonPos || bisPos > Wort.size()) {
        LeseLupe->setVisible(false);
        return;
    }
    const double davor = textBreite(m_wortFont, Wort.left(vonPos - 1));
    const double stelle = textBreite(m_wortFont, Wort.mid(vonPos - 1, bisPos - vonPos + 1));
    const QRectF wort = rechteckTwips(*LesenLabel);
    const Lupenrechteck l = berechneLupe(wort.left(), davor, stelle);
    setzeTwips(*LeseLupe, l.links, wort.top(), l.breite, wort.height());
    LeseLupe->raise();
    LeseLupe->setVisible(true);
}

} // namespace varku
