#include "games/wheel/EinstellFrm.h"

#include "foundation/Optionsgruppe.h"
#include "platform/Rand.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace varku::zirkomat {

EinstellFrm::EinstellFrm(QWidget* eltern) : Einstellungsfenster(eltern) {
    const auto box = [](const char* name, const QString& text, QWidget* eltern) {
        auto* b = new QCheckBox(text, eltern);
        b->setObjectName(QString::fromLatin1(name));
        return b;
    };
    auto* aussen = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;

    // Jede Zugriffstaste gibt es nur einmal: "a" hat "abbrechen", "t" die Tastatur, "o" OK
    ComputerFrm = new QGroupBox(QStringLiteral("Computer"), this);
    auto* c = new QVBoxLayout(ComputerFrm);
    gegenComp = box("gegenComp", QStringLiteral("als &Gegenspieler"), ComputerFrm);
    c->addWidget(gegenComp);
    const QString staerken[3] = {QStringLiteral("&stark"), QStringLiteral("&mittelmäßig"),
                                 QStringLiteral("sc&hwach")};
    for (int i = 0; i < 3; ++i) {
        SpSt[size_t(i)] = new QRadioButton(staerken[i], ComputerFrm);
        SpSt[size_t(i)]->setObjectName(QStringLiteral("SpSt%1").arg(i));
        c->addWidget(SpSt[size_t(i)]);
    }
    oben->addWidget(ComputerFrm);

    LoesungswortFrm = new QGroupBox(QStringLiteral("Lösungswort"), this);
    auto* l = new QVBoxLayout(LoesungswortFrm);
    LoesWortFarbe = new QRadioButton(QStringLiteral("&farbig/farbig"), LoesungswortFrm);
    LoesWortFarbe->setObjectName(QStringLiteral("LoesWortFarbe"));
    LoesWortSW = new QRadioButton(QStringLiteral("blau/&weiß"), LoesungswortFrm);
    LoesWortSW->setObjectName(QStringLiteral("LoesWortSW"));
    BstRahmEin = box("BstRahmEin", QStringLiteral("&Buchstabenrahmen"), LoesungswortFrm);
    l->addWidget(LoesWortFarbe);
    l->addWidget(LoesWortSW);
    l->addWidget(BstRahmEin);
    l->addStretch();
    oben->addWidget(LoesungswortFrm);
    aussen->addLayout(oben);

    VerschiedenesFrm = new QGroupBox(QStringLiteral("Verschiedenes"), this);
    auto* v = new QGridLayout(VerschiedenesFrm);
    TastaturAus = box("TastaturAus", QStringLiteral("&Tastatur sperren"), VerschiedenesFrm);
    TonEin = box("TonEin", QStringLiteral("To&n einschalten"), VerschiedenesFrm);
    RateZeitEin = box("RateZeitEin", QStringLiteral("&Ratezeit begrenzen"), VerschiedenesFrm);
    EinstSaveOpt =
        box("EinstSaveOpt", QStringLiteral("Einstellungen s&peichern"), VerschiedenesFrm);
    nFehlVersuche = new QSpinBox(VerschiedenesFrm);
    nFehlVersuche->setObjectName(QStringLiteral("nFehlVersuche"));
    nFehlVersuche->setRange(0, hoechstensFehlversuche);
    auto* fehlLbl = new QLabel(QStringLiteral("F&ehlversuche maximal"), VerschiedenesFrm);
    fehlLbl->setBuddy(nFehlVersuche);
    v->addWidget(TastaturAus, 0, 0);
    v->addWidget(TonEin, 1, 0);
    v->addWidget(RateZeitEin, 2, 0);
    v->addWidget(EinstSaveOpt, 3, 0);
    v->addWidget(fehlLbl, 0, 1);
    v->addWidget(nFehlVersuche, 1, 1);
    aussen->addWidget(VerschiedenesFrm);

    aussen->addLayout(knopfzeile());

    // Tab von links oben nach rechts unten, zuletzt die Knöpfe
    QWidget* reihe[] = {gegenComp,    SpSt[0],       SpSt[1],     SpSt[2], LoesWortFarbe,
                        LoesWortSW,   BstRahmEin,    TastaturAus, TonEin,  RateZeitEin,
                        EinstSaveOpt, nFehlVersuche, okBtn,       abbrBtn};
    for (size_t i = 0; i + 1 < std::size(reihe); ++i)
        setTabOrder(reihe[i], reihe[i + 1]);
    tabNurAufGewaehlte({SpSt[0], SpSt[1], SpSt[2]});
    tabNurAufGewaehlte({LoesWortFarbe, LoesWortSW});

    verbinde(LoesWortFarbe, &QRadioButton::clicked, this, &EinstellFrm::LoesWortFarbe_Click);
    verbinde(LoesWortSW, &QRadioButton::clicked, this, &EinstellFrm::LoesWortSW_Click);
    ladeSteuerelemente(Einstellungen{}, false);
}

void EinstellFrm::ladeSteuerelemente(const Einstellungen& e, bool computerSpielt) {
    m_vorher = e;
    m_computerVorher = computerSpielt;
    gegenComp->setChecked(computerSpielt);
    SpSt[size_t(std::clamp(e.ComputerSpielStaerke, 0, 2))]->setChecked(true);
    TastaturAus->setChecked(e.TastaturEingabeSperren != 0);
    TonEin->setChecked(e.TonEinschalten != 0);
    BstRahmEin->setChecked(e.BuchstabenRahmen != 0);
    (e.LoesWortFarbig ? LoesWortFarbe : LoesWortSW)->setChecked(true);
    // weiße Kästen: der Rahmen steht fest; der Haken zeigt den Wert, wie er ist
    BstRahmEin->setEnabled(e.LoesWortFarbig);
    RateZeitEin->setChecked(e.RatezeitBegrenzen != 0);
    nFehlVersuche->setValue(e.FehlversucheMaximum);
    EinstSaveOpt->setChecked(e.EinstellungenSpeichern != 0);
}

Einstellungen EinstellFrm::werte() const {
    Einstellungen e = m_vorher;
    e.GegenComputer = gegenComp->isChecked() ? 1 : 0;
    e.ComputerSpielStaerke = SpSt[0]->isChecked() ? 0 : SpSt[1]->isChecked() ? 1 : 2;
    e.BuchstabenRahmen = BstRahmEin->isChecked() ? 1 : 0;
    e.LoesWortFarbig = LoesWortFarbe->isChecked();
    e.FehlversucheMaximum = nFehlVersuche->value();
    e.TonEinschalten = TonEin->isChecked() ? 1 : 0;
    e.RatezeitBegrenzen = RateZeitEin->isChecked() ? 1 : 0;
    e.TastaturEingabeSperren = TastaturAus->isChecked() ? 1 : 0;
    e.EinstellungenSpeichern = EinstSaveOpt->isChecked() ? 1 : 0;
    return e;
}

void EinstellFrm::LoesWortFarbe_Click() {
    if (LoesWortFarbe->isChecked())
        BstRahmEin->setEnabled(true);
}

void EinstellFrm::LoesWortSW_Click() {
    // weiße Kästen haben immer einen Rahmen
    if (LoesWortSW->isChecked()) {
        BstRahmEin->setChecked(true);
        BstRahmEin->setEnabled(false);
    } else {
        BstRahmEin->setEnabled(true);
    }
}

} // namespace varku::zirkomat
