#include "games/crossword/EinstellFrm.h"

#include "foundation/Benannt.h"
#include "platform/Rand.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace varku::wendomar {

EinstellFrm::EinstellFrm(QWidget* eltern) : Einstellungsfenster(eltern) {
    Frame1 = benannt(new QGroupBox(this), "Frame1");
    gegenComp = benannt(new QCheckBox(QStringLiteral("gegen den &Computer"), Frame1), "gegenComp");
    TonEin = benannt(new QCheckBox(QStringLiteral("&Ton einschalten"), Frame1), "TonEin");
    RateZeitBegrOpt =
        benannt(new QCheckBox(QStringLiteral("&Ratezeit begrenzen"), Frame1), "RateZeitBegrOpt");
    EinstSaveOpt =
        benannt(new QCheckBox(QStringLiteral("Einstellungen &speichern"), Frame1), "EinstSaveOpt");
    auto* haken = new QVBoxLayout(Frame1);
    for (QCheckBox* c : {gegenComp, TonEin, RateZeitBegrOpt, EinstSaveOpt})
        haken->addWidget(c, 0, Qt::AlignLeft);
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(16, 16, 16, 16);
    aussen->addWidget(Frame1);
    aussen->addLayout(knopfzeile());
    aussen->setSizeConstraint(QLayout::SetFixedSize);
    // Tab von oben nach unten, zuletzt die Knöpfe
    QWidget* reihe[] = {gegenComp, TonEin, RateZeitBegrOpt, EinstSaveOpt, okBtn, abbrBtn};
    for (size_t i = 0; i + 1 < std::size(reihe); ++i)
        setTabOrder(reihe[i], reihe[i + 1]);
}

void EinstellFrm::ladeSteuerelemente(const Einstellungen& e, bool computerSpielt) {
    m_vorher = e;
    m_computerVorher = computerSpielt;
    gegenComp->setChecked(computerSpielt);
    TonEin->setChecked(e.TonEinschalten == 1);
    RateZeitBegrOpt->setChecked(e.RatezeitBegrenzen == 1);
    EinstSaveOpt->setChecked(e.EinstellungenSpeichern == 1);
}

Einstellungen EinstellFrm::werte() const {
    Einstellungen e = m_vorher;
    // ein bloßes OK lässt den gelesenen Wert des Computers stehen, auch wenn er nicht sitzt
    if (gegenComp->isChecked() != m_computerVorher)
        e.GegenComputer = gegenComp->isChecked() ? 1 : 0;
    e.TonEinschalten = TonEin->isChecked() ? 1 : 0;
    e.RatezeitBegrenzen = RateZeitBegrOpt->isChecked() ? 1 : 0;
    e.EinstellungenSpeichern = EinstSaveOpt->isChecked() ? 1 : 0;
    return e;
}

QWidget* EinstellFrm::ersterFokus() const {
    return gegenComp;
}

} // namespace varku::wendomar
