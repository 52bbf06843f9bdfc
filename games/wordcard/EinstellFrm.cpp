#include "games/wordcard/EinstellFrm.h"

#include "foundation/Benannt.h"
#include "foundation/Optionsgruppe.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace varku::zelko {

EinstellFrm::EinstellFrm(QWidget* eltern) : Einstellungsfenster(eltern) {
    // "a" hat "abbrechen": der Computer nimmt "G"
    ComputerFrm = benannt(new QGroupBox(QStringLiteral("Computer"), this), "ComputerFrm");
    gegenComp =
        benannt(new QCheckBox(QStringLiteral("als &Gegenspieler"), ComputerFrm), "gegenComp");
    SpSt[0] = benannt(new QRadioButton(QStringLiteral("&stark"), ComputerFrm), "SpSt0");
    SpSt[1] = benannt(new QRadioButton(QStringLiteral("sch&wach"), ComputerFrm), "SpSt1");
    auto* c = new QVBoxLayout(ComputerFrm);
    c->addWidget(gegenComp);
    c->addWidget(SpSt[0]);
    c->addWidget(SpSt[1]);
    c->addStretch();

    VerschiedenesFrm =
        benannt(new QGroupBox(QStringLiteral("Verschiedenes"), this), "VerschiedenesFrm");
    TonEin = benannt(new QCheckBox(QStringLiteral("&Ton einschalten"), VerschiedenesFrm), "TonEin");
    RateZeitEin = benannt(new QCheckBox(QStringLiteral("&Ratezeit begrenzen"), VerschiedenesFrm),
                          "RateZeitEin");
    EinstSaveOpt =
        benannt(new QCheckBox(QStringLiteral("Einstellungen s&peichern"), VerschiedenesFrm),
                "EinstSaveOpt");
    auto* v = new QVBoxLayout(VerschiedenesFrm);
    for (QCheckBox* b : {TonEin, RateZeitEin, EinstSaveOpt})
        v->addWidget(b);
    v->addStretch();

    auto* oben = new QHBoxLayout;
    oben->addWidget(ComputerFrm);
    oben->addWidget(VerschiedenesFrm);
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(16, 16, 16, 16);
    aussen->addLayout(oben);
    aussen->addLayout(knopfzeile());
    aussen->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* reihe[] = {gegenComp,   SpSt[0],      SpSt[1], TonEin,
                        RateZeitEin, EinstSaveOpt, okBtn,   abbrBtn};
    for (size_t i = 0; i + 1 < std::size(reihe); ++i)
        setTabOrder(reihe[i], reihe[i + 1]);
    tabNurAufGewaehlte({SpSt[0], SpSt[1]});
    ladeSteuerelemente(Einstellungen{}, false, true);
}

void EinstellFrm::ladeSteuerelemente(const Einstellungen& e, bool computerSpielt, bool platzFrei) {
    m_vorher = e;
    m_computerVorher = computerSpielt;
    m_platzFrei = platzFrei;
    gegenComp->setChecked(computerSpielt && platzFrei);
    for (QWidget* w : {static_cast<QWidget*>(gegenComp), static_cast<QWidget*>(SpSt[0]),
                       static_cast<QWidget*>(SpSt[1])})
        w->setEnabled(platzFrei);
    SpSt[e.ComputerSpielStaerke == 1 ? 1 : 0]->setChecked(true);
    TonEin->setChecked(e.TonEinschalten == 1);
    RateZeitEin->setChecked(e.RatezeitBegrenzen == 1);
    EinstSaveOpt->setChecked(e.EinstellungenSpeichern == 1);
}

Einstellungen EinstellFrm::werte() const {
    Einstellungen e = m_vorher;
    e.GegenComputer = gegenComp->isChecked() ? 1 : 0;
    e.ComputerSpielStaerke = SpSt[0]->isChecked() ? 0 : 1;
    e.TonEinschalten = TonEin->isChecked() ? 1 : 0;
    e.RatezeitBegrenzen = RateZeitEin->isChecked() ? 1 : 0;
    e.EinstellungenSpeichern = EinstSaveOpt->isChecked() ? 1 : 0;
    return e;
}

QWidget* EinstellFrm::ersterFokus() const {
    return gegenComp->isEnabled() ? static_cast<QWidget*>(gegenComp) : TonEin;
}

} // namespace varku::zelko
