#include "games/crossword/Wendomarbrett.h"

#include "foundation/Anzeigen.h"
#include "games/crossword/Wendomarspiel.h"
#include "platform/Rand.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace varku::wendomar {

Wendomarbrett::Wendomarbrett(Wendomarspiel& spiel, QWidget* eltern)
    : QWidget(eltern), m_spiel(spiel) {
    auto* lage = new QVBoxLayout(this);
    lage->setContentsMargins(0, 0, 0, 0);
    SpFld = new Kreuzwortbrett(spiel.gitter, spiel.steine, this);
    lage->addWidget(SpFld, 0, Qt::AlignLeft | Qt::AlignTop);

    auto* unten = new QHBoxLayout;
    const auto knopf = [&](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setMinimumSize(130, 40);
        unten->addWidget(b);
        return b;
    };
    WortEndeBtn = knopf(QStringLiteral("&Wortende"), "WortEndeBtn");
    zurueckBtn = knopf(QStringLiteral("&zurück"), "zurueckBtn");
    naechstenSteinSetzenBtn = knopf(QStringLiteral("&erster Stein"), "naechstenSteinSetzenBtn");
    HilfeZeigenBtn = knopf(QStringLiteral("Hil&fe"), "HilfeZeigenBtn");
    unten->addSpacing(24);
    BonusMeldeLampe = new Lampe(this, 28);
    BonusMeldeLampe->setObjectName(QStringLiteral("BonusMeldeLampe"));
    BonusMeldeLbl = new QLabel(QStringLiteral("Bonus"), this);
    BonusMeldeLbl->setObjectName(QStringLiteral("BonusMeldeLbl"));
    BonusPunkteLbl = new QLabel(QStringLiteral("0"), this);
    BonusPunkteLbl->setObjectName(QStringLiteral("BonusPunkteLbl"));
    QFont fett = BonusPunkteLbl->font();
    fett.setPointSize(14);
    fett.setBold(true);
    BonusMeldeLbl->setFont(fett);
    BonusPunkteLbl->setFont(fett);
    unten->addWidget(BonusMeldeLampe);
    unten->addWidget(BonusMeldeLbl);
    unten->addWidget(BonusPunkteLbl);
    unten->addStretch();
    lage->addLayout(unten);
    lage->addStretch();
    BonusBlinker = std::make_unique<Blinklampe>(*BonusMeldeLampe, 500, false);

    verbinde(WortEndeBtn, &QPushButton::clicked, &spiel, &Wendomarspiel::wortEnde);
    verbinde(zurueckBtn, &QPushButton::clicked, &spiel, &Wendomarspiel::alleZurueck);
    verbinde(naechstenSteinSetzenBtn, &QPushButton::clicked, &spiel,
             &Wendomarspiel::naechsterStein);
    connect(HilfeZeigenBtn, &QPushButton::clicked, this, &Wendomarbrett::hilfeGewuenscht);
    // ein gezogener Stein malt seine Stellen selbst; danach nur noch die Knöpfe
    connect(SpFld, &Kreuzwortbrett::gelegt, this, &Wendomarbrett::zeigeKnoepfe);
    connect(&spiel, &Wendomarspiel::geaendert, this, &Wendomarbrett::zeige);
    zeige();
}

Wendomarbrett::~Wendomarbrett() = default;

void Wendomarbrett::zeigeKnoepfe() {
    const Steinlage& s = m_spiel.steine;
    WortEndeBtn->setEnabled(s.wortEndeAn);
    zurueckBtn->setEnabled(s.zurueckAn);
    naechstenSteinSetzenBtn->setEnabled(s.naechsterSteinMoeglich());
    naechstenSteinSetzenBtn->setText(s.ersterStein ? QStringLiteral("&erster Stein")
                                                   : QStringLiteral("&nächster Stein"));
}

void Wendomarbrett::zeige() {
    zeigeKnoepfe();
    const Steinlage& s = m_spiel.steine;
    const int bonus = m_spiel.BonusPunkte();
    BonusPunkteLbl->setText(QString::number(bonus));
    BonusPunkteLbl->setEnabled(bonus > 0);
    BonusMeldeLbl->setEnabled(bonus > 0);
    if (bonus <= 0)
        BonusBlinker->halte(Lampenzustand::Aus);
    else if (s.auslage() != m_bonusAuslage)
        // ein neues Wort mit Bonus: rot und gelb im Wechsel, sechsmal rot, dann bleibt sie rot
        BonusBlinker->blinke(Lampenzustand::Rot, Lampenzustand::Gelb, 11, Lampenzustand::Rot);
    m_bonusAuslage = s.auslage();
    SpFld->update();
}

} // namespace varku::wendomar
