#include "frame/EinstellFrm.h"

#include "foundation/Benannt.h"
#include "foundation/Optionsgruppe.h"
#include "foundation/Zahlenwert.h"
#include "frame/GlobModul.h"
#include "frame/VarkuAnzeige.h"
#include "platform/Rand.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace varku {

namespace {

// so groß wie das Hauptfenster die Wortschrift zeigt
constexpr int kleinsteGroesse = 8;
constexpr int groessteGroesse = 72;

// was das Beispiel in dieser Schrift braucht, mit Rand und Platz für die Neigung
QSize beispielGroesse(const QFont& f) {
    const QFontMetrics m(f);
    return {m.horizontalAdvance(QStringLiteral("Beispiel")) + m.height() / 2 + 24, m.height() + 16};
}

} // namespace

std::function<QStringList()>& EinstellFrm::schriftQuelle() {
    static std::function<QStringList()> quelle = [] { return QFontDatabase::families(); };
    return quelle;
}

EinstellFrm& EinstellFrm::instanz(GlobModul& glob) {
    EinstellFrm& f = Einzelfenster<EinstellFrm>::instanz(glob);
    if (f.m_glob != &glob) {
        f.m_glob = &glob;
        f.Form_Load();
    }
    return f;
}

EinstellFrm& EinstellFrm::lade(GlobModul& glob) {
    const bool neu = !geladen();
    EinstellFrm& f = instanz(glob);
    if (!neu && f.m_glob == &glob)
        f.Form_Load();
    return f;
}

