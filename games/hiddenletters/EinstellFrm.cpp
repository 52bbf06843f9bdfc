#include "games/hiddenletters/EinstellFrm.h"

#include "foundation/Benannt.h"
#include "foundation/Optionsgruppe.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace varku::kartomin {

EinstellFrm::EinstellFrm(QWidget* eltern) : Einstellungsfenster(eltern) {
    setWindowTitle(QStringLiteral("Einstellungen"));
    VerschiedenesFrm =
        benannt(new QGroupBox(QStringLiteral("Verschiedenes"), this), "VerschiedenesFrm");
    TonEin = benannt(new QCheckBox(QStringLiteral("&Ton einschalten"), VerschiedenesFrm), "TonEin");
    RateZeitEin = benannt(new QCheckBox(QStringLiteral("&Ratezeit begrenzen"), VerschiedenesFrm),
                          "RateZeitEin");
    FeldMarkEin = benannt(
        new QCheckBox(QStringLiteral("Feldmarkierung anzeigen"), VerschiedenesFrm), "FeldMarkEin");
    EinstSaveOpt =
        benannt(new QCheckBox(QStringLiteral("Einstellungen s&peichern"), VerschiedenesFrm),
                "EinstSaveOpt");
    auto* v = new QVBoxLayout(VerschiedenesFrm);
    for (QCheckBox* c : {TonEin, RateZeitEin, FeldMarkEin, EinstSaveOpt})
        v->addWidget(c, 0, Qt::AlignLeft);

    ComputerFrm = benannt(new QGroupBox(QStringLiteral("Computer"), this), "ComputerFrm");
    gegenComp =
        benannt(new QCheckBox(QStringLiteral("als &Gegenspieler"), ComputerFrm), "gegenComp");
    SpSt[0] = benannt(new QRadioButton(QStringLiteral("&stark"), ComputerFrm), "SpSt0");
    SpSt[1] = benannt(new QRadioButton(QStringLiteral("sch&wach"), ComputerFrm), "SpSt1");
    auto* c = new QVBoxLayout(ComputerFrm);
    c->addWidget(gegenComp, 0, Qt::AlignLeft);
    c->addWidget(SpSt[0], 0, Qt::AlignLeft);
    c->addWidget(SpSt[1], 0, Qt::AlignLeft);
    c->addStretch();

    auto* oben = new QHBoxLayout;
    oben->addWidget(VerschiedenesFrm);
    oben->addWidget(ComputerFrm);
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(16, 16, 16, 16);
    aussen->addLayout(oben);
    aussen->addLayout(knopfzeile());
    aussen->setSizeConstraint(QLayout::SetFixedSize);
    QWidget* reihe[] = {TonEin,  RateZeitEin, FeldMarkEin, EinstSaveOpt, gegenComp,
                        SpSt[0], SpSt[1],     okBtn,       abbrBtn};
    for (size_t i = 0; i + 1 < std::size(reihe); ++i)
        setTabOrder(reihe[i], reihe[i + 1]);
    tabNurAufGewaehlte({SpSt[0], SpSt[1]});

    zeige(entwurf());
}

Einstellungen EinstellFrm::entwurf() {
    Einstellungen e;
    e.TonEinschalten = 1;
    e.EinstellungenSpeichern = 1;
    e.ComputerSpielStaerke = staerkeStark;
    return e;
}

void EinstellFrm::zeige(const Einstellungen& e) {
    const std::pair<QCheckBox*, int> haken[] = {{TonEin, e.TonEinschalten},
                                                {RateZeitEin, e.RatezeitBegrenzen},
                                                {FeldMarkEin, e.FeldMarkierung},
                                                {EinstSaveOpt, e.EinstellungenSpeichern},
                                                {gegenComp, e.GegenComputer}};
    for (const auto& [box, wert] : haken)
        box->setChecked(wert == 1);
    SpSt[size_t(std::clamp(e.ComputerSpielStaerke, 0, 1))]->setChecked(true);
}

void EinstellFrm::zeigeSitz(bool sitzt, bool platzFrei) {
    gegenComp->setChecked(sitzt);
    gegenComp->setEnabled(platzFrei);
    for (QRadioButton* o : SpSt)
        o->setEnabled(platzFrei);
}

Einstellungen EinstellFrm::werte() const {
    Einstellungen e = m_vorher;
    e.TonEinschalten = TonEin->isChecked() ? 1 : 0;
    e.RatezeitBegrenzen = RateZeitEin->isChecked() ? 1 : 0;
    e.FeldMarkierung = FeldMarkEin->isChecked() ? 1 : 0;
    e.EinstellungenSpeichern = EinstSaveOpt->isChecked() ? 1 : 0;
    e.GegenComputer = gegenComp->isChecked() ? 1 : 0;
    e.ComputerSpielStaerke = SpSt[0]->isChecked() ? staerkeStark : staerkeSchwach;
    return e;
}

QWidget* EinstellFrm::ersterFokus() const {
    return TonEin;
}

void EinstellFrm::stelleWiederHer() {
    zeige(m_vorher);
}

} // namespace varku::kartomin
