#include "games/fallingletters/EinstellFrm.h"

#include "foundation/Benannt.h"
#include "platform/Rand.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace varku::dolmix {

namespace {

bool geschwImBereich(int g) {
    return g >= langsamsterFall && g <= schnellsterFall;
}

} // namespace

EinstellFrm::EinstellFrm(QWidget* eltern) : Einstellungsfenster(eltern) {

    // Jede Zugriffstaste gibt es nur einmal: "f" hat der Fehler, daher "l" für die
    // Geschwindigkeit; "w" hat die Warnung, daher "n" für den Wechsel nach der Zeit

    // Spielsteine
    SpielsteineFrm = benannt(new QGroupBox(QStringLiteral("Spielsteine"), this), "SpielsteineFrm");
    FallGeschwLbl = benannt(new QLabel(QStringLiteral("Fa&llgeschwindigkeit"), SpielsteineFrm),
                            "FallGeschwLbl");
    FallGeschwUpDn = benannt(new QSpinBox(SpielsteineFrm), "FallGeschwUpDn");
    FallGeschwUpDn->setRange(langsamsterFall, schnellsterFall);
    FallGeschwUpDn->setSingleStep(fallRaster);
    FallGeschwUpDn->setMinimumWidth(80);
    if (auto* feld = FallGeschwUpDn->findChild<QLineEdit*>())
        feld->setObjectName(QStringLiteral("FallGeschwTxt"));
    FallGeschwLbl->setBuddy(FallGeschwUpDn);
    ZufallFolgeOpt =
        benannt(new QCheckBox(QStringLiteral("&Zufallsfolge"), SpielsteineFrm), "ZufallFolgeOpt");
    NurGrossBstOpt = benannt(new QCheckBox(QStringLiteral("nur &Großbuchstaben"), SpielsteineFrm),
                             "NurGrossBstOpt");
    auto* steine = new QGridLayout(SpielsteineFrm);
    steine->addWidget(FallGeschwLbl, 0, 0);
    steine->addWidget(FallGeschwUpDn, 0, 1, Qt::AlignLeft);
    // ein Klick neben die Beschriftung trifft nichts: die Haken sind nur so breit wie sie
    steine->addWidget(ZufallFolgeOpt, 1, 0, 1, 2, Qt::AlignLeft);
    steine->addWidget(NurGrossBstOpt, 2, 0, 1, 2, Qt::AlignLeft);
    steine->setColumnStretch(1, 1);
    steine->setRowStretch(3, 1);

    // Spielerwechsel: keine Wahl heißt kein Wechsel, darum schließen die Optionen einander nur
    // von Hand aus
    SpielerwechselFrm =
        benannt(new QGroupBox(QStringLiteral("Spielerwechsel"), this), "SpielerwechselFrm");
    SpWechsFehlOpt =
        benannt(new QRadioButton(QStringLiteral("Wechsel bei &Fehler"), SpielerwechselFrm),
                "SpWechsFehlOpt");
    SpWechsZeitOpt = benannt(new QRadioButton(QStringLiteral("Wechsel &nach"), SpielerwechselFrm),
                             "SpWechsZeitOpt");
    for (QRadioButton* o : {SpWechsFehlOpt, SpWechsZeitOpt})
        o->setAutoExclusive(false);
    SpWechsZeitUpDn = benannt(new QSpinBox(SpielerwechselFrm), "SpWechsZeitUpDn");
    SpWechsZeitUpDn->setRange(0, hoechstensMinuten);
    SpWechsZeitUpDn->setMinimumWidth(64);
    if (auto* feld = SpWechsZeitUpDn->findChild<QLineEdit*>())
        feld->setObjectName(QStringLiteral("SpWechsZeitTxt"));
    SpWechsZeitMin =
        benannt(new QLabel(QStringLiteral("Min."), SpielerwechselFrm), "SpWechsZeitMin");
    auto* wechsel = new QGridLayout(SpielerwechselFrm);
    wechsel->addWidget(SpWechsFehlOpt, 0, 0, 1, 3, Qt::AlignLeft);
    wechsel->addWidget(SpWechsZeitOpt, 1, 0, Qt::AlignLeft);
    wechsel->addWidget(SpWechsZeitUpDn, 1, 1);
    wechsel->addWidget(SpWechsZeitMin, 1, 2);
    wechsel->setColumnStretch(2, 1);
    wechsel->setRowStretch(2, 1);

    // Verschiedenes
    VerschiedenesFrm =
        benannt(new QGroupBox(QStringLiteral("Verschiedenes"), this), "VerschiedenesFrm");
    FehlWarnOpt =
        benannt(new QCheckBox(QStringLiteral("vor falscher Lage &warnen"), VerschiedenesFrm),
                "FehlWarnOpt");
    EinstSaveOpt =
        benannt(new QCheckBox(QStringLiteral("Einstellungen &speichern"), VerschiedenesFrm),
                "EinstSaveOpt");
    TonEinOpt =
        benannt(new QCheckBox(QStringLiteral("&Ton einschalten"), VerschiedenesFrm), "TonEinOpt");
    auto* sonst = new QHBoxLayout(VerschiedenesFrm);
    sonst->setSpacing(24);
    for (QCheckBox* c : {FehlWarnOpt, EinstSaveOpt, TonEinOpt})
        sonst->addWidget(c);
    sonst->addStretch();

    auto* raster = new QGridLayout;
    raster->setSpacing(12);
    raster->addWidget(SpielsteineFrm, 0, 0);
    raster->addWidget(SpielerwechselFrm, 0, 1);
    raster->addWidget(VerschiedenesFrm, 1, 0, 1, 2);
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(16, 16, 16, 16);
    aussen->setSpacing(14);
    aussen->addLayout(raster);
    aussen->addLayout(knopfzeile());
    // so groß wie sein Inhalt, weder größer noch kleiner zu ziehen
    aussen->setSizeConstraint(QLayout::SetFixedSize);

    // Tab von links oben nach rechts unten, zuletzt die Knöpfe. Tab erreicht beide Optionen des
    // Spielerwechsels: ohne Wahl gibt es keine gewählte, an der man die Gruppe betreten könnte,
    // und die Pfeiltasten wählen hier nicht
    QWidget* reihe[] = {FallGeschwUpDn, ZufallFolgeOpt,  NurGrossBstOpt, SpWechsFehlOpt,
                        SpWechsZeitOpt, SpWechsZeitUpDn, FehlWarnOpt,    EinstSaveOpt,
                        TonEinOpt,      okBtn,           abbrBtn};
    for (size_t i = 0; i + 1 < std::size(reihe); ++i)
        setTabOrder(reihe[i], reihe[i + 1]);

    verbinde(SpWechsFehlOpt, &QRadioButton::clicked, this, &EinstellFrm::SpWechsFehlOpt_Click);
    verbinde(SpWechsZeitOpt, &QRadioButton::clicked, this, &EinstellFrm::SpWechsZeitOpt_Click);
    verbinde(SpWechsZeitUpDn, &QSpinBox::valueChanged, this, &EinstellFrm::SpWechsZeitUpDn_Change);
    ladeSteuerelemente(Einstellungen{});
}