EinstellFrm::EinstellFrm(GlobModul& glob) : m_glob(&glob) {
    setObjectName(QStringLiteral("EinstellFrm"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    setModal(true);

    // Schrift
    SchriftFrame = benannt(new QGroupBox(QStringLiteral("Schrift"), this), "SchriftFrame");
    FontNameCBox = benannt(new QComboBox(SchriftFrame), "FontNameCBox");
    FontNameCBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    FontNameCBox->setMinimumContentsLength(22);
    // eine Liste zum Blättern statt einer, die den Bildschirm füllt
    FontNameCBox->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    FontNameCBox->setMaxVisibleItems(16);
    FontNameCBox->view()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    GroesseLbl = benannt(new QLabel(QStringLiteral("Größe"), SchriftFrame), "GroesseLbl");
    SchriftGrUpDn = benannt(new QSpinBox(SchriftFrame), "SchriftGrUpDn");
    SchriftGrUpDn->setRange(kleinsteGroesse, groessteGroesse);
    SchriftGrUpDn->setMinimumWidth(70);
    if (auto* feld = SchriftGrUpDn->findChild<QLineEdit*>())
        feld->setObjectName(QStringLiteral("Schriftgrad"));
    GroesseLbl->setBuddy(SchriftGrUpDn);
    ptLbl = benannt(new QLabel(QStringLiteral("pt"), SchriftFrame), "ptLbl");
    fettSchriftChk = benannt(new QCheckBox(QStringLiteral("fett"), SchriftFrame), "fettSchriftChk");
    kursivSchriftChk =
        benannt(new QCheckBox(QStringLiteral("kursiv"), SchriftFrame), "kursivSchriftChk");
    FontBspLbl = benannt(new QLabel(QStringLiteral("Beispiel"), SchriftFrame), "FontBspLbl");
    FontBspLbl->setTextFormat(Qt::PlainText);
    FontBspLbl->setAlignment(Qt::AlignCenter);
    FontBspLbl->setFrameShape(QFrame::StyledPanel);
    FontBspLbl->setFrameShadow(QFrame::Sunken);
    FontBspLbl->setAutoFillBackground(true);
    FontBspLbl->setBackgroundRole(QPalette::Base);
    {
        // Platz für das Beispiel in mittlerer Größe, damit der Dialog nicht bei jedem Schritt
        // springt; größere Schrift macht ihn größer
        QFont f = font();
        f.setPointSize(36);
        f.setBold(true);
        m_beispielPlatz = beispielGroesse(f);
    }
    auto* schrift = new QGridLayout(SchriftFrame);
    schrift->addWidget(FontNameCBox, 0, 0, 1, 5);
    schrift->addWidget(GroesseLbl, 1, 0);
    schrift->addWidget(SchriftGrUpDn, 1, 1);
    schrift->addWidget(ptLbl, 1, 2);
    schrift->addWidget(fettSchriftChk, 1, 3, Qt::AlignLeft);
    schrift->addWidget(kursivSchriftChk, 1, 4, Qt::AlignLeft);
    schrift->addWidget(FontBspLbl, 2, 0, 1, 5);
    schrift->setColumnStretch(2, 1);
    schrift->setRowStretch(2, 1);

    // Übungsform: die Sprachausgabe gehört zum Diktat und steht eingerückt darunter
    UebFormFrame = benannt(new QGroupBox(QStringLiteral("Übungsform"), this), "UebFormFrame");
    NachschrOpt =
        benannt(new QRadioButton(QStringLiteral("&nachschreiben"), UebFormFrame), "NachschrOpt");
    DiktOpt =
        benannt(new QRadioButton(QStringLiteral("Wörter &diktieren"), UebFormFrame), "DiktOpt");
    SynthOpt = benannt(new QCheckBox(QStringLiteral("s&ynthetisch"), UebFormFrame), "SynthOpt");
    SynthSatzOpt =
        benannt(new QCheckBox(QStringLiteral("im &ganzen Satz"), UebFormFrame), "SynthSatzOpt");
    LupeOpt = benannt(new QCheckBox(QStringLiteral("&Lupe einblenden"), UebFormFrame), "LupeOpt");
    auto* form = new QGridLayout(UebFormFrame);
    // ein Klick neben die Beschriftung trifft nichts: die Knöpfe sind nur so breit wie sie
    form->addWidget(NachschrOpt, 0, 0, 1, 2, Qt::AlignLeft);
    form->addWidget(DiktOpt, 1, 0, 1, 2, Qt::AlignLeft);
    form->addWidget(SynthOpt, 2, 1, Qt::AlignLeft);
    form->addWidget(SynthSatzOpt, 3, 1, Qt::AlignLeft);
    form->addWidget(LupeOpt, 4, 0, 1, 2, Qt::AlignLeft);
    form->setColumnMinimumWidth(0, 24);
    form->setColumnStretch(1, 1);
    form->setRowStretch(5, 1);

    // Schwierigkeit
    SchwierigkeitFrame =
        benannt(new QGroupBox(QStringLiteral("Schwierigkeit"), this), "SchwierigkeitFrame");
    auto* schwer = new QVBoxLayout(SchwierigkeitFrame);
    const char* grade[] = {"&einfach", "&mittel", "&schwer"};
    for (size_t i = 0; i < SchwGr.size(); ++i) {
        SchwGr[i] = new QRadioButton(QString::fromUtf8(grade[i]), SchwierigkeitFrame);
        SchwGr[i]->setObjectName(QStringLiteral("SchwGr%1").arg(i));
        schwer->addWidget(SchwGr[i], 0, Qt::AlignLeft);
    }
    schwer->addStretch();

    // Sonstiges
    SonstigesFrame = benannt(new QGroupBox(QStringLiteral("Sonstiges"), this), "SonstigesFrame");
    AutoStartOpt = benannt(new QCheckBox(QStringLiteral("Autostart einschalten"), SonstigesFrame),
                           "AutoStartOpt");
    TonEinOpt =
        benannt(new QCheckBox(QStringLiteral("&Ton einschalten"), SonstigesFrame), "TonEinOpt");
    EinstSaveOpt = benannt(
        new QCheckBox(QStringLiteral("Einstellungen s&peichern"), SonstigesFrame), "EinstSaveOpt");
    BspSatzOpt = benannt(new QCheckBox(QStringLiteral("&Beispielsatz zeigen"), SonstigesFrame),
                         "BspSatzOpt");
    auto* sonst = new QVBoxLayout(SonstigesFrame);
    for (QCheckBox* c : {AutoStartOpt, TonEinOpt, EinstSaveOpt, BspSatzOpt})
        sonst->addWidget(c, 0, Qt::AlignLeft);
    sonst->addStretch();

    okButton = benannt(new QPushButton(QStringLiteral("&OK"), this), "okButton");
    abbrBtn = benannt(new QPushButton(QStringLiteral("&abbrechen"), this), "abbrBtn");
    for (QPushButton* b : {okButton, abbrBtn})
        b->setMinimumSize(110, 34);
    // Enter drückt den Knopf mit dem Fokus, sonst OK
    okButton->setDefault(true);

    auto* raster = new QGridLayout;
    raster->setSpacing(12);
    raster->addWidget(SchriftFrame, 0, 0);
    raster->addWidget(UebFormFrame, 0, 1);
    raster->addWidget(SchwierigkeitFrame, 1, 0);
    raster->addWidget(SonstigesFrame, 1, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(okButton);
    knoepfe->addWidget(abbrBtn);
    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(raster);
    aussen->addLayout(knoepfe);

    // Tab von links oben nach rechts unten, zuletzt die Knöpfe; in eine Gruppe von Optionen an
    // der gewählten
    QWidget* reihe[] = {FontNameCBox, SchriftGrUpDn, fettSchriftChk, kursivSchriftChk, NachschrOpt,
                        DiktOpt,      SynthOpt,      SynthSatzOpt,   LupeOpt,          SchwGr[0],
                        SchwGr[1],    SchwGr[2],     AutoStartOpt,   TonEinOpt,        EinstSaveOpt,
                        BspSatzOpt,   okButton,      abbrBtn};
    for (size_t i = 0; i + 1 < std::size(reihe); ++i)
        setTabOrder(reihe[i], reihe[i + 1]);
    tabNurAufGewaehlte({NachschrOpt, DiktOpt});
    tabNurAufGewaehlte({SchwGr[0], SchwGr[1], SchwGr[2]});

    verbinde(FontNameCBox, &QComboBox::currentIndexChanged, this, &EinstellFrm::FontNameCBox_Click);
    verbinde(fettSchriftChk, &QCheckBox::toggled, this, &EinstellFrm::fettSchriftChk_Click);
    verbinde(kursivSchriftChk, &QCheckBox::toggled, this, &EinstellFrm::kursivSchriftChk_Click);
    verbinde(SchriftGrUpDn, &QSpinBox::valueChanged, this, &EinstellFrm::SchriftGrUpDn_Change);
    verbinde(NachschrOpt, &QRadioButton::toggled, this, [this](bool an) {
        if (an)
            NachschrOpt_Click();
    });
    verbinde(DiktOpt, &QRadioButton::toggled, this, [this](bool an) {
        if (an)
            DiktOpt_Click();
    });
    verbinde(SynthOpt, &QCheckBox::toggled, this, &EinstellFrm::SynthOpt_Click);
    verbinde(okButton, &QPushButton::clicked, this, &EinstellFrm::okButton_Click);
    verbinde(abbrBtn, &QPushButton::clicked, this, &EinstellFrm::abbrBtn_Click);
    Form_Load();
}

void EinstellFrm::Form_Load() {
    // die Schriften des Bildschirms ändern sich nicht, solange das Programm läuft
    if (FontNameCBox->count() == 0)
        fuelleFontListe(m_glob->einst.TextFontName);
    else
        waehleSchrift(m_glob->einst.TextFontName);
    setzeSteuerelemente();
}

void EinstellFrm::fuelleFontListe(const QString& name) {
    FontNameCBox->clear();
    const std::function<QStringList()>& quelle = schriftQuelle();
    if (quelle)
        FontNameCBox->addItems(quelle());
    waehleSchrift(name);
}

void EinstellFrm::waehleSchrift(const QString& name) {
    if (name.isEmpty()) {
        FontNameCBox->setCurrentIndex(-1);
        return;
    }
    const int i = FontNameCBox->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    FontNameCBox->setCurrentIndex(i >= 0 ? i : (FontNameCBox->count() > 0 ? 0 : -1));
}

void EinstellFrm::setzeSteuerelemente() {
    const VarkuEinstellungen& e = m_glob->einst;
    if (e.Schwierigkeitsgrad >= 0 && size_t(e.Schwierigkeitsgrad) < SchwGr.size())
        SchwGr[size_t(e.Schwierigkeitsgrad)]->setChecked(true);
    // die Größe, wie das Hauptfenster sie zeigt, ganzzahlig
    SchriftGrUpDn->setValue(int(rundeGerade(anwendbareGroesse(e.TextFontGroesse))));
    m_gezeigteGroesse = SchriftGrUpDn->value();
    fettSchriftChk->setChecked(e.TextFontFett);
    kursivSchriftChk->setChecked(e.TextFontKursiv);
    (e.Nachschreiben ? NachschrOpt : DiktOpt)->setChecked(true);
    // in jeder Übungsform: ein gesperrter Haken behält, was eingestellt ist, und OK schreibt
    // ihn so zurück
    SynthOpt->setChecked(e.TextToSpeech);
    SynthSatzOpt->setChecked(e.SprachAusgabeSatz);
    LupeOpt->setChecked(e.LeseLupe);
    AutoStartOpt->setChecked(e.AutoDialog);
    TonEinOpt->setChecked(e.TonEinschalten);
    EinstSaveOpt->setChecked(e.EinstellungenSpeichern);
    BspSatzOpt->setChecked(e.BeispielSatz);
    setzeSprachFreigabe();
    zeigeBeispiel();
}

void EinstellFrm::setzeSprachFreigabe() {
    const bool diktat = DiktOpt->isChecked();
    SynthOpt->setEnabled(diktat);
    SynthSatzOpt->setEnabled(diktat && SynthOpt->isChecked());
}

void EinstellFrm::zeigeBeispiel() {
    QFont f = font();
    if (FontNameCBox->currentIndex() >= 0)
        f.setFamily(FontNameCBox->currentText());
    f.setPointSize(SchriftGrUpDn->value());
    f.setBold(fettSchriftChk->isChecked());
    f.setItalic(kursivSchriftChk->isChecked());
    FontBspLbl->setFont(f);
    // nichts vom Beispiel wird abgeschnitten: der Dialog wächst mit ihm
    FontBspLbl->setMinimumSize(beispielGroesse(f).expandedTo(m_beispielPlatz));
}

void EinstellFrm::FontNameCBox_Click() {
    zeigeBeispiel();
}

void EinstellFrm::fettSchriftChk_Click() {
    zeigeBeispiel();
}

void EinstellFrm::kursivSchriftChk_Click() {
    zeigeBeispiel();
}

void EinstellFrm::SchriftGrUpDn_Change() {
    zeigeBeispiel();
}

void EinstellFrm::NachschrOpt_Click() {
    setzeSprachFreigabe();
}

void EinstellFrm::DiktOpt_Click() {
    setzeSprachFreigabe();
}

void EinstellFrm::SynthOpt_Click() {
    setzeSprachFreigabe();
}

void EinstellFrm::okButton_Click() {
    verberge();
    GlobModul& g = *m_glob;
    VarkuEinstellungen& e = g.einst;
    for (size_t i = 0; i < SchwGr.size(); ++i)
        if (SchwGr[i]->isChecked())
            e.Schwierigkeitsgrad = int16_t(i);
    e.TextFontName = FontNameCBox->currentIndex() >= 0 ? FontNameCBox->currentText() : QString();
    // unverändert bleibt der gelesene Wert stehen, auch einer, der begrenzt gezeigt wird
    if (SchriftGrUpDn->value() != m_gezeigteGroesse)
        e.TextFontGroesse = SchriftGrUpDn->value();
    e.TextFontFett = fettSchriftChk->isChecked();
    e.TextFontKursiv = kursivSchriftChk->isChecked();
    e.Nachschreiben = !DiktOpt->isChecked();
    e.TextToSpeech = SynthOpt->isChecked();
    e.SprachAusgabeSatz = SynthSatzOpt->isChecked();
    e.LeseLupe = LupeOpt->isChecked();
    e.AutoDialog = AutoStartOpt->isChecked();
    e.BeispielSatz = BspSatzOpt->isChecked();
    e.TonEinschalten = TonEinOpt->isChecked();
    e.EinstellungenSpeichern = EinstSaveOpt->isChecked();
    // auch ohne Änderung: am Programmende wird [Varku] geschrieben
    g.varkuIniGeaendert = true;
    emit einstellungenUebernommen();
}

void EinstellFrm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    FontNameCBox->setFocus(Qt::TabFocusReason);
}

void EinstellFrm::abbrBtn_Click() {
    verberge();
    waehleSchrift(m_glob->einst.TextFontName);
    setzeSteuerelemente();
    // war das Beispiel groß, wird der Dialog wieder so klein wie nötig
    adjustSize();
}

void EinstellFrm::verberge() {
    hide();
    // beim nächsten Öffnen drückt Enter wieder OK, wo kein Knopf den Fokus hat
    okButton->setDefault(true);
}

void EinstellFrm::closeEvent(QCloseEvent* e) {
    e->ignore();
    abbrBtn_Click();
}

} // namespace varku
