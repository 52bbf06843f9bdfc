#include "frame/SprAusgEinstFrm.h"

#include "foundation/Benannt.h"
#include "frame/GlobModul.h"
#include "platform/Dienste.h"
#include "platform/Rand.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace varku {

namespace {

QSlider* regler(QWidget* eltern, const char* name) {
    auto* s = benannt(new QSlider(Qt::Horizontal, eltern), name);
    s->setMinimumWidth(260);
    s->setTickPosition(QSlider::TicksBelow);
    return s;
}

// ein Zehntel des Bereichs je Bildtaste, damit die Tastatur zügig durch den Bereich kommt
void setzeSchritte(QSlider& s) {
    const int zehntel = std::max(1, (s.maximum() - s.minimum()) / 10);
    s.setPageStep(zehntel);
    s.setTickInterval(zehntel);
}

int begrenzt(long wert) {
    return int(std::clamp<long>(wert, INT32_MIN, INT32_MAX));
}

} // namespace

SprAusgEinstFrm& SprAusgEinstFrm::instanz(GlobModul& glob) {
    SprAusgEinstFrm& f = Einzelfenster<SprAusgEinstFrm>::instanz(glob);
    if (f.m_glob != &glob) {
        f.m_glob = &glob;
        f.Form_Load();
    }
    return f;
}