void EinstellFrm::ladeSteuerelemente(const Einstellungen& e) {
    m_vorher = e;
    // außerhalb des Bereichs fallen die Steine am langsamsten, nicht an der nächsten Grenze
    FallGeschwUpDn->setValue(geschwImBereich(e.FallGeschwindigkeit) ? e.FallGeschwindigkeit
                                                                    : langsamsterFall);
    ZufallFolgeOpt->setChecked(e.SteinZufallsFolge != 0);
    NurGrossBstOpt->setChecked(e.BuchstabenGross != 0);
    // erst die Minuten, dann die Optionen: was das Feld beim Sprung auf 0 tut, zählt hier nicht,
    // die Optionen zeigen, was geladen wird. Stehen beide Wechsel in der Datei, zeigt er beide.
    SpWechsZeitUpDn->setValue(e.SpielerWechselNachZeit);
    SpWechsFehlOpt->setChecked(e.SpielerWechselBeiFehler != 0);
    SpWechsZeitOpt->setChecked(e.SpielerWechselNachZeit != 0);
    setzeMinutenFreigabe(e.SpielerWechselNachZeit != 0);
    FehlWarnOpt->setChecked(e.WarnungEinschalten != 0);
    EinstSaveOpt->setChecked(e.EinstellungenSpeichern != 0);
    TonEinOpt->setChecked(e.TonEinschalten != 0);
    m_gezeigteGeschw = FallGeschwUpDn->value();
    m_gezeigteMinuten = SpWechsZeitUpDn->value();
    m_zeitGezeigt = SpWechsZeitOpt->isChecked();
}

Einstellungen EinstellFrm::werte() const {
    const auto haken = [](const QAbstractButton* b) { return b->isChecked() ? 1 : 0; };
    Einstellungen e = m_vorher;
    e.BuchstabenGross = haken(NurGrossBstOpt);
    e.SteinZufallsFolge = haken(ZufallFolgeOpt);
    // unverändert bleibt der gelesene Wert stehen, auch einer, der als der langsamste gezeigt
    // wird: ein bloßes OK schreibt die Datei nicht um
    if (FallGeschwUpDn->value() != m_gezeigteGeschw)
        e.FallGeschwindigkeit = FallGeschwUpDn->value();
    e.WarnungEinschalten = haken(FehlWarnOpt);
    e.SpielerWechselBeiFehler = haken(SpWechsFehlOpt);
    const bool zeit = SpWechsZeitOpt->isChecked();
    if (zeit != m_zeitGezeigt || SpWechsZeitUpDn->value() != m_gezeigteMinuten)
        e.SpielerWechselNachZeit = zeit ? SpWechsZeitUpDn->value() : 0;
    e.TonEinschalten = haken(TonEinOpt);
    e.EinstellungenSpeichern = haken(EinstSaveOpt);
    return e;
}

QWidget* EinstellFrm::ersterFokus() const {
    return FallGeschwUpDn;
}

void EinstellFrm::SpWechsFehlOpt_Click() {
    // ein zweiter Klick nimmt die Wahl nicht zurück
    SpWechsFehlOpt->setChecked(true);
    SpWechsZeitOpt->setChecked(false);
    SpWechsZeitUpDn->setValue(0);
    setzeMinutenFreigabe(false);
}

void EinstellFrm::SpWechsZeitOpt_Click() {
    SpWechsZeitOpt->setChecked(true);
    SpWechsFehlOpt->setChecked(false);
    setzeMinutenFreigabe(true);
    // nach 0 Minuten gäbe es keinen Wechsel
    if (SpWechsZeitUpDn->value() < 1)
        SpWechsZeitUpDn->setValue(1);
}

void EinstellFrm::SpWechsZeitUpDn_Change() {
    if (SpWechsZeitUpDn->value() == 0) {
        SpWechsZeitOpt->setChecked(false);
        setzeMinutenFreigabe(false);
    }
}

void EinstellFrm::setzeMinutenFreigabe(bool an) {
    SpWechsZeitUpDn->setEnabled(an);
    SpWechsZeitMin->setEnabled(an);
}

void EinstellFrm::verberge() {
    hide();
    // beim nächsten Öffnen drückt Enter wieder OK, wo kein Knopf den Fokus hat
    okBtn->setDefault(true);
}

} // namespace varku::dolmix
