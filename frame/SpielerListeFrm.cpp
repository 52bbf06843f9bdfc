#include "frame/SpielerListeFrm.h"

#include "foundation/MldFenster.h"
#include "foundation/Sound.h"
#include "frame/Uebung.h"
#include "platform/Rand.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

namespace varku {

namespace {

const QString gast = QStringLiteral("Gast");

} // namespace

SpielerListeFrm& SpielerListeFrm::instanz(Uebung& uebung) {
    SpielerListeFrm& f = Einzelfenster<SpielerListeFrm>::instanz(uebung);
    f.m_uebung = &uebung;
    return f;
}

SpielerListeFrm::SpielerListeFrm(Uebung& uebung) : m_uebung(&uebung) {
    setObjectName(QStringLiteral("SpielerListeFrm"));
    setWindowTitle(QStringLiteral("Spielerliste"));
    setModal(true);

    NameLbl = new QLabel(QStringLiteral("Name:"), this);
    NameLbl->setObjectName(QStringLiteral("NameLbl"));
    UserList = new QComboBox(this);
    UserList->setObjectName(QStringLiteral("UserList"));
    UserList->setMinimumSize(200, 34);
    NameLbl->setBuddy(UserList);

    pwLbl = new QLabel(QStringLiteral("Passwort:"), this);
    pwLbl->setObjectName(QStringLiteral("pwLbl"));
    pwInp = new QLineEdit(this);
    pwInp->setObjectName(QStringLiteral("pwInp"));
    pwInp->setEchoMode(QLineEdit::Password);
    pwInp->setMinimumHeight(34);
    pwLbl->setBuddy(pwInp);

    SpielerLst = new QListWidget(this);
    SpielerLst->setObjectName(QStringLiteral("SpielerLst"));
    SpielerLst->setSelectionMode(QAbstractItemView::SingleSelection);
    SpielerLst->setMinimumSize(200, 150);
    QFont f = SpielerLst->font();
    f.setPointSizeF(f.pointSizeF() * 1.15);
    SpielerLst->setFont(f);

    addSpBtn = new QPushButton(QStringLiteral("ü&bertragen"), this);
    addSpBtn->setObjectName(QStringLiteral("addSpBtn"));
    delSpBtn = new QPushButton(QStringLiteral("&löschen"), this);
    delSpBtn->setObjectName(QStringLiteral("delSpBtn"));
    okBtn = new QPushButton(QStringLiteral("&OK"), this);
    okBtn->setObjectName(QStringLiteral("okBtn"));
    abbrBtn = new QPushButton(QStringLiteral("&abbrechen"), this);
    abbrBtn->setObjectName(QStringLiteral("abbrBtn"));
    for (QPushButton* b : {addSpBtn, delSpBtn, okBtn, abbrBtn}) {
        b->setMinimumSize(110, 34);
        // Der Standardknopf wechselt nur, wo das Fenster es sagt, nicht mit dem Fokus.
        b->setAutoDefault(false);
    }

    // links wählen, rechts die Liste der Spieler, unten schließen
    auto* aussen = new QVBoxLayout(this);
    auto* raster = new QGridLayout;
    raster->setHorizontalSpacing(12);
    raster->addWidget(NameLbl, 0, 0);
    raster->addWidget(UserList, 0, 1);
    raster->addWidget(pwLbl, 1, 0);
    raster->addWidget(pwInp, 1, 1);
    raster->addWidget(addSpBtn, 2, 1, Qt::AlignRight | Qt::AlignTop);
    raster->addWidget(SpielerLst, 0, 2, 3, 1);
    raster->addWidget(delSpBtn, 3, 2, Qt::AlignRight);
    raster->setColumnStretch(2, 1);
    raster->setRowStretch(2, 1);
    aussen->addLayout(raster);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(okBtn);
    knoepfe->addWidget(abbrBtn);
    aussen->addLayout(knoepfe);

    verbinde(UserList, &QComboBox::activated, this, &SpielerListeFrm::UserList_Click);
    verbinde(pwInp, &QLineEdit::textChanged, this, &SpielerListeFrm::pwInp_Change);
    verbinde(SpielerLst, &QListWidget::itemSelectionChanged, this,
             &SpielerListeFrm::SpielerLst_Click);
    verbinde(addSpBtn, &QPushButton::clicked, this, &SpielerListeFrm::addSpBtn_Click);
    verbinde(delSpBtn, &QPushButton::clicked, this, &SpielerListeFrm::delSpBtn_Click);
    verbinde(okBtn, &QPushButton::clicked, this, &SpielerListeFrm::okBtn_Click);
    verbinde(abbrBtn, &QPushButton::clicked, this, &SpielerListeFrm::abbrBtn_Click);
    Form_Load();
}

void SpielerListeFrm::Form_Load() {
    UserList->clear();
    UserList->addItem(gast);
    // Erst eine Wahl gibt "übertragen" frei.
    UserList->setPlaceholderText(QStringLiteral("bitte wählen"));
    UserList->setCurrentIndex(-1);
    addSpBtn->setEnabled(false);
    delSpBtn->setEnabled(false);
    pwLbl->setEnabled(false);
    pwInp->setEnabled(false);
    setzeStandardKnopf(okBtn);
}

bool SpielerListeFrm::spielerVorhanden(const QString& name) const {
    return m_uebung->gruppe.spielerVorhanden(name);
}

void SpielerListeFrm::setzeStandardKnopf(QPushButton* knopf) {
    for (QPushButton* b : {addSpBtn, delSpBtn, okBtn, abbrBtn})
        b->setDefault(b == knopf);
}

void SpielerListeFrm::UserList_Click() {
    addSpBtn->setEnabled(true);
    if (pwInp->isEnabled())
        pwInp->setFocus();
    const bool passwort = UserList->currentText() != gast;
    pwLbl->setEnabled(passwort);
    pwInp->setEnabled(passwort);
}

void SpielerListeFrm::pwInp_Change() {
    setzeStandardKnopf(addSpBtn);
}

void SpielerListeFrm::SpielerLst_Click() {
    if (!SpielerLst->selectedItems().isEmpty())
        delSpBtn->setEnabled(true);
}

void SpielerListeFrm::addSpBtn_Click() {
    pwLbl->setEnabled(true);
    pwInp->setEnabled(true);
    const Spielergruppe::Eintrag e = m_uebung->gruppe.fuegeHinzu(UserList->currentText());
    switch (e.ergebnis) {
    case Spielergruppe::Ergebnis::ListeVoll:
        spieleSound(QStringLiteral("ProgrammMeldung"));
        zeigeMeldung(QStringLiteral("Es können sich maximal 4 Spieler\rin die Liste eintragen."),
                     QStringLiteral("&OK"), QString(), QStringLiteral("Info"));
        return;
    case Spielergruppe::Ergebnis::NameVorhanden:
        zeigeMeldung(QStringLiteral("Der Name ") + e.name +
                         QStringLiteral("\rwurde der Spielerliste\rschon hinzugefügt."),
                     QStringLiteral("&OK"), QString(), QStringLiteral("Info"));
        pwInp->clear();
        return;
    case Spielergruppe::Ergebnis::KeinName:
        return;
    case Spielergruppe::Ergebnis::Eingetragen:
        break;
    }
    SpielerLst->addItem(e.name);
    addSpBtn->setEnabled(false);
    pwInp->clear();
    setzeStandardKnopf(okBtn);
    emit spielerlisteGeaendert();
}

void SpielerListeFrm::delSpBtn_Click() {
    const QList<QListWidgetItem*> gewaehlt = SpielerLst->selectedItems();
    if (gewaehlt.isEmpty())
        return;
    const int i = SpielerLst->row(gewaehlt.first());
    delete SpielerLst->takeItem(i);
    // keine Markierung, die zum gesperrten Knopf nicht passt
    SpielerLst->clearSelection();
    delSpBtn->setEnabled(false);
    m_uebung->entferneSpieler(i);
    emit spielerlisteGeaendert();
}

void SpielerListeFrm::okBtn_Click() {
    if (m_uebung->nSpieler() >= 1) {
        hide();
        return;
    }
    spieleSound(QStringLiteral("ProgrammMeldung"));
    zeigeMeldung(
        QStringLiteral("Du musst mindestens einen Spieler\rin die Spielerliste eintragen."),
        QStringLiteral("&OK"), QString(), QStringLiteral("Bitte beachten"));
}

void SpielerListeFrm::abbrBtn_Click() {
    // Abbrechen nimmt die Liste, wie sie ist: es macht nichts rückgängig.
    okBtn_Click();
}

void SpielerListeFrm::closeEvent(QCloseEvent* e) {
    e->ignore();
    abbrBtn_Click();
}

} // namespace varku