SprAusgEinstFrm::SprAusgEinstFrm(GlobModul& glob) : m_glob(&glob) {
    setObjectName(QStringLiteral("SprAusgEinstFrm"));
    setWindowTitle(QStringLiteral("Synthetische Sprachausgabe"));
    setModal(true);

    StimmeFrame = benannt(new QGroupBox(QStringLiteral("Stimme"), this), "StimmeFrame");
    StimmenLst = benannt(new QComboBox(StimmeFrame), "StimmenLst");
    StimmenLst->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    StimmenLst->setMinimumContentsLength(26);
    // eine Liste zum Blättern statt einer, die den Bildschirm füllt
    StimmenLst->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    StimmenLst->setMaxVisibleItems(16);
    StimmenLst->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* stimme = new QVBoxLayout(StimmeFrame);
    stimme->addWidget(StimmenLst);

    VerschiedenesFrame =
        benannt(new QGroupBox(QStringLiteral("Verschiedenes"), this), "VerschiedenesFrame");
    VolumeLbl = benannt(new QLabel(QStringLiteral("Lautstärke"), VerschiedenesFrame), "VolumeLbl");
    VolumeSld = regler(VerschiedenesFrame, "VolumeSld");
    PitchLbl = benannt(new QLabel(QStringLiteral("Stimmlage"), VerschiedenesFrame), "PitchLbl");
    PitchSld = regler(VerschiedenesFrame, "PitchSld");
    SpeedLbl =
        benannt(new QLabel(QStringLiteral("Geschwindigkeit"), VerschiedenesFrame), "SpeedLbl");
    SpeedSld = regler(VerschiedenesFrame, "SpeedSld");
    auto* verschieden = new QGridLayout(VerschiedenesFrame);
    verschieden->setHorizontalSpacing(16);
    verschieden->setVerticalSpacing(14);
    int zeile = 0;
    for (auto [l, s] : {std::pair{VolumeLbl, VolumeSld}, std::pair{PitchLbl, PitchSld},
                        std::pair{SpeedLbl, SpeedSld}}) {
        l->setBuddy(s);
        verschieden->addWidget(l, zeile, 0);
        verschieden->addWidget(s, zeile++, 1);
    }
    verschieden->setColumnStretch(1, 1);

    TranskripteFrame =
        benannt(new QGroupBox(QStringLiteral("Transkripte"), this), "TranskripteFrame");
    TranskrWortOpt =
        benannt(new QCheckBox(QStringLiteral("Übungs&wörter"), TranskripteFrame), "TranskrWortOpt");
    TranskrSatzOpt =
        benannt(new QCheckBox(QStringLiteral("&Sätze"), TranskripteFrame), "TranskrSatzOpt");
    auto* transkripte = new QVBoxLayout(TranskripteFrame);
    transkripte->addWidget(TranskrWortOpt, 0, Qt::AlignLeft);
    transkripte->addWidget(TranskrSatzOpt, 0, Qt::AlignLeft);
    transkripte->addStretch();

    TestFrame = benannt(new QGroupBox(QStringLiteral("Einstellung testen"), this), "TestFrame");
    TestText = benannt(new QLineEdit(QStringLiteral("Beispiel"), TestFrame), "TestText");
    TestText->setMinimumSize(200, 34);
    testBtn = benannt(new QPushButton(QStringLiteral("&testen"), TestFrame), "testBtn");
    auto* test = new QHBoxLayout(TestFrame);
    test->addWidget(TestText, 1);
    test->addWidget(testBtn);

    okButton = benannt(new QPushButton(QStringLiteral("&OK"), this), "okButton");
    abbrBtn = benannt(new QPushButton(QStringLiteral("&abbrechen"), this), "abbrBtn");
    for (QPushButton* b : {testBtn, okButton, abbrBtn})
        b->setMinimumSize(110, 34);
    // Enter drückt den Knopf mit dem Fokus, sonst OK
    okButton->setDefault(true);

    auto* raster = new QGridLayout;
    raster->setSpacing(12);
    raster->addWidget(StimmeFrame, 0, 0, 1, 2);
    raster->addWidget(VerschiedenesFrame, 1, 0, 1, 2);
    raster->addWidget(TranskripteFrame, 2, 0);
    raster->addWidget(TestFrame, 2, 1);
    raster->setColumnStretch(1, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(okButton);
    knoepfe->addWidget(abbrBtn);
    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(raster);
    aussen->addLayout(knoepfe);

    verbinde(StimmenLst, &QComboBox::currentIndexChanged, this, &SprAusgEinstFrm::StimmenLst_Click);
    verbinde(VolumeSld, &QSlider::valueChanged, this, &SprAusgEinstFrm::VolumeSld_Change);
    verbinde(PitchSld, &QSlider::valueChanged, this, &SprAusgEinstFrm::PitchSld_Change);
    verbinde(SpeedSld, &QSlider::valueChanged, this, &SprAusgEinstFrm::SpeedSld_Change);
    verbinde(testBtn, &QPushButton::clicked, this, &SprAusgEinstFrm::testBtn_Click);
    verbinde(okButton, &QPushButton::clicked, this, &SprAusgEinstFrm::okButton_Click);
    verbinde(abbrBtn, &QPushButton::clicked, this, &SprAusgEinstFrm::abbrBtn_Click);
    Form_Load();
}

void SprAusgEinstFrm::Form_Load() {
    Sprachausgabe& sprache = dienste::sprache();
    SprachEinstellungen& s = m_glob->sprache;
    // ohne [TextToSpeech] spricht die Ausgabe, wie sie von sich aus eingestellt ist
    ergaenzeSprachStandard(s, sprache.lautstaerke(), sprache.geschwindigkeit(),
                           sprache.stimmlage());
    {
        const QSignalBlocker still(StimmenLst);
        StimmenLst->clear();
        const int n = sprache.stimmenAnzahl();
        for (int k = 1; k <= n; ++k)
            StimmenLst->addItem(sprache.stimmenName(k));
        StimmenLst->setCurrentIndex(-1);
    }
    {
        const QSignalBlocker still(VolumeSld);
        VolumeSld->setRange(begrenzt(sprache.niedrigsteLautstaerke()),
                            begrenzt(sprache.hoechsteLautstaerke()));
        setzeSchritte(*VolumeSld);
    }
    sprache.setzeStimme(s.Modus);
    initRegler();
    setzeSteuerelemente();
}

void SprAusgEinstFrm::initRegler() {
    Sprachausgabe& sprache = dienste::sprache();
    // erst lesen: die Regler zu bewegen stellt die Ausgabe nicht um
    const int tempo = sprache.geschwindigkeit();
    const int lage = sprache.stimmlage();
    const struct {
        QSlider* regler;
        int hoechste, niedrigste, jetzt;
        void (SprAusgEinstFrm::*aendere)();
    } regler[] = {
        {SpeedSld, sprache.hoechsteGeschwindigkeit(), sprache.niedrigsteGeschwindigkeit(), tempo,
         &SprAusgEinstFrm::SpeedSld_Change},
        {PitchSld, sprache.hoechsteStimmlage(), sprache.niedrigsteStimmlage(), lage,
         &SprAusgEinstFrm::PitchSld_Change},
    };
    for (const auto& r : regler) {
        {
            const QSignalBlocker still(r.regler);
            // erst weit auf, damit jeder neue Bereich in jeder Folge angenommen wird
            r.regler->setRange(0, 65535);
            r.regler->setValue(0);
            r.regler->setMaximum(r.hoechste);
            r.regler->setMinimum(r.niedrigste);
            r.regler->setValue(r.jetzt);
            setzeSchritte(*r.regler);
        }
        // ein Wert außerhalb des neuen Bereichs rückt an dessen Grenze, auch in der Ausgabe
        if (r.regler->value() != r.jetzt)
            (this->*r.aendere)();
    }
}

void SprAusgEinstFrm::setzeSteuerelemente() {
    const SprachEinstellungen& s = m_glob->sprache;
    const int position = s.Modus >= 1 && s.Modus <= StimmenLst->count() ? s.Modus - 1 : -1;
    {
        const QSignalBlocker still(StimmenLst);
        StimmenLst->setCurrentIndex(position);
    }
    // die Wahl gilt, auch wenn die Liste schon dort stand: die Ausgabe folgt ihr
    StimmenLst_Click();
    TranskrWortOpt->setChecked(s.TranskripteWoerter);
    TranskrSatzOpt->setChecked(s.TranskripteSaetze);
    for (auto [r, wert] :
         {std::pair{VolumeSld, begrenzt(s.Lautstaerke)}, std::pair{PitchSld, int(s.Stimmlage)},
          std::pair{SpeedSld, int(s.Geschwindigkeit)}}) {
        const QSignalBlocker still(r);
        r->setValue(wert);
    }
    VolumeSld_Change();
    PitchSld_Change();
    SpeedSld_Change();
    m_gezeigt = {StimmenLst->currentIndex(), VolumeSld->value(), PitchSld->value(),
                 SpeedSld->value()};
}

void SprAusgEinstFrm::StimmenLst_Click() {
    dienste::sprache().setzeStimme(StimmenLst->currentIndex() + 1);
    // jede Stimme hat ihre eigenen Bereiche
    initRegler();
}

void SprAusgEinstFrm::VolumeSld_Change() {
    dienste::sprache().setzeLautstaerke(VolumeSld->value());
}

void SprAusgEinstFrm::PitchSld_Change() {
    dienste::sprache().setzeStimmlage(PitchSld->value());
}

void SprAusgEinstFrm::SpeedSld_Change() {
    dienste::sprache().setzeGeschwindigkeit(SpeedSld->value());
}

void SprAusgEinstFrm::testBtn_Click() {
    Sprachausgabe& sprache = dienste::sprache();
    const int n = StimmenLst->currentIndex() + 1;
    if (sprache.stimme() != n)
        sprache.setzeStimme(n);
    sprache.sprich(TestText->text());
}

void SprAusgEinstFrm::okButton_Click() {
    verberge();
    SprachEinstellungen& s = m_glob->sprache;
    if (StimmenLst->currentIndex() != m_gezeigt.stimme)
        s.Modus = int16_t(StimmenLst->currentIndex() + 1);
    if (VolumeSld->value() != m_gezeigt.lautstaerke)
        s.Lautstaerke = VolumeSld->value();
    if (PitchSld->value() != m_gezeigt.stimmlage)
        s.Stimmlage = int16_t(std::clamp(PitchSld->value(), INT16_MIN, INT16_MAX));
    if (SpeedSld->value() != m_gezeigt.geschwindigkeit)
        s.Geschwindigkeit = int16_t(std::clamp(SpeedSld->value(), INT16_MIN, INT16_MAX));
    s.TranskripteWoerter = TranskrWortOpt->isChecked();
    s.TranskripteSaetze = TranskrSatzOpt->isChecked();
    s.ModusGelesen = s.LautstaerkeGelesen = s.StimmlageGelesen = s.GeschwindigkeitGelesen = true;
    // auch ohne Änderung: am Programmende wird [TextToSpeech] geschrieben
    m_glob->sprachIniGeaendert = true;
}

void SprAusgEinstFrm::abbrBtn_Click() {
    verberge();
    setzeSteuerelemente();
}

void SprAusgEinstFrm::verberge() {
    hide();
    // beim nächsten Öffnen drückt Enter wieder OK, wo kein Knopf den Fokus hat
    okButton->setDefault(true);
}

void SprAusgEinstFrm::closeEvent(QCloseEvent* e) {
    e->ignore();
    abbrBtn_Click();
}

} // namespace varku
